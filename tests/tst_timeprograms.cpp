// Time programs: switch times with their element, binary additional values and JSON form,
// automatic programs, and presence simulations.

#include "testutil.h"

#include <projects/automatic.h>
#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/simulation.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>

using namespace projects;

Q_DECLARE_METATYPE(projects::Simulation)

namespace {

const QByteArray idA = "_0f1e2d3c4b5a69788796a5b4c3d2e1f0";
const QByteArray idB = "_11111111222233334444555555555555";

// Reads a document holding one automatic program "a" with @p content and returns it.
Automatic readProgram(const QByteArray& content)
{
    const Project project =
        testutil::readContent("<p:automatic id=\"a\">" + content + "</p:automatic>");
    return project.automatics().value(QStringLiteral("a"));
}

// The first switch time of a program read from one `switchTime` element with
// @p attributes and @p children.
SwitchTime readOneSwitchTime(const QByteArray& attributes, const QByteArray& children = {})
{
    const Automatic automatic =
        readProgram("<p:switchTime " + attributes + ">" + children + "</p:switchTime>");
    return automatic.switchTimes().value(0, SwitchTime(QJsonObject{{QStringLiteral("id"), 0}}));
}

QByteArray written(const SwitchTime& switchTime)
{
    return testutil::write([&](QXmlStreamWriter* writer) {
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
    });
}

// Every written `timer` as its attributes in written order ("day=1 id=11"), sorted,
// since the timers follow the undefined order of a hash table.
QStringList writtenTimers(const QByteArray& xml)
{
    QStringList timers;
    const auto elements = testutil::elements(xml, QStringLiteral("timer"));
    for (const QXmlStreamAttributes& attributes : elements) {
        QStringList pairs;
        for (const QXmlStreamAttribute& attribute : attributes)
            pairs.append(attribute.qualifiedName() + QLatin1Char('=') + attribute.value());
        timers.append(pairs.join(QLatin1Char(' ')));
    }
    timers.sort();
    return timers;
}

// Type name and value, since QVariant's == converts between types.
QStringList describe(const QHash<int, QVariant>& values)
{
    QStringList lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines.append(QString::number(it.key()) + QLatin1Char('=')
                     + QLatin1String(it.value().typeName()) + QLatin1Char(':')
                     + it.value().toString());
    lines.sort();
    return lines;
}

// The additional values by index; looking up listed indexes adds nothing.
QHash<int, QVariant> additionalValues(const SwitchTime& switchTime)
{
    QHash<int, QVariant> values;
    for (int index : switchTime.additionalValueIndexes())
        values.insert(index, switchTime.additionalValue(index));
    return values;
}

QList<int> sorted(QList<int> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// Collects debug messages while it lives.
class MessageCapture
{
public:
    MessageCapture()
    {
        current() = &m_messages;
        m_previous = qInstallMessageHandler(&MessageCapture::handle);
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    QStringList messages() const { return m_messages; }

private:
    static QStringList*& current()
    {
        static QStringList* messages = nullptr;
        return messages;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtDebugMsg && current())
            current()->append(message);
    }

    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};

// The simulation of the only function of a document; @p function is the function's start
// tag without its closing bracket.
Simulation simulationInFile(const QByteArray& function, const QByteArray& simulation)
{
    const Project project = testutil::readContent(
        "<floors><floor id=\"" + idA + "\" name=\"f\"><room id=\"" + idB + "\" name=\"r\">"
        + function + ">" + simulation + "</function></room></floor></floors>");
    const Floor floor = project.floors().value(0);
    const Room room = floor.rooms().value(0);
    return room.functions().value(0).simulation();
}

// Every field of @p simulation as "name=value"; date-times of today show as "today".
QStringList describe(const Simulation& simulation)
{
    const auto dateTime = [](const QDateTime& value) {
        const QString time = value.time().toString(Qt::TextDate);
        return value.date() == QDate::currentDate() ? QStringLiteral("today ") + time
                                                    : value.toString(Qt::ISODate);
    };
    const auto flag = [](bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); };
    return {
        QStringLiteral("id=") + QString::number(simulation.id()),
        QStringLiteral("type=") + QString::number(simulation.type()),
        QStringLiteral("enabled=") + flag(simulation.enabled()),
        QStringLiteral("startTimeEnable=") + flag(simulation.startTimeEnable()),
        QStringLiteral("startOnNight=") + flag(simulation.startOnNight()),
        QStringLiteral("startTime=") + dateTime(simulation.startTime()),
        QStringLiteral("endTimeEnable=") + flag(simulation.endTimeEnable()),
        QStringLiteral("endOnNight=") + flag(simulation.endOnNight()),
        QStringLiteral("endTime=") + dateTime(simulation.endTime()),
        QStringLiteral("pauseTimeEnable=") + flag(simulation.pauseTimeEnable()),
        QStringLiteral("pauseEndTime=") + dateTime(simulation.pauseEndTime()),
        QStringLiteral("pauseStartTime=") + dateTime(simulation.pauseStartTime()),
        QStringLiteral("delays=") + QString::number(simulation.delayStart()) + QLatin1Char('/')
            + QString::number(simulation.delayEnd()),
        QStringLiteral("durations=") + QString::number(simulation.durationStart())
            + QLatin1Char('/') + QString::number(simulation.durationEnd()),
        QStringLiteral("repeat=") + flag(simulation.repeat()),
        QStringLiteral("jobs=") + QString::number(simulation.startJobId()) + QLatin1Char('/')
            + QString::number(simulation.endJobId()),
        QStringLiteral("datapoint=") + QString::number(simulation.simulationDatapoint()),
    };
}

} // namespace

class tst_TimePrograms : public QObject
{
    Q_OBJECT
private slots:
    // SwitchTime values
    void switchTimeDefaults();
    void switchTimeSharing();
    void additionalValueLookupInserts();
    void notEqual_data();
    void notEqual();
    void print_data();
    void print();
    // switchTime element
    void readSwitchTime_data();
    void readSwitchTime();
    void readTimers_data();
    void readTimers();
    void writeSwitchTime_data();
    void writeSwitchTime();
    void writeTimers();
    void additionalValuesHexForm();
    void additionalValuesRoundTrip();
    void astronomicalRoundTrip();
    void hostileAdditionalValues_data();
    void hostileAdditionalValues();
    // JSON form
    void switchTimeJson_data();
    void switchTimeJson();
    // Automatic
    void readAutomatic_data();
    void readAutomatic();
    void automaticReadTwice();
    void writeAutomatic_data();
    void writeAutomatic();
    void automaticUuid_data();
    void automaticUuid();
    void automaticGc_data();
    void automaticGc();
    void automaticMerge_data();
    void automaticMerge();
    void automaticSync_data();
    void automaticSync();
    // Simulation
    void simulationConstructors_data();
    void simulationConstructors();
    void simulationSharing();
    void writeSimulation();
    void simulationEquals_data();
    void simulationEquals();
    void simulationMerge_data();
    void simulationMerge();
    void readSimulation_data();
    void readSimulation();
    void readSimulationTimers_data();
    void readSimulationTimers();
};

// --- SwitchTime values -----------------------------------------------------------------

void tst_TimePrograms::switchTimeDefaults()
{
    const SwitchTime first;
    const SwitchTime second;
    QVERIFY(first.isValid());
    QVERIFY(first.id() != second.id());
    QCOMPARE(first.value(), 0.0);
    QCOMPARE(first.days(), 254);
    QCOMPARE(first.start(), QTime(0, 0));
    QCOMPARE(first.type(), SwitchTime::Time);
    QCOMPARE(first.offset(), 0);
    QCOMPARE(first.minStart(), QTime(6, 0));
    QCOMPARE(first.maxEnd(), QTime(17, 0));
    QCOMPARE(first.limit(), false);
    QVERIFY(first.timerIds().isEmpty());
    QVERIFY(first.additionalValueIndexes().isEmpty());

    const SwitchTime astro(QUuid(), 1, 2, QTime(1, 2), 3, QTime(4, 5), QTime(6, 7), true, {}, {});
    QVERIFY(!astro.isValid());
    QCOMPARE(astro.type(), SwitchTime::Time);
}

void tst_TimePrograms::switchTimeSharing()
{
    SwitchTime original;
    SwitchTime copy = original;
    copy.setDays(3);
    copy.setLimit(true);
    copy.timerIds().insert(1, 11);
    QCOMPARE(original.days(), 3);
    QCOMPARE(original.limit(), true);
    QCOMPARE(original.timerIds().value(1), 11);
    QVERIFY(original == copy);
    QVERIFY(!(original != copy));
    QVERIFY(!original.equals(copy));
    QVERIFY(!original.equals(original));

    const QUuid id = QUuid::createUuid();
    const SwitchTime same1(id, 1, 2, QTime(1, 2), 0, QTime(6, 0), QTime(17, 0), false, {}, {});
    const SwitchTime same2(id, 1, 2, QTime(1, 2), 0, QTime(6, 0), QTime(17, 0), false, {}, {});
    QVERIFY(same1 != same2);
    QVERIFY(!(same1 == same2));
}

void tst_TimePrograms::additionalValueLookupInserts()
{
    SwitchTime switchTime;
    QCOMPARE(switchTime.hasAdditionalValue(3), false);
    QVERIFY(switchTime.additionalValueIndexes().isEmpty());

    QVERIFY(!switchTime.additionalValue(3).isValid());
    QCOMPARE(switchTime.additionalValueIndexes(), QList<int>{3});
    QCOMPARE(switchTime.hasAdditionalValue(3), false);
    // The looked-up index is written out, so the attribute appears.
    const auto attributes = testutil::elements(written(switchTime), QStringLiteral("switchTime"));
    QVERIFY(testutil::names(attributes.at(0)).contains(QStringLiteral("additionalValues")));

    switchTime.setAdditionalValue(3, 7.5);
    QCOMPARE(switchTime.hasAdditionalValue(3), true);
    QCOMPARE(switchTime.additionalValue(3), QVariant(7.5));
    QCOMPARE(switchTime.additionalValueIndexes(), QList<int>{3});
}

void tst_TimePrograms::notEqual_data()
{
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<bool>("sameObjects");
    QTest::addColumn<bool>("expected");

    // The numbers pick identifiers from a fixed pool.
    QTest::newRow("two empty lists are equal") << QList<int>{} << QList<int>{} << false << false;
    QTest::newRow("a non-empty list differs from itself")
        << QList<int>{0, 1} << QList<int>{0, 1} << true << true;
    QTest::newRow("same identifiers in other objects differ")
        << QList<int>{0} << QList<int>{0} << false << true;
    QTest::newRow("same identifiers in another order differ")
        << QList<int>{0, 1} << QList<int>{1, 0} << false << true;
    QTest::newRow("different identifier sets differ")
        << QList<int>{0} << QList<int>{1} << false << true;
    QTest::newRow("empty and non-empty differ") << QList<int>{} << QList<int>{0} << false << true;
}

void tst_TimePrograms::notEqual()
{
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    QFETCH(bool, sameObjects);
    QFETCH(bool, expected);

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid()};
    QList<SwitchTime> a;
    for (int i : first)
        a.append(SwitchTime(pool[i], 0, 254, QTime(), 0, QTime(), QTime(), false, {}, {}));
    QList<SwitchTime> b;
    if (sameObjects) {
        b = a;
    } else {
        for (int i : second)
            b.append(SwitchTime(pool[i], 0, 254, QTime(), 0, QTime(), QTime(), false, {}, {}));
    }
    QCOMPARE(SwitchTime::notEqual(a, b), expected);
    QCOMPARE(SwitchTime::notEqual(b, a), expected);
}

void tst_TimePrograms::print_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<bool>("limit");
    QTest::addColumn<bool>("withTimer");
    QTest::addColumn<QString>("expected");

    const QString id = QString::fromLatin1(idA);
    QTest::newRow("whole value, limit set, one timer")
        << 50.0 << QTime(6, 0) << true << true
        << QStringLiteral(">> SwitchTime ID = ") + id
               + QStringLiteral(", VALUE = 50, DAYS = 254, START = 06:00:00, LIMIT = 1, "
                                "TIMER_IDS =  QHash((1, 11))");
    QTest::newRow("fraction, limit off, no timers")
        << 0.5 << QTime(23, 59, 30) << false << false
        << QStringLiteral(">> SwitchTime ID = ") + id
               + QStringLiteral(", VALUE = 0.5, DAYS = 254, START = 23:59:30, LIMIT = 0, "
                                "TIMER_IDS =  QHash()");
    QTest::newRow("invalid start prints empty")
        << 1234567.0 << QTime() << false << false
        << QStringLiteral(">> SwitchTime ID = ") + id
               + QStringLiteral(", VALUE = 1.23457e+06, DAYS = 254, START = , LIMIT = 0, "
                                "TIMER_IDS =  QHash()");
}

void tst_TimePrograms::print()
{
    QFETCH(double, value);
    QFETCH(QTime, start);
    QFETCH(bool, limit);
    QFETCH(bool, withTimer);
    QFETCH(QString, expected);

    SwitchTime switchTime;
    switchTime.setId(stringToUuid(QString::fromLatin1(idA)));
    switchTime.setValue(value);
    switchTime.setStart(start);
    switchTime.setLimit(limit);
    if (withTimer)
        switchTime.timerIds().insert(1, 11);

    MessageCapture capture;
    switchTime.print();
    QCOMPARE(capture.messages(), QStringList{expected});
}

// --- switchTime element ----------------------------------------------------------------

void tst_TimePrograms::readSwitchTime_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("days");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QTime>("minStart");
    QTest::addColumn<QTime>("maxEnd");
    QTest::addColumn<bool>("limit");

    QTest::newRow("only an id gives the read defaults")
        << "<p:switchTime id=\"" + idA + "\"/>" << true << 0.0 << 0 << QTime() << 0
        << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("all attributes are read")
        << "<p:switchTime id=\"" + idA
               + "\" value=\"12.5\" days=\"62\" start=\"07:30:00\" offset=\"-15\" "
                 "minStart=\"05:45:00\" maxEnd=\"21:00:00\" limit=\"true\"/>"
        << true << 12.5 << 62 << QTime(7, 30) << -15 << QTime(5, 45) << QTime(21, 0) << true;
    QTest::newRow("limit True in other letter case reads as false")
        << "<p:switchTime id=\"" + idA + "\" limit=\"True\"/>" << true << 0.0 << 0 << QTime()
        << 0 << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("limit 1 reads as false")
        << "<p:switchTime id=\"" + idA + "\" limit=\"1\"/>" << true << 0.0 << 0 << QTime() << 0
        << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("empty times and offset take their defaults")
        << "<p:switchTime id=\"" + idA + "\" offset=\"\" minStart=\"\" maxEnd=\"\"/>" << true
        << 0.0 << 0 << QTime() << 0 << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("unreadable times are invalid, not defaults")
        << "<p:switchTime id=\"" + idA + "\" start=\"7h\" minStart=\"x\" maxEnd=\"25:00:00\"/>"
        << true << 0.0 << 0 << QTime() << 0 << QTime() << QTime() << false;
    QTest::newRow("texts that are no numbers read as 0")
        << "<p:switchTime id=\"" + idA + "\" value=\"abc\" days=\"0x10\" offset=\"ten\"/>"
        << true << 0.0 << 0 << QTime() << 0 << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("malformed id is still appended, invalid")
        << QByteArray("<p:switchTime id=\"_123\" days=\"7\"/>") << false << 0.0 << 7 << QTime()
        << 0 << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("element name in capitals without namespace")
        << "<SWITCHTIME id=\"" + idA + "\" days=\"1\"/>" << true << 0.0 << 1 << QTime() << 0
        << QTime(6, 0) << QTime(17, 0) << false;
    QTest::newRow("profile-namespace attributes are not looked at")
        << "<p:switchTime id=\"" + idA + "\" p:days=\"5\" p:limit=\"true\"/>" << true << 0.0 << 0
        << QTime() << 0 << QTime(6, 0) << QTime(17, 0) << false;
}

void tst_TimePrograms::readSwitchTime()
{
    QFETCH(QByteArray, element);
    QFETCH(bool, valid);
    QFETCH(double, value);
    QFETCH(int, days);
    QFETCH(QTime, start);
    QFETCH(int, offset);
    QFETCH(QTime, minStart);
    QFETCH(QTime, maxEnd);
    QFETCH(bool, limit);

    const Automatic automatic = readProgram(element);
    QCOMPARE(automatic.switchTimes().size(), 1);
    const SwitchTime switchTime = automatic.switchTimes().at(0);
    QCOMPARE(switchTime.isValid(), valid);
    if (valid)
        QCOMPARE(switchTime.id(), stringToUuid(QString::fromLatin1(idA)));
    QCOMPARE(switchTime.value(), value);
    QCOMPARE(switchTime.days(), days);
    QCOMPARE(switchTime.start(), start);
    QCOMPARE(switchTime.offset(), offset);
    QCOMPARE(switchTime.minStart(), minStart);
    QCOMPARE(switchTime.maxEnd(), maxEnd);
    QCOMPARE(switchTime.limit(), limit);
    QCOMPARE(switchTime.type(), SwitchTime::Time);
    QVERIFY(switchTime.timerIds().isEmpty());
    QVERIFY(switchTime.additionalValueIndexes().isEmpty());
}

void tst_TimePrograms::readTimers_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("one timer per day")
        << QByteArray("<p:timer day=\"1\" id=\"11\"/><p:timer day=\"2\" id=\"12\"/>")
        << QList<int>{1, 2} << QList<int>{11, 12};
    QTest::newRow("a later timer of the same day replaces the earlier")
        << QByteArray("<p:timer day=\"3\" id=\"30\"/><p:timer day=\"3\" id=\"31\"/>")
        << QList<int>{3} << QList<int>{31};
    QTest::newRow("TIMER and Timer in any namespace are read")
        << QByteArray("<TIMER day=\"4\" id=\"40\"/><c:Timer day=\"5\" id=\"50\"/>")
        << QList<int>{4, 5} << QList<int>{40, 50};
    QTest::newRow("a timer below a timer is ignored")
        << QByteArray("<p:timer day=\"1\" id=\"11\"><p:timer day=\"2\" id=\"12\"/></p:timer>")
        << QList<int>{1} << QList<int>{11};
    QTest::newRow("timers below another child are ignored")
        << QByteArray("<p:days><p:timer day=\"1\" id=\"11\"/></p:days>") << QList<int>{}
        << QList<int>{};
    QTest::newRow("missing attributes read as 0")
        << QByteArray("<p:timer/>") << QList<int>{0} << QList<int>{0};
}

void tst_TimePrograms::readTimers()
{
    QFETCH(QByteArray, children);
    QFETCH(QList<int>, days);
    QFETCH(QList<int>, ids);

    const SwitchTime switchTime = readOneSwitchTime("id=\"" + idA + "\"", children);
    QCOMPARE(sorted(switchTime.timerIds().keys()), days);
    for (int i = 0; i < days.size(); ++i)
        QCOMPARE(switchTime.timerIds().value(days.at(i)), ids.at(i));
}

void tst_TimePrograms::writeSwitchTime_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("limit");
    QTest::addColumn<bool>("withAdditional");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("valueText");

    const QStringList base = {QStringLiteral("id"), QStringLiteral("value"), QStringLiteral("days"),
                              QStringLiteral("start")};
    const QStringList astro = base
                              + QStringList{QStringLiteral("offset"), QStringLiteral("minStart"),
                                            QStringLiteral("maxEnd")};
    QTest::newRow("type Time has no astronomical attributes")
        << int(SwitchTime::Time) << 50.0 << false << false << base << QStringLiteral("50");
    QTest::newRow("type Unknown has the astronomical attributes")
        << int(SwitchTime::Unknown) << 0.5 << false << false << astro << QStringLiteral("0.5");
    QTest::newRow("a type outside the enumeration has them too")
        << -1 << 0.0 << false << false << astro << QStringLiteral("0");
    QTest::newRow("sunset with limit puts limit last")
        << int(SwitchTime::AstroSunset) << 1234567.0 << true << false
        << astro + QStringList{QStringLiteral("limit")} << QStringLiteral("1.23457e+06");
    QTest::newRow("additional values come after the value")
        << int(SwitchTime::Time) << 3.0 << true << true
        << QStringList{QStringLiteral("id"), QStringLiteral("value"),
                       QStringLiteral("additionalValues"), QStringLiteral("days"),
                       QStringLiteral("start"), QStringLiteral("limit")}
        << QStringLiteral("3");
}

void tst_TimePrograms::writeSwitchTime()
{
    QFETCH(int, type);
    QFETCH(double, value);
    QFETCH(bool, limit);
    QFETCH(bool, withAdditional);
    QFETCH(QStringList, names);
    QFETCH(QString, valueText);

    SwitchTime switchTime(stringToUuid(QString::fromLatin1(idA)), value, 62, QTime(7, 30, 15), -20,
                          QTime(5, 0), QTime(22, 15), limit, {}, {});
    switchTime.setType(static_cast<SwitchTime::SwitchTimeType>(type));
    if (withAdditional)
        switchTime.setAdditionalValue(1, 2.0);

    const QByteArray xml = written(switchTime);
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             QStringList{QStringLiteral("p:switchTime")});
    const auto attributes = testutil::elements(xml, QStringLiteral("switchTime")).at(0);
    QCOMPARE(testutil::names(attributes), names);
    QCOMPARE(testutil::value(attributes, QStringLiteral("id")), QString::fromLatin1(idA));
    QCOMPARE(testutil::value(attributes, QStringLiteral("value")), valueText);
    QCOMPARE(testutil::value(attributes, QStringLiteral("days")), QStringLiteral("62"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("start")), QStringLiteral("07:30:15"));
    if (names.contains(QStringLiteral("offset"))) {
        QCOMPARE(testutil::value(attributes, QStringLiteral("offset")), QStringLiteral("-20"));
        QCOMPARE(testutil::value(attributes, QStringLiteral("minStart")),
                 QStringLiteral("05:00:00"));
        QCOMPARE(testutil::value(attributes, QStringLiteral("maxEnd")), QStringLiteral("22:15:00"));
    }
    if (limit)
        QCOMPARE(testutil::value(attributes, QStringLiteral("limit")), QStringLiteral("true"));
}

void tst_TimePrograms::writeTimers()
{
    SwitchTime switchTime;
    switchTime.setStart(QTime());
    switchTime.timerIds().insert(1, 11);
    switchTime.timerIds().insert(6, 66);
    const QByteArray xml = written(switchTime);

    const auto switchTimes = testutil::elements(xml, QStringLiteral("switchTime"));
    QCOMPARE(testutil::value(switchTimes.at(0), QStringLiteral("start")), QString());
    QCOMPARE(testutil::childNames(xml, QStringLiteral("switchTime")),
             (QStringList{QStringLiteral("p:timer"), QStringLiteral("p:timer")}));
    QCOMPARE(writtenTimers(xml), (QStringList{QStringLiteral("day=1 id=11"),
                                              QStringLiteral("day=6 id=66")}));
}

void tst_TimePrograms::additionalValuesHexForm()
{
    SwitchTime switchTime;
    switchTime.setAdditionalValue(1, 50.0);
    const auto attributes =
        testutil::elements(written(switchTime), QStringLiteral("switchTime")).at(0);
    // Count, key, then the variant: type 6 (double), not null, IEEE 754 big-endian.
    QCOMPARE(testutil::value(attributes, QStringLiteral("additionalValues")),
             QStringLiteral("00000001" "00000001" "00000006" "00" "4049000000000000"));
}

void tst_TimePrograms::additionalValuesRoundTrip()
{
    SwitchTime switchTime;
    switchTime.setAdditionalValue(1, 20.0);
    switchTime.setAdditionalValue(2, QStringLiteral("text"));
    switchTime.setAdditionalValue(-4, 7);
    switchTime.additionalValue(9); // registers an invalid value
    switchTime.timerIds().insert(2, 22);

    const QByteArray xml = testutil::write([&](QXmlStreamWriter* writer) {
        Automatic automatic(QStringLiteral("a"), false);
        automatic.beginSerialize(writer);
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
        automatic.endSerialize(writer);
    });
    const Project project = testutil::read(xml);
    const SwitchTime read = project.automatics().value(QStringLiteral("a")).switchTimes().value(0);
    QCOMPARE(read.id(), switchTime.id());
    QCOMPARE(describe(additionalValues(read)), describe(additionalValues(switchTime)));
    QCOMPARE(read.timerIds(), switchTime.timerIds());
}

void tst_TimePrograms::astronomicalRoundTrip()
{
    SwitchTime switchTime(QUuid::createUuid(), 1, 2, QTime(3, 4, 5), 45, QTime(7, 0),
                          QTime(19, 30), false, {}, {});
    switchTime.setType(SwitchTime::AstroSunrise);
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* writer) {
        Automatic automatic(QStringLiteral("a"), false);
        automatic.beginSerialize(writer);
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
        automatic.endSerialize(writer);
    });
    const SwitchTime read =
        testutil::read(xml).automatics().value(QStringLiteral("a")).switchTimes().value(0);
    QCOMPARE(read.id(), switchTime.id());
    QCOMPARE(read.type(), SwitchTime::Time);
    QCOMPARE(read.offset(), 45);
    QCOMPARE(read.minStart(), QTime(7, 0));
    QCOMPARE(read.maxEnd(), QTime(19, 30));
    QCOMPARE(read.start(), QTime(3, 4, 5));
    QCOMPARE(read.days(), 2);
    QCOMPARE(read.value(), 1.0);
}

void tst_TimePrograms::hostileAdditionalValues_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QStringList>("expected");

    // Count, index, then the variant: type number, null flag, value.
    const QByteArray head = "00000001" "00000001";
    QTest::newRow("a double is read")
        << head + "00000006" "00" "4049000000000000"
        << QStringList{QStringLiteral("1=double:50")};
    QTest::newRow("upper-case hex digits are read")
        << head + "00000006" "00" "404E000000000000"
        << QStringList{QStringLiteral("1=double:60")};
    QTest::newRow("a string is read")
        << head + "0000000a" "00" "00000004" "00680069"
        << QStringList{QStringLiteral("1=QString:hi")};
    QTest::newRow("an invalid value keeps its index")
        << head + "00000000" "01" << QStringList{QStringLiteral("1=:")};
    QTest::newRow("QPixmap empties the table")
        << head + "00000041" "00" "00000000" << QStringList{};
    QTest::newRow("QImage empties the table")
        << head + "00000046" "00" "00000000" << QStringList{};
    QTest::newRow("QIcon empties the table")
        << head + "00000045" "00" "00000000" << QStringList{};
    QTest::newRow("QCursor empties the table")
        << head + "0000004a" "00" "00000000" << QStringList{};
    QTest::newRow("a GUI type after a good entry empties the table")
        << QByteArray("00000002" "00000001" "00000006" "00" "4049000000000000"
                      "00000002" "00000041" "00" "00000000")
        << QStringList{};
    QTest::newRow("a user type named QPixmap empties the table")
        << head + "00000400" "00" "00000008" "515069786d617000" "00000000" << QStringList{};
    QTest::newRow("a map that could nest GUI values empties the table")
        << head + "00000008" "00" "00000001" "00000002" "0061" "00000041" "00" "00000000"
        << QStringList{};
    QTest::newRow("a truncated value empties the table")
        << head + "00000006" "00" "4049" << QStringList{};
    QTest::newRow("a truncated type number empties the table")
        << head + "0000" << QStringList{};
    QTest::newRow("more entries counted than present empties the table")
        << QByteArray("00000002" "00000001" "00000006" "00" "4049000000000000")
        << QStringList{};
    QTest::newRow("a huge string length empties the table")
        << head + "0000000a" "00" "7ffffffe" "0041" << QStringList{};
    QTest::newRow("a count alone reads as empty") << QByteArray("00000000") << QStringList{};
    QTest::newRow("text that is no hex reads as empty") << QByteArray("zz") << QStringList{};
}

void tst_TimePrograms::hostileAdditionalValues()
{
    QFETCH(QByteArray, hex);
    QFETCH(QStringList, expected);

    const SwitchTime switchTime =
        readOneSwitchTime("id=\"" + idA + "\" additionalValues=\"" + hex + "\"");
    QVERIFY(switchTime.isValid());
    QCOMPARE(describe(additionalValues(switchTime)), expected);
}

// --- JSON form -------------------------------------------------------------------------

void tst_TimePrograms::switchTimeJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("minStart");
    QTest::addColumn<QTime>("maxEnd");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("additional");

    const QByteArray id = "\"id\":\"" + idA + "\"";
    QTest::newRow("no id keeps the defaults and is valid")
        << QByteArray("{\"days\":3,\"start\":60}") << true << 254 << 1 << 0 << QTime(0, 0)
        << QTime(6, 0) << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("an id that decodes to 15 bytes is invalid and stops reading")
        << QByteArray("{\"id\":\"_0f1e2d3c4b5a69788796a5b4c3d2e1\",\"days\":3}") << false << 254
        << 1 << 0 << QTime(0, 0) << QTime(6, 0) << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("an id that is no string is invalid")
        << QByteArray("{\"id\":5}") << false << 254 << 1 << 0 << QTime(0, 0) << QTime(6, 0)
        << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("all keys are read")
        << "{" + id
               + ",\"days\":62,\"kind\":\"AstroSunset\",\"offset\":-10,\"start\":450,"
                 "\"notBefore\":360,\"notAfter\":1260}"
        << true << 62 << 3 << -10 << QTime(7, 30) << QTime(6, 0) << QTime(21, 0) << 0.0
        << QStringList{};
    QTest::newRow("start wraps around midnight forwards")
        << "{" + id + ",\"start\":1500}" << true << 254 << 1 << 0 << QTime(1, 0) << QTime(6, 0)
        << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("start wraps around midnight backwards")
        << "{" + id + ",\"start\":-30,\"notAfter\":-1}" << true << 254 << 1 << 0 << QTime(23, 30)
        << QTime(6, 0) << QTime(23, 59) << 0.0 << QStringList{};
    QTest::newRow("a huge start still wraps around midnight")
        << "{" + id + ",\"start\":2147483647}" << true << 254 << 1 << 0 << QTime(2, 7)
        << QTime(6, 0) << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("days given as a string read as 0")
        << "{" + id + ",\"days\":\"254\"}" << true << 0 << 1 << 0 << QTime(0, 0) << QTime(6, 0)
        << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("days given as a fraction read as 0")
        << "{" + id + ",\"days\":2.5}" << true << 0 << 1 << 0 << QTime(0, 0) << QTime(6, 0)
        << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("kind in other letter case is unknown")
        << "{" + id + ",\"kind\":\"astrosunrise\"}" << true << 254 << -1 << 0 << QTime(0, 0)
        << QTime(6, 0) << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("kind given as a number is unknown")
        << "{" + id + ",\"kind\":2}" << true << 254 << -1 << 0 << QTime(0, 0) << QTime(6, 0)
        << QTime(17, 0) << 0.0 << QStringList{};
    QTest::newRow("percent text, empty object, number keep their positions")
        << "{" + id + ",\"values\":[{\"value\":\"80%\"},{},{\"value\":20}]}" << true << 254 << 1
        << 0 << QTime(0, 0) << QTime(6, 0) << QTime(17, 0) << 80.0
        << QStringList{QStringLiteral("2=double:20")};
    QTest::newRow("texts true, null, undefined and decimals convert")
        << "{" + id
               + ",\"values\":[{\"value\":\"12.5\"},{\"value\":\"true\"},{\"value\":\"null\"},"
                 "{\"value\":\"undefined\"},{\"value\":\"false\"},{\"value\":\"abc\"},"
                 "{\"value\":true},{\"value\":\"1%5\"}]}"
        << true << 254 << 1 << 0 << QTime(0, 0) << QTime(6, 0) << QTime(17, 0) << 12.5
        << QStringList{QStringLiteral("1=double:1"), QStringLiteral("2=double:0"),
                       QStringLiteral("3=double:0"), QStringLiteral("4=double:0"),
                       QStringLiteral("5=double:0"), QStringLiteral("6=double:1"),
                       QStringLiteral("7=double:15")};
    QTest::newRow("values that are no array are ignored")
        << "{" + id + ",\"values\":{\"value\":5}}" << true << 254 << 1 << 0 << QTime(0, 0)
        << QTime(6, 0) << QTime(17, 0) << 0.0 << QStringList{};
}

void tst_TimePrograms::switchTimeJson()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, valid);
    QFETCH(int, days);
    QFETCH(int, type);
    QFETCH(int, offset);
    QFETCH(QTime, start);
    QFETCH(QTime, minStart);
    QFETCH(QTime, maxEnd);
    QFETCH(double, value);
    QFETCH(QStringList, additional);

    const QJsonObject object = QJsonDocument::fromJson(json).object();
    QVERIFY(!object.isEmpty());
    const SwitchTime switchTime(object);
    QCOMPARE(switchTime.isValid(), valid);
    if (valid && object.contains(QLatin1String("id")))
        QCOMPARE(switchTime.id(), stringToUuid(QString::fromLatin1(idA)));
    QCOMPARE(switchTime.days(), days);
    QCOMPARE(int(switchTime.type()), type);
    QCOMPARE(switchTime.offset(), offset);
    QCOMPARE(switchTime.start(), start);
    QCOMPARE(switchTime.minStart(), minStart);
    QCOMPARE(switchTime.maxEnd(), maxEnd);
    QCOMPARE(switchTime.value(), value);
    QCOMPARE(switchTime.limit(), false);
    QVERIFY(switchTime.timerIds().isEmpty());
    QCOMPARE(describe(additionalValues(switchTime)), additional);
}

// --- Automatic -------------------------------------------------------------------------

void tst_TimePrograms::readAutomatic_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<bool>("runOnVacation");
    QTest::addColumn<int>("switchTimes");

    QTest::newRow("runOnVacation True reads as true")
        << QByteArray("<p:automatic id=\"x\" runOnVacation=\"True\"/>")
        << QStringList{QStringLiteral("x")} << true << 0;
    QTest::newRow("runOnVacation 1 reads as true")
        << QByteArray("<p:automatic id=\"x\" runOnVacation=\"1\"/>")
        << QStringList{QStringLiteral("x")} << true << 0;
    QTest::newRow("runOnVacation no reads as false")
        << QByteArray("<p:automatic id=\"x\" runOnVacation=\"no\"/>")
        << QStringList{QStringLiteral("x")} << false << 0;
    QTest::newRow("a missing id is the empty key")
        << QByteArray("<p:automatic runOnVacation=\"yes\"/>") << QStringList{QString()} << true
        << 0;
    QTest::newRow("the identifier text is kept as written")
        << QByteArray("<p:automatic id=\" Morning Program \"/>")
        << QStringList{QStringLiteral(" Morning Program ")} << false << 0;
    QTest::newRow("the element name is compared ignoring case")
        << QByteArray("<p:AUTOMATIC id=\"x\"/>") << QStringList{QStringLiteral("x")} << false << 0;
    QTest::newRow("an automatic element outside the profile namespace is skipped")
        << QByteArray("<automatic id=\"x\"><switchTime id=\"_1\"/></automatic>") << QStringList{}
        << false << 0;
    QTest::newRow("inside containers it is read too")
        << QByteArray("<groups><p:automatic id=\"x\"/></groups>")
        << QStringList{QStringLiteral("x")} << false << 0;
    QTest::newRow("switch times in any namespace and letter case are appended")
        << "<p:automatic id=\"x\"><p:switchTime id=\"" + idA + "\"/><SwitchTime id=\"" + idB
               + "\"/><p:other id=\"" + idA + "\"/></p:automatic>"
        << QStringList{QStringLiteral("x")} << false << 2;
    QTest::newRow("switch times below another child are skipped")
        << "<p:automatic id=\"x\"><p:list><p:switchTime id=\"" + idA + "\"/></p:list></p:automatic>"
        << QStringList{QStringLiteral("x")} << false << 0;
}

void tst_TimePrograms::readAutomatic()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, ids);
    QFETCH(bool, runOnVacation);
    QFETCH(int, switchTimes);

    const Project project = testutil::readContent(content);
    QStringList keys = project.automatics().keys();
    keys.sort();
    QCOMPARE(keys, ids);
    if (ids.isEmpty())
        return;
    const Automatic automatic = project.automatics().value(ids.at(0));
    QCOMPARE(automatic.id(), ids.at(0));
    QCOMPARE(automatic.runOnVacation(), runOnVacation);
    QCOMPARE(automatic.switchTimes().size(), switchTimes);
    if (switchTimes == 2) {
        QCOMPARE(automatic.switchTimes().at(0).id(), stringToUuid(QString::fromLatin1(idA)));
        QCOMPARE(automatic.switchTimes().at(1).id(), stringToUuid(QString::fromLatin1(idB)));
    }
}

void tst_TimePrograms::automaticReadTwice()
{
    const Project project = testutil::readContent(
        "<p:automatic id=\"x\" runOnVacation=\"yes\"><p:switchTime id=\"" + idA
        + "\"/></p:automatic><p:automatic id=\"y\"/><p:automatic id=\"x\" runOnVacation=\"no\">"
          "<p:switchTime id=\""
        + idB + "\"><p:timer day=\"1\" id=\"5\"/></p:switchTime></p:automatic>");
    QCOMPARE(project.automatics().size(), 2);
    const Automatic automatic = project.automatics().value(QStringLiteral("x"));
    QCOMPARE(automatic.runOnVacation(), false);
    QCOMPARE(automatic.switchTimes().size(), 1);
    QCOMPARE(automatic.switchTimes().at(0).id(), stringToUuid(QString::fromLatin1(idB)));
    QCOMPARE(automatic.switchTimes().at(0).timerIds().value(1), 5);
}

void tst_TimePrograms::writeAutomatic_data()
{
    QTest::addColumn<bool>("runOnVacation");
    QTest::addColumn<QString>("expected");

    QTest::newRow("set flag is written yes") << true << QStringLiteral("yes");
    QTest::newRow("clear flag is written no") << false << QStringLiteral("no");
}

void tst_TimePrograms::writeAutomatic()
{
    QFETCH(bool, runOnVacation);
    QFETCH(QString, expected);

    Automatic automatic(QStringLiteral("Evening <1>"), runOnVacation);
    automatic.switchTimes().append(SwitchTime());
    automatic.switchTimes().append(SwitchTime());
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* writer) {
        automatic.beginSerialize(writer);
        for (const SwitchTime& switchTime : automatic.switchTimes()) {
            switchTime.beginSerialize(writer);
            switchTime.endSerialize(writer);
        }
        automatic.endSerialize(writer);
    });
    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             QStringList{QStringLiteral("p:automatic")});
    QCOMPARE(testutil::childNames(xml, QStringLiteral("automatic")),
             (QStringList{QStringLiteral("p:switchTime"), QStringLiteral("p:switchTime")}));
    const auto attributes = testutil::elements(xml, QStringLiteral("automatic")).at(0);
    QCOMPARE(testutil::names(attributes),
             (QStringList{QStringLiteral("id"), QStringLiteral("runOnVacation")}));
    QCOMPARE(testutil::value(attributes, QStringLiteral("id")), QStringLiteral("Evening <1>"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("runOnVacation")), expected);

    const Automatic read = testutil::read(xml).automatics().value(QStringLiteral("Evening <1>"));
    QCOMPARE(read.runOnVacation(), runOnVacation);
    QCOMPARE(read.switchTimes().size(), 2);
}

void tst_TimePrograms::automaticUuid_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QUuid>("expected");

    // Version-3 UUIDs of the texts under the null namespace, computed independently.
    QTest::newRow("a short text")
        << QStringLiteral("abc") << QUuid(QStringLiteral("{522ec739-ca63-3ec5-b082-08ce08ad65e2}"));
    QTest::newRow("the empty text gives a fixed non-null uuid")
        << QString() << QUuid(QStringLiteral("{4ae71336-e44b-39bf-b9d2-752e234818a5}"));
}

void tst_TimePrograms::automaticUuid()
{
    QFETCH(QString, id);
    QFETCH(QUuid, expected);

    Automatic automatic(id, false);
    QCOMPARE(automatic.uuid(), expected);
    automatic.switchTimes().append(SwitchTime());
    automatic.setRunOnVacation(true);
    QCOMPARE(automatic.uuid(), expected);
    QCOMPARE(Automatic(id, true).uuid(), expected);
}

void tst_TimePrograms::automaticGc_data()
{
    QTest::addColumn<QList<QList<int>>>("timersPerSwitchTime"); // day, id, day, id, ...
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("timer ids, not days, of every switch time, once each")
        << QList<QList<int>>{{1, 11, 2, 12}, {1, 11}} << QList<int>{11, 12};
    QTest::newRow("switch times without timers add nothing")
        << QList<QList<int>>{{}, {7, 70}} << QList<int>{70};
    QTest::newRow("no switch times give an empty record") << QList<QList<int>>{} << QList<int>{};
}

void tst_TimePrograms::automaticGc()
{
    QFETCH(QList<QList<int>>, timersPerSwitchTime);
    QFETCH(QList<int>, expected);

    Automatic automatic(QStringLiteral("a"), true);
    for (const QList<int>& timers : timersPerSwitchTime) {
        SwitchTime switchTime;
        for (int i = 0; i + 1 < timers.size(); i += 2)
            switchTime.timerIds().insert(timers.at(i), timers.at(i + 1));
        automatic.switchTimes().append(switchTime);
    }
    const DeletableItems items = automatic.gc();
    QCOMPARE(sorted(items.timers().values()), expected);
    QVERIFY(items.simulations().isEmpty());
    QVERIFY(items.jobs().isEmpty());
    QVERIFY(items.triggers().isEmpty());
    QCOMPARE(items.refreshNeeded(), false);
    QCOMPARE(automatic.switchTimes().size(), timersPerSwitchTime.size());
}

void tst_TimePrograms::automaticMerge_data()
{
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("mineFlag");
    QTest::addColumn<bool>("otherFlag");
    QTest::addColumn<QList<int>>("mine"); // indexes into a pool of identifiers
    QTest::addColumn<QList<int>>("theirs");
    QTest::addColumn<bool>("expected");

    QTest::newRow("no switch times and equal flags is unchanged")
        << false << true << true << QList<int>{} << QList<int>{} << false;
    QTest::newRow("force reports a change even when empty")
        << true << false << false << QList<int>{} << QList<int>{} << true;
    QTest::newRow("different flags are a change")
        << false << false << true << QList<int>{} << QList<int>{} << true;
    QTest::newRow("different lengths are a change")
        << false << false << false << QList<int>{0} << QList<int>{} << true;
    QTest::newRow("the same identifier on both sides is a change")
        << false << true << true << QList<int>{0} << QList<int>{0} << true;
    QTest::newRow("different identifiers are a change")
        << false << false << false << QList<int>{0} << QList<int>{1} << true;
}

void tst_TimePrograms::automaticMerge()
{
    QFETCH(bool, force);
    QFETCH(bool, mineFlag);
    QFETCH(bool, otherFlag);
    QFETCH(QList<int>, mine);
    QFETCH(QList<int>, theirs);
    QFETCH(bool, expected);

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid()};
    Automatic automatic(QStringLiteral("mine"), mineFlag);
    for (int i : mine)
        automatic.switchTimes().append(
            SwitchTime(pool[i], 0, 254, QTime(), 0, QTime(), QTime(), false, {}, {}));
    Automatic other(QStringLiteral("theirs"), otherFlag);
    for (int i : theirs)
        other.switchTimes().append(
            SwitchTime(pool[i], 0, 254, QTime(), 0, QTime(), QTime(), false, {}, {}));
    const Automatic earlierCopy = automatic;

    QCOMPARE(automatic.mergeAdminSettings(other, force), expected);
    QCOMPARE(automatic.id(), QStringLiteral("mine"));
    QCOMPARE(automatic.runOnVacation(), otherFlag);
    QCOMPARE(automatic.switchTimes(), other.switchTimes()); // the same shared values
    QCOMPARE(other.runOnVacation(), otherFlag);
    QCOMPARE(other.switchTimes().size(), theirs.size());
    // The merge writes into the shared block.
    QCOMPARE(earlierCopy.runOnVacation(), otherFlag);
}

void tst_TimePrograms::automaticSync_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("takesOver");

    QTest::newRow("no flag only detaches") << 0 << false;
    QTest::newRow("administrator settings alone only detach")
        << int(Project::SyncAdminSettings) << false;
    QTest::newRow("profile takes over the time data") << int(Project::SyncProfile) << true;
    QTest::newRow("schedules take over the time data") << int(Project::SyncSchedules) << true;
    QTest::newRow("every flag takes over the time data")
        << int(Project::SyncAdminSettings | Project::SyncProfile | Project::SyncSchedules) << true;
}

void tst_TimePrograms::automaticSync()
{
    QFETCH(int, flags);
    QFETCH(bool, takesOver);

    Automatic automatic(QStringLiteral("mine"), false);
    const SwitchTime own;
    automatic.switchTimes().append(own);
    Automatic other(QStringLiteral("theirs"), true);
    const SwitchTime theirs;
    other.switchTimes().append(theirs);
    other.switchTimes().append(SwitchTime());
    const Automatic earlierCopy = automatic;

    automatic.sync(other, Project::SyncHints(flags));
    QCOMPARE(automatic.id(), QStringLiteral("mine"));
    QCOMPARE(automatic.runOnVacation(), takesOver);
    QCOMPARE(automatic.switchTimes().size(), takesOver ? 2 : 1);
    QVERIFY(automatic.switchTimes().at(0) == (takesOver ? theirs : own));

    // Separated from the earlier copy, which keeps the old values.
    QCOMPARE(earlierCopy.runOnVacation(), false);
    QCOMPARE(earlierCopy.switchTimes().size(), 1);
    automatic.setRunOnVacation(!automatic.runOnVacation());
    automatic.switchTimes().append(SwitchTime());
    QCOMPARE(earlierCopy.runOnVacation(), false);
    QCOMPARE(earlierCopy.switchTimes().size(), 1);
    QCOMPARE(other.runOnVacation(), true);
    QCOMPARE(other.switchTimes().size(), 2);
}

// --- Simulation ------------------------------------------------------------------------

void tst_TimePrograms::simulationConstructors_data()
{
    QTest::addColumn<Simulation>("simulation");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("constructed defaults: -1 ids, durations 1, today's times")
        << Simulation()
        << QStringList{QStringLiteral("id=-1"), QStringLiteral("type=0"),
                       QStringLiteral("enabled=0"), QStringLiteral("startTimeEnable=0"),
                       QStringLiteral("startOnNight=0"), QStringLiteral("startTime=today 12:00:00"),
                       QStringLiteral("endTimeEnable=0"), QStringLiteral("endOnNight=0"),
                       QStringLiteral("endTime=today 11:59:00"),
                       QStringLiteral("pauseTimeEnable=0"),
                       QStringLiteral("pauseEndTime=today 05:00:00"),
                       QStringLiteral("pauseStartTime=today 23:00:00"),
                       QStringLiteral("delays=0/0"), QStringLiteral("durations=1/1"),
                       QStringLiteral("repeat=0"), QStringLiteral("jobs=-1/-1"),
                       QStringLiteral("datapoint=-1")};
    // The pause end comes before the pause start in the argument list.
    QTest::newRow("invalid date-times are replaced, valid ones kept")
        << Simulation(7, Function::Blind, true, false,
                      QDateTime(QDate(2020, 2, 29), QTime(18, 15)), true, true, QDateTime(), true,
                      QDateTime(QDate(2021, 1, 1), QTime(6, 30)), QDateTime(), 1, 2, 3, 4, true,
                      true, 8, 9, 10)
        << QStringList{QStringLiteral("id=7"), QStringLiteral("type=3"),
                       QStringLiteral("enabled=1"), QStringLiteral("startTimeEnable=1"),
                       QStringLiteral("startOnNight=0"),
                       QStringLiteral("startTime=2020-02-29T18:15:00"),
                       QStringLiteral("endTimeEnable=1"), QStringLiteral("endOnNight=1"),
                       QStringLiteral("endTime=today 11:59:00"),
                       QStringLiteral("pauseTimeEnable=1"),
                       QStringLiteral("pauseEndTime=2021-01-01T06:30:00"),
                       QStringLiteral("pauseStartTime=today 23:00:00"),
                       QStringLiteral("delays=1/2"), QStringLiteral("durations=3/4"),
                       QStringLiteral("repeat=1"), QStringLiteral("jobs=8/9"),
                       QStringLiteral("datapoint=10")};
}

void tst_TimePrograms::simulationConstructors()
{
    QFETCH(Simulation, simulation);
    QFETCH(QStringList, expected);

    QCOMPARE(describe(simulation), expected);
    QVERIFY(simulation.timerIds().isEmpty());
    // Setters keep what they are given.
    simulation.setEndTime(QDateTime());
    QVERIFY(!simulation.endTime().isValid());
}

void tst_TimePrograms::simulationSharing()
{
    Simulation simulation;
    Simulation copy = simulation;
    copy.setRepeat(true);
    copy.timerIds().insert(1, 5);
    QCOMPARE(simulation.repeat(), true);
    QCOMPARE(simulation.timerIds().value(1), 5);
    QVERIFY(simulation == copy);
    QVERIFY(!(simulation != copy));

    simulation.setTimerIds({{2, 6}});
    QCOMPARE(copy.timerIds(), (QHash<int, int>{{2, 6}}));

    const Simulation separate;
    QVERIFY(separate != simulation);
    QVERIFY(Simulation() != Simulation());
}

void tst_TimePrograms::writeSimulation()
{
    const Simulation simulation(-1, Function::Switch, true, false,
                                QDateTime(QDate(2024, 3, 1), QTime(18, 5, 9)), false, true,
                                QDateTime(QDate(2024, 3, 2), QTime(7, 0)), true,
                                QDateTime(QDate(2024, 3, 3), QTime(5, 0)),
                                QDateTime(QDate(2024, 3, 4), QTime(23, 0)), 10, 20, 30, 40, true,
                                false, -1, 17, 4711);
    simulation.timerIds().insert(3, 33);
    simulation.timerIds().insert(4, 44);
    const QByteArray xml = testutil::write([&](QXmlStreamWriter* writer) {
        simulation.beginSerialize(writer);
        simulation.endSerialize(writer);
    });

    QCOMPARE(testutil::childNames(xml, QStringLiteral("project")),
             QStringList{QStringLiteral("p:simulation")});
    const auto attributes = testutil::elements(xml, QStringLiteral("simulation")).at(0);
    const QStringList expected = {
        QStringLiteral("id=-1"),
        QStringLiteral("enabled=false"),
        QStringLiteral("startTimeEnable=true"),
        QStringLiteral("startOnNight=false"),
        QStringLiteral("startTime=2024-03-01 18:05:09"),
        QStringLiteral("endTimeEnable=false"),
        QStringLiteral("endOnNight=true"),
        QStringLiteral("endTime=2024-03-02 07:00:00"),
        QStringLiteral("pauseTimeEnable=true"),
        QStringLiteral("pauseEndTime=2024-03-03 05:00:00"),
        QStringLiteral("pauseStartTime=2024-03-04 23:00:00"),
        QStringLiteral("delayStart=10"),
        QStringLiteral("delayEnd=20"),
        QStringLiteral("durationStart=30"),
        QStringLiteral("durationEnd=40"),
        QStringLiteral("repeat=true"),
        QStringLiteral("startJobId=-1"),
        QStringLiteral("endJobId=17"),
        QStringLiteral("simulationDatapoint=4711"),
    };
    QStringList written;
    for (const auto& attribute : attributes)
        written.append(attribute.qualifiedName().toString() + QLatin1Char('=')
                       + attribute.value().toString());
    QCOMPARE(written, expected);

    QCOMPARE(testutil::childNames(xml, QStringLiteral("simulation")),
             (QStringList{QStringLiteral("p:timer"), QStringLiteral("p:timer")}));
    QCOMPARE(writtenTimers(xml), (QStringList{QStringLiteral("day=3 id=33"),
                                              QStringLiteral("day=4 id=44")}));

    // An invalid date-time set afterwards is written empty.
    Simulation emptied = simulation;
    emptied.setEndTime(QDateTime());
    const QByteArray again = testutil::write([&](QXmlStreamWriter* writer) {
        emptied.beginSerialize(writer);
        emptied.endSerialize(writer);
    });
    QCOMPARE(testutil::value(testutil::elements(again, QStringLiteral("simulation")).at(0),
                             QStringLiteral("endTime")),
             QString());
}

namespace {

enum class Difference {
    None, Id, Type, StartTime, StartOnNight, StartTimeEnable, DelayStart, DelayEnd, Enabled,
    EndTimeEnable, EndOnNight, EndTime, PauseTimeEnable, PauseStartTime, DurationStart,
    DurationEnd, PauseEndTime, Repeat, Jobs, Datapoint, Timers
};

void applyDifference(Simulation& simulation, Difference difference)
{
    const QDateTime later = QDateTime(QDate(2030, 1, 1), QTime(1, 2));
    switch (difference) {
    case Difference::None: break;
    case Difference::Id: simulation.setId(simulation.id() + 1); break;
    case Difference::Type: simulation.setType(Function::Dimming); break;
    case Difference::StartTime: simulation.setStartTime(later); break;
    case Difference::StartOnNight: simulation.setStartOnNight(true); break;
    case Difference::StartTimeEnable: simulation.setStartTimeEnable(true); break;
    case Difference::DelayStart: simulation.setDelayStart(9); break;
    case Difference::DelayEnd: simulation.setDelayEnd(9); break;
    case Difference::Enabled: simulation.setEnabled(true); break;
    case Difference::EndTimeEnable: simulation.setEndTimeEnable(true); break;
    case Difference::EndOnNight: simulation.setEndOnNight(true); break;
    case Difference::EndTime: simulation.setEndTime(later); break;
    case Difference::PauseTimeEnable: simulation.setPauseTimeEnable(true); break;
    case Difference::PauseStartTime: simulation.setPauseStartTime(later); break;
    case Difference::DurationStart: simulation.setDurationStart(9); break;
    case Difference::DurationEnd: simulation.setDurationEnd(9); break;
    case Difference::PauseEndTime: simulation.setPauseEndTime(later); break;
    case Difference::Repeat: simulation.setRepeat(true); break;
    case Difference::Jobs: simulation.setStartJobId(3); simulation.setEndJobId(4); break;
    case Difference::Datapoint: simulation.setSimulationDatapoint(12); break;
    case Difference::Timers: simulation.timerIds().insert(1, 1); break;
    }
}

Simulation simulationOfType(Function::FunctionType type)
{
    const QDateTime base(QDate(2024, 5, 6), QTime(12, 0));
    return Simulation(3, type, false, false, base, false, false, base, false, base, base, 0, 0, 1,
                      1, false, false, -1, -1, -1);
}

} // namespace

Q_DECLARE_METATYPE(Difference)

void tst_TimePrograms::simulationEquals_data()
{
    QTest::addColumn<Function::FunctionType>("type");
    QTest::addColumn<Difference>("difference");
    QTest::addColumn<bool>("expected");

    QTest::newRow("same settings in two blocks are equal")
        << Function::Blind << Difference::None << true;
    const struct {
        const char* name;
        Difference difference;
    } always[] = {
        {"id", Difference::Id},
        {"type", Difference::Type},
        {"start time", Difference::StartTime},
        {"start at night", Difference::StartOnNight},
        {"start enable", Difference::StartTimeEnable},
        {"start delay", Difference::DelayStart},
        {"end delay", Difference::DelayEnd},
        {"enabled", Difference::Enabled},
    };
    for (const auto& row : always) {
        QTest::addRow("blind with another %s differs", row.name)
            << Function::Blind << row.difference << false;
    }
    const struct {
        const char* name;
        Difference difference;
    } switchOnly[] = {
        {"end enable", Difference::EndTimeEnable},
        {"end at night", Difference::EndOnNight},
        {"end time", Difference::EndTime},
        {"pause enable", Difference::PauseTimeEnable},
        {"pause start", Difference::PauseStartTime},
        {"start duration", Difference::DurationStart},
        {"end duration", Difference::DurationEnd},
    };
    for (const auto& row : switchOnly) {
        QTest::addRow("switch with another %s differs", row.name)
            << Function::Switch << row.difference << false;
        QTest::addRow("dimmer with another %s differs", row.name)
            << Function::Dimming << row.difference << false;
        QTest::addRow("blind with another %s is equal", row.name)
            << Function::Blind << row.difference << true;
        QTest::addRow("heating with another %s is equal", row.name)
            << Function::Heating << row.difference << true;
    }
    const struct {
        const char* name;
        Difference difference;
    } never[] = {
        {"pause end", Difference::PauseEndTime},
        {"repeat", Difference::Repeat},
        {"job ids", Difference::Jobs},
        {"datapoint", Difference::Datapoint},
        {"timer", Difference::Timers},
    };
    for (const auto& row : never) {
        QTest::addRow("switch with another %s is equal", row.name)
            << Function::Switch << row.difference << true;
    }
}

void tst_TimePrograms::simulationEquals()
{
    QFETCH(Function::FunctionType, type);
    QFETCH(Difference, difference);
    QFETCH(bool, expected);

    const Simulation first = simulationOfType(type);
    Simulation second = simulationOfType(type);
    applyDifference(second, difference);
    QCOMPARE(first.equals(second), expected);
    QCOMPARE(second.equals(first), expected);
    QVERIFY(first.equals(first));
}

void tst_TimePrograms::simulationMerge_data()
{
    QTest::addColumn<Difference>("difference");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("expected");

    QTest::newRow("equal other is no change") << Difference::None << false << false;
    QTest::newRow("force is a change") << Difference::None << true << true;
    QTest::newRow("compared field is a change") << Difference::Enabled << false << true;
    QTest::newRow("uncompared field is no change") << Difference::Repeat << false << false;
}

void tst_TimePrograms::simulationMerge()
{
    QFETCH(Difference, difference);
    QFETCH(bool, force);
    QFETCH(bool, expected);

    Simulation simulation = simulationOfType(Function::Switch);
    const Simulation earlierCopy = simulation;
    Simulation other = simulationOfType(Function::Switch);
    applyDifference(other, difference);
    other.setStartJobId(77);
    other.timerIds().insert(2, 22);

    QCOMPARE(simulation.mergeAdminSettings(other, force), expected);
    QVERIFY(simulation == other);
    QCOMPARE(simulation.startJobId(), 77);
    QCOMPARE(simulation.timerIds().value(2), 22);
    // Re-pointed, not copied into: the earlier copy keeps the old block.
    QVERIFY(earlierCopy != simulation);
    QCOMPARE(earlierCopy.startJobId(), -1);
    other.setDurationEnd(123);
    QCOMPARE(simulation.durationEnd(), 123);
    simulation.setRepeat(!simulation.repeat());
    QCOMPARE(other.repeat(), simulation.repeat());
}

void tst_TimePrograms::readSimulation_data()
{
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("simulation");
    QTest::addColumn<QStringList>("expected");

    const QByteArray blind = "<function id=\"" + idA + "\" name=\"n\" type=\"Blind\"";
    const QStringList readDefaults = {
        QStringLiteral("id=0"),
        QStringLiteral("type=3"),
        QStringLiteral("enabled=0"),
        QStringLiteral("startTimeEnable=0"),
        QStringLiteral("startOnNight=0"),
        QStringLiteral("startTime=today 12:00:00"),
        QStringLiteral("endTimeEnable=0"),
        QStringLiteral("endOnNight=0"),
        QStringLiteral("endTime=today 11:59:00"),
        QStringLiteral("pauseTimeEnable=0"),
        QStringLiteral("pauseEndTime=today 05:00:00"),
        QStringLiteral("pauseStartTime=today 23:00:00"),
        QStringLiteral("delays=0/0"),
        QStringLiteral("durations=0/0"),
        QStringLiteral("repeat=0"),
        QStringLiteral("jobs=0/0"),
        QStringLiteral("datapoint=0"),
    };
    QTest::newRow("no attributes give zeros, not the constructed -1 and 1")
        << blind << QByteArray("<p:simulation/>") << readDefaults;
    QTest::newRow("every attribute is read; booleans ignore letter case")
        << "<function id=\"" + idA + "\" name=\"n\" type=\"Dimming\""
        << QByteArray("<SIMULATION id=\"4\" enabled=\"YES\" startTimeEnable=\"1\" "
                      "startOnNight=\"True\" startTime=\"2024-03-01 18:05:09\" "
                      "endTimeEnable=\"yes\" endOnNight=\"on\" endTime=\"2024-03-02 07:00:00\" "
                      "pauseTimeEnable=\"TRUE\" pauseEndTime=\"2024-03-03 05:30:00\" "
                      "pauseStartTime=\"2024-03-04 22:00:00\" delayStart=\"5\" delayEnd=\"6\" "
                      "durationStart=\"7\" durationEnd=\"8\" repeat=\"1\" startJobId=\"-1\" "
                      "endJobId=\"12\" simulationDatapoint=\"99\"/>")
        << QStringList{QStringLiteral("id=4"), QStringLiteral("type=2"),
                       QStringLiteral("enabled=1"), QStringLiteral("startTimeEnable=1"),
                       QStringLiteral("startOnNight=1"),
                       QStringLiteral("startTime=2024-03-01T18:05:09"),
                       QStringLiteral("endTimeEnable=1"), QStringLiteral("endOnNight=0"),
                       QStringLiteral("endTime=2024-03-02T07:00:00"),
                       QStringLiteral("pauseTimeEnable=1"),
                       QStringLiteral("pauseEndTime=2024-03-03T05:30:00"),
                       QStringLiteral("pauseStartTime=2024-03-04T22:00:00"),
                       QStringLiteral("delays=5/6"), QStringLiteral("durations=7/8"),
                       QStringLiteral("repeat=1"), QStringLiteral("jobs=-1/12"),
                       QStringLiteral("datapoint=99")};
    QTest::newRow("unreadable date-times and numbers fall back")
        << blind
        << QByteArray("<p:simulation id=\"x\" startTime=\"2024-13-01 10:00:00\" "
                      "endTime=\"2024-03-02T07:00:00\" pauseEndTime=\"\" "
                      "pauseStartTime=\"tonight\" delayStart=\"1.5\"/>")
        << readDefaults;
}

void tst_TimePrograms::readSimulation()
{
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, simulation);
    QFETCH(QStringList, expected);

    QCOMPARE(describe(simulationInFile(function, simulation)), expected);
}

void tst_TimePrograms::readSimulationTimers_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("a later timer of the same day replaces the earlier")
        << QByteArray("<p:timer day=\"2\" id=\"20\"/><p:timer day=\"2\" id=\"21\"/>")
        << QList<int>{2} << QList<int>{21};
    QTest::newRow("Timer in any namespace is read; other children are skipped")
        << QByteArray("<Timer day=\"1\" id=\"10\"/><p:other><p:timer day=\"3\" id=\"30\"/>"
                      "</p:other><p:timer day=\"4\" id=\"40\"><p:timer day=\"5\"/></p:timer>")
        << QList<int>{1, 4} << QList<int>{10, 40};
}

void tst_TimePrograms::readSimulationTimers()
{
    QFETCH(QByteArray, children);
    QFETCH(QList<int>, days);
    QFETCH(QList<int>, ids);

    const Simulation simulation =
        simulationInFile("<function id=\"" + idA + "\" name=\"n\" type=\"Switch\"",
                         "<p:simulation id=\"1\">" + children + "</p:simulation>");
    QCOMPARE(simulation.id(), 1);
    QCOMPARE(sorted(simulation.timerIds().keys()), days);
    for (int i = 0; i < days.size(); ++i)
        QCOMPARE(simulation.timerIds().value(days.at(i)), ids.at(i));
}

QTEST_GUILESS_MAIN(tst_TimePrograms)

#include "tst_timeprograms.moc"
