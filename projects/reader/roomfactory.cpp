// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "roomfactory.h"

#include "functionfactory.h"
#include "nullfactory.h"

#include <projects/common/conversions.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

RoomFactory::RoomFactory(const Project& project, const Room& room, ReadCache* cache)
    : m_project(project), m_room(room), m_cache(cache)
{
}

RoomFactory::~RoomFactory() = default;

IFactory* RoomFactory::createChild(const QString& namespaceUri, const QString& localName,
                                   const QXmlAttributes& attributes)
{
    Q_UNUSED(namespaceUri)
    if (nameIs(localName, "function"))
        return FunctionFactory::forElement(m_room.functions(), attributes, m_cache);
    return new NullFactory(NullFactory::UnknownElement);
}

QT_WARNING_POP
