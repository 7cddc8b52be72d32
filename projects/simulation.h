#ifndef PROJECTS_SIMULATION_H
#define PROJECTS_SIMULATION_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>

namespace projects {

/**
 * @brief Placeholder; completed by its own change.
 *
 * Copies share one data block; a change through any copy is seen by all.
 */
class PROJECTS_EXPORT Simulation
{
public:
    Simulation();
    Simulation(const Simulation& other);
    Simulation(Simulation&& other) noexcept;
    ~Simulation();
    Simulation& operator=(const Simulation& other);
    Simulation& operator=(Simulation&& other) noexcept;
    void swap(Simulation& other) noexcept { d.swap(other.d); }

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Simulation, Q_MOVABLE_TYPE);

#endif // PROJECTS_SIMULATION_H
