#ifndef PROJECTS_SWITCHTIME_H
#define PROJECTS_SWITCHTIME_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT SwitchTime
{
public:
    SwitchTime();
    SwitchTime(const SwitchTime& other);
    SwitchTime(SwitchTime&& other) noexcept;
    ~SwitchTime();
    SwitchTime& operator=(const SwitchTime& other);
    SwitchTime& operator=(SwitchTime&& other) noexcept;
    void swap(SwitchTime& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::SwitchTime, Q_MOVABLE_TYPE);

#endif // PROJECTS_SWITCHTIME_H
