// Functions: their values, the `function` element with its children, its reader and the
// split-unit step after reading.

#include "testutil.h"

#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/simulation.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>

#include <QtTest>

using namespace projects;

Q_DECLARE_METATYPE(projects::Function)
Q_DECLARE_METATYPE(projects::Function::FunctionType)

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

QTEST_GUILESS_MAIN(tst_Functions)

#include "tst_functions.moc"
