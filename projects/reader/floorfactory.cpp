// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "floorfactory.h"

#include "nullfactory.h"
#include "roomfactory.h"

#include <projects/room.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

FloorFactory::FloorFactory(const Project& project, const Floor& floor, ReadCache* cache)
    : m_project(project), m_floor(floor), m_cache(cache)
{
}

FloorFactory::~FloorFactory() = default;

IFactory* FloorFactory::forElement(const Project& project, const QXmlAttributes& attributes,
                                   ReadCache* cache)
{
    Floor floor(stringToUuid(attributes.value(QStringLiteral("id"))),
                kept(attributes.value(QStringLiteral("name"))));
    Project owner(project);
    owner.floors().append(floor);
    return new FloorFactory(project, floor, cache);
}

IFactory* FloorFactory::createChild(const QString& namespaceUri, const QString& localName,
                                    const QXmlAttributes& attributes)
{
    Q_UNUSED(namespaceUri)
    if (!nameIs(localName, "room"))
        return new NullFactory(NullFactory::UnknownElement);

    // The unprefixed colour is the installer's, which the writer puts out; restoring it
    // lets a room keep its colour through a write and a read.
    Room room(stringToUuid(attributes.value(QStringLiteral("id"))),
              kept(attributes.value(QStringLiteral("name"))),
              m_cache->sharedText(attributes.value(QStringLiteral("icon"))),
              QColor(attributes.value(QStringLiteral("color"))));
    room.restoreProfile(
        kept(namespacedValue(attributes, ns::Profile, QLatin1String("name"))),
        m_cache->sharedText(namespacedValue(attributes, ns::Profile, QLatin1String("icon"))),
        QColor(namespacedValue(attributes, ns::Profile, QLatin1String("color"))));
    m_floor.rooms().append(room);
    return new RoomFactory(m_project, room, m_cache);
}

QT_WARNING_POP
