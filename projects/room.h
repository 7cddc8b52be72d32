#ifndef PROJECTS_ROOM_H
#define PROJECTS_ROOM_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Room
{
public:
    Room();
    Room(const Room& other);
    Room(Room&& other) noexcept;
    ~Room();
    Room& operator=(const Room& other);
    Room& operator=(Room&& other) noexcept;
    void swap(Room& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Room, Q_MOVABLE_TYPE);

#endif // PROJECTS_ROOM_H
