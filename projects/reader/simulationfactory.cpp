#include "simulationfactory.h"

#include "nullfactory.h"

#include <projects/common/conversions.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

namespace {

QDateTime dateTimeAttribute(const QXmlAttributes& attributes, const QString& name)
{
    return QDateTime::fromString(attributes.value(name), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
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
    const QDateTime startTime = dateTimeAttribute(attributes, QStringLiteral("startTime"));
    const bool endTimeEnable = boolAttribute(attributes, QStringLiteral("endTimeEnable"));
    const bool endOnNight = boolAttribute(attributes, QStringLiteral("endOnNight"));
    const QDateTime endTime = dateTimeAttribute(attributes, QStringLiteral("endTime"));
    const bool pauseTimeEnable = boolAttribute(attributes, QStringLiteral("pauseTimeEnable"));
    const QDateTime pauseEndTime = dateTimeAttribute(attributes, QStringLiteral("pauseEndTime"));
    const QDateTime pauseStartTime =
        dateTimeAttribute(attributes, QStringLiteral("pauseStartTime"));
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
