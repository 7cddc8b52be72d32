#include "snapshot.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Snapshot::Private : public QSharedData
{
public:
};

Snapshot::Snapshot()
    : d(new Private)
{
}

Snapshot::Snapshot(const Snapshot& other) = default;
Snapshot::Snapshot(Snapshot&& other) noexcept = default;
Snapshot::~Snapshot() = default;
Snapshot& Snapshot::operator=(const Snapshot& other) = default;
Snapshot& Snapshot::operator=(Snapshot&& other) noexcept = default;

} // namespace projects
