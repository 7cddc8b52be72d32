// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "completewriter_p.h"

#include <projects/actuator.h>
#include <projects/datapoint.h>
#include <projects/function.h>
#include <projects/project.h>
#include <projects/projectenum.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>
#include <projects/common/order_p.h>
#include <projects/common/schedules_p.h>
#include <projects/common/texts_p.h>
#include <projects/common/timers_p.h>
#include <projects/common/valuetext_p.h>
#include <projects/reader/actuatorfactory.h>
#include <projects/reader/projectfactory.h>

#include <QLocale>
#include <QUrl>
#include <QXmlStreamWriter>

#include <algorithm>

namespace projects {

namespace {

// Numbers the reader reads with QString::toDouble come back exactly in their shortest
// form; the element writers' six digits would round them.
QString exactNumber(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A time of day as the switch-time reader reads it back: an empty text would read as the
// attribute's default rather than as the invalid time it stands for.
QString timeText(const QTime& time)
{
    return time.isValid() ? time.toString(Qt::TextDate) : QStringLiteral("invalid");
}

struct ParameterText
{
    QString type;
    QString value;
};

// The type name and text of a typed device parameter that the reader turns back into the
// same value. An invalid value is written as a number that does not convert, which the
// reader reads as invalid again.
ParameterText parameterText(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return {QStringLiteral("int"), QString()};
    case QMetaType::Bool:
        return {QStringLiteral("bool"), trueFalseText(value.toBool())};
    case QMetaType::Double:
        return {QStringLiteral("double"), exactNumber(value.toDouble())};
    case QMetaType::QByteArray:
        return {QStringLiteral("QByteArray"), QString::fromUtf8(value.toByteArray())};
    case QMetaType::QTime:
        return {QStringLiteral("QTime"), value.toTime().toString(Qt::ISODateWithMs)};
    case QMetaType::QDateTime:
        return {QStringLiteral("QDateTime"), value.toDateTime().toString(Qt::ISODateWithMs)};
    case QMetaType::QUrl:
        return {QStringLiteral("QUrl"), value.toUrl().toString(QUrl::FullyEncoded)};
    case QMetaType::QUuid:
        return {QStringLiteral("QUuid"), value.toUuid().toString()};
    case QMetaType::QStringList:
        return {QStringLiteral("QStringList"), value.toStringList().join(QLatin1Char(','))};
    default:
        return {QString::fromLatin1(value.typeName()), value.toString()};
    }
}

void writeParameter(QXmlStreamWriter* writer, const QString& name, const QString& type,
                    const QString& value)
{
    writer->writeStartElement(QStringLiteral("parameter"));
    writer->writeAttribute(QStringLiteral("name"), name);
    if (!type.isEmpty())
        writer->writeAttribute(QStringLiteral("type"), type);
    writer->writeAttribute(QStringLiteral("value"), value);
    writer->writeEndElement();
}

void writeSensors(QXmlStreamWriter* writer, const QHash<int, QString>& names)
{
    // Light sensor n is channel n + 6 of the weather station.
    for (int number : sortedKeys(names)) {
        writer->writeStartElement(QStringLiteral("sensor"));
        writer->writeAttribute(QStringLiteral("channel"), QString::number(number + 6));
        writer->writeAttribute(QStringLiteral("name"), names.value(number));
        writer->writeEndElement();
    }
}

void writeSnapshot(QXmlStreamWriter* writer, const Snapshot& snapshot)
{
    writer->writeStartElement(QStringLiteral("snapshot"));
    writer->writeAttribute(QStringLiteral("function-ref"), uuidToString(snapshot.functionId()));
    const QHash<QString, QJsonValue>& values = snapshot.values();
    for (const QString& key : sortedDatapointKeys(values)) {
        const QJsonValue value = values.value(key);
        writer->writeStartElement(QStringLiteral("datapoint"));
        writer->writeAttribute(QStringLiteral("address"), key);
        writer->writeAttribute(QStringLiteral("value"), value.isDouble()
                                                            ? exactNumber(value.toDouble())
                                                            : snapshotValueToText(value, -1, true));
        writer->writeEndElement();
    }
    writer->writeEndElement();
}

} // namespace

void CompleteWriter::declareNamespace(QXmlStreamWriter* writer)
{
    writer->writeNamespace(ns::Complete, ns::CompletePrefix);
}

void CompleteWriter::writeProjectAttributes(QXmlStreamWriter* writer, const Project& project)
{
    // The reader takes the position only when all three attributes are there.
    writer->writeAttribute(QStringLiteral("latitude"), exactNumber(project.latitude()));
    writer->writeAttribute(QStringLiteral("longitude"), exactNumber(project.longitude()));
    writer->writeAttribute(QStringLiteral("timezone"), QString::number(project.timezone()));
}

void CompleteWriter::writeRoomAttributes(QXmlStreamWriter* writer, const Room& room)
{
    const QColor white(Qt::white);
    if (room.profileColor() == white)
        writer->writeAttribute(ns::Profile, QStringLiteral("color"), white.name());
}

void CompleteWriter::writeFunction(QXmlStreamWriter* writer, const Function& function,
                                   bool withVacation)
{
    // The attributes of the function's own writer come first, in its order.
    writer->writeStartElement(QStringLiteral("function"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(function.id()));
    writer->writeAttribute(QStringLiteral("type"),
                           enumKey<Function::FunctionType>(function.type()));
    if (!function.name().isEmpty())
        writer->writeAttribute(QStringLiteral("name"), function.name());
    if (withVacation)
        writer->writeAttribute(QStringLiteral("runOnVacation"),
                               trueFalseText(function.runOnVacation()));
    if (!function.onIcon().isEmpty())
        writer->writeAttribute(ns::Profile, QStringLiteral("onIcon"), function.onIcon());
    if (!function.offIcon().isEmpty())
        writer->writeAttribute(ns::Profile, QStringLiteral("offIcon"), function.offIcon());
    // The reader takes the status fields of status functions only.
    if (function.type() == Function::StateStatus) {
        writer->writeAttribute(QStringLiteral("address"), QString::number(function.address()));
        writer->writeAttribute(QStringLiteral("onText"), function.onText());
        writer->writeAttribute(QStringLiteral("offText"), function.offText());
    } else if (function.type() == Function::TemperatureStatus) {
        writer->writeAttribute(QStringLiteral("address"), QString::number(function.address()));
        writer->writeAttribute(QStringLiteral("unit"), function.unit());
    }
    // The reader gives the simulation its function's type; a simulation of another type,
    // as that of a split unit read from an older file, carries its own.
    const Simulation simulation = function.simulation();
    if (simulation.type() != function.type())
        writer->writeAttribute(ns::Complete, QStringLiteral("simulationType"),
                               enumKeyOrNumber<Function::FunctionType>(simulation.type()));

    if (function.hasActuator()) {
        writer->writeStartElement(QStringLiteral("actuator-ref"));
        writer->writeAttribute(QStringLiteral("ref"), uuidToString(function.actuatorRef()));
        writer->writeEndElement();
    }
    const QList<QUuid> groupRefs = function.groupRefs();
    if (!groupRefs.isEmpty()) {
        writer->writeStartElement(QStringLiteral("group-refs"));
        for (const QUuid& ref : groupRefs) {
            writer->writeStartElement(QStringLiteral("group-ref"));
            writer->writeAttribute(QStringLiteral("ref"), uuidToString(ref));
            writer->writeEndElement();
        }
        writer->writeEndElement();
    }
    const QHash<QString, int>& cached = function.cachedDatapoints();
    for (const QString& role : sortedKeys(cached)) {
        writer->writeStartElement(ns::Cache, QStringLiteral("datapoint"));
        writer->writeAttribute(QStringLiteral("role"), role);
        writer->writeAttribute(QStringLiteral("datapoint"), QString::number(cached.value(role)));
        writer->writeEndElement();
    }
    writeSwitchTimes(writer, function.switchTimes());

    // The reader gives a function without a simulation element the default simulation of
    // the day it reads the file; written, that day would change the bytes day by day.
    if (!isDefault(simulation)) {
        simulation.beginSerialize(writer);
        simulation.endSerialize(writer);
    }
    writer->writeEndElement();
}

bool CompleteWriter::isDefault(const Simulation& simulation)
{
    const Simulation fresh;
    return simulation.id() == fresh.id() && simulation.enabled() == fresh.enabled() &&
           simulation.startTimeEnable() == fresh.startTimeEnable() &&
           simulation.startOnNight() == fresh.startOnNight() &&
           simulation.startTime() == fresh.startTime() &&
           simulation.endTimeEnable() == fresh.endTimeEnable() &&
           simulation.endOnNight() == fresh.endOnNight() &&
           simulation.endTime() == fresh.endTime() &&
           simulation.pauseTimeEnable() == fresh.pauseTimeEnable() &&
           simulation.pauseEndTime() == fresh.pauseEndTime() &&
           simulation.pauseStartTime() == fresh.pauseStartTime() &&
           simulation.delayStart() == fresh.delayStart() &&
           simulation.delayEnd() == fresh.delayEnd() &&
           simulation.durationStart() == fresh.durationStart() &&
           simulation.durationEnd() == fresh.durationEnd() &&
           simulation.repeat() == fresh.repeat() && simulation.startJobId() == fresh.startJobId() &&
           simulation.endJobId() == fresh.endJobId() &&
           simulation.simulationDatapoint() == fresh.simulationDatapoint() &&
           simulation.timerIds().isEmpty();
}

void CompleteWriter::writeDevices(QXmlStreamWriter* writer, const Project& project)
{
    const QList<Actuator>& actuators = project.actuators();
    const auto hasAppId = [&actuators](bool (*test)(int)) {
        return std::any_of(actuators.cbegin(), actuators.cend(),
                           [test](const Actuator& actuator) { return test(actuator.appId()); });
    };
    const bool sensorsToWrite =
        project.hasWeatherStation() && !project.lightSensorNames().isEmpty();

    // The reader sets the device flags from the devices it meets, and keeps the last
    // device's application id in force for the actuators that follow.
    int inForce = ProjectEnum::Model_Unknown;
    if (project.hasVeskBox() && !hasAppId([](int id) { return id == ProjectEnum::VESK_BOX; })) {
        writer->writeEmptyElement(QStringLiteral("device"));
        writer->writeAttribute(QStringLiteral("appId"), QString::number(ProjectEnum::VESK_BOX));
        inForce = ProjectEnum::VESK_BOX;
    }
    bool sensorsWritten = !sensorsToWrite;
    if (project.hasWeatherStation() && !hasAppId(ProjectFactory::isWeatherStation)) {
        writer->writeStartElement(QStringLiteral("device"));
        writer->writeAttribute(QStringLiteral("appId"), QString::number(ProjectEnum::Model_0492));
        writeSensors(writer, project.lightSensorNames());
        writer->writeEndElement();
        inForce = ProjectEnum::Model_0492;
        sensorsWritten = true;
    }

    for (int first = 0; first < actuators.size();) {
        const int appId = actuators.at(first).appId();
        int end = first + 1;
        while (end < actuators.size() && actuators.at(end).appId() == appId)
            ++end;
        const bool inDevice =
            appId != inForce || (!sensorsWritten && ProjectFactory::isWeatherStation(appId));
        if (inDevice) {
            writer->writeStartElement(QStringLiteral("device"));
            writer->writeAttribute(QStringLiteral("appId"), QString::number(appId));
            inForce = appId;
        }
        if (!sensorsWritten && ProjectFactory::isWeatherStation(appId)) {
            writeSensors(writer, project.lightSensorNames());
            sensorsWritten = true;
        }
        for (int i = first; i < end; ++i)
            writeActuator(writer, actuators.at(i));
        if (inDevice)
            writer->writeEndElement();
        first = end;
    }
}

void CompleteWriter::writeActuator(QXmlStreamWriter* writer, const Actuator& actuator)
{
    writer->writeStartElement(QStringLiteral("actuator"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(actuator.id()));
    writer->writeAttribute(QStringLiteral("name"), actuator.name());
    writer->writeAttribute(QStringLiteral("onIcon"), actuator.onIcon());
    writer->writeAttribute(QStringLiteral("offIcon"), actuator.offIcon());
    const int useCase = actuator.useCase();
    if (useCase != -1)
        writer->writeAttribute(QStringLiteral("useCase"), QString::number(useCase));
    // Dimmers and blinds carry their use case in a parameter of their own, and the reader
    // keeps no other parameter of theirs; the other devices keep every parameter, so
    // their use case needs an attribute the reader knows.
    const int functionType = ActuatorFactory::functionTypeOf(actuator.appId());
    if (useCase != -1 && functionType != Function::Dimming && functionType != Function::Blind)
        writer->writeAttribute(ns::Complete, QStringLiteral("useCase"), QString::number(useCase));

    const QHash<QString, Datapoint>& datapoints = actuator.datapoints();
    for (const QString& role : sortedKeys(datapoints)) {
        const Datapoint datapoint = datapoints.value(role);
        writer->writeStartElement(QStringLiteral("datapoint"));
        writer->writeAttribute(QStringLiteral("id"), uuidToString(datapoint.id()));
        writer->writeAttribute(QStringLiteral("role"), role);
        writer->writeAttribute(QStringLiteral("address"), QString::number(datapoint.address()));
        writer->writeEndElement();
    }

    if (functionType == Function::Dimming || functionType == Function::Blind) {
        if (useCase != -1)
            writeParameter(writer,
                           functionType == Function::Dimming ? QStringLiteral("farbsteuerung")
                                                             : QStringLiteral("useCase"),
                           QString(), QString::number(useCase));
    } else {
        const QHash<QString, QVariant>& parameters = actuator.parameters();
        for (const QString& name : sortedKeys(parameters)) {
            const ParameterText text = parameterText(parameters.value(name));
            writeParameter(writer, name, text.type, text.value);
        }
    }
    writer->writeEndElement();
}

void CompleteWriter::writeSwitchTime(QXmlStreamWriter* writer, const SwitchTime& switchTime)
{
    // The attributes of the switch time's own writer, in its order, with the astronomical
    // fields whatever the kind; the kind, which the reader does not read, comes last.
    writer->writeStartElement(ns::Profile, QStringLiteral("switchTime"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(switchTime.id()));
    writer->writeAttribute(QStringLiteral("value"), exactNumber(switchTime.value()));
    if (!switchTime.additionalValues().isEmpty())
        writer->writeAttribute(
            QStringLiteral("additionalValues"),
            QString::fromLatin1(encodeAdditionalValues(switchTime.additionalValues())));
    writer->writeAttribute(QStringLiteral("days"), QString::number(switchTime.days()));
    writer->writeAttribute(QStringLiteral("start"), switchTime.start().toString(Qt::TextDate));
    writer->writeAttribute(QStringLiteral("offset"), QString::number(switchTime.offset()));
    writer->writeAttribute(QStringLiteral("minStart"), timeText(switchTime.minStart()));
    writer->writeAttribute(QStringLiteral("maxEnd"), timeText(switchTime.maxEnd()));
    if (switchTime.limit())
        writer->writeAttribute(QStringLiteral("limit"), trueFalseText(switchTime.limit()));
    if (switchTime.type() != SwitchTime::Time)
        writer->writeAttribute(ns::Complete, QStringLiteral("kind"),
                               enumKeyOrNumber<SwitchTime::SwitchTimeType>(switchTime.type()));
    writeTimers(writer, switchTime.timerIds());
    writer->writeEndElement();
}

void CompleteWriter::writeSwitchTimes(QXmlStreamWriter* writer,
                                      const QList<SwitchTime>& switchTimes)
{
    for (const SwitchTime& switchTime : switchTimes)
        writeSwitchTime(writer, switchTime);
}

void CompleteWriter::writeScene(QXmlStreamWriter* writer, const Scene& scene, bool withVacation)
{
    // The attributes of the scene's own writer, in its order.
    writer->writeStartElement(ns::Profile, QStringLiteral("scene"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(scene.id()));
    writer->writeAttribute(QStringLiteral("name"), scene.name());
    writer->writeAttribute(QStringLiteral("icon"), scene.icon());
    const QColor color = scene.color();
    if (color.isValid())
        writer->writeAttribute(QStringLiteral("color"), color.name());
    writer->writeAttribute(ns::Profile, QStringLiteral("favorite"), yesNoText(scene.favorite()));
    writer->writeAttribute(ns::Profile, QStringLiteral("global"), yesNoText(scene.isGlobal()));
    if (withVacation)
        writer->writeAttribute(QStringLiteral("runOnVacation"), yesNoText(scene.runOnVacation()));
    // The reader keeps only the scene colours of the installation's palette; any other
    // colour comes back from here.
    if (color.isValid() && !Scene::allowedSceneColors.contains(color.name().toUpper()))
        writer->writeAttribute(ns::Complete, QStringLiteral("color"), color.name());

    QStringList triggers;
    for (const QUuid& trigger : scene.triggers())
        triggers.append(uuidToString(trigger));
    std::sort(triggers.begin(), triggers.end());
    for (const QString& trigger : qAsConst(triggers)) {
        writer->writeStartElement(QStringLiteral("trigger"));
        writer->writeAttribute(QStringLiteral("scene-ref"), trigger);
        writer->writeEndElement();
    }
    // One event trigger sets all three event fields; the defaults need none.
    if (scene.triggeredByPanic() || scene.triggeredByCentralOff() || scene.timerTrigger() != -1) {
        writer->writeStartElement(QStringLiteral("trigger"));
        writer->writeAttribute(QStringLiteral("panic"), yesNoText(scene.triggeredByPanic()));
        writer->writeAttribute(QStringLiteral("centralOff"),
                               yesNoText(scene.triggeredByCentralOff()));
        if (scene.timerTrigger() != -1)
            writer->writeAttribute(QStringLiteral("timer"), QString::number(scene.timerTrigger()));
        writer->writeEndElement();
    }
    if (withVacation)
        writeSwitchTimes(writer, scene.switchTimes());
    for (const Snapshot& snapshot : scene.snapshots())
        writeSnapshot(writer, snapshot);
    writer->writeEndElement();
}

void CompleteWriter::writeSceneTrigger(QXmlStreamWriter* writer, const SceneTrigger& trigger)
{
    writer->writeStartElement(ns::Profile, QStringLiteral("sceneTrigger"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(trigger.id()));
    writer->writeAttribute(QStringLiteral("jobId"), QString::number(trigger.jobId()));
    if (!trigger.name().isEmpty())
        writer->writeAttribute(ns::Complete, QStringLiteral("name"), trigger.name());
    if (trigger.number() != -1)
        writer->writeAttribute(ns::Complete, QStringLiteral("number"),
                               QString::number(trigger.number()));
    writer->writeEndElement();
}

} // namespace projects
