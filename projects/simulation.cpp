#include "simulation.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Simulation::Private : public QSharedData
{
public:
};

Simulation::Simulation()
    : d(new Private)
{
}

Simulation::Simulation(const Simulation& other) = default;
Simulation::Simulation(Simulation&& other) noexcept = default;
Simulation::~Simulation() = default;
Simulation& Simulation::operator=(const Simulation& other) = default;
Simulation& Simulation::operator=(Simulation&& other) noexcept = default;

} // namespace projects
