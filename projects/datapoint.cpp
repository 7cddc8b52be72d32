#include "datapoint.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Datapoint::Private : public QSharedData
{
public:
};

Datapoint::Datapoint()
    : d(new Private)
{
}

Datapoint::Datapoint(const Datapoint& other) = default;
Datapoint::Datapoint(Datapoint&& other) noexcept = default;
Datapoint::~Datapoint() = default;
Datapoint& Datapoint::operator=(const Datapoint& other) = default;
Datapoint& Datapoint::operator=(Datapoint&& other) noexcept = default;

} // namespace projects
