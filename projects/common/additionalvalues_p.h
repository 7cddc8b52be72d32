// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_ADDITIONALVALUES_P_H
#define PROJECTS_COMMON_ADDITIONALVALUES_P_H

// Internal to the library: the binary form of a switch time's additional values, shared by
// the switch time's writer and the reader. Never installed.

#include <QDataStream>

namespace projects {

/// The QDataStream version of the additional values, in writing and in reading: the one
/// Qt 5.15 uses by default, so that the files written so far keep their meaning and a
/// later Qt, whose default differs, writes and reads the same bytes.
constexpr QDataStream::Version additionalValuesStreamVersion = QDataStream::Qt_5_15;

/**
 * @brief Returns where the time spec of a QDateTime variant lies in a stream of
 * @p version, counted from the variant's first byte.
 *
 * Before it come the type number (quint32), the null flag (qint8, since Qt 4.2), the
 * Julian day of the date (qint64 since Qt 5.0, quint32 before) and the milliseconds of
 * the time of day (quint32).
 */
constexpr int dateTimeSpecOffset(int version)
{
    return 4 + (version >= QDataStream::Qt_4_2 ? 1 : 0) + (version >= QDataStream::Qt_5_0 ? 8 : 4) +
           4;
}

// From Qt 5.2 on the time spec byte holds a Qt::TimeSpec value (before, Qt's own).
static_assert(additionalValuesStreamVersion >= QDataStream::Qt_5_2,
              "the time spec of a date-time is a Qt::TimeSpec only from Qt 5.2 on");

} // namespace projects

#endif // PROJECTS_COMMON_ADDITIONALVALUES_P_H
