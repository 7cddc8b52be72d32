// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_SWITCHTIMEFACTORY_H
#define PROJECTS_READER_SWITCHTIMEFACTORY_H

#include "ifactory.h"

#include <projects/switchtime.h>

#include <QList>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Builds a switch time from the attributes of a `switchTime` element.
 *
 * Missing "minStart" and "maxEnd" give 06:00 and 17:00, a missing "offset", "days" or
 * "value" 0, a missing "start" an invalid time and a missing or malformed "id" the null
 * identifier (an invalid switch time). "limit" is set only by the exact text "true".
 * Additional values that cannot be decoded, or that hold a type other than the plain
 * core values, give an empty table. The type is always Time and there are no timers.
 */
projects::SwitchTime switchTimeFromAttributes(const QXmlAttributes& attributes);

/**
 * @brief Handles the children of a `switchTime` element: each `timer` child (any letter
 * case, any namespace) maps its "day" to its "id" in the switch time's timers.
 *
 * The handler shares the switch time with the entry in its owner's list, so the timers
 * land there. Everything below `timer`, and any other child, is skipped.
 */
class SwitchTimeFactory : public IFactory
{
public:
    explicit SwitchTimeFactory(const projects::SwitchTime& switchTime);
    ~SwitchTimeFactory() override;

    /**
     * @brief Reads a `switchTime` element for a parent handler: builds the switch time
     * with switchTimeFromAttributes(), appends it to @p owner (valid or not) and returns
     * a new SwitchTimeFactory holding it.
     */
    static IFactory* forElement(QList<projects::SwitchTime>& owner,
                                const QXmlAttributes& attributes);

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::SwitchTime m_switchTime;
};

QT_WARNING_POP

#endif // PROJECTS_READER_SWITCHTIMEFACTORY_H
