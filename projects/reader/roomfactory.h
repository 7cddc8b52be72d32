// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_ROOMFACTORY_H
#define PROJECTS_READER_ROOMFACTORY_H

#include "ifactory.h"

#include <projects/project.h>
#include <projects/room.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a `room` element: its `function` children.
 *
 * Holds handles to the project and to the room, which shares its data with the one in
 * its floor's rooms, so every function read lands there.
 */
class RoomFactory : public IFactory
{
public:
    RoomFactory(const projects::Project& project, const projects::Room& room, ReadCache* cache);
    ~RoomFactory() override;

    /**
     * @brief A `function` child (any letter case, any namespace) is built from its start
     * tag, appended to the room's functions and handed to a new FunctionFactory. Every
     * other child is skipped with its subtree.
     */
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::Project m_project;
    projects::Room m_room;
    ReadCache* m_cache;
};

QT_WARNING_POP

#endif // PROJECTS_READER_ROOMFACTORY_H
