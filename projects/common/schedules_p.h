// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_SCHEDULES_P_H
#define PROJECTS_COMMON_SCHEDULES_P_H

// Internal helpers that the owners of switch times share for merging and garbage
// collection. Never installed.

#include <projects/deletableitems.h>
#include <projects/switchtime.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QVariant>

namespace projects {

/// Returns the text of the "additionalValues" attribute of a switch time: the table in
/// QDataStream's container form, hexadecimal.
QByteArray encodeAdditionalValues(const QHash<int, QVariant>& table);

/// Returns @c true if debug messages of the merge category (lcMerge()) reach the message
/// handler: the merges build their traces only then.
bool traceEnabled();

/// Logs ">> No switchtimes", or each switch time's own log line, as the merges do.
void reportSwitchTimes(const QList<SwitchTime>& switchTimes);

/// Whether taking over the other side's schedule changes anything; asked before the
/// schedule is replaced. notEqual() is only asked about lists of equal, non-zero length.
bool scheduleChanged(bool force, bool ownRunOnVacation, const QList<SwitchTime>& own,
                     bool otherRunOnVacation, const QList<SwitchTime>& other);

/// The device timers of @p switchTimes (the values of their timer tables), as gc() reports
/// them.
DeletableItems timersOf(const QList<SwitchTime>& switchTimes);

} // namespace projects

#endif // PROJECTS_COMMON_SCHEDULES_P_H
