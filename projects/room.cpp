#include "room.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Room::Private : public QSharedData
{
public:
};

Room::Room()
    : d(new Private)
{
}

Room::Room(const Room& other) = default;
Room::Room(Room&& other) noexcept = default;
Room::~Room() = default;
Room& Room::operator=(const Room& other) = default;
Room& Room::operator=(Room&& other) noexcept = default;

} // namespace projects
