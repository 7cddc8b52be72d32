// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Scenes and snapshots: the datapoint key order, device export and display texts,
// migration, merging and sync. What files and the JSON import give is pinned by the
// reference files.

#include "testutil.h"

using namespace projects;

using testutil::idText;
using Values = QHash<QString, QJsonValue>;
using AddressTable = QHash<QString, int>;

namespace {

const QUuid sceneId("{0d1e2f30-4152-4637-8899-aabbccddeeff}");
const QUuid functionId("{11111111-2222-4333-8444-555555555555}");
const QUuid triggerA("{a0a0a0a0-0000-4000-8000-00000000000a}");
const QUuid triggerB("{b0b0b0b0-0000-4000-8000-00000000000b}");

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Compact texts of @p objects, in array order.
QStringList texts(const QJsonArray& objects)
{
    QStringList texts;
    for (const QJsonValue& object : objects)
        texts.append(compact(object.toObject()));
    return texts;
}

// The member @p name of every object of @p objects, in array order, as text.
QStringList members(const QJsonArray& objects, const QString& name)
{
    QStringList result;
    for (const QJsonValue& object : objects) {
        const QJsonValue value = object.toObject().value(name);
        result.append(value.isString() ? value.toString() : QString::number(value.toInt()));
    }
    return result;
}

// "colour [favorite] [global] [vacation] triggers: ... [panic] [centralOff] timer n".
QString describe(const Scene& scene)
{
    QStringList parts{scene.color().isValid() ? scene.color().name() : "invalid"};
    if (scene.favorite())
        parts << "favorite";
    if (scene.isGlobal())
        parts << "global";
    if (scene.runOnVacation())
        parts << "vacation";
    QStringList triggers;
    for (const QUuid& trigger : scene.triggers())
        triggers << (trigger == triggerA ? "A" : trigger == triggerB ? "B" : "?");
    triggers.sort();
    parts << "triggers:" + triggers.join(',');
    if (scene.triggeredByPanic())
        parts << "panic";
    if (scene.triggeredByCentralOff())
        parts << "centralOff";
    parts << "timer " + QString::number(scene.timerTrigger());
    return parts.join(' ');
}

// describe() after the name and the icon.
QString full(const Scene& scene)
{
    return scene.name() + ' ' + scene.icon() + ' ' + describe(scene);
}

} // namespace

class tst_Scenes : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void writtenSnapshot();
    void datapointOrder_data();
    void datapointOrder();

    void compile();
    void exportSnapshots_data();
    void exportSnapshots();
    void displayText_data();
    void displayText();
    void jsonLeavesOutNull();
    void sameDatapointAddresses_data();
    void sameDatapointAddresses();
    void migrate_data();
    void migrate();

    void importScenes();
    void mergeScene();
    void sync_data();
    void sync();
};

void tst_Scenes::writtenSnapshot()
{
    const Snapshot snapshot(functionId, {{"1/2/3", 1}, {"7/7/7", "x"}});
    for (const AddressTable& table : {AddressTable(), AddressTable{{"1/2/3", 42}, {"9/9/9", 4}}}) {
        const QByteArray xml =
            testutil::write([&](QXmlStreamWriter* writer) { snapshot.serialize(writer, table); });
        const auto element = testutil::elements(xml, "snapshot").value(0);
        QCOMPARE(testutil::names(element), QStringList{"function-ref"});
        QCOMPARE(testutil::value(element, "function-ref"), uuidToString(functionId));

        // The children come in datapoint key order.
        QStringList datapoints;
        for (const auto& attributes : testutil::elements(xml, "datapoint"))
            datapoints.append(testutil::pairs(attributes).join(' '));
        QCOMPARE(datapoints,
                 (QStringList{(table.isEmpty() ? "" : "id=42 ") + QString("address=1/2/3 value=1"),
                              "address=7/7/7 value=#x"}));
    }

    const QByteArray empty = testutil::write(
        [](QXmlStreamWriter* writer) { Snapshot(functionId, {}).serialize(writer, {}); });
    QVERIFY(testutil::childNames(empty, "snapshot").isEmpty());
}

void tst_Scenes::datapointOrder_data()
{
    QTest::addColumn<QStringList>("keys"); // in the expected order

    QTest::newRow("group addresses by number: 1/2/0 before 1/10/0") << QStringList{
        "0/0/1", "0/7/255", "1/2/0", "1/2/9", "1/2/10", "1/3/0", "1/10/0", "10/0/0", "31/7/255"};
    QTest::newRow("parts out of their range count by the number: 2/0/0 before 1/10/0")
        << QStringList{"1/7/255", "2/0/0", "1/8/1", "1/10/0", "2/2/0", "3/0/0", "2/9/0"};
    QTest::newRow("one number, then by text; a part that is no number counts as 0")
        << QStringList{"0/0/0", "0/0/00", "a/b/c", "01/0/0", "1/0/0", "1/0/0 ", "1/0/00"};
    QTest::newRow("signs and blanks count as the reader reads numbers")
        << QStringList{"-1/0/0", "0/0/0", " 1/2/0", "+1/2/0", "1/2/0", "1/2/+1", "1/2/2"};
    QTest::newRow("device numbers after addresses, by number; other keys last, by text")
        << QStringList{"1/1/1", "3/3/3", ":2", ":+5", ":9", ":10", ":012",
                       ":12",   ":100",  "",   ":",   ":x", "abc", "x/y"};
}

void tst_Scenes::datapointOrder()
{
    QFETCH(QStringList, keys);

    // Inserted backwards and in other tables, so that no order of insertion helps. Every
    // operation that visits the values does so in the one datapoint key order.
    Snapshot snapshot(functionId, {});
    AddressTable addressToId;
    QHash<int, QString> idToFormat;
    QStringList numbers;
    QStringList steps;
    for (int i = keys.size() - 1; i >= 0; --i) {
        snapshot.addDatapoint(keys.at(i), i);
        addressToId.insert(keys.at(i), 100 + i);
        idToFormat.insert(100 + i, "F" + QString::number(i));
    }
    for (int i = 0; i < keys.size(); ++i) {
        numbers.append(QString::number(100 + i));
        steps.append(QString::number(i + 1));
    }

    const QByteArray xml =
        testutil::write([&](QXmlStreamWriter* writer) { snapshot.serialize(writer, addressToId); });
    QStringList written;
    for (const auto& attributes : testutil::elements(xml, "datapoint"))
        written.append(testutil::value(attributes, "address"));
    QCOMPARE(written, keys);

    QJsonArray byAddress;
    snapshot.exportIn(&byAddress);
    QCOMPARE(members(byAddress, "address"), keys);
    QJsonArray list;
    for (const QJsonObject& object : snapshot.json())
        list.append(object);
    QCOMPARE(members(list, "address"), keys);
    QCOMPARE(members(Snapshot::exportSnapshots({}, {snapshot}), "address"), keys);

    QJsonArray byNumber;
    snapshot.exportIn(addressToId, &byNumber);
    QCOMPARE(members(byNumber, "id"), numbers);
    QCOMPARE(members(Snapshot::exportSnapshots(addressToId, {snapshot}), "id"), numbers);

    // The running numbers of the compiled steps follow the same order.
    QJsonArray compiled;
    snapshot.compile(addressToId, idToFormat, &compiled);
    QCOMPARE(members(compiled, "id"), steps);
    QCOMPARE(members(compiled, "datapoint_id"), numbers);
    QStringList positions;
    QStringList formats;
    for (int i = 0; i < keys.size(); ++i) {
        positions.append(QString::number(i));
        formats.append("F" + QString::number(i));
    }
    QCOMPARE(members(compiled, "value"), positions);
    QCOMPARE(members(compiled, "format"), formats);
}

void tst_Scenes::compile()
{
    const Snapshot snapshot(functionId, {{"1/2/3", true}, {"4/5/6", "on"}, {"7/7/7", 1}});
    QJsonArray steps{"a", "b", "c"};
    snapshot.compile({{"1/2/3", 42}, {"4/5/6", 43}}, {{42, "DPT1"}}, &steps);
    snapshot.compile({{"1/2/3", 42}}, {}, nullptr);

    // The address that the device lacks gives no step; numbering runs over the array.
    QCOMPARE(steps.size(), 5);
    QCOMPARE(steps.at(0), QJsonValue("a"));
    QCOMPARE(
        texts(QJsonArray{steps.at(3), steps.at(4)}),
        (QStringList{
            "{\"datapoint_id\":42,\"format\":\"DPT1\",\"id\":4,\"time_to_next\":0,\"value\":true}",
            "{\"datapoint_id\":43,\"format\":\"\",\"id\":5,\"time_to_next\":0,\"value\":\"on\"}"}));
}

void tst_Scenes::exportSnapshots_data()
{
    QTest::addColumn<AddressTable>("addressToId");
    QTest::addColumn<QStringList>("objects");

    // The snapshots in list order, the datapoints of each in datapoint key order.
    QTest::newRow("without numbers: by address with display texts")
        << AddressTable()
        << QStringList{"{\"address\":\"1/1/0\",\"value\":\"true\"}",
                       "{\"address\":\"2/2/0\",\"value\":\"100%\"}",
                       "{\"address\":\"3/0/9\",\"value\":\"null\"}",
                       "{\"address\":\"5/0/0\",\"value\":\"on\"}"};
    QTest::newRow("with numbers: stored values, unknown addresses left out")
        << AddressTable{{"1/1/0", 10}, {"2/2/0", 11}, {"5/0/0", 12}, {"6/6/6", 13}}
        << QStringList{"{\"id\":10,\"value\":200}", "{\"id\":11,\"value\":255}",
                       "{\"id\":12,\"value\":\"on\"}"};
}

void tst_Scenes::exportSnapshots()
{
    QFETCH(AddressTable, addressToId);
    QFETCH(QStringList, objects);

    const QList<Snapshot> snapshots{
        Snapshot(functionId, {{"1/1/0", 200}, {"2/2/0", 255}}),
        Snapshot(QUuid(), {{"5/0/0", "on"}, {"3/0/9", QJsonValue::Null}})};
    QCOMPARE(texts(Snapshot::exportSnapshots(addressToId, snapshots)), objects);
}

void tst_Scenes::displayText_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("switching: non-zero is true") << "1/1/0" << QJsonValue(200) << "true";
    QTest::newRow("switching: zero is false") << "1/1/0" << QJsonValue(0) << "false";
    QTest::newRow("switching: a fraction is true") << "6/0/3" << QJsonValue(0.001) << "true";
    QTest::newRow("percent of 255") << "2/2/0" << QJsonValue(255) << "100%";
    QTest::newRow("percent of 127.5") << "2/2/0" << QJsonValue(127.5) << "50%";
    QTest::newRow("percent of 128 rounds down") << "3/5/1" << QJsonValue(128) << "50%";
    QTest::newRow("percent of 0") << "6/3/0" << QJsonValue(0) << "0%";
    QTest::newRow("percent of 2 rounds up") << "2/2/0" << QJsonValue(2) << "1%";
    QTest::newRow("half a percent rounds up") << "2/2/0" << QJsonValue(6.375) << "3%";
    QTest::newRow("negative half rounds up") << "2/2/0" << QJsonValue(-6.375) << "-2%";
    QTest::newRow("temperature with one decimal") << "4/0/1" << QJsonValue(21.56) << "21.6";
    QTest::newRow("whole temperature keeps a decimal") << "6/2/0" << QJsonValue(20) << "20.0";
    QTest::newRow("table cell with empty table") << "1/3/0" << QJsonValue(7) << "7";
    QTest::newRow("step type is shown as number") << "2/1/0" << QJsonValue(1) << "1";
    QTest::newRow("main group 7 has no type") << "7/0/0" << QJsonValue(1) << "1";
    QTest::newRow("empty cell of main group 5") << "5/0/0" << QJsonValue(200) << "200";
    QTest::newRow("general form has six digits") << "abc" << QJsonValue(1234567) << "1.23457e+06";
    QTest::newRow("middle 8 carries into main 3") << "2/8/0" << QJsonValue(255) << "true";
    QTest::newRow("sub 256 carries into middle 3") << "1/2/256" << QJsonValue(200) << "200";
    QTest::newRow("address beyond 16 bits") << "32/2/0" << QJsonValue(255) << "255";
    QTest::newRow("negative address") << "-1/2/0" << QJsonValue(255) << "255";
    QTest::newRow("boolean at a percent address") << "2/2/0" << QJsonValue(true) << "true";
    QTest::newRow("array as JSON") << "1/1/0" << QJsonValue(QJsonArray{0, 1}) << "[0,1]";
}

void tst_Scenes::displayText()
{
    QFETCH(QString, address);
    QFETCH(QJsonValue, value);
    QFETCH(QString, text);

    QJsonArray array;
    Snapshot(functionId, {{address, value}}).exportIn(&array);
    QCOMPARE(array.size(), 1);
    QCOMPARE(compact(array.first().toObject()), compact({{"address", address}, {"value", text}}));
}

void tst_Scenes::jsonLeavesOutNull()
{
    const Snapshot snapshot(
        functionId, {{"1/1/0", 0}, {"2/2/0", 128}, {"3/3/3", QJsonValue::Null}, {"4/4/4", "x"}});
    QJsonArray array;
    for (const QJsonObject& object : snapshot.json())
        array.append(object);
    QCOMPARE(texts(array), (QStringList{"{\"address\":\"1/1/0\",\"value\":\"false\"}",
                                        "{\"address\":\"2/2/0\",\"value\":\"50%\"}",
                                        "{\"address\":\"4/4/4\",\"value\":\"x\"}"}));
}

void tst_Scenes::sameDatapointAddresses_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("otherKeys");
    QTest::addColumn<bool>("same");

    QTest::newRow("same keys in other order")
        << QStringList{"1/2/3", "4/5/6"} << QStringList{"4/5/6", "1/2/3"} << true;
    QTest::newRow("one extra key")
        << QStringList{"1/2/3"} << QStringList{"1/2/3", "4/5/6"} << false;
    QTest::newRow("both empty") << QStringList() << QStringList() << true;
    QTest::newRow("other key") << QStringList{"1/2/3"} << QStringList{"1/2/4"} << false;
}

void tst_Scenes::sameDatapointAddresses()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, otherKeys);
    QFETCH(bool, same);

    // The values differ throughout; only the keys count.
    Snapshot snapshot(functionId, {});
    for (const QString& key : keys)
        snapshot.addDatapoint(key, 1);
    Snapshot other(QUuid::createUuid(), {});
    for (const QString& key : otherKeys)
        other.addDatapoint(key, "other");
    QCOMPARE(snapshot.hasSameDatapointAddresses(other), same);
    QCOMPARE(other.hasSameDatapointAddresses(snapshot), same);
}

void tst_Scenes::migrate_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<AddressTable>("addressToId");
    QTest::addColumn<bool>("migrated");
    QTest::addColumn<Values>("result");

    const AddressTable table{{"1/2/3", 12}, {"0/0/1", 0}, {"4/4/4", 44}};
    QTest::newRow("addresses only: nothing to do")
        << Values{{"1/2/3", 1}} << table << false << Values{{"1/2/3", 1}};
    QTest::newRow("known number moves, unknown number is dropped")
        << Values{{":12", 1}, {":99", 2}} << table << true << Values{{"1/2/3", 1}};
    QTest::newRow("colon alone does not start the migration")
        << Values{{":", 1}, {"4/4/4", 2}} << table << false << Values{{":", 1}, {"4/4/4", 2}};
    QTest::newRow("colon alone is number 0 once started")
        << Values{{":", 1}, {":44", 2}} << table << true << Values{{"0/0/1", 1}, {"4/4/4", 2}};
    QTest::newRow("empty table keeps the addresses only")
        << Values{{":12", 1}, {"7/7/7", 2}} << AddressTable() << true << Values{{"7/7/7", 2}};
    // The first address in datapoint key order: by number, not by text.
    QTest::newRow("several addresses carry the number: the lowest wins")
        << Values{{":7", 1}}
        << AddressTable{{"1/10/0", 7}, {"2/0/0", 7}, {"1/2/1", 7}, {"12/0/0", 7}, {"1/3/0", 7},
                        {"1/2/0", 7},  {"5/5/5", 7}, {"1/2/2", 7}, {"9/9/9", 9}}
        << true << Values{{"1/2/0", 1}};
    // Keys are taken in datapoint key order, and the later one wins: number keys come
    // after addresses, and ":012" before ":12".
    QTest::newRow("a number key wins over the address it moves to")
        << Values{{":12", "by number"}, {"1/2/3", "by address"}} << table << true
        << Values{{"1/2/3", "by number"}};
    QTest::newRow("of two number keys for one number the later in key order wins")
        << Values{{":12", "12"}, {":012", "012"}, {":44", "44"}, {":0044", "0044"}} << table << true
        << Values{{"1/2/3", "12"}, {"4/4/4", "44"}};
}

void tst_Scenes::migrate()
{
    QFETCH(Values, values);
    QFETCH(AddressTable, addressToId);
    QFETCH(bool, migrated);

    Snapshot snapshot(functionId, values);
    const Snapshot copy = snapshot;
    testutil::MessageLog log;
    QCOMPARE(snapshot.migrateIdsToAddresses(addressToId), migrated);
    const QStringList messages = log.messages();
    QVERIFY(!snapshot.migrateIdsToAddresses(addressToId));
    QTEST(copy.values(), "result");
    QCOMPARE(log.messages(), messages);
    QCOMPARE(messages.size(), migrated ? 3 : 0);
    if (!migrated)
        return;
    QCOMPARE(log.types(), (QList<QtMsgType>{QtInfoMsg, QtInfoMsg, QtInfoMsg}));
    QCOMPARE(messages.at(0), QString(">> Migrate Ids to Addresses: "));
    QVERIFY2(messages.at(1).startsWith(">> Before: QHash((\""), qPrintable(messages.at(1)));
    QVERIFY2(messages.at(2).startsWith(">> After: QHash((\""), qPrintable(messages.at(2)));
    QVERIFY(messages.at(1).contains("\":") && !messages.at(2).contains("\":"));
}

void tst_Scenes::importScenes()
{
    // Without a function table every action is dropped; the rest is still read.
    const QJsonObject movie{
        {"id", uuidToString(sceneId)},
        {"name", "Movie"},
        {"actions", QJsonArray{QJsonObject{{"address", "1/1/1"}, {"value", 1}}}},
        {"switchtimes", QJsonArray{QJsonObject{{"id", uuidToString(functionId)}}}}};
    const Scene scene = Scene::fromJson({movie}, {}).value(0);
    QVERIFY(scene.snapshots().isEmpty());
    QCOMPARE(scene.name(), QString("Movie"));
    QCOMPARE(scene.switchTimes().size(), 1);
}

void tst_Scenes::mergeScene()
{
    Scene scene(QUuid::createUuid(), "Mine", QString(), QColor(), false, true, false);
    const Scene earlierCopy = scene;
    Scene other(sceneId, "Theirs", "icon", QColor(Qt::red), true, false, true);
    other.triggers().insert(triggerA);

    scene.mergeScene(other);
    QCOMPARE(scene.id(), sceneId);
    QCOMPARE(scene.triggers(), QSet<QUuid>{triggerA});
    QVERIFY(!scene.isGlobal());
    scene.setName("Renamed");
    other.snapshots().append(Snapshot(functionId, {}));
    QCOMPARE(other.name(), QString("Renamed"));
    QCOMPARE(scene.snapshots().size(), 1);
    QCOMPARE(earlierCopy.name(), QString("Mine"));
    QVERIFY(earlierCopy.snapshots().isEmpty());
}

void tst_Scenes::sync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expected");

    // Name, icon, favourite, colour, snapshots and event flags always come along; the
    // global flag and the timer never do.
    const QString taken = "Theirs theirs #0000ff favorite global ";
    QTest::newRow("no hints") << 0 << taken + "triggers:B panic centralOff timer 5";
    QTest::newRow("admin settings")
        << int(Project::SyncAdminSettings) << taken + "triggers:B panic centralOff timer 5";
    QTest::newRow("schedules") << int(Project::SyncSchedules)
                               << taken + "vacation triggers:B panic centralOff timer 5";
    QTest::newRow("profile alone unites the triggers")
        << int(Project::SyncProfile) << taken + "vacation triggers:A,B panic centralOff timer 5";
    QTest::newRow("profile with admin settings replaces them")
        << int(Project::SyncProfile | Project::SyncAdminSettings)
        << taken + "vacation triggers:B panic centralOff timer 5";
}

void tst_Scenes::sync()
{
    QFETCH(int, hints);

    const SwitchTime ownSwitchTime;
    Scene scene(sceneId, "Mine", "mine", QColor(Qt::red), false, true, false);
    scene.triggers().insert(triggerA);
    scene.snapshots().append(Snapshot(functionId, {}));
    scene.switchTimes().append(ownSwitchTime);
    scene.setTimerTrigger(5);
    const Scene earlierCopy = scene;
    const QString before = full(scene);

    const SwitchTime otherSwitchTime;
    Scene other(QUuid::createUuid(), "Theirs", "theirs", QColor(Qt::blue), true, false, true);
    other.triggers().insert(triggerB);
    other.snapshots().append(Snapshot(QUuid::createUuid(), {}));
    other.switchTimes().append(otherSwitchTime);
    other.setTriggeredByPanic(true);
    other.setTriggeredByCentralOff(true);
    other.setTimerTrigger(9);
    const QString otherBefore = full(other);

    scene.sync(other, Project::SyncHints(hints));
    QCOMPARE(scene.id(), sceneId);
    QTEST(full(scene), "expected");
    QCOMPARE(scene.switchTimes().size(), 1);
    QVERIFY(scene.switchTimes().first() ==
            (scene.runOnVacation() ? otherSwitchTime : ownSwitchTime));

    // The snapshots are shared with other; the list itself is this scene's own.
    other.snapshots().first().addDatapoint("1/1/1", 1);
    other.snapshots().append(Snapshot());
    QCOMPARE(scene.snapshots().size(), 1);
    QCOMPARE(scene.snapshots().first().values().size(), 1);

    // The copy taken before the sync keeps its content, and later changes stay apart.
    scene.setName("Changed");
    scene.triggers().insert(QUuid::createUuid());
    QCOMPARE(full(earlierCopy), before);
    QCOMPARE(earlierCopy.snapshots().first().functionId(), functionId);
    QVERIFY(earlierCopy.switchTimes().first() == ownSwitchTime);
    QCOMPARE(full(other), otherBefore);
}

QTEST_GUILESS_MAIN(tst_Scenes)
#include "tst_scenes.moc"
