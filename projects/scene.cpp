#include "scene.h"

#include "snapshot.h"
#include "switchtime.h"
#include "common/conversions.h"
#include "common/namespaces.h"

#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

const QSet<QString> Scene::allowedSceneColors = {
    QStringLiteral("#FFFFFF"), QStringLiteral("#4B91E6"), QStringLiteral("#F6AA2B"),
    QStringLiteral("#FD704B"), QStringLiteral("#AFAFAF")};

class Q_DECL_HIDDEN Scene::Private : public QSharedData
{
public:
    QColor color;
    QSet<QUuid> triggers;
    int timerTrigger = -1;
    bool triggeredByPanic = false;
    bool triggeredByCentralOff = false;
    QList<Snapshot> snapshots;
    bool global = true;
    QList<SwitchTime> switchTimes;
    bool runOnVacation = false;
};

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

Scene::Scene()
    : d(new Private)
{
}

Scene::Scene(const QUuid& id, const QString& name, const QString& icon, const QColor& color,
             bool favorite, bool global, bool runOnVacation)
    : Favorite(id, name, icon, favorite), d(new Private)
{
    d->color = color;
    d->global = global;
    d->runOnVacation = runOnVacation;
}

Scene::Scene(const Scene& other) = default;
Scene::Scene(Scene&& other) noexcept = default;
Scene::~Scene() = default;
Scene& Scene::operator=(const Scene& other) = default;
Scene& Scene::operator=(Scene&& other) noexcept = default;

QColor Scene::color() const
{
    return d->color;
}

void Scene::setColor(const QColor& color)
{
    d->color = color;
}

QSet<QUuid>& Scene::triggers()
{
    return d->triggers;
}

const QSet<QUuid>& Scene::triggers() const
{
    return d->triggers;
}

int Scene::timerTrigger() const
{
    return d->timerTrigger;
}

void Scene::setTimerTrigger(int timer)
{
    d->timerTrigger = timer;
}

bool Scene::triggeredByPanic() const
{
    return d->triggeredByPanic;
}

void Scene::setTriggeredByPanic(bool triggered)
{
    d->triggeredByPanic = triggered;
}

bool Scene::triggeredByCentralOff() const
{
    return d->triggeredByCentralOff;
}

void Scene::setTriggeredByCentralOff(bool triggered)
{
    d->triggeredByCentralOff = triggered;
}

QList<Snapshot>& Scene::snapshots()
{
    return d->snapshots;
}

const QList<Snapshot>& Scene::snapshots() const
{
    return d->snapshots;
}

bool Scene::isGlobal() const
{
    return d->global;
}

QList<SwitchTime>& Scene::switchTimes()
{
    return d->switchTimes;
}

const QList<SwitchTime>& Scene::switchTimes() const
{
    return d->switchTimes;
}

bool Scene::runOnVacation() const
{
    return d->runOnVacation;
}

void Scene::setRunOnVacation(bool run)
{
    d->runOnVacation = run;
}

void Scene::beginSerialize(QXmlStreamWriter* writer, bool withVacation) const
{
    writer->writeStartElement(ns::Profile, QStringLiteral("scene"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(id()));
    writer->writeAttribute(QStringLiteral("name"), name());
    writer->writeAttribute(QStringLiteral("icon"), icon());
    if (d->color.isValid())
        writer->writeAttribute(QStringLiteral("color"), d->color.name());
    // Unlike the other attributes, the favourite and global flags are profile data.
    writer->writeAttribute(ns::Profile, QStringLiteral("favorite"), yesNo(favorite()));
    writer->writeAttribute(ns::Profile, QStringLiteral("global"), yesNo(d->global));
    if (!withVacation)
        return;

    writer->writeAttribute(QStringLiteral("runOnVacation"), yesNo(d->runOnVacation));
    for (const SwitchTime& switchTime : d->switchTimes) {
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
    }
}

void Scene::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

} // namespace projects
