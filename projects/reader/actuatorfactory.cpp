// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "actuatorfactory.h"

#include "nullfactory.h"

#include <projects/datapoint.h>
#include <projects/function.h>
#include <projects/projectenum.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

#include <utils/tools.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

namespace {

struct ModelFunction
{
    ProjectEnum::AppId appId;
    Function::FunctionType type;
};

// The device models whose channels carry one kind of function.
const ModelFunction modelFunctions[] = {
    {ProjectEnum::Model_0625, Function::Switch},    {ProjectEnum::Model_4824, Function::Switch},
    {ProjectEnum::Model_4828, Function::Switch},    {ProjectEnum::Model_4829, Function::Switch},
    {ProjectEnum::Model_4852, Function::Switch},    {ProjectEnum::Model_4862, Function::Switch},
    {ProjectEnum::Model_0675, Function::Dimming},   {ProjectEnum::Model_4803, Function::Dimming},
    {ProjectEnum::Model_4867, Function::Dimming},   {ProjectEnum::Model_4870, Function::Dimming},
    {ProjectEnum::Model_4872, Function::Dimming},   {ProjectEnum::Model_4874, Function::Dimming},
    {ProjectEnum::Model_4880, Function::Dimming},   {ProjectEnum::Model_4881, Function::Dimming},
    {ProjectEnum::Model_0655, Function::Blind},     {ProjectEnum::Model_4851, Function::Blind},
    {ProjectEnum::Model_4854, Function::Blind},     {ProjectEnum::Model_4855, Function::Blind},
    {ProjectEnum::Model_4858, Function::Blind},     {ProjectEnum::Model_4865, Function::Blind},
    {ProjectEnum::Model_4841, Function::Heating},   {ProjectEnum::Model_4842, Function::Heating},
    {ProjectEnum::Model_4843, Function::Heating},   {ProjectEnum::Model_4846, Function::Heating},
    {ProjectEnum::Model_4856, Function::Heating},   {ProjectEnum::Model_4864, Function::Heating},
    {ProjectEnum::Model_4832, Function::SplitUnit},
};

} // namespace

ActuatorFactory::ActuatorFactory(const Actuator& actuator, int functionType, ReadCache* cache)
    : m_actuator(actuator), m_functionType(functionType), m_cache(cache)
{
}

ActuatorFactory::~ActuatorFactory() = default;

IFactory* ActuatorFactory::forElement(const Project& project, int appId,
                                      const QXmlAttributes& attributes, ReadCache* cache)
{
    Actuator actuator(stringToUuid(attributes.value(QStringLiteral("id"))),
                      kept(attributes.value(QStringLiteral("name"))),
                      cache->sharedText(attributes.value(QStringLiteral("onIcon"))),
                      cache->sharedText(attributes.value(QStringLiteral("offIcon"))));
    actuator.setAppId(appId);
    // Only documents of the complete form carry a use case outside the parameters.
    const QString useCase = namespacedValue(attributes, ns::Complete, QLatin1String("useCase"));
    if (!useCase.isEmpty())
        actuator.setUseCase(useCase.toInt());
    Project owner(project);
    owner.actuators().append(actuator);
    return new ActuatorFactory(actuator, functionTypeOf(appId), cache);
}

int ActuatorFactory::functionTypeOf(int appId)
{
    for (const ModelFunction& model : modelFunctions) {
        if (model.appId == appId)
            return model.type;
    }
    return Function::Unknown;
}

IFactory* ActuatorFactory::createChild(const QString& namespaceUri, const QString& localName,
                                       const QXmlAttributes& attributes)
{
    Q_UNUSED(namespaceUri)
    if (nameIs(localName, "datapoint"))
        readDatapoint(attributes);
    else if (nameIs(localName, "parameter"))
        readParameter(attributes);
    else
        return new NullFactory(NullFactory::UnknownElement);
    return new NullFactory;
}

void ActuatorFactory::readDatapoint(const QXmlAttributes& attributes)
{
    // The datapoint takes its id in QUuid's braced form, not in the file's form.
    const QString id = stringToUuid(attributes.value(QStringLiteral("id"))).toString();
    const QString role = m_cache->sharedText(attributes.value(QStringLiteral("role")));
    const int address = decimalValue(attributes.value(QStringLiteral("address")));
    m_actuator.datapoints().insert(role, Datapoint(id, role, address));
}

void ActuatorFactory::readParameter(const QXmlAttributes& attributes)
{
    const QString name = attributes.value(QStringLiteral("name"));
    const QString value = attributes.value(QStringLiteral("value"));
    // Dimmers and blinds keep their use case among the parameters; they have no other
    // parameter worth keeping.
    switch (m_functionType) {
    case Function::Dimming:
        if (nameIs(name, "farbsteuerung"))
            m_actuator.setUseCase(value.toInt());
        return;
    case Function::Blind:
        if (nameIs(name, "useCase"))
            m_actuator.setUseCase(value.toInt());
        return;
    default:
        break;
    }
    const QByteArray typeName = attributes.value(QStringLiteral("type")).toLatin1();
    QVariant parameter =
        utils::Tools::stringToVariant(value, QVariant::nameToType(typeName.constData()));
    if (parameter.type() == QVariant::String)
        parameter = kept(parameter.toString());
    m_actuator.setParameter(m_cache->sharedText(name), parameter);
}

QT_WARNING_POP
