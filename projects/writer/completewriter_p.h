// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_WRITER_COMPLETEWRITER_P_H
#define PROJECTS_WRITER_COMPLETEWRITER_P_H

// Internal to the library: the element writers of the complete document form, for the
// elements whose own writers leave fields out. Never installed.

#include <QList>

QT_BEGIN_NAMESPACE
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class Actuator;
class Function;
class Project;
class Room;
class Scene;
class SceneTrigger;
class Simulation;
class SwitchTime;

/**
 * @brief Writes the elements of the complete form that the model classes' own element
 * writers cannot write: everything the reader reads back, in the file format's own
 * vocabulary where it has one, and otherwise in the complete form's namespace.
 */
class CompleteWriter
{
public:
    /// Declares the complete form's namespace for the next element to start, the `project`
    /// element.
    static void declareNamespace(QXmlStreamWriter* writer);
    /// Writes the project's position and time zone; the `project` element must be open
    /// with no content yet.
    static void writeProjectAttributes(QXmlStreamWriter* writer, const Project& project);
    /// Writes the profile colour that the room's own writer leaves out when it is white;
    /// the `room` element must be open with no content yet.
    static void writeRoomAttributes(QXmlStreamWriter* writer, const Room& room);
    /// Writes a whole `function` element with its status fields, cached datapoints,
    /// switch times and simulation.
    static void writeFunction(QXmlStreamWriter* writer, const Function& function,
                              bool withVacation);
    /// Writes the actuators in `device` elements that carry their application ids, with
    /// the light sensors and the device flags of the project.
    static void writeDevices(QXmlStreamWriter* writer, const Project& project);
    /// Writes a whole `switchTime` element with its kind and astronomical fields.
    static void writeSwitchTime(QXmlStreamWriter* writer, const SwitchTime& switchTime);
    /// Writes each switch time of @p switchTimes with writeSwitchTime().
    static void writeSwitchTimes(QXmlStreamWriter* writer, const QList<SwitchTime>& switchTimes);
    /// Writes a whole user `scene` element with its triggers and snapshots.
    static void writeScene(QXmlStreamWriter* writer, const Scene& scene, bool withVacation);
    /// Writes a `sceneTrigger` element with its name and number.
    static void writeSceneTrigger(QXmlStreamWriter* writer, const SceneTrigger& trigger);

private:
    /// Whether @p simulation, but for its type, is the one the reader gives a function
    /// without a simulation element.
    static bool isDefault(const Simulation& simulation);
    static void writeActuator(QXmlStreamWriter* writer, const Actuator& actuator);
};

} // namespace projects

#endif // PROJECTS_WRITER_COMPLETEWRITER_P_H
