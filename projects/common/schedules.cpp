// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "schedules_p.h"

#include "logging.h"

#include <QDebug>
#include <QSet>

namespace projects {

bool traceEnabled()
{
    // The traces of a merge (identifier texts, switch-time lines) cost more than the merge
    // itself, and the switch-time lines are prepared outside the debug stream.
    return lcMerge().isDebugEnabled();
}

void reportSwitchTimes(const QList<SwitchTime>& switchTimes)
{
    if (!traceEnabled())
        return;
    if (switchTimes.isEmpty()) {
        qCDebug(lcMerge) << ">> No switchtimes";
        return;
    }
    for (const SwitchTime& switchTime : switchTimes)
        switchTime.print();
}

bool scheduleChanged(bool force, bool ownRunOnVacation, const QList<SwitchTime>& own,
                     bool otherRunOnVacation, const QList<SwitchTime>& other)
{
    if (force)
        return true;
    if (ownRunOnVacation != otherRunOnVacation || own.size() != other.size())
        return true;
    if (own.isEmpty())
        return false;
    return SwitchTime::notEqual(other, own);
}

DeletableItems timersOf(const QList<SwitchTime>& switchTimes)
{
    DeletableItems items;
    for (const SwitchTime& switchTime : switchTimes) {
        QSet<int> timers;
        for (int timer : switchTime.timerIds())
            timers.insert(timer);
        items.appendTimers(timers);
    }
    return items;
}

} // namespace projects
