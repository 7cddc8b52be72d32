// Floors and rooms: their values, the `floor` and `room` elements and their readers.

#include "testutil.h"

#include <projects/floor.h>
#include <projects/function.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/common/conversions.h>

#include <QtTest>

using namespace projects;

Q_DECLARE_METATYPE(projects::Room)

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

    Room whiteByText(roomId, QStringLiteral("Hall"), QString(), QColor(Qt::red));
    whiteByText.setColor(QColor::fromHsv(0, 0, 255));
    QTest::newRow("profile colour white in another colour model is not written")
        << whiteByText
        << QStringList({id, QStringLiteral("name=Hall"), QStringLiteral("icon="),
                        QStringLiteral("color=#ff0000")});

    Room profileOnly(roomId, QString(), QString());
    profileOnly.restoreProfile(QStringLiteral("Bath"), QString(), QColor(QStringLiteral("#123456")));
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

QTEST_GUILESS_MAIN(tst_Building)

#include "tst_building.moc"
