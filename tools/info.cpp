// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// info: what a project file holds, as text or as one JSON document.

#include "commands.h"
#include "describe.h"
#include "files.h"

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/datapoint.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/projectenum.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/order_p.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace projects;

namespace tool {

namespace {

QString sceneColor(const Scene& scene)
{
    return scene.color().isValid() ? scene.color().name() : QString();
}

// Receives a project's elements in the order info shows them; the text and the JSON
// output are two implementations, so that both say the same of every element.
class Printer
{
public:
    enum Section {
        Building,
        Actuators,
        Groups,
        Scenes,
        SceneTriggers,
        Links,
        Automatics,
        LightSensors
    };

    virtual ~Printer() = default;
    virtual void project(const Project& project, const QVector<Count>& counts) = 0;
    /// Begins the list of the elements of @p section.
    virtual void section(Section section) = 0;
    virtual void beginFloor(const Floor& floor) = 0;
    virtual void beginRoom(const Room& room) = 0;
    /// @p actuator is null where the function has none or the project lacks it.
    virtual void function(const Function& function, const Actuator& actuator) = 0;
    virtual void endRoom() = 0;
    virtual void endFloor() = 0;
    virtual void actuator(const Actuator& actuator) = 0;
    virtual void group(const Group& group) = 0;
    virtual void scene(const Scene& scene) = 0;
    virtual void sceneTrigger(const SceneTrigger& trigger) = 0;
    virtual void link(const Link& link) = 0;
    virtual void automatic(const QString& id, const Automatic& automatic) = 0;
    virtual void lightSensor(int number, const QString& name) = 0;
};

void walkBuilding(const Project& project, Printer& printer)
{
    // One table, so that the walk stays linear in the number of functions; the first
    // actuator with an identifier is the one Project::actuatorByRef() finds.
    QHash<QUuid, Actuator> actuators;
    for (const Actuator& actuator : project.actuators()) {
        if (!actuators.contains(actuator.id()))
            actuators.insert(actuator.id(), actuator);
    }
    const Actuator none;
    printer.section(Printer::Building);
    for (const Floor& floor : project.floors()) {
        printer.beginFloor(floor);
        for (const Room& room : floor.rooms()) {
            printer.beginRoom(room);
            for (const Function& function : room.functions())
                printer.function(function, function.hasActuator()
                                               ? actuators.value(function.actuatorRef(), none)
                                               : none);
            printer.endRoom();
        }
        printer.endFloor();
    }
}

void walk(const Project& project, Printer& printer)
{
    printer.project(project, countsOf(project));
    walkBuilding(project, printer);
    printer.section(Printer::Actuators);
    for (const Actuator& actuator : project.actuators())
        printer.actuator(actuator);
    printer.section(Printer::Groups);
    for (const Group& group : project.groups())
        printer.group(group);
    printer.section(Printer::Scenes);
    for (const Scene& scene : project.scenes())
        printer.scene(scene);
    printer.section(Printer::SceneTriggers);
    for (const SceneTrigger& trigger : project.sceneTriggers())
        printer.sceneTrigger(trigger);
    printer.section(Printer::Links);
    for (const Link& link : project.links())
        printer.link(link);
    printer.section(Printer::Automatics);
    visitInKeyOrder(project.automatics(),
                    [&printer](const QString& id, const Automatic& automatic) {
                        printer.automatic(id, automatic);
                    });
    printer.section(Printer::LightSensors);
    visitInKeyOrder(project.lightSensorNames(), [&printer](int number, const QString& name) {
        printer.lightSensor(number, name);
    });
}

class TextPrinter : public Printer
{
public:
    explicit TextPrinter(QTextStream& out) : m_out(out) {}

    void project(const Project& project, const QVector<Count>& counts) override
    {
        QStringList figures;
        for (const Count& count : counts)
            figures.append(QString::number(count.number) + QLatin1Char(' ') +
                           QLatin1String(count.words));
        m_out << "Project:    " << project.name() << '\n'
              << "Owner:      " << project.owner() << '\n'
              << "Installer:  " << project.installer() << '\n'
              << "Position:   latitude " << numberText(project.latitude()) << ", longitude "
              << numberText(project.longitude()) << ", timezone " << project.timezone() << '\n'
              << "Flags:      weather station " << yesNo(project.hasWeatherStation()) << ", hub "
              << yesNo(project.hasVeskBox()) << ", vacation " << yesNo(project.vacationActivated())
              << '\n'
              << "Counts:     " << figures.join(QStringLiteral(", ")) << '\n';
    }

    void section(Section section) override
    {
        static const char* const titles[] = {
            "Building", "Actuators",          "Groups",       "Scenes", "Scene triggers",
            "Links",    "Automatic programs", "Light sensors"};
        m_out << '\n' << titles[section] << '\n';
    }

    void beginFloor(const Floor& floor) override { m_out << "  floor " << floor.name() << '\n'; }

    void beginRoom(const Room& room) override
    {
        m_out << "    room " << room.name() << " (icon " << room.icon() << ", colour "
              << room.color().name() << ")\n";
    }

    void function(const Function& function, const Actuator& actuator) override
    {
        m_out << "      " << keyOf<Function::FunctionType>(function.type()) << ' '
              << function.name();
        if (function.hasActuator())
            m_out << " -> actuator "
                  << (actuator.isNull()
                          ? uuidToString(function.actuatorRef()) + QStringLiteral(" (missing)")
                          : actuator.name());
        if (!function.groupRefs().isEmpty())
            m_out << ", " << function.groupRefs().size() << " groups";
        m_out << '\n';
        switchTimes(function.switchTimes(), "        ");
    }

    void endRoom() override {}
    void endFloor() override {}

    void actuator(const Actuator& actuator) override
    {
        m_out << "  " << actuator.name() << " (" << keyOf<ProjectEnum::AppId>(actuator.appId());
        if (actuator.useCase() != -1)
            m_out << ", use case " << actuator.useCase();
        m_out << ")";
        QStringList datapoints;
        visitInKeyOrder(actuator.datapoints(),
                        [&datapoints](const QString& role, const Datapoint& datapoint) {
                            datapoints.append(role + QLatin1Char(' ') + datapoint.groupAddress());
                        });
        if (!datapoints.isEmpty())
            m_out << ": " << datapoints.join(QStringLiteral(", "));
        m_out << '\n';
    }

    void group(const Group& group) override
    {
        m_out << "  " << group.name() << " (" << keyOf<Group::GroupType>(group.type()) << ", "
              << groupAddressToText(group.address()) << ")\n";
        switchTimes(group.switchTimes(), "    ");
    }

    void scene(const Scene& scene) override
    {
        m_out << "  " << scene.name() << " (colour " << sceneColor(scene) << ", favourite "
              << yesNo(scene.favorite()) << ", " << scene.triggers().size() << " triggers";
        if (scene.triggeredByPanic())
            m_out << ", on panic";
        if (scene.triggeredByCentralOff())
            m_out << ", on central off";
        m_out << ")\n";
        for (const Snapshot& snapshot : scene.snapshots())
            this->snapshot(snapshot);
        switchTimes(scene.switchTimes(), "    ");
    }

    void sceneTrigger(const SceneTrigger& trigger) override
    {
        m_out << "  " << uuidToString(trigger.id()) << " name \"" << trigger.name() << "\", number "
              << trigger.number() << ", job " << trigger.jobId() << '\n';
    }

    void link(const Link& link) override
    {
        m_out << "  " << link.name() << " (" << keyOf<Link::LinkType>(link.type()) << ", "
              << keyOf<Link::OsName>(link.osName()) << "): " << link.url() << '\n';
    }

    void automatic(const QString& id, const Automatic& automatic) override
    {
        m_out << "  " << id << " (run on vacation " << yesNo(automatic.runOnVacation()) << ")\n";
        switchTimes(automatic.switchTimes(), "    ");
    }

    void lightSensor(int number, const QString& name) override
    {
        m_out << "  " << number << ": " << name << '\n';
    }

private:
    void snapshot(const Snapshot& snapshot)
    {
        // By group address number (1/2/0 before 1/10/0), as the library writes and exports
        // them; an undefined value has no JSON text, and the JSON output leaves it out too.
        QStringList pairs;
        visitInDatapointOrder(snapshot.values(),
                              [&pairs](const QString& key, const QJsonValue& value) {
                                  if (!value.isUndefined())
                                      pairs.append(key + QLatin1Char('=') + valueText(value));
                              });
        m_out << "    snapshot of " << uuidToString(snapshot.functionId()) << ": "
              << pairs.join(QStringLiteral(", ")) << '\n';
    }

    void switchTimes(const QList<SwitchTime>& switchTimes, const char* indent)
    {
        for (const SwitchTime& switchTime : switchTimes)
            m_out << indent << "switch time " << uuidToString(switchTime.id()) << ": value "
                  << numberText(switchTime.value()) << ", days " << switchTime.days() << ", start "
                  << switchTime.start().toString(Qt::TextDate) << ", "
                  << switchTime.timerIds().size() << " timers\n";
    }

    QTextStream& m_out;
};

class JsonPrinter : public Printer
{
public:
    void project(const Project& project, const QVector<Count>& counts) override
    {
        QJsonObject figures;
        for (const Count& count : counts)
            figures.insert(QLatin1String(count.key), count.number);
        m_project = QJsonObject{{QStringLiteral("name"), project.name()},
                                {QStringLiteral("owner"), project.owner()},
                                {QStringLiteral("installer"), project.installer()},
                                {QStringLiteral("latitude"), project.latitude()},
                                {QStringLiteral("longitude"), project.longitude()},
                                {QStringLiteral("timezone"), project.timezone()},
                                {QStringLiteral("hasWeatherStation"), project.hasWeatherStation()},
                                {QStringLiteral("hasVeskBox"), project.hasVeskBox()},
                                {QStringLiteral("vacationActivated"), project.vacationActivated()},
                                {QStringLiteral("counts"), figures}};
    }

    void section(Section) override {}

    void beginFloor(const Floor& floor) override
    {
        m_floor = QJsonObject{{QStringLiteral("id"), uuidToString(floor.id())},
                              {QStringLiteral("name"), floor.name()}};
    }

    void beginRoom(const Room& room) override
    {
        m_room = QJsonObject{{QStringLiteral("id"), uuidToString(room.id())},
                             {QStringLiteral("name"), room.name()},
                             {QStringLiteral("icon"), room.icon()},
                             {QStringLiteral("color"), room.color().name()}};
    }

    void function(const Function& function, const Actuator& actuator) override
    {
        QJsonArray groups;
        for (const QUuid& group : function.groupRefs())
            groups.append(uuidToString(group));
        QJsonObject object{{QStringLiteral("id"), uuidToString(function.id())},
                           {QStringLiteral("name"), function.name()},
                           {QStringLiteral("type"), keyOf<Function::FunctionType>(function.type())},
                           {QStringLiteral("groups"), groups},
                           {QStringLiteral("switchTimes"), switchTimes(function.switchTimes())}};
        if (function.hasActuator()) {
            object.insert(QStringLiteral("actuator"), uuidToString(function.actuatorRef()));
            object.insert(QStringLiteral("actuatorName"),
                          actuator.isNull() ? QJsonValue() : QJsonValue(actuator.name()));
        }
        m_functions.append(object);
    }

    void endRoom() override
    {
        m_room.insert(QStringLiteral("functions"), m_functions);
        m_rooms.append(m_room);
        m_functions = QJsonArray();
    }

    void endFloor() override
    {
        m_floor.insert(QStringLiteral("rooms"), m_rooms);
        m_floors.append(m_floor);
        m_rooms = QJsonArray();
    }

    void actuator(const Actuator& actuator) override
    {
        QJsonArray datapoints;
        visitInKeyOrder(actuator.datapoints(), [&datapoints](const QString& role,
                                                             const Datapoint& datapoint) {
            datapoints.append(QJsonObject{{QStringLiteral("role"), role},
                                          {QStringLiteral("address"), datapoint.groupAddress()}});
        });
        m_actuators.append(
            QJsonObject{{QStringLiteral("id"), uuidToString(actuator.id())},
                        {QStringLiteral("name"), actuator.name()},
                        {QStringLiteral("appId"), keyOf<ProjectEnum::AppId>(actuator.appId())},
                        {QStringLiteral("useCase"), actuator.useCase()},
                        {QStringLiteral("datapoints"), datapoints}});
    }

    void group(const Group& group) override
    {
        m_groups.append(
            QJsonObject{{QStringLiteral("id"), uuidToString(group.id())},
                        {QStringLiteral("name"), group.name()},
                        {QStringLiteral("type"), keyOf<Group::GroupType>(group.type())},
                        {QStringLiteral("address"), groupAddressToText(group.address())},
                        {QStringLiteral("switchTimes"), switchTimes(group.switchTimes())}});
    }

    void scene(const Scene& scene) override
    {
        QJsonArray snapshots;
        for (const Snapshot& snapshot : scene.snapshots()) {
            // A JSON object keeps its members in text order, whatever the insertion order.
            QJsonObject values;
            for (auto it = snapshot.values().cbegin(); it != snapshot.values().cend(); ++it)
                values.insert(it.key(), it.value());
            snapshots.append(
                QJsonObject{{QStringLiteral("function"), uuidToString(snapshot.functionId())},
                            {QStringLiteral("values"), values}});
        }
        m_scenes.append(
            QJsonObject{{QStringLiteral("id"), uuidToString(scene.id())},
                        {QStringLiteral("name"), scene.name()},
                        {QStringLiteral("color"), sceneColor(scene)},
                        {QStringLiteral("favorite"), scene.favorite()},
                        {QStringLiteral("triggers"),
                         QJsonArray::fromStringList(sortedIdentifiers(scene.triggers()))},
                        {QStringLiteral("triggeredByPanic"), scene.triggeredByPanic()},
                        {QStringLiteral("triggeredByCentralOff"), scene.triggeredByCentralOff()},
                        {QStringLiteral("snapshots"), snapshots},
                        {QStringLiteral("switchTimes"), switchTimes(scene.switchTimes())}});
    }

    void sceneTrigger(const SceneTrigger& trigger) override
    {
        m_triggers.append(QJsonObject{{QStringLiteral("id"), uuidToString(trigger.id())},
                                      {QStringLiteral("name"), trigger.name()},
                                      {QStringLiteral("number"), trigger.number()},
                                      {QStringLiteral("jobId"), trigger.jobId()}});
    }

    void link(const Link& link) override
    {
        m_links.append(QJsonObject{{QStringLiteral("id"), uuidToString(link.id())},
                                   {QStringLiteral("name"), link.name()},
                                   {QStringLiteral("type"), keyOf<Link::LinkType>(link.type())},
                                   {QStringLiteral("url"), link.url()},
                                   {QStringLiteral("os"), keyOf<Link::OsName>(link.osName())}});
    }

    void automatic(const QString& id, const Automatic& automatic) override
    {
        m_automatics.append(
            QJsonObject{{QStringLiteral("id"), id},
                        {QStringLiteral("runOnVacation"), automatic.runOnVacation()},
                        {QStringLiteral("switchTimes"), switchTimes(automatic.switchTimes())}});
    }

    void lightSensor(int number, const QString& name) override
    {
        m_lightSensors.insert(QString::number(number), name);
    }

    QJsonObject document() const
    {
        QJsonObject result = m_project;
        result.insert(QStringLiteral("floors"), m_floors);
        result.insert(QStringLiteral("actuators"), m_actuators);
        result.insert(QStringLiteral("groups"), m_groups);
        result.insert(QStringLiteral("scenes"), m_scenes);
        result.insert(QStringLiteral("sceneTriggers"), m_triggers);
        result.insert(QStringLiteral("links"), m_links);
        result.insert(QStringLiteral("automatics"), m_automatics);
        result.insert(QStringLiteral("lightSensors"), m_lightSensors);
        return result;
    }

private:
    static QJsonArray switchTimes(const QList<SwitchTime>& switchTimes)
    {
        QJsonArray result;
        for (const SwitchTime& switchTime : switchTimes) {
            QJsonObject timers;
            visitInKeyOrder(switchTime.timerIds(), [&timers](int day, int timer) {
                timers.insert(QString::number(day), timer);
            });
            result.append(QJsonObject{
                {QStringLiteral("id"), uuidToString(switchTime.id())},
                {QStringLiteral("type"), keyOf<SwitchTime::SwitchTimeType>(switchTime.type())},
                {QStringLiteral("value"), switchTime.value()},
                {QStringLiteral("days"), switchTime.days()},
                {QStringLiteral("start"), switchTime.start().toString(Qt::TextDate)},
                {QStringLiteral("timers"), timers}});
        }
        return result;
    }

    QJsonObject m_project;
    QJsonObject m_floor;
    QJsonObject m_room;
    QJsonArray m_functions; ///< of m_room
    QJsonArray m_rooms;     ///< of m_floor
    QJsonArray m_floors;
    QJsonArray m_actuators;
    QJsonArray m_groups;
    QJsonArray m_scenes;
    QJsonArray m_triggers;
    QJsonArray m_links;
    QJsonArray m_automatics;
    QJsonObject m_lightSensors;
};

} // namespace

int info(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows what a project file holds: the project's attributes, counts of "
                       "every kind of element, the building with its functions, actuators, "
                       "groups, scenes, scene triggers, links, automatic programs and light "
                       "sensors."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON document.")});
    Project project;
    const int status = parseAndLoadProject(parser, arguments, &project, GoOn);
    if (status >= 0)
        return status;
    if (parser.isSet(QStringLiteral("json"))) {
        JsonPrinter printer;
        walk(project, printer);
        return printOutput(QJsonDocument(printer.document()).toJson(QJsonDocument::Indented));
    }
    QByteArray bytes;
    {
        QTextStream out(&bytes);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        out.setCodec("UTF-8"); // Qt 6 streams write UTF-8 always
#endif
        TextPrinter printer(out);
        walk(project, printer);
    }
    return printOutput(bytes);
}

} // namespace tool
