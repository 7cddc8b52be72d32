// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "records_p.h"

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/datapoint.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/order_p.h>
#include <projects/common/texts_p.h>
#include <projects/reader/projectreader.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QMap>

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QSet>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace projects {
namespace records {

namespace {

template <typename Enum> QJsonValue keyOf(int value)
{
    const QLatin1String key = enumKey<Enum>(value);
    return key.isNull() ? QJsonValue(value) : QJsonValue(QString(key));
}

// Not-a-number never equals itself, and JSON has no text for it: such values are compared
// and shown by their text.
QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QString::number(value));
}

QJsonValue comparable(const QJsonValue& value)
{
    return value.isDouble() ? number(value.toDouble()) : value;
}

// Addresses read from files fit in 16 bits; any other number is kept as it is, so that two
// numbers with the same low bits still differ.
QJsonValue address(int number)
{
    return number >= 0 && number <= 0xffff ? QJsonValue(groupAddressToText(number))
                                           : QJsonValue(number);
}

QString colorText(const QColor& color)
{
    if (!color.isValid())
        return QString();
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

// A typed value as [type, value]: an int and a double of the same value differ.
QJsonValue variant(const QVariant& value)
{
    const char* type = value.typeName();
    return QJsonArray{type ? QString::fromLatin1(type) : QStringLiteral("invalid"),
                      comparable(QJsonValue::fromVariant(value))};
}

// Tables with number keys as [key, value] pairs in key order, which a JSON object would not
// keep.
QJsonArray pairs(const QHash<int, int>& table)
{
    QJsonArray result;
    for (int key : sortedKeys(table))
        result.append(QJsonArray{key, table.value(key)});
    return result;
}

// Gives the second and later uses of a key the suffixes "#2", "#3", ..., so that objects
// with the same identifier are matched in document order instead of hiding each other.
class UniqueKeys
{
public:
    QString operator()(const QString& key)
    {
        const int count = ++m_seen[key];
        return count == 1 ? key : key + QLatin1Char('#') + QString::number(count);
    }

private:
    QHash<QString, int> m_seen;
};

void addSwitchTimes(Record* record, const QList<SwitchTime>& switchTimes)
{
    UniqueKeys unique;
    for (const SwitchTime& st : switchTimes) {
        QJsonArray additional;
        QList<int> indexes = st.additionalValueIndexes();
        std::sort(indexes.begin(), indexes.end());
        for (int index : qAsConst(indexes)) {
            const QJsonArray typed = variant(st.additionalValue(index)).toArray();
            additional.append(QJsonArray{index, typed.at(0), typed.at(1)});
        }
        record->parts.insert(
            unique(QStringLiteral("switchTime ") + uuidToString(st.id())),
            {QStringLiteral("switch time"),
             QJsonObject{{QStringLiteral("value"), number(st.value())},
                         {QStringLiteral("days"), st.days()},
                         {QStringLiteral("start"), st.start().toString(Qt::TextDate)},
                         {QStringLiteral("type"), keyOf<SwitchTime::SwitchTimeType>(st.type())},
                         {QStringLiteral("offset"), st.offset()},
                         {QStringLiteral("limit"), st.limit()},
                         {QStringLiteral("minStart"), st.minStart().toString(Qt::TextDate)},
                         {QStringLiteral("maxEnd"), st.maxEnd().toString(Qt::TextDate)},
                         {QStringLiteral("timers"), pairs(st.timerIds())},
                         {QStringLiteral("additionalValues"), additional}}});
    }
}

Part simulation(const Simulation& s)
{
    return {QStringLiteral("simulation"),
            QJsonObject{{QStringLiteral("id"), s.id()},
                        {QStringLiteral("type"), keyOf<Function::FunctionType>(s.type())},
                        {QStringLiteral("enabled"), s.enabled()},
                        {QStringLiteral("startTimeEnable"), s.startTimeEnable()},
                        {QStringLiteral("startOnNight"), s.startOnNight()},
                        {QStringLiteral("startTime"), dateTimeText(s.startTime())},
                        {QStringLiteral("endTimeEnable"), s.endTimeEnable()},
                        {QStringLiteral("endOnNight"), s.endOnNight()},
                        {QStringLiteral("endTime"), dateTimeText(s.endTime())},
                        {QStringLiteral("pauseTimeEnable"), s.pauseTimeEnable()},
                        {QStringLiteral("pauseStartTime"), dateTimeText(s.pauseStartTime())},
                        {QStringLiteral("pauseEndTime"), dateTimeText(s.pauseEndTime())},
                        {QStringLiteral("delayStart"), s.delayStart()},
                        {QStringLiteral("delayEnd"), s.delayEnd()},
                        {QStringLiteral("durationStart"), s.durationStart()},
                        {QStringLiteral("durationEnd"), s.durationEnd()},
                        {QStringLiteral("repeat"), s.repeat()},
                        {QStringLiteral("startJobId"), s.startJobId()},
                        {QStringLiteral("endJobId"), s.endJobId()},
                        {QStringLiteral("simulationDatapoint"), s.simulationDatapoint()},
                        {QStringLiteral("timers"), pairs(s.timerIds())}}};
}

QJsonObject cachedDatapoints(const Function& function)
{
    QJsonObject result;
    const QHash<QString, int>& cached = function.cachedDatapoints();
    for (auto it = cached.cbegin(); it != cached.cend(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

Record functionRecord(const QString& path, const Room& room, const Function& function)
{
    QJsonArray groups;
    for (const QUuid& group : function.groupRefs())
        groups.append(uuidToString(group));
    Record record{
        QStringLiteral("function"),
        uuidToString(function.id()),
        path + function.name(),
        QJsonObject{{QStringLiteral("room"), uuidToString(room.id())},
                    {QStringLiteral("name"), function.name()},
                    {QStringLiteral("type"), keyOf<Function::FunctionType>(function.type())},
                    {QStringLiteral("actuator"),
                     function.hasActuator() ? uuidToString(function.actuatorRef()) : QString()},
                    {QStringLiteral("groups"), groups},
                    {QStringLiteral("runOnVacation"), function.runOnVacation()},
                    {QStringLiteral("onIcon"), function.onIcon()},
                    {QStringLiteral("offIcon"), function.offIcon()},
                    {QStringLiteral("onText"), function.onText()},
                    {QStringLiteral("offText"), function.offText()},
                    {QStringLiteral("unit"), function.unit()},
                    {QStringLiteral("address"), address(function.address())},
                    {QStringLiteral("cachedDatapoints"), cachedDatapoints(function)}},
        {}};
    record.parts.insert(QStringLiteral("simulation"), simulation(function.simulation()));
    addSwitchTimes(&record, function.switchTimes());
    return record;
}

Record actuatorRecord(const Actuator& actuator)
{
    QJsonObject parameters;
    for (auto it = actuator.parameters().cbegin(); it != actuator.parameters().cend(); ++it)
        parameters.insert(it.key(), variant(it.value())); // QJsonObject sorts its keys
    Record record{QStringLiteral("actuator"),
                  uuidToString(actuator.id()),
                  actuator.name(),
                  QJsonObject{{QStringLiteral("name"), actuator.name()},
                              {QStringLiteral("appId"), actuator.appId()},
                              {QStringLiteral("useCase"), actuator.useCase()},
                              {QStringLiteral("onIcon"), actuator.onIcon()},
                              {QStringLiteral("offIcon"), actuator.offIcon()},
                              {QStringLiteral("parameters"), parameters}},
                  {}};
    for (const QString& role : sortedDatapointKeys(actuator.datapoints())) {
        const Datapoint datapoint = actuator.datapoints().value(role);
        record.parts.insert(
            QStringLiteral("datapoint ") + role,
            {QStringLiteral("datapoint"),
             QJsonObject{{QStringLiteral("id"), uuidToString(datapoint.id())},
                         {QStringLiteral("role"), datapoint.role()},
                         {QStringLiteral("address"), address(datapoint.address())}}});
    }
    return record;
}

Record sceneRecord(const Scene& scene)
{
    Record record{
        QStringLiteral("scene"),
        uuidToString(scene.id()),
        scene.name(),
        QJsonObject{{QStringLiteral("name"), scene.name()},
                    {QStringLiteral("icon"), scene.icon()},
                    {QStringLiteral("color"), colorText(scene.color())},
                    {QStringLiteral("favorite"), scene.favorite()},
                    {QStringLiteral("global"), scene.isGlobal()},
                    {QStringLiteral("runOnVacation"), scene.runOnVacation()},
                    {QStringLiteral("triggers"),
                     QJsonArray::fromStringList(sortedIdentifiers(scene.triggers()))},
                    {QStringLiteral("timerTrigger"), scene.timerTrigger()},
                    {QStringLiteral("triggeredByPanic"), scene.triggeredByPanic()},
                    {QStringLiteral("triggeredByCentralOff"), scene.triggeredByCentralOff()}},
        {}};
    UniqueKeys unique;
    for (const Snapshot& snapshot : scene.snapshots()) {
        QJsonArray values;
        for (const QString& key : sortedDatapointKeys(snapshot.values()))
            values.append(QJsonArray{key, comparable(snapshot.values().value(key))});
        record.parts.insert(
            unique(QStringLiteral("snapshot ") + uuidToString(snapshot.functionId())),
            {QStringLiteral("snapshot"), QJsonObject{{QStringLiteral("values"), values}}});
    }
    addSwitchTimes(&record, scene.switchTimes());
    return record;
}

} // namespace

QList<Record> recordsOf(const Project& project)
{
    QJsonArray sensors;
    for (int number : sortedKeys(project.lightSensorNames()))
        sensors.append(QJsonArray{number, project.lightSensorNames().value(number)});
    QList<Record> result{
        {QStringLiteral("project"),
         QString(),
         project.name(),
         QJsonObject{{QStringLiteral("name"), project.name()},
                     {QStringLiteral("owner"), project.owner()},
                     {QStringLiteral("installer"), project.installer()},
                     {QStringLiteral("md5"), project.md5()},
                     {QStringLiteral("creationVersion"), project.creationVersion()},
                     {QStringLiteral("modificationVersion"), project.modificationVersion()},
                     {QStringLiteral("latitude"), number(project.latitude())},
                     {QStringLiteral("longitude"), number(project.longitude())},
                     {QStringLiteral("timezone"), project.timezone()},
                     {QStringLiteral("hasWeatherStation"), project.hasWeatherStation()},
                     {QStringLiteral("hasVeskBox"), project.hasVeskBox()},
                     {QStringLiteral("vacationActivated"), project.vacationActivated()},
                     {QStringLiteral("lightSensorNames"), sensors}},
         {}}};

    for (const Floor& floor : project.floors()) {
        result.append({QStringLiteral("floor"),
                       uuidToString(floor.id()),
                       floor.name(),
                       QJsonObject{{QStringLiteral("name"), floor.name()}},
                       {}});
        for (const Room& room : floor.rooms()) {
            const QString path = floor.name() + QLatin1Char('/') + room.name();
            result.append({QStringLiteral("room"),
                           uuidToString(room.id()),
                           path,
                           QJsonObject{{QStringLiteral("floor"), uuidToString(floor.id())},
                                       {QStringLiteral("name"), room.name()},
                                       {QStringLiteral("icon"), room.icon()},
                                       {QStringLiteral("color"), colorText(room.color())}},
                           {}});
            for (const Function& function : room.functions())
                result.append(functionRecord(path + QLatin1Char('/'), room, function));
        }
    }
    for (const Actuator& actuator : project.actuators())
        result.append(actuatorRecord(actuator));
    for (const Group& group : project.groups()) {
        QJsonArray registered =
            QJsonArray::fromStringList(sortedIdentifiers(group.registeredFunctions()));
        result.append({QStringLiteral("group"),
                       uuidToString(group.id()),
                       group.name(),
                       QJsonObject{{QStringLiteral("name"), group.name()},
                                   {QStringLiteral("type"), keyOf<Group::GroupType>(group.type())},
                                   {QStringLiteral("order"), group.order()},
                                   {QStringLiteral("address"), address(group.address())},
                                   {QStringLiteral("runOnVacation"), group.runOnVacation()},
                                   {QStringLiteral("registeredFunctions"), registered}},
                       {}});
        addSwitchTimes(&result.last(), group.switchTimes());
    }
    for (const Scene& scene : project.scenes())
        result.append(sceneRecord(scene));
    for (const SceneTrigger& trigger : project.sceneTriggers()) {
        result.append({QStringLiteral("scene trigger"),
                       uuidToString(trigger.id()),
                       trigger.name(),
                       QJsonObject{{QStringLiteral("name"), trigger.name()},
                                   {QStringLiteral("number"), trigger.number()},
                                   {QStringLiteral("jobId"), trigger.jobId()}},
                       {}});
    }
    for (const Link& link : project.links()) {
        result.append({QStringLiteral("link"),
                       uuidToString(link.id()),
                       link.name(),
                       QJsonObject{{QStringLiteral("name"), link.name()},
                                   {QStringLiteral("icon"), link.icon()},
                                   {QStringLiteral("favorite"), link.favorite()},
                                   {QStringLiteral("type"), keyOf<Link::LinkType>(link.type())},
                                   {QStringLiteral("url"), link.url()},
                                   {QStringLiteral("appName"), link.appName()},
                                   {QStringLiteral("os"), keyOf<Link::OsName>(link.osName())}},
                       {}});
    }
    for (const QString& id : sortedKeys(project.automatics())) {
        const Automatic automatic = project.automatics().value(id);
        result.append({QStringLiteral("automatic program"),
                       id,
                       id,
                       QJsonObject{{QStringLiteral("runOnVacation"), automatic.runOnVacation()}},
                       {}});
        addSwitchTimes(&result.last(), automatic.switchTimes());
    }

    UniqueKeys unique;
    for (Record& record : result)
        record.id = unique(record.kind + QLatin1Char(' ') + record.id).mid(record.kind.size() + 1);
    return result;
}

namespace {

QStringList unitedKeys(QStringList a, const QStringList& b)
{
    a += b;
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

QJsonValue orNull(const QJsonValue& value)
{
    return value.isUndefined() ? QJsonValue() : value;
}

QList<Change> changes(const Record& old, const Record& now)
{
    QList<Change> result;
    const auto compareMembers = [&result](const QString& prefix, const QString& kind,
                                          const QJsonObject& a, const QJsonObject& b) {
        for (const QString& name : unitedKeys(a.keys(), b.keys())) {
            const QJsonValue before = a.value(name);
            const QJsonValue after = b.value(name);
            if (before != after)
                result.append(
                    {prefix + name, kind + QLatin1Char(' ') + name, orNull(before), orNull(after)});
        }
    };
    compareMembers(QString(), old.kind, old.fields, now.fields);
    for (const QString& name : unitedKeys(old.parts.keys(), now.parts.keys())) {
        const auto a = old.parts.constFind(name);
        const auto b = now.parts.constFind(name);
        if (a == old.parts.cend())
            result.append({name, b->kind, QJsonValue(), b->members});
        else if (b == now.parts.cend())
            result.append({name, a->kind, a->members, QJsonValue()});
        else
            compareMembers(name + QLatin1Char(' '), a->kind, a->members, b->members);
    }
    std::sort(result.begin(), result.end(),
              [](const Change& x, const Change& y) { return x.field < y.field; });
    return result;
}

} // namespace

Differences compare(const QList<Record>& before, const QList<Record>& after)
{
    // A QString, not the string builder that the sum would otherwise be.
    const auto key = [](const Record& r) -> QString { return r.kind + QLatin1Char(' ') + r.id; };
    QHash<QString, int> afterIndex;
    for (int i = 0; i < after.size(); ++i)
        afterIndex.insert(key(after.at(i)), i);
    QSet<QString> beforeKeys;
    Differences result;
    for (const Record& old : before) {
        beforeKeys.insert(key(old));
        const auto match = afterIndex.constFind(key(old));
        if (match == afterIndex.cend()) {
            result.removed.append(old);
            continue;
        }
        const Record& now = after.at(match.value());
        const QList<Change> fields = changes(old, now);
        if (!fields.isEmpty())
            result.changed.append({now, fields});
    }
    for (const Record& now : after) {
        if (!beforeKeys.contains(key(now)))
            result.added.append(now);
    }
    return result;
}

QList<Finding> droppedByStandardForm(const Project& project)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProjectWriter writer;
    writer.setForm(ProjectWriter::Standard);
    writer.write(project, &buffer);
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    const Project standard = ProjectReader().parse(&buffer);

    const Differences differences = compare(recordsOf(project), recordsOf(standard));
    QMap<QString, int> counts;
    for (const Record& record : differences.removed + differences.added)
        ++counts[record.kind];
    for (const auto& item : differences.changed) {
        for (const Change& change : item.second)
            ++counts[change.kind];
    }
    QList<Finding> findings;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        findings.append(Finding(
            Finding::DroppedByStandardForm, it.key(), -1,
            QStringLiteral("the standard form would not keep it (%1 %2)")
                .arg(it.value())
                .arg(it.value() == 1 ? QStringLiteral("object") : QStringLiteral("objects"))));
    return findings;
}

} // namespace records
} // namespace projects
