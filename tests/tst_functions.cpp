// Functions: their values, the `function` element with its children, its reader and the
// split-unit step after reading.

#include "testutil.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/simulation.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace projects;

Q_DECLARE_METATYPE(projects::Function)
Q_DECLARE_METATYPE(projects::Function::FunctionType)
Q_DECLARE_METATYPE(projects::SwitchTime)

namespace {

const QUuid functionId = QUuid(QStringLiteral("{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}"));
const QUuid actuatorId = QUuid(QStringLiteral("{c0ffee00-1234-5678-9abc-def012345678}"));
const QUuid groupA = QUuid(QStringLiteral("{1a1a1a1a-0000-0000-0000-000000000001}"));
const QUuid groupB = QUuid(QStringLiteral("{2b2b2b2b-0000-0000-0000-000000000002}"));

QByteArray idText(const QUuid& id)
{
    return uuidToString(id).toLatin1();
}

// A document whose only room holds @p functions.
QByteArray inRoom(const QByteArray& functions, const QByteArray& beforeFloor = {})
{
    return beforeFloor + "<floor name=\"Ground\"><room name=\"Hall\">" + functions
           + "</room></floor>";
}

// The functions of the first room of a document whose project holds @p content.
QList<Function> readFunctions(const QByteArray& content)
{
    const Project project = testutil::readContent(content);
    if (project.floors().isEmpty() || project.floors().first().rooms().isEmpty())
        return {};
    return project.floors().first().rooms().first().functions();
}

Function readFunction(const QByteArray& functionElement)
{
    const QList<Function> functions = readFunctions(inRoom(functionElement));
    return functions.size() == 1 ? functions.first() : Function();
}

QByteArray writeFunction(const Function& function, const QString& fallbackName,
                         bool withVacation)
{
    return testutil::write([&](QXmlStreamWriter* w) {
        function.beginSerialize(w, fallbackName, withVacation);
        function.endSerialize(w);
    });
}

// The attributes of the written function, as "qualified name=value" in written order.
QStringList writtenAttributes(const QByteArray& xml)
{
    const QList<QXmlStreamAttributes> functions =
        testutil::elements(xml, QStringLiteral("function"));
    if (functions.size() != 1)
        return {QStringLiteral("functions written: %1").arg(functions.size())};
    QStringList result;
    for (const QString& name : testutil::names(functions.first()))
        result.append(name + QLatin1Char('=') + testutil::value(functions.first(), name));
    return result;
}

QStringList refs(const QByteArray& xml, const QString& element)
{
    QStringList result;
    for (const QXmlStreamAttributes& attributes : testutil::elements(xml, element))
        result.append(testutil::value(attributes, QStringLiteral("ref")));
    return result;
}

// Collects the debug messages logged while it lives.
class MessageLog
{
public:
    MessageLog()
        : m_previous(qInstallMessageHandler(&MessageLog::handle))
    {
        s_current = this;
    }
    ~MessageLog()
    {
        s_current = nullptr;
        qInstallMessageHandler(m_previous);
    }
    // The messages, each switch-time line shortened to "switchTime <identifier text>".
    QStringList messages() const { return m_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (!s_current || type != QtDebugMsg)
            return;
        const QString prefix = QStringLiteral(">> SwitchTime ID = ");
        if (message.startsWith(prefix))
            s_current->m_messages.append(QStringLiteral("switchTime ")
                                         + message.mid(prefix.size(), 33));
        else
            s_current->m_messages.append(message);
    }

    static MessageLog* s_current;
    QtMessageHandler m_previous;
    QStringList m_messages;
};

MessageLog* MessageLog::s_current = nullptr;

SwitchTime switchTimeWithTimers(const QList<int>& timers)
{
    SwitchTime switchTime;
    int day = 1;
    for (int timer : timers)
        switchTime.timerIds().insert(day++, timer);
    return switchTime;
}

QStringList switchTimeIds(const QList<SwitchTime>& switchTimes)
{
    QStringList ids;
    for (const SwitchTime& switchTime : switchTimes)
        ids.append(uuidToString(switchTime.id()));
    return ids;
}

// A text of the values a merge or sync may change, for comparing whole states.
QString describe(const Function& f)
{
    QStringList parts;
    parts << f.name() << f.onIcon() << f.offIcon() << f.onText() << f.offText() << f.unit()
          << uuidToString(f.actuatorRef()) << QString::number(f.type())
          << QString::number(f.address()) << QString::number(f.runOnVacation())
          << QString::number(f.cachedDatapoint(QStringLiteral("role")));
    for (const QUuid& ref : f.groupRefs())
        parts << uuidToString(ref);
    parts << switchTimeIds(f.switchTimes());
    return parts.join(QLatin1Char('|'));
}

} // namespace

class tst_Functions : public QObject
{
    Q_OBJECT
private slots:
    // Values
    void defaults();
    void constructorTypesTheSimulation();
    void setTypeLeavesTheSimulation();
    void copiesShareFunctionData();
    void groupRefs();
    void cachedDatapoints();
    void functionTypeFromGroupType_data();
    void functionTypeFromGroupType();

    // Writing
    void writeAttributes_data();
    void writeAttributes();
    void writeReferences();
    void elementIsLeftOpen();

    // Reading
    void readType_data();
    void readType();
    void readAttributes_data();
    void readAttributes();
    void readGroupRefs_data();
    void readGroupRefs();
    void readChildren();
    void readSimulationAndSwitchTimes();
    void roundTrip();

    // After reading
    void splitUnits_data();
    void splitUnits();

    // JSON
    void fromJson_data();
    void fromJson();

    // Merging, sync and garbage collection
    void mergeAdminSettings_data();
    void mergeAdminSettings();
    void mergeAdminSettingsMessages();
    void mergeProfile_data();
    void mergeProfile();
    void mergeProfileSharesSchedules();
    void mergeProfileMessages();
    void sync_data();
    void sync();
    void gc_data();
    void gc();
};

void tst_Functions::defaults()
{
    const Function function;
    QVERIFY(!function.isValid());
    QCOMPARE(function.type(), Function::Unknown);
    QVERIFY(function.runOnVacation());
    QVERIFY(!function.hasActuator());
    QVERIFY(!function.isInGroup());
    QVERIFY(function.switchTimes().isEmpty());
    QVERIFY(function.name().isEmpty());
    QVERIFY(function.onIcon().isEmpty());
    QVERIFY(function.offText().isEmpty());
    QCOMPARE(function.address(), -1);
    QCOMPARE(function.simulation().type(), Function::Unknown);

    const Function valid(functionId, QStringLiteral("Light"), Function::Switch, false);
    QVERIFY(valid.isValid());
    QVERIFY(!valid.runOnVacation());
    QCOMPARE(valid.name(), QStringLiteral("Light"));
    QCOMPARE(valid.address(), -1);
}

void tst_Functions::constructorTypesTheSimulation()
{
    const Function function(functionId, QString(), Function::Blind, true);
    QCOMPARE(function.simulation().type(), Function::Blind);
}

void tst_Functions::setTypeLeavesTheSimulation()
{
    Function function(functionId, QString(), Function::Blind, true);
    function.setType(Function::Dimming);
    QCOMPARE(function.type(), Function::Dimming);
    QCOMPARE(function.simulation().type(), Function::Blind);
}

void tst_Functions::copiesShareFunctionData()
{
    Function function(functionId, QStringLiteral("Light"), Function::Switch, true);
    const Function copy = function;
    function.setName(QStringLiteral("Lamp"));
    function.setRunOnVacation(false);
    function.setActuatorRef(actuatorId);
    function.addGroupRef(groupA);
    function.addCachedDatapoint(QStringLiteral("switch"), 3);
    function.switchTimes().append(SwitchTime());
    Simulation simulation;
    function.setSimulation(simulation);
    QCOMPARE(copy.name(), QStringLiteral("Lamp"));
    QVERIFY(!copy.runOnVacation());
    QCOMPARE(copy.actuatorRef(), actuatorId);
    QCOMPARE(copy.groupRefs(), QList<QUuid>({groupA}));
    QCOMPARE(copy.cachedDatapoint(QStringLiteral("switch")), 3);
    QCOMPARE(copy.switchTimes().size(), 1);
    QVERIFY(copy.simulation() == simulation);
}

void tst_Functions::groupRefs()
{
    Function function;
    function.addGroupRef(groupA);
    QList<QUuid> copy = function.groupRefs();
    copy.append(groupB);
    function.addGroupRef(groupB);
    function.addGroupRef(groupA);
    // The returned list is a copy; duplicates are kept in insertion order.
    QCOMPARE(function.groupRefs(), QList<QUuid>({groupA, groupB, groupA}));
    QCOMPARE(copy, QList<QUuid>({groupA, groupB}));
    QVERIFY(function.isInGroup());
}

void tst_Functions::cachedDatapoints()
{
    Function function;
    function.addCachedDatapoint(QStringLiteral("switch"), 3);
    function.addCachedDatapoint(QStringLiteral("switch"), 9);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("switch")), 9);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("Switch")), 0);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("dim")), 0);
}

void tst_Functions::functionTypeFromGroupType_data()
{
    QTest::addColumn<int>("groupType");
    QTest::addColumn<Function::FunctionType>("expected");

    QTest::newRow("panic group switches") << int(Group::Panik) << Function::Switch;
    QTest::newRow("central off switches") << int(Group::ZentralAus) << Function::Switch;
    QTest::newRow("heating/cooling switches") << int(Group::HeizenKuhlen) << Function::Switch;
    QTest::newRow("switching group") << int(Group::Switch) << Function::Switch;
    QTest::newRow("blind group") << int(Group::Blind) << Function::Blind;
    QTest::newRow("heating group") << int(Group::Heating) << Function::Heating;
    QTest::newRow("unknown group") << int(Group::Unknown) << Function::Unknown;
    QTest::newRow("central up/down is no function type")
        << int(Group::ZentralAufAb) << Function::Unknown;
    QTest::newRow("weather-station group") << int(Group::AbendsEin) << Function::Unknown;
    QTest::newRow("out of range") << 16 << Function::Unknown;
    QTest::newRow("negative") << -1 << Function::Unknown;
}

void tst_Functions::functionTypeFromGroupType()
{
    QFETCH(int, groupType);
    QTEST(Function::functionTypeFromGroupType(groupType), "expected");
}

void tst_Functions::writeAttributes_data()
{
    QTest::addColumn<Function>("function");
    QTest::addColumn<QString>("fallbackName");
    QTest::addColumn<bool>("withVacation");
    QTest::addColumn<QStringList>("expected");

    const QString id = QStringLiteral("id=") + uuidToString(functionId);

    QTest::newRow("name, type and vacation flag")
        << Function(functionId, QStringLiteral("Light"), Function::TemperatureStatus, false)
        << QStringLiteral("Fallback") << true
        << QStringList({id, QStringLiteral("type=TemperatureStatus"), QStringLiteral("name=Light"),
                        QStringLiteral("runOnVacation=false")});

    QTest::newRow("vacation flag only when asked for")
        << Function(functionId, QStringLiteral("Light"), Function::Switch, true) << QString()
        << false << QStringList({id, QStringLiteral("type=Switch"), QStringLiteral("name=Light")});

    QTest::newRow("empty name takes the fallback name")
        << Function(functionId, QString(), Function::Dimming, true) << QStringLiteral("Dimmer 1")
        << true
        << QStringList({id, QStringLiteral("type=Dimming"), QStringLiteral("name=Dimmer 1"),
                        QStringLiteral("runOnVacation=true")});

    QTest::newRow("no name and no fallback write no name")
        << Function(functionId, QString(), Function::Blind, true) << QString() << false
        << QStringList({id, QStringLiteral("type=Blind")});

    QTest::newRow("type without key is written empty")
        << Function(functionId, QStringLiteral("Odd"), static_cast<Function::FunctionType>(-1),
                    true)
        << QString() << false
        << QStringList({id, QStringLiteral("type="), QStringLiteral("name=Odd")});

    Function icons(functionId, QStringLiteral("Light"), Function::Switch, true);
    icons.setOnIcon(QStringLiteral("on.png"));
    icons.setOffIcon(QStringLiteral("off.png"));
    icons.setAddress(2305);
    icons.setOnText(QStringLiteral("open"));
    icons.setUnit(QStringLiteral("°C"));
    icons.addCachedDatapoint(QStringLiteral("switch"), 4);
    QTest::newRow("icons in the profile namespace, status values never")
        << icons << QString() << true
        << QStringList({id, QStringLiteral("type=Switch"), QStringLiteral("name=Light"),
                        QStringLiteral("runOnVacation=true"), QStringLiteral("p:onIcon=on.png"),
                        QStringLiteral("p:offIcon=off.png")});

    Function offIcon(functionId, QStringLiteral("Light"), Function::Switch, true);
    offIcon.setOffIcon(QStringLiteral("off.png"));
    QTest::newRow("only the icon that is set")
        << offIcon << QString() << false
        << QStringList({id, QStringLiteral("type=Switch"), QStringLiteral("name=Light"),
                        QStringLiteral("p:offIcon=off.png")});
}

void tst_Functions::writeAttributes()
{
    QFETCH(Function, function);
    QFETCH(QString, fallbackName);
    QFETCH(bool, withVacation);
    const QByteArray xml = writeFunction(function, fallbackName, withVacation);
    QTEST(writtenAttributes(xml), "expected");
    QVERIFY(testutil::childNames(xml, QStringLiteral("function")).isEmpty());
}

void tst_Functions::writeReferences()
{
    Function function(functionId, QStringLiteral("Heat"), Function::Heating, true);
    function.setActuatorRef(actuatorId);
    function.addGroupRef(groupB);
    function.addGroupRef(groupA);
    function.addGroupRef(groupB);
    const QByteArray xml = writeFunction(function, QString(), true);

    QCOMPARE(testutil::childNames(xml, QStringLiteral("function")),
             QStringList({QStringLiteral("actuator-ref"), QStringLiteral("group-refs")}));
    QCOMPARE(testutil::names(testutil::elements(xml, QStringLiteral("actuator-ref")).first()),
             QStringList({QStringLiteral("ref")}));
    QCOMPARE(refs(xml, QStringLiteral("actuator-ref")), QStringList({uuidToString(actuatorId)}));
    QCOMPARE(testutil::childNames(xml, QStringLiteral("group-refs")),
             QStringList({QStringLiteral("group-ref"), QStringLiteral("group-ref"),
                          QStringLiteral("group-ref")}));
    QCOMPARE(refs(xml, QStringLiteral("group-ref")),
             QStringList({uuidToString(groupB), uuidToString(groupA), uuidToString(groupB)}));
}

void tst_Functions::elementIsLeftOpen()
{
    Function function(functionId, QStringLiteral("Light"), Function::Switch, true);
    function.setActuatorRef(actuatorId);
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        function.beginSerialize(w, QString(), true);
        w->writeEmptyElement(QStringLiteral("marker"));
        function.endSerialize(w);
        w->writeEmptyElement(QStringLiteral("after"));
    });
    QCOMPARE(testutil::childNames(xml, QStringLiteral("function")),
             QStringList({QStringLiteral("actuator-ref"), QStringLiteral("marker")}));
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             QStringList({QStringLiteral("function"), QStringLiteral("after")}));
}

void tst_Functions::readType_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<int>("expected");

    QTest::newRow("key name") << QByteArray("type=\"Heating\"") << int(Function::Heating);
    QTest::newRow("last key") << QByteArray("type=\"Scene\"") << int(Function::Scene);
    QTest::newRow("key in other letter case is no key")
        << QByteArray("type=\"heating\"") << -1;
    QTest::newRow("missing type") << QByteArray() << -1;
    QTest::newRow("empty type") << QByteArray("type=\"\"") << -1;
    QTest::newRow("class-qualified key is no key")
        << QByteArray("type=\"projects::Function::Switch\"") << -1;
    QTest::newRow("older status form, state")
        << QByteArray("type=\"Status\" statusType=\"1\"") << int(Function::StateStatus);
    QTest::newRow("older status form, temperature")
        << QByteArray("type=\"Status\" statusType=\"2\"") << int(Function::TemperatureStatus);
    QTest::newRow("older status form, other number")
        << QByteArray("type=\"Status\" statusType=\"3\"") << int(Function::Unknown);
    QTest::newRow("older status form without number")
        << QByteArray("type=\"Status\"") << int(Function::Unknown);
    QTest::newRow("older status form in other letter case is no key")
        << QByteArray("type=\"status\" statusType=\"2\"") << -1;
}

void tst_Functions::readType()
{
    QFETCH(QByteArray, attributes);
    const Function function = readFunction("<function id=\"" + idText(functionId) + "\" "
                                           + attributes + "/>");
    QVERIFY(function.isValid());
    QTEST(int(function.type()), "expected");
    QTEST(int(function.simulation().type()), "expected");
}

void tst_Functions::readAttributes_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("runOnVacation");
    QTest::addColumn<QString>("onIcon");
    QTest::addColumn<QString>("offIcon");
    QTest::addColumn<int>("address");
    QTest::addColumn<QStringList>("texts");

    const QByteArray status = "address=\"2305\" onText=\"open\" offText=\"closed\" unit=\"K\" ";

    QTest::newRow("missing vacation flag reads as false")
        << QByteArray("type=\"Switch\" name=\"Light\"") << QStringLiteral("Light") << false
        << QString() << QString() << -1 << QStringList({QString(), QString(), QString()});
    QTest::newRow("vacation flag in capitals")
        << QByteArray("type=\"Switch\" runOnVacation=\"YES\"") << QString() << true << QString()
        << QString() << -1 << QStringList({QString(), QString(), QString()});
    QTest::newRow("icons from the profile namespace only")
        << QByteArray("type=\"Switch\" p:onIcon=\"on.png\" p:offIcon=\"off.png\" onIcon=\"x\"")
        << QString() << false << QStringLiteral("on.png") << QStringLiteral("off.png") << -1
        << QStringList({QString(), QString(), QString()});
    QTest::newRow("unprefixed icons are not profile icons")
        << QByteArray("type=\"Switch\" onIcon=\"on.png\"") << QString() << false << QString()
        << QString() << -1 << QStringList({QString(), QString(), QString()});
    QTest::newRow("state status reads address and texts")
        << "type=\"StateStatus\" " + status << QString() << false << QString() << QString()
        << 2305 << QStringList({QStringLiteral("open"), QStringLiteral("closed"), QString()});
    QTest::newRow("temperature status reads address and unit")
        << "type=\"TemperatureStatus\" " + status << QString() << false << QString() << QString()
        << 2305 << QStringList({QString(), QString(), QStringLiteral("K")});
    QTest::newRow("older temperature form reads address and unit")
        << "type=\"Status\" statusType=\"2\" " + status << QString() << false << QString()
        << QString() << 2305 << QStringList({QString(), QString(), QStringLiteral("K")});
    QTest::newRow("status without address reads 0")
        << QByteArray("type=\"StateStatus\"") << QString() << false << QString() << QString() << 0
        << QStringList({QString(), QString(), QString()});
    QTest::newRow("status values of a switch are ignored")
        << "type=\"Switch\" " + status << QString() << false << QString() << QString() << -1
        << QStringList({QString(), QString(), QString()});
}

void tst_Functions::readAttributes()
{
    QFETCH(QByteArray, attributes);
    const Function function = readFunction("<function id=\"" + idText(functionId) + "\" "
                                           + attributes + "/>");
    QCOMPARE(function.id(), functionId);
    QTEST(function.name(), "name");
    QTEST(function.runOnVacation(), "runOnVacation");
    QTEST(function.onIcon(), "onIcon");
    QTEST(function.offIcon(), "offIcon");
    QTEST(function.address(), "address");
    QTEST(QStringList({function.onText(), function.offText(), function.unit()}), "texts");
}

void tst_Functions::readGroupRefs_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QList<QUuid>>("expected");

    const QByteArray refs = "<group-refs><group-ref ref=\"" + idText(groupB)
                            + "\"/><group-ref ref=\"" + idText(groupA) + "\"/></group-refs>";
    const QByteArray central =
        "<group-refs><group-ref ref=\"" + idText(QUuid(QLatin1String(Group::centralGroupId)))
        + "\"/><GROUP-REF ref=\"" + idText(groupA) + "\"/></group-refs>";

    QTest::newRow("heating keeps its groups in file order")
        << QByteArray("Heating") << refs << QList<QUuid>({groupB, groupA});
    QTest::newRow("split unit keeps its groups")
        << QByteArray("SplitUnit") << refs << QList<QUuid>({groupB, groupA});
    QTest::newRow("blind ignores the container")
        << QByteArray("Blind") << refs << QList<QUuid>();
    QTest::newRow("switch ignores the container")
        << QByteArray("Switch") << refs << QList<QUuid>();
    QTest::newRow("special group is dropped")
        << QByteArray("Heating") << central << QList<QUuid>({groupA});
    QTest::newRow("container in capitals")
        << QByteArray("Heating")
        << "<Group-Refs><group-ref ref=\"" + idText(groupA) + "\"/></Group-Refs>"
        << QList<QUuid>({groupA});
}

void tst_Functions::readGroupRefs()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, children);
    const Function function = readFunction("<function id=\"" + idText(functionId) + "\" type=\""
                                           + type + "\">" + children + "</function>");
    QVERIFY(function.isValid());
    QTEST(function.groupRefs(), "expected");
}

void tst_Functions::readChildren()
{
    const QByteArray element =
        "<function id=\"" + idText(functionId)
        + "\" type=\"Switch\">"
          "<ACTUATOR-REF ref=\""
        + idText(actuatorId)
        + "\"><function id=\"_1\"/></ACTUATOR-REF>"
          "<c:datapoint role=\"switch\" datapoint=\"7\"/>"
          "<datapoint role=\"status\" datapoint=\"8\"/>"
          "<c:Datapoint role=\"dim\" datapoint=\"x\"/>"
          "<unknown><switchTime id=\"_1\"/></unknown>"
          "</function>"
          "<function id=\"" + idText(groupA) + "\" type=\"Blind\"/>";
    const QList<Function> functions = readFunctions(inRoom(element));
    QCOMPARE(functions.size(), 2);
    const Function function = functions.first();
    QCOMPARE(function.actuatorRef(), actuatorId);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("switch")), 7);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("status")), 0);
    QCOMPARE(function.cachedDatapoint(QStringLiteral("dim")), 0);
    QVERIFY(function.switchTimes().isEmpty());
    QCOMPARE(functions.at(1).id(), groupA);
    QCOMPARE(functions.at(1).type(), Function::Blind);
}

void tst_Functions::readSimulationAndSwitchTimes()
{
    const QByteArray element =
        "<function id=\"" + idText(functionId)
        + "\" type=\"Dimming\">"
          "<p:switchTime id=\"" + idText(groupA)
        + "\" value=\"50\" days=\"6\" start=\"07:30:00\"><p:timer day=\"1\" id=\"11\"/>"
          "</p:switchTime>"
          "<SwitchTime id=\"_x\"/>"
          "<p:simulation id=\"4\" enabled=\"true\" delayStart=\"3\"><p:timer day=\"2\" id=\"12\"/>"
          "</p:simulation>"
          "</function>";
    const Function function = readFunction(element);
    QCOMPARE(function.switchTimes().size(), 2);
    QCOMPARE(function.switchTimes().at(0).id(), groupA);
    QCOMPARE(function.switchTimes().at(0).days(), 6);
    QCOMPARE(function.switchTimes().at(0).timerIds().value(1), 11);
    // An invalid switch time is kept as read.
    QVERIFY(!function.switchTimes().at(1).isValid());
    const Simulation simulation = function.simulation();
    QCOMPARE(simulation.id(), 4);
    QVERIFY(simulation.enabled());
    QCOMPARE(simulation.delayStart(), 3);
    QCOMPARE(simulation.type(), Function::Dimming);
    QCOMPARE(simulation.timerIds().value(2), 12);
}

void tst_Functions::roundTrip()
{
    Function function(functionId, QStringLiteral("Floor heating"), Function::Heating, false);
    function.setOnIcon(QStringLiteral("on.png"));
    function.setActuatorRef(actuatorId);
    function.addGroupRef(groupA);
    function.addGroupRef(groupB);
    function.switchTimes().append(SwitchTime());
    const auto write = [](const Function& f) {
        return testutil::write([&](QXmlStreamWriter* w) {
            const Floor floor(QUuid(), QStringLiteral("Ground"));
            const Room room(QUuid(), QStringLiteral("Hall"), QString());
            floor.beginSerialize(w);
            room.beginSerialize(w);
            f.beginSerialize(w, QString(), true);
            for (const SwitchTime& switchTime : f.switchTimes()) {
                switchTime.beginSerialize(w);
                switchTime.endSerialize(w);
            }
            f.simulation().beginSerialize(w);
            f.simulation().endSerialize(w);
            f.endSerialize(w);
            room.endSerialize(w);
            floor.endSerialize(w);
        });
    };
    const QByteArray first = write(function);
    const Project project = testutil::read(first);
    QCOMPARE(project.floors().size(), 1);
    QCOMPARE(project.floors().first().rooms().size(), 1);
    QCOMPARE(project.floors().first().rooms().first().functions().size(), 1);
    const Function read = project.floors().first().rooms().first().functions().first();
    QCOMPARE(read.groupRefs(), function.groupRefs());
    QCOMPARE(read.runOnVacation(), false);
    QCOMPARE(write(read), first);
}

void tst_Functions::splitUnits_data()
{
    QTest::addColumn<QByteArray>("devices");
    QTest::addColumn<QByteArray>("functionAttributes");
    QTest::addColumn<int>("expected");

    const QByteArray actuator = "<actuator id=\"" + idText(actuatorId) + "\"/>";
    const QByteArray ref = "<actuator-ref ref=\"" + idText(actuatorId) + "\"/>";

    QTest::newRow("function of a split-unit actuator becomes a split unit")
        << "<device appId=\"18482\">" + actuator + "</device>" << ref << int(Function::SplitUnit);
    QTest::newRow("actuator after the function element still counts")
        << QByteArray() << ref << int(Function::SplitUnit);
    QTest::newRow("function of another model keeps its type")
        << "<device appId=\"18483\">" + actuator + "</device>" << ref << int(Function::Switch);
    QTest::newRow("reference to no known actuator keeps the type")
        << "<device appId=\"18482\"><actuator id=\"" + idText(groupA) + "\"/></device>" << ref
        << int(Function::Switch);
    QTest::newRow("function without actuator keeps its type")
        << "<device appId=\"18482\">" + actuator + "</device>" << QByteArray()
        << int(Function::Switch);
    QTest::newRow("the first actuator with an id decides, split unit first")
        << "<device appId=\"18482\">" + actuator + "</device><device appId=\"1\">" + actuator
               + "</device>"
        << ref << int(Function::SplitUnit);
    QTest::newRow("the first actuator with an id decides, split unit second")
        << "<device appId=\"1\">" + actuator + "</device><device appId=\"18482\">" + actuator
               + "</device>"
        << ref << int(Function::Switch);
}

void tst_Functions::splitUnits()
{
    QFETCH(QByteArray, devices);
    QFETCH(QByteArray, functionAttributes);
    const QByteArray function = "<function id=\"" + idText(functionId) + "\" type=\"Switch\">"
                                + functionAttributes + "</function>";
    QByteArray content = inRoom(function, devices);
    // The row without devices places the split-unit actuator after the floors.
    if (devices.isEmpty())
        content += "<device appId=\"18482\"><actuator id=\"" + idText(actuatorId)
                   + "\"/></device>";
    const QList<Function> functions = readFunctions(content);
    QCOMPARE(functions.size(), 1);
    QTEST(int(functions.first().type()), "expected");
}

void tst_Functions::fromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("onIcon");
    QTest::addColumn<QString>("offIcon");
    QTest::addColumn<int>("switchTimes");

    const QByteArray id = "\"id\": \"" + idText(functionId) + "\"";
    const QByteArray switchTime = "{\"id\": \"" + idText(groupA) + "\", \"days\": 6}";

    QTest::newRow("all keys")
        << "{" + id + ", \"name\": \"Light\", \"icons\": {\"onIcon\": \"on.png\", \"offIcon\": "
           "\"off.png\"}, \"switchtimes\": [" + switchTime + ", {}]}"
        << true << QStringLiteral("Light") << QStringLiteral("on.png")
        << QStringLiteral("off.png") << 2;
    QTest::newRow("name without id is not read")
        << QByteArray("{\"name\": \"Light\", \"icons\": {\"onIcon\": \"on.png\"}}") << false
        << QString() << QString() << QString() << 0;
    QTest::newRow("id with too few digits stops reading")
        << QByteArray("{\"id\": \"_0a1b2c\", \"name\": \"Light\", \"switchtimes\": [{}]}")
        << false << QString() << QString() << QString() << 0;
    QTest::newRow("id that is no string stops reading")
        << QByteArray("{\"id\": 12, \"name\": \"Light\"}") << false << QString() << QString()
        << QString() << 0;
    QTest::newRow("name that is no string reads empty")
        << "{" + id + ", \"name\": 5}" << true << QString() << QString() << QString() << 0;
    QTest::newRow("icons given as a string are ignored")
        << "{" + id + ", \"icons\": \"on.png\"}" << true << QString() << QString() << QString()
        << 0;
    QTest::newRow("icons with only offIcon")
        << "{" + id + ", \"icons\": {\"offIcon\": \"off.png\"}}" << true << QString()
        << QString() << QStringLiteral("off.png") << 0;
    QTest::newRow("switch-time key in other letter case is not read")
        << "{" + id + ", \"switchTimes\": [" + switchTime + "]}" << true << QString() << QString()
        << QString() << 0;
    QTest::newRow("switch times that are no objects or invalid are left out")
        << "{" + id + ", \"switchtimes\": [1, \"x\", {\"id\": \"_12\"}, " + switchTime + "]}"
        << true << QString() << QString() << QString() << 1;
    QTest::newRow("switch times given as an object are ignored")
        << "{" + id + ", \"switchtimes\": " + switchTime + "}" << true << QString() << QString()
        << QString() << 0;
}

void tst_Functions::fromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, valid);
    const Function function(QJsonDocument::fromJson(json).object());
    QCOMPARE(function.isValid(), valid);
    if (valid)
        QCOMPARE(function.id(), functionId);
    QTEST(function.name(), "name");
    QTEST(function.onIcon(), "onIcon");
    QTEST(function.offIcon(), "offIcon");
    QTEST(function.switchTimes().size(), "switchTimes");
    // The JSON form carries none of these.
    QCOMPARE(function.type(), Function::Unknown);
    QVERIFY(function.runOnVacation());
    QVERIFY(!function.hasActuator());
    QVERIFY(!function.isInGroup());
}

void tst_Functions::mergeAdminSettings_data()
{
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("ownFlag");
    QTest::addColumn<bool>("otherFlag");
    QTest::addColumn<int>("ownSwitchTimes");
    QTest::addColumn<int>("otherSwitchTimes");
    QTest::addColumn<bool>("otherSimulationDiffers");
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing differs") << false << true << true << 0 << 0 << false << false;
    QTest::newRow("forced although nothing differs")
        << true << true << true << 0 << 0 << false << true;
    QTest::newRow("run-on-vacation flag differs")
        << false << true << false << 0 << 0 << false << true;
    QTest::newRow("switch-time counts differ") << false << true << true << 0 << 1 << false << true;
    QTest::newRow("equal non-empty switch-time counts still differ")
        << false << false << false << 1 << 1 << false << true;
    QTest::newRow("only the simulation differs")
        << false << true << true << 0 << 0 << true << true;
}

void tst_Functions::mergeAdminSettings()
{
    QFETCH(bool, force);
    QFETCH(bool, ownFlag);
    QFETCH(bool, otherFlag);
    QFETCH(int, ownSwitchTimes);
    QFETCH(int, otherSwitchTimes);
    QFETCH(bool, otherSimulationDiffers);

    Function own(functionId, QStringLiteral("Own"), Function::Switch, ownFlag);
    own.setOnIcon(QStringLiteral("own.png"));
    own.setActuatorRef(actuatorId);
    own.addGroupRef(groupA);
    own.addCachedDatapoint(QStringLiteral("role"), 1);
    for (int i = 0; i < ownSwitchTimes; ++i)
        own.switchTimes().append(SwitchTime());
    Function other(functionId, QStringLiteral("Other"), Function::Blind, otherFlag);
    other.setOnIcon(QStringLiteral("other.png"));
    other.addCachedDatapoint(QStringLiteral("role"), 2);
    for (int i = 0; i < otherSwitchTimes; ++i)
        other.switchTimes().append(SwitchTime());
    // The simulations start equal: same type, same values. The date-times are fixed so
    // that defaults taken on either side of midnight cannot differ.
    other.simulation().setType(Function::Switch);
    const QDateTime noon(QDate(2024, 5, 1), QTime(12, 0));
    for (Simulation simulation : {own.simulation(), other.simulation()}) {
        simulation.setStartTime(noon);
        simulation.setEndTime(noon);
        simulation.setPauseStartTime(noon);
    }
    if (otherSimulationDiffers)
        other.simulation().setEnabled(true);

    const QString otherBefore = describe(other);
    const Simulation otherSimulation = other.simulation();
    QTEST(own.mergeAdminSettings(other, force), "expected");

    QCOMPARE(switchTimeIds(own.switchTimes()), switchTimeIds(other.switchTimes()));
    QCOMPARE(own.runOnVacation(), otherFlag);
    QVERIFY(own.simulation() == otherSimulation);
    // Everything but the schedule stays.
    QCOMPARE(own.name(), QStringLiteral("Own"));
    QCOMPARE(own.onIcon(), QStringLiteral("own.png"));
    QCOMPARE(own.type(), Function::Switch);
    QCOMPARE(own.actuatorRef(), actuatorId);
    QCOMPARE(own.groupRefs(), QList<QUuid>({groupA}));
    QCOMPARE(own.cachedDatapoint(QStringLiteral("role")), 1);
    QCOMPARE(describe(other), otherBefore);
    QVERIFY(other.simulation() == otherSimulation);
}

void tst_Functions::mergeAdminSettingsMessages()
{
    Function own(functionId, QStringLiteral("Light"), Function::Switch, true);
    Function other(functionId, QStringLiteral("Other"), Function::Switch, true);
    const SwitchTime first;
    const SwitchTime second;
    other.switchTimes() << first << second;
    const QString id = uuidToString(functionId);

    MessageLog log;
    own.mergeAdminSettings(other, false);
    QCOMPARE(log.messages(),
             QStringList({QStringLiteral(">> MERGE ADMIN SETTINGS function  \"%1\"  with name  "
                                         "\"Light\"")
                              .arg(id),
                          QStringLiteral(">> No switchtimes"),
                          QStringLiteral(">> END MERGE ADMIN SETTINGS function  \"%1\"  with "
                                         "name  \"Light\"")
                              .arg(id),
                          QStringLiteral("switchTime ") + uuidToString(first.id()),
                          QStringLiteral("switchTime ") + uuidToString(second.id())}));
}

void tst_Functions::mergeProfile_data()
{
    QTest::addColumn<bool>("keepOwnValues");
    QTest::addColumn<bool>("adoptStructure");
    QTest::addColumn<Function>("own");
    QTest::addColumn<Function>("other");
    QTest::addColumn<QString>("expected");

    // describe(): name|onIcon|offIcon|onText|offText|unit|actuator|type|address|flag|role|groups
    const auto make = [](Function::FunctionType type, const QString& name, const QUuid& actuator,
                         const QList<QUuid>& groups, int datapoint) {
        Function f(functionId, name, type, true);
        f.setOnIcon(name + QStringLiteral(".on"));
        f.setOffIcon(name + QStringLiteral(".off"));
        f.setOnText(name + QStringLiteral(".open"));
        f.setOffText(name + QStringLiteral(".closed"));
        f.setUnit(name + QStringLiteral(".unit"));
        f.setActuatorRef(actuator);
        f.setAddress(datapoint * 100);
        for (const QUuid& group : groups)
            f.addGroupRef(group);
        f.addCachedDatapoint(QStringLiteral("role"), datapoint);
        return f;
    };
    const QString actuator = uuidToString(actuatorId);
    const QString none = uuidToString(QUuid());
    const QString a = uuidToString(groupA);
    const QString b = uuidToString(groupB);
    const QString otherActuatorText = uuidToString(groupB);

    const Function ownSwitch = make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1);
    const Function otherSwitch = make(Function::Blind, QStringLiteral("other"), groupB, {}, 2);
    const QString takenOver = QStringLiteral("other|other.on|other.off|own.open|own.closed|"
                                             "own.unit|%1|1|100|0|2")
                                  .arg(otherActuatorText);

    QTest::newRow("taking over: name, icons, actuator and datapoints")
        << false << false << ownSwitch << otherSwitch << takenOver;
    QTest::newRow("adopting structure takes over too")
        << true << true << make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1)
        << make(Function::Blind, QStringLiteral("other"), groupB, {}, 2) << takenOver;
    QTest::newRow("adopting structure without keeping takes over too")
        << false << true << make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1)
        << make(Function::Blind, QStringLiteral("other"), groupB, {}, 2) << takenOver;
    QTest::newRow("taking over keeps the own actuator when other has none")
        << false << false << make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1)
        << make(Function::Switch, QStringLiteral("other"), QUuid(), {}, 2)
        << QStringLiteral("other|other.on|other.off|own.open|own.closed|own.unit|%1|1|100|0|2")
               .arg(actuator);
    QTest::newRow("keeping own values with the same actuator takes names and texts")
        << true << false << make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1)
        << make(Function::Switch, QStringLiteral("other"), actuatorId, {}, 2)
        << QStringLiteral("other|other.on|other.off|other.open|other.closed|other.unit|%1|1|100|"
                          "0|1")
               .arg(actuator);
    QTest::newRow("keeping own values with another actuator takes nothing")
        << true << false << make(Function::Switch, QStringLiteral("own"), actuatorId, {}, 1)
        << make(Function::Switch, QStringLiteral("other"), groupB, {}, 2)
        << QStringLiteral("own|own.on|own.off|own.open|own.closed|own.unit|%1|1|100|0|1")
               .arg(actuator);
    QTest::newRow("keeping own values without actuator takes nothing")
        << true << false << make(Function::Switch, QStringLiteral("own"), QUuid(), {}, 1)
        << make(Function::Switch, QStringLiteral("other"), QUuid(), {}, 2)
        << QStringLiteral("own|own.on|own.off|own.open|own.closed|own.unit|%1|1|100|0|1")
               .arg(none);
    QTest::newRow("heating with groups in another order loses its name")
        << true << false
        << make(Function::Heating, QStringLiteral("own"), QUuid(), {groupA, groupB}, 1)
        << make(Function::Heating, QStringLiteral("other"), QUuid(), {groupB, groupA}, 2)
        << QStringLiteral("|own.on|own.off|own.open|own.closed|own.unit|%1|4|100|0|1|%2|%3")
               .arg(none, a, b);
    QTest::newRow("heating with fewer groups loses the name it took over")
        << true << false
        << make(Function::Heating, QStringLiteral("own"), actuatorId, {groupA, groupB}, 1)
        << make(Function::Heating, QStringLiteral("other"), actuatorId, {groupA}, 2)
        << QStringLiteral("|other.on|other.off|other.open|other.closed|other.unit|%1|4|100|0|1|"
                          "%2|%3")
               .arg(actuator, a, b);
    QTest::newRow("heating with equal groups keeps its name")
        << true << false
        << make(Function::Heating, QStringLiteral("own"), QUuid(), {groupA, groupB}, 1)
        << make(Function::Heating, QStringLiteral("other"), QUuid(), {groupA, groupB}, 2)
        << QStringLiteral("own|own.on|own.off|own.open|own.closed|own.unit|%1|4|100|0|1|%2|%3")
               .arg(none, a, b);
    QTest::newRow("a switch with other groups keeps its name")
        << true << false << make(Function::Switch, QStringLiteral("own"), QUuid(), {groupA}, 1)
        << make(Function::Switch, QStringLiteral("other"), QUuid(), {groupB}, 2)
        << QStringLiteral("own|own.on|own.off|own.open|own.closed|own.unit|%1|1|100|0|1|%2")
               .arg(none, a);
    QTest::newRow("taking over never touches the groups")
        << false << false << make(Function::Heating, QStringLiteral("own"), QUuid(), {groupA}, 1)
        << make(Function::Heating, QStringLiteral("other"), QUuid(), {groupB}, 2)
        << QStringLiteral("other|other.on|other.off|own.open|own.closed|own.unit|%1|4|100|0|2|%2")
               .arg(none, a);
}

void tst_Functions::mergeProfile()
{
    QFETCH(bool, keepOwnValues);
    QFETCH(bool, adoptStructure);
    QFETCH(Function, own);
    QFETCH(Function, other);
    // The schedule is taken over in every case.
    other.setRunOnVacation(false);
    other.switchTimes() << SwitchTime() << SwitchTime();
    const QString otherBefore = describe(other);

    own.mergeProfile(other, keepOwnValues, adoptStructure);
    QStringList state = describe(own).split(QLatin1Char('|'));
    const QStringList switchTimes = state.mid(state.size() - own.switchTimes().size());
    state = state.mid(0, state.size() - switchTimes.size());
    QTEST(state.join(QLatin1Char('|')), "expected");
    QCOMPARE(switchTimes, switchTimeIds(other.switchTimes()));
    QVERIFY(own.simulation() == other.simulation());
    QCOMPARE(describe(other), otherBefore);
}

void tst_Functions::mergeProfileSharesSchedules()
{
    Function own(functionId, QStringLiteral("Own"), Function::Switch, true);
    own.switchTimes().append(SwitchTime());
    Function other(functionId, QStringLiteral("Other"), Function::Switch, false);
    const SwitchTime entry;
    other.switchTimes().append(entry);

    own.mergeProfile(other, true, false);
    // The entries and the simulation are the same blocks; the lists are copies.
    other.switchTimes().first().setValue(42);
    QCOMPARE(own.switchTimes().first().value(), 42.0);
    other.simulation().setRepeat(true);
    QVERIFY(own.simulation().repeat());
    other.switchTimes().append(SwitchTime());
    QCOMPARE(own.switchTimes().size(), 1);
}

void tst_Functions::mergeProfileMessages()
{
    Function own(functionId, QStringLiteral("Light"), Function::Switch, true);
    const SwitchTime entry;
    own.switchTimes().append(entry);
    const Function other(functionId, QStringLiteral("Lamp"), Function::Switch, true);
    const QString id = uuidToString(functionId);

    MessageLog log;
    own.mergeProfile(other, false, false);
    QCOMPARE(log.messages(),
             QStringList({QStringLiteral(">> MERGE PROFILE function  \"%1\"  with name  \"Light\"")
                              .arg(id),
                          QStringLiteral("switchTime ") + uuidToString(entry.id()),
                          QStringLiteral(">> END MERGE PROFILE function  \"%1\"").arg(id),
                          QStringLiteral(">> No switchtimes")}));
}

void tst_Functions::sync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expected");

    // describe(): name|onIcon|offIcon|onText|offText|unit|actuator|type|address|flag|role|
    // groups|switch times; the simulation is checked apart.
    const QString none = uuidToString(QUuid());
    const QString actuator = uuidToString(actuatorId);
    const QString a = uuidToString(groupA);
    const QString b = uuidToString(groupB);
    const QString own = QStringLiteral("own|own.on|own.off|own.open|own.closed|own.unit");
    const QString named = QStringLiteral("other|other.on|other.off|own.open|own.closed|own.unit");

    QTest::newRow("no flag changes nothing")
        << 0 << QStringLiteral("%1|%2|1|100|1|1|%3|own").arg(own, actuator, a);
    QTest::newRow("admin settings copy groups, names, icons and a null actuator")
        << int(Project::SyncAdminSettings)
        << QStringLiteral("%1|%2|1|100|1|1|%3|own").arg(named, none, b);
    QTest::newRow("profile copies names, icons, actuator and schedule")
        << int(Project::SyncProfile)
        << QStringLiteral("%1|%2|1|100|0|1|%3|other").arg(named, none, a);
    QTest::newRow("schedules copy schedule and cached datapoints")
        << int(Project::SyncSchedules)
        << QStringLiteral("%1|%2|1|100|0|2|%3|other").arg(own, actuator, a);
    QTest::newRow("all flags")
        << int(Project::SyncAdminSettings | Project::SyncProfile | Project::SyncSchedules)
        << QStringLiteral("%1|%2|1|100|0|2|%3|other").arg(named, none, b);
}

void tst_Functions::sync()
{
    QFETCH(int, hints);
    const QUuid otherId = groupA;
    Function own(functionId, QStringLiteral("own"), Function::Switch, true);
    own.setOnIcon(QStringLiteral("own.on"));
    own.setOffIcon(QStringLiteral("own.off"));
    own.setOnText(QStringLiteral("own.open"));
    own.setOffText(QStringLiteral("own.closed"));
    own.setUnit(QStringLiteral("own.unit"));
    own.setActuatorRef(actuatorId);
    own.setAddress(100);
    own.addGroupRef(groupA);
    own.addCachedDatapoint(QStringLiteral("role"), 1);
    const SwitchTime ownEntry;
    own.switchTimes().append(ownEntry);
    const Simulation ownSimulation = own.simulation();

    Function other(otherId, QStringLiteral("other"), Function::Blind, false);
    other.setOnIcon(QStringLiteral("other.on"));
    other.setOffIcon(QStringLiteral("other.off"));
    other.setOnText(QStringLiteral("other.open"));
    other.setUnit(QStringLiteral("other.unit"));
    other.setAddress(200);
    other.addGroupRef(groupB);
    other.addCachedDatapoint(QStringLiteral("role"), 2);
    const SwitchTime otherEntry;
    other.switchTimes().append(otherEntry);

    const Function copy = own;
    own.sync(other, Project::SyncHints(hints));

    QFETCH(QString, expected);
    // Name the switch-time entries by owner, so that the rows can be written down.
    QString state = describe(own);
    state.replace(uuidToString(ownEntry.id()), QStringLiteral("own"));
    state.replace(uuidToString(otherEntry.id()), QStringLiteral("other"));
    QCOMPARE(state, expected);
    QCOMPARE(own.id(), functionId);
    // No detach: the copy made before is the same function.
    QCOMPARE(describe(copy), describe(own));
    const bool schedule = hints & (Project::SyncProfile | Project::SyncSchedules);
    QVERIFY(own.simulation() == (schedule ? other.simulation() : ownSimulation));
}

void tst_Functions::gc_data()
{
    QTest::addColumn<QList<SwitchTime>>("switchTimes");
    QTest::addColumn<QSet<int>>("expected");

    QTest::newRow("no switch times") << QList<SwitchTime>() << QSet<int>();
    QTest::newRow("switch time without timers")
        << QList<SwitchTime>({switchTimeWithTimers({})}) << QSet<int>();
    QTest::newRow("timer identifiers, not day keys, of every switch time")
        << QList<SwitchTime>({switchTimeWithTimers({10, 11}), switchTimeWithTimers({12})})
        << QSet<int>({10, 11, 12});
    QTest::newRow("a timer shared by two switch times is listed once")
        << QList<SwitchTime>({switchTimeWithTimers({7}), switchTimeWithTimers({7, 8})})
        << QSet<int>({7, 8});
}

void tst_Functions::gc()
{
    QFETCH(QList<SwitchTime>, switchTimes);
    Function function(functionId, QStringLiteral("Light"), Function::Switch, true);
    function.switchTimes() = switchTimes;
    // The simulation's timers are the simulation's business.
    function.simulation().timerIds().insert(1, 99);
    const QString before = describe(function);
    const DeletableItems items = function.gc();
    QTEST(items.timers(), "expected");
    QVERIFY(items.simulations().isEmpty());
    QVERIFY(items.jobs().isEmpty());
    QCOMPARE(describe(function), before);
}

QTEST_GUILESS_MAIN(tst_Functions)

#include "tst_functions.moc"
