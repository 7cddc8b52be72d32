// diff: what differs between two versions of an installation, matched by identifier.

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
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>

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

// One element of an installation as the diff sees it: its kind, identifier, a label for
// people and the fields that can change.
struct Record
{
    QString kind;
    QString id;
    QString label;
    QJsonObject fields;
};

template <typename Enum> QString keyOf(int value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

QString compact(const QJsonValue& value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 10);
    return QStringLiteral("null");
}

template <typename Map> QJsonObject sortedObject(const Map& map)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        object.insert(QString::number(it.key()), it.value());
    return object; // QJsonObject keeps its keys sorted
}

// One field per switch time, so that a diff names the switch time that changed.
QJsonObject withSwitchTimes(QJsonObject fields, const QList<SwitchTime>& list)
{
    for (const SwitchTime& st : list) {
        QStringList timers;
        QList<int> days = st.timerIds().keys();
        std::sort(days.begin(), days.end());
        for (int day : qAsConst(days))
            timers.append(QStringLiteral("%1=%2").arg(day).arg(st.timerIds().value(day)));
        fields.insert(
            QStringLiteral("switchTime ") + uuidToString(st.id()),
            QStringLiteral("value %1 at %2, days %3%4, timers %5")
                .arg(QString::number(st.value(), 'g', 6), st.start().toString(Qt::TextDate))
                .arg(st.days())
                .arg(st.limit() ? QStringLiteral(", limit") : QString(),
                     timers.isEmpty() ? QStringLiteral("none") : timers.join(QLatin1Char(' '))));
    }
    return fields;
}

QJsonObject simulation(const Simulation& s)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return QJsonObject{
        {QStringLiteral("id"), s.id()},
        {QStringLiteral("enabled"), s.enabled()},
        {QStringLiteral("start"), s.startTimeEnable() ? s.startTime().toString(format) : QString()},
        {QStringLiteral("end"), s.endTimeEnable() ? s.endTime().toString(format) : QString()},
        {QStringLiteral("startOnNight"), s.startOnNight()},
        {QStringLiteral("endOnNight"), s.endOnNight()},
        {QStringLiteral("pause"), s.pauseTimeEnable()},
        {QStringLiteral("delays"), QJsonArray{s.delayStart(), s.delayEnd()}},
        {QStringLiteral("durations"), QJsonArray{s.durationStart(), s.durationEnd()}},
        {QStringLiteral("repeat"), s.repeat()},
        {QStringLiteral("timers"), sortedObject(s.timerIds())}};
}

QList<Record> records(const Project& project)
{
    QList<Record> result;
    for (const Floor& floor : project.floors()) {
        result.append({QStringLiteral("floor"), uuidToString(floor.id()), floor.name(),
                       QJsonObject{{QStringLiteral("name"), floor.name()}}});
        for (const Room& room : floor.rooms()) {
            result.append({QStringLiteral("room"), uuidToString(room.id()),
                           floor.name() + QLatin1Char('/') + room.name(),
                           QJsonObject{{QStringLiteral("floor"), uuidToString(floor.id())},
                                       {QStringLiteral("name"), room.name()},
                                       {QStringLiteral("icon"), room.icon()},
                                       {QStringLiteral("color"), room.color().name()}}});
            for (const Function& function : room.functions()) {
                QJsonArray groups;
                for (const QUuid& group : function.groupRefs())
                    groups.append(uuidToString(group));
                result.append(
                    {QStringLiteral("function"), uuidToString(function.id()),
                     floor.name() + QLatin1Char('/') + room.name() + QLatin1Char('/') +
                         function.name(),
                     QJsonObject{
                         {QStringLiteral("room"), uuidToString(room.id())},
                         {QStringLiteral("name"), function.name()},
                         {QStringLiteral("type"), keyOf<Function::FunctionType>(function.type())},
                         {QStringLiteral("actuator"), function.hasActuator()
                                                          ? uuidToString(function.actuatorRef())
                                                          : QString()},
                         {QStringLiteral("groups"), groups},
                         {QStringLiteral("runOnVacation"), function.runOnVacation()},
                         {QStringLiteral("onIcon"), function.onIcon()},
                         {QStringLiteral("offIcon"), function.offIcon()},
                         {QStringLiteral("simulation"), simulation(function.simulation())}}});
                result.last().fields =
                    withSwitchTimes(result.last().fields, function.switchTimes());
            }
        }
    }
    for (const Actuator& actuator : project.actuators()) {
        QJsonObject datapoints;
        for (auto it = actuator.datapoints().cbegin(); it != actuator.datapoints().cend(); ++it)
            datapoints.insert(it.key(), it.value().groupAddress());
        result.append({QStringLiteral("actuator"), uuidToString(actuator.id()), actuator.name(),
                       QJsonObject{{QStringLiteral("name"), actuator.name()},
                                   {QStringLiteral("appId"), actuator.appId()},
                                   {QStringLiteral("useCase"), actuator.useCase()},
                                   {QStringLiteral("onIcon"), actuator.onIcon()},
                                   {QStringLiteral("offIcon"), actuator.offIcon()},
                                   {QStringLiteral("datapoints"), datapoints}}});
    }
    for (const Group& group : project.groups()) {
        result.append({QStringLiteral("group"), uuidToString(group.id()), group.name(),
                       withSwitchTimes(QJsonObject{{QStringLiteral("name"), group.name()},
                                                   {QStringLiteral("address"),
                                                    groupAddressToText(group.address())}},
                                       group.switchTimes())});
    }
    for (const Scene& scene : project.scenes()) {
        QJsonObject snapshots;
        for (const Snapshot& snapshot : scene.snapshots()) {
            QJsonObject values;
            for (auto it = snapshot.values().cbegin(); it != snapshot.values().cend(); ++it)
                values.insert(it.key(), it.value());
            snapshots.insert(uuidToString(snapshot.functionId()), values);
        }
        QStringList triggers;
        for (const QUuid& trigger : scene.triggers())
            triggers.append(uuidToString(trigger));
        std::sort(triggers.begin(), triggers.end());
        result.append(
            {QStringLiteral("scene"), uuidToString(scene.id()), scene.name(),
             QJsonObject{{QStringLiteral("name"), scene.name()},
                         {QStringLiteral("icon"), scene.icon()},
                         {QStringLiteral("color"), scene.color().name()},
                         {QStringLiteral("favorite"), scene.favorite()},
                         {QStringLiteral("runOnVacation"), scene.runOnVacation()},
                         {QStringLiteral("triggers"), QJsonArray::fromStringList(triggers)},
                         {QStringLiteral("snapshots"), snapshots}}});
        result.last().fields = withSwitchTimes(result.last().fields, scene.switchTimes());
    }
    for (const SceneTrigger& trigger : project.sceneTriggers()) {
        result.append({QStringLiteral("scene trigger"), uuidToString(trigger.id()), trigger.name(),
                       QJsonObject{{QStringLiteral("name"), trigger.name()},
                                   {QStringLiteral("number"), trigger.number()},
                                   {QStringLiteral("jobId"), trigger.jobId()}}});
    }
    for (const Link& link : project.links()) {
        result.append({QStringLiteral("link"), uuidToString(link.id()), link.name(),
                       QJsonObject{{QStringLiteral("name"), link.name()},
                                   {QStringLiteral("icon"), link.icon()},
                                   {QStringLiteral("favorite"), link.favorite()},
                                   {QStringLiteral("type"), keyOf<Link::LinkType>(link.type())},
                                   {QStringLiteral("url"), link.url()},
                                   {QStringLiteral("appName"), link.appName()},
                                   {QStringLiteral("os"), keyOf<Link::OsName>(link.osName())}}});
    }
    QStringList ids = project.automatics().keys();
    std::sort(ids.begin(), ids.end());
    for (const QString& id : qAsConst(ids)) {
        const Automatic automatic = project.automatics().value(id);
        result.append({QStringLiteral("automatic program"), id, id,
                       withSwitchTimes(QJsonObject{{QStringLiteral("runOnVacation"),
                                                    automatic.runOnVacation()}},
                                       automatic.switchTimes())});
    }
    return result;
}

QJsonObject entry(const Record& record)
{
    return QJsonObject{{QStringLiteral("kind"), record.kind},
                       {QStringLiteral("id"), record.id},
                       {QStringLiteral("name"), record.label}};
}

// Compares by kind and identifier; the first element with an identifier counts, as when
// the library matches children.
QJsonObject compare(const QList<Record>& before, const QList<Record>& after)
{
    const auto key = [](const Record& r) { return r.kind + QLatin1Char(' ') + r.id; };
    QHash<QString, int> afterIndex;
    for (int i = after.size() - 1; i >= 0; --i)
        afterIndex.insert(key(after.at(i)), i);
    QHash<QString, int> beforeIndex;
    for (int i = before.size() - 1; i >= 0; --i)
        beforeIndex.insert(key(before.at(i)), i);

    QJsonArray removed;
    QJsonArray changed;
    for (int i = 0; i < before.size(); ++i) {
        const Record& old = before.at(i);
        if (beforeIndex.value(key(old)) != i)
            continue;
        const auto match = afterIndex.constFind(key(old));
        if (match == afterIndex.cend()) {
            removed.append(entry(old));
            continue;
        }
        const Record& now = after.at(match.value());
        // A field that one side lacks (a switch time added or removed) is null there.
        QJsonObject fields;
        QJsonObject all = old.fields;
        for (auto it = now.fields.begin(); it != now.fields.end(); ++it)
            all.insert(it.key(), it.value());
        for (auto it = all.begin(); it != all.end(); ++it) {
            const QJsonValue oldValue = old.fields.value(it.key());
            const QJsonValue newValue = now.fields.value(it.key());
            if (newValue != oldValue)
                fields.insert(
                    it.key(),
                    QJsonObject{
                        {QStringLiteral("old"), oldValue.isUndefined() ? QJsonValue() : oldValue},
                        {QStringLiteral("new"), newValue.isUndefined() ? QJsonValue() : newValue}});
        }
        if (!fields.isEmpty()) {
            QJsonObject object = entry(now);
            object.insert(QStringLiteral("fields"), fields);
            changed.append(object);
        }
    }
    QJsonArray added;
    for (int i = 0; i < after.size(); ++i) {
        if (afterIndex.value(key(after.at(i))) == i && !beforeIndex.contains(key(after.at(i))))
            added.append(entry(after.at(i)));
    }
    return QJsonObject{{QStringLiteral("added"), added},
                       {QStringLiteral("removed"), removed},
                       {QStringLiteral("changed"), changed}};
}

void printText(QTextStream& out, const QJsonObject& differences)
{
    const auto line = [&out](QChar sign, const QJsonObject& item) {
        out << sign << ' ' << item[QLatin1String("kind")].toString() << ' '
            << item[QLatin1String("id")].toString() << " \""
            << item[QLatin1String("name")].toString() << "\"\n";
    };
    for (const QJsonValue& item : differences[QLatin1String("removed")].toArray())
        line(QLatin1Char('-'), item.toObject());
    for (const QJsonValue& item : differences[QLatin1String("added")].toArray())
        line(QLatin1Char('+'), item.toObject());
    for (const QJsonValue& value : differences[QLatin1String("changed")].toArray()) {
        const QJsonObject item = value.toObject();
        line(QLatin1Char('~'), item);
        const QJsonObject fields = item[QLatin1String("fields")].toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            const QJsonObject change = it.value().toObject();
            out << "    " << it.key() << ": " << compact(change[QLatin1String("old")]) << " -> "
                << compact(change[QLatin1String("new")]) << '\n';
        }
    }
    const int total = differences[QLatin1String("removed")].toArray().size() +
                      differences[QLatin1String("added")].toArray().size() +
                      differences[QLatin1String("changed")].toArray().size();
    if (total == 0)
        out << "no differences\n";
}

} // namespace

int diff(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows what differs between two versions of an installation, matched by identifier: "
        "removed (-), added (+) and changed (~) floors, rooms, functions, actuators, groups, "
        "scenes, scene triggers, links and automatic programs, with the old and new values "
        "of each changed field. Exits with 0 whether or not the versions differ."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON document.")});
    parser.addPositionalArgument(QStringLiteral("A.xml"), QStringLiteral("The older version."));
    parser.addPositionalArgument(QStringLiteral("B.xml"), QStringLiteral("The newer version."));
    const int parsed = parseCommand(parser, arguments, 2, QStringLiteral("A.xml B.xml"));
    if (parsed >= 0)
        return parsed;
    Project before;
    Project after;
    int status = loadProject(parser.positionalArguments().at(0), &before);
    if (status == Success)
        status = loadProject(parser.positionalArguments().at(1), &after);
    if (status != Success)
        return status;

    const QJsonObject differences = compare(records(before), records(after));
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    if (parser.isSet(QStringLiteral("json")))
        out << QString::fromUtf8(QJsonDocument(differences).toJson(QJsonDocument::Indented));
    else
        printText(out, differences);
    return Success;
}

} // namespace tool
