// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_RECORDS_P_H
#define PROJECTS_COMMON_RECORDS_P_H

// The fields of an installation as validation and the tool's diff compare them: every value
// the model's getters give, one record per object with an identifier. Exported for the
// tool, but not installed: no compatibility is promised.

#include <projects/finding.h>
#include <projects/project.h>
#include <projects/projects_export.h>

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace projects {
namespace records {

/// A piece of a record that is compared member by member: a switch time, a simulation, a
/// snapshot or a datapoint of an actuator.
struct Part
{
    QString kind;        ///< "switch time", "simulation", "snapshot" or "datapoint"
    QJsonObject members; ///< the piece's values by getter name
};

/// One object of an installation: its kind, its key, a label for people and its values.
struct Record
{
    QString kind;       ///< "floor", "room", "function", ...; "project" for the root
    QString id;         ///< identifier text; the second and later objects of one kind with the
                        ///< same identifier get "#2", "#3", ... in document order
    QString label;      ///< names along the path, for people
    QJsonObject fields; ///< values by getter name
    QMap<QString, Part> parts; ///< by field name, e.g. "switchTime _0a…" or "simulation"
};

/// One field that differs between two records of the same key.
struct Change
{
    QString field;     ///< field name; a part's member follows it after a space
    QString kind;      ///< the field without identifiers: "function name", "switch time start"
    QJsonValue before; ///< null when the older record lacks the part
    QJsonValue after;  ///< null when the newer record lacks the part
};

/// What differs between two lists of records.
struct Differences
{
    QList<Record> removed; ///< only in the older list, in its order
    QList<Record> added;   ///< only in the newer list, in its order
    /// In both and changed, in the older list's order, each with its changes sorted by
    /// field name.
    QList<QPair<Record, QList<Change>>> changed;

    /// Returns @c true if nothing differs.
    bool isEmpty() const { return removed.isEmpty() && added.isEmpty() && changed.isEmpty(); }
};

/// Returns the records of @p project in document order: the project itself, then floors
/// with their rooms and functions, actuators, groups, scenes, scene triggers, links and the
/// automatic programs by identifier.
PROJECTS_EXPORT QList<Record> recordsOf(const Project& project);

/// Matches @p before and @p after by kind and key and returns what differs. Values are
/// compared exactly.
PROJECTS_EXPORT Differences compare(const QList<Record>& before, const QList<Record>& after);

/// Returns one finding for each kind of field that does not survive writing @p project in
/// the standard form and reading it back, with how many objects lose it, sorted by kind.
PROJECTS_EXPORT QList<Finding> droppedByStandardForm(const Project& project);

} // namespace records
} // namespace projects

#endif // PROJECTS_COMMON_RECORDS_P_H
