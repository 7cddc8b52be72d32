// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_SIMULATIONFACTORY_H
#define PROJECTS_READER_SIMULATIONFACTORY_H

#include "ifactory.h"

#include <projects/function.h>
#include <projects/simulation.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Builds a simulation of a function of type @p type from the attributes of a
 * `simulation` element.
 *
 * A missing or unreadable date-time becomes its default (today at 12:00, 11:59, 05:00
 * or 23:00), a missing integer 0 (also the job identifiers and the datapoint) and a
 * missing boolean false. The simulation has no timers yet. Date-time texts met before
 * in the document are taken from @p cache.
 */
projects::Simulation simulationFromAttributes(const QXmlAttributes& attributes,
                                              projects::Function::FunctionType type,
                                              ReadCache* cache);

/**
 * @brief Handles the children of a `simulation` element: each `timer` child (any letter
 * case, any namespace) maps its "day" to its "id" in the simulation's timers.
 *
 * The handler shares the simulation with its function, so the timers land there.
 * Everything below `timer`, and any other child, is skipped.
 */
class SimulationFactory : public IFactory
{
public:
    explicit SimulationFactory(const projects::Simulation& simulation);
    ~SimulationFactory() override;

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    projects::Simulation m_simulation;
};

QT_WARNING_POP

#endif // PROJECTS_READER_SIMULATIONFACTORY_H
