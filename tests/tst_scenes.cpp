// Scenes, scene triggers and snapshots: the elements written and read, the value texts of
// the file, the trigger rules and the sharing of the handles.

#include "testutil.h"

#include <projects/common/conversions.h>
#include <projects/project.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

using namespace projects;

namespace {

const QUuid sceneId = QUuid(QStringLiteral("{0d1e2f30-4152-4637-8899-aabbccddeeff}"));
const QUuid functionId = QUuid(QStringLiteral("{11111111-2222-4333-8444-555555555555}"));
const QUuid triggerA = QUuid(QStringLiteral("{a0a0a0a0-0000-4000-8000-00000000000a}"));
const QUuid triggerB = QUuid(QStringLiteral("{b0b0b0b0-0000-4000-8000-00000000000b}"));

QByteArray idText(const QUuid& id)
{
    return uuidToString(id).toLatin1();
}

// A user scene whose content is @p children.
QByteArray sceneElement(const QByteArray& children, const QByteArray& attributes = QByteArray())
{
    return "<scenes><p:scene id=\"" + idText(sceneId) + "\" name=\"Evening\" " + attributes + ">" +
           children + "</p:scene></scenes>";
}

Scene readOneScene(const QByteArray& children, const QByteArray& attributes = QByteArray())
{
    const Project project = testutil::readContent(sceneElement(children, attributes));
    if (project.scenes().size() != 1)
        return Scene();
    return project.scenes().first();
}

// The values of the single snapshot of a scene read from @p datapoints.
QHash<QString, QJsonValue> readValues(const QByteArray& datapoints)
{
    const Scene scene = readOneScene("<snapshot function-ref=\"" + idText(functionId) + "\">" +
                                     datapoints + "</snapshot>");
    if (scene.snapshots().size() != 1)
        return {};
    return scene.snapshots().first().values();
}

QByteArray datapointWithValue(const QString& text)
{
    return "<datapoint address=\"1/2/3\" value=\"" + text.toHtmlEscaped().toUtf8() + "\"/>";
}

QByteArray writeScene(const Scene& scene, bool withVacation)
{
    return testutil::write(
        [&](QXmlStreamWriter* writer) {
            scene.beginSerialize(writer, withVacation);
            for (const Snapshot& snapshot : scene.snapshots())
                snapshot.serialize(writer, QHash<QString, int>());
            scene.endSerialize(writer);
        },
        withVacation);
}

QByteArray writeSnapshot(const Snapshot& snapshot, const QHash<QString, int>& addressToId)
{
    return testutil::write(
        [&](QXmlStreamWriter* writer) { snapshot.serialize(writer, addressToId); });
}

QString writtenValue(const QJsonValue& value, const QString& address)
{
    const Snapshot snapshot(functionId, {{address, value}});
    const auto datapoints =
        testutil::elements(writeSnapshot(snapshot, {}), QStringLiteral("datapoint"));
    return datapoints.isEmpty() ? QString()
                                : testutil::value(datapoints.first(), QStringLiteral("value"));
}

} // namespace

class tst_Scenes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructedDefaults();
    void copiesShare();

    void writtenSceneAttributes_data();
    void writtenSceneAttributes();
    void vacationRoundTrip_data();
    void vacationRoundTrip();
    void readColor_data();
    void readColor();
    void readFlags_data();
    void readFlags();
    void readTriggers_data();
    void readTriggers();
    void childNamesAnyCase();

    void writtenValueText_data();
    void writtenValueText();
    void readValueText_data();
    void readValueText();
    void valueRoundTripKeepsType_data();
    void valueRoundTripKeepsType();
    void datapointKey_data();
    void datapointKey();
    void laterDatapointWins();
    void writtenSnapshot_data();
    void writtenSnapshot();
    void snapshotWithoutFunctionIsStillAppended();

    void readSceneTriggers_data();
    void readSceneTriggers();
    void writtenSceneTrigger();
};

void tst_Scenes::constructedDefaults()
{
    const Scene scene;
    QVERIFY(scene.id().isNull());
    QVERIFY(!scene.color().isValid());
    QVERIFY(scene.isGlobal());
    QCOMPARE(scene.timerTrigger(), -1);
    QVERIFY(!scene.runOnVacation());
    QVERIFY(!scene.favorite());

    const Scene given(sceneId, QStringLiteral("Night"), QStringLiteral("moon"), Qt::blue, true,
                      false, true);
    QCOMPARE(given.id(), sceneId);
    QCOMPARE(given.icon(), QStringLiteral("moon"));
    QVERIFY(given.favorite());
    QVERIFY(!given.isGlobal());
    QVERIFY(given.runOnVacation());
    QCOMPARE(given.timerTrigger(), -1);

    const SceneTrigger trigger;
    QCOMPARE(trigger.number(), -1);
    QCOMPARE(trigger.jobId(), -1);

    const Snapshot snapshot;
    QVERIFY(!snapshot.isValid());
    QVERIFY(Snapshot(functionId, {}).isValid());
}

void tst_Scenes::copiesShare()
{
    Scene scene(sceneId, QStringLiteral("Night"), QString(), QColor(), false, true, false);
    const Scene copy = scene;
    Scene assigned;
    assigned = scene;

    scene.setName(QStringLiteral("Late night"));
    scene.triggers().insert(triggerA);
    assigned.snapshots().append(Snapshot(functionId, {}));
    assigned.setTriggeredByPanic(true);

    for (const Scene& other : {copy, assigned, scene}) {
        QCOMPARE(other.name(), QStringLiteral("Late night"));
        QCOMPARE(other.triggers(), QSet<QUuid>{triggerA});
        QCOMPARE(other.snapshots().size(), 1);
        QVERIFY(other.triggeredByPanic());
    }

    // A value added through one copy of a snapshot is seen through the scene's entry.
    Snapshot snapshot = scene.snapshots().first();
    snapshot.addDatapoint(QStringLiteral("1/1/1"), 1);
    QCOMPARE(copy.snapshots().first().values().value(QStringLiteral("1/1/1")), QJsonValue(1));
    snapshot.clearDatapoints();
    QVERIFY(copy.snapshots().first().values().isEmpty());

    SceneTrigger trigger(triggerA, QStringLiteral("Door"), 3, -1);
    const SceneTrigger triggerCopy = trigger;
    trigger.setJobId(12);
    QCOMPARE(triggerCopy.jobId(), 12);
}

void tst_Scenes::writtenSceneAttributes_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("withVacation");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("children");

    const QString st = QStringLiteral("p:switchTime");
    QTest::newRow("valid colour, with vacation")
        << QColor(QStringLiteral("#4B91E6")) << true
        << QStringList{QStringLiteral("id"),           QStringLiteral("name"),
                       QStringLiteral("icon"),         QStringLiteral("color"),
                       QStringLiteral("p:favorite"),   QStringLiteral("p:global"),
                       QStringLiteral("runOnVacation")}
        << QStringList{st, st, QStringLiteral("snapshot")};
    QTest::newRow("invalid colour is not written")
        << QColor() << true
        << QStringList{QStringLiteral("id"),       QStringLiteral("name"),
                       QStringLiteral("icon"),     QStringLiteral("p:favorite"),
                       QStringLiteral("p:global"), QStringLiteral("runOnVacation")}
        << QStringList{st, st, QStringLiteral("snapshot")};
    QTest::newRow("without vacation: no runOnVacation, no switch times")
        << QColor(Qt::white) << false
        << QStringList{QStringLiteral("id"),         QStringLiteral("name"),
                       QStringLiteral("icon"),       QStringLiteral("color"),
                       QStringLiteral("p:favorite"), QStringLiteral("p:global")}
        << QStringList{QStringLiteral("snapshot")};
}

void tst_Scenes::writtenSceneAttributes()
{
    QFETCH(QColor, color);
    QFETCH(bool, withVacation);
    QFETCH(QStringList, names);
    QFETCH(QStringList, children);

    Scene scene(sceneId, QStringLiteral("Evening"), QString(), color, true, false, true);
    scene.switchTimes().append(SwitchTime());
    scene.switchTimes().append(SwitchTime());
    scene.snapshots().append(Snapshot(functionId, {}));
    // Triggers and event flags are not part of what is written.
    scene.triggers().insert(triggerA);
    scene.setTriggeredByPanic(true);
    scene.setTimerTrigger(4);

    const QByteArray xml = writeScene(scene, withVacation);
    const auto attributes = testutil::elements(xml, QStringLiteral("scene")).value(0);
    QCOMPARE(testutil::names(attributes), names);
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             QStringList{QStringLiteral("p:scene")});
    QCOMPARE(testutil::childNames(xml, QStringLiteral("scene")), children);
    QCOMPARE(testutil::value(attributes, QStringLiteral("id")), uuidToString(sceneId));
    QCOMPARE(testutil::value(attributes, QStringLiteral("p:favorite")), QStringLiteral("yes"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("p:global")), QStringLiteral("no"));
    if (color.isValid())
        QCOMPARE(testutil::value(attributes, QStringLiteral("color")), color.name());
    if (withVacation)
        QCOMPARE(testutil::value(attributes, QStringLiteral("runOnVacation")),
                 QStringLiteral("yes"));
}

void tst_Scenes::vacationRoundTrip_data()
{
    QTest::addColumn<bool>("withVacation");
    QTest::newRow("with vacation keeps flag and switch times") << true;
    QTest::newRow("without vacation reads no flag and no switch times") << false;
}

void tst_Scenes::vacationRoundTrip()
{
    QFETCH(bool, withVacation);

    Scene scene(sceneId, QStringLiteral("Away"), QStringLiteral("plane"),
                QColor(QStringLiteral("#fd704b")), true, true, true);
    scene.switchTimes().append(SwitchTime());
    scene.snapshots().append(Snapshot(functionId, {{QStringLiteral("1/2/3"), 1}}));

    const Project project = testutil::read(writeScene(scene, withVacation));
    QCOMPARE(project.scenes().size(), 1);
    const Scene read = project.scenes().first();
    QCOMPARE(read.id(), sceneId);
    QCOMPARE(read.name(), QStringLiteral("Away"));
    QCOMPARE(read.icon(), QStringLiteral("plane"));
    QCOMPARE(read.color().name(), QStringLiteral("#fd704b"));
    QVERIFY(read.favorite());
    QVERIFY(read.isGlobal());
    QCOMPARE(read.runOnVacation(), withVacation);
    QCOMPARE(read.switchTimes().size(), withVacation ? 1 : 0);
    if (withVacation)
        QCOMPARE(read.switchTimes().first().id(), scene.switchTimes().first().id());
    QCOMPARE(read.snapshots().size(), 1);
    QCOMPARE(read.snapshots().first().functionId(), functionId);
    QCOMPARE(read.snapshots().first().values().value(QStringLiteral("1/2/3")), QJsonValue(1));
    QVERIFY(project.sceneTriggers().isEmpty());
}

void tst_Scenes::readColor_data()
{
    QTest::addColumn<QByteArray>("attribute");
    QTest::addColumn<QString>("color");

    QTest::newRow("allowed colour in upper case")
        << QByteArray("color=\"#F6AA2B\"") << QStringLiteral("#f6aa2b");
    QTest::newRow("allowed colour in lower case")
        << QByteArray("color=\"#4b91e6\"") << QStringLiteral("#4b91e6");
    QTest::newRow("grey is allowed")
        << QByteArray("color=\"#afafaf\"") << QStringLiteral("#afafaf");
    QTest::newRow("other colour reads as white")
        << QByteArray("color=\"#123456\"") << QStringLiteral("#ffffff");
    QTest::newRow("named colour reads as white")
        << QByteArray("color=\"red\"") << QStringLiteral("#ffffff");
    QTest::newRow("empty colour reads as white")
        << QByteArray("color=\"\"") << QStringLiteral("#ffffff");
    QTest::newRow("missing colour reads as white") << QByteArray() << QStringLiteral("#ffffff");
    QTest::newRow("profile-namespace colour is not read")
        << QByteArray("p:color=\"#4B91E6\"") << QStringLiteral("#ffffff");
}

void tst_Scenes::readColor()
{
    QFETCH(QByteArray, attribute);
    QFETCH(QString, color);

    const Scene scene = readOneScene(QByteArray(), attribute);
    QVERIFY(scene.color().isValid());
    QCOMPARE(scene.color().name(), color);
}

void tst_Scenes::readFlags_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<bool>("global");
    QTest::addColumn<bool>("runOnVacation");

    QTest::newRow("absent global reads as false, unlike a new scene")
        << QByteArray() << false << false << false;
    QTest::newRow("profile flags in any letter case")
        << QByteArray("p:favorite=\"TRUE\" p:global=\"Yes\" runOnVacation=\"1\"") << true << true
        << true;
    QTest::newRow("unqualified favourite and global are not read")
        << QByteArray("favorite=\"yes\" global=\"yes\"") << false << false << false;
    QTest::newRow("profile runOnVacation is not read")
        << QByteArray("p:runOnVacation=\"yes\" p:global=\"1\"") << false << true << false;
}

void tst_Scenes::readFlags()
{
    QFETCH(QByteArray, attributes);
    QFETCH(bool, favorite);
    QFETCH(bool, global);
    QFETCH(bool, runOnVacation);

    const Scene scene = readOneScene(QByteArray(), attributes);
    QCOMPARE(scene.id(), sceneId);
    QCOMPARE(scene.favorite(), favorite);
    QCOMPARE(scene.isGlobal(), global);
    QCOMPARE(scene.runOnVacation(), runOnVacation);
}

void tst_Scenes::readTriggers_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QList<QUuid>>("triggers");
    QTest::addColumn<bool>("panic");
    QTest::addColumn<bool>("centralOff");
    QTest::addColumn<int>("timer");

    const QByteArray a = idText(triggerA);
    const QByteArray b = idText(triggerB);
    QTest::newRow("scene reference ignores the event attributes")
        << QByteArray("<trigger scene-ref=\"" + a + "\" panic=\"yes\" timer=\"5\"/>")
        << QList<QUuid>{triggerA} << false << false << -1;
    QTest::newRow("panic TRUE and timer 0 give no timer")
        << QByteArray("<trigger panic=\"TRUE\" timer=\"0\"/>") << QList<QUuid>() << true << false
        << -1;
    QTest::newRow("timer 7") << QByteArray("<trigger timer=\"7\"/>") << QList<QUuid>() << false
                             << false << 7;
    QTest::newRow("timer that is no number gives no timer")
        << QByteArray("<trigger timer=\"x7\" centralOff=\"1\"/>") << QList<QUuid>() << false << true
        << -1;
    QTest::newRow("later event trigger overrides all three fields")
        << QByteArray("<trigger panic=\"yes\" timer=\"3\"/><trigger centralOff=\"yes\"/>")
        << QList<QUuid>() << false << true << -1;
    QTest::newRow("scene reference leaves earlier events alone")
        << QByteArray("<trigger panic=\"yes\"/><trigger scene-ref=\"" + b + "\"/>")
        << QList<QUuid>{triggerB} << true << false << -1;
    QTest::newRow("same reference twice is one entry")
        << QByteArray("<trigger scene-ref=\"" + a + "\"/><TRIGGER scene-ref=\"" + a +
                      "\"/><c:trigger scene-ref=\"" + b + "\"/>")
        << QList<QUuid>{triggerA, triggerB} << false << false << -1;
    QTest::newRow("empty scene reference is an event trigger")
        << QByteArray("<trigger scene-ref=\"\" panic=\"1\"/>") << QList<QUuid>() << true << false
        << -1;
    QTest::newRow("trigger inside an unknown child is skipped")
        << QByteArray("<extra><trigger panic=\"yes\" scene-ref=\"" + a + "\"/></extra>")
        << QList<QUuid>() << false << false << -1;
}

void tst_Scenes::readTriggers()
{
    QFETCH(QByteArray, children);
    QFETCH(QList<QUuid>, triggers);
    QFETCH(bool, panic);
    QFETCH(bool, centralOff);
    QFETCH(int, timer);

    const Scene scene = readOneScene(children);
    QCOMPARE(scene.id(), sceneId);
    QCOMPARE(scene.triggers(), QSet<QUuid>(triggers.cbegin(), triggers.cend()));
    QCOMPARE(scene.triggeredByPanic(), panic);
    QCOMPARE(scene.triggeredByCentralOff(), centralOff);
    QCOMPARE(scene.timerTrigger(), timer);
}

void tst_Scenes::childNamesAnyCase()
{
    const QByteArray id = idText(QUuid::createUuid());
    const Scene scene = readOneScene(
        "<SWITCHTIME id=\"" + id + "\" start=\"06:00:00\"/><p:switchtime id=\"" + id +
        "\"/><SnapShot function-ref=\"" + idText(functionId) +
        "\"><DataPoint address=\"1/1/1\" value=\"1\"/><other address=\"2/2/2\" value=\"2\"/>"
        "</SnapShot><snapshots><snapshot/></snapshots>");
    QCOMPARE(scene.switchTimes().size(), 2);
    QCOMPARE(scene.snapshots().size(), 1);
    QCOMPARE(scene.snapshots().first().values().keys(), QStringList{QStringLiteral("1/1/1")});
}

void tst_Scenes::writtenValueText_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("null") << QJsonValue(QJsonValue::Null) << QStringLiteral("null");
    QTest::newRow("undefined") << QJsonValue(QJsonValue::Undefined) << QStringLiteral("undefined");
    QTest::newRow("boolean") << QJsonValue(false) << QStringLiteral("false");
    QTest::newRow("decimal number") << QJsonValue(21.5) << QStringLiteral("21.5");
    QTest::newRow("seven digits in exponent notation")
        << QJsonValue(1234567) << QStringLiteral("1.23457e+06");
    QTest::newRow("number at a DPT5 address is not scaled in the file")
        << QJsonValue(255) << QStringLiteral("255");
    QTest::newRow("string gets a hash")
        << QJsonValue(QStringLiteral("on")) << QStringLiteral("#on");
    QTest::newRow("string that looks like a number")
        << QJsonValue(QStringLiteral("12")) << QStringLiteral("#12");
    QTest::newRow("empty string") << QJsonValue(QString()) << QStringLiteral("#");
    QTest::newRow("array as compact JSON")
        << QJsonValue(QJsonArray{1, QStringLiteral("a"), true}) << QStringLiteral("[1,\"a\",true]");
    QTest::newRow("object as compact JSON")
        << QJsonValue(QJsonObject{{QStringLiteral("on"), true}}) << QStringLiteral("{\"on\":true}");
}

void tst_Scenes::writtenValueText()
{
    QFETCH(QJsonValue, value);
    QFETCH(QString, text);

    // 2/2/0 is a percentage address: the file form must not depend on it.
    QCOMPARE(writtenValue(value, QStringLiteral("2/2/0")), text);
}

void tst_Scenes::readValueText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QJsonValue>("value");

    QTest::newRow("NULL in upper case") << QStringLiteral("NULL") << QJsonValue(QJsonValue::Null);
    QTest::newRow("UNDEFINED in upper case")
        << QStringLiteral("UNDEFINED") << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("True in mixed case") << QStringLiteral("True") << QJsonValue(true);
    QTest::newRow("FALSE in upper case") << QStringLiteral("FALSE") << QJsonValue(false);
    QTest::newRow("decimal number") << QStringLiteral("21.5") << QJsonValue(21.5);
    QTest::newRow("exponent notation") << QStringLiteral("1.5e3") << QJsonValue(1500.0);
    QTest::newRow("negative number") << QStringLiteral("-4") << QJsonValue(-4.0);
    QTest::newRow("hash alone is the empty string") << QStringLiteral("#") << QJsonValue(QString());
    QTest::newRow("hash keeps a keyword a string")
        << QStringLiteral("#null") << QJsonValue(QStringLiteral("null"));
    QTest::newRow("hash keeps JSON text a string")
        << QStringLiteral("#[1]") << QJsonValue(QStringLiteral("[1]"));
    QTest::newRow("bare word reads as null")
        << QStringLiteral("abc") << QJsonValue(QJsonValue::Null);
    QTest::newRow("empty text reads as null") << QString() << QJsonValue(QJsonValue::Null);
    QTest::newRow("JSON array") << QStringLiteral("[1,\"a\"]")
                                << QJsonValue(QJsonArray{1, QStringLiteral("a")});
    QTest::newRow("JSON object") << QStringLiteral("{\"a\": [true]}")
                                 << QJsonValue(
                                        QJsonObject{{QStringLiteral("a"), QJsonArray{true}}});
    QTest::newRow("JSON scalar document reads as null")
        << QStringLiteral("\"text\"") << QJsonValue(QJsonValue::Null);
}

void tst_Scenes::readValueText()
{
    QFETCH(QString, text);
    QFETCH(QJsonValue, value);

    const auto values = readValues(datapointWithValue(text));
    QVERIFY(values.contains(QStringLiteral("1/2/3")));
    QCOMPARE(values.value(QStringLiteral("1/2/3")).type(), value.type());
    QCOMPARE(values.value(QStringLiteral("1/2/3")), value);
}

void tst_Scenes::valueRoundTripKeepsType_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QJsonValue>("readBack");

    QTest::newRow("string 12") << QJsonValue(QStringLiteral("12"))
                               << QJsonValue(QStringLiteral("12"));
    QTest::newRow("string true") << QJsonValue(QStringLiteral("true"))
                                 << QJsonValue(QStringLiteral("true"));
    QTest::newRow("boolean") << QJsonValue(true) << QJsonValue(true);
    QTest::newRow("null") << QJsonValue(QJsonValue::Null) << QJsonValue(QJsonValue::Null);
    QTest::newRow("array") << QJsonValue(QJsonArray{1, 2}) << QJsonValue(QJsonArray{1, 2});
    QTest::newRow("object") << QJsonValue(QJsonObject{{QStringLiteral("k"), QStringLiteral("v")}})
                            << QJsonValue(QJsonObject{{QStringLiteral("k"), QStringLiteral("v")}});
    QTest::newRow("21.5 unchanged") << QJsonValue(21.5) << QJsonValue(21.5);
    QTest::newRow("1234567 rounded to six digits") << QJsonValue(1234567) << QJsonValue(1234570.0);
}

void tst_Scenes::valueRoundTripKeepsType()
{
    QFETCH(QJsonValue, value);
    QFETCH(QJsonValue, readBack);

    Scene scene(sceneId, QString(), QString(), QColor(), false, true, false);
    scene.snapshots().append(Snapshot(functionId, {{QStringLiteral("3/4/5"), value}}));
    const Project project = testutil::read(writeScene(scene, true));
    QCOMPARE(project.scenes().size(), 1);
    QCOMPARE(project.scenes().first().snapshots().size(), 1);
    const QJsonValue read =
        project.scenes().first().snapshots().first().values().value(QStringLiteral("3/4/5"));
    QCOMPARE(read.type(), readBack.type());
    QCOMPARE(read, readBack);
}

void tst_Scenes::datapointKey_data()
{
    QTest::addColumn<QByteArray>("datapoint");
    QTest::addColumn<QString>("key");

    QTest::newRow("address only") << QByteArray("<datapoint address=\"1/2/3\" value=\"1\"/>")
                                  << QStringLiteral("1/2/3");
    QTest::newRow("address wins over id")
        << QByteArray("<datapoint id=\"17\" address=\"1/2/3\" value=\"1\"/>")
        << QStringLiteral("1/2/3");
    QTest::newRow("id only") << QByteArray("<datapoint id=\"17\" value=\"1\"/>")
                             << QStringLiteral(":17");
    QTest::newRow("empty address falls back to id")
        << QByteArray("<datapoint address=\"\" id=\"17\" value=\"1\"/>") << QStringLiteral(":17");
    QTest::newRow("neither address nor id")
        << QByteArray("<datapoint value=\"1\"/>") << QStringLiteral(":0");
    QTest::newRow("id that is no number")
        << QByteArray("<datapoint id=\"x\" value=\"1\"/>") << QStringLiteral(":0");
    QTest::newRow("datapoint in the cache namespace, upper case")
        << QByteArray("<c:DATAPOINT address=\"4/0/1\" value=\"1\"/>") << QStringLiteral("4/0/1");
}

void tst_Scenes::datapointKey()
{
    QFETCH(QByteArray, datapoint);
    QFETCH(QString, key);

    const auto values = readValues(datapoint);
    QCOMPARE(values.keys(), QStringList{key});
    QCOMPARE(values.value(key), QJsonValue(1.0));
}

void tst_Scenes::laterDatapointWins()
{
    const auto values = readValues("<datapoint address=\"1/2/3\" value=\"1\"/>"
                                   "<datapoint address=\"1/2/3\" value=\"#late\"/>");
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.value(QStringLiteral("1/2/3")), QJsonValue(QStringLiteral("late")));
}

void tst_Scenes::writtenSnapshot_data()
{
    QTest::addColumn<bool>("withTable");
    QTest::newRow("known addresses get their device number") << true;
    QTest::newRow("empty table writes no id") << false;
}

void tst_Scenes::writtenSnapshot()
{
    QFETCH(bool, withTable);

    const Snapshot snapshot(
        functionId, {{QStringLiteral("1/2/3"), 1}, {QStringLiteral("7/7/7"), QStringLiteral("x")}});
    QHash<QString, int> addressToId;
    if (withTable)
        addressToId = {{QStringLiteral("1/2/3"), 42}, {QStringLiteral("9/9/9"), 43}};

    const QByteArray xml = writeSnapshot(snapshot, addressToId);
    const auto snapshots = testutil::elements(xml, QStringLiteral("snapshot"));
    QCOMPARE(snapshots.size(), 1);
    QCOMPARE(testutil::names(snapshots.first()), QStringList{QStringLiteral("function-ref")});
    QCOMPARE(testutil::value(snapshots.first(), QStringLiteral("function-ref")),
             uuidToString(functionId));
    QCOMPARE(testutil::childNames(xml, QStringLiteral("snapshot")),
             (QStringList{QStringLiteral("datapoint"), QStringLiteral("datapoint")}));

    // Children come in hash order: look them up by address.
    QHash<QString, QStringList> namesByAddress;
    for (const auto& attributes : testutil::elements(xml, QStringLiteral("datapoint")))
        namesByAddress.insert(testutil::value(attributes, QStringLiteral("address")),
                              testutil::names(attributes));
    const QStringList plain{QStringLiteral("address"), QStringLiteral("value")};
    const QStringList numbered{QStringLiteral("id"), QStringLiteral("address"),
                               QStringLiteral("value")};
    QCOMPARE(namesByAddress.value(QStringLiteral("1/2/3")), withTable ? numbered : plain);
    QCOMPARE(namesByAddress.value(QStringLiteral("7/7/7")), plain);
    if (withTable) {
        for (const auto& attributes : testutil::elements(xml, QStringLiteral("datapoint"))) {
            if (testutil::value(attributes, QStringLiteral("address")) == QLatin1String("1/2/3"))
                QCOMPARE(testutil::value(attributes, QStringLiteral("id")), QStringLiteral("42"));
        }
    }

    const QByteArray empty = writeSnapshot(Snapshot(functionId, {}), addressToId);
    QVERIFY(testutil::childNames(empty, QStringLiteral("snapshot")).isEmpty());
}

void tst_Scenes::snapshotWithoutFunctionIsStillAppended()
{
    const Scene scene = readOneScene("<snapshot><datapoint address=\"1/1/1\" value=\"1\"/>"
                                     "</snapshot><snapshot function-ref=\"" +
                                     idText(functionId) + "\"/>");
    QCOMPARE(scene.snapshots().size(), 2);
    QVERIFY(!scene.snapshots().at(0).isValid());
    QCOMPARE(scene.snapshots().at(0).values().size(), 1);
    QVERIFY(scene.snapshots().at(1).isValid());
}

void tst_Scenes::readSceneTriggers_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("scenes");
    QTest::addColumn<int>("triggers");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("jobId");

    const QByteArray id = idText(triggerA);
    QTest::newRow("scene in the project namespace is a trigger")
        << QByteArray("<scenes><scene id=\"" + id + "\" name=\"Door\" number=\"4\"/></scenes>") << 0
        << 1 << QStringLiteral("Door") << 4 << -1;
    QTest::newRow("scene in the legacy namespace is a trigger")
        << QByteArray("<scene xmlns=\"" + QByteArray(ns::Legacy.latin1()) + "\" id=\"" + id +
                      "\" name=\"Hall\"/>")
        << 0 << 1 << QStringLiteral("Hall") << 0 << -1;
    QTest::newRow("legacy trigger content is skipped")
        << QByteArray("<SCENE id=\"" + id + "\" number=\"x\"><trigger panic=\"yes\"/></SCENE>") << 0
        << 1 << QString() << 0 << -1;
    QTest::newRow("profile sceneTrigger carries the job")
        << QByteArray("<scenes><p:sceneTrigger id=\"" + id +
                      "\" jobId=\"12\" name=\"n\" "
                      "number=\"3\"/></scenes>")
        << 0 << 1 << QString() << -1 << 12;
    QTest::newRow("profile sceneTrigger without job reads 0")
        << QByteArray("<p:SCENETRIGGER id=\"" + id + "\"/>") << 0 << 1 << QString() << -1 << 0;
    QTest::newRow("sceneTrigger outside the profile namespace is skipped")
        << QByteArray("<sceneTrigger id=\"" + id + "\" jobId=\"12\"/>") << 0 << 0 << QString() << 0
        << 0;
    QTest::newRow("profile scene is a user scene, not a trigger")
        << QByteArray("<p:scene id=\"" + id + "\" name=\"Door\"/>") << 1 << 0 << QString() << 0
        << 0;
}

void tst_Scenes::readSceneTriggers()
{
    QFETCH(QByteArray, content);
    QFETCH(int, scenes);
    QFETCH(int, triggers);
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(int, jobId);

    const Project project = testutil::readContent(content);
    QCOMPARE(project.scenes().size(), scenes);
    QCOMPARE(project.sceneTriggers().size(), triggers);
    if (triggers) {
        const SceneTrigger trigger = project.sceneTriggers().first();
        QCOMPARE(trigger.id(), triggerA);
        QCOMPARE(trigger.name(), name);
        QCOMPARE(trigger.number(), number);
        QCOMPARE(trigger.jobId(), jobId);
    }
}

void tst_Scenes::writtenSceneTrigger()
{
    const QByteArray xml = testutil::write([](QXmlStreamWriter* writer) {
        SceneTrigger(triggerA, QStringLiteral("Door"), 4, -1).serialize(writer);
        SceneTrigger(triggerB, QStringLiteral("Hall"), 5, 9).serialize(writer);
    });
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             (QStringList{QStringLiteral("p:sceneTrigger"), QStringLiteral("p:sceneTrigger")}));
    const auto attributes = testutil::elements(xml, QStringLiteral("sceneTrigger"));
    QCOMPARE(testutil::names(attributes.first()),
             (QStringList{QStringLiteral("id"), QStringLiteral("jobId")}));
    QCOMPARE(testutil::value(attributes.first(), QStringLiteral("jobId")), QStringLiteral("-1"));

    // Name and number are not written, so they read back as empty and -1.
    const Project project = testutil::read(xml);
    QCOMPARE(project.sceneTriggers().size(), 2);
    QCOMPARE(project.sceneTriggers().at(1).id(), triggerB);
    QCOMPARE(project.sceneTriggers().at(1).jobId(), 9);
    QCOMPARE(project.sceneTriggers().at(1).name(), QString());
    QCOMPARE(project.sceneTriggers().at(1).number(), -1);
}

QTEST_GUILESS_MAIN(tst_Scenes)
#include "tst_scenes.moc"
