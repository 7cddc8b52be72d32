#include "scenetrigger.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN SceneTrigger::Private : public QSharedData
{
public:
};

SceneTrigger::SceneTrigger()
    : d(new Private)
{
}

SceneTrigger::SceneTrigger(const SceneTrigger& other) = default;
SceneTrigger::SceneTrigger(SceneTrigger&& other) noexcept = default;
SceneTrigger::~SceneTrigger() = default;
SceneTrigger& SceneTrigger::operator=(const SceneTrigger& other) = default;
SceneTrigger& SceneTrigger::operator=(SceneTrigger&& other) noexcept = default;

} // namespace projects
