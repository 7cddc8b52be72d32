#include "automatic.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Automatic::Private : public QSharedData
{
public:
};

Automatic::Automatic()
    : d(new Private)
{
}

Automatic::Automatic(const Automatic& other) = default;
Automatic::Automatic(Automatic&& other) noexcept = default;
Automatic::~Automatic() = default;
Automatic& Automatic::operator=(const Automatic& other) = default;
Automatic& Automatic::operator=(Automatic&& other) noexcept = default;

} // namespace projects
