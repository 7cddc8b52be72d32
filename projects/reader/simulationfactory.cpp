#include "simulationfactory.h"

#include "nullfactory.h"

#include <projects/common/conversions.h>

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

// The days of one simulation element on which no local time is skipped or repeated: the
// offset from UTC is the same at noon the day before and at noon the day after. The four
// date-times of an element mostly share one day, which is then asked about once.
class SteadyDays
{
public:
    bool contains(const QDate& date)
    {
        for (int i = 0; i < m_count; ++i) {
            if (m_dates[i] == date)
                return m_steady[i];
        }
        const QDateTime before(date.addDays(-1), QTime(12, 0));
        const QDateTime after(date.addDays(1), QTime(12, 0));
        const bool steady = before.isValid() && after.isValid()
                            && before.offsetFromUtc() == after.offsetFromUtc();
        if (m_count < Size) {
            m_dates[m_count] = date;
            m_steady[m_count] = steady;
            ++m_count;
        }
        return steady;
    }

private:
    static constexpr int Size = 4;
    QDate m_dates[Size];
    bool m_steady[Size] = {};
    int m_count = 0;
};

QDateTime dateTimeAttribute(const QXmlAttributes& attributes, const QString& name,
                            SteadyDays& steadyDays)
{
    // QDateTime::fromString() sets up a parser for the format on every call, several times
    // the cost of the date-time itself. A text of exactly the written form is read here
    // instead, on days without a change of the UTC offset, where a local date-time is one
    // instant whatever way it is built. Anything else (other forms, invalid fields, the days
    // whose local times daylight saving skips or repeats) goes to Qt's parser.
    const QString text = attributes.value(name);
    const QChar* c = text.constData();
    if (text.size() == 19 && c[4] == QLatin1Char('-') && c[7] == QLatin1Char('-')
        && c[10] == QLatin1Char(' ') && c[13] == QLatin1Char(':') && c[16] == QLatin1Char(':')) {
        const QDate date(digitsValue(c, 4), digitsValue(c + 5, 2), digitsValue(c + 8, 2));
        const int hour = digitsValue(c + 11, 2);
        const int minute = digitsValue(c + 14, 2);
        const int second = digitsValue(c + 17, 2);
        if (date.isValid() && QTime::isValid(hour, minute, second) && steadyDays.contains(date))
            return QDateTime(date, QTime(hour, minute, second));
    }
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int intAttribute(const QXmlAttributes& attributes, const QString& name)
{
    return attributes.value(name).toInt(nullptr, 10);
}

bool boolAttribute(const QXmlAttributes& attributes, const QString& name)
{
    return stringToBool(attributes.value(name));
}

} // namespace

Simulation simulationFromAttributes(const QXmlAttributes& attributes, Function::FunctionType type)
{
    const int id = intAttribute(attributes, QStringLiteral("id"));
    const bool enabled = boolAttribute(attributes, QStringLiteral("enabled"));
    const bool startTimeEnable = boolAttribute(attributes, QStringLiteral("startTimeEnable"));
    const bool startOnNight = boolAttribute(attributes, QStringLiteral("startOnNight"));
    SteadyDays steadyDays;
    const QDateTime startTime =
        dateTimeAttribute(attributes, QStringLiteral("startTime"), steadyDays);
    const bool endTimeEnable = boolAttribute(attributes, QStringLiteral("endTimeEnable"));
    const bool endOnNight = boolAttribute(attributes, QStringLiteral("endOnNight"));
    const QDateTime endTime = dateTimeAttribute(attributes, QStringLiteral("endTime"), steadyDays);
    const bool pauseTimeEnable = boolAttribute(attributes, QStringLiteral("pauseTimeEnable"));
    const QDateTime pauseEndTime =
        dateTimeAttribute(attributes, QStringLiteral("pauseEndTime"), steadyDays);
    const QDateTime pauseStartTime =
        dateTimeAttribute(attributes, QStringLiteral("pauseStartTime"), steadyDays);
    const int delayStart = intAttribute(attributes, QStringLiteral("delayStart"));
    const int delayEnd = intAttribute(attributes, QStringLiteral("delayEnd"));
    const int durationStart = intAttribute(attributes, QStringLiteral("durationStart"));
    const int durationEnd = intAttribute(attributes, QStringLiteral("durationEnd"));
    const bool repeat = boolAttribute(attributes, QStringLiteral("repeat"));
    const int startJobId = intAttribute(attributes, QStringLiteral("startJobId"));
    const int endJobId = intAttribute(attributes, QStringLiteral("endJobId"));
    const int simulationDatapoint = intAttribute(attributes, QStringLiteral("simulationDatapoint"));

    // Invalid date-times are replaced by their defaults in the constructor.
    return Simulation(id, type, startTimeEnable, startOnNight, startTime, endTimeEnable,
                      endOnNight, endTime, pauseTimeEnable, pauseEndTime, pauseStartTime,
                      delayStart, delayEnd, durationStart, durationEnd, repeat, enabled,
                      startJobId, endJobId, simulationDatapoint);
}

SimulationFactory::SimulationFactory(const Simulation& simulation)
    : m_simulation(simulation)
{
}

SimulationFactory::~SimulationFactory() = default;

IFactory* SimulationFactory::createChild(const QString&, const QString& localName,
                                         const QXmlAttributes& attributes)
{
    if (nameIs(localName, "timer")) {
        const int id = attributes.value(QStringLiteral("id")).toInt(nullptr, 10);
        const int day = attributes.value(QStringLiteral("day")).toInt(nullptr, 10);
        m_simulation.timerIds().insert(day, id);
        return new NullFactory;
    }
    return new NullFactory(NullFactory::UnknownElement);
}

QT_WARNING_POP
