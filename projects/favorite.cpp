#include "favorite.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Favorite::Private : public QSharedData
{
public:
};

Favorite::Favorite()
    : d(new Private)
{
}

Favorite::Favorite(const Favorite& other) = default;
Favorite::Favorite(Favorite&& other) noexcept = default;
Favorite::~Favorite() = default;
Favorite& Favorite::operator=(const Favorite& other) = default;
Favorite& Favorite::operator=(Favorite&& other) noexcept = default;

} // namespace projects
