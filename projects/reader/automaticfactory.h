// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_AUTOMATICFACTORY_H
#define PROJECTS_READER_AUTOMATICFACTORY_H

#include "ifactory.h"

#include <projects/automatic.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the children of an `automatic` element: each `switchTime` child (any
 * letter case, any namespace) is appended to the program's switch times.
 *
 * The handler shares the program with the entry in the project, so the switch times
 * land there. Any other child is skipped.
 */
class AutomaticFactory : public IFactory
{
public:
    explicit AutomaticFactory(const projects::Automatic& automatic);
    ~AutomaticFactory() override;

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::Automatic m_automatic;
};

QT_WARNING_POP

#endif // PROJECTS_READER_AUTOMATICFACTORY_H
