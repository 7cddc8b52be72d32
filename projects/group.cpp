#include "group.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Group::Private : public QSharedData
{
public:
};

Group::Group()
    : d(new Private)
{
}

Group::Group(const Group& other) = default;
Group::Group(Group&& other) noexcept = default;
Group::~Group() = default;
Group& Group::operator=(const Group& other) = default;
Group& Group::operator=(Group&& other) noexcept = default;

} // namespace projects
