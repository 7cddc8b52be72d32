#include "deletableitems.h"

namespace projects {

DeletableItems::DeletableItems() = default;

} // namespace projects
