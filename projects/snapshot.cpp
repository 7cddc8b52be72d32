// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "snapshot.h"

#include "common/debug_p.h"
#include "common/conversions.h"
#include "common/logging.h"
#include "common/order_p.h"
#include "common/valuetext_p.h"

#include <QDebug>
#include <QRegExp>
#include <QSharedData>
#include <QStringList>
#include <QXmlStreamWriter>

namespace projects {

namespace {

// Finds the first address of @p addressToId, in datapoint key order, whose device number
// is @p number (the lowest address where several carry one number) and stores it in
// @p address. Returns false when no address carries the number.
bool firstAddressOf(const QHash<QString, int>& addressToId, int number, QString* address)
{
    bool found = false;
    DatapointKeyRank firstRank;
    for (auto it = addressToId.cbegin(); it != addressToId.cend(); ++it) {
        if (it.value() != number)
            continue;
        const DatapointKeyRank rank = datapointKeyRank(it.key());
        if (!found || datapointKeyLess(rank, it.key(), firstRank, *address)) {
            *address = it.key();
            firstRank = rank;
            found = true;
        }
    }
    return found;
}

} // namespace

class Q_DECL_HIDDEN Snapshot::Private : public QSharedData
{
public:
    QUuid functionId;
    QHash<QString, QJsonValue> values;
};

Snapshot::Snapshot() : d(new Private) {}

Snapshot::Snapshot(const QUuid& functionId, const QHash<QString, QJsonValue>& values)
    : d(new Private)
{
    d->functionId = functionId;
    d->values = values;
}

Snapshot::Snapshot(const Snapshot& other) = default;
Snapshot::Snapshot(Snapshot&& other) noexcept = default;
Snapshot::~Snapshot() = default;
Snapshot& Snapshot::operator=(const Snapshot& other) = default;
Snapshot& Snapshot::operator=(Snapshot&& other) noexcept = default;

QUuid Snapshot::functionId() const
{
    return d->functionId;
}

bool Snapshot::isValid() const
{
    return !d->functionId.isNull();
}

QHash<QString, QJsonValue>& Snapshot::values()
{
    return d->values;
}

const QHash<QString, QJsonValue>& Snapshot::values() const
{
    return d->values;
}

void Snapshot::addDatapoint(const QString& key, const QJsonValue& value)
{
    d->values.insert(key, value);
}

void Snapshot::clearDatapoints()
{
    d->values = QHash<QString, QJsonValue>();
}

void Snapshot::serialize(QXmlStreamWriter* writer, const QHash<QString, int>& addressToId) const
{
    // Unqualified on purpose: the snapshot takes whatever default namespace is in force.
    writer->writeStartElement(QStringLiteral("snapshot"));
    writer->writeAttribute(QStringLiteral("function-ref"), uuidToString(d->functionId));
    visitInDatapointOrder(d->values, [&](const QString& key, const QJsonValue& value) {
        writer->writeStartElement(QStringLiteral("datapoint"));
        const auto id = addressToId.constFind(key);
        if (id != addressToId.cend())
            writer->writeAttribute(QStringLiteral("id"), QString::number(id.value()));
        writer->writeAttribute(QStringLiteral("address"), key);
        writer->writeAttribute(QStringLiteral("value"),
                               snapshotValueToText(value, groupAddressFromText(key), true));
        writer->writeEndElement();
    });
    writer->writeEndElement();
}

void Snapshot::compile(const QHash<QString, int>& addressToId,
                       const QHash<int, QString>& idToFormat, QJsonArray* steps) const
{
    if (!steps)
        return;
    // In datapoint key order, so that the running numbers are the same in every run.
    visitInDatapointOrder(d->values, [&](const QString& key, const QJsonValue& value) {
        const auto id = addressToId.constFind(key);
        if (id == addressToId.cend())
            return;
        // The step numbers run over the whole array, so that several snapshots compiled
        // into one array form one program.
        QJsonObject step;
        step.insert(QStringLiteral("id"), steps->size() + 1);
        step.insert(QStringLiteral("datapoint_id"), id.value());
        step.insert(QStringLiteral("value"), value);
        step.insert(QStringLiteral("format"), idToFormat.value(id.value()));
        step.insert(QStringLiteral("time_to_next"), 0);
        steps->append(step);
    });
}

void Snapshot::exportIn(const QHash<QString, int>& addressToId, QJsonArray* array) const
{
    if (!array)
        return;
    visitInDatapointOrder(d->values, [&](const QString& key, const QJsonValue& value) {
        const auto id = addressToId.constFind(key);
        if (id == addressToId.cend())
            return;
        QJsonObject entry;
        entry.insert(QStringLiteral("id"), id.value());
        entry.insert(QStringLiteral("value"), value);
        array->append(entry);
    });
}

void Snapshot::exportIn(QJsonArray* array) const
{
    if (!array)
        return;
    visitInDatapointOrder(d->values, [array](const QString& key, const QJsonValue& value) {
        QJsonObject entry;
        entry.insert(QStringLiteral("address"), key);
        entry.insert(QStringLiteral("value"),
                     snapshotValueToText(value, groupAddressFromText(key), false));
        array->append(entry);
    });
}

QJsonArray Snapshot::exportSnapshots(const QHash<QString, int>& addressToId,
                                     const QList<Snapshot>& snapshots)
{
    QJsonArray result;
    for (const Snapshot& snapshot : snapshots) {
        // Without device numbers the host can only show the values, keyed by address.
        if (addressToId.isEmpty())
            snapshot.exportIn(&result);
        else
            snapshot.exportIn(addressToId, &result);
    }
    return result;
}

QList<QJsonObject> Snapshot::json() const
{
    QList<QJsonObject> result;
    visitInDatapointOrder(d->values, [&result](const QString& key, const QJsonValue& value) {
        if (value.isNull())
            return;
        QJsonObject entry;
        entry.insert(QStringLiteral("address"), key);
        entry.insert(QStringLiteral("value"),
                     snapshotValueToText(value, groupAddressFromText(key), false));
        result.append(entry);
    });
    return result;
}

bool Snapshot::hasSameDatapointAddresses(const Snapshot& other) const
{
    QStringList keys = d->values.keys();
    QStringList otherKeys = other.d->values.keys();
    keys.sort(Qt::CaseSensitive);
    otherKeys.sort(Qt::CaseSensitive);
    return keys == otherKeys;
}

bool Snapshot::migrateIdsToAddresses(const QHash<QString, int>& addressToId)
{
    const QRegExp numberKey(QStringLiteral("^:.+"));
    bool hasNumberKeys = false;
    for (auto it = d->values.cbegin(); it != d->values.cend(); ++it) {
        if (numberKey.exactMatch(it.key())) {
            hasNumberKeys = true;
            break;
        }
    }
    if (!hasNumberKeys)
        return false;
    // In datapoint key order: where a number key and an address key end up under one
    // address, the later one wins, and that must not change from run to run.
    const QStringList keys = sortedDatapointKeys(d->values);

    qCInfo(lcMigration, ">> Migrate Ids to Addresses: ");
    qCInfo(lcMigration) << ">> Before:" << d->values;

    QHash<QString, QJsonValue> migrated;
    for (const QString& key : keys) {
        if (!key.startsWith(QLatin1Char(':'))) {
            migrated.insert(key, d->values.value(key));
            continue;
        }
        // A number the device does not know any more has no address: its value is lost.
        QString address;
        if (!firstAddressOf(addressToId, QStringView(key).mid(1).toInt(), &address))
            continue;
        migrated.insert(address, d->values.value(key));
    }
    d->values = migrated;

    qCInfo(lcMigration) << ">> After:" << d->values;
    return true;
}

QDebug operator<<(QDebug debug, const Snapshot& snapshot)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Snapshot(function=" << DebugId{snapshot.functionId()}
                    << " values=" << snapshot.values().size() << ')';
    return debug;
}

} // namespace projects
