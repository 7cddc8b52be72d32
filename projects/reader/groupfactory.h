// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_GROUPFACTORY_H
#define PROJECTS_READER_GROUPFACTORY_H

#include "ifactory.h"

#include <projects/group.h>
#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a `group` element: its `switchTime` children.
 *
 * Holds a handle to the group, which shares its data with the one in the project.
 */
class GroupFactory : public IFactory
{
public:
    explicit GroupFactory(const projects::Group& group);
    ~GroupFactory() override;

    /**
     * @brief Reads a `group` start tag below `project`.
     *
     * Special groups and groups with a negative address are skipped with their subtree
     * (a new NullFactory); any other group is appended to the project's groups and a
     * new GroupFactory holding it is returned.
     */
    static IFactory* forElement(const projects::Project& project, const QXmlAttributes& attributes);

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::Group m_group;
};

QT_WARNING_POP

#endif // PROJECTS_READER_GROUPFACTORY_H
