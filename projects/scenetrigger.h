#ifndef PROJECTS_SCENETRIGGER_H
#define PROJECTS_SCENETRIGGER_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT SceneTrigger
{
public:
    SceneTrigger();
    SceneTrigger(const SceneTrigger& other);
    SceneTrigger(SceneTrigger&& other) noexcept;
    ~SceneTrigger();
    SceneTrigger& operator=(const SceneTrigger& other);
    SceneTrigger& operator=(SceneTrigger&& other) noexcept;
    void swap(SceneTrigger& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::SceneTrigger, Q_MOVABLE_TYPE);

#endif // PROJECTS_SCENETRIGGER_H
