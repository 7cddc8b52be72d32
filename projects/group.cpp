// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "group.h"

#include "common/debug_p.h"
#include "common/jsonlists_p.h"
#include "common/schedules_p.h"
#include "common/texts_p.h"
#include "common/valuetext_p.h"
#include "deletableitems.h"
#include "switchtime.h"
#include "common/conversions.h"
#include "common/logging.h"
#include "common/namespaces.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QSharedData>
#include <QXmlStreamWriter>

#include <climits>

namespace projects {

const char* const Group::centralGroupId = "{e81add96-cfca-4174-a9d7-ea0a03d59200}";
const char* const Group::panikGroupId = "{2fc29fb1-19d7-459e-a001-c923a3b6cf01}";
const char* const Group::zentralAufAbId = "{a6f12e93-3b8a-48ef-8746-07b32d6d4487}";
const char* const Group::sonnenschutz_1Id = "{5d8efb36-38c8-4b23-a549-e02940dda3ce}";
const char* const Group::sonnenschutz_2Id = "{9e688f24-eac4-4b2b-a457-6076f9b85286}";
const char* const Group::sonnenschutz_3Id = "{a2b5f587-4544-43f8-ab88-8bc33260f7ed}";
const char* const Group::sonnenschutz_4Id = "{a046525c-e784-4fc7-a5bd-2288e1b86f67}";
const char* const Group::morgensAufId = "{3b1578e9-9903-4b44-a664-43bac9c69771}";
const char* const Group::abendsAbId = "{9e01f5b8-e8eb-4609-b0d5-7fd85fec0f9c}";
const char* const Group::morgensAusId = "{98947a12-b2f9-47a3-bce9-a2b80b47e9f1}";
const char* const Group::abendsEinId = "{19382512-f756-4961-acbb-eb3fda9845c7}";
const char* const Group::heizenKuhlen = "{19382512-b2f9-4b44-4b23-c923a3b6cf01}";

namespace {

struct AddressRule
{
    int first;
    int last;
    Group::GroupType type;
};

// The address plan of the installation. The rules overlap (the switching range covers
// the heating range 4/1/x), so they are tried in this order and the first match wins.
const AddressRule addressRules[] = {
    {10247, 10247, Group::HeizenKuhlen},   // 5/0/7
    {10744, 10744, Group::Panik},          // 5/1/248
    {10745, 10745, Group::ZentralAus},     // 5/1/249
    {10746, 10746, Group::MorgensAus},     // 5/1/250
    {10747, 10747, Group::AbendsEin},      // 5/1/251
    {10956, 10958, Group::Sonnenschutz_1}, // 5/2/204 to 5/2/206
    {10959, 10961, Group::Sonnenschutz_2}, // 5/2/207 to 5/2/209
    {10962, 10964, Group::Sonnenschutz_3}, // 5/2/210 to 5/2/212
    {10965, 10967, Group::Sonnenschutz_4}, // 5/2/213 to 5/2/215
    {10968, 10968, Group::MorgensAuf},     // 5/2/216
    {10969, 10969, Group::AbendsAb},       // 5/2/217
    {10970, 10970, Group::ZentralAufAb},   // 5/2/218
    {11005, 11005, Group::Switch},         // 5/2/253
    {11006, 11006, Group::Blind},          // 5/2/254
    {11007, 11007, Group::Heating},        // 5/2/255
    {8448, 8698, Group::Heating},          // 4/1/0 to 4/1/250
    {INT_MIN, 10695, Group::Switch},       // below 5/1/200
    {10696, 10951, Group::Blind},          // 5/1/200 to 5/2/199
    {12288, 12538, Group::Heating},        // 6/0/0 to 6/0/250
};

const char* const specialGroupIds[] = {
    Group::centralGroupId,   Group::panikGroupId,     Group::zentralAufAbId,
    Group::sonnenschutz_1Id, Group::sonnenschutz_2Id, Group::sonnenschutz_3Id,
    Group::sonnenschutz_4Id, Group::morgensAufId,     Group::abendsAbId,
    Group::morgensAusId,     Group::abendsEinId,      Group::heizenKuhlen,
};

} // namespace

class Q_DECL_HIDDEN Group::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    GroupType type = Unknown;
    int order = -1;
    int address = -1;
    QSet<QUuid> registeredFunctions;
    QList<SwitchTime> switchTimes;
    QString profileName;
    bool runOnVacation = true;
};

Group::Group() : d(new Private)
{
    d->id = QUuid::createUuid();
}

Group::Group(const QString& name, GroupType type, int address) : d(new Private)
{
    d->id = QUuid::createUuid();
    d->name = name;
    d->type = type;
    d->address = address;
}

Group::Group(const QString& id, const QString& name, GroupType type, int address, int order)
    : d(new Private)
{
    d->id = stringToUuid(id);
    d->name = name;
    d->type = type;
    d->address = address;
    d->order = order;
}

Group::Group(const QString& id, const QString& name, const QString& address) : d(new Private)
{
    d->id = stringToUuid(id);
    d->name = name;
    d->address = groupAddressFromText(address);
    d->type = typeFromAddress(d->address);
}

Group::Group(const Group& other) = default;
Group::Group(Group&& other) noexcept = default;
Group::~Group() = default;
Group& Group::operator=(const Group& other) = default;
Group& Group::operator=(Group&& other) noexcept = default;

bool Group::operator==(const Group& other) const
{
    return d == other.d;
}
bool Group::operator!=(const Group& other) const
{
    return d != other.d;
}

QUuid Group::id() const
{
    return d->id;
}

QString Group::name() const
{
    return d->profileName.isEmpty() ? d->name : d->profileName;
}

void Group::setName(const QString& name)
{
    d->profileName = name;
}
Group::GroupType Group::type() const
{
    return d->type;
}
int Group::order() const
{
    return d->order;
}
int Group::address() const
{
    return d->address;
}
void Group::setAddress(int address)
{
    d->address = address;
}
bool Group::hasValidAddress() const
{
    return d->address >= 0;
}
bool Group::runOnVacation() const
{
    return d->runOnVacation;
}
void Group::setRunOnVacation(bool run)
{
    d->runOnVacation = run;
}
QSet<QUuid>& Group::registeredFunctions()
{
    return d->registeredFunctions;
}
const QSet<QUuid>& Group::registeredFunctions() const
{
    return d->registeredFunctions;
}
QList<SwitchTime>& Group::switchTimes()
{
    return d->switchTimes;
}
const QList<SwitchTime>& Group::switchTimes() const
{
    return d->switchTimes;
}

bool Group::isSpecialGroup() const
{
    return d->type >= Panik && d->type <= HeizenKuhlen;
}

bool Group::isWeatherStationGroup() const
{
    return d->type >= Sonnenschutz_1 && d->type <= AbendsEin;
}

bool Group::isSpecialGroup(const QString& id)
{
    for (const char* special : specialGroupIds) {
        if (id == QLatin1String(special))
            return true;
    }
    return false;
}

Group::GroupType Group::typeFromAddress(int address)
{
    for (const AddressRule& rule : addressRules) {
        if (address >= rule.first && address <= rule.last)
            return rule.type;
    }
    return Unknown;
}

void Group::beginSerialize(QXmlStreamWriter* writer, bool withVacation) const
{
    // The attribute order is part of the file format.
    writer->writeStartElement(QStringLiteral("group"));
    writer->writeAttribute(QStringLiteral("name"), d->name);
    writer->writeAttribute(QStringLiteral("address"), QString::number(d->address));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    if (withVacation)
        writer->writeAttribute(QStringLiteral("runOnVacation"), trueFalseText(d->runOnVacation));
    if (!d->profileName.isEmpty() && d->profileName != d->name)
        writer->writeAttribute(ns::Profile, QStringLiteral("name"), d->profileName);
}

void Group::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

QList<Group> Group::fromJson(const QJsonArray& array)
{
    QList<Group> groups;
    for (const QJsonValue& value : array) {
        if (!value.isObject())
            continue;
        const QJsonObject object = value.toObject();
        Group group(object.value(QStringLiteral("id")).toString(),
                    validText(object.value(QStringLiteral("name")).toString()),
                    object.value(QStringLiteral("address")).toString());
        if (!group.hasValidAddress())
            continue;
        group.d->switchTimes = validFromJsonArray<SwitchTime>(object, QLatin1String("switchtimes"));
        groups.append(group);
    }
    return groups;
}

bool Group::mergeAdminSettings(const Group& other, bool force)
{
    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> MERGE ADMIN SETTINGS group " << uuidToString(d->id) << " with name "
                         << d->name;
        reportSwitchTimes(d->switchTimes);
    }

    const bool changed = scheduleChanged(force, d->runOnVacation, d->switchTimes,
                                         other.d->runOnVacation, other.d->switchTimes);
    d->switchTimes = other.d->switchTimes;
    d->runOnVacation = other.d->runOnVacation;

    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> END MERGE ADMIN SETTINGS group " << uuidToString(d->id)
                         << " with name " << d->name;
        reportSwitchTimes(d->switchTimes);
    }
    return changed;
}

void Group::mergeProfile(const Group& other, bool keepOwnValues, bool adoptStructure)
{
    // Groups have no values of their own to keep and no structure to adopt.
    Q_UNUSED(keepOwnValues)
    Q_UNUSED(adoptStructure)

    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> MERGE PROFILE group " << uuidToString(d->id) << " with name "
                         << d->name;
        reportSwitchTimes(d->switchTimes);
    }

    d->name = other.d->name;
    d->switchTimes = other.d->switchTimes;
    d->runOnVacation = other.d->runOnVacation;

    if (traceEnabled()) {
        qCDebug(lcMerge) << ">> END MERGE PROFILE group " << uuidToString(d->id);
        reportSwitchTimes(d->switchTimes);
    }
}

void Group::sync(const Group& other, Project::SyncHints hints)
{
    // The sync must change this handle only, not the copies that share its block.
    d.detach();
    if (hints.testFlag(Project::SyncAdminSettings)) {
        d->name = other.d->name;
        d->address = other.d->address;
    }
    if (hints.testFlag(Project::SyncProfile) || hints.testFlag(Project::SyncSchedules)) {
        d->switchTimes = other.d->switchTimes;
        d->runOnVacation = other.d->runOnVacation;
    }
    if (hints.testFlag(Project::SyncProfile))
        d->profileName = other.d->profileName;
}

DeletableItems Group::gc() const
{
    return timersOf(d->switchTimes);
}

QDebug operator<<(QDebug debug, const Group& group)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Group(" << DebugId{group.id()} << ' ' << group.name() << ' '
                    << debugKey(group.type()) << ' ';
    const int address = group.address();
    if (address >= 0 && address <= 0xFFFF)
        debug << qUtf8Printable(groupAddressToText(address));
    else
        debug << address;
    debug << ')';
    return debug;
}

} // namespace projects
