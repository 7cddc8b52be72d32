// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "projectwriter.h"

#include "completewriter_p.h"

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
#include <projects/common/order_p.h>

#include <QHash>
#include <QIODevice>
#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN ProjectWriter::Private : public QSharedData
{
public:
    Form form = Standard;
    bool withVacation = true;
};

namespace {

// The walk over the project is the same in both forms; the complete form writes the
// elements whose own writers leave fields out with CompleteWriter.
class Walk
{
public:
    Walk(QXmlStreamWriter* writer, bool complete, bool withVacation)
        : m_writer(writer), m_complete(complete), m_withVacation(withVacation)
    {
    }

    void write(const Project& project) const
    {
        // A namespace declared before the element starts is declared on it, in the
        // order of the declarations: the complete form's comes first.
        if (m_complete)
            CompleteWriter::declareNamespace(m_writer);
        project.beginSerialize(m_writer, m_withVacation);
        if (m_complete)
            CompleteWriter::writeProjectAttributes(m_writer, project);
        writeFloors(project.floors());
        writeActuators(project);
        writeGroups(project.groups());
        writeScenes(project);
        writeLinks(project.links());
        writeAutomatics(project.automatics());
        project.endSerialize(m_writer);
    }

private:
    void writeSwitchTimes(const QList<SwitchTime>& switchTimes) const
    {
        if (m_complete) {
            CompleteWriter::writeSwitchTimes(m_writer, switchTimes);
            return;
        }
        for (const SwitchTime& switchTime : switchTimes) {
            switchTime.beginSerialize(m_writer);
            switchTime.endSerialize(m_writer);
        }
    }

    void writeFunction(const Function& function) const
    {
        if (m_complete) {
            CompleteWriter::writeFunction(m_writer, function, m_withVacation);
            return;
        }
        function.beginSerialize(m_writer, QString(), m_withVacation);
        writeSwitchTimes(function.switchTimes());
        const Simulation simulation = function.simulation();
        simulation.beginSerialize(m_writer);
        simulation.endSerialize(m_writer);
        function.endSerialize(m_writer);
    }

    void writeFloors(const QList<Floor>& floors) const
    {
        m_writer->writeStartElement(QStringLiteral("floors"));
        for (const Floor& floor : floors) {
            floor.beginSerialize(m_writer);
            for (const Room& room : floor.rooms()) {
                room.beginSerialize(m_writer);
                if (m_complete)
                    CompleteWriter::writeRoomAttributes(m_writer, room);
                for (const Function& function : room.functions())
                    writeFunction(function);
                room.endSerialize(m_writer);
            }
            floor.endSerialize(m_writer);
        }
        m_writer->writeEndElement();
    }

    void writeActuators(const Project& project) const
    {
        m_writer->writeStartElement(QStringLiteral("actuators"));
        if (m_complete) {
            CompleteWriter::writeDevices(m_writer, project);
        } else {
            for (const Actuator& actuator : project.actuators())
                actuator.serialize(m_writer);
        }
        m_writer->writeEndElement();
    }

    void writeGroups(const QList<Group>& groups) const
    {
        m_writer->writeStartElement(QStringLiteral("groups"));
        for (const Group& group : groups) {
            group.beginSerialize(m_writer, m_withVacation);
            writeSwitchTimes(group.switchTimes());
            group.endSerialize(m_writer);
        }
        m_writer->writeEndElement();
    }

    void writeScenes(const Project& project) const
    {
        const QHash<QString, int> noDatapointNumbers;
        m_writer->writeStartElement(QStringLiteral("scenes"));
        for (const Scene& scene : project.scenes()) {
            if (m_complete) {
                CompleteWriter::writeScene(m_writer, scene, m_withVacation);
                continue;
            }
            // The scene writes its own switch times.
            scene.beginSerialize(m_writer, m_withVacation);
            for (const Snapshot& snapshot : scene.snapshots())
                snapshot.serialize(m_writer, noDatapointNumbers);
            scene.endSerialize(m_writer);
        }
        for (const SceneTrigger& trigger : project.sceneTriggers()) {
            if (m_complete)
                CompleteWriter::writeSceneTrigger(m_writer, trigger);
            else
                trigger.serialize(m_writer);
        }
        m_writer->writeEndElement();
    }

    void writeLinks(const QList<Link>& links) const
    {
        m_writer->writeStartElement(QStringLiteral("links"));
        for (const Link& link : links)
            link.serialize(m_writer);
        m_writer->writeEndElement();
    }

    void writeAutomatics(const QHash<QString, Automatic>& automatics) const
    {
        for (const QString& id : sortedKeys(automatics)) {
            const Automatic automatic = automatics.value(id);
            automatic.beginSerialize(m_writer);
            writeSwitchTimes(automatic.switchTimes());
            automatic.endSerialize(m_writer);
        }
    }

    QXmlStreamWriter* m_writer;
    bool m_complete;
    bool m_withVacation;
};

} // namespace

ProjectWriter::ProjectWriter() : d(new Private) {}

ProjectWriter::ProjectWriter(const ProjectWriter& other) = default;
ProjectWriter::ProjectWriter(ProjectWriter&& other) noexcept = default;
ProjectWriter::~ProjectWriter() = default;
ProjectWriter& ProjectWriter::operator=(const ProjectWriter& other) = default;
ProjectWriter& ProjectWriter::operator=(ProjectWriter&& other) noexcept = default;

ProjectWriter::Form ProjectWriter::form() const
{
    return d->form;
}

void ProjectWriter::setForm(Form form)
{
    d->form = form;
}

bool ProjectWriter::withVacation() const
{
    return d->withVacation;
}

void ProjectWriter::setWithVacation(bool withVacation)
{
    d->withVacation = withVacation;
}

bool ProjectWriter::write(const Project& project, QIODevice* device) const
{
    QXmlStreamWriter writer(device);
    write(project, &writer);
    return !writer.hasError();
}

void ProjectWriter::write(const Project& project, QXmlStreamWriter* writer) const
{
    Walk(writer, d->form == Complete, d->withVacation).write(project);
}

} // namespace projects
