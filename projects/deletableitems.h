// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_DELETABLEITEMS_H
#define PROJECTS_DELETABLEITEMS_H

#include <projects/projects_export.h>

#include <QList>
#include <QSet>
#include <QUuid>

namespace projects {

class Scene;

/**
 * @brief The record of what the host must delete on the device after an edit or a
 * merge: device timers, simulations, jobs and scene triggers, plus a refresh flag that
 * only the host sets and reads.
 *
 * A plain value: copies are independent, and a move leaves the source's sets empty.
 * Records of subordinate objects are combined with append().
 */
class PROJECTS_EXPORT DeletableItems
{
public:
    /// Creates an empty record with the refresh flag off.
    DeletableItems();

    /// Unites @p other's timers, simulations, jobs and triggers into this record; the
    /// refresh flag of @p other is not carried over.
    void append(const DeletableItems& other);
    /// Adds the device timer @p id (any value, -1 included).
    void appendTimer(int id);
    /// Adds every device timer of @p ids.
    void appendTimers(const QSet<int>& ids);
    /// Adds the simulation @p id (any value, -1 included).
    void appendSimulation(int id);
    /// Adds the job @p id; -1, which stands for no job, is ignored.
    void appendJob(int id);
    /// Adds the scene trigger @p id (the null identifier too).
    void appendTrigger(const QUuid& id);

    /// Returns a copy of the device timers to delete.
    QSet<int> timers() const;
    /// Returns a copy of the simulations to delete.
    QSet<int> simulations() const;
    /// Returns a copy of the jobs to delete.
    QSet<int> jobs() const;
    /// Returns a copy of the scene triggers to delete.
    QSet<QUuid> triggers() const;

    /// Returns @c true if the host noted that a refresh is needed. @see setRefreshNeeded()
    bool refreshNeeded() const;
    /// Sets the refresh flag; the library never sets it itself. @see refreshNeeded()
    void setRefreshNeeded(bool needed);

    /// Returns @c true if there are timers, simulations or jobs to delete; triggers and
    /// the refresh flag do not count.
    bool hasSomethingToDelete() const;
    /// Turns the refresh flag off and empties every set.
    void clear();

    /**
     * @brief Removes this record's triggers from the triggers of every scene of
     * @p scenes.
     *
     * Scenes are shared values, so the change is seen through every copy of each scene.
     * The record itself does not change.
     */
    void clearRemovedTriggers(QList<Scene>& scenes) const;

    /// Logs the timers, simulations, jobs and triggers as four debug messages of the
    /// category "casarina.projects" (lcProjects()).
    void print() const;

private:
    bool m_refreshNeeded = false;
    QSet<int> m_timers;
    QSet<int> m_simulations;
    QSet<int> m_jobs;
    QSet<QUuid> m_triggers;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::DeletableItems, Q_MOVABLE_TYPE);

#endif // PROJECTS_DELETABLEITEMS_H
