// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "rootfactory.h"

#include "nullfactory.h"
#include "projectfactory.h"

#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

IFactory* RootFactory::createChild(const QString& namespaceUri, const QString& localName,
                                   const QXmlAttributes& attributes)
{
    if ((nameIs(namespaceUri, ns::Legacy) || nameIs(namespaceUri, ns::Project)) &&
        nameIs(localName, "project"))
        return createProjectFactory(namespaceUri, attributes);
    return new NullFactory(NullFactory::UnknownElement);
}

IFactory* RootFactory::createProjectFactory(const QString& namespaceUri,
                                            const QXmlAttributes& attributes)
{
    const QString name = attributes.value(QStringLiteral("name"));
    const QString owner = attributes.value(QStringLiteral("owner"));
    const QString installer = attributes.value(QStringLiteral("installer"));
    const QString vacation = attributes.value(QStringLiteral("vacationActivated"));

    m_project = Project(name);
    m_project.setOwner(owner);
    m_project.setInstaller(installer);
    m_project.setVacation(stringToBool(vacation));

    // The position counts only as a whole: a file that gives part of it keeps the defaults.
    const QString latitude = attributes.value(QStringLiteral("latitude"));
    const QString longitude = attributes.value(QStringLiteral("longitude"));
    const QString timezone = attributes.value(QStringLiteral("timezone"));
    if (!latitude.isEmpty() && !longitude.isEmpty() && !timezone.isEmpty()) {
        m_project.setLatitude(latitude.toDouble());
        m_project.setLongitude(longitude.toDouble());
        m_project.setTimezone(timezone.toInt());
    }

    // Older files carry no profile part.
    if (nameIs(namespaceUri, ns::Project)) {
        m_project.setMd5(attributes.value(ns::Profile, QStringLiteral("md5")));
        m_project.setCreationVersion(
            attributes.value(ns::Profile, QStringLiteral("creationVersion")));
        m_project.setModificationVersion(
            attributes.value(ns::Profile, QStringLiteral("modificationVersion")));
    }
    return new ProjectFactory(m_project, &m_cache);
}

QT_WARNING_POP
