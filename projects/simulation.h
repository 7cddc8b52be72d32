// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_SIMULATION_H
#define PROJECTS_SIMULATION_H

#include <projects/projects_export.h>
#include <projects/function.h>
#include <projects/common/datapointer.h>

#include <QDateTime>
#include <QHash>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief The presence-simulation settings of one function: when the simulation starts
 * and ends, its nightly pause, delays and durations, and the device jobs and timers
 * created for it.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches. Two simulations are equal (==) only when they share one data block; equals()
 * compares contents. The library stores, compares, reads, writes and merges the
 * settings; it does not run the simulation.
 */
class PROJECTS_EXPORT Simulation
{
public:
    /**
     * @brief Creates a simulation with identifier -1, type Unknown, every flag off, start
     * today 12:00, end today 11:59, pause from today 23:00 to today 05:00, no jobs (-1),
     * no datapoint (-1), delays 0, durations 1 and no timers.
     */
    Simulation();
    /**
     * @brief Creates a simulation with the given values and no timers.
     *
     * Each of the four date-times that is not valid is replaced by its default of
     * Simulation() (today at 12:00, 11:59, 05:00 and 23:00). Note the order: the pause
     * end comes before the pause start.
     */
    Simulation(int id, Function::FunctionType type, bool startTimeEnable, bool startOnNight,
               const QDateTime& startTime, bool endTimeEnable, bool endOnNight,
               const QDateTime& endTime, bool pauseTimeEnable, const QDateTime& pauseEndTime,
               const QDateTime& pauseStartTime, int delayStart, int delayEnd, int durationStart,
               int durationEnd, bool repeat, bool enabled, int startJobId, int endJobId,
               int simulationDatapoint);
    /// Shares @p other's data block.
    Simulation(const Simulation& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Simulation(Simulation&& other) noexcept;
    ~Simulation();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Simulation& operator=(const Simulation& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Simulation& operator=(Simulation&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Simulation& other) noexcept { d.swap(other.d); }

    /// Returns @c true if both handles share one data block; contents are not compared.
    bool operator==(const Simulation& other) const;
    /// Returns @c true if the handles hold different data blocks.
    bool operator!=(const Simulation& other) const;

    /// Returns the identifier of the simulation on the device. @see setId()
    int id() const;
    /// Sets the device identifier. @see id()
    void setId(int id);
    /// Returns the type of the owning function. @see setType()
    Function::FunctionType type() const;
    /// Sets the type of the owning function, which decides what equals() compares.
    /// @see type()
    void setType(Function::FunctionType type);
    /// Returns @c true if the simulation starts at startTime(). @see setStartTimeEnable()
    bool startTimeEnable() const;
    /// Sets whether the simulation starts at startTime(). @see startTimeEnable()
    void setStartTimeEnable(bool enable);
    /// Returns @c true if the simulation starts at night. @see setStartOnNight()
    bool startOnNight() const;
    /// Sets whether the simulation starts at night. @see startOnNight()
    void setStartOnNight(bool onNight);
    /// Returns the start time. @see setStartTime()
    QDateTime startTime() const;
    /// Sets the start time, unchanged even when invalid. @see startTime()
    void setStartTime(const QDateTime& time);
    /// Returns @c true if the simulation ends at endTime(). @see setEndTimeEnable()
    bool endTimeEnable() const;
    /// Sets whether the simulation ends at endTime(). @see endTimeEnable()
    void setEndTimeEnable(bool enable);
    /// Returns @c true if the simulation ends at night. @see setEndOnNight()
    bool endOnNight() const;
    /// Sets whether the simulation ends at night. @see endOnNight()
    void setEndOnNight(bool onNight);
    /// Returns the end time. @see setEndTime()
    QDateTime endTime() const;
    /// Sets the end time, unchanged even when invalid. @see endTime()
    void setEndTime(const QDateTime& time);
    /// Returns @c true if the simulation pauses between pauseStartTime() and
    /// pauseEndTime(). @see setPauseTimeEnable()
    bool pauseTimeEnable() const;
    /// Sets whether the simulation pauses. @see pauseTimeEnable()
    void setPauseTimeEnable(bool enable);
    /// Returns the start of the pause. @see setPauseStartTime()
    QDateTime pauseStartTime() const;
    /// Sets the start of the pause, unchanged even when invalid. @see pauseStartTime()
    void setPauseStartTime(const QDateTime& time);
    /// Returns the end of the pause. @see setPauseEndTime()
    QDateTime pauseEndTime() const;
    /// Sets the end of the pause, unchanged even when invalid. @see pauseEndTime()
    void setPauseEndTime(const QDateTime& time);
    /// Returns the delay at the start. @see setDelayStart()
    int delayStart() const;
    /// Sets the delay at the start. @see delayStart()
    void setDelayStart(int delay);
    /// Returns the delay at the end. @see setDelayEnd()
    int delayEnd() const;
    /// Sets the delay at the end. @see delayEnd()
    void setDelayEnd(int delay);
    /// Returns the duration at the start. @see setDurationStart()
    int durationStart() const;
    /// Sets the duration at the start. @see durationStart()
    void setDurationStart(int duration);
    /// Returns the duration at the end. @see setDurationEnd()
    int durationEnd() const;
    /// Sets the duration at the end. @see durationEnd()
    void setDurationEnd(int duration);
    /// Returns @c true if the simulation repeats. @see setRepeat()
    bool repeat() const;
    /// Sets whether the simulation repeats. @see repeat()
    void setRepeat(bool repeat);
    /// Returns @c true if the simulation is switched on. @see setEnabled()
    bool enabled() const;
    /// Switches the simulation on or off. @see enabled()
    void setEnabled(bool enabled);
    /// Returns the device job of the start; -1 means none. @see setStartJobId()
    int startJobId() const;
    /// Sets the device job of the start. @see startJobId()
    void setStartJobId(int id);
    /// Returns the device job of the end; -1 means none. @see setEndJobId()
    int endJobId() const;
    /// Sets the device job of the end. @see endJobId()
    void setEndJobId(int id);
    /// Returns the datapoint the simulation drives; -1 means none.
    /// @see setSimulationDatapoint()
    int simulationDatapoint() const;
    /// Sets the datapoint the simulation drives. @see simulationDatapoint()
    void setSimulationDatapoint(int datapoint);
    /// Returns the device timers, day key to timer identifier; a modifiable reference
    /// into the shared block. @see setTimerIds()
    QHash<int, int>& timerIds() const;
    /// Replaces the device timers. @see timerIds()
    void setTimerIds(const QHash<int, int>& timerIds);

    /**
     * @brief Writes the start tag of the profile-namespace `simulation` element with its
     * attributes, and one `timer` child per device timer, by ascending day.
     *
     * The type is not written. Call endSerialize() to close the element.
     */
    void beginSerialize(QXmlStreamWriter* writer) const;
    /// Closes the element opened by beginSerialize().
    void endSerialize(QXmlStreamWriter* writer) const;

    /**
     * @brief Returns @c true if the settings that matter for the type are equal.
     *
     * Always compared: identifier, type, start time, start-at-night, start enable, both
     * delays and enabled. For Switch and Dimming also the end, pause-start and duration
     * fields. The pause end, repeat, jobs, datapoint and timers are never compared.
     */
    bool equals(const Simulation& other) const;
    /**
     * @brief Takes over the administrator's simulation @p other.
     *
     * This handle is re-pointed to @p other's data block, as by assignment, so that both
     * share every field from then on.
     * @return @c true if @p force is set or the simulations were not equals() before.
     */
    bool mergeAdminSettings(const Simulation& other, bool force);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p simulation for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its device identifier, type key and whether it is enabled.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Simulation& simulation);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Simulation, Q_MOVABLE_TYPE);

#endif // PROJECTS_SIMULATION_H
