// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_LOGGING_H
#define PROJECTS_COMMON_LOGGING_H

#include <projects/projects_export.h>

#include <QLoggingCategory>

/**
 * @file logging.h
 * @brief The logging categories of the library.
 *
 * Every message of the library goes through one of these categories, without source
 * location, and every level of each is on by default. A host picks what it sees with
 * QLoggingCategory::setFilterRules(): "casarina.projects*.debug=false" silences the traces
 * and dumps, "casarina.projects.reader.warning=false" the warning of a malformed file (whose
 * text, line and column ProjectReader keeps for the caller to ask).
 */

namespace projects {

// Declared as Q_DECLARE_LOGGING_CATEGORY() does, exported for hosts.

/// The category "casarina.projects": the debug dump of DeletableItems::print().
PROJECTS_EXPORT const QLoggingCategory& lcProjects();

/// The category "casarina.projects.reader": the warning of a file ProjectReader cannot read.
PROJECTS_EXPORT const QLoggingCategory& lcReader();

/**
 * @brief The category "casarina.projects.merge": the debug traces of the merges of functions
 * and groups, with the switch-time lines of SwitchTime::print().
 *
 * The traces are built only while the category's debug level is on.
 */
PROJECTS_EXPORT const QLoggingCategory& lcMerge();

/// The category "casarina.projects.migration": the information messages of
/// Snapshot::migrateIdsToAddresses().
PROJECTS_EXPORT const QLoggingCategory& lcMigration();

} // namespace projects

#endif // PROJECTS_COMMON_LOGGING_H
