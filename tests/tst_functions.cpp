// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Functions: the type a group type gives, the attributes only the API sets, merging with
// its trace, sync and gc. What files and the JSON import give is pinned by the reference
// files.

#include "testutil.h"

using namespace projects;
using testutil::idText;

Q_DECLARE_METATYPE(projects::Function)

namespace {

const QUuid functionId("{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}");
const QUuid actuatorId("{c0ffee00-1234-5678-9abc-def012345678}");
const QUuid groupA("{1a1a1a1a-0000-0000-0000-000000000001}");
const QUuid groupB("{2b2b2b2b-0000-0000-0000-000000000002}");

// Short names for the identifiers above, so that rows can be written down.
QString name(const QUuid& id)
{
    return id == actuatorId ? "act"
           : id == groupA   ? "A"
           : id == groupB   ? "B"
           : id.isNull()    ? "-"
                            : "?";
}

QString typeKey(int type)
{
    return QString::fromLatin1(QMetaEnum::fromType<Function::FunctionType>().valueToKey(type));
}

// The values a reader, merge or sync may change:
// name|onIcon|offIcon|onText|offText|unit|actuator|type|address|vacation|role|groups
QString describe(const Function& f)
{
    QStringList parts;
    parts << f.name() << f.onIcon() << f.offIcon() << f.onText() << f.offText() << f.unit()
          << name(f.actuatorRef()) << QString::number(f.type()) << QString::number(f.address())
          << QString::number(f.runOnVacation()) << QString::number(f.cachedDatapoint("role"));
    for (const QUuid& ref : f.groupRefs())
        parts << name(ref);
    return parts.join('|');
}

// A function whose texts all start with @p name.
Function make(Function::FunctionType type, const QString& name, const QUuid& actuator,
              const QList<QUuid>& groups, int datapoint)
{
    Function f(functionId, name, type, true);
    f.setOnIcon(name + ".on");
    f.setOffIcon(name + ".off");
    f.setOnText(name + ".open");
    f.setOffText(name + ".closed");
    f.setUnit(name + ".unit");
    f.setActuatorRef(actuator);
    f.setAddress(100);
    for (const QUuid& group : groups)
        f.addGroupRef(group);
    f.addCachedDatapoint("role", datapoint);
    return f;
}

} // namespace

class tst_Functions : public QObject
{
    Q_OBJECT
private slots:
    void functionTypeFromGroupType();

    void writeAttributes_data();
    void writeAttributes();

    void mergeAdminSettings_data();
    void mergeAdminSettings();
    void mergeMessages();
    void mergeProfile_data();
    void mergeProfile();
    void mergeProfileSharesSchedules();
    void sync_data();
    void sync();
    void gc();
};

void tst_Functions::functionTypeFromGroupType()
{
    // Group type, function type: 16 and -1 lie outside the group types.
    const QString rows = "Panik Switch, ZentralAus Switch, HeizenKuhlen Switch, Switch Switch, "
                         "Blind Blind, Heating Heating, Unknown Unknown, ZentralAufAb Unknown, "
                         "AbendsEin Unknown, 16 Unknown, -1 Unknown";
    for (const QString& row : rows.split(", ")) {
        bool isNumber = false;
        int groupType = row.section(' ', 0, 0).toInt(&isNumber);
        if (!isNumber)
            groupType = QMetaEnum::fromType<Group::GroupType>().keyToValue(
                qPrintable(row.section(' ', 0, 0)));
        QCOMPARE(typeKey(Function::functionTypeFromGroupType(groupType)), row.section(' ', 1));
    }
}

void tst_Functions::writeAttributes_data()
{
    QTest::addColumn<Function>("function");
    QTest::addColumn<QString>("fallbackName");
    QTest::addColumn<bool>("withVacation");
    QTest::addColumn<QString>("expected");

    QTest::newRow("name, type and vacation flag")
        << Function(functionId, "Light", Function::TemperatureStatus, false) << "Fallback" << true
        << "type=TemperatureStatus name=Light runOnVacation=false";
    QTest::newRow("vacation flag only when asked for")
        << Function(functionId, "Light", Function::Switch, true) << "" << false
        << "type=Switch name=Light";
    QTest::newRow("empty name takes the fallback name")
        << Function(functionId, QString(), Function::Dimming, true) << "Dimmer 1" << true
        << "type=Dimming name=Dimmer 1 runOnVacation=true";
    QTest::newRow("no name and no fallback write no name")
        << Function(functionId, QString(), Function::Blind, true) << "" << false << "type=Blind";
    QTest::newRow("type without key is written empty")
        << Function(functionId, "Odd", static_cast<Function::FunctionType>(-1), true) << "" << false
        << "type= name=Odd";
    Function icons = make(Function::Switch, "Light", QUuid(), {}, 4);
    QTest::newRow("icons in the profile namespace, status values never")
        << icons << "" << true
        << "type=Switch name=Light runOnVacation=true p:onIcon=Light.on p:offIcon=Light.off";
    Function offIcon(functionId, "Light", Function::Switch, true);
    offIcon.setOffIcon("off.png");
    QTest::newRow("only the icon that is set")
        << offIcon << "" << false << "type=Switch name=Light p:offIcon=off.png";
}

void tst_Functions::writeAttributes()
{
    QFETCH(Function, function);
    QFETCH(QString, fallbackName);
    QFETCH(bool, withVacation);

    // The element stays open for the switch times and the simulation.
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        function.beginSerialize(w, fallbackName, withVacation);
        w->writeEmptyElement("marker");
        function.endSerialize(w);
    });
    QCOMPARE(testutil::childNames(xml, "project"), QStringList{"function"});
    QCOMPARE(testutil::childNames(xml, "function"), QStringList{"marker"});
    QStringList attributes = testutil::attributesOf(xml, "function");
    QCOMPARE(attributes.takeFirst(), "id=" + uuidToString(functionId));
    QTEST(attributes.join(' '), "expected");
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
    QTest::newRow("only the simulation differs") << false << true << true << 0 << 0 << true << true;
}

void tst_Functions::mergeAdminSettings()
{
    QFETCH(bool, force);
    QFETCH(bool, ownFlag);
    QFETCH(bool, otherFlag);
    QFETCH(int, ownSwitchTimes);
    QFETCH(int, otherSwitchTimes);
    QFETCH(bool, otherSimulationDiffers);

    Function own = make(Function::Switch, "own", actuatorId, {groupA}, 1);
    own.setRunOnVacation(ownFlag);
    for (int i = 0; i < ownSwitchTimes; ++i)
        own.switchTimes().append(SwitchTime());
    Function other = make(Function::Blind, "other", QUuid(), {}, 2);
    other.setRunOnVacation(otherFlag);
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
    const QString ownBefore = describe(own);
    const QString otherBefore = describe(other);
    const Simulation otherSimulation = other.simulation();

    QTEST(own.mergeAdminSettings(other, force), "expected");
    // The schedule is taken over; everything else stays.
    QCOMPARE(own.switchTimes(), other.switchTimes());
    QCOMPARE(own.runOnVacation(), otherFlag);
    QVERIFY(own.simulation() == otherSimulation);
    own.setRunOnVacation(ownFlag);
    QCOMPARE(describe(own), ownBefore);
    QCOMPARE(describe(other), otherBefore);
    QVERIFY(other.simulation() == otherSimulation);
}

void tst_Functions::mergeMessages()
{
    Function own(functionId, "Light", Function::Switch, true);
    Function other(functionId, "Other", Function::Switch, true);
    other.switchTimes() << SwitchTime() << SwitchTime();
    const QString id = '"' + uuidToString(functionId) + '"';
    QStringList printed;
    {
        testutil::MessageLog log;
        for (const SwitchTime& switchTime : other.switchTimes())
            switchTime.print();
        printed = log.messages();
    }

    testutil::MessageLog log;
    own.mergeAdminSettings(other, false);
    const QStringList admin{
        ">> MERGE ADMIN SETTINGS function  " + id + "  with name  \"Light\"", ">> No switchtimes",
        ">> END MERGE ADMIN SETTINGS function  " + id + "  with name  \"Light\""};
    QCOMPARE(log.messages(), admin + printed);

    // The profile merge names the function only at its start.
    const Function renamed(functionId, "Lamp", Function::Switch, true);
    testutil::MessageLog profileLog;
    own.mergeProfile(renamed, false, false);
    const QStringList profile{">> MERGE PROFILE function  " + id + "  with name  \"Light\""};
    const QStringList end{">> END MERGE PROFILE function  " + id, ">> No switchtimes"};
    QCOMPARE(profileLog.messages(), profile + printed + end);
    for (QtMsgType type : log.types() + profileLog.types())
        QCOMPARE(type, QtDebugMsg);
}

void tst_Functions::mergeProfile_data()
{
    QTest::addColumn<bool>("keepOwnValues");
    QTest::addColumn<bool>("adoptStructure");
    QTest::addColumn<Function>("own");
    QTest::addColumn<Function>("other");
    QTest::addColumn<QString>("expected");

    // describe(): name|onIcon|offIcon|onText|offText|unit|actuator|type|address|flag|role|groups
    const Function ownSwitch = make(Function::Switch, "own", actuatorId, {}, 1);
    const Function otherBlind = make(Function::Blind, "other", groupB, {}, 2);
    const QString takenOver = "other|other.on|other.off|own.open|own.closed|own.unit|B|1|100|0|2";
    QTest::newRow("taking over: name, icons, actuator and datapoints")
        << false << false << ownSwitch << otherBlind << takenOver;
    QTest::newRow("adopting structure takes over too")
        << true << true << make(Function::Switch, "own", actuatorId, {}, 1)
        << make(Function::Blind, "other", groupB, {}, 2) << takenOver;
    QTest::newRow("taking over keeps the own actuator when other has none")
        << false << false << make(Function::Switch, "own", actuatorId, {}, 1)
        << make(Function::Switch, "other", QUuid(), {}, 2)
        << "other|other.on|other.off|own.open|own.closed|own.unit|act|1|100|0|2";
    QTest::newRow("keeping own values with the same actuator takes names and texts")
        << true << false << make(Function::Switch, "own", actuatorId, {}, 1)
        << make(Function::Switch, "other", actuatorId, {}, 2)
        << "other|other.on|other.off|other.open|other.closed|other.unit|act|1|100|0|1";
    QTest::newRow("keeping own values with another actuator takes nothing")
        << true << false << make(Function::Switch, "own", actuatorId, {}, 1)
        << make(Function::Switch, "other", groupB, {}, 2)
        << "own|own.on|own.off|own.open|own.closed|own.unit|act|1|100|0|1";
    QTest::newRow("keeping own values without actuator takes nothing")
        << true << false << make(Function::Switch, "own", QUuid(), {}, 1)
        << make(Function::Switch, "other", QUuid(), {}, 2)
        << "own|own.on|own.off|own.open|own.closed|own.unit|-|1|100|0|1";
    QTest::newRow("heating with groups in another order loses its name")
        << true << false << make(Function::Heating, "own", QUuid(), {groupA, groupB}, 1)
        << make(Function::Heating, "other", QUuid(), {groupB, groupA}, 2)
        << "|own.on|own.off|own.open|own.closed|own.unit|-|4|100|0|1|A|B";
    QTest::newRow("heating with fewer groups loses the name it took over")
        << true << false << make(Function::Heating, "own", actuatorId, {groupA, groupB}, 1)
        << make(Function::Heating, "other", actuatorId, {groupA}, 2)
        << "|other.on|other.off|other.open|other.closed|other.unit|act|4|100|0|1|A|B";
    QTest::newRow("heating with equal groups keeps its name")
        << true << false << make(Function::Heating, "own", QUuid(), {groupA, groupB}, 1)
        << make(Function::Heating, "other", QUuid(), {groupA, groupB}, 2)
        << "own|own.on|own.off|own.open|own.closed|own.unit|-|4|100|0|1|A|B";
    QTest::newRow("a switch with other groups keeps its name")
        << true << false << make(Function::Switch, "own", QUuid(), {groupA}, 1)
        << make(Function::Switch, "other", QUuid(), {groupB}, 2)
        << "own|own.on|own.off|own.open|own.closed|own.unit|-|1|100|0|1|A";
    QTest::newRow("taking over never touches the groups")
        << false << false << make(Function::Heating, "own", QUuid(), {groupA}, 1)
        << make(Function::Heating, "other", QUuid(), {groupB}, 2)
        << "other|other.on|other.off|own.open|own.closed|own.unit|-|4|100|0|2|A";
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
    other.setAddress(200);
    const QString otherBefore = describe(other);

    own.mergeProfile(other, keepOwnValues, adoptStructure);
    QTEST(describe(own), "expected");
    QCOMPARE(own.switchTimes(), other.switchTimes());
    QVERIFY(own.simulation() == other.simulation());
    QCOMPARE(describe(other), otherBefore);
}

void tst_Functions::mergeProfileSharesSchedules()
{
    Function own(functionId, "Own", Function::Switch, true);
    own.switchTimes().append(SwitchTime());
    Function other(functionId, "Other", Function::Switch, false);
    other.switchTimes().append(SwitchTime());

    own.mergeProfile(other, true, false);
    // The entries and the simulation are the same blocks; the lists are copies.
    other.switchTimes().first().setValue(42);
    QCOMPARE(own.switchTimes().first().value(), 42.0);
    other.simulation().setRepeat(true);
    QVERIFY(own.simulation().repeat());
    other.switchTimes().append(SwitchTime());
    QCOMPARE(own.switchTimes().size(), 1);
}

void tst_Functions::sync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expected"); // describe(), then the switch times' owner

    const QString own = "own|own.on|own.off|own.open|own.closed|own.unit";
    const QString named = "other|other.on|other.off|own.open|own.closed|own.unit";
    QTest::newRow("no flag changes nothing") << 0 << own + "|act|1|100|1|1|A own";
    QTest::newRow("admin settings copy groups, names, icons and a null actuator")
        << int(Project::SyncAdminSettings) << named + "|-|1|100|1|1|B own";
    QTest::newRow("profile copies names, icons, actuator and schedule")
        << int(Project::SyncProfile) << named + "|-|1|100|0|1|A other";
    QTest::newRow("schedules copy schedule and cached datapoints")
        << int(Project::SyncSchedules) << own + "|act|1|100|0|2|A other";
    QTest::newRow("all flags") << int(Project::SyncAdminSettings | Project::SyncProfile |
                                      Project::SyncSchedules)
                               << named + "|-|1|100|0|2|B other";
}

void tst_Functions::sync()
{
    QFETCH(int, hints);
    Function own = make(Function::Switch, "own", actuatorId, {groupA}, 1);
    const SwitchTime ownEntry;
    own.switchTimes().append(ownEntry);
    const Simulation ownSimulation = own.simulation();
    Function other = make(Function::Blind, "other", QUuid(), {groupB}, 2);
    other.setRunOnVacation(false);
    other.setAddress(200);
    other.switchTimes().append(SwitchTime());

    const Function copy = own;
    own.sync(other, Project::SyncHints(hints));
    QTEST(describe(own) + (own.switchTimes() == QList<SwitchTime>{ownEntry} ? " own" : " other"),
          "expected");
    QCOMPARE(own.id(), functionId);
    // No detach: the copy made before is the same function.
    QCOMPARE(describe(copy), describe(own));
    const bool schedule = hints & (Project::SyncProfile | Project::SyncSchedules);
    QVERIFY(own.simulation() == (schedule ? other.simulation() : ownSimulation));
    if (schedule)
        QCOMPARE(own.switchTimes(), other.switchTimes());
}

void tst_Functions::gc()
{
    Function function(functionId, "Light", Function::Switch, true);
    QVERIFY(!function.gc().hasSomethingToDelete());
    // Timer identifiers, not day keys, of every switch time, each once; the simulation's
    // timers are the simulation's business.
    function.switchTimes() << testutil::switchTimeWithTimers({{1, 10}, {2, 11}})
                           << testutil::switchTimeWithTimers({{1, 12}, {3, 10}}) << SwitchTime();
    function.simulation().timerIds().insert(1, 99);
    const QString before = describe(function);
    const DeletableItems items = function.gc();
    QCOMPARE(items.timers(), (QSet<int>{10, 11, 12}));
    QVERIFY(items.simulations().isEmpty() && items.jobs().isEmpty());
    QCOMPARE(describe(function), before);
    QCOMPARE(function.switchTimes().size(), 3);
}

QTEST_GUILESS_MAIN(tst_Functions)
#include "tst_functions.moc"
