#include "snapshot.h"

#include "common/conversions.h"
#include "common/valuetext_p.h"

#include <QDebug>
#include <QRegExp>
#include <QSharedData>
#include <QStringList>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Snapshot::Private : public QSharedData
{
public:
    QUuid functionId;
    QHash<QString, QJsonValue> values;
};

Snapshot::Snapshot()
    : d(new Private)
{
}

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
    for (auto it = d->values.cbegin(); it != d->values.cend(); ++it) {
        writer->writeStartElement(QStringLiteral("datapoint"));
        const auto id = addressToId.constFind(it.key());
        if (id != addressToId.cend())
            writer->writeAttribute(QStringLiteral("id"), QString::number(id.value()));
        writer->writeAttribute(QStringLiteral("address"), it.key());
        writer->writeAttribute(
            QStringLiteral("value"),
            snapshotValueToText(it.value(), groupAddressFromText(it.key()), true));
        writer->writeEndElement();
    }
    writer->writeEndElement();
}

void Snapshot::compile(const QHash<QString, int>& addressToId,
                       const QHash<int, QString>& idToFormat, QJsonArray* steps) const
{
    if (!steps)
        return;
    for (auto it = d->values.cbegin(); it != d->values.cend(); ++it) {
        const auto id = addressToId.constFind(it.key());
        if (id == addressToId.cend())
            continue;
        // The step numbers run over the whole array, so that several snapshots compiled
        // into one array form one program.
        QJsonObject step;
        step.insert(QStringLiteral("id"), steps->size() + 1);
        step.insert(QStringLiteral("datapoint_id"), id.value());
        step.insert(QStringLiteral("value"), it.value());
        step.insert(QStringLiteral("format"), idToFormat.value(id.value()));
        step.insert(QStringLiteral("time_to_next"), 0);
        steps->append(step);
    }
}

void Snapshot::exportIn(const QHash<QString, int>& addressToId, QJsonArray* array) const
{
    if (!array)
        return;
    for (auto it = d->values.cbegin(); it != d->values.cend(); ++it) {
        const auto id = addressToId.constFind(it.key());
        if (id == addressToId.cend())
            continue;
        QJsonObject entry;
        entry.insert(QStringLiteral("id"), id.value());
        entry.insert(QStringLiteral("value"), it.value());
        array->append(entry);
    }
}

void Snapshot::exportIn(QJsonArray* array) const
{
    if (!array)
        return;
    for (auto it = d->values.cbegin(); it != d->values.cend(); ++it) {
        QJsonObject entry;
        entry.insert(QStringLiteral("address"), it.key());
        entry.insert(QStringLiteral("value"),
                     snapshotValueToText(it.value(), groupAddressFromText(it.key()), false));
        array->append(entry);
    }
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
    const QStringList keys = d->values.keys();
    for (const QString& key : keys) {
        const QJsonValue value = d->values.value(key);
        if (value.isNull())
            continue;
        QJsonObject entry;
        entry.insert(QStringLiteral("address"), key);
        entry.insert(QStringLiteral("value"),
                     snapshotValueToText(value, groupAddressFromText(key), false));
        result.append(entry);
    }
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
    const QStringList keys = d->values.keys();
    const QRegExp numberKey(QStringLiteral("^:.+"));
    bool hasNumberKeys = false;
    for (const QString& key : keys) {
        if (numberKey.exactMatch(key)) {
            hasNumberKeys = true;
            break;
        }
    }
    if (!hasNumberKeys)
        return false;

    qInfo(">> Migrate Ids to Addresses: ");
    qInfo() << ">> Before:" << d->values;

    const QList<int> deviceNumbers = addressToId.values();
    QHash<QString, QJsonValue> migrated;
    for (const QString& key : keys) {
        if (!key.startsWith(QLatin1Char(':'))) {
            migrated.insert(key, d->values.value(key));
            continue;
        }
        // A number the device does not know any more has no address: its value is lost.
        const int number = key.mid(1).toInt();
        if (!deviceNumbers.contains(number))
            continue;
        migrated.insert(addressToId.key(number), d->values.value(key));
    }
    d->values = migrated;

    qInfo() << ">> After:" << d->values;
    return true;
}

} // namespace projects
