// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Floors and rooms: the values only the API sets, merging, sync and garbage collection.
// What files and the JSON import give is pinned by the reference files.

#include "testutil.h"

using namespace projects;
using testutil::idText;

Q_DECLARE_METATYPE(projects::Room)

namespace {

const QUuid floorId("{11111111-2222-3333-4444-555555555555}");
const QUuid roomId("{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}");
const QUuid otherRoomId("{01234567-89ab-cdef-0123-456789abcdef}");

// The attributes written for one room after its "id", as "qualified name=value" in written
// order, or a note when the "id" attribute is not the room's identifier text.
QString writtenRoom(const Room& room)
{
    QStringList pairs = testutil::attributesOf(testutil::writeElement(room), "room");
    if (pairs.value(0) != "id=" + uuidToString(room.id()))
        return "no id: " + pairs.join(' ');
    return pairs.mid(1).join(' ');
}

QUuid numberedId(int n)
{
    return QUuid(n, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
}

// A function whose one switch time holds the device timer @p timer.
Function functionWithTimer(int n, int timer, const QString& name = QString())
{
    Function function(numberedId(n), name, Function::Switch, true);
    function.switchTimes().append(testutil::switchTimeWithTimers({{1, timer}}));
    return function;
}

// "name:n,n,..." with the numbers of the functions' identifiers (see numberedId()).
QString describe(const Room& room)
{
    QStringList numbers;
    for (const Function& function : room.functions())
        numbers.append(QString::number(function.id().data1));
    return room.name() + ':' + numbers.join(',');
}

QString describe(const Floor& floor)
{
    QStringList rooms;
    for (const Room& room : floor.rooms())
        rooms.append(QString::number(room.id().data1) + '=' + describe(room));
    return floor.name() + '[' + rooms.join(' ') + ']';
}

} // namespace

class tst_Building : public QObject
{
    Q_OBJECT
private slots:

    void writeRoom_data();
    void writeRoom();

    void gc();
    void roomMergeAdminSettings_data();
    void roomMergeAdminSettings();
    void floorMergeAdminSettings();
    void roomMergeProfile_data();
    void roomMergeProfile();
    void roomMergeProfileColours_data();
    void roomMergeProfileColours();
    void floorMergeProfile_data();
    void floorMergeProfile();
    void roomSync_data();
    void roomSync();
};

void tst_Building::writeRoom_data()
{
    QTest::addColumn<Room>("room");
    QTest::addColumn<QString>("expected"); // written attributes | name icon colour

    // What a document gives is pinned by the reader-rules reference; these values only
    // the API sets.
    const QColor installer("#102030");
    Room white(roomId, "Hall", QString(), installer);
    white.setColor(QColor(Qt::white));
    QTest::newRow("profile colour white is not written")
        << white << "name=Hall icon= color=#102030 | Hall  #ffffff";
    Room whiteInHsv(roomId, "Hall", QString(), QColor(Qt::red));
    whiteInHsv.setColor(QColor::fromHsv(0, 0, 255));
    QTest::newRow("profile colour white in another colour model is not written")
        << whiteInHsv << "name=Hall icon= color=#ff0000 | Hall  #ffffff";
    Room named(roomId, "Hall", QString(), installer);
    named.setColor(QString("red"));
    QTest::newRow("profile colour from a colour name")
        << named << "name=Hall icon= color=#102030 p:color=#ff0000 | Hall  #ff0000";
    Room unreadable(roomId, "Hall", QString(), installer);
    unreadable.setColor(QString("not a colour"));
    QTest::newRow("unreadable colour text leaves the installer's colour")
        << unreadable << "name=Hall icon= color=#102030 | Hall  #102030";
}

void tst_Building::writeRoom()
{
    QFETCH(Room, room);
    QTEST(writtenRoom(room) + " | " + room.name() + ' ' + room.icon() + ' ' + room.color().name(),
          "expected");
}

void tst_Building::gc()
{
    Room first(numberedId(1), QString(), QString());
    first.functions() << functionWithTimer(10, 100) << functionWithTimer(11, 101);
    Room second(numberedId(2), QString(), QString());
    second.functions() << functionWithTimer(12, 100)
                       << Function(numberedId(13), QString(), Function::Blind, true);
    Floor floor(floorId, QString());
    floor.rooms() << first << second << Room();

    QCOMPARE(first.gc().timers(), QSet<int>({100, 101}));
    QCOMPARE(floor.gc().timers(), QSet<int>({100, 101}));
    QVERIFY(!Floor().gc().hasSomethingToDelete());
    QVERIFY(!Room().gc().hasSomethingToDelete());
}

void tst_Building::roomMergeAdminSettings_data()
{
    QTest::addColumn<QList<int>>("own");
    QTest::addColumn<QList<int>>("other");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QList<bool>>("flags");

    // Own functions run on vacation; other's with the same number do not, so a merged
    // function changes its flag and reports the change.
    QTest::newRow("no common identifier changes nothing")
        << QList<int>{1, 2} << QList<int>{3} << false << QList<bool>{true, true};
    QTest::newRow("a matched function reports its change")
        << QList<int>{1, 2} << QList<int>{3, 2} << true << QList<bool>{true, false};
    QTest::newRow("only the first of two equal identifiers is merged")
        << QList<int>{1, 1} << QList<int>{1} << true << QList<bool>{false, true};
    QTest::newRow("no functions on the other side")
        << QList<int>{1} << QList<int>() << false << QList<bool>{true};
}

void tst_Building::roomMergeAdminSettings()
{
    QFETCH(QList<int>, own);
    QFETCH(QList<int>, other);
    Room room(roomId, "Hall", QString());
    for (int n : own)
        room.functions().append(Function(numberedId(n), QString(), Function::Switch, true));
    Room otherRoom(roomId, "Bath", QString());
    for (int n : other)
        otherRoom.functions().append(Function(numberedId(n), QString(), Function::Switch, false));
    const QString before = describe(room);
    const QString otherBefore = describe(otherRoom);

    QTEST(room.mergeAdminSettings(otherRoom), "expected");
    QList<bool> flags;
    for (const Function& function : room.functions())
        flags.append(function.runOnVacation());
    QTEST(flags, "flags");
    QCOMPARE(describe(room), before);
    QCOMPARE(describe(otherRoom), otherBefore);
}

void tst_Building::floorMergeAdminSettings()
{
    const auto makeFloor = [](bool runOnVacation) {
        Floor floor(floorId, runOnVacation ? "Own" : "Other");
        for (int n : {1, 2}) {
            Room room(numberedId(n), QString(), QString());
            room.functions().append(
                Function(numberedId(10 + n), QString(), Function::Switch, runOnVacation));
            floor.rooms().append(room);
        }
        return floor;
    };
    Floor own = makeFloor(true);
    Floor other = makeFloor(false);
    // Only room 2 has a counterpart.
    other.rooms().removeFirst();
    QVERIFY(own.mergeAdminSettings(other));
    QVERIFY(own.rooms().at(0).functions().first().runOnVacation());
    QVERIFY(!own.rooms().at(1).functions().first().runOnVacation());
    QCOMPARE(describe(own), QString("Own[1=:11 2=:12]"));

    Floor stranger(numberedId(9), QString());
    stranger.rooms().append(Room(numberedId(9), QString(), QString()));
    QVERIFY(!own.mergeAdminSettings(stranger));
    QCOMPARE(describe(own), QString("Own[1=:11 2=:12]"));
}

void tst_Building::roomMergeProfile_data()
{
    QTest::addColumn<bool>("keepOwnValues");
    QTest::addColumn<bool>("adoptStructure");
    QTest::addColumn<QList<int>>("own");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QSet<int>>("timers");

    // Own room "Hall" holds the functions numbered in "own"; other room "Bath" holds 2, 3
    // and 4 (named "other"), function n carrying device timer 100 + n. Expected: the
    // room's name and function numbers, and the functions' names as "+" (other's name) or
    // "-" (own name), in list order.
    QTest::newRow("adopting structure drops, merges and appends")
        << true << true << QList<int>{1, 2, 5, 3} << "Bath:2,3,4 +++" << QSet<int>();
    QTest::newRow("adopting structure keeps own positions")
        << false << true << QList<int>{3, 2} << "Bath:3,2,4 +++" << QSet<int>();
    QTest::newRow("adopting structure with nothing left takes all of other's")
        << true << true << QList<int>{1, 5} << "Bath:2,3,4 +++" << QSet<int>();
    QTest::newRow("adopting structure into an empty room")
        << false << true << QList<int>() << "Bath:2,3,4 +++" << QSet<int>();
    QTest::newRow("keeping own values reports functions only other has")
        << true << false << QList<int>{1, 2} << "Hall:1,2 --" << QSet<int>{103, 104};
    QTest::newRow("taking over merges matches and the room's values")
        << false << false << QList<int>{1, 2} << "Bath:1,2 -+" << QSet<int>();
}

void tst_Building::roomMergeProfile()
{
    QFETCH(bool, keepOwnValues);
    QFETCH(bool, adoptStructure);
    QFETCH(QList<int>, own);

    Room room(roomId, "Hall", "hall.png");
    for (int n : own)
        room.functions().append(functionWithTimer(n, 100 + n, "own"));
    Room other(roomId, "Bath", "bath.png");
    for (int n : {2, 3, 4})
        other.functions().append(functionWithTimer(n, 100 + n, "other"));
    const QString otherBefore = describe(other);

    const DeletableItems items = room.mergeProfile(other, keepOwnValues, adoptStructure);
    QString names;
    for (const Function& function : room.functions())
        names.append(function.name() == "other" ? '+' : '-');
    QTEST(describe(room) + ' ' + names, "expected");
    QTEST(items.timers(), "timers");
    QCOMPARE(describe(other), otherBefore);
    QCOMPARE(other.functions().first().name(), QString("other"));
}

void tst_Building::roomMergeProfileColours_data()
{
    QTest::addColumn<Room>("other");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QColor>("color");

    const QColor installer("#102030");
    const QColor profile("#405060");
    Room withProfile(roomId, "Bath", "bath.png", installer);
    withProfile.restoreProfile("Spa", "spa.png", profile);
    QTest::newRow("other's profile values win") << withProfile << "Spa"
                                                << "spa.png" << profile;
    QTest::newRow("other's installer's values without profile")
        << Room(roomId, "Bath", "bath.png", installer) << "Bath"
        << "bath.png" << installer;
    QTest::newRow("no valid colour on the other side gives white")
        << Room(roomId, "Bath", QString()) << "Bath"
        << "" << QColor(Qt::white);
}

void tst_Building::roomMergeProfileColours()
{
    QFETCH(Room, other);
    Room room(roomId, "Hall", "hall.png", QColor("#aabbcc"));
    room.restoreProfile("Lobby", "lobby.png", QColor(Qt::red));

    // Keeping own values leaves every presentation value alone.
    room.mergeProfile(other, true, false);
    QCOMPARE(room.name(), QString("Lobby"));
    QCOMPARE(room.color(), QColor(Qt::red));

    room.mergeProfile(other, false, false);
    // Installer's and profile values are equal now: a cleared profile shows the same.
    for (int pass = 0; pass < 2; ++pass) {
        QTEST(room.name(), "name");
        QTEST(room.icon(), "icon");
        QTEST(room.color(), "color");
        room.restoreProfile(QString(), QString(), QColor());
    }
}

void tst_Building::floorMergeProfile_data()
{
    QTest::addColumn<bool>("keepOwnValues");
    QTest::addColumn<bool>("adoptStructure");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("timers");

    // Own floor "Own": room 1 (functions 11, 12), room 2 (function 21).
    // Other floor "Other": room 2 (functions 21, 22), room 3 (function 31).
    // Function n carries device timer n.
    QTest::newRow("adopting structure reports nothing")
        << true << true << "Other[2=:21,22 3=:31]" << QList<int>();
    QTest::newRow("keeping own values reports rooms' and missing rooms' timers")
        << true << false << "Own[1=:11,12 2=:21]" << QList<int>{22, 31};
    QTest::newRow("taking over reports the rooms' records and takes the name")
        << false << false << "Other[1=:11,12 2=:21]" << QList<int>();
}

void tst_Building::floorMergeProfile()
{
    QFETCH(bool, keepOwnValues);
    QFETCH(bool, adoptStructure);
    const auto makeRoom = [](int n, const QList<int>& functions) {
        Room room(numberedId(n), QString(), QString());
        for (int f : functions)
            room.functions().append(functionWithTimer(f, f));
        return room;
    };
    Floor own(floorId, "Own");
    own.rooms() << makeRoom(1, {11, 12}) << makeRoom(2, {21});
    Floor other(floorId, "Other");
    other.rooms() << makeRoom(2, {21, 22}) << makeRoom(3, {31});
    const QString otherBefore = describe(other);

    const DeletableItems items = own.mergeProfile(other, keepOwnValues, adoptStructure);
    QTEST(describe(own), "expected");
    QTEST(testutil::sorted(items.timers()), "timers");
    QCOMPARE(describe(other), otherBefore);
}

void tst_Building::roomSync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expected"); // written attributes | function numbers

    QTest::newRow("no flag only detaches")
        << 0 << "name=Hall icon=hall.png color=#102030 p:name=Lobby | 1";
    QTest::newRow("admin settings copy the installer's values and functions")
        << int(Project::SyncAdminSettings)
        << "name=Bath icon=bath.png color=#405060 p:name=Lobby | 2,3";
    QTest::newRow("profile copies the profile values and functions")
        << int(Project::SyncProfile)
        << "name=Hall icon=hall.png color=#102030 p:name=Spa p:color=#0000ff | 2,3";
    QTest::newRow("schedules have no effect on a room")
        << int(Project::SyncSchedules) << "name=Hall icon=hall.png color=#102030 p:name=Lobby | 1";
}

void tst_Building::roomSync()
{
    QFETCH(int, hints);
    Room room(roomId, "Hall", "hall.png", QColor("#102030"));
    room.setName("Lobby");
    room.functions().append(functionWithTimer(1, 101));
    Room other(otherRoomId, "Bath", "bath.png", QColor("#405060"));
    other.restoreProfile("Spa", QString(), QColor(Qt::blue));
    other.functions() << functionWithTimer(2, 102) << functionWithTimer(3, 103);

    const Room copy = room;
    const QString copyBefore = writtenRoom(copy);
    room.sync(other, Project::SyncHints(hints));
    QTEST(writtenRoom(room) + " | " + describe(room).section(':', 1), "expected");

    // The sync detached the room: its old copy keeps the old values and functions ...
    QCOMPARE(writtenRoom(copy), copyBefore);
    QCOMPARE(copy.functions().size(), 1);
    room.setIcon("changed.png");
    QCOMPARE(copy.icon(), QString("hall.png"));
    // ... while synced functions are other's objects.
    if (hints != 0 && hints != Project::SyncSchedules) {
        Function(other.functions().first()).setName("renamed");
        QCOMPARE(room.functions().first().name(), QString("renamed"));
    }
}

QTEST_GUILESS_MAIN(tst_Building)
#include "tst_building.moc"
