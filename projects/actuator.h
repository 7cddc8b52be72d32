#ifndef PROJECTS_ACTUATOR_H
#define PROJECTS_ACTUATOR_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>
#include <QUuid>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Actuator
{
public:
    Actuator();
    Actuator(const Actuator& other);
    Actuator(Actuator&& other) noexcept;
    ~Actuator();
    Actuator& operator=(const Actuator& other);
    Actuator& operator=(Actuator&& other) noexcept;
    void swap(Actuator& other) noexcept { d.swap(other.d); }

    QUuid id() const;

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Actuator, Q_MOVABLE_TYPE);

#endif // PROJECTS_ACTUATOR_H
