#include "simulation.h"

#include "common/namespaces.h"

#include <QDate>
#include <QSharedData>
#include <QTime>
#include <QXmlStreamWriter>

namespace projects {

namespace {

QDateTime today(int hour, int minute)
{
    return QDateTime(QDate::currentDate(), QTime(hour, minute));
}

QDateTime validOr(const QDateTime& value, int hour, int minute)
{
    return value.isValid() ? value : today(hour, minute);
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString dateTimeText(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class Q_DECL_HIDDEN Simulation::Private : public QSharedData
{
public:
    int id = -1;
    // Every owner sets the type right after construction.
    Function::FunctionType type = Function::Unknown;
    bool startTimeEnable = false;
    bool startOnNight = false;
    QDateTime startTime = today(12, 0);
    bool endTimeEnable = false;
    bool endOnNight = false;
    QDateTime endTime = today(11, 59);
    bool pauseTimeEnable = false;
    QDateTime pauseEndTime = today(5, 0);
    QDateTime pauseStartTime = today(23, 0);
    int startJobId = -1;
    int endJobId = -1;
    QHash<int, int> timerIds;
    int simulationDatapoint = -1;
    int delayStart = 0;
    int delayEnd = 0;
    int durationStart = 1;
    int durationEnd = 1;
    bool repeat = false;
    bool enabled = false;
};

Simulation::Simulation()
    : d(new Private)
{
}

Simulation::Simulation(int id, Function::FunctionType type, bool startTimeEnable,
                       bool startOnNight, const QDateTime& startTime, bool endTimeEnable,
                       bool endOnNight, const QDateTime& endTime, bool pauseTimeEnable,
                       const QDateTime& pauseEndTime, const QDateTime& pauseStartTime,
                       int delayStart, int delayEnd, int durationStart, int durationEnd,
                       bool repeat, bool enabled, int startJobId, int endJobId,
                       int simulationDatapoint)
    : d(new Private)
{
    d->id = id;
    d->type = type;
    d->startTimeEnable = startTimeEnable;
    d->startOnNight = startOnNight;
    d->startTime = validOr(startTime, 12, 0);
    d->endTimeEnable = endTimeEnable;
    d->endOnNight = endOnNight;
    d->endTime = validOr(endTime, 11, 59);
    d->pauseTimeEnable = pauseTimeEnable;
    d->pauseEndTime = validOr(pauseEndTime, 5, 0);
    d->pauseStartTime = validOr(pauseStartTime, 23, 0);
    d->delayStart = delayStart;
    d->delayEnd = delayEnd;
    d->durationStart = durationStart;
    d->durationEnd = durationEnd;
    d->repeat = repeat;
    d->enabled = enabled;
    d->startJobId = startJobId;
    d->endJobId = endJobId;
    d->simulationDatapoint = simulationDatapoint;
}

Simulation::Simulation(const Simulation& other) = default;
Simulation::Simulation(Simulation&& other) noexcept = default;
Simulation::~Simulation() = default;
Simulation& Simulation::operator=(const Simulation& other) = default;
Simulation& Simulation::operator=(Simulation&& other) noexcept = default;

bool Simulation::operator==(const Simulation& other) const
{
    return d == other.d;
}

bool Simulation::operator!=(const Simulation& other) const
{
    return d != other.d;
}

int Simulation::id() const
{
    return d->id;
}

void Simulation::setId(int id)
{
    d->id = id;
}

Function::FunctionType Simulation::type() const
{
    return d->type;
}

void Simulation::setType(Function::FunctionType type)
{
    d->type = type;
}

bool Simulation::startTimeEnable() const
{
    return d->startTimeEnable;
}

void Simulation::setStartTimeEnable(bool enable)
{
    d->startTimeEnable = enable;
}

bool Simulation::startOnNight() const
{
    return d->startOnNight;
}

void Simulation::setStartOnNight(bool onNight)
{
    d->startOnNight = onNight;
}

QDateTime Simulation::startTime() const
{
    return d->startTime;
}

void Simulation::setStartTime(const QDateTime& time)
{
    d->startTime = time;
}

bool Simulation::endTimeEnable() const
{
    return d->endTimeEnable;
}

void Simulation::setEndTimeEnable(bool enable)
{
    d->endTimeEnable = enable;
}

bool Simulation::endOnNight() const
{
    return d->endOnNight;
}

void Simulation::setEndOnNight(bool onNight)
{
    d->endOnNight = onNight;
}

QDateTime Simulation::endTime() const
{
    return d->endTime;
}

void Simulation::setEndTime(const QDateTime& time)
{
    d->endTime = time;
}

bool Simulation::pauseTimeEnable() const
{
    return d->pauseTimeEnable;
}

void Simulation::setPauseTimeEnable(bool enable)
{
    d->pauseTimeEnable = enable;
}

QDateTime Simulation::pauseStartTime() const
{
    return d->pauseStartTime;
}

void Simulation::setPauseStartTime(const QDateTime& time)
{
    d->pauseStartTime = time;
}

QDateTime Simulation::pauseEndTime() const
{
    return d->pauseEndTime;
}

void Simulation::setPauseEndTime(const QDateTime& time)
{
    d->pauseEndTime = time;
}

int Simulation::delayStart() const
{
    return d->delayStart;
}

void Simulation::setDelayStart(int delay)
{
    d->delayStart = delay;
}

int Simulation::delayEnd() const
{
    return d->delayEnd;
}

void Simulation::setDelayEnd(int delay)
{
    d->delayEnd = delay;
}

int Simulation::durationStart() const
{
    return d->durationStart;
}

void Simulation::setDurationStart(int duration)
{
    d->durationStart = duration;
}

int Simulation::durationEnd() const
{
    return d->durationEnd;
}

void Simulation::setDurationEnd(int duration)
{
    d->durationEnd = duration;
}

bool Simulation::repeat() const
{
    return d->repeat;
}

void Simulation::setRepeat(bool repeat)
{
    d->repeat = repeat;
}

bool Simulation::enabled() const
{
    return d->enabled;
}

void Simulation::setEnabled(bool enabled)
{
    d->enabled = enabled;
}

int Simulation::startJobId() const
{
    return d->startJobId;
}

void Simulation::setStartJobId(int id)
{
    d->startJobId = id;
}

int Simulation::endJobId() const
{
    return d->endJobId;
}

void Simulation::setEndJobId(int id)
{
    d->endJobId = id;
}

int Simulation::simulationDatapoint() const
{
    return d->simulationDatapoint;
}

void Simulation::setSimulationDatapoint(int datapoint)
{
    d->simulationDatapoint = datapoint;
}

QHash<int, int>& Simulation::timerIds() const
{
    return d->timerIds;
}

void Simulation::setTimerIds(const QHash<int, int>& timerIds)
{
    d->timerIds = timerIds;
}

void Simulation::beginSerialize(QXmlStreamWriter* writer) const
{
    // The attribute order is part of the file format.
    writer->writeStartElement(ns::Profile, QStringLiteral("simulation"));
    writer->writeAttribute(QStringLiteral("id"), QString::number(d->id));
    writer->writeAttribute(QStringLiteral("enabled"), boolText(d->enabled));
    writer->writeAttribute(QStringLiteral("startTimeEnable"), boolText(d->startTimeEnable));
    writer->writeAttribute(QStringLiteral("startOnNight"), boolText(d->startOnNight));
    writer->writeAttribute(QStringLiteral("startTime"), dateTimeText(d->startTime));
    writer->writeAttribute(QStringLiteral("endTimeEnable"), boolText(d->endTimeEnable));
    writer->writeAttribute(QStringLiteral("endOnNight"), boolText(d->endOnNight));
    writer->writeAttribute(QStringLiteral("endTime"), dateTimeText(d->endTime));
    writer->writeAttribute(QStringLiteral("pauseTimeEnable"), boolText(d->pauseTimeEnable));
    writer->writeAttribute(QStringLiteral("pauseEndTime"), dateTimeText(d->pauseEndTime));
    writer->writeAttribute(QStringLiteral("pauseStartTime"), dateTimeText(d->pauseStartTime));
    writer->writeAttribute(QStringLiteral("delayStart"), QString::number(d->delayStart));
    writer->writeAttribute(QStringLiteral("delayEnd"), QString::number(d->delayEnd));
    writer->writeAttribute(QStringLiteral("durationStart"), QString::number(d->durationStart));
    writer->writeAttribute(QStringLiteral("durationEnd"), QString::number(d->durationEnd));
    writer->writeAttribute(QStringLiteral("repeat"), boolText(d->repeat));
    writer->writeAttribute(QStringLiteral("startJobId"), QString::number(d->startJobId));
    writer->writeAttribute(QStringLiteral("endJobId"), QString::number(d->endJobId));
    writer->writeAttribute(QStringLiteral("simulationDatapoint"),
                           QString::number(d->simulationDatapoint));

    const QList<int> days = d->timerIds.keys();
    for (int day : days) {
        writer->writeStartElement(ns::Profile, QStringLiteral("timer"));
        writer->writeAttribute(QStringLiteral("day"), QString::number(day));
        writer->writeAttribute(QStringLiteral("id"), QString::number(d->timerIds.value(day)));
        writer->writeEndElement();
    }
}

void Simulation::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

bool Simulation::equals(const Simulation& other) const
{
    if (d->id != other.d->id || d->type != other.d->type || d->startTime != other.d->startTime)
        return false;
    if (d->startOnNight != other.d->startOnNight
        || d->startTimeEnable != other.d->startTimeEnable
        || d->delayStart != other.d->delayStart || d->delayEnd != other.d->delayEnd
        || d->enabled != other.d->enabled)
        return false;
    // Only switching and dimming simulations use the end, pause and duration settings.
    if (d->type == Function::Switch || d->type == Function::Dimming) {
        return d->endTimeEnable == other.d->endTimeEnable
               && d->endOnNight == other.d->endOnNight && d->endTime == other.d->endTime
               && d->pauseTimeEnable == other.d->pauseTimeEnable
               && d->pauseStartTime == other.d->pauseStartTime
               && d->durationStart == other.d->durationStart
               && d->durationEnd == other.d->durationEnd;
    }
    return true;
}

bool Simulation::mergeAdminSettings(const Simulation& other, bool force)
{
    const bool changed = force || !equals(other);
    d = other.d;
    return changed;
}

} // namespace projects
