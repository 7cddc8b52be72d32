// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "generator.h"

#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

#include <QBuffer>
#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

using projects::uuidToString;
namespace ns = projects::ns;

namespace bench {

namespace {

// Identifiers look random (their hash values spread like real ones) but follow from the
// kind of object and its number alone.
enum Kind : quint64 {
    FloorKind = 1,
    RoomKind,
    FunctionKind,
    ActuatorKind,
    DatapointKind,
    SwitchTimeKind,
    GroupKind,
    SceneKind,
    TriggerKind,
    LinkKind
};

quint64 splitMix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

QUuid idFor(Kind kind, quint64 index)
{
    const quint64 high = splitMix((kind << 56) ^ index);
    const quint64 low = splitMix(high ^ kind);
    QByteArray bytes(16, Qt::Uninitialized);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = char(high >> (56 - 8 * i));
        bytes[8 + i] = char(low >> (56 - 8 * i));
    }
    return QUuid::fromRfc4122(bytes);
}

QString idText(Kind kind, quint64 index)
{
    return uuidToString(idFor(kind, index));
}

// Offsets that keep the profile's own objects apart from the administrator's.
constexpr quint64 ProfileOffset = quint64(1) << 40;

enum FunctionClass { SwitchClass, DimmingClass, BlindClass, HeatingClass, StatusClass };

FunctionClass classOf(int function)
{
    static constexpr FunctionClass pattern[10] = {
        SwitchClass, SwitchClass,  DimmingClass, BlindClass,   HeatingClass,
        SwitchClass, DimmingClass, BlindClass,   HeatingClass, StatusClass};
    return pattern[function % 10];
}

QString typeKey(int function)
{
    switch (classOf(function)) {
    case SwitchClass:
        return QStringLiteral("Switch");
    case DimmingClass:
        return QStringLiteral("Dimming");
    case BlindClass:
        return QStringLiteral("Blind");
    case HeatingClass:
        return QStringLiteral("Heating");
    case StatusClass:
        return (function / 10) % 2 == 0 ? QStringLiteral("StateStatus")
                                        : QStringLiteral("TemperatureStatus");
    }
    return QString();
}

// Device models by class; one heating channel in 25 sits in a split unit.
int appIdOf(int function)
{
    switch (classOf(function)) {
    case SwitchClass:
    case StatusClass:
        return 18530; // Model_4862
    case DimmingClass:
        return 18535; // Model_4867
    case BlindClass:
        return 18513; // Model_4851
    case HeatingClass:
        return function % 250 == 4 ? 18482 /* Model_4832 */ : 18497 /* Model_4841 */;
    }
    return -1;
}

QStringList rolesOf(int function)
{
    switch (classOf(function)) {
    case SwitchClass:
    case StatusClass:
        return {QStringLiteral("switch"), QStringLiteral("status")};
    case DimmingClass:
        return {QStringLiteral("brightness"), QStringLiteral("status")};
    case BlindClass:
        return {QStringLiteral("position"), QStringLiteral("move")};
    case HeatingClass:
        return {QStringLiteral("setpoint"), QStringLiteral("actual")};
    }
    return {};
}

QString formatOf(int function, int datapoint)
{
    switch (classOf(function)) {
    case DimmingClass:
    case BlindClass:
        return datapoint == 0 ? QStringLiteral("DPT5") : QStringLiteral("DPT1");
    case HeatingClass:
        return QStringLiteral("DPT9");
    default:
        return QStringLiteral("DPT1");
    }
}

// Datapoint addresses are unique over the whole installation, past the 16 bits of KNX
// for the largest sizes; the text keeps the main/middle/sub form.
int addressOf(int function, int datapoint)
{
    return 4096 + 2 * function + datapoint;
}

QString addressText(int address)
{
    return QStringLiteral("%1/%2/%3").arg(address >> 11).arg((address >> 8) & 7).arg(address & 255);
}

int deviceNumberOf(int function, int datapoint)
{
    return 2 * function + datapoint + 1;
}

// The additional values 50 and 20 under indexes 1 and 2 as the library writes them:
// Qt's container form in ascending index, in the stream version of Qt 5.15. (Qt's own
// operator<< of a QHash would follow the hash order, which changes with the seed.)
QString additionalValuesHex()
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << quint32(2) << qint32(1) << QVariant(50.0) << qint32(2) << QVariant(20.0);
    return QString::fromLatin1(bytes.toHex());
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Which functions a variant holds, room by room.
struct Building
{
    Shape shape;
    Variant variant;

    bool hasFunction(int function) const { return variant == Variant::Admin || function % 7 != 3; }

    // The functions of a room: the administrator's numbers, then one new function in
    // every fifth room of the profile, listed in reverse order in the profile.
    QVector<int> functionsOf(int room) const
    {
        QVector<int> functions;
        const int first = room * shape.functionsPerRoom;
        const int last = std::min(shape.functions, first + shape.functionsPerRoom);
        for (int function = first; function < last; ++function) {
            if (hasFunction(function))
                functions.append(function);
        }
        if (variant == Variant::Profile) {
            if (room % 5 == 0)
                functions.append(shape.functions + room);
            std::reverse(functions.begin(), functions.end());
        }
        return functions;
    }

    int roomsOf(int floor) const
    {
        return std::min(shape.rooms() - floor * shape.roomsPerFloor, shape.roomsPerFloor);
    }

    QString functionName(int function) const
    {
        const QString name = QStringLiteral("%1 %2").arg(typeKey(function)).arg(function);
        return variant == Variant::Profile ? name + QStringLiteral(" (Profil)") : name;
    }

    quint64 switchTimeIndex(int function, int entry) const
    {
        const quint64 index = quint64(function) * 2 + entry;
        return variant == Variant::Profile && function % 3 == 0 ? index + ProfileOffset : index;
    }
};

int groupCount(const Shape& shape)
{
    return std::max(6, shape.functions / 20);
}

int sceneCount(const Shape& shape)
{
    return std::max(1, shape.functions / 20);
}

int triggerCount(const Shape& shape)
{
    return std::max(2, shape.functions / 40);
}

int automaticCount(const Shape& shape)
{
    return std::max(2, shape.functions / 100);
}

// Group numbers cycle through switching, blind and heating groups.
int groupAddress(int group)
{
    switch (group % 3) {
    case 0:
        return (8 + (group / 256) % 8) * 256 + group % 256; // 1/x/y: Switch
    case 1:
        return 10696 + group % 256; // 5/1/200..: Blind
    default:
        return 8448 + group % 251; // 4/1/0..250: Heating
    }
}

// Heating zones refer to two heating groups.
int heatingGroupOf(int function, int which, int groups)
{
    const int heatingGroups = groups / 3;
    return 3 * ((function / 10 + which) % heatingGroups) + 2;
}

// The functions a scene sets, spread over the installation.
int sceneFunction(int scene, int snapshot, int functions)
{
    return int((quint64(scene) * 53 + quint64(snapshot) * 17) % quint64(functions));
}

class XmlGenerator
{
public:
    XmlGenerator(const Building& building, QByteArray* out)
        : m_building(building), m_buffer(out), m_additionalValues(additionalValuesHex())
    {
        m_buffer.open(QIODevice::WriteOnly);
        m_writer.setDevice(&m_buffer);
        m_writer.setAutoFormatting(true);
    }

    void write()
    {
        const Shape& shape = m_building.shape;
        m_writer.writeStartDocument();
        m_writer.writeDefaultNamespace(ns::Project);
        m_writer.writeNamespace(ns::Profile, ns::ProfilePrefix);
        m_writer.writeNamespace(ns::Cache, ns::CachePrefix);
        m_writer.writeStartElement(QStringLiteral("project"));
        m_writer.writeAttribute(QStringLiteral("name"),
                                QStringLiteral("Synthetic %1").arg(shape.functions));
        m_writer.writeAttribute(QStringLiteral("owner"), QStringLiteral("Bench Owner"));
        m_writer.writeAttribute(QStringLiteral("installer"), QStringLiteral("Bench Installer"));
        m_writer.writeAttribute(QStringLiteral("vacationActivated"), boolText(false));
        m_writer.writeAttribute(QStringLiteral("latitude"), QStringLiteral("47.9990"));
        m_writer.writeAttribute(QStringLiteral("longitude"), QStringLiteral("7.8421"));
        m_writer.writeAttribute(QStringLiteral("timezone"), QStringLiteral("60"));
        m_writer.writeAttribute(ns::Profile, QStringLiteral("md5"),
                                QStringLiteral("6f1ed002ab5595859014ebf0951522d9"));
        m_writer.writeAttribute(ns::Profile, QStringLiteral("creationVersion"),
                                QStringLiteral("3.2.0"));
        m_writer.writeAttribute(ns::Profile, QStringLiteral("modificationVersion"),
                                QStringLiteral("3.4.1"));

        writeFloors();
        writeDevices();
        writeGroups();
        writeScenes();
        writeLinks();
        writeAutomatics();

        m_writer.writeEndElement();
        m_writer.writeEndDocument();
    }

    int functions() const { return m_functions; }
    int actuators() const { return m_actuators.size(); }

private:
    void writeFloors()
    {
        const Shape& shape = m_building.shape;
        m_writer.writeStartElement(QStringLiteral("floors"));
        for (int floor = 0; floor < shape.floors(); ++floor) {
            m_writer.writeStartElement(QStringLiteral("floor"));
            m_writer.writeAttribute(QStringLiteral("id"), idText(FloorKind, floor));
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Etage %1").arg(floor));
            for (int i = 0; i < m_building.roomsOf(floor); ++i)
                writeRoom(floor * shape.roomsPerFloor + i);
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();
    }

    void writeRoom(int room)
    {
        m_writer.writeStartElement(QStringLiteral("room"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(RoomKind, room));
        m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Raum %1").arg(room));
        m_writer.writeAttribute(QStringLiteral("icon"), QStringLiteral("room"));
        m_writer.writeAttribute(QStringLiteral("color"), QStringLiteral("#ffffff"));
        if (room % 4 == 0)
            m_writer.writeAttribute(ns::Profile, QStringLiteral("name"),
                                    QStringLiteral("Mein Raum %1").arg(room));
        if (room % 6 == 0)
            m_writer.writeAttribute(ns::Profile, QStringLiteral("color"),
                                    QStringLiteral("#4b91e6"));
        const QVector<int> functions = m_building.functionsOf(room);
        for (int function : functions)
            writeFunction(function);
        m_writer.writeEndElement();
    }

    void writeFunction(int function)
    {
        const FunctionClass kind = classOf(function);
        const int groups = groupCount(m_building.shape);
        ++m_functions;
        m_actuators.append(function);

        m_writer.writeStartElement(QStringLiteral("function"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(FunctionKind, function));
        m_writer.writeAttribute(QStringLiteral("type"), typeKey(function));
        m_writer.writeAttribute(QStringLiteral("name"), m_building.functionName(function));
        m_writer.writeAttribute(QStringLiteral("runOnVacation"), boolText(function % 2 == 0));
        if (kind == SwitchClass || kind == DimmingClass) {
            m_writer.writeAttribute(ns::Profile, QStringLiteral("onIcon"),
                                    QStringLiteral("bulb-on"));
            m_writer.writeAttribute(ns::Profile, QStringLiteral("offIcon"),
                                    QStringLiteral("bulb-off"));
        }
        if (kind == StatusClass) {
            m_writer.writeAttribute(QStringLiteral("address"),
                                    QString::number(addressOf(function, 1)));
            if ((function / 10) % 2 == 0) {
                m_writer.writeAttribute(QStringLiteral("onText"), QStringLiteral("offen"));
                m_writer.writeAttribute(QStringLiteral("offText"), QStringLiteral("zu"));
            } else {
                m_writer.writeAttribute(QStringLiteral("unit"), QStringLiteral("°C"));
            }
        }

        m_writer.writeStartElement(QStringLiteral("actuator-ref"));
        m_writer.writeAttribute(QStringLiteral("ref"), idText(ActuatorKind, function));
        m_writer.writeEndElement();
        // Heating zones keep their groups; the references of one switch in twenty are
        // skipped by the reader.
        if (kind == HeatingClass || (kind == SwitchClass && function % 20 == 0)) {
            m_writer.writeStartElement(QStringLiteral("group-refs"));
            for (int which = 0; which < 2; ++which) {
                m_writer.writeStartElement(QStringLiteral("group-ref"));
                m_writer.writeAttribute(QStringLiteral("ref"),
                                        idText(GroupKind, heatingGroupOf(function, which, groups)));
                m_writer.writeEndElement();
            }
            m_writer.writeEndElement();
        }
        const QStringList roles = rolesOf(function);
        for (int datapoint = 0; datapoint < 2; ++datapoint) {
            m_writer.writeStartElement(ns::Cache, QStringLiteral("datapoint"));
            m_writer.writeAttribute(QStringLiteral("role"), roles.at(datapoint));
            m_writer.writeAttribute(QStringLiteral("datapoint"),
                                    QString::number(deviceNumberOf(function, datapoint)));
            m_writer.writeEndElement();
        }
        for (int entry = 0; entry < 1 + function % 2; ++entry)
            writeSwitchTime(m_building.switchTimeIndex(function, entry), entry, function);
        writeSimulation(function);
        m_writer.writeEndElement();
    }

    void writeSwitchTime(quint64 index, int entry, int owner)
    {
        m_writer.writeStartElement(ns::Profile, QStringLiteral("switchTime"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(SwitchTimeKind, index));
        m_writer.writeAttribute(QStringLiteral("value"),
                                entry == 0 ? QStringLiteral("100") : QStringLiteral("0"));
        if (owner % 3 == 0)
            m_writer.writeAttribute(QStringLiteral("additionalValues"), m_additionalValues);
        m_writer.writeAttribute(QStringLiteral("days"),
                                entry == 0 ? QStringLiteral("254") : QStringLiteral("62"));
        m_writer.writeAttribute(QStringLiteral("start"), entry == 0 ? QStringLiteral("06:30:00")
                                                                    : QStringLiteral("22:00:00"));
        if (entry == 1) {
            m_writer.writeAttribute(QStringLiteral("offset"), QStringLiteral("-15"));
            m_writer.writeAttribute(QStringLiteral("minStart"), QStringLiteral("18:00:00"));
            m_writer.writeAttribute(QStringLiteral("maxEnd"), QStringLiteral("23:00:00"));
            m_writer.writeAttribute(QStringLiteral("limit"), boolText(true));
        }
        for (int day = 1; day <= 2; ++day) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("timer"));
            m_writer.writeAttribute(QStringLiteral("day"), QString::number(day));
            m_writer.writeAttribute(QStringLiteral("id"), QString::number(m_timer++));
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();
    }

    void writeSimulation(int function)
    {
        m_writer.writeStartElement(ns::Profile, QStringLiteral("simulation"));
        m_writer.writeAttribute(QStringLiteral("id"), QString::number(function));
        m_writer.writeAttribute(QStringLiteral("enabled"), boolText(function % 3 == 0));
        m_writer.writeAttribute(QStringLiteral("startTimeEnable"), boolText(true));
        m_writer.writeAttribute(QStringLiteral("startOnNight"), boolText(false));
        m_writer.writeAttribute(QStringLiteral("startTime"), QStringLiteral("2026-01-01 18:00:00"));
        m_writer.writeAttribute(QStringLiteral("endTimeEnable"), boolText(true));
        m_writer.writeAttribute(QStringLiteral("endOnNight"), boolText(false));
        m_writer.writeAttribute(QStringLiteral("endTime"), QStringLiteral("2026-01-01 23:00:00"));
        m_writer.writeAttribute(QStringLiteral("pauseTimeEnable"), boolText(false));
        m_writer.writeAttribute(QStringLiteral("pauseEndTime"),
                                QStringLiteral("2026-01-01 05:00:00"));
        m_writer.writeAttribute(QStringLiteral("pauseStartTime"),
                                QStringLiteral("2026-01-01 23:00:00"));
        m_writer.writeAttribute(QStringLiteral("delayStart"), QStringLiteral("10"));
        m_writer.writeAttribute(QStringLiteral("delayEnd"), QStringLiteral("20"));
        m_writer.writeAttribute(QStringLiteral("durationStart"), QStringLiteral("1"));
        m_writer.writeAttribute(QStringLiteral("durationEnd"), QStringLiteral("1"));
        m_writer.writeAttribute(QStringLiteral("repeat"), boolText(false));
        m_writer.writeAttribute(QStringLiteral("startJobId"), QString::number(2 * function));
        m_writer.writeAttribute(QStringLiteral("endJobId"), QString::number(2 * function + 1));
        m_writer.writeAttribute(QStringLiteral("simulationDatapoint"),
                                QString::number(deviceNumberOf(function, 0)));
        if (function % 4 == 0) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("timer"));
            m_writer.writeAttribute(QStringLiteral("day"), QStringLiteral("3"));
            m_writer.writeAttribute(QStringLiteral("id"), QString::number(m_timer++));
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();
    }

    // Actuators sit in device elements of eight channels of one model each; a weather
    // station and the hub come first.
    void writeDevices()
    {
        m_writer.writeStartElement(QStringLiteral("devices"));
        m_writer.writeStartElement(QStringLiteral("device"));
        m_writer.writeAttribute(QStringLiteral("appId"), QStringLiteral("1"));
        m_writer.writeEndElement();
        m_writer.writeStartElement(QStringLiteral("device"));
        m_writer.writeAttribute(QStringLiteral("appId"), QStringLiteral("1170"));
        for (int channel = 6; channel <= 9; ++channel) {
            m_writer.writeStartElement(QStringLiteral("sensor"));
            m_writer.writeAttribute(QStringLiteral("channel"), QString::number(channel));
            m_writer.writeAttribute(QStringLiteral("name"),
                                    QStringLiteral("Helligkeit %1").arg(channel));
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();

        QHash<int, QVector<int>> byModel;
        QVector<int> models;
        for (int function : qAsConst(m_actuators)) {
            const int appId = appIdOf(function);
            if (!byModel.contains(appId))
                models.append(appId);
            byModel[appId].append(function);
        }
        for (int appId : qAsConst(models)) {
            const QVector<int> functions = byModel.value(appId);
            for (int first = 0; first < functions.size(); first += 8) {
                m_writer.writeStartElement(QStringLiteral("device"));
                m_writer.writeAttribute(QStringLiteral("appId"), QString::number(appId));
                const int last = std::min(int(functions.size()), first + 8);
                for (int i = first; i < last; ++i)
                    writeActuator(functions.at(i));
                m_writer.writeEndElement();
            }
        }
        m_writer.writeEndElement();
    }

    void writeActuator(int function)
    {
        const FunctionClass kind = classOf(function);
        m_writer.writeStartElement(QStringLiteral("actuator"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(ActuatorKind, function));
        m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Kanal %1").arg(function));
        m_writer.writeAttribute(QStringLiteral("onIcon"), QStringLiteral("on"));
        m_writer.writeAttribute(QStringLiteral("offIcon"), QStringLiteral("off"));
        if (function % 2 == 0)
            m_writer.writeAttribute(QStringLiteral("useCase"), QString::number(function % 5));
        const QStringList roles = rolesOf(function);
        for (int datapoint = 0; datapoint < 2; ++datapoint) {
            m_writer.writeStartElement(QStringLiteral("datapoint"));
            m_writer.writeAttribute(QStringLiteral("id"),
                                    idText(DatapointKind, quint64(function) * 2 + datapoint));
            m_writer.writeAttribute(QStringLiteral("role"), roles.at(datapoint));
            m_writer.writeAttribute(QStringLiteral("address"),
                                    QString::number(addressOf(function, datapoint)));
            m_writer.writeEndElement();
        }
        m_writer.writeStartElement(QStringLiteral("parameter"));
        if (kind == DimmingClass) {
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Farbsteuerung"));
            m_writer.writeAttribute(QStringLiteral("value"), QStringLiteral("1"));
        } else if (kind == BlindClass) {
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("useCase"));
            m_writer.writeAttribute(QStringLiteral("value"), QStringLiteral("2"));
        } else {
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("delay"));
            m_writer.writeAttribute(QStringLiteral("type"), QStringLiteral("int"));
            m_writer.writeAttribute(QStringLiteral("value"), QString::number(function % 60));
        }
        m_writer.writeEndElement();
        m_writer.writeEndElement();
    }

    void writeGroups()
    {
        const int groups = groupCount(m_building.shape);
        m_writer.writeStartElement(QStringLiteral("groups"));
        for (int group = 0; group < groups; ++group) {
            m_writer.writeStartElement(QStringLiteral("group"));
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Gruppe %1").arg(group));
            m_writer.writeAttribute(QStringLiteral("address"),
                                    QString::number(groupAddress(group)));
            m_writer.writeAttribute(QStringLiteral("id"), idText(GroupKind, group));
            m_writer.writeAttribute(QStringLiteral("runOnVacation"), boolText(group % 2 == 0));
            if (group % 3 == 0)
                m_writer.writeAttribute(ns::Profile, QStringLiteral("name"),
                                        QStringLiteral("Meine Gruppe %1").arg(group));
            writeSwitchTime(quint64(1) << 36 | quint64(group), 0, group);
            m_writer.writeEndElement();
        }
        // A special group and a group without address, both left out by the reader.
        m_writer.writeStartElement(QStringLiteral("group"));
        m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Zentral"));
        m_writer.writeAttribute(QStringLiteral("address"), QStringLiteral("10745"));
        m_writer.writeAttribute(QStringLiteral("id"),
                                QStringLiteral("_e81add96cfca4174a9d7ea0a03d59200"));
        m_writer.writeEndElement();
        m_writer.writeStartElement(QStringLiteral("group"));
        m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Ohne Adresse"));
        m_writer.writeAttribute(QStringLiteral("address"), QStringLiteral("-5"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(GroupKind, quint64(groups) + 1));
        m_writer.writeEndElement();
        m_writer.writeEndElement();
    }

    void writeScenes()
    {
        const Shape& shape = m_building.shape;
        m_writer.writeStartElement(QStringLiteral("scenes"));
        for (int scene = 0; scene < sceneCount(shape); ++scene)
            writeScene(scene);
        writeSceneTriggers();
        m_writer.writeEndElement();
    }

    void writeScene(int scene)
    {
        static const char* const colors[] = {"#FFFFFF", "#4B91E6", "#F6AA2B", "#fd704b", "#AFAFAF"};
        const int triggers = triggerCount(m_building.shape);
        m_writer.writeStartElement(ns::Profile, QStringLiteral("scene"));
        m_writer.writeAttribute(QStringLiteral("id"), idText(SceneKind, scene));
        m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Szene %1").arg(scene));
        m_writer.writeAttribute(QStringLiteral("icon"), QStringLiteral("scene"));
        m_writer.writeAttribute(QStringLiteral("color"), QLatin1String(colors[scene % 5]));
        m_writer.writeAttribute(ns::Profile, QStringLiteral("favorite"),
                                scene % 2 == 0 ? QStringLiteral("yes") : QStringLiteral("no"));
        m_writer.writeAttribute(ns::Profile, QStringLiteral("global"), QStringLiteral("yes"));
        m_writer.writeAttribute(QStringLiteral("runOnVacation"), QStringLiteral("no"));
        for (int which = 0; which < 2; ++which) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("trigger"));
            m_writer.writeAttribute(QStringLiteral("scene-ref"),
                                    idText(TriggerKind, (scene + which) % triggers));
            m_writer.writeEndElement();
        }
        if (scene % 4 == 0) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("trigger"));
            m_writer.writeAttribute(QStringLiteral("panic"), QStringLiteral("yes"));
            m_writer.writeAttribute(QStringLiteral("centralOff"), QStringLiteral("no"));
            m_writer.writeAttribute(QStringLiteral("timer"), QStringLiteral("3"));
            m_writer.writeEndElement();
        }
        writeSwitchTime(quint64(2) << 36 | quint64(scene), 0, scene);
        for (int snapshot = 0; snapshot < 5; ++snapshot)
            writeSnapshot(sceneFunction(scene, snapshot, m_building.shape.functions));
        m_writer.writeEndElement();
    }

    void writeSnapshot(int function)
    {
        m_writer.writeStartElement(ns::Profile, QStringLiteral("snapshot"));
        m_writer.writeAttribute(QStringLiteral("function-ref"), idText(FunctionKind, function));
        for (int datapoint = 0; datapoint < 2; ++datapoint) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("datapoint"));
            m_writer.writeAttribute(QStringLiteral("id"),
                                    QString::number(deviceNumberOf(function, datapoint)));
            m_writer.writeAttribute(QStringLiteral("address"),
                                    addressText(addressOf(function, datapoint)));
            m_writer.writeAttribute(QStringLiteral("value"), snapshotValue(function, datapoint));
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();
    }

    // The installation's scene triggers, in the older form and with their jobs.
    void writeSceneTriggers()
    {
        const int triggers = triggerCount(m_building.shape);
        for (int trigger = 0; trigger < triggers; ++trigger) {
            m_writer.writeStartElement(QStringLiteral("scene"));
            m_writer.writeAttribute(QStringLiteral("id"), idText(TriggerKind, trigger));
            m_writer.writeAttribute(QStringLiteral("name"),
                                    QStringLiteral("Taster %1").arg(trigger));
            m_writer.writeAttribute(QStringLiteral("number"), QString::number(trigger + 1));
            m_writer.writeEndElement();
        }
        for (int trigger = 0; trigger < triggers; ++trigger) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("sceneTrigger"));
            m_writer.writeAttribute(QStringLiteral("id"), idText(TriggerKind, trigger));
            m_writer.writeAttribute(QStringLiteral("jobId"), QString::number(1000 + trigger));
            m_writer.writeEndElement();
        }
    }

    static QString snapshotValue(int function, int datapoint)
    {
        if (datapoint == 1)
            return function % 2 == 0 ? boolText(true) : QStringLiteral("#an");
        return classOf(function) == HeatingClass ? QStringLiteral("21.5") : QStringLiteral("100");
    }

    void writeLinks()
    {
        m_writer.writeStartElement(QStringLiteral("links"));
        for (int link = 0; link < 10; ++link) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("link"));
            m_writer.writeAttribute(QStringLiteral("id"), idText(LinkKind, link));
            m_writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Link %1").arg(link));
            m_writer.writeAttribute(QStringLiteral("icon"), QStringLiteral("web"));
            m_writer.writeAttribute(QStringLiteral("type"), link % 2 == 0
                                                                ? QStringLiteral("WebLink")
                                                                : QStringLiteral("App"));
            m_writer.writeAttribute(QStringLiteral("url"),
                                    QStringLiteral("https://example.org/%1").arg(link));
            m_writer.writeAttribute(QStringLiteral("app-name"), QStringLiteral("App %1").arg(link));
            m_writer.writeAttribute(QStringLiteral("favorite"), QStringLiteral("yes"));
            m_writer.writeAttribute(QStringLiteral("os"), QStringLiteral("Android"));
            m_writer.writeEndElement();
        }
        m_writer.writeEndElement();
    }

    void writeAutomatics()
    {
        for (int automatic = 0; automatic < automaticCount(m_building.shape); ++automatic) {
            m_writer.writeStartElement(ns::Profile, QStringLiteral("automatic"));
            m_writer.writeAttribute(QStringLiteral("id"),
                                    QStringLiteral("automatic-%1").arg(automatic));
            m_writer.writeAttribute(QStringLiteral("runOnVacation"), QStringLiteral("yes"));
            for (int entry = 0; entry < 2; ++entry)
                writeSwitchTime(quint64(3) << 36 | quint64(automatic * 2 + entry), entry,
                                automatic);
            m_writer.writeEndElement();
        }
    }

    const Building& m_building;
    QBuffer m_buffer;
    QXmlStreamWriter m_writer;
    const QString m_additionalValues;
    QVector<int> m_actuators;
    int m_functions = 0;
    int m_timer = 1;
};

QJsonObject switchTimeJson(quint64 index, int entry, int owner)
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), idText(SwitchTimeKind, index));
    object.insert(QStringLiteral("days"), entry == 0 ? 254 : 62);
    object.insert(QStringLiteral("kind"),
                  entry == 0 ? QStringLiteral("Time") : QStringLiteral("AstroSunset"));
    object.insert(QStringLiteral("start"), entry == 0 ? 390 : 1320);
    QJsonArray values;
    values.append(QJsonObject{{QStringLiteral("value"), entry == 0 ? 100.0 : 0.0}});
    if (owner % 3 == 0)
        values.append(QJsonObject{{QStringLiteral("value"), QStringLiteral("50%")}});
    object.insert(QStringLiteral("values"), values);
    if (entry == 1) {
        object.insert(QStringLiteral("offset"), -15);
        object.insert(QStringLiteral("notBefore"), 1080);
        object.insert(QStringLiteral("notAfter"), 1380);
    }
    return object;
}

QByteArray buildingJson(const Building& building)
{
    const Shape& shape = building.shape;
    QJsonArray floors;
    for (int floor = 0; floor < shape.floors(); ++floor) {
        QJsonArray rooms;
        for (int i = 0; i < building.roomsOf(floor); ++i) {
            const int room = floor * shape.roomsPerFloor + i;
            QJsonArray functions;
            for (int function : building.functionsOf(room)) {
                QJsonObject object;
                object.insert(QStringLiteral("id"), idText(FunctionKind, function));
                object.insert(QStringLiteral("name"), building.functionName(function));
                const FunctionClass kind = classOf(function);
                if (kind == SwitchClass || kind == DimmingClass)
                    object.insert(
                        QStringLiteral("icons"),
                        QJsonObject{{QStringLiteral("onIcon"), QStringLiteral("bulb-on")},
                                    {QStringLiteral("offIcon"), QStringLiteral("bulb-off")}});
                QJsonArray switchTimes;
                for (int entry = 0; entry < 1 + function % 2; ++entry)
                    switchTimes.append(
                        switchTimeJson(building.switchTimeIndex(function, entry), entry, function));
                object.insert(QStringLiteral("switchtimes"), switchTimes);
                functions.append(object);
            }
            rooms.append(QJsonObject{{QStringLiteral("id"), idText(RoomKind, room)},
                                     {QStringLiteral("name"), QStringLiteral("Raum %1").arg(room)},
                                     {QStringLiteral("icon"), QStringLiteral("room")},
                                     {QStringLiteral("color"), QStringLiteral("#ffffff")},
                                     {QStringLiteral("functions"), functions}});
        }
        floors.append(QJsonObject{{QStringLiteral("id"), idText(FloorKind, floor)},
                                  {QStringLiteral("name"), QStringLiteral("Etage %1").arg(floor)},
                                  {QStringLiteral("rooms"), rooms}});
    }
    const QJsonObject document{
        {QStringLiteral("name"), QStringLiteral("Synthetic %1").arg(shape.functions)},
        {QStringLiteral("owner"), QStringLiteral("Bench Owner")},
        {QStringLiteral("installer"), QStringLiteral("Bench Installer")},
        {QStringLiteral("floors"), floors}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QByteArray groupsJson(const Shape& shape)
{
    QJsonArray groups;
    for (int group = 0; group < groupCount(shape); ++group) {
        groups.append(
            QJsonObject{{QStringLiteral("id"), idText(GroupKind, group)},
                        {QStringLiteral("name"), QStringLiteral("Gruppe %1").arg(group)},
                        {QStringLiteral("address"), addressText(groupAddress(group))},
                        {QStringLiteral("switchtimes"),
                         QJsonArray{switchTimeJson(quint64(1) << 36 | quint64(group), 0, group)}}});
    }
    return QJsonDocument(groups).toJson(QJsonDocument::Compact);
}

QByteArray scenesJson(const Shape& shape)
{
    static const char* const colors[] = {"#FFFFFF", "#4B91E6", "#F6AA2B", "#FD704B", "#AFAFAF"};
    QJsonArray scenes;
    for (int scene = 0; scene < sceneCount(shape); ++scene) {
        QJsonArray actions;
        for (int snapshot = 0; snapshot < 5; ++snapshot) {
            const int function = sceneFunction(scene, snapshot, shape.functions);
            for (int datapoint = 0; datapoint < 2; ++datapoint) {
                QJsonValue value;
                if (datapoint == 1)
                    value = function % 2 == 0 ? QStringLiteral("true") : QStringLiteral("on");
                else if (classOf(function) == HeatingClass)
                    value = 21.5;
                else
                    value = QStringLiteral("%1%").arg(function % 101);
                actions.append(QJsonObject{
                    {QStringLiteral("address"), addressText(addressOf(function, datapoint))},
                    {QStringLiteral("value"), value}});
            }
        }
        scenes.append(
            QJsonObject{{QStringLiteral("id"), idText(SceneKind, scene)},
                        {QStringLiteral("name"), QStringLiteral("Szene %1").arg(scene)},
                        {QStringLiteral("icon"), QStringLiteral("scene")},
                        {QStringLiteral("color"), QLatin1String(colors[scene % 5])},
                        {QStringLiteral("favorite"), scene % 2 == 0},
                        {QStringLiteral("actions"), actions},
                        {QStringLiteral("switchtimes"),
                         QJsonArray{switchTimeJson(quint64(2) << 36 | quint64(scene), 0, scene)}}});
    }
    return QJsonDocument(scenes).toJson(QJsonDocument::Compact);
}

} // namespace

Shape Shape::cube(int functions)
{
    Shape shape;
    shape.functions = std::max(1, functions);
    const int side = std::max(1, int(std::lround(std::cbrt(double(shape.functions)))));
    shape.functionsPerRoom = side;
    shape.roomsPerFloor = side;
    return shape;
}

int Shape::rooms() const
{
    return (functions + functionsPerRoom - 1) / functionsPerRoom;
}

int Shape::floors() const
{
    return (rooms() + roomsPerFloor - 1) / roomsPerFloor;
}

Installation generate(const Shape& shape, Variant variant)
{
    const Building building{shape, variant};
    Installation installation;
    XmlGenerator xml(building, &installation.xml);
    xml.write();
    installation.functions = xml.functions();
    installation.actuators = xml.actuators();
    installation.groups = groupCount(shape);
    installation.scenes = sceneCount(shape);

    installation.buildingJson = buildingJson(building);
    installation.groupsJson = groupsJson(shape);
    installation.scenesJson = scenesJson(shape);

    QJsonObject functions;
    for (int function = 0; function < shape.functions; ++function) {
        if (!building.hasFunction(function))
            continue;
        for (int datapoint = 0; datapoint < 2; ++datapoint) {
            const QString address = addressText(addressOf(function, datapoint));
            const int number = deviceNumberOf(function, datapoint);
            functions.insert(address, idText(FunctionKind, function));
            installation.addressToId.insert(address, number);
            installation.idToFormat.insert(number, formatOf(function, datapoint));
        }
    }
    installation.functionsJson = QJsonDocument(functions).toJson(QJsonDocument::Compact);
    for (int trigger = 0; trigger < triggerCount(shape); ++trigger)
        installation.sceneTriggers.append(idFor(TriggerKind, trigger));
    return installation;
}

} // namespace bench
