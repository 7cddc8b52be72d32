// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "workloads.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/group.h>
#include <projects/projectmerge.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/snapshot.h>
#include <projects/common/conversions.h>
#include <projects/reader/projectreader.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlDefaultHandler>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

using namespace projects;

namespace bench {

Inputs::Inputs(int functions) : m_functions(functions) {}

const Installation& Inputs::admin()
{
    if (!m_admin)
        m_admin.reset(new Installation(generate(Shape::cube(m_functions), Variant::Admin)));
    return *m_admin;
}

const Installation& Inputs::profile()
{
    if (!m_profile)
        m_profile.reset(new Installation(generate(Shape::cube(m_functions), Variant::Profile)));
    return *m_profile;
}

const Project& Inputs::adminProject()
{
    if (!m_adminProject)
        m_adminProject.reset(new Project(readModel(admin().xml)));
    return *m_adminProject;
}

const Project& Inputs::profileProject()
{
    if (!m_profileProject)
        m_profileProject.reset(new Project(readModel(profile().xml)));
    return *m_profileProject;
}

const QByteArray& Inputs::written()
{
    if (m_written.isEmpty())
        m_written = writeModel(adminProject(), admin().xml.size());
    return m_written;
}

const QVector<XmlEvent>& Inputs::writtenEvents()
{
    if (m_events.isEmpty())
        m_events = eventsOf(written());
    return m_events;
}

Project readModel(const QByteArray& xml, bool* ok)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    ProjectReader reader;
    const Project project = reader.parse(&buffer);
    if (ok)
        *ok = !reader.parsingError();
    return project;
}

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

// Every callback of the default handler accepts and does nothing.
class NullHandler : public QXmlDefaultHandler
{
};

} // namespace

bool readBare(const QByteArray& xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    QXmlSimpleReader reader;
    NullHandler handler;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    QXmlInputSource source(&buffer);
    return reader.parse(&source, false);
}

QT_WARNING_POP

QByteArray writeModel(const Project& project, int sizeHint)
{
    QByteArray bytes;
    bytes.reserve(sizeHint);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The complete form, which the tool writes: a superset of the standard one.
    ProjectWriter writer;
    writer.setForm(ProjectWriter::Complete);
    writer.write(project, &buffer);
    buffer.close();
    return bytes;
}

QByteArray writeBare(const QVector<XmlEvent>& events, int sizeHint)
{
    QByteArray bytes;
    bytes.reserve(sizeHint);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    // Elements in the default namespace are written by local name, as the element
    // writers of the library do.
    QString defaultNamespace;
    for (const XmlEvent& event : events) {
        if (!event.start) {
            writer.writeEndElement();
            continue;
        }
        for (const auto& declaration : event.namespaces) {
            if (declaration.first.isEmpty()) {
                writer.writeDefaultNamespace(declaration.second);
                defaultNamespace = declaration.second;
            } else {
                writer.writeNamespace(declaration.second, declaration.first);
            }
        }
        if (event.namespaceUri == defaultNamespace)
            writer.writeStartElement(event.name);
        else
            writer.writeStartElement(event.namespaceUri, event.name);
        for (const XmlEvent::Attribute& attribute : event.attributes) {
            if (attribute.namespaceUri.isEmpty())
                writer.writeAttribute(attribute.name, attribute.value);
            else
                writer.writeAttribute(attribute.namespaceUri, attribute.name, attribute.value);
        }
    }
    writer.writeEndDocument();
    buffer.close();
    return bytes;
}

QVector<XmlEvent> eventsOf(const QByteArray& xml)
{
    QVector<XmlEvent> events;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlEvent event;
            event.namespaceUri = reader.namespaceUri().toString();
            event.name = reader.name().toString();
            const QXmlStreamNamespaceDeclarations declarations = reader.namespaceDeclarations();
            for (const QXmlStreamNamespaceDeclaration& declaration : declarations)
                event.namespaces.append(
                    {declaration.prefix().toString(), declaration.namespaceUri().toString()});
            const QXmlStreamAttributes attributes = reader.attributes();
            for (const QXmlStreamAttribute& attribute : attributes)
                event.attributes.append({attribute.namespaceUri().toString(),
                                         attribute.name().toString(),
                                         attribute.value().toString()});
            events.append(event);
            break;
        }
        case QXmlStreamReader::EndElement: {
            XmlEvent event;
            event.start = false;
            events.append(event);
            break;
        }
        default:
            break;
        }
    }
    return events;
}

Project importJson(const Installation& installation)
{
    const QJsonObject building = QJsonDocument::fromJson(installation.buildingJson).object();
    Project project(building.value(QLatin1String("name")).toString());
    project.setOwner(building.value(QLatin1String("owner")).toString());
    project.setInstaller(building.value(QLatin1String("installer")).toString());
    const QJsonArray floors = building.value(QLatin1String("floors")).toArray();
    for (const QJsonValue& value : floors) {
        const Floor floor(value.toObject());
        if (floor.isValid())
            project.floors().append(floor);
    }

    project.groups() = Group::fromJson(QJsonDocument::fromJson(installation.groupsJson).array());

    const QJsonObject functions = QJsonDocument::fromJson(installation.functionsJson).object();
    QHash<QString, QUuid> addressToFunction;
    addressToFunction.reserve(functions.size());
    for (auto it = functions.constBegin(); it != functions.constEnd(); ++it)
        addressToFunction.insert(it.key(), stringToUuid(it.value().toString()));
    project.scenes() = Scene::fromJson(QJsonDocument::fromJson(installation.scenesJson).array(),
                                       addressToFunction);
    return project;
}

int parseJsonBare(const Installation& installation)
{
    int values = QJsonDocument::fromJson(installation.buildingJson).object().size();
    values += QJsonDocument::fromJson(installation.groupsJson).array().size();
    values += QJsonDocument::fromJson(installation.functionsJson).object().size();
    values += QJsonDocument::fromJson(installation.scenesJson).array().size();
    return values;
}

bool mergeAdmin(Project& own, const Project& other)
{
    bool changed = false;
    ProjectMerge().applyAdminSettings(own, other, &changed);
    return changed;
}

int mergeKeepOwnValues(Project& own, const Project& other)
{
    ProjectMerge merge;
    merge.setKeepOwnValues(true);
    return merge.applyProfile(own, other).timers().size();
}

int mergeAdoptStructure(Project& own, const Project& other)
{
    ProjectMerge merge;
    merge.setAdoptStructure(true);
    merge.applyProfile(own, other);
    int functions = 0;
    for (const Floor& floor : own.floors()) {
        for (const Room& room : floor.rooms())
            functions += room.functions().size();
    }
    return functions;
}

int compileScenes(const Project& project, const Installation& installation)
{
    int steps = 0;
    for (const Scene& scene : project.scenes()) {
        QJsonArray compiled;
        for (const Snapshot& snapshot : scene.snapshots())
            snapshot.compile(installation.addressToId, installation.idToFormat, &compiled);
        steps += compiled.size();
        steps += Snapshot::exportSnapshots(installation.addressToId, scene.snapshots()).size();
    }
    return steps;
}

} // namespace bench
