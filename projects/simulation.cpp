// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "simulation.h"

#include "common/debug_p.h"
#include "common/namespaces.h"
#include "common/texts_p.h"
#include "common/timers_p.h"

#include <QDate>
#include <QSharedData>
#include <QTime>
#include <QXmlStreamWriter>

namespace projects {

namespace {

// The date-time fields whose value is still the default of the constructors, today at a
// fixed time of day.
enum DefaultField : quint8 {
    StartDefault = 0x1,
    EndDefault = 0x2,
    PauseEndDefault = 0x4,
    PauseStartDefault = 0x8,
    AllDefaults = 0xF
};

} // namespace

class Q_DECL_HIDDEN Simulation::Private : public QSharedData
{
public:
    int id = -1;
    // Every owner sets the type right after construction.
    Function::FunctionType type = Function::Unknown;
    bool startTimeEnable = false;
    bool startOnNight = false;
    QDateTime startTime;
    bool endTimeEnable = false;
    bool endOnNight = false;
    QDateTime endTime;
    bool pauseTimeEnable = false;
    QDateTime pauseEndTime;
    QDateTime pauseStartTime;
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

    // A local date-time costs a time-zone conversion in the C library, more than all the
    // rest of a simulation, and every function owns a simulation that reading or a JSON
    // import mostly replaces or never looks at. So the defaults, today at a fixed time, are
    // built when they are read, from the day of the moment the block was made.
    qint64 createdAt = QDateTime::currentMSecsSinceEpoch();
    quint8 defaults = AllDefaults;

    QDateTime dateTime(const QDateTime& stored, DefaultField field, int hour, int minute) const
    {
        if (!(defaults & field))
            return stored;
        return QDateTime(QDateTime::fromMSecsSinceEpoch(createdAt).date(), QTime(hour, minute));
    }
    QDateTime start() const { return dateTime(startTime, StartDefault, 12, 0); }
    QDateTime end() const { return dateTime(endTime, EndDefault, 11, 59); }
    QDateTime pauseEnd() const { return dateTime(pauseEndTime, PauseEndDefault, 5, 0); }
    QDateTime pauseStart() const { return dateTime(pauseStartTime, PauseStartDefault, 23, 0); }

    void set(QDateTime& stored, DefaultField field, const QDateTime& value)
    {
        stored = value;
        defaults &= ~field;
    }
    // The constructor's rule: an invalid date-time keeps its default.
    void setValidOrDefault(QDateTime& stored, DefaultField field, const QDateTime& value)
    {
        if (value.isValid())
            set(stored, field, value);
    }
};

Simulation::Simulation() : d(new Private) {}

Simulation::Simulation(int id, Function::FunctionType type, bool startTimeEnable, bool startOnNight,
                       const QDateTime& startTime, bool endTimeEnable, bool endOnNight,
                       const QDateTime& endTime, bool pauseTimeEnable,
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
    d->setValidOrDefault(d->startTime, StartDefault, startTime);
    d->endTimeEnable = endTimeEnable;
    d->endOnNight = endOnNight;
    d->setValidOrDefault(d->endTime, EndDefault, endTime);
    d->pauseTimeEnable = pauseTimeEnable;
    d->setValidOrDefault(d->pauseEndTime, PauseEndDefault, pauseEndTime);
    d->setValidOrDefault(d->pauseStartTime, PauseStartDefault, pauseStartTime);
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
    return d->start();
}

void Simulation::setStartTime(const QDateTime& time)
{
    d->set(d->startTime, StartDefault, time);
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
    return d->end();
}

void Simulation::setEndTime(const QDateTime& time)
{
    d->set(d->endTime, EndDefault, time);
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
    return d->pauseStart();
}

void Simulation::setPauseStartTime(const QDateTime& time)
{
    d->set(d->pauseStartTime, PauseStartDefault, time);
}

QDateTime Simulation::pauseEndTime() const
{
    return d->pauseEnd();
}

void Simulation::setPauseEndTime(const QDateTime& time)
{
    d->set(d->pauseEndTime, PauseEndDefault, time);
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
    // Declared const, yet the reference it hands out lets the caller change the block.
    return d.data()->timerIds;
}

void Simulation::setTimerIds(const QHash<int, int>& timerIds)
{
    d->timerIds = timerIds;
}

void Simulation::beginSerialize(QXmlStreamWriter* writer) const
{
    const bool asciiDigits = systemHasAsciiDigits();
    // The attribute order is part of the file format.
    writer->writeStartElement(ns::Profile, QStringLiteral("simulation"));
    writer->writeAttribute(QStringLiteral("id"), QString::number(d->id));
    writer->writeAttribute(QStringLiteral("enabled"), trueFalseText(d->enabled));
    writer->writeAttribute(QStringLiteral("startTimeEnable"), trueFalseText(d->startTimeEnable));
    writer->writeAttribute(QStringLiteral("startOnNight"), trueFalseText(d->startOnNight));
    writer->writeAttribute(QStringLiteral("startTime"), dateTimeText(d->start(), asciiDigits));
    writer->writeAttribute(QStringLiteral("endTimeEnable"), trueFalseText(d->endTimeEnable));
    writer->writeAttribute(QStringLiteral("endOnNight"), trueFalseText(d->endOnNight));
    writer->writeAttribute(QStringLiteral("endTime"), dateTimeText(d->end(), asciiDigits));
    writer->writeAttribute(QStringLiteral("pauseTimeEnable"), trueFalseText(d->pauseTimeEnable));
    writer->writeAttribute(QStringLiteral("pauseEndTime"),
                           dateTimeText(d->pauseEnd(), asciiDigits));
    writer->writeAttribute(QStringLiteral("pauseStartTime"),
                           dateTimeText(d->pauseStart(), asciiDigits));
    writer->writeAttribute(QStringLiteral("delayStart"), QString::number(d->delayStart));
    writer->writeAttribute(QStringLiteral("delayEnd"), QString::number(d->delayEnd));
    writer->writeAttribute(QStringLiteral("durationStart"), QString::number(d->durationStart));
    writer->writeAttribute(QStringLiteral("durationEnd"), QString::number(d->durationEnd));
    writer->writeAttribute(QStringLiteral("repeat"), trueFalseText(d->repeat));
    writer->writeAttribute(QStringLiteral("startJobId"), QString::number(d->startJobId));
    writer->writeAttribute(QStringLiteral("endJobId"), QString::number(d->endJobId));
    writer->writeAttribute(QStringLiteral("simulationDatapoint"),
                           QString::number(d->simulationDatapoint));

    writeTimers(writer, d->timerIds);
}

void Simulation::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

bool Simulation::equals(const Simulation& other) const
{
    if (d->id != other.d->id || d->type != other.d->type || d->start() != other.d->start())
        return false;
    if (d->startOnNight != other.d->startOnNight ||
        d->startTimeEnable != other.d->startTimeEnable || d->delayStart != other.d->delayStart ||
        d->delayEnd != other.d->delayEnd || d->enabled != other.d->enabled)
        return false;
    // Only switching and dimming simulations use the end, pause and duration settings.
    if (d->type == Function::Switch || d->type == Function::Dimming) {
        return d->endTimeEnable == other.d->endTimeEnable && d->endOnNight == other.d->endOnNight &&
               d->end() == other.d->end() && d->pauseTimeEnable == other.d->pauseTimeEnable &&
               d->pauseStart() == other.d->pauseStart() &&
               d->durationStart == other.d->durationStart && d->durationEnd == other.d->durationEnd;
    }
    return true;
}

bool Simulation::mergeAdminSettings(const Simulation& other, bool force)
{
    const bool changed = force || !equals(other);
    d = other.d;
    return changed;
}

QDebug operator<<(QDebug debug, const Simulation& simulation)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Simulation(" << simulation.id() << ' ' << debugKey(simulation.type())
                    << " enabled=" << simulation.enabled() << ')';
    return debug;
}

} // namespace projects
