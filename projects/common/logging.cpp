// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "logging.h"

namespace projects {

Q_LOGGING_CATEGORY(lcProjects, "casarina.projects")
Q_LOGGING_CATEGORY(lcReader, "casarina.projects.reader")
Q_LOGGING_CATEGORY(lcMerge, "casarina.projects.merge")
Q_LOGGING_CATEGORY(lcMigration, "casarina.projects.migration")

} // namespace projects
