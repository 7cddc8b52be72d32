#include "snapshot.h"

#include "common/conversions.h"
#include "common/valuetext_p.h"

#include <QSharedData>
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

} // namespace projects
