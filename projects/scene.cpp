// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "scene.h"

#include "common/debug_p.h"
#include "snapshot.h"
#include "switchtime.h"
#include "common/conversions.h"
#include "common/namespaces.h"
#include "common/jsonlists_p.h"
#include "common/texts_p.h"
#include "common/valuetext_p.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QSharedData>
#include <QVariant>
#include <QXmlStreamWriter>

#include <cmath>

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

// The configuration source sends most action values as text; percentages are turned
// into the byte scale of the bus.
QJsonValue actionValue(const QJsonValue& value)
{
    // Through a variant, so that a missing value (undefined) comes out as null.
    if (!value.isString())
        return QJsonValue::fromVariant(value.toVariant());

    const QString text = validText(value.toString());
    if (text == QLatin1String("null") || text == QLatin1String("undefined"))
        return QJsonValue(QJsonValue::Null);
    if (text == QLatin1String("true"))
        return QJsonValue(true);
    if (text == QLatin1String("false"))
        return QJsonValue(false);

    QString number = text;
    const int percentAt = number.indexOf(QLatin1Char('%'));
    if (percentAt >= 0)
        number.remove(percentAt, 1);

    bool isInteger = false;
    const int integer = number.toInt(&isInteger);
    if (isInteger) {
        if (percentAt < 0)
            return QJsonValue(integer);
        // Truncated toward zero: 50% is 127, 100% is 254.
        return QJsonValue(std::trunc(integer * 2.55));
    }
    bool isDouble = false;
    const double decimal = number.toDouble(&isDouble);
    if (isDouble)
        return QJsonValue(decimal);
    return QJsonValue(text);
}

} // namespace

Scene::Scene() : d(new Private) {}

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
    writer->writeAttribute(ns::Profile, QStringLiteral("favorite"), yesNoText(favorite()));
    writer->writeAttribute(ns::Profile, QStringLiteral("global"), yesNoText(d->global));
    if (!withVacation)
        return;

    writer->writeAttribute(QStringLiteral("runOnVacation"), yesNoText(d->runOnVacation));
    for (const SwitchTime& switchTime : d->switchTimes) {
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
    }
}

void Scene::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

QList<Scene> Scene::fromJson(const QJsonArray& scenes,
                             const QHash<QString, QUuid>& addressToFunction)
{
    QList<Scene> result;
    for (const QJsonValue& element : scenes) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        Scene scene(stringToUuid(object.value(QStringLiteral("id")).toString()),
                    validText(object.value(QStringLiteral("name")).toString()),
                    validText(object.value(QStringLiteral("icon")).toString()),
                    QColor(object.value(QStringLiteral("color")).toString()),
                    object.value(QStringLiteral("favorite")).toBool(), true, false);

        const QJsonValue actions = object.value(QStringLiteral("actions"));
        if (actions.isArray()) {
            // One snapshot per function gathers all of that function's actions; the
            // snapshots follow the order in which their functions first appear.
            QList<Snapshot>& snapshots = scene.snapshots();
            QHash<QUuid, int> indexByFunction;
            const QJsonArray actionList = actions.toArray();
            for (const QJsonValue& actionElement : actionList) {
                const QJsonObject action = actionElement.toObject();
                const QString address = action.value(QStringLiteral("address")).toString();
                const auto function = addressToFunction.constFind(address);
                if (function == addressToFunction.cend())
                    continue;
                auto index = indexByFunction.constFind(function.value());
                if (index == indexByFunction.cend()) {
                    index = indexByFunction.insert(function.value(), snapshots.size());
                    snapshots.append(Snapshot(function.value(), {}));
                }
                snapshots[index.value()].values().insert(
                    address, actionValue(action.value(QStringLiteral("value"))));
            }
        }

        scene.switchTimes() = validFromJsonArray<SwitchTime>(object, QLatin1String("switchtimes"));
        result.append(scene);
    }
    return result;
}

void Scene::mergeScene(const Scene& other)
{
    Favorite::operator=(other);
    d = other.d;
}

void Scene::sync(const Scene& other, QFlags<Project::SyncHint> hints)
{
    // Other copies of this scene keep their content; other keeps the old blocks, so it
    // reads the same after the detach even when it was one of those copies.
    detachFavorite();
    d.detach();

    setName(other.name());
    setIcon(other.icon());
    setFavorite(other.favorite());
    d->color = other.d->color;
    d->snapshots = other.d->snapshots;
    d->triggeredByPanic = other.d->triggeredByPanic;
    d->triggeredByCentralOff = other.d->triggeredByCentralOff;
    if (hints & (Project::SyncProfile | Project::SyncSchedules)) {
        d->switchTimes = other.d->switchTimes;
        d->runOnVacation = other.d->runOnVacation;
    }
    // A profile alone may only add the triggers it knows; any other combination brings
    // the complete set.
    if (hints == Project::SyncProfile)
        d->triggers.unite(other.d->triggers);
    else
        d->triggers = other.d->triggers;
}

QDebug operator<<(QDebug debug, const Scene& scene)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Scene(" << DebugId{scene.id()} << ' ' << scene.name()
                    << " snapshots=" << scene.snapshots().size()
                    << " switchTimes=" << scene.switchTimes().size() << ')';
    return debug;
}

} // namespace projects
