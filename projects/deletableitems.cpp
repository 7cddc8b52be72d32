// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "deletableitems.h"

#include "scene.h"
#include "common/logging.h"

#include <QDebug>

namespace projects {

DeletableItems::DeletableItems() = default;

void DeletableItems::append(const DeletableItems& other)
{
    m_timers.unite(other.m_timers);
    m_simulations.unite(other.m_simulations);
    m_triggers.unite(other.m_triggers);
    m_jobs.unite(other.m_jobs);
}

void DeletableItems::appendTimer(int id)
{
    m_timers.insert(id);
}

void DeletableItems::appendTimers(const QSet<int>& ids)
{
    m_timers.unite(ids);
}

void DeletableItems::appendSimulation(int id)
{
    m_simulations.insert(id);
}

void DeletableItems::appendJob(int id)
{
    // -1 is the job identifier of a simulation without a job.
    if (id != -1)
        m_jobs.insert(id);
}

void DeletableItems::appendTrigger(const QUuid& id)
{
    m_triggers.insert(id);
}

QSet<int> DeletableItems::timers() const
{
    return m_timers;
}

QSet<int> DeletableItems::simulations() const
{
    return m_simulations;
}

QSet<int> DeletableItems::jobs() const
{
    return m_jobs;
}

QSet<QUuid> DeletableItems::triggers() const
{
    return m_triggers;
}

bool DeletableItems::refreshNeeded() const
{
    return m_refreshNeeded;
}

void DeletableItems::setRefreshNeeded(bool needed)
{
    m_refreshNeeded = needed;
}

bool DeletableItems::hasSomethingToDelete() const
{
    return !m_timers.isEmpty() || !m_simulations.isEmpty() || !m_jobs.isEmpty();
}

void DeletableItems::clear()
{
    m_refreshNeeded = false;
    m_timers.clear();
    m_simulations.clear();
    m_jobs.clear();
    m_triggers.clear();
}

void DeletableItems::clearRemovedTriggers(QList<Scene>& scenes) const
{
    for (Scene& scene : scenes) {
        QSet<QUuid> kept;
        for (const QUuid& trigger : qAsConst(scene.triggers())) {
            if (!m_triggers.contains(trigger))
                kept.insert(trigger);
        }
        scene.triggers() = kept;
    }
}

void DeletableItems::print() const
{
    qCDebug(lcProjects) << "Timers to delete: " << m_timers;
    qCDebug(lcProjects) << "Simulations to delete " << m_simulations;
    qCDebug(lcProjects) << "Jobs to delete " << m_jobs;
    qCDebug(lcProjects) << "Triggers to delete " << m_triggers;
}

} // namespace projects
