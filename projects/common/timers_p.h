// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_TIMERS_P_H
#define PROJECTS_COMMON_TIMERS_P_H

// Internal to the library: the timer children of switch times and simulations, which
// record the device timers by day, written and read in one place. Never installed.

#include <QHash>
#include <QString>
#include <QXmlAttributes>

class IFactory;
class QXmlStreamWriter;

namespace projects {

/// Writes one empty `timer` element in the profile namespace for each entry of
/// @p timerIds, with "day" and "id", by ascending day so that the bytes never depend on
/// the hash order.
void writeTimers(QXmlStreamWriter* writer, const QHash<int, int>& timerIds);

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
/**
 * @brief The handler for the child @p localName of a `switchTime` or `simulation` element.
 *
 * A `timer` (any letter case, any namespace) stores its "id" under its "day" in
 * @p timerIds, a later one replacing an earlier one of the same day; it and every other
 * child are skipped with their subtrees.
 */
IFactory* timerChild(const QString& localName, const QXmlAttributes& attributes,
                     QHash<int, int>& timerIds);
QT_WARNING_POP

} // namespace projects

#endif // PROJECTS_COMMON_TIMERS_P_H
