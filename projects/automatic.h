#ifndef PROJECTS_AUTOMATIC_H
#define PROJECTS_AUTOMATIC_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Automatic
{
public:
    Automatic();
    Automatic(const Automatic& other);
    Automatic(Automatic&& other) noexcept;
    ~Automatic();
    Automatic& operator=(const Automatic& other);
    Automatic& operator=(Automatic&& other) noexcept;
    void swap(Automatic& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Automatic, Q_MOVABLE_TYPE);

#endif // PROJECTS_AUTOMATIC_H
