#include "function.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Function::Private : public QSharedData
{
public:
};

Function::Function()
    : d(new Private)
{
}

Function::Function(const Function& other) = default;
Function::Function(Function&& other) noexcept = default;
Function::~Function() = default;
Function& Function::operator=(const Function& other) = default;
Function& Function::operator=(Function&& other) noexcept = default;

} // namespace projects
