#ifndef PROJECTS_SNAPSHOT_H
#define PROJECTS_SNAPSHOT_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Snapshot
{
public:
    Snapshot();
    Snapshot(const Snapshot& other);
    Snapshot(Snapshot&& other) noexcept;
    ~Snapshot();
    Snapshot& operator=(const Snapshot& other);
    Snapshot& operator=(Snapshot&& other) noexcept;
    void swap(Snapshot& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Snapshot, Q_MOVABLE_TYPE);

#endif // PROJECTS_SNAPSHOT_H
