// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "projectfactory.h"

#include "actuatorfactory.h"
#include "automaticfactory.h"
#include "floorfactory.h"
#include "groupfactory.h"
#include "nullfactory.h"
#include "scenefactory.h"

#include <projects/link.h>
#include <projects/projectenum.h>
#include <projects/scenetrigger.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>
#include <projects/common/texts_p.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

ProjectFactory::ProjectFactory(const Project& project, ReadCache* cache)
    : m_project(project), m_cache(cache)
{
}

IFactory* ProjectFactory::createChild(const QString& namespaceUri, const QString& localName,
                                      const QXmlAttributes& attributes)
{
    if (nameIs(localName, "floors") || nameIs(localName, "actuators") ||
        nameIs(localName, "devices") || nameIs(localName, "scenes") || nameIs(localName, "links") ||
        nameIs(localName, "groups"))
        return this;
    if (nameIs(localName, "device"))
        return readDevice(attributes);
    if (nameIs(localName, "floor"))
        return FloorFactory::forElement(m_project, attributes, m_cache);
    if (nameIs(localName, "actuator"))
        return ActuatorFactory::forElement(m_project, m_appId, attributes, m_cache);
    if (nameIs(localName, "sensor") && underWeatherStation())
        return readSensor(attributes);
    if (nameIs(localName, "group"))
        return GroupFactory::forElement(m_project, attributes);

    const bool inProfile = nameIs(namespaceUri, ns::Profile);
    if (nameIs(localName, "scene")) {
        if (inProfile)
            return SceneFactory::forElement(m_project, attributes);
        return readLegacySceneTrigger(attributes);
    }
    if (inProfile && nameIs(localName, "sceneTrigger"))
        return readSceneTrigger(attributes);
    if (inProfile && nameIs(localName, "link"))
        return readLink(attributes);
    if (inProfile && nameIs(localName, "automatic"))
        return readAutomatic(attributes);
    return new NullFactory(NullFactory::UnknownElement);
}

bool ProjectFactory::isWeatherStation(int appId)
{
    return appId == ProjectEnum::Model_0492 || appId == ProjectEnum::Model_4899;
}

bool ProjectFactory::underWeatherStation() const
{
    return isWeatherStation(m_appId);
}

IFactory* ProjectFactory::readDevice(const QXmlAttributes& attributes)
{
    m_appId = attributes.value(QStringLiteral("appId")).toInt();
    // The presence flags are only ever set while reading, never cleared.
    if (underWeatherStation())
        m_project.setHasWeatherStation(true);
    else if (m_appId == ProjectEnum::VESK_BOX)
        m_project.setHasVeskBox(true);
    return this;
}

IFactory* ProjectFactory::readSensor(const QXmlAttributes& attributes)
{
    // Channels 7 and up of a weather station are its light sensors 1, 2, ...
    const int channel = attributes.value(QStringLiteral("channel")).toInt();
    if (channel >= 7)
        m_project.lightSensorNames().insert(channel - 6,
                                            kept(attributes.value(QStringLiteral("name"))));
    return this;
}

IFactory* ProjectFactory::readLegacySceneTrigger(const QXmlAttributes& attributes)
{
    // The older form names a scene of the installation; it never had a job.
    m_project.sceneTriggers().append(
        SceneTrigger(stringToUuid(attributes.value(QStringLiteral("id"))),
                     kept(attributes.value(QStringLiteral("name"))),
                     attributes.value(QStringLiteral("number")).toInt(), -1));
    return new NullFactory;
}

IFactory* ProjectFactory::readSceneTrigger(const QXmlAttributes& attributes)
{
    // Only documents of the complete form carry the name and number of this form.
    const QString number = namespacedValue(attributes, ns::Complete, QLatin1String("number"));
    m_project.sceneTriggers().append(SceneTrigger(
        stringToUuid(attributes.value(QStringLiteral("id"))),
        kept(namespacedValue(attributes, ns::Complete, QLatin1String("name"))),
        number.isEmpty() ? -1 : number.toInt(), attributes.value(QStringLiteral("jobId")).toInt()));
    return new NullFactory;
}

IFactory* ProjectFactory::readLink(const QXmlAttributes& attributes)
{
    // Keys must match exactly; a link whose type or system is unknown is dropped.
    bool typeKnown = false;
    bool osKnown = false;
    const int type =
        enumValue<Link::LinkType>(attributes.value(QStringLiteral("type")), &typeKnown);
    const int os = enumValue<Link::OsName>(attributes.value(QStringLiteral("os")), &osKnown);
    if (typeKnown && osKnown) {
        Link link(stringToUuid(attributes.value(QStringLiteral("id"))),
                  kept(attributes.value(QStringLiteral("name"))),
                  kept(attributes.value(QStringLiteral("icon"))),
                  stringToBool(attributes.value(QStringLiteral("favorite"))),
                  static_cast<Link::LinkType>(type), kept(attributes.value(QStringLiteral("url"))),
                  static_cast<Link::OsName>(os));
        link.setAppName(kept(attributes.value(QStringLiteral("app-name"))));
        m_project.links().append(link);
        return new NullFactory;
    }
    return new NullFactory(NullFactory::UnknownLinkKeys);
}

IFactory* ProjectFactory::readAutomatic(const QXmlAttributes& attributes)
{
    const QString id = kept(attributes.value(QStringLiteral("id")));
    const Automatic automatic(id, stringToBool(attributes.value(QStringLiteral("runOnVacation"))));
    // A later program with the same identifier replaces the earlier one.
    m_project.automatics().insert(id, automatic);
    return new AutomaticFactory(automatic);
}

QT_WARNING_POP
