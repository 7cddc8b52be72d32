#ifndef PROJECTS_DATAPOINT_H
#define PROJECTS_DATAPOINT_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Datapoint
{
public:
    Datapoint();
    Datapoint(const Datapoint& other);
    Datapoint(Datapoint&& other) noexcept;
    ~Datapoint();
    Datapoint& operator=(const Datapoint& other);
    Datapoint& operator=(Datapoint&& other) noexcept;
    void swap(Datapoint& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Datapoint, Q_MOVABLE_TYPE);

#endif // PROJECTS_DATAPOINT_H
