#include "link.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Link::Private : public QSharedData
{
public:
};

Link::Link()
    : d(new Private)
{
}

Link::Link(const Link& other) = default;
Link::Link(Link&& other) noexcept = default;
Link::~Link() = default;
Link& Link::operator=(const Link& other) = default;
Link& Link::operator=(Link&& other) noexcept = default;

} // namespace projects
