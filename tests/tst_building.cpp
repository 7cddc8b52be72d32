// Floors and rooms: their values, the `floor` and `room` elements and their readers.

#include "testutil.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace projects;

Q_DECLARE_METATYPE(projects::Room)
Q_DECLARE_METATYPE(projects::Floor)

namespace {

const QUuid floorId = QUuid(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
const QUuid roomId = QUuid(QStringLiteral("{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}"));
const QUuid otherRoomId = QUuid(QStringLiteral("{01234567-89ab-cdef-0123-456789abcdef}"));

QByteArray idText(const QUuid& id)
{
    return uuidToString(id).toLatin1();
}

// The attributes written for one room, as "qualified name=value" in written order.
QStringList writtenRoom(const Room& room)
{
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        room.beginSerialize(w);
        room.endSerialize(w);
    });
    const QList<QXmlStreamAttributes> rooms = testutil::elements(xml, QStringLiteral("room"));
    if (rooms.size() != 1)
        return {QStringLiteral("rooms written: %1").arg(rooms.size())};
    QStringList result;
    for (const QString& name : testutil::names(rooms.first()))
        result.append(name + QLatin1Char('=') + testutil::value(rooms.first(), name));
    return result;
}

// The first room of the first floor of a document whose project holds @p content.
Room firstRoom(const QByteArray& content)
{
    const Project project = testutil::readContent(content);
    if (project.floors().isEmpty() || project.floors().first().rooms().isEmpty())
        return Room();
    return project.floors().first().rooms().first();
}

QUuid numberedId(int n)
{
    return QUuid(n, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
}

// A function whose one switch time holds the device timer @p timer.
Function functionWithTimer(int n, int timer, const QString& name = QString())
{
    Function function(numberedId(n), name, Function::Switch, true);
    SwitchTime switchTime;
    switchTime.timerIds().insert(1, timer);
    function.switchTimes().append(switchTime);
    return function;
}

// "name:n,n,..." with the numbers of the functions' identifiers (see numberedId()).
QString describe(const Room& room)
{
    QStringList numbers;
    for (const Function& function : room.functions())
        numbers.append(QString::number(function.id().data1));
    return room.name() + QLatin1Char(':') + numbers.join(QLatin1Char(','));
}

QString describe(const Floor& floor)
{
    QStringList rooms;
    for (const Room& room : floor.rooms())
        rooms.append(QString::number(room.id().data1) + QLatin1Char('=') + describe(room));
    return floor.name() + QLatin1Char('[') + rooms.join(QLatin1Char(' ')) + QLatin1Char(']');
}

QSet<int> toSet(const QList<int>& list)
{
    return QSet<int>(list.cbegin(), list.cend());
}

} // namespace

class tst_Building : public QObject
{
    Q_OBJECT
private slots:
    // Values
    void roomGetters_data();
    void roomGetters();
    void validity_data();
    void validity();
    void copiesShareFloorData();
    void copiesShareRoomData();
    void setColorFromText_data();
    void setColorFromText();

    // Writing
    void writeFloor();
    void writeRoom_data();
    void writeRoom();
    void elementsAreLeftOpen();

    // Reading
    void readRoom_data();
    void readRoom();
    void readFloors_data();
    void readFloors();
    void roundTrip();

    // JSON
    void floorFromJson_data();
    void floorFromJson();
    void roomFromJson_data();
    void roomFromJson();

    // Merging, sync and garbage collection
    void gc();
    void roomMergeAdminSettings_data();
    void roomMergeAdminSettings();
    void floorMergeAdminSettings();
    void roomMergeProfile_data();
    void roomMergeProfile();
    void roomMergeProfileSharing();
    void roomMergeProfileColours_data();
    void roomMergeProfileColours();
    void floorMergeProfile_data();
    void floorMergeProfile();
    void roomSync_data();
    void roomSync();
};

void tst_Building::roomGetters_data()
{
    QTest::addColumn<Room>("room");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QColor>("color");

    QTest::newRow("no profile values give the installer's values")
        << Room(roomId, QStringLiteral("Kitchen"), QStringLiteral("kitchen.png"),
                QColor(QStringLiteral("#102030")))
        << QStringLiteral("Kitchen") << QStringLiteral("kitchen.png")
        << QColor(QStringLiteral("#102030"));

    Room profile(roomId, QStringLiteral("Kitchen"), QStringLiteral("kitchen.png"),
                 QColor(QStringLiteral("#102030")));
    profile.restoreProfile(QStringLiteral("Cooking"), QStringLiteral("pot.png"),
                           QColor(QStringLiteral("#405060")));
    QTest::newRow("profile values win") << profile << QStringLiteral("Cooking")
                                        << QStringLiteral("pot.png")
                                        << QColor(QStringLiteral("#405060"));

    Room emptyProfile(roomId, QStringLiteral("Kitchen"), QStringLiteral("kitchen.png"),
                      QColor(QStringLiteral("#102030")));
    emptyProfile.restoreProfile(QString(), QString(), QColor());
    QTest::newRow("empty profile values fall back")
        << emptyProfile << QStringLiteral("Kitchen") << QStringLiteral("kitchen.png")
        << QColor(QStringLiteral("#102030"));

    QTest::newRow("no colour at all is white")
        << Room(roomId, QStringLiteral("Hall"), QString()) << QStringLiteral("Hall")
        << QString() << QColor(Qt::white);

    Room profileColourOnly(roomId, QStringLiteral("Hall"), QString());
    profileColourOnly.setColor(QColor(QStringLiteral("#abcdef")));
    QTest::newRow("profile colour without installer's colour")
        << profileColourOnly << QStringLiteral("Hall") << QString()
        << QColor(QStringLiteral("#abcdef"));
}

void tst_Building::roomGetters()
{
    QFETCH(Room, room);
    QTEST(room.name(), "name");
    QTEST(room.icon(), "icon");
    QTEST(room.color(), "color");
}

void tst_Building::validity_data()
{
    QTest::addColumn<bool>("floorValid");
    QTest::addColumn<bool>("roomValid");
    QTest::addColumn<bool>("expected");

    QTest::newRow("default constructed") << Floor().isValid() << Room().isValid() << false;
    QTest::newRow("built with a null id")
        << Floor(QUuid(), QStringLiteral("Ground")).isValid()
        << Room(QUuid(), QStringLiteral("Hall"), QString()).isValid() << false;
    QTest::newRow("built with an id")
        << Floor(floorId, QString()).isValid() << Room(roomId, QString(), QString()).isValid()
        << true;
}

void tst_Building::validity()
{
    QFETCH(bool, expected);
    QTEST(expected, "floorValid");
    QTEST(expected, "roomValid");
}

void tst_Building::copiesShareFloorData()
{
    Floor floor(floorId, QStringLiteral("Ground"));
    const Floor copy = floor;
    floor.setName(QStringLiteral("Cellar"));
    floor.rooms().append(Room(roomId, QStringLiteral("Hall"), QString()));
    QCOMPARE(copy.name(), QStringLiteral("Cellar"));
    QCOMPARE(copy.rooms().size(), 1);
}

void tst_Building::copiesShareRoomData()
{
    Room room(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"));
    const Room copy = room;
    room.setName(QStringLiteral("Entrance"));
    room.setIcon(QStringLiteral("door.png"));
    room.functions().append(Function());
    // setColor is const and still writes through the shared block.
    copy.setColor(QColor(QStringLiteral("#010203")));
    QCOMPARE(copy.name(), QStringLiteral("Entrance"));
    QCOMPARE(copy.icon(), QStringLiteral("door.png"));
    QCOMPARE(copy.functions().size(), 1);
    QCOMPARE(room.color(), QColor(QStringLiteral("#010203")));
}

void tst_Building::setColorFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("hexadecimal text") << QStringLiteral("#00ff7f") << QColor(0, 255, 127);
    QTest::newRow("colour name") << QStringLiteral("red") << QColor(Qt::red);
    QTest::newRow("unreadable text leaves the installer's colour")
        << QStringLiteral("not a colour") << QColor(QStringLiteral("#102030"));
}

void tst_Building::setColorFromText()
{
    QFETCH(QString, text);
    const Room room(roomId, QStringLiteral("Hall"), QString(), QColor(QStringLiteral("#102030")));
    room.setColor(text);
    QTEST(room.color(), "expected");
}

void tst_Building::writeFloor()
{
    const Floor floor(floorId, QStringLiteral("Ground floor"));
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        floor.beginSerialize(w);
        floor.endSerialize(w);
    });
    const QList<QXmlStreamAttributes> floors = testutil::elements(xml, QStringLiteral("floor"));
    QCOMPARE(floors.size(), 1);
    QCOMPARE(testutil::names(floors.first()),
             QStringList({QStringLiteral("id"), QStringLiteral("name")}));
    QCOMPARE(testutil::value(floors.first(), QStringLiteral("id")), uuidToString(floorId));
    QCOMPARE(testutil::value(floors.first(), QStringLiteral("name")),
             QStringLiteral("Ground floor"));
    // The floor lies in the project namespace, like the document element.
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.name() == QLatin1String("floor"))
            QCOMPARE(reader.namespaceUri().toString(), QString(ns::Project));
    }
}

void tst_Building::writeRoom_data()
{
    QTest::addColumn<Room>("room");
    QTest::addColumn<QStringList>("expected");

    const QString id = QStringLiteral("id=") + uuidToString(roomId);

    QTest::newRow("empty installer's values are still written")
        << Room(roomId, QString(), QString())
        << QStringList({id, QStringLiteral("name="), QStringLiteral("icon=")});

    QTest::newRow("valid installer's colour is written")
        << Room(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
                QColor(QStringLiteral("#A0B0C0")))
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#a0b0c0")});

    Room all(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
             QColor(QStringLiteral("#a0b0c0")));
    all.restoreProfile(QStringLiteral("Entrance"), QStringLiteral("door.png"),
                       QColor(QStringLiteral("#0a0b0c")));
    QTest::newRow("profile values that differ are written in the profile namespace")
        << all
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#a0b0c0"), QStringLiteral("p:name=Entrance"),
                        QStringLiteral("p:icon=door.png"), QStringLiteral("p:color=#0a0b0c")});

    Room same(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
              QColor(QStringLiteral("#a0b0c0")));
    same.restoreProfile(QStringLiteral("Hall"), QStringLiteral("hall.png"),
                        QColor(QStringLiteral("#a0b0c0")));
    QTest::newRow("profile values equal to the installer's are not written")
        << same
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#a0b0c0")});

    Room white(roomId, QStringLiteral("Hall"), QString());
    white.setColor(QColor(Qt::white));
    QTest::newRow("profile colour white is not written")
        << white << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=")});

    Room whiteInHsv(roomId, QStringLiteral("Hall"), QString(), QColor(Qt::red));
    whiteInHsv.setColor(QColor::fromHsv(0, 0, 255));
    QTest::newRow("profile colour white in another colour model is not written")
        << whiteInHsv
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon="),
                        QStringLiteral("color=#ff0000")});

    Room profileOnly(roomId, QString(), QString());
    profileOnly.restoreProfile(QStringLiteral("Bath"), QString(),
                               QColor(QStringLiteral("#123456")));
    QTest::newRow("invalid installer's colour writes no color")
        << profileOnly
        << QStringList({id, QStringLiteral("name="), QStringLiteral("icon="),
                        QStringLiteral("p:name=Bath"), QStringLiteral("p:color=#123456")});
}

void tst_Building::writeRoom()
{
    QFETCH(Room, room);
    QTEST(writtenRoom(room), "expected");
}

void tst_Building::elementsAreLeftOpen()
{
    Floor floor(floorId, QStringLiteral("Ground"));
    Room first(roomId, QStringLiteral("Hall"), QString());
    Room second(otherRoomId, QStringLiteral("Bath"), QString());
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        floor.beginSerialize(w);
        first.beginSerialize(w);
        w->writeEmptyElement(QStringLiteral("marker"));
        first.endSerialize(w);
        second.beginSerialize(w);
        second.endSerialize(w);
        floor.endSerialize(w);
    });
    QCOMPARE(testutil::childNames(xml, QStringLiteral("floor")),
             QStringList({QStringLiteral("room"), QStringLiteral("room")}));
    QCOMPARE(testutil::childNames(xml, QStringLiteral("room")),
             QStringList({QStringLiteral("marker")}));
}

void tst_Building::readRoom_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("color");

    const QByteArray floorStart = "<floor id=\"" + idText(floorId) + "\" name=\"Ground\">";
    const QByteArray roomStart = "<room id=\"" + idText(roomId) + "\" ";
    const QString id = QStringLiteral("id=") + uuidToString(roomId);

    QTest::newRow("installer's and profile values")
        << floorStart + roomStart
               + "name=\"Hall\" icon=\"hall.png\" color=\"#a0b0c0\" p:name=\"Entrance\" "
                 "p:icon=\"door.png\" p:color=\"#0a0b0c\"/></floor>"
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#a0b0c0"), QStringLiteral("p:name=Entrance"),
                        QStringLiteral("p:icon=door.png"), QStringLiteral("p:color=#0a0b0c")})
        << QStringLiteral("Entrance") << QColor(QStringLiteral("#0a0b0c"));

    QTest::newRow("unprefixed colour restores the installer's colour")
        << floorStart + roomStart + "name=\"Hall\" icon=\"\" color=\"#a0b0c0\"/></floor>"
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon="),
                        QStringLiteral("color=#a0b0c0")})
        << QStringLiteral("Hall") << QColor(QStringLiteral("#a0b0c0"));

    QTest::newRow("profile attributes without prefix are the installer's")
        << floorStart + roomStart + "name=\"Hall\"/></floor>"
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon=")})
        << QStringLiteral("Hall") << QColor(Qt::white);

    QTest::newRow("room element in capitals in another namespace")
        << floorStart + "<x:ROOM xmlns:x=\"urn:other\" id=\"" + idText(roomId)
               + "\" name=\"Hall\" p:name=\"Entrance\"/></floor>"
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon="),
                        QStringLiteral("p:name=Entrance")})
        << QStringLiteral("Entrance") << QColor(Qt::white);

    QTest::newRow("malformed id gives an invalid room")
        << floorStart + "<room id=\"_12\" name=\"Hall\"/></floor>"
        << QStringList({QStringLiteral("id=") + uuidToString(QUuid()), QStringLiteral("name=Hall"),
                        QStringLiteral("icon=")})
        << QStringLiteral("Hall") << QColor(Qt::white);
}

void tst_Building::readRoom()
{
    QFETCH(QByteArray, content);
    const Room room = firstRoom(content);
    QTEST(writtenRoom(room), "written");
    QTEST(room.name(), "name");
    QTEST(room.color(), "color");
}

void tst_Building::readFloors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("floors");
    QTest::addColumn<QStringList>("rooms");

    const QByteArray floor = "<floor id=\"" + idText(floorId) + "\" name=\"Ground\">";
    const QByteArray room = "<room id=\"" + idText(roomId) + "\" name=\"Hall\"/>";
    const QByteArray otherRoom = "<room id=\"" + idText(otherRoomId) + "\" name=\"Bath\"/>";

    QTest::newRow("floor inside its container")
        << "<floors>" + floor + room + otherRoom + "</floor></floors>"
        << QStringList({QStringLiteral("Ground")})
        << QStringList({QStringLiteral("Ground/Hall"), QStringLiteral("Ground/Bath")});
    QTest::newRow("floors without container keep file order")
        << floor + room + "</floor><floor name=\"First\">" + otherRoom + "</floor>"
        << QStringList({QStringLiteral("Ground"), QStringLiteral("First")})
        << QStringList({QStringLiteral("Ground/Hall"), QStringLiteral("First/Bath")});
    QTest::newRow("rooms inside unknown children of a floor are skipped")
        << floor + "<wing>" + room + "</wing>" + otherRoom + "</floor>"
        << QStringList({QStringLiteral("Ground")}) << QStringList({QStringLiteral("Ground/Bath")});
    QTest::newRow("a room inside a room is skipped")
        << floor + "<room id=\"" + idText(roomId) + "\" name=\"Hall\">" + otherRoom
               + "</room></floor>"
        << QStringList({QStringLiteral("Ground")}) << QStringList({QStringLiteral("Ground/Hall")});
    QTest::newRow("floor element in capitals")
        << QByteArray("<FLOOR name=\"Ground\"><Room name=\"Hall\"/></FLOOR>")
        << QStringList({QStringLiteral("Ground")}) << QStringList({QStringLiteral("Ground/Hall")});
}

void tst_Building::readFloors()
{
    QFETCH(QByteArray, content);
    const Project project = testutil::readContent(content);
    QStringList floors;
    QStringList rooms;
    for (const Floor& floor : project.floors()) {
        floors.append(floor.name());
        for (const Room& room : floor.rooms())
            rooms.append(floor.name() + QLatin1Char('/') + room.name());
    }
    QTEST(floors, "floors");
    QTEST(rooms, "rooms");
}

void tst_Building::roundTrip()
{
    Floor floor(floorId, QStringLiteral("Ground"));
    Room hall(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
              QColor(QStringLiteral("#a0b0c0")));
    hall.restoreProfile(QStringLiteral("Entrance"), QString(), QColor(Qt::white));
    Room bath(otherRoomId, QStringLiteral("Bath"), QString());
    bath.setColor(QColor(QStringLiteral("#123456")));
    floor.rooms() << hall << bath;

    const auto writeFloor = [](const Floor& f) {
        return testutil::write([&](QXmlStreamWriter* w) {
            f.beginSerialize(w);
            for (const Room& room : f.rooms()) {
                room.beginSerialize(w);
                room.endSerialize(w);
            }
            f.endSerialize(w);
        });
    };
    const QByteArray first = writeFloor(floor);
    const Project project = testutil::read(first);
    QCOMPARE(project.floors().size(), 1);
    const Floor read = project.floors().first();
    QCOMPARE(read.id(), floorId);
    QCOMPARE(read.rooms().size(), 2);
    QCOMPARE(read.rooms().at(0).id(), roomId);
    QCOMPARE(read.rooms().at(0).name(), QStringLiteral("Entrance"));
    // White was not stored as a choice, so the installer's colour shows.
    QCOMPARE(read.rooms().at(0).color(), QColor(QStringLiteral("#a0b0c0")));
    QCOMPARE(read.rooms().at(1).color(), QColor(QStringLiteral("#123456")));
    QCOMPARE(writeFloor(read), first);
}

void tst_Building::floorFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("expected");

    const QByteArray id = "\"id\": \"" + idText(numberedId(1)) + "\"";
    const QByteArray room2 = "{\"id\": \"" + idText(numberedId(2)) + "\", \"name\": \"Hall\"}";
    const QByteArray room3 = "{\"id\": \"" + idText(numberedId(3)) + "\", \"name\": \"Bath\"}";

    QTest::newRow("name and rooms in order")
        << "{" + id + ", \"name\": \"Ground\", \"rooms\": [" + room2 + ", " + room3 + "]}" << true
        << QStringLiteral("Ground[2=Hall: 3=Bath:]");
    QTest::newRow("no id: nothing is read")
        << "{\"name\": \"Ground\", \"rooms\": [" + room2 + "]}" << false << QStringLiteral("[]");
    QTest::newRow("id with too few digits: nothing is read")
        << "{\"id\": \"_0102\", \"name\": \"Ground\", \"rooms\": [" + room2 + "]}" << false
        << QStringLiteral("[]");
    QTest::newRow("room without usable id is left out")
        << "{" + id + ", \"rooms\": [" + room2 + ", {\"name\": \"Attic\"}, " + room3 + "]}"
        << true << QStringLiteral("[2=Hall: 3=Bath:]");
    QTest::newRow("array entries that are no objects are skipped")
        << "{" + id + ", \"rooms\": [1, \"x\", null, " + room3 + "]}" << true
        << QStringLiteral("[3=Bath:]");
    QTest::newRow("rooms given as an object give no rooms")
        << "{" + id + ", \"rooms\": " + room2 + "}" << true << QStringLiteral("[]");
    QTest::newRow("name that is no string reads empty")
        << "{" + id + ", \"name\": [\"Ground\"]}" << true << QStringLiteral("[]");
}

void tst_Building::floorFromJson()
{
    QFETCH(QByteArray, json);
    const Floor floor(QJsonDocument::fromJson(json).object());
    QTEST(floor.isValid(), "valid");
    QTEST(describe(floor), "expected");
}

void tst_Building::roomFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QStringList>("written");

    const QByteArray id = "\"id\": \"" + idText(roomId) + "\"";
    const QString idAttribute = QStringLiteral("id=") + uuidToString(roomId);
    const QByteArray function = "{\"id\": \"" + idText(numberedId(5)) + "\"}";

    QTest::newRow("values are both installer's and profile values")
        << "{" + id + ", \"name\": \"Hall\", \"icon\": \"hall.png\", \"color\": \"#A0B0C0\"}"
        << QStringLiteral("Hall:") << QColor(QStringLiteral("#a0b0c0"))
        << QStringList({idAttribute, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#a0b0c0")});
    QTest::newRow("no colour gives white and writes no colour")
        << "{" + id + ", \"name\": \"Hall\"}" << QStringLiteral("Hall:") << QColor(Qt::white)
        << QStringList({idAttribute, QStringLiteral("name=Hall"), QStringLiteral("icon=")});
    QTest::newRow("functions without usable id are left out")
        << "{" + id + ", \"functions\": [{\"name\": \"x\"}, 3, " + function + "]}"
        << QStringLiteral(":5") << QColor(Qt::white)
        << QStringList({idAttribute, QStringLiteral("name="), QStringLiteral("icon=")});
    QTest::newRow("functions given as an object are ignored")
        << "{" + id + ", \"functions\": " + function + "}" << QStringLiteral(":")
        << QColor(Qt::white)
        << QStringList({idAttribute, QStringLiteral("name="), QStringLiteral("icon=")});
    QTest::newRow("no id: nothing is read")
        << "{\"name\": \"Hall\", \"color\": \"#a0b0c0\", \"functions\": [" + function + "]}"
        << QStringLiteral(":") << QColor(Qt::white)
        << QStringList({QStringLiteral("id=") + uuidToString(QUuid()), QStringLiteral("name="),
                        QStringLiteral("icon=")});
}

void tst_Building::roomFromJson()
{
    QFETCH(QByteArray, json);
    const Room room(QJsonDocument::fromJson(json).object());
    QTEST(describe(room), "expected");
    QTEST(room.color(), "color");
    QTEST(writtenRoom(room), "written");
}

void tst_Building::gc()
{
    Room first(numberedId(1), QString(), QString());
    first.functions() << functionWithTimer(10, 100) << functionWithTimer(11, 101);
    Room second(numberedId(2), QString(), QString());
    second.functions() << functionWithTimer(12, 100) << Function(numberedId(13), QString(),
                                                                 Function::Blind, true);
    Floor floor(floorId, QString());
    floor.rooms() << first << second << Room();

    QCOMPARE(first.gc().timers(), QSet<int>({100, 101}));
    QCOMPARE(floor.gc().timers(), QSet<int>({100, 101}));
    QVERIFY(Floor().gc().timers().isEmpty());
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
        << QList<int>({1, 2}) << QList<int>({3}) << false << QList<bool>({true, true});
    QTest::newRow("a matched function reports its change")
        << QList<int>({1, 2}) << QList<int>({3, 2}) << true << QList<bool>({true, false});
    QTest::newRow("only the first of two equal identifiers is merged")
        << QList<int>({1, 1}) << QList<int>({1}) << true << QList<bool>({false, true});
    QTest::newRow("no functions on the other side")
        << QList<int>({1}) << QList<int>() << false << QList<bool>({true});
}

void tst_Building::roomMergeAdminSettings()
{
    QFETCH(QList<int>, own);
    QFETCH(QList<int>, other);
    Room room(roomId, QStringLiteral("Hall"), QString());
    for (int n : own)
        room.functions().append(Function(numberedId(n), QString(), Function::Switch, true));
    Room otherRoom(roomId, QStringLiteral("Bath"), QString());
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
        Floor floor(floorId, runOnVacation ? QStringLiteral("Own") : QStringLiteral("Other"));
        for (int n : {1, 2}) {
            Room room(numberedId(n), QString(), QString());
            room.functions().append(Function(numberedId(10 + n), QString(), Function::Switch,
                                             runOnVacation));
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
    QCOMPARE(own.name(), QStringLiteral("Own"));
    QCOMPARE(own.rooms().size(), 2);

    Floor stranger(numberedId(9), QString());
    stranger.rooms().append(Room(numberedId(9), QString(), QString()));
    QVERIFY(!own.mergeAdminSettings(stranger));
    QCOMPARE(own.rooms().size(), 2);
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
        << true << true << QList<int>({1, 2, 5, 3}) << QStringLiteral("Bath:2,3,4 +++")
        << QSet<int>();
    QTest::newRow("adopting structure without own values does the same")
        << false << true << QList<int>({1, 2, 5, 3}) << QStringLiteral("Bath:2,3,4 +++")
        << QSet<int>();
    QTest::newRow("adopting structure keeps own positions")
        << false << true << QList<int>({3, 2}) << QStringLiteral("Bath:3,2,4 +++") << QSet<int>();
    QTest::newRow("adopting structure with nothing left takes all of other's")
        << true << true << QList<int>({1, 5}) << QStringLiteral("Bath:2,3,4 +++") << QSet<int>();
    QTest::newRow("adopting structure into an empty room")
        << false << true << QList<int>() << QStringLiteral("Bath:2,3,4 +++") << QSet<int>();
    QTest::newRow("keeping own values reports functions only other has")
        << true << false << QList<int>({1, 2}) << QStringLiteral("Hall:1,2 --")
        << QSet<int>({103, 104});
    QTest::newRow("taking over merges matches and the room's values")
        << false << false << QList<int>({1, 2}) << QStringLiteral("Bath:1,2 -+") << QSet<int>();
}

void tst_Building::roomMergeProfile()
{
    QFETCH(bool, keepOwnValues);
    QFETCH(bool, adoptStructure);
    QFETCH(QList<int>, own);

    Room room(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"));
    for (int n : own)
        room.functions().append(functionWithTimer(n, 100 + n, QStringLiteral("own")));
    Room other(roomId, QStringLiteral("Bath"), QStringLiteral("bath.png"));
    for (int n : {2, 3, 4})
        other.functions().append(functionWithTimer(n, 100 + n, QStringLiteral("other")));
    const QString otherBefore = describe(other);

    const DeletableItems items = room.mergeProfile(other, keepOwnValues, adoptStructure);
    QString names;
    for (const Function& function : room.functions())
        names.append(function.name() == QLatin1String("other") ? QLatin1Char('+')
                                                               : QLatin1Char('-'));
    QTEST(describe(room) + QLatin1Char(' ') + names, "expected");
    QTEST(items.timers(), "timers");
    QCOMPARE(describe(other), otherBefore);
    QCOMPARE(other.functions().first().name(), QStringLiteral("other"));
}

void tst_Building::roomMergeProfileSharing()
{
    Room room(roomId, QStringLiteral("Hall"), QString());
    const Function ownMatch = functionWithTimer(2, 102, QStringLiteral("own"));
    room.functions() << ownMatch;
    Room other(roomId, QStringLiteral("Bath"), QString());
    const Function otherMatch = functionWithTimer(2, 102, QStringLiteral("other"));
    const Function otherNew = functionWithTimer(3, 103, QStringLiteral("other"));
    other.functions() << otherMatch << otherNew;

    room.mergeProfile(other, true, true);
    QCOMPARE(room.functions().size(), 2);
    // The matched function stays this room's own object ...
    Function(room.functions().at(0)).setOnIcon(QStringLiteral("mine.png"));
    QVERIFY(otherMatch.onIcon().isEmpty());
    QCOMPARE(ownMatch.onIcon(), QStringLiteral("mine.png"));
    // ... while the appended one is other's object, shared from now on.
    Function(other.functions().at(1)).setName(QStringLiteral("renamed"));
    QCOMPARE(room.functions().at(1).name(), QStringLiteral("renamed"));
    // The lists themselves are not shared.
    other.functions().append(functionWithTimer(4, 104));
    QCOMPARE(room.functions().size(), 2);
}

void tst_Building::roomMergeProfileColours_data()
{
    QTest::addColumn<Room>("other");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QColor>("color");

    const QColor installer(QStringLiteral("#102030"));
    const QColor profile(QStringLiteral("#405060"));

    Room withProfile(roomId, QStringLiteral("Bath"), QStringLiteral("bath.png"), installer);
    withProfile.restoreProfile(QStringLiteral("Spa"), QStringLiteral("spa.png"), profile);
    QTest::newRow("other's profile values win")
        << withProfile << QStringLiteral("Spa") << QStringLiteral("spa.png") << profile;
    QTest::newRow("other's installer's values without profile")
        << Room(roomId, QStringLiteral("Bath"), QStringLiteral("bath.png"), installer)
        << QStringLiteral("Bath") << QStringLiteral("bath.png") << installer;
    QTest::newRow("no valid colour on the other side gives white")
        << Room(roomId, QStringLiteral("Bath"), QString()) << QStringLiteral("Bath") << QString()
        << QColor(Qt::white);
}

void tst_Building::roomMergeProfileColours()
{
    QFETCH(Room, other);
    Room room(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
              QColor(QStringLiteral("#aabbcc")));
    room.restoreProfile(QStringLiteral("Lobby"), QStringLiteral("lobby.png"), QColor(Qt::red));

    // Keeping own values leaves every presentation value alone.
    room.mergeProfile(other, true, false);
    QCOMPARE(room.name(), QStringLiteral("Lobby"));
    QCOMPARE(room.color(), QColor(Qt::red));

    room.mergeProfile(other, false, false);
    QTEST(room.name(), "name");
    QTEST(room.icon(), "icon");
    QTEST(room.color(), "color");
    // Installer's and profile values are equal now: a cleared profile shows the same.
    room.restoreProfile(QString(), QString(), QColor());
    QTEST(room.name(), "name");
    QTEST(room.icon(), "icon");
    QTEST(room.color(), "color");
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
        << true << true << QStringLiteral("Other[2=:21,22 3=:31]") << QList<int>();
    QTest::newRow("adopting structure without own values")
        << false << true << QStringLiteral("Other[2=:21,22 3=:31]") << QList<int>();
    QTest::newRow("keeping own values reports rooms' and missing rooms' timers")
        << true << false << QStringLiteral("Own[1=:11,12 2=:21]") << QList<int>({22, 31});
    QTest::newRow("taking over reports the rooms' records and takes the name")
        << false << false << QStringLiteral("Other[1=:11,12 2=:21]") << QList<int>();
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
    Floor own(floorId, QStringLiteral("Own"));
    own.rooms() << makeRoom(1, {11, 12}) << makeRoom(2, {21});
    Floor other(floorId, QStringLiteral("Other"));
    other.rooms() << makeRoom(2, {21, 22}) << makeRoom(3, {31});
    const QString otherBefore = describe(other);

    const DeletableItems items = own.mergeProfile(other, keepOwnValues, adoptStructure);
    QTEST(describe(own), "expected");
    QFETCH(QList<int>, timers);
    QCOMPARE(items.timers(), toSet(timers));
    QCOMPARE(describe(other), otherBefore);
}

void tst_Building::roomSync_data()
{
    QTest::addColumn<int>("hints");
    QTest::addColumn<QStringList>("expected");

    const QString own = QStringLiteral("id=") + uuidToString(roomId);
    // Written attributes after the sync, then the function numbers.
    QTest::newRow("no flag only detaches")
        << 0
        << QStringList({own, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#102030"), QStringLiteral("p:name=Lobby"),
                        QStringLiteral("1")});
    QTest::newRow("admin settings copy the installer's values and functions")
        << int(Project::SyncAdminSettings)
        << QStringList({own, QStringLiteral("name=Bath"), QStringLiteral("icon=bath.png"),
                        QStringLiteral("color=#405060"), QStringLiteral("p:name=Lobby"),
                        QStringLiteral("2,3")});
    QTest::newRow("profile copies the profile values and functions")
        << int(Project::SyncProfile)
        << QStringList({own, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#102030"), QStringLiteral("p:name=Spa"),
                        QStringLiteral("p:color=#0000ff"), QStringLiteral("2,3")});
    QTest::newRow("schedules have no effect on a room")
        << int(Project::SyncSchedules)
        << QStringList({own, QStringLiteral("name=Hall"), QStringLiteral("icon=hall.png"),
                        QStringLiteral("color=#102030"), QStringLiteral("p:name=Lobby"),
                        QStringLiteral("1")});
}

void tst_Building::roomSync()
{
    QFETCH(int, hints);
    Room room(roomId, QStringLiteral("Hall"), QStringLiteral("hall.png"),
              QColor(QStringLiteral("#102030")));
    room.setName(QStringLiteral("Lobby"));
    room.functions().append(functionWithTimer(1, 101));
    Room other(otherRoomId, QStringLiteral("Bath"), QStringLiteral("bath.png"),
               QColor(QStringLiteral("#405060")));
    other.restoreProfile(QStringLiteral("Spa"), QString(), QColor(Qt::blue));
    other.functions() << functionWithTimer(2, 102) << functionWithTimer(3, 103);

    const Room copy = room;
    const QStringList copyBefore = writtenRoom(copy);
    room.sync(other, Project::SyncHints(hints));

    QStringList state = writtenRoom(room);
    QStringList numbers;
    for (const Function& function : room.functions())
        numbers.append(QString::number(function.id().data1));
    state.append(numbers.join(QLatin1Char(',')));
    QTEST(state, "expected");

    // The sync detached the room: its old copy keeps the old values and functions ...
    QCOMPARE(writtenRoom(copy), copyBefore);
    QCOMPARE(copy.functions().size(), 1);
    room.setIcon(QStringLiteral("changed.png"));
    QVERIFY(copy.icon() != QLatin1String("changed.png"));
    // ... while synced functions are other's objects.
    if (hints != 0 && hints != Project::SyncSchedules) {
        Function(other.functions().first()).setName(QStringLiteral("renamed"));
        QCOMPARE(room.functions().first().name(), QStringLiteral("renamed"));
    }
}

QTEST_GUILESS_MAIN(tst_Building)

#include "tst_building.moc"
