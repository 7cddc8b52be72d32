// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_SCENEFACTORY_H
#define PROJECTS_READER_SCENEFACTORY_H

#include "ifactory.h"

#include <projects/project.h>
#include <projects/scene.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a user `scene` element: `trigger`, `snapshot` and
 * `switchTime` children, matched by local name in any namespace and letter case.
 *
 * It holds a copy sharing the scene in the project's list, so everything it adds lands
 * in that scene. Any other child is skipped with its subtree.
 */
class SceneFactory : public IFactory
{
public:
    explicit SceneFactory(const projects::Scene& scene);

    /**
     * Builds a Scene from the attributes of a profile-namespace `scene` element, appends
     * it to @p project's scenes and returns a new SceneFactory for its content. Colours
     * outside Scene::allowedSceneColors read as white.
     */
    static IFactory* forElement(const projects::Project& project, const QXmlAttributes& attributes);

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    void readTrigger(const QXmlAttributes& attributes);

    projects::Scene m_scene;
};

QT_WARNING_POP

#endif // PROJECTS_READER_SCENEFACTORY_H
