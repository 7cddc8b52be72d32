#include "logging.h"

namespace projects {

Q_LOGGING_CATEGORY(lcProjects, "casarina.projects")
Q_LOGGING_CATEGORY(lcReader, "casarina.projects.reader")
Q_LOGGING_CATEGORY(lcMerge, "casarina.projects.merge")
Q_LOGGING_CATEGORY(lcMigration, "casarina.projects.migration")

} // namespace projects
