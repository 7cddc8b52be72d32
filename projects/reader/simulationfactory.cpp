// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "simulationfactory.h"

#include "nullfactory.h"

#include <projects/common/conversions.h>
#include <projects/common/texts_p.h>
#include <projects/common/timers_p.h>

#include <limits>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

namespace {

// The value of @p count ASCII digits at @p text, or -1 if one of them is no digit.
int digitsValue(const QChar* text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const ushort u = text[i].unicode();
        if (u < '0' || u > '9')
            return -1;
        value = value * 10 + (u - '0');
    }
    return value;
}

// Reads the date-times of the simulation elements of a document. QDateTime::fromString()
// sets up a parser for the format on every call, several times the cost of the date-time
// itself, and every local date-time costs a time-zone conversion in the C library (with
// TZ unset, a stat of /etc/localtime as well). A text of exactly the written form is
// therefore read here, on days without a change of the offset from UTC: there a local
// date-time is one instant, however and whenever it is built, so the value is kept in the
// document's cache for the next element with the same text, and the days checked are kept
// too. Anything else (other forms, invalid fields, the days whose local times daylight
// saving skips or repeats) goes to Qt's parser every time.
class DateTimeReader
{
public:
    explicit DateTimeReader(ReadCache* cache) : m_cache(cache) {}

    QDateTime read(const QString& text)
    {
        const auto known = m_cache->dateTimes.constFind(text);
        if (known != m_cache->dateTimes.constEnd())
            return *known;
        const QChar* c = text.constData();
        if (text.size() == 19 && c[4] == QLatin1Char('-') && c[7] == QLatin1Char('-') &&
            c[10] == QLatin1Char(' ') && c[13] == QLatin1Char(':') && c[16] == QLatin1Char(':')) {
            const QDate date(digitsValue(c, 4), digitsValue(c + 5, 2), digitsValue(c + 8, 2));
            const int hour = digitsValue(c + 11, 2);
            const int minute = digitsValue(c + 14, 2);
            const int second = digitsValue(c + 17, 2);
            if (date.isValid() && QTime::isValid(hour, minute, second) && isSteady(date)) {
                const QDateTime value(date, QTime(hour, minute, second));
                m_cache->dateTimes.insert(kept(text), value);
                return value;
            }
        }
        return dateTimeFromText(text);
    }

private:
    // Whether the offset from UTC is the same two days before @p date and three days after
    // it, in UTC: then it is the same all through the local day, whatever the time zone.
    bool isSteady(const QDate& date)
    {
        const qint64 day = date.toJulianDay();
        const auto known = m_cache->steadyDays.constFind(day);
        if (known != m_cache->steadyDays.constEnd())
            return *known;
        const qint64 sinceEpoch = day - EpochJulianDay;
        const qint64 before = offsetAt((sinceEpoch - 2) * MSecsPerDay);
        const bool steady =
            before != NoOffset && before == offsetAt((sinceEpoch + 3) * MSecsPerDay);
        m_cache->steadyDays.insert(day, steady);
        return steady;
    }

    // The local time's offset from UTC, in milliseconds, at the instant @p msecs after the
    // epoch: one conversion to local time, where offsetFromUtc() would take two.
    static qint64 offsetAt(qint64 msecs)
    {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
        if (!local.isValid())
            return NoOffset;
        return (local.date().toJulianDay() - EpochJulianDay) * MSecsPerDay +
               local.time().msecsSinceStartOfDay() - msecs;
    }

    static constexpr qint64 EpochJulianDay = 2440588; // 1970-01-01
    static constexpr qint64 MSecsPerDay = 86400000;
    static constexpr qint64 NoOffset = std::numeric_limits<qint64>::min();
    ReadCache* m_cache;
};

int intAttribute(const QXmlAttributes& attributes, const QString& name)
{
    return decimalValue(attributes.value(name));
}

bool boolAttribute(const QXmlAttributes& attributes, const QString& name)
{
    return stringToBool(attributes.value(name));
}

} // namespace

Simulation simulationFromAttributes(const QXmlAttributes& attributes, Function::FunctionType type,
                                    ReadCache* cache)
{
    const int id = intAttribute(attributes, QStringLiteral("id"));
    const bool enabled = boolAttribute(attributes, QStringLiteral("enabled"));
    const bool startTimeEnable = boolAttribute(attributes, QStringLiteral("startTimeEnable"));
    const bool startOnNight = boolAttribute(attributes, QStringLiteral("startOnNight"));
    DateTimeReader dateTimes(cache);
    const QDateTime startTime = dateTimes.read(attributes.value(QStringLiteral("startTime")));
    const bool endTimeEnable = boolAttribute(attributes, QStringLiteral("endTimeEnable"));
    const bool endOnNight = boolAttribute(attributes, QStringLiteral("endOnNight"));
    const QDateTime endTime = dateTimes.read(attributes.value(QStringLiteral("endTime")));
    const bool pauseTimeEnable = boolAttribute(attributes, QStringLiteral("pauseTimeEnable"));
    const QDateTime pauseEndTime = dateTimes.read(attributes.value(QStringLiteral("pauseEndTime")));
    const QDateTime pauseStartTime =
        dateTimes.read(attributes.value(QStringLiteral("pauseStartTime")));
    const int delayStart = intAttribute(attributes, QStringLiteral("delayStart"));
    const int delayEnd = intAttribute(attributes, QStringLiteral("delayEnd"));
    const int durationStart = intAttribute(attributes, QStringLiteral("durationStart"));
    const int durationEnd = intAttribute(attributes, QStringLiteral("durationEnd"));
    const bool repeat = boolAttribute(attributes, QStringLiteral("repeat"));
    const int startJobId = intAttribute(attributes, QStringLiteral("startJobId"));
    const int endJobId = intAttribute(attributes, QStringLiteral("endJobId"));
    const int simulationDatapoint = intAttribute(attributes, QStringLiteral("simulationDatapoint"));

    // Invalid date-times are replaced by their defaults in the constructor.
    return Simulation(id, type, startTimeEnable, startOnNight, startTime, endTimeEnable, endOnNight,
                      endTime, pauseTimeEnable, pauseEndTime, pauseStartTime, delayStart, delayEnd,
                      durationStart, durationEnd, repeat, enabled, startJobId, endJobId,
                      simulationDatapoint);
}

SimulationFactory::SimulationFactory(const Simulation& simulation) : m_simulation(simulation) {}

SimulationFactory::~SimulationFactory() = default;

IFactory* SimulationFactory::createChild(const QString&, const QString& localName,
                                         const QXmlAttributes& attributes)
{
    return timerChild(localName, attributes, m_simulation.timerIds());
}

QT_WARNING_POP
