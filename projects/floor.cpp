#include "floor.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Floor::Private : public QSharedData
{
public:
};

Floor::Floor()
    : d(new Private)
{
}

Floor::Floor(const Floor& other) = default;
Floor::Floor(Floor&& other) noexcept = default;
Floor::~Floor() = default;
Floor& Floor::operator=(const Floor& other) = default;
Floor& Floor::operator=(Floor&& other) noexcept = default;

} // namespace projects
