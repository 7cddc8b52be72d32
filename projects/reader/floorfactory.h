// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_FLOORFACTORY_H
#define PROJECTS_READER_FLOORFACTORY_H

#include "ifactory.h"

#include <projects/floor.h>
#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a `floor` element: its `room` children.
 *
 * Holds handles to the project and to the floor, which shares its data with the one in
 * the project's floors, so every room read lands there.
 */
class FloorFactory : public IFactory
{
public:
    FloorFactory(const projects::Project& project, const projects::Floor& floor, ReadCache* cache);
    ~FloorFactory() override;

    /**
     * @brief Reads a `floor` start tag: the floor gets the identifier of "id" and the
     * text of "name", is appended to the project's floors, and a new FloorFactory
     * holding it is returned.
     */
    static IFactory* forElement(const projects::Project& project, const QXmlAttributes& attributes,
                                ReadCache* cache);

    /**
     * @brief A `room` child (any letter case, any namespace) is built from its start
     * tag, appended to the floor's rooms and handed to a new RoomFactory.
     *
     * The room takes its id, the installer's name, icon and colour from the unprefixed
     * attributes and its profile name, icon and colour from the profile namespace.
     * Every other child is skipped with its subtree.
     */
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::Project m_project;
    projects::Floor m_floor;
    ReadCache* m_cache;
};

QT_WARNING_POP

#endif // PROJECTS_READER_FLOORFACTORY_H
