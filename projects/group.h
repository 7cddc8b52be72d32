#ifndef PROJECTS_GROUP_H
#define PROJECTS_GROUP_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Group
{
public:
    Group();
    Group(const Group& other);
    Group(Group&& other) noexcept;
    ~Group();
    Group& operator=(const Group& other);
    Group& operator=(Group&& other) noexcept;
    void swap(Group& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Group, Q_MOVABLE_TYPE);

#endif // PROJECTS_GROUP_H
