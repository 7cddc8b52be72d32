// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "switchtime.h"

#include "common/debug_p.h"
#include "common/additionalvalues_p.h"
#include "common/conversions.h"
#include "common/logging.h"
#include "common/namespaces.h"
#include "common/order_p.h"
#include "common/schedules_p.h"
#include "common/texts_p.h"
#include "common/timers_p.h"

#include <QByteArray>
#include <QDataStream>
#include <QDebug>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QSharedData>
#include <QXmlStreamWriter>

#include <algorithm>

namespace projects {

// Qt's container form (the count, then index and value pairs) entry by entry in ascending
// index, in a fixed stream version: the same table always gives the same bytes, whatever
// the hash seed or the Qt version. Qt's own operator<< walks the table in hash order.
QByteArray encodeAdditionalValues(const QHash<int, QVariant>& table)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(additionalValuesStreamVersion);
    stream << quint32(table.size());
    visitInKeyOrder(
        table, [&stream](int index, const QVariant& value) { stream << qint32(index) << value; });
    return bytes.toHex();
}

namespace {

QTime minutesAfterMidnight(const QJsonValue& value)
{
    // addSecs wraps around midnight; reducing first keeps huge minute counts from
    // overflowing an int without changing the result.
    const qint64 seconds = qint64(value.toInt(0)) * 60 % 86400;
    return QTime(0, 0).addSecs(int(seconds));
}

// Configuration values come as JSON numbers or as text such as "80%", "true" or "null".
QVariant jsonValueToVariant(const QJsonValue& value)
{
    if (!value.isString())
        return value.toVariant();
    QString text = value.toString();
    if (text == QLatin1String("null") || text == QLatin1String("undefined"))
        return QVariant();
    if (text == QLatin1String("true"))
        return QVariant(true);
    if (text == QLatin1String("false"))
        return QVariant(false);
    const int percent = text.indexOf(QLatin1Char('%'));
    if (percent >= 0)
        text.remove(percent, 1);
    bool ok = false;
    const int integer = text.toInt(&ok, 10);
    if (ok)
        return QVariant(integer);
    const double number = text.toDouble(&ok);
    if (ok)
        return QVariant(number);
    return value.toVariant();
}

} // namespace

class Q_DECL_HIDDEN SwitchTime::Private : public QSharedData
{
public:
    // Null here: a random identifier costs the system's random source a call, and only
    // the constructors that keep it draw one.
    QUuid id;
    double value = 0.0;
    QHash<int, QVariant> additionalValues;
    int days = 254;
    QTime start = QTime(0, 0);
    bool limit = false;
    QHash<int, int> timerIds;
    int type = SwitchTime::Time;
    int offset = 0;
    QTime minStart = QTime(6, 0);
    QTime maxEnd = QTime(17, 0);
};

SwitchTime::SwitchTime() : d(new Private)
{
    d->id = QUuid::createUuid();
}

SwitchTime::SwitchTime(const QUuid& id, double value, int days, const QTime& start, int offset,
                       const QTime& minStart, const QTime& maxEnd, bool limit,
                       const QHash<int, QVariant>& additionalValues,
                       const QHash<int, int>& timerIds)
    : d(new Private)
{
    d->id = id;
    d->value = value;
    d->days = days;
    d->start = start;
    d->offset = offset;
    d->minStart = minStart;
    d->maxEnd = maxEnd;
    d->limit = limit;
    d->additionalValues = additionalValues;
    d->timerIds = timerIds;
    d->type = Time;
}

SwitchTime::SwitchTime(const QJsonObject& json) : d(new Private)
{
    // One lookup per key: constFind() answers both whether the key is there and its value.
    const auto end = json.constEnd();
    const auto id = json.constFind(QLatin1String("id"));
    if (id == end) {
        d->id = QUuid::createUuid();
        return;
    }
    d->id = stringToUuid(id.value().toString());
    if (d->id.isNull())
        return;

    const auto days = json.constFind(QLatin1String("days"));
    if (days != end)
        d->days = days.value().toInt(0);
    const auto kind = json.constFind(QLatin1String("kind"));
    if (kind != end)
        d->type = enumValue<SwitchTimeType>(kind.value().toString());
    const auto offset = json.constFind(QLatin1String("offset"));
    if (offset != end)
        d->offset = offset.value().toInt(0);
    const auto start = json.constFind(QLatin1String("start"));
    if (start != end)
        d->start = minutesAfterMidnight(start.value());
    const auto notBefore = json.constFind(QLatin1String("notBefore"));
    if (notBefore != end)
        d->minStart = minutesAfterMidnight(notBefore.value());
    const auto notAfter = json.constFind(QLatin1String("notAfter"));
    if (notAfter != end)
        d->maxEnd = minutesAfterMidnight(notAfter.value());

    const QJsonValue values = json.value(QLatin1String("values"));
    if (!values.isArray())
        return;
    const QJsonArray array = values.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject entry = array.at(i).toObject();
        // An entry without a value still takes its position.
        const auto value = entry.constFind(QLatin1String("value"));
        if (value == entry.constEnd())
            continue;
        const double number = jsonValueToVariant(value.value()).toDouble();
        if (i == 0)
            d->value = number;
        else
            d->additionalValues.insert(i, QVariant(number));
    }
}

SwitchTime::SwitchTime(const SwitchTime& other) = default;
SwitchTime::SwitchTime(SwitchTime&& other) noexcept = default;
SwitchTime::~SwitchTime() = default;
SwitchTime& SwitchTime::operator=(const SwitchTime& other) = default;
SwitchTime& SwitchTime::operator=(SwitchTime&& other) noexcept = default;

bool SwitchTime::operator==(const SwitchTime& other) const
{
    return d == other.d;
}

bool SwitchTime::operator!=(const SwitchTime& other) const
{
    return d != other.d;
}

bool SwitchTime::isValid() const
{
    return !d->id.isNull();
}

QUuid SwitchTime::id() const
{
    return d->id;
}

void SwitchTime::setId(const QUuid& id)
{
    d->id = id;
}

double SwitchTime::value() const
{
    return d->value;
}

void SwitchTime::setValue(double value)
{
    d->value = value;
}

int SwitchTime::days() const
{
    return d->days;
}

void SwitchTime::setDays(int days)
{
    d->days = days;
}

QTime SwitchTime::start() const
{
    return d->start;
}

void SwitchTime::setStart(const QTime& start)
{
    d->start = start;
}

SwitchTime::SwitchTimeType SwitchTime::type() const
{
    return static_cast<SwitchTimeType>(d->type);
}

void SwitchTime::setType(const SwitchTimeType& type)
{
    d->type = type;
}

int SwitchTime::offset() const
{
    return d->offset;
}

void SwitchTime::setOffset(int offset)
{
    d->offset = offset;
}

bool SwitchTime::limit() const
{
    return d->limit;
}

void SwitchTime::setLimit(bool limit)
{
    d->limit = limit;
}

QTime SwitchTime::minStart() const
{
    return d->minStart;
}

void SwitchTime::setMinStart(const QTime& minStart)
{
    d->minStart = minStart;
}

QTime SwitchTime::maxEnd() const
{
    return d->maxEnd;
}

void SwitchTime::setMaxEnd(const QTime& maxEnd)
{
    d->maxEnd = maxEnd;
}

QHash<int, int>& SwitchTime::timerIds()
{
    return d->timerIds;
}

const QHash<int, int>& SwitchTime::timerIds() const
{
    return d->timerIds;
}

QVariant SwitchTime::additionalValue(int index) const
{
    // Looking an index up registers it, so that it is listed and written from then on;
    // through data(), as the const block's operator[] would not insert.
    return d.data()->additionalValues[index];
}

void SwitchTime::setAdditionalValue(int index, const QVariant& value)
{
    d->additionalValues.insert(index, value);
}

namespace {

// QVariant::isNull() as Qt 5 answers it: Qt 6 answers false for a variant that holds a null
// value (a null QString, an invalid QDate), and an additional value holding one is absent.
bool isNullValue(const QVariant& value)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return value.isNull();
#else
    switch (value.userType()) {
    case QMetaType::QString:
        return value.toString().isNull();
    case QMetaType::QByteArray:
        return value.toByteArray().isNull();
    case QMetaType::QChar:
        return value.toChar().isNull();
    case QMetaType::QDate:
        return value.toDate().isNull();
    case QMetaType::QTime:
        return value.toTime().isNull();
    case QMetaType::QDateTime:
        return value.toDateTime().isNull();
    case QMetaType::QUuid:
        return value.toUuid().isNull();
    default:
        return value.isNull();
    }
#endif
}

} // namespace

bool SwitchTime::hasAdditionalValue(int index) const
{
    const auto it = d->additionalValues.constFind(index);
    return it != d->additionalValues.constEnd() && !isNullValue(*it);
}

const QHash<int, QVariant>& SwitchTime::additionalValues() const
{
    return d->additionalValues;
}

QList<int> SwitchTime::additionalValueIndexes() const
{
    return sortedKeys(d->additionalValues);
}

void SwitchTime::beginSerialize(QXmlStreamWriter* writer) const
{
    // The attribute order is part of the file format.
    writer->writeStartElement(ns::Profile, QStringLiteral("switchTime"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    writer->writeAttribute(QStringLiteral("value"), QString::number(d->value, 'g', 6));
    if (!d->additionalValues.isEmpty())
        writer->writeAttribute(QStringLiteral("additionalValues"),
                               QString::fromLatin1(encodeAdditionalValues(d->additionalValues)));
    writer->writeAttribute(QStringLiteral("days"), QString::number(d->days));
    writer->writeAttribute(QStringLiteral("start"), d->start.toString(Qt::TextDate));
    if (d->type != Time) {
        writer->writeAttribute(QStringLiteral("offset"), QString::number(d->offset));
        writer->writeAttribute(QStringLiteral("minStart"), d->minStart.toString(Qt::TextDate));
        writer->writeAttribute(QStringLiteral("maxEnd"), d->maxEnd.toString(Qt::TextDate));
    }
    if (d->limit)
        writer->writeAttribute(QStringLiteral("limit"), trueFalseText(d->limit));
    writeTimers(writer, d->timerIds);
}

void SwitchTime::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

bool SwitchTime::equals(const SwitchTime& other) const
{
    // Merges treat every matching switch time as changed, so that the device's timers
    // are always rebuilt from the administrator's version.
    Q_UNUSED(other)
    return false;
}

namespace {

// Whether every identifier of @p a is among those of @p b.
bool identifiersContained(const QList<SwitchTime>& a, const QList<SwitchTime>& b)
{
    for (const SwitchTime& x : a) {
        const QUuid id = x.id();
        const auto hasId = [&id](const SwitchTime& y) { return y.id() == id; };
        if (std::none_of(b.cbegin(), b.cend(), hasId))
            return false;
    }
    return true;
}

bool sameIdentifiers(const QList<SwitchTime>& a, const QList<SwitchTime>& b)
{
    // A schedule holds a handful of entries, and the merges compare one per function and
    // group: pairwise comparison gives the answer of two identifier sets without building
    // them. Long lists still go through sets, so that the test stays linear.
    constexpr int PairwiseLimit = 16;
    if (a.size() <= PairwiseLimit && b.size() <= PairwiseLimit)
        return identifiersContained(a, b) && identifiersContained(b, a);
    QSet<QUuid> idsOfA;
    for (const SwitchTime& x : a)
        idsOfA.insert(x.id());
    QSet<QUuid> idsOfB;
    for (const SwitchTime& y : b)
        idsOfB.insert(y.id());
    return idsOfA == idsOfB;
}

} // namespace

bool SwitchTime::notEqual(const QList<SwitchTime>& a, const QList<SwitchTime>& b)
{
    if (!sameIdentifiers(a, b))
        return true;

    for (const SwitchTime& x : a) {
        for (const SwitchTime& y : b) {
            if (x.id() == y.id() && !x.equals(y))
                return true;
        }
    }
    return false;
}

void SwitchTime::print() const
{
    if (!traceEnabled())
        return;
    const QString text =
        QStringLiteral(">> SwitchTime ID = %1, VALUE = %2, DAYS = %3, START = %4, LIMIT = %5, "
                       "TIMER_IDS = ")
            .arg(uuidToString(d->id), QString::number(d->value), QString::number(d->days),
                 d->start.toString(Qt::TextDate), QString::number(d->limit ? 1 : 0));
    qCDebug(lcMerge).noquote() << text << d->timerIds;
}

QDebug operator<<(QDebug debug, const SwitchTime& switchTime)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "SwitchTime(" << DebugId{switchTime.id()} << ' '
                    << debugKey(switchTime.type()) << ' '
                    << qUtf8Printable(switchTime.start().toString(Qt::TextDate))
                    << " value=" << switchTime.value() << " days=" << switchTime.days() << ')';
    return debug;
}

} // namespace projects
