#ifndef PROJECTS_FAVORITE_H
#define PROJECTS_FAVORITE_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Favorite
{
public:
    Favorite();
    Favorite(const Favorite& other);
    Favorite(Favorite&& other) noexcept;
    ~Favorite();
    Favorite& operator=(const Favorite& other);
    Favorite& operator=(Favorite&& other) noexcept;
    void swap(Favorite& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Favorite, Q_MOVABLE_TYPE);

#endif // PROJECTS_FAVORITE_H
