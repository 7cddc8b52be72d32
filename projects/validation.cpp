// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "validation.h"

#include "actuator.h"
#include "floor.h"
#include "function.h"
#include "group.h"
#include "link.h"
#include "project.h"
#include "room.h"
#include "scene.h"
#include "scenetrigger.h"
#include "snapshot.h"
#include "switchtime.h"
#include "common/conversions.h"
#include "common/records_p.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QVector>

namespace projects {

namespace {

// The label of an object in a finding: its kind, identifier text and name.
QString objectLabel(const char* kind, const QUuid& id, const QString& name = QString())
{
    QString label = QLatin1String(kind) + QLatin1Char(' ') + uuidToString(id);
    if (!name.isEmpty())
        label += QStringLiteral(" \"%1\"").arg(name);
    return label;
}

// Collects findings of duplicate identifiers, one kind of object at a time.
class Identifiers
{
public:
    explicit Identifiers(QList<Finding>* findings) : m_findings(findings) {}

    // Notes @p id of an object of @p kind; a second object with it is a finding.
    void note(const char* kind, const QUuid& id, const QString& name)
    {
        QSet<QUuid>& seen = m_seen[QLatin1String(kind)];
        if (seen.contains(id)) {
            m_findings->append(Finding(Finding::DuplicateIdentifier, objectLabel(kind, id, name),
                                       -1,
                                       QStringLiteral("a second %1 with this identifier; "
                                                      "lookups and merges take the first")
                                           .arg(QLatin1String(kind))));
            return;
        }
        seen.insert(id);
    }

private:
    QList<Finding>* m_findings;
    QHash<QString, QSet<QUuid>> m_seen;
};

Finding dangling(const QString& owner, const char* what, const QUuid& id)
{
    return Finding(Finding::DanglingReference, owner, -1,
                   QStringLiteral("refers to %1 %2, which the project does not have")
                       .arg(QLatin1String(what), uuidToString(id)));
}

// The JSON path of element @p index of the array at @p path.
QString at(const QString& path, int index)
{
    return path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

QString member(const QString& path, const char* key)
{
    return path + QLatin1Char('.') + QLatin1String(key);
}

void ignored(QList<Finding>* findings, const QString& path, const QString& text)
{
    findings->append(Finding(Finding::IgnoredEntry, path, -1, text));
}

// Whether @p object has an "id" that decodes to an identifier; a finding when not.
bool hasUsableId(QList<Finding>* findings, const QJsonObject& object, const QString& path,
                 const char* what)
{
    if (!stringToUuid(object.value(QLatin1String("id")).toString()).isNull())
        return true;
    ignored(findings, member(path, "id"),
            QStringLiteral("no identifier the import can read: the %1 is left out")
                .arg(QLatin1String(what)));
    return false;
}

// Calls @p visit with the JSON path and the object of each element of @p array, which
// stands at @p arrayPath, and gives a finding for each element of another type, in array
// order.
template <typename Visit>
void forEachObject(QList<Finding>* findings, const QJsonArray& array, const QString& arrayPath,
                   const char* what, Visit visit)
{
    for (int i = 0; i < array.size(); ++i) {
        const QString elementPath = at(arrayPath, i);
        if (array.at(i).isObject())
            visit(elementPath, array.at(i).toObject());
        else
            ignored(findings, elementPath,
                    QStringLiteral("not an object: the %1 is left out").arg(QLatin1String(what)));
    }
}

// The same for the array under @p key of @p object, which stands at @p path; nothing when
// the key holds no array.
template <typename Visit>
void forEachObject(QList<Finding>* findings, const QJsonObject& object, const QString& path,
                   const char* key, const char* what, Visit visit)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isArray())
        forEachObject(findings, value.toArray(), member(path, key), what, visit);
}

void checkSwitchTimes(QList<Finding>* findings, const QJsonObject& owner, const QString& path)
{
    forEachObject(findings, owner, path, "switchtimes", "switch time",
                  [findings](const QString& entryPath, const QJsonObject& entry) {
                      // Without "id" a switch time gets a new identifier; with one that does
                      // not decode it is left out.
                      if (entry.contains(QLatin1String("id")))
                          hasUsableId(findings, entry, entryPath, "switch time");
                  });
}

void checkFunctions(QList<Finding>* findings, const QJsonObject& room, const QString& path)
{
    forEachObject(findings, room, path, "functions", "function",
                  [findings](const QString& functionPath, const QJsonObject& function) {
                      if (hasUsableId(findings, function, functionPath, "function"))
                          checkSwitchTimes(findings, function, functionPath);
                  });
}

} // namespace

QList<Finding> Validation::check(const Project& project, bool standardForm)
{
    QList<Finding> findings;
    Identifiers identifiers(&findings);

    QSet<QUuid> actuators;
    for (const Actuator& actuator : project.actuators()) {
        identifiers.note("actuator", actuator.id(), actuator.name());
        actuators.insert(actuator.id());
    }
    QSet<QUuid> groups;
    for (const Group& group : project.groups()) {
        identifiers.note("group", group.id(), group.name());
        groups.insert(group.id());
    }
    QSet<QUuid> functions;
    for (const Floor& floor : project.floors()) {
        identifiers.note("floor", floor.id(), floor.name());
        for (const Room& room : floor.rooms()) {
            identifiers.note("room", room.id(), room.name());
            for (const Function& function : room.functions()) {
                identifiers.note("function", function.id(), function.name());
                functions.insert(function.id());
                const QString label = objectLabel("function", function.id(), function.name());
                if (function.hasActuator() && !actuators.contains(function.actuatorRef()))
                    findings.append(dangling(label, "actuator", function.actuatorRef()));
                for (const QUuid& group : function.groupRefs()) {
                    if (!groups.contains(group))
                        findings.append(dangling(label, "group", group));
                }
            }
        }
    }
    // A file commonly lists a scene trigger twice, once with its name and number and once
    // with its job, so their identifiers are no duplicates.
    QSet<QUuid> triggers;
    for (const SceneTrigger& trigger : project.sceneTriggers())
        triggers.insert(trigger.id());
    for (const Scene& scene : project.scenes()) {
        identifiers.note("scene", scene.id(), scene.name());
        const QString label = objectLabel("scene", scene.id(), scene.name());
        for (const Snapshot& snapshot : scene.snapshots()) {
            // An invalid snapshot names no function at all.
            if (snapshot.isValid() && !functions.contains(snapshot.functionId()))
                findings.append(dangling(label, "function", snapshot.functionId()));
        }
        QStringList missing;
        for (const QUuid& trigger : scene.triggers()) {
            if (!triggers.contains(trigger))
                missing.append(uuidToString(trigger));
        }
        // The trigger set has no order of its own.
        std::sort(missing.begin(), missing.end());
        for (const QString& trigger : qAsConst(missing))
            findings.append(dangling(label, "scene trigger", stringToUuid(trigger)));
    }
    for (const Link& link : project.links())
        identifiers.note("link", link.id(), link.name());

    if (standardForm)
        findings += records::droppedByStandardForm(project);
    return findings;
}

QList<Finding> Validation::checkGroupAddress(const QString& text, const QString& location, int line)
{
    const QList<QStringView> parts = QStringView(text).split(QLatin1Char('/'), Qt::KeepEmptyParts);
    int values[3] = {0, 0, 0};
    bool wellFormed = parts.size() == 3;
    for (int i = 0; wellFormed && i < 3; ++i) {
        // Plain decimal digits only: toInt() would also take signs and blanks.
        const QStringView part = parts.at(i);
        wellFormed = !part.isEmpty() && part.size() <= 9 &&
                     std::all_of(part.cbegin(), part.cend(), [](QChar c) {
                         return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                     });
        if (wellFormed)
            values[i] = part.toInt();
    }
    if (!wellFormed)
        return {Finding(Finding::MalformedGroupAddress, location, line,
                        QStringLiteral("\"%1\" is no group address (main/middle/sub)").arg(text))};
    if (values[0] > 31 || values[1] > 7 || values[2] > 255)
        return {Finding(Finding::GroupAddressOutOfRange, location, line,
                        QStringLiteral("group address \"%1\" out of range (main 0-31, middle 0-7, "
                                       "sub 0-255): it would read as %2")
                            .arg(text, groupAddressToText(groupAddressFromText(text))))};
    return {};
}

QList<Finding> Validation::checkFloorsJson(const QJsonArray& floors)
{
    QList<Finding> findings;
    forEachObject(&findings, floors, QStringLiteral("$"), "floor",
                  [&findings](const QString& path, const QJsonObject& floor) {
                      if (!hasUsableId(&findings, floor, path, "floor"))
                          return;
                      forEachObject(&findings, floor, path, "rooms", "room",
                                    [&findings](const QString& roomPath, const QJsonObject& room) {
                                        if (hasUsableId(&findings, room, roomPath, "room"))
                                            checkFunctions(&findings, room, roomPath);
                                    });
                  });
    return findings;
}

QList<Finding> Validation::checkGroupsJson(const QJsonArray& groups)
{
    QList<Finding> findings;
    forEachObject(&findings, groups, QStringLiteral("$"), "group",
                  [&findings](const QString& path, const QJsonObject& group) {
                      const QJsonValue address = group.value(QLatin1String("address"));
                      if (!address.isString()) {
                          ignored(&findings, member(path, "address"),
                                  QStringLiteral("no address text: the group is left out"));
                          return;
                      }
                      findings += checkGroupAddress(address.toString(), member(path, "address"));
                      checkSwitchTimes(&findings, group, path);
                  });
    return findings;
}

QList<Finding> Validation::checkScenesJson(const QJsonArray& scenes,
                                           const QHash<QString, QUuid>& addressToFunction)
{
    QList<Finding> findings;
    const auto checkScene = [&findings, &addressToFunction](const QString& path,
                                                            const QJsonObject& scene) {
        const QJsonArray actions = scene.value(QLatin1String("actions")).toArray();
        for (int i = 0; i < actions.size(); ++i) {
            const QString actionPath = member(at(member(path, "actions"), i), "address");
            const QString address =
                actions.at(i).toObject().value(QLatin1String("address")).toString();
            const QList<Finding> addressFindings = checkGroupAddress(address, actionPath);
            findings += addressFindings;
            if (addressFindings.isEmpty() && !addressToFunction.contains(address))
                ignored(&findings, actionPath,
                        QStringLiteral("no function has the datapoint %1: the action is left out")
                            .arg(address));
        }
        checkSwitchTimes(&findings, scene, path);
    };
    forEachObject(&findings, scenes, QStringLiteral("$"), "scene", checkScene);
    return findings;
}

} // namespace projects
