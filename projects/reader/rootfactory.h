// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_ROOTFACTORY_H
#define PROJECTS_READER_ROOTFACTORY_H

#include "ifactory.h"

#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief The handler of the document itself: accepts a `project` document element in
 * the project or legacy namespace and skips any other document.
 */
class RootFactory : public IFactory
{
public:
    RootFactory() = default;
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;
    /// Reads the `project` element into a new Project and returns its ProjectFactory.
    virtual IFactory* createProjectFactory(const QString& namespaceUri,
                                           const QXmlAttributes& attributes);
    /// Returns a handle to the project read so far (a default one before `project`).
    projects::Project project() const { return m_project; }

private:
    projects::Project m_project;
    // Shared by the handlers below the document element; lives as long as the parse.
    ReadCache m_cache;
};

QT_WARNING_POP

#endif // PROJECTS_READER_ROOTFACTORY_H
