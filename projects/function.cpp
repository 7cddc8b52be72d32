// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "function.h"

#include "common/debug_p.h"
#include "common/schedules_p.h"
#include "common/jsonlists_p.h"
#include "common/texts_p.h"
#include "common/valuetext_p.h"
#include "deletableitems.h"
#include "group.h"
#include "simulation.h"
#include "switchtime.h"
#include "common/conversions.h"
#include "common/logging.h"
#include "common/namespaces.h"

#include <QDebug>
#include <QJsonObject>
#include <QSet>
#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Function::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    FunctionType type = Unknown;
    QUuid actuatorRef;
    Simulation simulation;
    QHash<QString, int> cachedDatapoints;
    QList<SwitchTime> switchTimes;
    bool runOnVacation = true;
    QString onIcon;
    QString offIcon;
    QList<QUuid> groupRefs;
    QString onText;
    QString offText;
    QString unit;
    int address = -1;
};

Function::Function() : d(new Private)
{
    d->simulation.setType(d->type);
}

Function::Function(const QUuid& id, const QString& name, FunctionType type, bool runOnVacation)
    : d(new Private)
{
    d->id = id;
    d->name = name;
    d->type = type;
    d->runOnVacation = runOnVacation;
    d->simulation.setType(type);
}

Function::Function(const QJsonObject& object) : Function()
{
    // One lookup per key: constFind() answers both whether the key is there and its value.
    const auto id = object.constFind(QLatin1String("id"));
    if (id == object.constEnd())
        return;
    d->id = stringToUuid(id.value().toString());
    if (d->id.isNull())
        return;
    const auto name = object.constFind(QLatin1String("name"));
    if (name != object.constEnd())
        d->name = validText(name.value().toString());
    const QJsonValue icons = object.value(QLatin1String("icons"));
    if (icons.isObject()) {
        const QJsonObject iconObject = icons.toObject();
        const auto onIcon = iconObject.constFind(QLatin1String("onIcon"));
        if (onIcon != iconObject.constEnd())
            d->onIcon = validText(onIcon.value().toString());
        const auto offIcon = iconObject.constFind(QLatin1String("offIcon"));
        if (offIcon != iconObject.constEnd())
            d->offIcon = validText(offIcon.value().toString());
    }
    d->switchTimes = validFromJsonArray<SwitchTime>(object, QLatin1String("switchtimes"));
}

Function::Function(const Function& other) = default;
Function::Function(Function&& other) noexcept = default;
Function::~Function() = default;
Function& Function::operator=(const Function& other) = default;
Function& Function::operator=(Function&& other) noexcept = default;

QUuid Function::id() const
{
    return d->id;
}
bool Function::isValid() const
{
    return !d->id.isNull();
}
QString Function::name() const
{
    return d->name;
}
void Function::setName(const QString& name)
{
    d->name = name;
}
Function::FunctionType Function::type() const
{
    return d->type;
}
void Function::setType(FunctionType type)
{
    d->type = type;
}
QUuid Function::actuatorRef() const
{
    return d->actuatorRef;
}
void Function::setActuatorRef(const QUuid& ref)
{
    d->actuatorRef = ref;
}
bool Function::hasActuator() const
{
    return !d->actuatorRef.isNull();
}
Simulation Function::simulation() const
{
    return d->simulation;
}
void Function::setSimulation(const Simulation& simulation)
{
    d->simulation = simulation;
}
QList<SwitchTime>& Function::switchTimes()
{
    return d->switchTimes;
}
const QList<SwitchTime>& Function::switchTimes() const
{
    return d->switchTimes;
}
bool Function::runOnVacation() const
{
    return d->runOnVacation;
}
void Function::setRunOnVacation(bool run)
{
    d->runOnVacation = run;
}
QString Function::onIcon() const
{
    return d->onIcon;
}
void Function::setOnIcon(const QString& icon)
{
    d->onIcon = icon;
}
QString Function::offIcon() const
{
    return d->offIcon;
}
void Function::setOffIcon(const QString& icon)
{
    d->offIcon = icon;
}
QString Function::onText() const
{
    return d->onText;
}
void Function::setOnText(const QString& text)
{
    d->onText = text;
}
QString Function::offText() const
{
    return d->offText;
}
void Function::setOffText(const QString& text)
{
    d->offText = text;
}
QString Function::unit() const
{
    return d->unit;
}
void Function::setUnit(const QString& unit)
{
    d->unit = unit;
}
int Function::address() const
{
    return d->address;
}
void Function::setAddress(int address)
{
    d->address = address;
}
QList<QUuid> Function::groupRefs() const
{
    return d->groupRefs;
}
void Function::addGroupRef(const QUuid& ref)
{
    d->groupRefs.append(ref);
}
bool Function::isInGroup() const
{
    return !d->groupRefs.isEmpty();
}

void Function::addCachedDatapoint(const QString& role, int datapoint)
{
    d->cachedDatapoints.insert(role, datapoint);
}

const QHash<QString, int>& Function::cachedDatapoints() const
{
    return d->cachedDatapoints;
}

int Function::cachedDatapoint(const QString& role) const
{
    return d->cachedDatapoints.value(role, 0);
}

Function::FunctionType Function::functionTypeFromGroupType(int groupType)
{
    switch (groupType) {
    case Group::Panik:
    case Group::ZentralAus:
    case Group::HeizenKuhlen:
    case Group::Switch:
        return Switch;
    case Group::Blind:
        return Blind;
    case Group::Heating:
        return Heating;
    default:
        return Unknown;
    }
}

void Function::beginSerialize(QXmlStreamWriter* writer, const QString& fallbackName,
                              bool withVacation) const
{
    writer->writeStartElement(QStringLiteral("function"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    // A type read from a file may be a value without key; it is written back empty.
    writer->writeAttribute(QStringLiteral("type"), enumKey<FunctionType>(d->type));
    const QString name = d->name.isEmpty() ? fallbackName : d->name;
    if (!name.isEmpty())
        writer->writeAttribute(QStringLiteral("name"), name);
    if (withVacation)
        writer->writeAttribute(QStringLiteral("runOnVacation"), trueFalseText(d->runOnVacation));
    if (!d->onIcon.isEmpty())
        writer->writeAttribute(ns::Profile, QStringLiteral("onIcon"), d->onIcon);
    if (!d->offIcon.isEmpty())
        writer->writeAttribute(ns::Profile, QStringLiteral("offIcon"), d->offIcon);

    if (!d->actuatorRef.isNull()) {
        writer->writeStartElement(QStringLiteral("actuator-ref"));
        writer->writeAttribute(QStringLiteral("ref"), uuidToString(d->actuatorRef));
        writer->writeEndElement();
    }
    if (!d->groupRefs.isEmpty()) {
        writer->writeStartElement(QStringLiteral("group-refs"));
        for (const QUuid& ref : qAsConst(d->groupRefs)) {
            writer->writeStartElement(QStringLiteral("group-ref"));
            writer->writeAttribute(QStringLiteral("ref"), uuidToString(ref));
            writer->writeEndElement();
        }
        writer->writeEndElement();
    }
}

void Function::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

bool Function::mergeAdminSettings(const Function& other, bool force)
{
    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> MERGE ADMIN SETTINGS function " << uuidToString(d->id)
                         << " with name " << d->name;
        reportSwitchTimes(d->switchTimes);
    }

    const bool changed = scheduleChanged(force, d->runOnVacation, d->switchTimes,
                                         other.d->runOnVacation, other.d->switchTimes);
    d->switchTimes = other.d->switchTimes;
    d->runOnVacation = other.d->runOnVacation;
    // The simulation merge re-points this function's simulation to other's block.
    const bool simulationChanged = d->simulation.mergeAdminSettings(other.d->simulation, changed);

    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> END MERGE ADMIN SETTINGS function " << uuidToString(d->id)
                         << " with name " << d->name;
        reportSwitchTimes(d->switchTimes);
    }
    return simulationChanged || changed;
}

void Function::mergeProfile(const Function& other, bool keepOwnValues, bool adoptStructure)
{
    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> MERGE PROFILE function " << uuidToString(d->id) << " with name "
                         << d->name;
        reportSwitchTimes(d->switchTimes);
    }

    if (!keepOwnValues || adoptStructure) {
        d->name = other.d->name;
        d->onIcon = other.d->onIcon;
        d->offIcon = other.d->offIcon;
        if (!other.d->actuatorRef.isNull())
            d->actuatorRef = other.d->actuatorRef;
        d->cachedDatapoints = other.d->cachedDatapoints;
    } else {
        // The user's own values stay, unless the other side describes the same device.
        if (!d->actuatorRef.isNull() && d->actuatorRef == other.d->actuatorRef) {
            d->name = other.d->name;
            d->onIcon = other.d->onIcon;
            d->offIcon = other.d->offIcon;
            d->onText = other.d->onText;
            d->offText = other.d->offText;
            d->unit = other.d->unit;
        }
        // A heating zone is named after its groups; once they change, the name no
        // longer fits.
        if (d->type == Heating && d->groupRefs != other.d->groupRefs)
            d->name = QString();
    }
    d->switchTimes = other.d->switchTimes;
    d->simulation = other.d->simulation;
    d->runOnVacation = other.d->runOnVacation;

    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> END MERGE PROFILE function " << uuidToString(d->id);
        reportSwitchTimes(d->switchTimes);
    }
}

void Function::sync(const Function& other, Project::SyncHints hints)
{
    if (hints.testFlag(Project::SyncAdminSettings))
        d->groupRefs = other.d->groupRefs;
    if (hints.testFlag(Project::SyncAdminSettings) || hints.testFlag(Project::SyncProfile)) {
        d->name = other.d->name;
        d->onIcon = other.d->onIcon;
        d->offIcon = other.d->offIcon;
        d->actuatorRef = other.d->actuatorRef;
    }
    if (hints.testFlag(Project::SyncProfile) || hints.testFlag(Project::SyncSchedules)) {
        d->switchTimes = other.d->switchTimes;
        d->simulation = other.d->simulation;
        d->runOnVacation = other.d->runOnVacation;
    }
    if (hints.testFlag(Project::SyncSchedules))
        d->cachedDatapoints = other.d->cachedDatapoints;
}

DeletableItems Function::gc() const
{
    return timersOf(d->switchTimes);
}

QDebug operator<<(QDebug debug, const Function& function)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Function(" << DebugId{function.id()} << ' ' << function.name() << ' '
                    << debugKey(function.type()) << ')';
    return debug;
}

} // namespace projects
