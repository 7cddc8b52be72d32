// Groups, actuators and datapoints: their values, the group address plan, the `group` and
// `actuator` elements and their readers.

#include "testutil.h"

#include <projects/actuator.h>
#include <projects/datapoint.h>
#include <projects/group.h>
#include <projects/project.h>
#include <projects/projectenum.h>
#include <projects/switchtime.h>
#include <projects/deletableitems.h>
#include <projects/common/conversions.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <climits>

using namespace projects;

namespace {

// Collects the messages logged while it is alive.
class MessageLog
{
public:
    MessageLog()
    {
        s_messages.clear();
        s_types.clear();
        m_previous = qInstallMessageHandler(&MessageLog::handler);
    }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    static QStringList messages() { return s_messages; }
    static QList<QtMsgType> types() { return s_types; }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        s_types.append(type);
        s_messages.append(message);
    }
    static QStringList s_messages;
    static QList<QtMsgType> s_types;
    QtMessageHandler m_previous;
};
QStringList MessageLog::s_messages;
QList<QtMsgType> MessageLog::s_types;

QByteArray idText(const QUuid& id)
{
    return uuidToString(id).toLatin1();
}

QByteArray idText(const char* bracedId)
{
    return idText(QUuid(QLatin1String(bracedId)));
}

// The parameters as sorted "name=type:value" lines, so that a value of the wrong type
// does not pass for the right one (QVariant's == converts between types).
QStringList describe(const QHash<QString, QVariant>& parameters)
{
    QStringList lines;
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        lines.append(it.key() + QLatin1Char('=') + QLatin1String(it.value().typeName())
                     + QLatin1Char(':') + it.value().toString());
    lines.sort();
    return lines;
}

const QUuid someId = QUuid(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}"));

} // namespace

class tst_Devices : public QObject
{
    Q_OBJECT
private slots:
    // Group values
    void typeFromAddress_data();
    void typeFromAddress();
    void defaultGroup();
    void addressTextConstructor_data();
    void addressTextConstructor();
    void fiveArgumentConstructorKeepsGivenType();
    void profileNameOverridesName_data();
    void profileNameOverridesName();
    void typePredicates_data();
    void typePredicates();
    void specialIdentifiers_data();
    void specialIdentifiers();
    void equalityIsIdentity();
    void copiesShareGroupData();

    // The group element
    void writeGroup_data();
    void writeGroup();
    void groupIsLeftOpenForSwitchTimes();
    void readGroup_data();
    void readGroup();
    void groupsAreSkipped_data();
    void groupsAreSkipped();
    void groupSwitchTimes();
    void groupRoundTrip();

    // Actuators and datapoints
    void actuatorDefaults();
    void datapointIdText_data();
    void datapointIdText();
    void groupAddressText_data();
    void groupAddressText();
    void copiesShareActuatorData();

    // The actuator element
    void writeActuatorUseCase_data();
    void writeActuatorUseCase();
    void writeActuatorDatapoints();
    void readActuator();
    void actuatorAppId_data();
    void actuatorAppId();
    void readDatapoints_data();
    void readDatapoints();
    void readParameters_data();
    void readParameters();
    void actuatorRoundTrip();

    // JSON import, merging, sync and garbage collection of groups
    void groupsFromJson_data();
    void groupsFromJson();
    void groupFromJsonDefaults();
    void mergeAdminSettings_data();
    void mergeAdminSettings();
    void mergeProfileIgnoresFlags_data();
    void mergeProfileIgnoresFlags();
    void mergeMessages_data();
    void mergeMessages();
    void syncByHints_data();
    void syncByHints();
    void gcListsTimerValues();
};

// ---------------------------------------------------------------------------------------
// Group values

void tst_Devices::typeFromAddress_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<Group::GroupType>("type");

    QTest::newRow("lowest int is switching") << INT_MIN << Group::Switch;
    QTest::newRow("-1 is switching") << -1 << Group::Switch;
    QTest::newRow("0 is switching") << 0 << Group::Switch;
    QTest::newRow("just below 4/1/0 is switching") << 8447 << Group::Switch;
    QTest::newRow("4/1/0 is heating") << 8448 << Group::Heating;
    QTest::newRow("4/1/250 is heating") << 8698 << Group::Heating;
    QTest::newRow("4/1/251 is switching again") << 8699 << Group::Switch;
    QTest::newRow("5/0/7 is heating/cooling") << 10247 << Group::HeizenKuhlen;
    QTest::newRow("5/0/8 is switching") << 10248 << Group::Switch;
    QTest::newRow("5/1/199 is the last switching") << 10695 << Group::Switch;
    QTest::newRow("5/1/200 is the first blind") << 10696 << Group::Blind;
    QTest::newRow("5/1/247 is blind") << 10743 << Group::Blind;
    QTest::newRow("5/1/248 is panic") << 10744 << Group::Panik;
    QTest::newRow("5/1/249 is central off") << 10745 << Group::ZentralAus;
    QTest::newRow("5/1/250 is morning off") << 10746 << Group::MorgensAus;
    QTest::newRow("5/1/251 is evening on") << 10747 << Group::AbendsEin;
    QTest::newRow("5/1/252 is blind") << 10748 << Group::Blind;
    QTest::newRow("5/2/199 is the last blind") << 10951 << Group::Blind;
    QTest::newRow("5/2/200 is unknown") << 10952 << Group::Unknown;
    QTest::newRow("5/2/203 is unknown") << 10955 << Group::Unknown;
    QTest::newRow("5/2/204 is sun protection 1") << 10956 << Group::Sonnenschutz_1;
    QTest::newRow("5/2/206 is sun protection 1") << 10958 << Group::Sonnenschutz_1;
    QTest::newRow("5/2/207 is sun protection 2") << 10959 << Group::Sonnenschutz_2;
    QTest::newRow("5/2/209 is sun protection 2") << 10961 << Group::Sonnenschutz_2;
    QTest::newRow("5/2/210 is sun protection 3") << 10962 << Group::Sonnenschutz_3;
    QTest::newRow("5/2/212 is sun protection 3") << 10964 << Group::Sonnenschutz_3;
    QTest::newRow("5/2/213 is sun protection 4") << 10965 << Group::Sonnenschutz_4;
    QTest::newRow("5/2/215 is sun protection 4") << 10967 << Group::Sonnenschutz_4;
    QTest::newRow("5/2/216 is morning up") << 10968 << Group::MorgensAuf;
    QTest::newRow("5/2/217 is evening down") << 10969 << Group::AbendsAb;
    QTest::newRow("5/2/218 is central up/down") << 10970 << Group::ZentralAufAb;
    QTest::newRow("5/2/219 is unknown") << 10971 << Group::Unknown;
    QTest::newRow("5/2/252 is unknown") << 11004 << Group::Unknown;
    QTest::newRow("5/2/253 is switching") << 11005 << Group::Switch;
    QTest::newRow("5/2/254 is blind") << 11006 << Group::Blind;
    QTest::newRow("5/2/255 is heating") << 11007 << Group::Heating;
    QTest::newRow("5/3/0 is unknown") << 11008 << Group::Unknown;
    QTest::newRow("5/7/255 is unknown") << 12287 << Group::Unknown;
    QTest::newRow("6/0/0 is heating") << 12288 << Group::Heating;
    QTest::newRow("6/0/250 is heating") << 12538 << Group::Heating;
    QTest::newRow("6/0/251 is unknown") << 12539 << Group::Unknown;
    QTest::newRow("31/7/255 is unknown") << 65535 << Group::Unknown;
}

void tst_Devices::typeFromAddress()
{
    QFETCH(int, address);
    QFETCH(Group::GroupType, type);

    QCOMPARE(Group::typeFromAddress(address), type);
}

void tst_Devices::defaultGroup()
{
    const Group group;
    QVERIFY(!group.id().isNull());
    QVERIFY(Group().id() != group.id());
    QCOMPARE(group.name(), QString());
    QCOMPARE(group.address(), -1);
    QVERIFY(!group.hasValidAddress());
    QCOMPARE(group.type(), Group::Unknown);
    QCOMPARE(group.order(), -1);
    QVERIFY(group.runOnVacation());
    QVERIFY(group.registeredFunctions().isEmpty());
    QVERIFY(group.switchTimes().isEmpty());

    const Group named(QStringLiteral("Hall"), Group::Blind, 10700);
    QVERIFY(!named.id().isNull());
    QVERIFY(named.id() != group.id());
    QCOMPARE(named.name(), QStringLiteral("Hall"));
    QCOMPARE(named.type(), Group::Blind);
    QCOMPARE(named.address(), 10700);
    QCOMPARE(named.order(), -1);
    QVERIFY(named.runOnVacation());
}

void tst_Devices::addressTextConstructor_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("number");
    QTest::addColumn<Group::GroupType>("type");

    QTest::newRow("panic address") << QStringLiteral("5/1/248") << 10744 << Group::Panik;
    QTest::newRow("plain switching address") << QStringLiteral("1/1/1") << 2305 << Group::Switch;
    QTest::newRow("highest address") << QStringLiteral("31/7/255") << 65535 << Group::Unknown;
    QTest::newRow("two parts give no address") << QStringLiteral("1/2") << -1 << Group::Switch;
    QTest::newRow("four parts give no address")
        << QStringLiteral("1/2/3/4") << -1 << Group::Switch;
    QTest::newRow("empty text gives no address") << QString() << -1 << Group::Switch;
    QTest::newRow("empty middle part reads 0") << QStringLiteral("1//3") << 2051 << Group::Switch;
    QTest::newRow("parts that are no numbers read 0")
        << QStringLiteral("a/b/c") << 0 << Group::Switch;
}

void tst_Devices::addressTextConstructor()
{
    QFETCH(QString, address);
    QFETCH(int, number);
    QFETCH(Group::GroupType, type);

    const Group group(QString::fromLatin1(idText(someId)), QStringLiteral("Hall"), address);
    QCOMPARE(group.id(), someId);
    QCOMPARE(group.name(), QStringLiteral("Hall"));
    QCOMPARE(group.address(), number);
    QCOMPARE(group.type(), type);
    QCOMPARE(group.order(), -1);
    QVERIFY(group.runOnVacation());
}

void tst_Devices::fiveArgumentConstructorKeepsGivenType()
{
    const Group group(QString::fromLatin1(idText(someId)), QStringLiteral("Hall"), Group::Heating,
                      10744, 3);
    QCOMPARE(group.id(), someId);
    QCOMPARE(group.type(), Group::Heating);
    QCOMPARE(group.address(), 10744);
    QCOMPARE(group.order(), 3);
    QVERIFY(group.runOnVacation());

    const Group shortId(QStringLiteral("_0f1e2d3c"), QString(), Group::Switch, 0, -1);
    QVERIFY(shortId.id().isNull());
}

void tst_Devices::profileNameOverridesName_data()
{
    QTest::addColumn<QString>("profileName");
    QTest::addColumn<QString>("name");

    QTest::newRow("no profile name gives the administrator's")
        << QString() << QStringLiteral("Admin");
    QTest::newRow("profile name wins") << QStringLiteral("Mine") << QStringLiteral("Mine");
    QTest::newRow("profile name equal to administrator's")
        << QStringLiteral("Admin") << QStringLiteral("Admin");
}

void tst_Devices::profileNameOverridesName()
{
    QFETCH(QString, profileName);
    QFETCH(QString, name);

    Group group(QStringLiteral("Admin"), Group::Switch, 1);
    group.setName(profileName);
    QCOMPARE(group.name(), name);
}

void tst_Devices::typePredicates_data()
{
    QTest::addColumn<Group::GroupType>("type");
    QTest::addColumn<bool>("special");
    QTest::addColumn<bool>("weatherStation");

    QTest::newRow("unknown") << Group::Unknown << false << false;
    QTest::newRow("panic") << Group::Panik << true << false;
    QTest::newRow("central up/down") << Group::ZentralAufAb << true << false;
    QTest::newRow("sun protection 1") << Group::Sonnenschutz_1 << true << true;
    QTest::newRow("evening on") << Group::AbendsEin << true << true;
    QTest::newRow("heating/cooling") << Group::HeizenKuhlen << true << false;
    QTest::newRow("switching") << Group::Switch << false << false;
    QTest::newRow("heating") << Group::Heating << false << false;
}

void tst_Devices::typePredicates()
{
    QFETCH(Group::GroupType, type);
    QFETCH(bool, special);
    QFETCH(bool, weatherStation);

    const Group group(QStringLiteral("G"), type, 1);
    QCOMPARE(group.isSpecialGroup(), special);
    QCOMPARE(group.isWeatherStationGroup(), weatherStation);
}

void tst_Devices::specialIdentifiers_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("special");

    const char* const all[] = {
        Group::centralGroupId,   Group::panikGroupId,     Group::zentralAufAbId,
        Group::sonnenschutz_1Id, Group::sonnenschutz_2Id, Group::sonnenschutz_3Id,
        Group::sonnenschutz_4Id, Group::morgensAufId,     Group::abendsAbId,
        Group::morgensAusId,     Group::abendsEinId,      Group::heizenKuhlen,
    };
    for (const char* id : all)
        QTest::newRow(id) << QString::fromLatin1(id) << true;

    QTest::newRow("central identifier in capitals is not special")
        << QString::fromLatin1(Group::centralGroupId).toUpper() << false;
    QTest::newRow("central identifier without braces is not special")
        << QStringLiteral("e81add96-cfca-4174-a9d7-ea0a03d59200") << false;
    QTest::newRow("central identifier in file form is not special")
        << QString::fromLatin1(idText(Group::centralGroupId)) << false;
    QTest::newRow("empty text is not special") << QString() << false;
    QTest::newRow("another identifier is not special") << someId.toString() << false;
}

void tst_Devices::specialIdentifiers()
{
    QFETCH(QString, id);
    QFETCH(bool, special);

    QCOMPARE(Group::isSpecialGroup(id), special);
}

void tst_Devices::equalityIsIdentity()
{
    const QString id = QString::fromLatin1(idText(someId));
    const Group first(id, QStringLiteral("Hall"), Group::Switch, 5, 1);
    const Group twin(id, QStringLiteral("Hall"), Group::Switch, 5, 1);
    QVERIFY(!(first == twin));
    QVERIFY(first != twin);

    const Group copy = first;
    QVERIFY(copy == first);
    QVERIFY(!(copy != first));

    Group assigned = twin;
    QVERIFY(assigned == twin);
    assigned = first;
    QVERIFY(assigned == first);
    QVERIFY(assigned != twin);
}

void tst_Devices::copiesShareGroupData()
{
    Group group(QStringLiteral("Hall"), Group::Switch, 5);
    Group copy = group;
    copy.setAddress(10744);
    copy.setRunOnVacation(false);
    copy.setName(QStringLiteral("Mine"));
    copy.registeredFunctions().insert(someId);
    copy.switchTimes().append(SwitchTime());

    QCOMPARE(group.address(), 10744);
    QVERIFY(!group.runOnVacation());
    QCOMPARE(group.name(), QStringLiteral("Mine"));
    QCOMPARE(group.registeredFunctions(), QSet<QUuid>{someId});
    QCOMPARE(group.switchTimes().size(), 1);
    QCOMPARE(group.type(), Group::Switch); // the address does not retype a group
}

// ---------------------------------------------------------------------------------------
// The group element

void tst_Devices::writeGroup_data()
{
    QTest::addColumn<bool>("withVacation");
    QTest::addColumn<bool>("runOnVacation");
    QTest::addColumn<QString>("profileName");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("values");

    const QString id = uuidToString(someId);
    QTest::newRow("without vacation and profile name")
        << false << true << QString() << QStringList{"name", "address", "id"}
        << QStringList{"Admin", "-1", id};
    QTest::newRow("with vacation on")
        << true << true << QString() << QStringList{"name", "address", "id", "runOnVacation"}
        << QStringList{"Admin", "-1", id, "true"};
    QTest::newRow("with vacation off")
        << true << false << QString() << QStringList{"name", "address", "id", "runOnVacation"}
        << QStringList{"Admin", "-1", id, "false"};
    QTest::newRow("profile name last, in the profile namespace")
        << true << true << QStringLiteral("Mine")
        << QStringList{"name", "address", "id", "runOnVacation", "p:name"}
        << QStringList{"Admin", "-1", id, "true", "Mine"};
    QTest::newRow("profile name without vacation")
        << false << true << QStringLiteral("Mine") << QStringList{"name", "address", "id", "p:name"}
        << QStringList{"Admin", "-1", id, "Mine"};
    QTest::newRow("profile name equal to administrator's is not written")
        << false << true << QStringLiteral("Admin") << QStringList{"name", "address", "id"}
        << QStringList{"Admin", "-1", id};
    QTest::newRow("profile name differing in letter case is written")
        << false << true << QStringLiteral("ADMIN")
        << QStringList{"name", "address", "id", "p:name"}
        << QStringList{"Admin", "-1", id, "ADMIN"};
}

void tst_Devices::writeGroup()
{
    QFETCH(bool, withVacation);
    QFETCH(bool, runOnVacation);
    QFETCH(QString, profileName);
    QFETCH(QStringList, names);
    QFETCH(QStringList, values);

    Group group(uuidToString(someId), QStringLiteral("Admin"), Group::Switch, -1, 4);
    group.setRunOnVacation(runOnVacation);
    group.setName(profileName);
    group.registeredFunctions().insert(QUuid::createUuid());

    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        group.beginSerialize(w, withVacation);
        group.endSerialize(w);
    });
    const auto groups = testutil::elements(xml, QStringLiteral("group"));
    QCOMPARE(groups.size(), 1);
    QCOMPARE(testutil::names(groups.first()), names);
    QStringList written;
    for (const QString& name : names)
        written.append(testutil::value(groups.first(), name));
    QCOMPARE(written, values);
    QVERIFY(testutil::childNames(xml, QStringLiteral("group")).isEmpty());
}

void tst_Devices::groupIsLeftOpenForSwitchTimes()
{
    const Group group(QStringLiteral("Hall"), Group::Switch, 1);
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        group.beginSerialize(w, true);
        w->writeEmptyElement(QStringLiteral("switchTime"));
        group.endSerialize(w);
        w->writeEmptyElement(QStringLiteral("after"));
    });
    QCOMPARE(testutil::childNames(xml, QStringLiteral("group")), QStringList{"switchTime"});
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             (QStringList{"group", "after"}));
}

void tst_Devices::readGroup_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("address");
    QTest::addColumn<Group::GroupType>("type");

    const QByteArray id = idText(someId);
    QTest::newRow("plain group")
        << "<group name=\"Hall\" address=\"2305\" id=\"" + id + "\"/>" << QStringLiteral("Hall")
        << 2305 << Group::Switch;
    QTest::newRow("group inside groups container")
        << "<groups><group name=\"Hall\" address=\"10700\" id=\"" + id + "\"/></groups>"
        << QStringLiteral("Hall") << 10700 << Group::Blind;
    QTest::newRow("element name in capitals")
        << "<GROUP name=\"Hall\" address=\"12288\" id=\"" + id + "\"/>" << QStringLiteral("Hall")
        << 12288 << Group::Heating;
    QTest::newRow("type follows the address, also for special addresses")
        << "<group name=\"Alarm\" address=\"10744\" id=\"" + id + "\"/>"
        << QStringLiteral("Alarm") << 10744 << Group::Panik;
    QTest::newRow("missing address reads 0 and switching")
        << "<group name=\"Hall\" id=\"" + id + "\"/>" << QStringLiteral("Hall") << 0
        << Group::Switch;
    QTest::newRow("address that is no number reads 0")
        << "<group name=\"Hall\" address=\"5/1/248\" id=\"" + id + "\"/>"
        << QStringLiteral("Hall") << 0 << Group::Switch;
    QTest::newRow("profile name is read from the profile namespace")
        << "<group name=\"Hall\" p:name=\"Mine\" address=\"1\" id=\"" + id + "\"/>"
        << QStringLiteral("Mine") << 1 << Group::Switch;
    QTest::newRow("name in the cache namespace is no profile name")
        << "<group name=\"Hall\" c:name=\"Mine\" address=\"1\" id=\"" + id + "\"/>"
        << QStringLiteral("Hall") << 1 << Group::Switch;
}

void tst_Devices::readGroup()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(int, address);
    QFETCH(Group::GroupType, type);

    const Project project = testutil::readContent(content);
    QCOMPARE(project.groups().size(), 1);
    const Group group = project.groups().first();
    QCOMPARE(group.id(), someId);
    QCOMPARE(group.name(), name);
    QCOMPARE(group.address(), address);
    QCOMPARE(group.type(), type);
    QCOMPARE(group.order(), -1);
    QVERIFY(group.registeredFunctions().isEmpty());
}

void tst_Devices::groupsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<QUuid>>("ids");

    const QByteArray id = idText(someId);
    const QUuid otherId = QUuid::createUuid();
    const QByteArray other = idText(otherId);
    QTest::newRow("central group is ignored whatever its address")
        << "<group name=\"Zentral\" address=\"2305\" id=\"" + idText(Group::centralGroupId)
               + "\"/><group name=\"Hall\" address=\"1\" id=\"" + id + "\"/>"
        << QList<QUuid>{someId};
    QTest::newRow("sun protection group is ignored")
        << "<group name=\"Sonne\" address=\"10956\" id=\"" + idText(Group::sonnenschutz_1Id)
               + "\"/>"
        << QList<QUuid>{};
    QTest::newRow("heating/cooling group is ignored")
        << "<group name=\"HK\" address=\"10247\" id=\"" + idText(Group::heizenKuhlen) + "\"/>"
        << QList<QUuid>{};
    QTest::newRow("negative address is dropped")
        << "<group name=\"Bad\" address=\"-5\" id=\"" + other + "\"/><group name=\"Hall\" "
               "address=\"0\" id=\"" + id + "\"/>"
        << QList<QUuid>{someId};
    QTest::newRow("groups keep the file's order")
        << "<group address=\"2\" id=\"" + other + "\"/><groups><group address=\"1\" id=\"" + id
               + "\"/></groups>"
        << QList<QUuid>{otherId, someId};
    QTest::newRow("group inside an unknown element is not read")
        << "<extra><group address=\"1\" id=\"" + id + "\"/></extra>" << QList<QUuid>{};
}

void tst_Devices::groupsAreSkipped()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<QUuid>, ids);

    bool error = true;
    const Project project = testutil::read(testutil::document(content), &error);
    QVERIFY(!error);
    QList<QUuid> read;
    for (const Group& group : project.groups())
        read.append(group.id());
    QCOMPARE(read, ids);
}

void tst_Devices::groupSwitchTimes()
{
    const QByteArray content =
        "<group name=\"Hall\" address=\"1\" id=\"" + idText(someId)
        + "\"><switchTime/><SWITCHTIME/><extra><switchTime/></extra><p:switchTime/></group>"
          "<group name=\"Skip\" address=\"1\" id=\""
        + idText(Group::panikGroupId) + "\"><switchTime/></group>";
    const Project project = testutil::readContent(content);
    QCOMPARE(project.groups().size(), 1);
    // The handler filled the group that sits in the project's list.
    QCOMPARE(project.groups().first().switchTimes().size(), 3);
}

void tst_Devices::groupRoundTrip()
{
    Group group(uuidToString(someId), QStringLiteral("Küche"), Group::Blind, 10700, 2);
    group.setName(QStringLiteral("Meine Küche"));
    group.setRunOnVacation(false);

    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        group.beginSerialize(w, true);
        group.endSerialize(w);
    });
    const Project project = testutil::read(xml);
    QCOMPARE(project.groups().size(), 1);
    const Group read = project.groups().first();
    QVERIFY(read != group);
    QCOMPARE(read.id(), someId);
    QCOMPARE(read.name(), QStringLiteral("Meine Küche"));
    QCOMPARE(read.address(), 10700);
    QCOMPARE(read.type(), Group::Blind);
    // runOnVacation is written for the device, not read back.
    QVERIFY(read.runOnVacation());

    // The administrator's name survives beside the profile name.
    const QByteArray again = testutil::write([&](QXmlStreamWriter* w) {
        read.beginSerialize(w, false);
        read.endSerialize(w);
    });
    const auto attributes = testutil::elements(again, QStringLiteral("group")).first();
    QCOMPARE(testutil::value(attributes, QStringLiteral("name")), QStringLiteral("Küche"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("p:name")), QStringLiteral("Meine Küche"));
}

// ---------------------------------------------------------------------------------------
// Actuators and datapoints

void tst_Devices::actuatorDefaults()
{
    const Actuator none;
    QVERIFY(none.isNull());
    QCOMPARE(none.useCase(), -1);
    QCOMPARE(none.appId(), -1);
    QVERIFY(none.name().isEmpty());
    QVERIFY(none.datapoints().isEmpty());
    QVERIFY(none.parameters().isEmpty());

    const Actuator actuator(someId, QStringLiteral("Lamp"), QStringLiteral("on.png"),
                            QStringLiteral("off.png"));
    QVERIFY(!actuator.isNull());
    QCOMPARE(actuator.id(), someId);
    QCOMPARE(actuator.name(), QStringLiteral("Lamp"));
    QCOMPARE(actuator.onIcon(), QStringLiteral("on.png"));
    QCOMPARE(actuator.offIcon(), QStringLiteral("off.png"));
    QCOMPARE(actuator.useCase(), -1);
    QCOMPARE(actuator.appId(), -1);

    const Datapoint datapoint;
    QVERIFY(datapoint.id().isNull());
    QVERIFY(datapoint.role().isEmpty());
    QCOMPARE(datapoint.address(), 0);
}

void tst_Devices::datapointIdText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUuid>("id");

    QTest::newRow("braced form") << someId.toString() << someId;
    QTest::newRow("without braces") << someId.toString(QUuid::WithoutBraces) << someId;
    QTest::newRow("file form is no identifier here") << uuidToString(someId) << QUuid();
    QTest::newRow("garbage") << QStringLiteral("lamp") << QUuid();
}

void tst_Devices::datapointIdText()
{
    QFETCH(QString, text);
    QFETCH(QUuid, id);

    const Datapoint datapoint(text, QStringLiteral("switch"), 7);
    QCOMPARE(datapoint.id(), id);
    QCOMPARE(datapoint.role(), QStringLiteral("switch"));
    QCOMPARE(datapoint.address(), 7);
}

void tst_Devices::groupAddressText_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << QStringLiteral("0/0/0");
    QTest::newRow("2305") << 2305 << QStringLiteral("1/1/1");
    QTest::newRow("main group 17 is not negative") << 34816 << QStringLiteral("17/0/0");
    QTest::newRow("highest address") << 65535 << QStringLiteral("31/7/255");
    QTest::newRow("bits above 16 are dropped") << 65536 + 2305 << QStringLiteral("1/1/1");
    QTest::newRow("-1 gives its low 16 bits") << -1 << QStringLiteral("31/7/255");
}

void tst_Devices::groupAddressText()
{
    QFETCH(int, address);
    QFETCH(QString, text);

    QCOMPARE(Datapoint(QString(), QString(), address).groupAddress(), text);
}

void tst_Devices::copiesShareActuatorData()
{
    Actuator actuator(someId, QStringLiteral("Lamp"), QString(), QString());
    Actuator copy = actuator;
    copy.setAppId(ProjectEnum::Model_4832);
    copy.setUseCase(3);
    copy.setParameter(QStringLiteral("delay"), 5);
    copy.setParameter(QStringLiteral("delay"), 6);
    copy.datapoints().insert(QStringLiteral("switch"), Datapoint());

    QCOMPARE(actuator.appId(), int(ProjectEnum::Model_4832));
    QCOMPARE(actuator.useCase(), 3);
    QCOMPARE(actuator.parameters().size(), 1);
    QCOMPARE(actuator.parameters().value(QStringLiteral("delay")), QVariant(6));
    QCOMPARE(actuator.datapoints().keys(), QStringList{"switch"});
}

// ---------------------------------------------------------------------------------------
// The actuator element

void tst_Devices::writeActuatorUseCase_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("written");

    QTest::newRow("use case not set is not written")
        << -1 << QStringList{"id", "name", "onIcon", "offIcon"} << QString();
    QTest::newRow("use case 0 is written")
        << 0 << QStringList{"id", "name", "onIcon", "offIcon", "useCase"} << QStringLiteral("0");
    QTest::newRow("use case 12 is written")
        << 12 << QStringList{"id", "name", "onIcon", "offIcon", "useCase"} << QStringLiteral("12");
}

void tst_Devices::writeActuatorUseCase()
{
    QFETCH(int, useCase);
    QFETCH(QStringList, names);
    QFETCH(QString, written);

    // Empty name and icons are still written.
    Actuator actuator(someId, QString(), QString(), QString());
    actuator.setUseCase(useCase);
    actuator.setAppId(ProjectEnum::Model_0675);
    actuator.setParameter(QStringLiteral("delay"), 5);
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) { actuator.serialize(w); });

    const auto actuators = testutil::elements(xml, QStringLiteral("actuator"));
    QCOMPARE(actuators.size(), 1);
    QCOMPARE(testutil::names(actuators.first()), names);
    QCOMPARE(testutil::value(actuators.first(), QStringLiteral("id")), uuidToString(someId));
    QCOMPARE(testutil::value(actuators.first(), QStringLiteral("name")), QString(""));
    QCOMPARE(testutil::value(actuators.first(), QStringLiteral("useCase")), written);
    QVERIFY(testutil::childNames(xml, QStringLiteral("actuator")).isEmpty());
}

void tst_Devices::writeActuatorDatapoints()
{
    Actuator actuator(someId, QStringLiteral("Lamp"), QStringLiteral("on"), QStringLiteral("off"));
    const QUuid first = QUuid::createUuid();
    const QUuid second = QUuid::createUuid();
    actuator.datapoints().insert(QStringLiteral("switch"),
                                 Datapoint(first.toString(), QStringLiteral("switch"), 2305));
    // The table's key is written as the role.
    actuator.datapoints().insert(QStringLiteral("state"),
                                 Datapoint(second.toString(), QStringLiteral("other"), 65535));
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        actuator.serialize(w);
        w->writeEmptyElement(QStringLiteral("after"));
    });

    QCOMPARE(testutil::childNames(xml, QStringLiteral("actuator")),
             (QStringList{"datapoint", "datapoint"}));
    QStringList lines;
    for (const auto& attributes : testutil::elements(xml, QStringLiteral("datapoint"))) {
        QCOMPARE(testutil::names(attributes), (QStringList{"id", "role", "address"}));
        lines.append(testutil::value(attributes, QStringLiteral("role")) + QLatin1Char(' ')
                     + testutil::value(attributes, QStringLiteral("id")) + QLatin1Char(' ')
                     + testutil::value(attributes, QStringLiteral("address")));
    }
    lines.sort(); // the table has no defined order
    QCOMPARE(lines, (QStringList{"state " + uuidToString(second) + " 65535",
                                 "switch " + uuidToString(first) + " 2305"}));
}

void tst_Devices::readActuator()
{
    const QByteArray content = "<actuators><actuator id=\"" + idText(someId)
                               + "\" name=\"Lamp\" onIcon=\"on\" offIcon=\"off\" useCase=\"4\"/>"
                                 "<ACTUATOR/></actuators>";
    const Project project = testutil::readContent(content);
    QCOMPARE(project.actuators().size(), 2);
    const Actuator actuator = project.actuators().first();
    QCOMPARE(actuator.id(), someId);
    QCOMPARE(actuator.name(), QStringLiteral("Lamp"));
    QCOMPARE(actuator.onIcon(), QStringLiteral("on"));
    QCOMPARE(actuator.offIcon(), QStringLiteral("off"));
    // The use case is read from parameters, not from the attribute.
    QCOMPARE(actuator.useCase(), -1);

    const Actuator bare = project.actuators().last();
    QVERIFY(bare.isNull());
    QVERIFY(bare.name().isEmpty());
    QVERIFY(bare.onIcon().isEmpty());
    QVERIFY(bare.offIcon().isEmpty());
}

void tst_Devices::actuatorAppId_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("appIds");

    QTest::newRow("actuator before any device") << QByteArray("<actuator/>") << QList<int>{-1};
    QTest::newRow("actuator inside a device")
        << QByteArray("<devices><device appId=\"18482\"><actuator/></device></devices>")
        << QList<int>{18482};
    QTest::newRow("actuator after a closed device keeps its app id")
        << QByteArray("<device appId=\"1573\"/><actuators><actuator/></actuators>")
        << QList<int>{1573};
    QTest::newRow("the next device start tag changes the app id")
        << QByteArray("<actuator/><device appId=\"1573\"><actuator/></device>"
                      "<device appId=\"1653\"><actuator/></device><actuator/>")
        << QList<int>{-1, 1573, 1653, 1653};
    QTest::newRow("device without app id gives 0")
        << QByteArray("<device><actuator/></device>") << QList<int>{0};
}

void tst_Devices::actuatorAppId()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, appIds);

    const Project project = testutil::readContent(content);
    QList<int> read;
    for (const Actuator& actuator : project.actuators())
        read.append(actuator.appId());
    QCOMPARE(read, appIds);
}

void tst_Devices::readDatapoints_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QStringList>("datapoints");

    const QUuid first = QUuid(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    const QUuid second = QUuid(QStringLiteral("{66666666-7777-8888-9999-aaaaaaaaaaaa}"));
    const QString firstLine = QStringLiteral(" {11111111-2222-3333-4444-555555555555} ");
    const QString secondLine = QStringLiteral(" {66666666-7777-8888-9999-aaaaaaaaaaaa} ");

    QTest::newRow("one datapoint")
        << "<datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"2305\"/>"
        << QStringList{QStringLiteral("switch") + firstLine + QStringLiteral("1/1/1")};
    QTest::newRow("same role twice keeps the second")
        << "<datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"1\"/>"
           "<datapoint id=\"" + idText(second) + "\" role=\"switch\" address=\"2\"/>"
        << QStringList{QStringLiteral("switch") + secondLine + QStringLiteral("0/0/2")};
    QTest::newRow("roles differing in letter case are two datapoints")
        << "<datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"1\"/>"
           "<datapoint id=\"" + idText(second) + "\" role=\"Switch\" address=\"2\"/>"
        << QStringList{QStringLiteral("Switch") + secondLine + QStringLiteral("0/0/2"),
                       QStringLiteral("switch") + firstLine + QStringLiteral("0/0/1")};
    QTest::newRow("missing address reads 0")
        << "<datapoint id=\"" + idText(first) + "\" role=\"switch\"/>"
        << QStringList{QStringLiteral("switch") + firstLine + QStringLiteral("0/0/0")};
    QTest::newRow("address that is no number reads 0")
        << "<datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"1/1/1\"/>"
        << QStringList{QStringLiteral("switch") + firstLine + QStringLiteral("0/0/0")};
    QTest::newRow("missing id gives the null id")
        << QByteArray("<datapoint role=\"switch\" address=\"1\"/>")
        << QStringList{QStringLiteral("switch {00000000-0000-0000-0000-000000000000} 0/0/1")};
    QTest::newRow("element name in capitals and another namespace")
        << "<c:DATAPOINT id=\"" + idText(first) + "\" role=\"switch\" address=\"1\"/>"
        << QStringList{QStringLiteral("switch") + firstLine + QStringLiteral("0/0/1")};
    QTest::newRow("datapoint below an unknown child is not read")
        << "<extra><datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"1\"/></extra>"
        << QStringList{};
    QTest::newRow("children of a datapoint are not read")
        << "<datapoint id=\"" + idText(first) + "\" role=\"a\" address=\"1\"><datapoint id=\""
               + idText(second) + "\" role=\"b\" address=\"2\"/></datapoint>"
        << QStringList{QStringLiteral("a") + firstLine + QStringLiteral("0/0/1")};
}

void tst_Devices::readDatapoints()
{
    QFETCH(QByteArray, children);
    QFETCH(QStringList, datapoints);

    const Project project = testutil::readContent("<actuator>" + children + "</actuator>");
    QCOMPARE(project.actuators().size(), 1);
    QStringList lines;
    const auto& table = project.actuators().first().datapoints();
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        QCOMPARE(it.value().role(), it.key());
        lines.append(it.key() + QLatin1Char(' ') + it.value().id().toString() + QLatin1Char(' ')
                     + it.value().groupAddress());
    }
    lines.sort();
    QCOMPARE(lines, datapoints);
}

void tst_Devices::readParameters_data()
{
    QTest::addColumn<int>("appId");
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<QStringList>("parameters");

    const int dimmer = ProjectEnum::Model_0675;
    const int blind = ProjectEnum::Model_4851;
    const int switcher = ProjectEnum::Model_0625;
    const int heating = ProjectEnum::Model_4864;
    const int split = ProjectEnum::Model_4832;

    QTest::newRow("dimmer: farbsteuerung is the use case")
        << dimmer << QByteArray("<parameter name=\"farbsteuerung\" type=\"int\" value=\"3\"/>")
        << 3 << QStringList{};
    QTest::newRow("dimmer: farbsteuerung in any letter case")
        << dimmer << QByteArray("<parameter name=\"FarbSteuerung\" value=\"2\"/>") << 2
        << QStringList{};
    QTest::newRow("dimmer: other parameters are ignored")
        << dimmer
        << QByteArray("<parameter name=\"useCase\" type=\"int\" value=\"3\"/>"
                      "<parameter name=\"delay\" type=\"int\" value=\"4\"/>")
        << -1 << QStringList{};
    QTest::newRow("dimmer: use case value that is no number reads 0")
        << dimmer << QByteArray("<parameter name=\"farbsteuerung\" value=\"rgb\"/>") << 0
        << QStringList{};
    QTest::newRow("blind: useCase is the use case")
        << blind << QByteArray("<parameter name=\"USECASE\" type=\"int\" value=\"5\"/>") << 5
        << QStringList{};
    QTest::newRow("blind: farbsteuerung is ignored")
        << blind << QByteArray("<parameter name=\"farbsteuerung\" type=\"int\" value=\"5\"/>")
        << -1 << QStringList{};
    QTest::newRow("switch: farbsteuerung stays a typed parameter")
        << switcher << QByteArray("<parameter name=\"farbsteuerung\" type=\"int\" value=\"3\"/>")
        << -1 << QStringList{"farbsteuerung=int:3"};
    QTest::newRow("switch: useCase stays a typed parameter")
        << switcher << QByteArray("<parameter name=\"useCase\" type=\"int\" value=\"3\"/>")
        << -1 << QStringList{"useCase=int:3"};
    QTest::newRow("heating: typed parameters by Qt type name")
        << heating
        << QByteArray("<parameter name=\"eco\" type=\"bool\" value=\"yes\"/>"
                      "<parameter name=\"label\" type=\"QString\" value=\"Bad\"/>"
                      "<parameter name=\"offset\" type=\"double\" value=\"0.5\"/>")
        << -1 << QStringList{"eco=bool:true", "label=QString:Bad", "offset=double:0.5"};
    QTest::newRow("split unit: parameters are typed")
        << split << QByteArray("<parameter name=\"mode\" type=\"uint\" value=\"2\"/>") << -1
        << QStringList{"mode=uint:2"};
    QTest::newRow("no device: unknown type name keeps the text")
        << -1 << QByteArray("<parameter name=\"mode\" type=\"NoSuchType\" value=\"2\"/>") << -1
        << QStringList{"mode=QString:2"};
    QTest::newRow("no device: unconvertible text is stored as it comes")
        << -1 << QByteArray("<parameter name=\"mode\" type=\"int\" value=\"two\"/>") << -1
        << QStringList{"mode=:"};
    QTest::newRow("the same name twice keeps the second")
        << switcher
        << QByteArray("<parameter name=\"delay\" type=\"int\" value=\"1\"/>"
                      "<PARAMETER name=\"delay\" type=\"int\" value=\"2\"/>")
        << -1 << QStringList{"delay=int:2"};
    QTest::newRow("parameter below an unknown child is not read")
        << switcher
        << QByteArray("<extra><parameter name=\"delay\" type=\"int\" value=\"1\"/></extra>")
        << -1 << QStringList{};
}

void tst_Devices::readParameters()
{
    QFETCH(int, appId);
    QFETCH(QByteArray, children);
    QFETCH(int, useCase);
    QFETCH(QStringList, parameters);

    const Project project = testutil::readContent(
        "<device appId=\"" + QByteArray::number(appId) + "\"><actuator>" + children
        + "</actuator></device>");
    QCOMPARE(project.actuators().size(), 1);
    const Actuator actuator = project.actuators().first();
    QCOMPARE(actuator.appId(), appId);
    QCOMPARE(actuator.useCase(), useCase);
    QCOMPARE(describe(actuator.parameters()), parameters);
}

void tst_Devices::actuatorRoundTrip()
{
    const QUuid first = QUuid::createUuid();
    const QUuid second = QUuid::createUuid();
    const QByteArray content =
        "<device appId=\"" + QByteArray::number(ProjectEnum::Model_0675) + "\"><actuator id=\""
        + idText(someId) + "\" name=\"K\xc3\xbc" "chenlicht\" onIcon=\"on\" offIcon=\"\">"
        "<parameter name=\"farbsteuerung\" value=\"3\"/>"
        "<datapoint id=\"" + idText(first) + "\" role=\"switch\" address=\"2305\"/>"
        "<datapoint id=\"" + idText(second) + "\" role=\"state\" address=\"34816\"/>"
        "</actuator></device>";
    const Actuator original = testutil::readContent(content).actuators().value(0);
    QCOMPARE(original.useCase(), 3);

    const QByteArray xml =
        testutil::write([&](QXmlStreamWriter* w) { original.serialize(w); });
    const auto attributes = testutil::elements(xml, QStringLiteral("actuator")).value(0);
    QCOMPARE(testutil::names(attributes),
             (QStringList{"id", "name", "onIcon", "offIcon", "useCase"}));
    QCOMPARE(testutil::value(attributes, QStringLiteral("useCase")), QStringLiteral("3"));

    // Written documents carry no device element, so the second read has neither app id
    // nor use case; identity, name, icons and datapoints come back.
    const Project project = testutil::read(xml);
    QCOMPARE(project.actuators().size(), 1);
    const Actuator read = project.actuators().first();
    QCOMPARE(read.id(), someId);
    QCOMPARE(read.name(), QStringLiteral("K\u00fcchenlicht"));
    QCOMPARE(read.onIcon(), QStringLiteral("on"));
    QCOMPARE(read.offIcon(), QString());
    QCOMPARE(read.appId(), -1);
    QVERIFY(read.parameters().isEmpty());

    QStringList keys = read.datapoints().keys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"state", "switch"}));
    QCOMPARE(read.datapoints().value(QStringLiteral("switch")).id(), first);
    QCOMPARE(read.datapoints().value(QStringLiteral("switch")).address(), 2305);
    QCOMPARE(read.datapoints().value(QStringLiteral("state")).id(), second);
    QCOMPARE(read.datapoints().value(QStringLiteral("state")).groupAddress(),
             QStringLiteral("17/0/0"));
}

// ---------------------------------------------------------------------------------------
// JSON import, merging, sync and garbage collection of groups

void tst_Devices::groupsFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("groups"); // "id name address type switch-time-count"

    const QByteArray id = idText(someId);
    const QString line = uuidToString(someId) + QLatin1Char(' ');
    QTest::newRow("one group")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":\"1/1/1\"}]"
        << QStringList{line + "Hall 2305 Switch 0"};
    QTest::newRow("address 5/1/248 is panic")
        << "[{\"id\":\"" + id + "\",\"name\":\"A\",\"address\":\"5/1/248\"}]"
        << QStringList{line + "A 10744 Panik 0"};
    QTest::newRow("address 4/1/7 is heating")
        << "[{\"id\":\"" + id + "\",\"name\":\"H\",\"address\":\"4/1/7\"}]"
        << QStringList{line + "H 8455 Heating 0"};
    QTest::newRow("numeric address is skipped")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":2305}]" << QStringList{};
    QTest::newRow("missing address is skipped")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\"}]" << QStringList{};
    QTest::newRow("two-part address is skipped")
        << "[{\"id\":\"" + id + "\",\"address\":\"1/1\"}]" << QStringList{};
    QTest::newRow("entries that are no objects are skipped")
        << "[1,\"x\",[],{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":\"0/0/1\"}]"
        << QStringList{line + "Hall 1 Switch 0"};
    QTest::newRow("special identifiers are kept")
        << "[{\"id\":\"" + idText(Group::centralGroupId)
               + "\",\"name\":\"Z\",\"address\":\"5/1/249\"}]"
        << QStringList{uuidToString(QUuid(QLatin1String(Group::centralGroupId)))
                       + " Z 10745 ZentralAus 0"};
    QTest::newRow("identifier and name that are no strings read empty")
        << QByteArray("[{\"id\":5,\"name\":true,\"address\":\"0/0/2\"}]")
        << QStringList{uuidToString(QUuid()) + "  2 Switch 0"};
    QTest::newRow("only valid switch-time objects are taken")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":\"0/0/1\",\"switchtimes\":"
           "[{},{\"id\":\"_12\"},3,{\"id\":\"" + idText(QUuid::createUuid()) + "\"}]}]"
        << QStringList{line + "Hall 1 Switch 2"};
    QTest::newRow("the switch-time key is matched exactly")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":\"0/0/1\",\"switchTimes\":[{}]}]"
        << QStringList{line + "Hall 1 Switch 0"};
    QTest::newRow("switch times that are no array are ignored")
        << "[{\"id\":\"" + id + "\",\"name\":\"Hall\",\"address\":\"0/0/1\",\"switchtimes\":{}}]"
        << QStringList{line + "Hall 1 Switch 0"};
    QTest::newRow("groups keep the array order")
        << "[{\"id\":\"" + id + "\",\"name\":\"B\",\"address\":\"0/0/2\"},"
           "{\"id\":\"" + id + "\",\"name\":\"A\",\"address\":\"0/0/1\"}]"
        << QStringList{line + "B 2 Switch 0", line + "A 1 Switch 0"};
}

void tst_Devices::groupsFromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, groups);

    const QJsonDocument document = QJsonDocument::fromJson(json);
    QVERIFY(document.isArray());
    QStringList lines;
    for (const Group& group : Group::fromJson(document.array())) {
        lines.append(QStringList{uuidToString(group.id()), group.name(),
                                 QString::number(group.address()),
                                 QLatin1String(QMetaEnum::fromType<Group::GroupType>().valueToKey(
                                     group.type())),
                                 QString::number(group.switchTimes().size())}
                         .join(QLatin1Char(' ')));
    }
    QCOMPARE(lines, groups);
}

void tst_Devices::groupFromJsonDefaults()
{
    const QJsonArray array{QJsonObject{{"id", uuidToString(someId)}, {"name", "Hall"},
                                       {"address", "5/1/200"}}};
    const QList<Group> groups = Group::fromJson(array);
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups.first().order(), -1);
    QVERIFY(groups.first().runOnVacation());
    QVERIFY(groups.first().registeredFunctions().isEmpty());
    // No profile name: the written element carries the administrator's name only.
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* w) {
        groups.first().beginSerialize(w, false);
        groups.first().endSerialize(w);
    });
    QCOMPARE(testutil::names(testutil::elements(xml, QStringLiteral("group")).first()),
             (QStringList{"name", "address", "id"}));
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
    QTest::newRow("equal flags and no switch times") << false << true << true << 0 << 0 << false;
    QTest::newRow("equal flags off and no switch times")
        << false << false << false << 0 << 0 << false;
    QTest::newRow("run-on-vacation differs") << false << true << false << 0 << 0 << true;
    QTest::newRow("switch-time counts differ") << false << true << true << 0 << 1 << true;
    QTest::newRow("switch times dropped") << false << true << true << 2 << 0 << true;
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
    QFETCH(bool, changed);

    Group group(QStringLiteral("Hall"), Group::Switch, 1);
    group.setName(QStringLiteral("Mine"));
    group.setRunOnVacation(ownFlag);
    Group other(QStringLiteral("Other"), Group::Blind, 10700);
    other.setRunOnVacation(otherFlag);
    for (int i = 0; i < otherCount; ++i)
        other.switchTimes().append(SwitchTime());
    // With equal counts, this group holds the very same entries as other.
    for (int i = 0; i < ownCount; ++i)
        group.switchTimes().append(i < otherCount ? other.switchTimes().at(i) : SwitchTime());
    const QList<SwitchTime> otherBefore = other.switchTimes();

    QCOMPARE(group.mergeAdminSettings(other, force), changed);

    QCOMPARE(group.switchTimes(), otherBefore);
    QCOMPARE(group.runOnVacation(), otherFlag);
    QCOMPARE(group.name(), QStringLiteral("Mine"));
    QCOMPARE(group.address(), 1);
    QCOMPARE(other.switchTimes(), otherBefore);
    QCOMPARE(other.runOnVacation(), otherFlag);
    QCOMPARE(other.name(), QStringLiteral("Other"));

    // The list is a copy; its entries are shared.
    other.switchTimes().append(SwitchTime());
    QCOMPARE(group.switchTimes().size(), otherCount);
    if (otherCount > 0) {
        other.switchTimes().first().setValue(42);
        QCOMPARE(group.switchTimes().first().value(), 42.0);
    }
}

void tst_Devices::mergeProfileIgnoresFlags_data()
{
    QTest::addColumn<bool>("keepOwnValues");
    QTest::addColumn<bool>("adoptStructure");

    QTest::newRow("taking over") << false << false;
    QTest::newRow("keeping own values") << true << false;
    QTest::newRow("adopting structure") << false << true;
    QTest::newRow("keeping own values and adopting structure") << true << true;
}

void tst_Devices::mergeProfileIgnoresFlags()
{
    QFETCH(bool, keepOwnValues);
    QFETCH(bool, adoptStructure);

    Group group(QStringLiteral("Hall"), Group::Switch, 1);
    group.setName(QStringLiteral("Mine"));
    group.switchTimes().append(SwitchTime());
    Group other(QStringLiteral("Flur"), Group::Blind, 10700);
    other.setName(QStringLiteral("Theirs"));
    other.setRunOnVacation(false);
    other.switchTimes().append(SwitchTime());

    group.mergeProfile(other, keepOwnValues, adoptStructure);

    QCOMPARE(group.name(), QStringLiteral("Mine")); // the profile name stays
    QCOMPARE(group.switchTimes(), other.switchTimes());
    QVERIFY(!group.runOnVacation());
    QCOMPARE(group.address(), 1);
    QCOMPARE(group.type(), Group::Switch);
    group.setName(QString());
    QCOMPARE(group.name(), QStringLiteral("Flur")); // the administrator's name was taken
    QCOMPARE(other.name(), QStringLiteral("Theirs"));
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

    Group group(uuidToString(someId), QStringLiteral("Hall"), Group::Switch, 1, -1);
    group.setName(QStringLiteral("Mine"));
    Group other(QStringLiteral("Other"), Group::Switch, 2);
    for (int i = 0; i < otherCount; ++i)
        other.switchTimes().append(SwitchTime());

    QStringList printed;
    {
        MessageLog log;
        for (const SwitchTime& switchTime : other.switchTimes())
            switchTime.print();
        printed = MessageLog::messages();
    }
    if (printed.isEmpty())
        printed.append(QStringLiteral(">> No switchtimes"));

    const QString id = QLatin1Char('"') + uuidToString(someId) + QLatin1Char('"');
    QStringList expected;
    MessageLog log;
    if (profile) {
        group.mergeProfile(other, true, false);
        expected << QStringLiteral(">> MERGE PROFILE group  ") + id
                        + QStringLiteral("  with name  \"Hall\"")
                 << QStringLiteral(">> No switchtimes")
                 << QStringLiteral(">> END MERGE PROFILE group  ") + id << printed;
    } else {
        group.mergeAdminSettings(other, false);
        expected << QStringLiteral(">> MERGE ADMIN SETTINGS group  ") + id
                        + QStringLiteral("  with name  \"Hall\"")
                 << QStringLiteral(">> No switchtimes")
                 << QStringLiteral(">> END MERGE ADMIN SETTINGS group  ") + id
                        + QStringLiteral("  with name  \"Hall\"")
                 << printed;
    }
    QCOMPARE(MessageLog::messages(), expected);
    for (QtMsgType type : MessageLog::types())
        QCOMPARE(type, QtDebugMsg);
}

void tst_Devices::syncByHints_data()
{
    QTest::addColumn<int>("hints"); // a Project::SyncHints value
    QTest::addColumn<bool>("admin");
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<bool>("profileName");

    QTest::newRow("no hint takes nothing") << 0 << false << false << false;
    QTest::newRow("admin settings take name and address")
        << int(Project::SyncAdminSettings) << true << false << false;
    QTest::newRow("profile takes schedule and profile name")
        << int(Project::SyncProfile) << false << true << true;
    QTest::newRow("schedules take the schedule only")
        << int(Project::SyncSchedules) << false << true << false;
    QTest::newRow("admin settings and profile")
        << int(Project::SyncAdminSettings | Project::SyncProfile) << true << true << true;
    QTest::newRow("admin settings and schedules")
        << int(Project::SyncAdminSettings | Project::SyncSchedules) << true << true << false;
    QTest::newRow("profile and schedules")
        << int(Project::SyncProfile | Project::SyncSchedules) << false << true << true;
    QTest::newRow("all hints")
        << int(Project::SyncAdminSettings | Project::SyncProfile | Project::SyncSchedules) << true
        << true << true;
}

void tst_Devices::syncByHints()
{
    QFETCH(int, hints);
    QFETCH(bool, admin);
    QFETCH(bool, schedule);
    QFETCH(bool, profileName);

    const QUuid function = QUuid::createUuid();
    Group group(uuidToString(someId), QStringLiteral("Hall"), Group::Switch, 1, 3);
    group.setName(QStringLiteral("Mine"));
    group.registeredFunctions().insert(function);
    const Group alias = group;
    Group other(QStringLiteral("Flur"), Group::Blind, 10700);
    other.setName(QStringLiteral("Theirs"));
    other.setRunOnVacation(false);
    other.switchTimes().append(SwitchTime());
    other.registeredFunctions().insert(QUuid::createUuid());

    group.sync(other, Project::SyncHints(hints));

    // Only the synced handle changes.
    QVERIFY(group != alias);
    QCOMPARE(alias.name(), QStringLiteral("Mine"));
    QCOMPARE(alias.address(), 1);
    QVERIFY(alias.switchTimes().isEmpty());
    QVERIFY(alias.runOnVacation());

    QCOMPARE(group.id(), someId);
    QCOMPARE(group.order(), 3);
    QCOMPARE(group.type(), Group::Switch);
    QCOMPARE(group.registeredFunctions(), QSet<QUuid>{function});
    QCOMPARE(group.address(), admin ? 10700 : 1);
    QCOMPARE(group.switchTimes().size(), schedule ? 1 : 0);
    QCOMPARE(group.runOnVacation(), !schedule);
    QCOMPARE(group.name(), profileName ? QStringLiteral("Theirs") : QStringLiteral("Mine"));
    group.setName(QString());
    QCOMPARE(group.name(), admin ? QStringLiteral("Flur") : QStringLiteral("Hall"));

    // Later changes stay apart, except in the shared switch-time entries.
    group.registeredFunctions().clear();
    QCOMPARE(alias.registeredFunctions().size(), 1);
    if (schedule) {
        other.switchTimes().first().setValue(7);
        QCOMPARE(group.switchTimes().first().value(), 7.0);
    }
    QCOMPARE(other.name(), QStringLiteral("Theirs"));
    QCOMPARE(other.address(), 10700);
}

void tst_Devices::gcListsTimerValues()
{
    Group group(QStringLiteral("Hall"), Group::Switch, 1);
    QVERIFY(group.gc().timers().isEmpty());
    QVERIFY(!group.gc().hasSomethingToDelete());

    SwitchTime first;
    first.timerIds().insert(1, 10);
    first.timerIds().insert(2, 11);
    SwitchTime second;
    second.timerIds().insert(3, 10);
    second.timerIds().insert(4, 12);
    group.switchTimes() << first << second << SwitchTime();

    const DeletableItems items = group.gc();
    QCOMPARE(items.timers(), (QSet<int>{10, 11, 12}));
    QVERIFY(items.simulations().isEmpty());
    QVERIFY(items.jobs().isEmpty());
    QCOMPARE(group.switchTimes().size(), 3);
    QCOMPARE(group.switchTimes().first().timerIds().size(), 2);
}

QTEST_GUILESS_MAIN(tst_Devices)
#include "tst_devices.moc"
