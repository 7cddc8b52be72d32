// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Groups: their values, the group address plan and special identifiers, merging with its
// trace, sync and gc. What files and the JSON import give is pinned by the reference files.

#include "testutil.h"

using namespace projects;
using testutil::idText;

Q_DECLARE_METATYPE(projects::Group)

namespace {

const QUuid someId("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}");
const QUuid otherId("{11111111-2222-3333-4444-555555555555}");
const QUuid centralId(QLatin1String(Group::centralGroupId));

QString typeKey(int type)
{
    return QString::fromLatin1(QMetaEnum::fromType<Group::GroupType>().valueToKey(type));
}

// "id name address type order [vacation] [special] [weather] switch-time-count", with the
// identifier as "some", "other", "central", "null" or "new" (any other).
QString describe(const Group& group)
{
    const QUuid id = group.id();
    const QString idName = id == someId      ? "some"
                           : id == otherId   ? "other"
                           : id == centralId ? "central"
                           : id.isNull()     ? "null"
                                             : "new";
    QStringList parts{idName, group.name(), QString::number(group.address()), typeKey(group.type()),
                      QString::number(group.order())};
    if (group.runOnVacation())
        parts << "vacation";
    if (group.isSpecialGroup())
        parts << "special";
    if (group.isWeatherStationGroup())
        parts << "weather";
    parts << QString::number(group.switchTimes().size());
    return parts.join(' ');
}

QString describe(const QList<Group>& groups)
{
    QStringList lines;
    for (const Group& group : groups)
        lines.append(describe(group));
    return lines.join("; ");
}

QByteArray groupElement(const QUuid& id, const QByteArray& attributes)
{
    return "<group id=\"" + idText(id) + "\" " + attributes + "/>";
}

} // namespace

class tst_Devices : public QObject
{
    Q_OBJECT
private slots:
    void typeFromAddress_data();
    void typeFromAddress();
    void groupValues_data();
    void groupValues();
    void specialIdentifiers_data();
    void specialIdentifiers();

    void readGroups();
    void groupRoundTrip();

    void mergeAdminSettings_data();
    void mergeAdminSettings();
    void mergeProfileIgnoresFlags();
    void mergeMessages_data();
    void mergeMessages();
    void sync_data();
    void sync();
    void gc();
};

void tst_Devices::typeFromAddress_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("type");

    // Address and type key, at every edge of the address plan.
    const QString rows =
        "-2147483648 Switch, -1 Switch, 0 Switch, 8447 Switch, 8448 Heating, 8698 Heating, "
        "8699 Switch, 10247 HeizenKuhlen, 10248 Switch, 10695 Switch, 10696 Blind, 10743 Blind, "
        "10744 Panik, 10745 ZentralAus, 10746 MorgensAus, 10747 AbendsEin, 10748 Blind, "
        "10951 Blind, 10952 Unknown, 10955 Unknown, 10956 Sonnenschutz_1, 10958 Sonnenschutz_1, "
        "10959 Sonnenschutz_2, 10961 Sonnenschutz_2, 10962 Sonnenschutz_3, "
        "10964 Sonnenschutz_3, 10965 Sonnenschutz_4, 10967 Sonnenschutz_4, 10968 MorgensAuf, "
        "10969 AbendsAb, 10970 ZentralAufAb, 10971 Unknown, 11004 Unknown, 11005 Switch, "
        "11006 Blind, 11007 Heating, 11008 Unknown, 12287 Unknown, 12288 Heating, "
        "12538 Heating, 12539 Unknown, 65535 Unknown";
    for (const QString& row : rows.split(", ")) {
        QTest::addRow("%s", qPrintable(row.section(' ', 0, 0) + " is " + row.section(' ', 1)))
            << row.section(' ', 0, 0).toInt() << row.section(' ', 1);
    }
}

void tst_Devices::typeFromAddress()
{
    QFETCH(int, address);
    QTEST(typeKey(Group::typeFromAddress(address)), "type");
}

void tst_Devices::groupValues_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<QString>("expected");

    const QString some = uuidToString(someId);
    QTest::newRow("default group") << Group() << "new  -1 Unknown -1 vacation 0";
    QTest::newRow("name, type and address")
        << Group("Hall", Group::Blind, 10700) << "new Hall 10700 Blind -1 vacation 0";
    QTest::newRow("five arguments keep the given type")
        << Group(some, "Hall", Group::Heating, 10744, 3) << "some Hall 10744 Heating 3 vacation 0";
    QTest::newRow("identifier text with too few digits is null")
        << Group("_0f1e2d3c", QString(), Group::Switch, 0, -1) << "null  0 Switch -1 vacation 0";
    // The address text reads as every group address text does (see tst_project).
    QTest::newRow("address text") << Group(some, "A", "5/1/248")
                                  << "some A 10744 Panik -1 vacation special 0";
    // Type key, then the predicates that hold, at the edges of the special and weather ranges.
    const QString types = "Unknown, Panik special, ZentralAufAb special, Sonnenschutz_1 special "
                          "weather, AbendsEin special weather, HeizenKuhlen special, Switch";
    for (const QString& row : types.split(", ")) {
        const QString key = row.section(' ', 0, 0);
        const int type = QMetaEnum::fromType<Group::GroupType>().keyToValue(qPrintable(key));
        QTest::addRow("predicates of %s", qPrintable(key))
            << Group("G", Group::GroupType(type), 1)
            << "new G 1 " + key + " -1 vacation " + row.section(' ', 1) +
                   (row.contains(' ') ? " 0" : "0");
    }
    Group profile("Admin", Group::Switch, 1);
    profile.setName("Mine");
    QTest::newRow("profile name wins") << profile << "new Mine 1 Switch -1 vacation 0";
}

void tst_Devices::groupValues()
{
    QFETCH(Group, group);
    QTEST(describe(group), "expected");
    QVERIFY(group.registeredFunctions().isEmpty());
    QCOMPARE(group.hasValidAddress(), group.address() >= 0);
}

void tst_Devices::specialIdentifiers_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("special");

    for (const char* id :
         {Group::centralGroupId, Group::panikGroupId, Group::zentralAufAbId,
          Group::sonnenschutz_1Id, Group::sonnenschutz_2Id, Group::sonnenschutz_3Id,
          Group::sonnenschutz_4Id, Group::morgensAufId, Group::abendsAbId, Group::morgensAusId,
          Group::abendsEinId, Group::heizenKuhlen})
        QTest::newRow(id) << QString::fromLatin1(id) << true;
    QTest::newRow("central identifier in capitals is not special")
        << QString::fromLatin1(Group::centralGroupId).toUpper() << false;
    QTest::newRow("central identifier without braces is not special")
        << "e81add96-cfca-4174-a9d7-ea0a03d59200" << false;
    QTest::newRow("central identifier in file form is not special")
        << uuidToString(centralId) << false;
    QTest::newRow("another identifier is not special") << someId.toString() << false;
}

void tst_Devices::specialIdentifiers()
{
    QFETCH(QString, id);
    QTEST(Group::isSpecialGroup(id), "special");
}

void tst_Devices::readGroups()
{
    // The type follows the address, which the written group does not show.
    const Project project = testutil::readContent(groupElement(someId, "address=\"10744\""));
    QCOMPARE(describe(project.groups()), QString("some  10744 Panik -1 vacation special 0"));
}

void tst_Devices::groupRoundTrip()
{
    Group group(uuidToString(someId), "Küche", Group::Blind, 10700, 2);
    group.setName("Meine Küche");
    group.setRunOnVacation(false);

    const Project project = testutil::read(testutil::writeElement(group, true));
    QCOMPARE(project.groups().size(), 1);
    const Group read = project.groups().first();
    QVERIFY(read != group);
    // runOnVacation is written for the device, not read back.
    QCOMPARE(describe(read), QString("some Meine Küche 10700 Blind -1 vacation 0"));
    // The administrator's name survives beside the profile name.
    QCOMPARE(testutil::attributesOf(testutil::writeElement(read, false), "group"),
             (QStringList{"name=Küche", "address=10700", "id=" + uuidToString(someId),
                          "p:name=Meine Küche"}));
}

void tst_Devices::mergeAdminSettings_data()
{
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("ownFlag");
    QTest::addColumn<bool>("otherFlag");
    QTest::addColumn<int>("ownCount");
    QTest::addColumn<int>("otherCount");
    QTest::addColumn<bool>("changed");

    QTest::newRow("force with nothing different") << true << true << true << 0 << 0 << true;
    QTest::newRow("equal flags and no switch times") << false << false << false << 0 << 0 << false;
    QTest::newRow("run-on-vacation differs") << false << true << false << 0 << 0 << true;
    QTest::newRow("switch-time counts differ") << false << true << true << 2 << 0 << true;
    QTest::newRow("the same switch times count as changed")
        << false << true << true << 1 << 1 << true;
}

void tst_Devices::mergeAdminSettings()
{
    QFETCH(bool, force);
    QFETCH(bool, ownFlag);
    QFETCH(bool, otherFlag);
    QFETCH(int, ownCount);
    QFETCH(int, otherCount);

    Group group("Hall", Group::Switch, 1);
    group.setName("Mine");
    group.setRunOnVacation(ownFlag);
    Group other("Other", Group::Blind, 10700);
    other.setRunOnVacation(otherFlag);
    for (int i = 0; i < otherCount; ++i)
        other.switchTimes().append(SwitchTime());
    // With equal counts, this group holds the very same entries as other.
    for (int i = 0; i < ownCount; ++i)
        group.switchTimes().append(i < otherCount ? other.switchTimes().at(i) : SwitchTime());
    const QString otherBefore = describe(other);

    QTEST(group.mergeAdminSettings(other, force), "changed");
    QCOMPARE(group.switchTimes(), other.switchTimes());
    QCOMPARE(group.runOnVacation(), otherFlag);
    QCOMPARE(group.name(), QString("Mine"));
    QCOMPARE(group.address(), 1);
    QCOMPARE(describe(other), otherBefore);

    // The list is a copy; its entries are shared.
    other.switchTimes().append(SwitchTime());
    QCOMPARE(group.switchTimes().size(), otherCount);
    if (otherCount > 0) {
        other.switchTimes().first().setValue(42);
        QCOMPARE(group.switchTimes().first().value(), 42.0);
    }
}

void tst_Devices::mergeProfileIgnoresFlags()
{
    for (int flags = 0; flags < 4; ++flags) {
        Group group("Hall", Group::Switch, 1);
        group.setName("Mine");
        group.switchTimes().append(SwitchTime());
        Group other("Flur", Group::Blind, 10700);
        other.setName("Theirs");
        other.setRunOnVacation(false);
        other.switchTimes().append(SwitchTime());

        group.mergeProfile(other, flags & 1, flags & 2);
        // The profile name stays; address and type too; the administrator's name is taken.
        QCOMPARE(describe(group), QString("new Mine 1 Switch -1 1"));
        QCOMPARE(group.switchTimes(), other.switchTimes());
        group.setName(QString());
        QCOMPARE(group.name(), QString("Flur"));
        QCOMPARE(other.name(), QString("Theirs"));
    }
}

void tst_Devices::mergeMessages_data()
{
    QTest::addColumn<bool>("profile");
    QTest::addColumn<int>("otherCount");

    QTest::newRow("admin settings without switch times") << false << 0;
    QTest::newRow("admin settings taking two switch times") << false << 2;
    QTest::newRow("profile without switch times") << true << 0;
    QTest::newRow("profile taking two switch times") << true << 2;
}

void tst_Devices::mergeMessages()
{
    QFETCH(bool, profile);
    QFETCH(int, otherCount);

    Group group(uuidToString(someId), "Hall", Group::Switch, 1, -1);
    group.setName("Mine");
    Group other("Other", Group::Switch, 2);
    for (int i = 0; i < otherCount; ++i)
        other.switchTimes().append(SwitchTime());

    QStringList printed{">> No switchtimes"};
    if (otherCount > 0) {
        testutil::MessageLog log;
        for (const SwitchTime& switchTime : other.switchTimes())
            switchTime.print();
        printed = log.messages();
    }

    // The log names the group by its administrator's name.
    const QString id = '"' + uuidToString(someId) + '"';
    const QString kind = profile ? "PROFILE" : "ADMIN SETTINGS";
    const QString end = profile ? QString() : QString("  with name  \"Hall\"");
    testutil::MessageLog log;
    if (profile)
        group.mergeProfile(other, true, false);
    else
        group.mergeAdminSettings(other, false);
    const QStringList expected{">> MERGE " + kind + " group  " + id + "  with name  \"Hall\"",
                               ">> No switchtimes", ">> END MERGE " + kind + " group  " + id + end};
    QCOMPARE(log.messages(), expected + printed);
    for (QtMsgType type : log.types())
        QCOMPARE(type, QtDebugMsg);
}

void tst_Devices::sync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expected");

    // Other is "Flur" at 10700, with profile name "Theirs", one switch time and no vacation.
    QTest::newRow("no hint takes nothing") << 0 << "some Mine 1 Switch 3 vacation 0";
    QTest::newRow("admin settings take name and address, not the type")
        << int(Project::SyncAdminSettings) << "some Mine 10700 Switch 3 vacation 0 Flur";
    QTest::newRow("profile takes schedule and profile name")
        << int(Project::SyncProfile) << "some Theirs 1 Switch 3 1";
    QTest::newRow("schedules take the schedule only")
        << int(Project::SyncSchedules) << "some Mine 1 Switch 3 1";
    QTest::newRow("admin settings and schedules")
        << int(Project::SyncAdminSettings | Project::SyncSchedules)
        << "some Mine 10700 Switch 3 1 Flur";
    QTest::newRow("all hints") << int(Project::SyncAdminSettings | Project::SyncProfile |
                                      Project::SyncSchedules)
                               << "some Theirs 10700 Switch 3 1 Flur";
}

void tst_Devices::sync()
{
    QFETCH(int, hints);

    const QUuid function = QUuid::createUuid();
    Group group(uuidToString(someId), "Hall", Group::Switch, 1, 3);
    group.setName("Mine");
    group.registeredFunctions().insert(function);
    const Group alias = group;
    const QString aliasBefore = describe(alias);
    Group other("Flur", Group::Blind, 10700);
    other.setName("Theirs");
    other.setRunOnVacation(false);
    other.switchTimes().append(SwitchTime());
    other.registeredFunctions().insert(QUuid::createUuid());
    const QString otherBefore = describe(other);

    group.sync(other, Project::SyncHints(hints));
    QString state = describe(group);
    group.setName(QString());
    if (group.name() != "Hall")
        state += ' ' + group.name();
    QTEST(state, "expected");
    QCOMPARE(group.registeredFunctions(), QSet<QUuid>{function});

    // Only the synced handle changes, and later changes stay apart, except in the shared
    // switch-time entries.
    QVERIFY(group != alias);
    QCOMPARE(describe(alias), aliasBefore);
    group.registeredFunctions().clear();
    QCOMPARE(alias.registeredFunctions().size(), 1);
    if (!group.switchTimes().isEmpty()) {
        other.switchTimes().first().setValue(7);
        QCOMPARE(group.switchTimes().first().value(), 7.0);
    }
    QCOMPARE(describe(other), otherBefore);
}

void tst_Devices::gc()
{
    Group group("Hall", Group::Switch, 1);
    QVERIFY(!group.gc().hasSomethingToDelete());
    // Timer identifiers, not day keys, each once.
    group.switchTimes() << testutil::switchTimeWithTimers({{1, 10}, {2, 11}})
                        << testutil::switchTimeWithTimers({{3, 10}, {4, 12}}) << SwitchTime();
    const DeletableItems items = group.gc();
    QCOMPARE(items.timers(), (QSet<int>{10, 11, 12}));
    QVERIFY(items.simulations().isEmpty() && items.jobs().isEmpty());
    QCOMPARE(group.switchTimes().first().timerIds().size(), 2);
}

QTEST_GUILESS_MAIN(tst_Devices)
#include "tst_devices.moc"
