// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_PROJECTFACTORY_H
#define PROJECTS_READER_PROJECTFACTORY_H

#include "ifactory.h"

#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of the `project` element.
 *
 * It stands for the container elements and `device` (and weather-station `sensor`)
 * elements too, so the elements below them are read as if they were direct children of
 * `project`. Each kind of element below `project` has one rule in createChild().
 */
class ProjectFactory : public IFactory
{
public:
    /// @p cache is the root handler's, shared with the handlers below.
    ProjectFactory(const projects::Project& project, ReadCache* cache);
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

    /// Returns @c true if @p appId is the application id of a weather station, whose
    /// `device` element sets the project's flag and holds the light sensors.
    static bool isWeatherStation(int appId);

private:
    IFactory* readDevice(const QXmlAttributes& attributes);
    IFactory* readSensor(const QXmlAttributes& attributes);
    IFactory* readLegacySceneTrigger(const QXmlAttributes& attributes);
    IFactory* readSceneTrigger(const QXmlAttributes& attributes);
    IFactory* readLink(const QXmlAttributes& attributes);
    IFactory* readAutomatic(const QXmlAttributes& attributes);
    bool underWeatherStation() const;

    projects::Project m_project;
    ReadCache* m_cache;
    int m_appId = -1; // of the latest `device` element; stays in force after it ends
};

QT_WARNING_POP

#endif // PROJECTS_READER_PROJECTFACTORY_H
