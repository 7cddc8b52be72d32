#ifndef PROJECTS_DELETABLEITEMS_H
#define PROJECTS_DELETABLEITEMS_H

#include <projects/projects_export.h>

namespace projects {

/// Placeholder; completed by its own change.
class PROJECTS_EXPORT DeletableItems
{
public:
    DeletableItems();
};

} // namespace projects

#endif // PROJECTS_DELETABLEITEMS_H
