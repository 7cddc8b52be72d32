#include "actuator.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Actuator::Private : public QSharedData
{
public:
    QUuid id;
};

Actuator::Actuator()
    : d(new Private)
{
}

Actuator::Actuator(const Actuator& other) = default;
Actuator::Actuator(Actuator&& other) noexcept = default;
Actuator::~Actuator() = default;
Actuator& Actuator::operator=(const Actuator& other) = default;
Actuator& Actuator::operator=(Actuator&& other) noexcept = default;

QUuid Actuator::id() const { return d->id; }

} // namespace projects
