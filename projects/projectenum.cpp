#include "projectenum.h"

namespace projects {

ProjectEnum::ProjectEnum()
    : QObject(nullptr)
{
}

ProjectEnum::~ProjectEnum() = default;

} // namespace projects
