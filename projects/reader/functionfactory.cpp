// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "functionfactory.h"

#include "nullfactory.h"
#include "simulationfactory.h"
#include "switchtimefactory.h"

#include <projects/group.h>
#include <projects/simulation.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>
#include <projects/common/texts_p.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

namespace {

Function::FunctionType typeFromAttributes(const QXmlAttributes& attributes)
{
    const QString type = attributes.value(QStringLiteral("type"));
    // Older files name every status display "Status" and tell the kind by number.
    if (type == QLatin1String("Status")) {
        switch (attributes.value(QStringLiteral("statusType")).toInt()) {
        case 1:
            return Function::StateStatus;
        case 2:
            return Function::TemperatureStatus;
        default:
            return Function::Unknown;
        }
    }
    return static_cast<Function::FunctionType>(enumValue<Function::FunctionType>(type));
}

} // namespace

FunctionFactory::FunctionFactory(const Function& function, ReadCache* cache)
    : m_function(function), m_cache(cache)
{
}

FunctionFactory::~FunctionFactory() = default;

IFactory* FunctionFactory::forElement(QList<Function>& owner, const QXmlAttributes& attributes,
                                      ReadCache* cache)
{
    Function function(stringToUuid(attributes.value(QStringLiteral("id"))),
                      kept(attributes.value(QStringLiteral("name"))),
                      typeFromAttributes(attributes),
                      stringToBool(attributes.value(QStringLiteral("runOnVacation"))));
    function.setOnIcon(
        cache->sharedText(namespacedValue(attributes, ns::Profile, QLatin1String("onIcon"))));
    function.setOffIcon(
        cache->sharedText(namespacedValue(attributes, ns::Profile, QLatin1String("offIcon"))));

    // Only documents of the complete form give the simulation a type of its own.
    if (const auto simulationType =
            completeEnumValue<Function::FunctionType>(attributes, QLatin1String("simulationType")))
        function.simulation().setType(Function::FunctionType(*simulationType));

    const Function::FunctionType type = function.type();
    if (type == Function::StateStatus || type == Function::TemperatureStatus) {
        function.setAddress(decimalValue(attributes.value(QStringLiteral("address"))));
        if (type == Function::StateStatus) {
            function.setOnText(cache->sharedText(attributes.value(QStringLiteral("onText"))));
            function.setOffText(cache->sharedText(attributes.value(QStringLiteral("offText"))));
        } else {
            function.setUnit(cache->sharedText(attributes.value(QStringLiteral("unit"))));
        }
    }
    owner.append(function);
    return new FunctionFactory(function, cache);
}

IFactory* FunctionFactory::createChild(const QString& namespaceUri, const QString& localName,
                                       const QXmlAttributes& attributes)
{
    const Function::FunctionType type = m_function.type();
    // Only heating zones and split units keep group references from the file; the
    // container of any other function is skipped with its references.
    if ((type == Function::Heating || type == Function::SplitUnit) &&
        nameIs(localName, "group-refs"))
        return this;

    if (nameIs(localName, "actuator-ref")) {
        m_function.setActuatorRef(stringToUuid(attributes.value(QStringLiteral("ref"))));
    } else if (nameIs(localName, "group-ref")) {
        // The special groups are known by their braced identifier text.
        const QUuid ref = stringToUuid(attributes.value(QStringLiteral("ref")));
        if (!Group::isSpecialGroup(ref.toString()))
            m_function.addGroupRef(ref);
    } else if (nameIs(localName, "datapoint") && nameIs(namespaceUri, ns::Cache)) {
        m_function.addCachedDatapoint(m_cache->sharedText(attributes.value(QStringLiteral("role"))),
                                      decimalValue(attributes.value(QStringLiteral("datapoint"))));
    } else if (nameIs(localName, "simulation")) {
        // The function's type, or the one a complete document gave the simulation.
        const Simulation simulation =
            simulationFromAttributes(attributes, m_function.simulation().type(), m_cache);
        m_function.setSimulation(simulation);
        return new SimulationFactory(simulation);
    } else if (nameIs(localName, "switchTime")) {
        return SwitchTimeFactory::forElement(m_function.switchTimes(), attributes);
    } else {
        return new NullFactory(NullFactory::UnknownElement);
    }
    return new NullFactory;
}

QT_WARNING_POP
