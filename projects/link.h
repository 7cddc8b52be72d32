#ifndef PROJECTS_LINK_H
#define PROJECTS_LINK_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Link
{
public:
    Link();
    Link(const Link& other);
    Link(Link&& other) noexcept;
    ~Link();
    Link& operator=(const Link& other);
    Link& operator=(Link&& other) noexcept;
    void swap(Link& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Link, Q_MOVABLE_TYPE);

#endif // PROJECTS_LINK_H
