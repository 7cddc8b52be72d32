// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "scenefactory.h"

#include "nullfactory.h"
#include "snapshotfactory.h"
#include "switchtimefactory.h"

#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

SceneFactory::SceneFactory(const Scene& scene) : m_scene(scene) {}

IFactory* SceneFactory::forElement(const Project& project, const QXmlAttributes& attributes)
{
    // Only the five scene colours survive reading; anything else, none included, is white.
    const QString colorText = attributes.value(QStringLiteral("color"));
    QColor color = Scene::allowedSceneColors.contains(colorText.toUpper())
                       ? QColor(colorText)
                       : QColor(QStringLiteral("#FFFFFF"));
    // Documents of the complete form carry any other colour in their own namespace.
    const QColor ownColor(namespacedValue(attributes, ns::Complete, QLatin1String("color")));
    if (ownColor.isValid())
        color = ownColor;

    const Scene scene(
        stringToUuid(attributes.value(QStringLiteral("id"))),
        kept(attributes.value(QStringLiteral("name"))),
        kept(attributes.value(QStringLiteral("icon"))), color,
        stringToBool(namespacedValue(attributes, ns::Profile, QLatin1String("favorite"))),
        stringToBool(namespacedValue(attributes, ns::Profile, QLatin1String("global"))),
        stringToBool(attributes.value(QStringLiteral("runOnVacation"))));
    // The copy shares the project's data, so the scene lands in the reader's project.
    Project owner = project;
    owner.scenes().append(scene);
    return new SceneFactory(scene);
}

IFactory* SceneFactory::createChild(const QString&, const QString& localName,
                                    const QXmlAttributes& attributes)
{
    if (nameIs(localName, "trigger")) {
        readTrigger(attributes);
        return new NullFactory;
    }
    if (nameIs(localName, "snapshot"))
        return SnapshotFactory::forElement(m_scene.snapshots(), attributes);
    if (nameIs(localName, "switchTime"))
        return SwitchTimeFactory::forElement(m_scene.switchTimes(), attributes);
    return new NullFactory(NullFactory::UnknownElement);
}

void SceneFactory::readTrigger(const QXmlAttributes& attributes)
{
    const QString sceneRef = attributes.value(QStringLiteral("scene-ref"));
    if (!sceneRef.isEmpty()) {
        m_scene.triggers().insert(stringToUuid(sceneRef));
        return;
    }

    // An event trigger sets all three fields at once, so a later one overrides an
    // earlier one completely; timer 0 means no timer, like an absent attribute.
    m_scene.setTriggeredByPanic(stringToBool(attributes.value(QStringLiteral("panic"))));
    m_scene.setTriggeredByCentralOff(stringToBool(attributes.value(QStringLiteral("centralOff"))));
    const int timer = attributes.value(QStringLiteral("timer")).toInt();
    m_scene.setTimerTrigger(timer == 0 ? -1 : timer);
}

QT_WARNING_POP
