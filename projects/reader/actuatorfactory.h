// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_ACTUATORFACTORY_H
#define PROJECTS_READER_ACTUATORFACTORY_H

#include "ifactory.h"

#include <projects/actuator.h>
#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of an `actuator` element: its `datapoint` and `parameter`
 * children.
 *
 * Holds a handle to the actuator, which shares its data with the one in the project,
 * and the function type of the device model, which decides how parameters are read.
 */
class ActuatorFactory : public IFactory
{
public:
    /// @p functionType holds a Function::FunctionType value.
    ActuatorFactory(const projects::Actuator& actuator, int functionType, ReadCache* cache);
    ~ActuatorFactory() override;

    /**
     * @brief Reads an `actuator` start tag below `project`.
     *
     * The actuator gets @p appId (that of the latest `device` element, -1 before any),
     * is appended to the project's actuators, and a new ActuatorFactory holding it and
     * the function type of @p appId is returned.
     */
    static IFactory* forElement(const projects::Project& project, int appId,
                                const QXmlAttributes& attributes, ReadCache* cache);

    /// Returns the function type (a Function::FunctionType value) of the device model
    /// @p appId; Unknown for models that carry no function of their own.
    static int functionTypeOf(int appId);

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

private:
    void readDatapoint(const QXmlAttributes& attributes);
    void readParameter(const QXmlAttributes& attributes);

    projects::Actuator m_actuator;
    int m_functionType;
    ReadCache* m_cache;
};

QT_WARNING_POP

#endif // PROJECTS_READER_ACTUATORFACTORY_H
