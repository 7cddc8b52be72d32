// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TESTS_TESTUTIL_H
#define CASARINA_TESTS_TESTUTIL_H

// Helpers shared by the test executables: reading inline documents through the public
// reader, writing elements inside the document skeleton, and looking at what was written.
// It includes every model header, so that a test file needs no list of its own.

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/datapoint.h>
#include <projects/deletableitems.h>
#include <projects/favorite.h>
#include <projects/finding.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/projectenum.h>
#include <projects/projectmerge.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/validation.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>
#include <projects/reader/projectreader.h>
#include <projects/reader/readerdiagnostics.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMetaEnum>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtGlobal>
#include <QtTest>

#include <algorithm>

namespace testutil {

/// The path of a file in tests/data.
inline QString dataPath(const QString& name)
{
    return QStringLiteral(CASARINA_TEST_DATA "/") + name;
}

/// The bytes of the file at @p path (empty when it cannot be read).
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

/// A whole current document whose `project` element holds @p content. The default
/// namespace is the project namespace; "p" and "c" are the profile and cache namespaces.
inline QByteArray document(const QByteArray& content, const QByteArray& projectAttributes = {})
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<project xmlns=\"") +
           projects::ns::Project.latin1() + "\" xmlns:p=\"" + projects::ns::Profile.latin1() +
           "\" xmlns:c=\"" + projects::ns::Cache.latin1() + "\" " + projectAttributes + ">" +
           content + "</project>\n";
}

/// Parses @p xml with a new ProjectReader; @p error receives parsingError().
inline projects::Project read(const QByteArray& xml, bool* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    projects::Project project = reader.parse(&buffer);
    if (error)
        *error = reader.parsingError();
    return project;
}

/// Parses a current document whose `project` element holds @p content.
inline projects::Project readContent(const QByteArray& content)
{
    return read(document(content));
}

/// @p project written by a ProjectWriter in @p form.
inline QByteArray
writeProject(const projects::Project& project,
             projects::ProjectWriter::Form form = projects::ProjectWriter::Standard,
             bool withVacation = true)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    projects::ProjectWriter writer;
    writer.setForm(form);
    writer.setWithVacation(withVacation);
    writer.write(project, &buffer);
    return bytes;
}

/// Receives what a reader passes over, as "kind@line:element", and what it finds.
class Collector : public projects::ReaderDiagnostics
{
public:
    void passedOver(Kind kind, int line, const QString& element, const QString&) override
    {
        items.append(QStringLiteral("%1@%2:%3").arg(kind).arg(line).arg(element));
    }
    void found(const projects::Finding& finding) override { findings.append(finding); }
    QStringList items;
    QList<projects::Finding> findings;
};

/// Parses @p xml with a new ProjectReader that reports to @p collector.
inline projects::Project readWith(const QByteArray& xml, Collector* collector)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    reader.setDiagnostics(collector);
    return reader.parse(&buffer);
}

/// Writes the document skeleton of a default project and, inside the `project` element,
/// whatever @p body writes; returns the bytes.
template <typename Body> QByteArray write(Body body, bool withVacation = true)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    projects::Project project;
    project.beginSerialize(&writer, withVacation);
    body(&writer);
    project.endSerialize(&writer);
    return bytes;
}

/// Writes @p object's element inside the skeleton: its `beginSerialize` with @p args, then
/// its `endSerialize`.
template <typename T, typename... Args> QByteArray writeElement(const T& object, Args... args)
{
    return write([&](QXmlStreamWriter* writer) {
        object.beginSerialize(writer, args...);
        object.endSerialize(writer);
    });
}

/// The identifier text of @p id as bytes, for building inline documents.
inline QByteArray idText(const QUuid& id)
{
    return projects::uuidToString(id).toLatin1();
}

/// Content of a `project` element whose one floor holds one room with @p functions.
inline QByteArray inRoom(const QByteArray& functions)
{
    return "<floors><floor name=\"Ground\"><room name=\"Hall\">" + functions +
           "</room></floor></floors>";
}

/// The functions of the first room of the first floor of @p project, or none.
inline QList<projects::Function> roomFunctions(const projects::Project& project)
{
    if (project.floors().isEmpty() || project.floors().first().rooms().isEmpty())
        return {};
    return project.floors().first().rooms().first().functions();
}

/// A new switch time whose device timers are @p timerIds (day to timer identifier).
inline projects::SwitchTime switchTimeWithTimers(const QHash<int, int>& timerIds)
{
    projects::SwitchTime switchTime;
    switchTime.timerIds() = timerIds;
    return switchTime;
}

/// The integers of @p container in ascending order, for comparing hash sets and tables.
template <typename Container> QList<int> sorted(const Container& container)
{
    QList<int> list(container.cbegin(), container.cend());
    std::sort(list.begin(), list.end());
    return list;
}

/// Collects every message logged while it lives (nested logs hand back to the outer one).
class MessageLog
{
public:
    MessageLog() : m_outer(current()), m_previous(qInstallMessageHandler(&MessageLog::handle))
    {
        current() = this;
    }
    ~MessageLog()
    {
        qInstallMessageHandler(m_previous);
        current() = m_outer;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    /// The texts of the messages, in logged order.
    QStringList messages() const { return m_messages; }
    /// The levels of the messages, in logged order.
    QList<QtMsgType> types() const { return m_types; }

private:
    static MessageLog*& current()
    {
        static MessageLog* log = nullptr;
        return log;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (MessageLog* log = current()) {
            log->m_types.append(type);
            log->m_messages.append(message);
        }
    }

    MessageLog* m_outer;
    QtMessageHandler m_previous;
    QStringList m_messages;
    QList<QtMsgType> m_types;
};

/// The attributes of every element named @p localName in @p xml, in document order.
inline QList<QXmlStreamAttributes> elements(const QByteArray& xml, const QString& localName)
{
    QList<QXmlStreamAttributes> result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == localName)
            result.append(reader.attributes());
    }
    return result;
}

/// The qualified names of @p attributes in order ("name", "p:md5", ...), as written with
/// the prefixes of the document skeleton.
inline QStringList names(const QXmlStreamAttributes& attributes)
{
    QStringList result;
    for (const QXmlStreamAttribute& attribute : attributes)
        result.append(attribute.qualifiedName().toString());
    return result;
}

/// @p attributes as "qualified name=value" texts in written order.
inline QStringList pairs(const QXmlStreamAttributes& attributes)
{
    QStringList result;
    for (const QXmlStreamAttribute& attribute : attributes)
        result.append(attribute.qualifiedName().toString() + QLatin1Char('=') +
                      attribute.value().toString());
    return result;
}

/// pairs() of the only element named @p localName in @p xml; a note when there is not
/// exactly one.
inline QStringList attributesOf(const QByteArray& xml, const QString& localName)
{
    const QList<QXmlStreamAttributes> found = elements(xml, localName);
    if (found.size() != 1)
        return {QStringLiteral("%1 elements: %2").arg(localName).arg(found.size())};
    return pairs(found.first());
}

/// The value of the attribute @p name (qualified, e.g. "p:name") or a null string.
inline QString value(const QXmlStreamAttributes& attributes, const QString& qualifiedName)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.qualifiedName() == qualifiedName)
            return attribute.value().toString();
    }
    return QString();
}

/// The qualified names of the child elements of the first element named @p localName,
/// in document order.
inline QStringList childNames(const QByteArray& xml, const QString& localName)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    int depth = -1;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth >= 0) {
                ++depth;
                if (depth == 1)
                    result.append(reader.qualifiedName().toString());
            } else if (reader.name() == localName) {
                depth = 0;
            }
        } else if (token == QXmlStreamReader::EndElement && depth >= 0) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    return result;
}

} // namespace testutil

#endif // CASARINA_TESTS_TESTUTIL_H
