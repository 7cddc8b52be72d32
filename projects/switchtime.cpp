#include "switchtime.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN SwitchTime::Private : public QSharedData
{
public:
};

SwitchTime::SwitchTime()
    : d(new Private)
{
}

SwitchTime::SwitchTime(const SwitchTime& other) = default;
SwitchTime::SwitchTime(SwitchTime&& other) noexcept = default;
SwitchTime::~SwitchTime() = default;
SwitchTime& SwitchTime::operator=(const SwitchTime& other) = default;
SwitchTime& SwitchTime::operator=(SwitchTime&& other) noexcept = default;

} // namespace projects
