#ifndef PROJECTS_FLOOR_H
#define PROJECTS_FLOOR_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Floor
{
public:
    Floor();
    Floor(const Floor& other);
    Floor(Floor&& other) noexcept;
    ~Floor();
    Floor& operator=(const Floor& other);
    Floor& operator=(Floor&& other) noexcept;
    void swap(Floor& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Floor, Q_MOVABLE_TYPE);

#endif // PROJECTS_FLOOR_H
