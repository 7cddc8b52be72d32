#include "projectwriter.h"

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>

#include <QHash>
#include <QIODevice>
#include <QStringList>
#include <QXmlStreamWriter>

#include <algorithm>

namespace projects {

namespace {

void writeSwitchTimes(QXmlStreamWriter* writer, const QList<SwitchTime>& switchTimes)
{
    for (const SwitchTime& switchTime : switchTimes) {
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
    }
}

void writeFloors(QXmlStreamWriter* writer, const QList<Floor>& floors, bool withVacation)
{
    writer->writeStartElement(QStringLiteral("floors"));
    for (const Floor& floor : floors) {
        floor.beginSerialize(writer);
        for (const Room& room : floor.rooms()) {
            room.beginSerialize(writer);
            for (const Function& function : room.functions()) {
                function.beginSerialize(writer, QString(), withVacation);
                writeSwitchTimes(writer, function.switchTimes());
                const Simulation simulation = function.simulation();
                simulation.beginSerialize(writer);
                simulation.endSerialize(writer);
                function.endSerialize(writer);
            }
            room.endSerialize(writer);
        }
        floor.endSerialize(writer);
    }
    writer->writeEndElement();
}

void writeActuators(QXmlStreamWriter* writer, const QList<Actuator>& actuators)
{
    writer->writeStartElement(QStringLiteral("actuators"));
    for (const Actuator& actuator : actuators)
        actuator.serialize(writer);
    writer->writeEndElement();
}

void writeGroups(QXmlStreamWriter* writer, const QList<Group>& groups, bool withVacation)
{
    writer->writeStartElement(QStringLiteral("groups"));
    for (const Group& group : groups) {
        group.beginSerialize(writer, withVacation);
        writeSwitchTimes(writer, group.switchTimes());
        group.endSerialize(writer);
    }
    writer->writeEndElement();
}

void writeScenes(QXmlStreamWriter* writer, const Project& project, bool withVacation)
{
    const QHash<QString, int> noDatapointNumbers;
    writer->writeStartElement(QStringLiteral("scenes"));
    for (const Scene& scene : project.scenes()) {
        // The scene writes its own switch times.
        scene.beginSerialize(writer, withVacation);
        for (const Snapshot& snapshot : scene.snapshots())
            snapshot.serialize(writer, noDatapointNumbers);
        scene.endSerialize(writer);
    }
    for (const SceneTrigger& trigger : project.sceneTriggers())
        trigger.serialize(writer);
    writer->writeEndElement();
}

void writeLinks(QXmlStreamWriter* writer, const QList<Link>& links)
{
    writer->writeStartElement(QStringLiteral("links"));
    for (const Link& link : links)
        link.serialize(writer);
    writer->writeEndElement();
}

void writeAutomatics(QXmlStreamWriter* writer, const QHash<QString, Automatic>& automatics)
{
    QStringList ids = automatics.keys();
    std::sort(ids.begin(), ids.end());
    for (const QString& id : qAsConst(ids)) {
        const Automatic automatic = automatics.value(id);
        automatic.beginSerialize(writer);
        writeSwitchTimes(writer, automatic.switchTimes());
        automatic.endSerialize(writer);
    }
}

} // namespace

ProjectWriter::ProjectWriter() = default;

ProjectWriter::Form ProjectWriter::form() const
{
    return m_form;
}

void ProjectWriter::setForm(Form form)
{
    m_form = form;
}

bool ProjectWriter::withVacation() const
{
    return m_withVacation;
}

void ProjectWriter::setWithVacation(bool withVacation)
{
    m_withVacation = withVacation;
}

bool ProjectWriter::write(const Project& project, QIODevice* device) const
{
    QXmlStreamWriter writer(device);
    write(project, &writer);
    return !writer.hasError();
}

void ProjectWriter::write(const Project& project, QXmlStreamWriter* writer) const
{
    project.beginSerialize(writer, m_withVacation);
    writeFloors(writer, project.floors(), m_withVacation);
    writeActuators(writer, project.actuators());
    writeGroups(writer, project.groups(), m_withVacation);
    writeScenes(writer, project, m_withVacation);
    writeLinks(writer, project.links());
    writeAutomatics(writer, project.automatics());
    project.endSerialize(writer);
}

} // namespace projects
