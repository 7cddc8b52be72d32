// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "describe.h"

#include <projects/floor.h>
#include <projects/project.h>
#include <projects/room.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace projects;

namespace tool {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString numberText(double value)
{
    return QString::number(value + 0.0, 'g', 6);
}

QString valueText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return numberText(value.toDouble());
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    return QStringLiteral("null");
}

QVector<Count> countsOf(const Project& project)
{
    int rooms = 0;
    int functions = 0;
    for (const Floor& floor : project.floors()) {
        rooms += floor.rooms().size();
        for (const Room& room : floor.rooms())
            functions += room.functions().size();
    }
    return {{"floors", "floors", int(project.floors().size())},
            {"rooms", "rooms", rooms},
            {"functions", "functions", functions},
            {"actuators", "actuators", int(project.actuators().size())},
            {"groups", "groups", int(project.groups().size())},
            {"scenes", "scenes", int(project.scenes().size())},
            {"sceneTriggers", "scene triggers", int(project.sceneTriggers().size())},
            {"links", "links", int(project.links().size())},
            {"automatics", "automatic programs", int(project.automatics().size())},
            {"lightSensors", "light sensors", int(project.lightSensorNames().size())}};
}

} // namespace tool
