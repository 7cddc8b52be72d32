// info: what a project file holds, as text or as one JSON document.

#include "commands.h"
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
#include <QMetaEnum>
#include <QTextStream>

#include <algorithm>

using namespace projects;

namespace tool {

namespace {

template <typename Enum>
QString keyOf(int value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString text(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 6);
    if (value.isNull() || value.isUndefined())
        return QStringLiteral("null");
    return QString::fromUtf8(value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                             : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

template <typename T>
QStringList sortedUuids(const T& uuids)
{
    QStringList result;
    for (const QUuid& id : uuids)
        result.append(uuidToString(id));
    std::sort(result.begin(), result.end());
    return result;
}

QJsonArray switchTimesJson(const QList<SwitchTime>& switchTimes)
{
    QJsonArray result;
    for (const SwitchTime& switchTime : switchTimes) {
        QList<int> days = switchTime.timerIds().keys();
        std::sort(days.begin(), days.end());
        QJsonObject timers;
        for (int day : qAsConst(days))
            timers.insert(QString::number(day), switchTime.timerIds().value(day));
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

QJsonObject describe(const Project& project)
{
    // One table of names, so that describing stays linear in the number of functions; the
    // first actuator with an identifier is the one Project::actuatorByRef() finds.
    QHash<QUuid, QString> actuatorNames;
    for (const Actuator& actuator : project.actuators()) {
        if (!actuatorNames.contains(actuator.id()))
            actuatorNames.insert(actuator.id(), actuator.name());
    }
    int rooms = 0;
    int functions = 0;
    QJsonArray floors;
    for (const Floor& floor : project.floors()) {
        QJsonArray roomArray;
        for (const Room& room : floor.rooms()) {
            ++rooms;
            QJsonArray functionArray;
            for (const Function& function : room.functions()) {
                ++functions;
                QJsonArray groups;
                for (const QUuid& group : function.groupRefs())
                    groups.append(uuidToString(group));
                QJsonObject object{
                    {QStringLiteral("id"), uuidToString(function.id())},
                    {QStringLiteral("name"), function.name()},
                    {QStringLiteral("type"), keyOf<Function::FunctionType>(function.type())},
                    {QStringLiteral("groups"), groups},
                    {QStringLiteral("switchTimes"), switchTimesJson(function.switchTimes())}};
                if (function.hasActuator()) {
                    const auto actuator = actuatorNames.constFind(function.actuatorRef());
                    object.insert(QStringLiteral("actuator"), uuidToString(function.actuatorRef()));
                    object.insert(QStringLiteral("actuatorName"),
                                  actuator == actuatorNames.cend() ? QJsonValue()
                                                                   : QJsonValue(*actuator));
                }
                functionArray.append(object);
            }
            roomArray.append(QJsonObject{{QStringLiteral("id"), uuidToString(room.id())},
                                         {QStringLiteral("name"), room.name()},
                                         {QStringLiteral("icon"), room.icon()},
                                         {QStringLiteral("color"), room.color().name()},
                                         {QStringLiteral("functions"), functionArray}});
        }
        floors.append(QJsonObject{{QStringLiteral("id"), uuidToString(floor.id())},
                                  {QStringLiteral("name"), floor.name()},
                                  {QStringLiteral("rooms"), roomArray}});
    }

    QJsonArray actuators;
    for (const Actuator& actuator : project.actuators()) {
        QStringList roles = actuator.datapoints().keys();
        std::sort(roles.begin(), roles.end());
        QJsonArray datapoints;
        for (const QString& role : qAsConst(roles)) {
            const Datapoint datapoint = actuator.datapoints().value(role);
            datapoints.append(QJsonObject{{QStringLiteral("role"), role},
                                          {QStringLiteral("address"), datapoint.groupAddress()}});
        }
        actuators.append(QJsonObject{
            {QStringLiteral("id"), uuidToString(actuator.id())},
            {QStringLiteral("name"), actuator.name()},
            {QStringLiteral("appId"), keyOf<ProjectEnum::AppId>(actuator.appId())},
            {QStringLiteral("useCase"), actuator.useCase()},
            {QStringLiteral("datapoints"), datapoints}});
    }

    QJsonArray groups;
    for (const Group& group : project.groups()) {
        groups.append(QJsonObject{
            {QStringLiteral("id"), uuidToString(group.id())},
            {QStringLiteral("name"), group.name()},
            {QStringLiteral("type"), keyOf<Group::GroupType>(group.type())},
            {QStringLiteral("address"), groupAddressToText(group.address())},
            {QStringLiteral("switchTimes"), switchTimesJson(group.switchTimes())}});
    }

    QJsonArray scenes;
    for (const Scene& scene : project.scenes()) {
        QJsonArray snapshots;
        for (const Snapshot& snapshot : scene.snapshots()) {
            // A JSON object keeps its members in text order, whatever the insertion order;
            // the text form lists them in datapoint key order (printText()).
            QJsonObject values;
            for (auto it = snapshot.values().cbegin(); it != snapshot.values().cend(); ++it)
                values.insert(it.key(), it.value());
            snapshots.append(QJsonObject{{QStringLiteral("function"),
                                          uuidToString(snapshot.functionId())},
                                         {QStringLiteral("values"), values}});
        }
        scenes.append(QJsonObject{
            {QStringLiteral("id"), uuidToString(scene.id())},
            {QStringLiteral("name"), scene.name()},
            {QStringLiteral("color"), scene.color().isValid() ? scene.color().name() : QString()},
            {QStringLiteral("favorite"), scene.favorite()},
            {QStringLiteral("triggers"), QJsonArray::fromStringList(sortedUuids(scene.triggers()))},
            {QStringLiteral("triggeredByPanic"), scene.triggeredByPanic()},
            {QStringLiteral("triggeredByCentralOff"), scene.triggeredByCentralOff()},
            {QStringLiteral("snapshots"), snapshots},
            {QStringLiteral("switchTimes"), switchTimesJson(scene.switchTimes())}});
    }

    QJsonArray triggers;
    for (const SceneTrigger& trigger : project.sceneTriggers()) {
        triggers.append(QJsonObject{{QStringLiteral("id"), uuidToString(trigger.id())},
                                    {QStringLiteral("name"), trigger.name()},
                                    {QStringLiteral("number"), trigger.number()},
                                    {QStringLiteral("jobId"), trigger.jobId()}});
    }

    QJsonArray links;
    for (const Link& link : project.links()) {
        links.append(QJsonObject{{QStringLiteral("id"), uuidToString(link.id())},
                                 {QStringLiteral("name"), link.name()},
                                 {QStringLiteral("type"), keyOf<Link::LinkType>(link.type())},
                                 {QStringLiteral("url"), link.url()},
                                 {QStringLiteral("os"), keyOf<Link::OsName>(link.osName())}});
    }

    QStringList automaticIds = project.automatics().keys();
    std::sort(automaticIds.begin(), automaticIds.end());
    QJsonArray automatics;
    for (const QString& id : qAsConst(automaticIds)) {
        const Automatic automatic = project.automatics().value(id);
        automatics.append(QJsonObject{
            {QStringLiteral("id"), id},
            {QStringLiteral("runOnVacation"), automatic.runOnVacation()},
            {QStringLiteral("switchTimes"), switchTimesJson(automatic.switchTimes())}});
    }

    QList<int> sensorNumbers = project.lightSensorNames().keys();
    std::sort(sensorNumbers.begin(), sensorNumbers.end());
    QJsonObject sensors;
    for (int number : qAsConst(sensorNumbers))
        sensors.insert(QString::number(number), project.lightSensorNames().value(number));

    return QJsonObject{
        {QStringLiteral("name"), project.name()},
        {QStringLiteral("owner"), project.owner()},
        {QStringLiteral("installer"), project.installer()},
        {QStringLiteral("latitude"), project.latitude()},
        {QStringLiteral("longitude"), project.longitude()},
        {QStringLiteral("timezone"), project.timezone()},
        {QStringLiteral("hasWeatherStation"), project.hasWeatherStation()},
        {QStringLiteral("hasVeskBox"), project.hasVeskBox()},
        {QStringLiteral("vacationActivated"), project.vacationActivated()},
        {QStringLiteral("counts"),
         QJsonObject{{QStringLiteral("floors"), project.floors().size()},
                     {QStringLiteral("rooms"), rooms},
                     {QStringLiteral("functions"), functions},
                     {QStringLiteral("actuators"), project.actuators().size()},
                     {QStringLiteral("groups"), project.groups().size()},
                     {QStringLiteral("scenes"), project.scenes().size()},
                     {QStringLiteral("sceneTriggers"), project.sceneTriggers().size()},
                     {QStringLiteral("links"), project.links().size()},
                     {QStringLiteral("automatics"), project.automatics().size()},
                     {QStringLiteral("lightSensors"), project.lightSensorNames().size()}}},
        {QStringLiteral("floors"), floors},
        {QStringLiteral("actuators"), actuators},
        {QStringLiteral("groups"), groups},
        {QStringLiteral("scenes"), scenes},
        {QStringLiteral("sceneTriggers"), triggers},
        {QStringLiteral("links"), links},
        {QStringLiteral("automatics"), automatics},
        {QStringLiteral("lightSensors"), sensors}};
}

void printSwitchTimes(QTextStream& out, const QJsonArray& switchTimes, const QString& indent)
{
    for (const QJsonValue& value : switchTimes) {
        const QJsonObject st = value.toObject();
        out << indent << "switch time " << st[QLatin1String("id")].toString() << ": value "
            << text(st[QLatin1String("value")]) << ", days " << st[QLatin1String("days")].toInt()
            << ", start " << st[QLatin1String("start")].toString() << ", "
            << st[QLatin1String("timers")].toObject().size() << " timers\n";
    }
}

void printText(QTextStream& out, const QJsonObject& d)
{
    const QJsonObject counts = d[QLatin1String("counts")].toObject();
    out << "Project:    " << d[QLatin1String("name")].toString() << '\n'
        << "Owner:      " << d[QLatin1String("owner")].toString() << '\n'
        << "Installer:  " << d[QLatin1String("installer")].toString() << '\n'
        << "Position:   latitude " << text(d[QLatin1String("latitude")]) << ", longitude "
        << text(d[QLatin1String("longitude")]) << ", timezone "
        << d[QLatin1String("timezone")].toInt() << '\n'
        << "Flags:      weather station " << yesNo(d[QLatin1String("hasWeatherStation")].toBool())
        << ", hub " << yesNo(d[QLatin1String("hasVeskBox")].toBool()) << ", vacation "
        << yesNo(d[QLatin1String("vacationActivated")].toBool()) << '\n'
        << "Counts:     " << counts[QLatin1String("floors")].toInt() << " floors, "
        << counts[QLatin1String("rooms")].toInt() << " rooms, "
        << counts[QLatin1String("functions")].toInt() << " functions, "
        << counts[QLatin1String("actuators")].toInt() << " actuators, "
        << counts[QLatin1String("groups")].toInt() << " groups, "
        << counts[QLatin1String("scenes")].toInt() << " scenes, "
        << counts[QLatin1String("sceneTriggers")].toInt() << " scene triggers, "
        << counts[QLatin1String("links")].toInt() << " links, "
        << counts[QLatin1String("automatics")].toInt() << " automatic programs, "
        << counts[QLatin1String("lightSensors")].toInt() << " light sensors\n";

    out << "\nBuilding\n";
    for (const QJsonValue& floorValue : d[QLatin1String("floors")].toArray()) {
        const QJsonObject floor = floorValue.toObject();
        out << "  floor " << floor[QLatin1String("name")].toString() << '\n';
        for (const QJsonValue& roomValue : floor[QLatin1String("rooms")].toArray()) {
            const QJsonObject room = roomValue.toObject();
            out << "    room " << room[QLatin1String("name")].toString() << " (icon "
                << room[QLatin1String("icon")].toString() << ", colour "
                << room[QLatin1String("color")].toString() << ")\n";
            for (const QJsonValue& fnValue : room[QLatin1String("functions")].toArray()) {
                const QJsonObject fn = fnValue.toObject();
                out << "      " << fn[QLatin1String("type")].toString() << ' '
                    << fn[QLatin1String("name")].toString();
                if (fn.contains(QLatin1String("actuator"))) {
                    const QJsonValue name = fn[QLatin1String("actuatorName")];
                    out << " -> actuator "
                        << (name.isString() ? name.toString()
                                            : fn[QLatin1String("actuator")].toString()
                                                  + QStringLiteral(" (missing)"));
                }
                const QJsonArray groups = fn[QLatin1String("groups")].toArray();
                if (!groups.isEmpty())
                    out << ", " << groups.size() << " groups";
                out << '\n';
                printSwitchTimes(out, fn[QLatin1String("switchTimes")].toArray(),
                                 QStringLiteral("        "));
            }
        }
    }

    out << "\nActuators\n";
    for (const QJsonValue& value : d[QLatin1String("actuators")].toArray()) {
        const QJsonObject a = value.toObject();
        out << "  " << a[QLatin1String("name")].toString() << " (" << a[QLatin1String("appId")].toString();
        if (a[QLatin1String("useCase")].toInt() != -1)
            out << ", use case " << a[QLatin1String("useCase")].toInt();
        out << ")";
        QStringList datapoints;
        for (const QJsonValue& dp : a[QLatin1String("datapoints")].toArray())
            datapoints.append(dp[QLatin1String("role")].toString() + QLatin1Char(' ')
                              + dp[QLatin1String("address")].toString());
        if (!datapoints.isEmpty())
            out << ": " << datapoints.join(QStringLiteral(", "));
        out << '\n';
    }

    out << "\nGroups\n";
    for (const QJsonValue& value : d[QLatin1String("groups")].toArray()) {
        const QJsonObject g = value.toObject();
        out << "  " << g[QLatin1String("name")].toString() << " ("
            << g[QLatin1String("type")].toString() << ", " << g[QLatin1String("address")].toString()
            << ")\n";
        printSwitchTimes(out, g[QLatin1String("switchTimes")].toArray(), QStringLiteral("    "));
    }

    out << "\nScenes\n";
    for (const QJsonValue& value : d[QLatin1String("scenes")].toArray()) {
        const QJsonObject s = value.toObject();
        out << "  " << s[QLatin1String("name")].toString() << " (colour "
            << s[QLatin1String("color")].toString() << ", favourite "
            << yesNo(s[QLatin1String("favorite")].toBool()) << ", "
            << s[QLatin1String("triggers")].toArray().size() << " triggers";
        if (s[QLatin1String("triggeredByPanic")].toBool())
            out << ", on panic";
        if (s[QLatin1String("triggeredByCentralOff")].toBool())
            out << ", on central off";
        out << ")\n";
        for (const QJsonValue& snap : s[QLatin1String("snapshots")].toArray()) {
            // Group addresses by their number (1/2/0 before 1/10/0), as the library
            // writes and exports them.
            const QJsonObject values = snap[QLatin1String("values")].toObject();
            QStringList pairs;
            for (const QString& key : sortedDatapointKeys(values.keys()))
                pairs.append(key + QLatin1Char('=') + text(values.value(key)));
            out << "    snapshot of " << snap[QLatin1String("function")].toString() << ": "
                << pairs.join(QStringLiteral(", ")) << '\n';
        }
        printSwitchTimes(out, s[QLatin1String("switchTimes")].toArray(), QStringLiteral("    "));
    }

    out << "\nScene triggers\n";
    for (const QJsonValue& value : d[QLatin1String("sceneTriggers")].toArray()) {
        const QJsonObject t = value.toObject();
        out << "  " << t[QLatin1String("id")].toString() << " name \""
            << t[QLatin1String("name")].toString() << "\", number "
            << t[QLatin1String("number")].toInt() << ", job " << t[QLatin1String("jobId")].toInt()
            << '\n';
    }

    out << "\nLinks\n";
    for (const QJsonValue& value : d[QLatin1String("links")].toArray()) {
        const QJsonObject l = value.toObject();
        out << "  " << l[QLatin1String("name")].toString() << " ("
            << l[QLatin1String("type")].toString() << ", " << l[QLatin1String("os")].toString()
            << "): " << l[QLatin1String("url")].toString() << '\n';
    }

    out << "\nAutomatic programs\n";
    for (const QJsonValue& value : d[QLatin1String("automatics")].toArray()) {
        const QJsonObject a = value.toObject();
        out << "  " << a[QLatin1String("id")].toString() << " (run on vacation "
            << yesNo(a[QLatin1String("runOnVacation")].toBool()) << ")\n";
        printSwitchTimes(out, a[QLatin1String("switchTimes")].toArray(), QStringLiteral("    "));
    }

    out << "\nLight sensors\n";
    // By number: the JSON object keeps its members in text order (10 before 2).
    const QJsonObject sensors = d[QLatin1String("lightSensors")].toObject();
    QStringList numbers = sensors.keys();
    std::sort(numbers.begin(), numbers.end(), [](const QString& a, const QString& b) {
        return a.toInt() < b.toInt();
    });
    for (const QString& number : qAsConst(numbers))
        out << "  " << number << ": " << sensors.value(number).toString() << '\n';
}

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
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    Project project;
    const int status = loadProject(parser.positionalArguments().first(), &project, parser, GoOn);
    if (status != Success)
        return status;
    const QJsonObject description = describe(project);
    if (parser.isSet(QStringLiteral("json")))
        return printOutput(QJsonDocument(description).toJson(QJsonDocument::Indented));
    QByteArray bytes;
    {
        QTextStream out(&bytes);
        out.setCodec("UTF-8");
        printText(out, description);
    }
    return printOutput(bytes);
}

} // namespace tool
