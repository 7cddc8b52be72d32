// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "switchtimefactory.h"

#include "nullfactory.h"

#include <projects/common/additionalvalues_p.h>
#include <projects/common/conversions.h>
#include <projects/common/timers_p.h>

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QMetaType>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

namespace {

// Loading a GUI type (QPixmap, QIcon, ...) needs a GUI application and may abort the
// process without one; containers and user types may nest such values. The blob comes
// from a file, so only plain core values are let through.
bool isAcceptedType(quint32 typeId)
{
    switch (typeId) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return true;
    default:
        return false;
    }
}

// Where a date-time variant keeps its time spec in the stream version of the additional
// values: after the type number, the null flag, the Julian day and the milliseconds.
constexpr int dateTimeSpecAt = dateTimeSpecOffset(additionalValuesStreamVersion);
static_assert(dateTimeSpecAt == 4 + 1 + 8 + 4, "the layout of Qt 5.15's date-time variant");

// A date-time in a named time zone makes Qt look the zone up in the system's zone files by
// a name taken from the blob, and such a name can lead to any file, even a pipe that never
// ends. Local time, UTC and fixed offsets need no lookup; Qt reads any other time spec as
// local time, which would change the value. @p head holds the variant's first bytes, up
// to its time spec.
bool isAcceptedValue(const QByteArray& head)
{
    if (head.size() < 4)
        return false;
    quint32 typeId = 0;
    QDataStream(head) >> typeId;
    if (!isAcceptedType(typeId))
        return false;
    if (typeId != QMetaType::QDateTime)
        return true;
    if (head.size() <= dateTimeSpecAt)
        return false;
    switch (head.at(dateTimeSpecAt)) {
    case Qt::LocalTime:
    case Qt::UTC:
    case Qt::OffsetFromUTC:
        return true;
    default:
        return false;
    }
}

// The container form of QDataStream, read entry by entry so that each value's type
// number can be checked before QVariant loads it.
QHash<int, QVariant> decodeAdditionalValues(const QByteArray& bytes)
{
    QHash<int, QVariant> table;
    QDataStream stream(bytes);
    // The version the writer sets: the stream's default changes with the Qt version.
    stream.setVersion(additionalValuesStreamVersion);
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 key = 0;
        stream >> key;
        if (!isAcceptedValue(stream.device()->peek(dateTimeSpecAt + 1)))
            return {};
        QVariant value;
        stream >> value;
        if (stream.status() != QDataStream::Ok)
            return {};
        table.insert(key, value);
    }
    if (stream.status() != QDataStream::Ok)
        return {};
    return table;
}

} // namespace

SwitchTime switchTimeFromAttributes(const QXmlAttributes& attributes)
{
    QHash<int, QVariant> additionalValues;
    const QByteArray bytes =
        QByteArray::fromHex(attributes.value(QStringLiteral("additionalValues")).toLatin1());
    if (!bytes.isEmpty())
        additionalValues = decodeAdditionalValues(bytes);

    const QString maxEndText = attributes.value(QStringLiteral("maxEnd"));
    const QTime maxEnd =
        maxEndText.isEmpty() ? QTime(17, 0) : QTime::fromString(maxEndText, Qt::TextDate);
    const QString minStartText = attributes.value(QStringLiteral("minStart"));
    const QTime minStart =
        minStartText.isEmpty() ? QTime(6, 0) : QTime::fromString(minStartText, Qt::TextDate);
    const QString offsetText = attributes.value(QStringLiteral("offset"));
    const int offset = offsetText.isEmpty() ? 0 : decimalValue(offsetText);
    // Unlike the other boolean attributes, the limit is set only by this exact text.
    const bool limit = attributes.value(QStringLiteral("limit")) == QLatin1String("true");
    const QTime start = QTime::fromString(attributes.value(QStringLiteral("start")), Qt::TextDate);
    const int days = decimalValue(attributes.value(QStringLiteral("days")));
    const double value = attributes.value(QStringLiteral("value")).toDouble();
    const QUuid id = stringToUuid(attributes.value(QStringLiteral("id")));

    SwitchTime switchTime(id, value, days, start, offset, minStart, maxEnd, limit, additionalValues,
                          QHash<int, int>());
    // Only documents of the complete form carry the kind.
    if (const auto kind =
            completeEnumValue<SwitchTime::SwitchTimeType>(attributes, QLatin1String("kind")))
        switchTime.setType(SwitchTime::SwitchTimeType(*kind));
    return switchTime;
}

SwitchTimeFactory::SwitchTimeFactory(const SwitchTime& switchTime) : m_switchTime(switchTime) {}

SwitchTimeFactory::~SwitchTimeFactory() = default;

IFactory* SwitchTimeFactory::forElement(QList<SwitchTime>& owner, const QXmlAttributes& attributes)
{
    const SwitchTime switchTime = switchTimeFromAttributes(attributes);
    owner.append(switchTime);
    return new SwitchTimeFactory(switchTime);
}

IFactory* SwitchTimeFactory::createChild(const QString&, const QString& localName,
                                         const QXmlAttributes& attributes)
{
    return timerChild(localName, attributes, m_switchTime.timerIds());
}

QT_WARNING_POP
