// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_FUNCTIONFACTORY_H
#define PROJECTS_READER_FUNCTIONFACTORY_H

#include "ifactory.h"

#include <projects/function.h>

#include <QList>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a `function` element: its actuator and group
 * references, cached datapoints, simulation and switch times.
 *
 * Holds a handle to the function, which shares its data with the one in its room's
 * functions, so everything read lands there.
 */
class FunctionFactory : public IFactory
{
public:
    FunctionFactory(const projects::Function& function, ReadCache* cache);
    ~FunctionFactory() override;

    /**
     * @brief Reads a `function` start tag, appends the function to @p owner and returns a
     * new FunctionFactory holding it.
     *
     * The type is the key name of "type"; the older form "Status" (exact letters) takes
     * "statusType" 1 as StateStatus and 2 as TemperatureStatus, anything else as Unknown.
     * A text that is no key gives -1. Status functions also read "address" and either
     * "onText" and "offText" or "unit"; the profile-namespace icons are read for all.
     */
    static IFactory* forElement(QList<projects::Function>& owner, const QXmlAttributes& attributes,
                                ReadCache* cache);

    /**
     * @brief Reads one child of the `function` element (local names in any letter case).
     *
     * `group-refs` is entered only for Heating and SplitUnit functions (the handler
     * returns itself); `group-ref` adds a group reference unless it names a special
     * group; `actuator-ref` sets the actuator reference; `datapoint` in the cache
     * namespace adds a cached datapoint; `simulation` and `switchTime` are read by their
     * own handlers. Everything else is skipped with its subtree.
     */
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

    /// The function the handler fills.
    const projects::Function& function() const { return m_function; }

private:
    projects::Function m_function;
    ReadCache* m_cache;
};

QT_WARNING_POP

#endif // PROJECTS_READER_FUNCTIONFACTORY_H
