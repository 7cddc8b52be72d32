#include "scene.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Scene::Private : public QSharedData
{
public:
    QSet<QUuid> triggers;
};

Scene::Scene()
    : d(new Private)
{
}

Scene::Scene(const Scene& other) = default;
Scene::Scene(Scene&& other) noexcept = default;
Scene::~Scene() = default;
Scene& Scene::operator=(const Scene& other) = default;
Scene& Scene::operator=(Scene&& other) noexcept = default;

QSet<QUuid>& Scene::triggers()
{
    return d->triggers;
}

const QSet<QUuid>& Scene::triggers() const
{
    return d->triggers;
}

} // namespace projects
