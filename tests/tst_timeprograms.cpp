// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Time programs: switch times with their element, binary additional values and JSON form,
// automatic programs, and presence simulations.

#include "testutil.h"

#include <projects/almanac.h>

#include <QTimeZone>

using namespace projects;

namespace {

const QByteArray idA = "_0f1e2d3c4b5a69788796a5b4c3d2e1f0";
const QUuid uuidA = stringToUuid(QString::fromLatin1(idA));

// The first switch time of a program read from one `switchTime` element with
// @p attributes; an invalid one when there is none.
SwitchTime readOneSwitchTime(const QByteArray& attributes)
{
    const Project project = testutil::readContent("<p:automatic id=\"a\"><p:switchTime " +
                                                  attributes + "/></p:automatic>");
    return project.automatics().value("a").switchTimes().value(0,
                                                               SwitchTime(QJsonObject{{"id", 0}}));
}

// Type name and value, since QVariant's == converts between types.
QString describe(const QHash<int, QVariant>& values)
{
    QStringList lines;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines.append(QString::number(it.key()) + '=' + it.value().typeName() + ':' +
                     it.value().toString());
    lines.sort();
    return lines.join(' ');
}

// The day keys and timer identifiers in day order, "1:11,2:12".
QString describe(const QHash<int, int>& timerIds)
{
    QStringList pairs;
    for (int day : testutil::sorted(timerIds.keys()))
        pairs.append(QString("%1:%2").arg(day).arg(timerIds.value(day)));
    return pairs.join(',');
}

// The additional values by index; looking up listed indexes adds nothing.
QHash<int, QVariant> additionalValues(const SwitchTime& switchTime)
{
    QHash<int, QVariant> values;
    for (int index : switchTime.additionalValueIndexes())
        values.insert(index, switchTime.additionalValue(index));
    return values;
}

QString time(const QTime& time)
{
    return time.isValid() ? time.toString(Qt::TextDate) : "invalid";
}

// "value days start type offset minStart-maxEnd", then "limit", the timers and the
// additional values when there are any; "invalid" in front of an invalid switch time.
QString describe(const SwitchTime& s)
{
    QStringList parts;
    parts << QString::number(s.value()) << QString::number(s.days()) << time(s.start())
          << QString::number(s.type()) << QString::number(s.offset())
          << time(s.minStart()) + '-' + time(s.maxEnd());
    if (s.limit())
        parts.append("limit");
    if (!s.timerIds().isEmpty())
        parts.append("timers " + describe(s.timerIds()));
    if (!s.additionalValueIndexes().isEmpty())
        parts.append("extra " + describe(additionalValues(s)));
    return (s.isValid() ? "" : "invalid ") + parts.join(' ');
}

QByteArray writtenInProgram(const SwitchTime& switchTime)
{
    return testutil::write([&](QXmlStreamWriter* writer) {
        const Automatic automatic("a", false);
        automatic.beginSerialize(writer);
        switchTime.beginSerialize(writer);
        switchTime.endSerialize(writer);
        automatic.endSerialize(writer);
    });
}

Simulation simulationOfType(Function::FunctionType type)
{
    const QDateTime base(QDate(2024, 5, 6), QTime(12, 0));
    return Simulation(3, type, false, false, base, false, false, base, false, base, base, 0, 0, 1,
                      1, false, false, -1, -1, -1);
}

const QDateTime later(QDate(2030, 1, 1), QTime(1, 2));

// One change per field; which fields `equals` compares depends on the type.
enum Compared { Always, SwitchAndDimming, Never };
const struct
{
    const char* name;
    Compared compared;
    void (*change)(Simulation&);
} changes[] = {
    {"id", Always, [](Simulation& s) { s.setId(4); }},
    {"type", Always, [](Simulation& s) { s.setType(Function::Heating); }},
    {"start time", Always, [](Simulation& s) { s.setStartTime(later); }},
    {"start at night", Always, [](Simulation& s) { s.setStartOnNight(true); }},
    {"start enable", Always, [](Simulation& s) { s.setStartTimeEnable(true); }},
    {"start delay", Always, [](Simulation& s) { s.setDelayStart(9); }},
    {"end delay", Always, [](Simulation& s) { s.setDelayEnd(9); }},
    {"enabled", Always, [](Simulation& s) { s.setEnabled(true); }},
    {"end enable", SwitchAndDimming, [](Simulation& s) { s.setEndTimeEnable(true); }},
    {"end at night", SwitchAndDimming, [](Simulation& s) { s.setEndOnNight(true); }},
    {"end time", SwitchAndDimming, [](Simulation& s) { s.setEndTime(later); }},
    {"pause enable", SwitchAndDimming, [](Simulation& s) { s.setPauseTimeEnable(true); }},
    {"pause start", SwitchAndDimming, [](Simulation& s) { s.setPauseStartTime(later); }},
    {"start duration", SwitchAndDimming, [](Simulation& s) { s.setDurationStart(9); }},
    {"end duration", SwitchAndDimming, [](Simulation& s) { s.setDurationEnd(9); }},
    {"pause end", Never, [](Simulation& s) { s.setPauseEndTime(later); }},
    {"repeat", Never, [](Simulation& s) { s.setRepeat(true); }},
    {"job ids", Never, [](Simulation& s) { s.setStartJobId(3), s.setEndJobId(4); }},
    {"datapoint", Never, [](Simulation& s) { s.setSimulationDatapoint(12); }},
    {"timer", Never, [](Simulation& s) { s.timerIds().insert(1, 1); }},
};

} // namespace

class tst_TimePrograms : public QObject
{
    Q_OBJECT
private slots:
    void switchTimeValues();
    void notEqual_data();
    void notEqual();
    void print();
    void writeSwitchTime_data();
    void writeSwitchTime();
    void switchTimeRoundTrip();
    void writtenTimerOrder();
    void additionalValuesBytes_data();
    void additionalValuesBytes();
    void dateTimeAdditionalValues_data();
    void dateTimeAdditionalValues();
    void additionalValuesFromFile_data();
    void additionalValuesFromFile();
    void switchTimeJson_data();
    void switchTimeJson();

    void automaticUuid();
    void automaticGc();
    void automaticMerge_data();
    void automaticMerge();
    void automaticSync_data();
    void automaticSync();

    void simulationEquals_data();
    void simulationEquals();
    void simulationMerge_data();
    void simulationMerge();

    void sunMatchesPublishedTables_data();
    void sunMatchesPublishedTables();
    void polarDays_data();
    void polarDays();
    void fireTime_data();
    void fireTime();
};

void tst_TimePrograms::switchTimeValues()
{
    SwitchTime switchTime;
    QCOMPARE(describe(switchTime), QString("0 254 00:00:00 1 0 06:00:00-17:00:00"));
    // Copies share one block, and == compares blocks, not contents; equals() never holds.
    const SwitchTime copy = switchTime;
    const SwitchTime twin(switchTime.id(), 0, 254, QTime(0, 0), 0, QTime(6, 0), QTime(17, 0), false,
                          {}, {});
    QVERIFY(copy == switchTime && twin != switchTime && !switchTime.equals(switchTime));

    // Looking up an absent index adds it, invalid, so it is listed and written.
    QVERIFY(!switchTime.additionalValue(3).isValid());
    QCOMPARE(copy.additionalValueIndexes(), QList<int>{3});
    QVERIFY(!copy.hasAdditionalValue(3));
    QVERIFY(testutil::writeElement(copy).contains("additionalValues="));
    switchTime.setAdditionalValue(3, QString()); // a null value is no value, on Qt 5 and 6 alike
    QVERIFY(!copy.hasAdditionalValue(3));
    switchTime.setAdditionalValue(3, 7.5);
    QCOMPARE(describe(additionalValues(copy)), QString("3=double:7.5"));
}
void tst_TimePrograms::notEqual_data()
{
    // Switch times by number: equal numbers are one shared object, numbers that are equal
    // modulo 100 have the same identifier.
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<bool>("expected");

    QList<int> many;
    for (int i = 0; i < 20; ++i)
        many.append(i);
    QList<int> reversed(many.crbegin(), many.crend());
    QList<int> other = many;
    other.last() = 99;
    QTest::newRow("two empty lists are equal") << QList<int>{} << QList<int>{} << false;
    QTest::newRow("empty and non-empty differ") << QList<int>{} << QList<int>{0} << true;
    QTest::newRow("a list differs from itself") << QList<int>{0, 1} << QList<int>{0, 1} << true;
    QTest::newRow("same identifiers in other objects differ")
        << QList<int>{0, 1} << QList<int>{101, 100} << true;
    QTest::newRow("different identifiers differ") << QList<int>{0} << QList<int>{1} << true;
    QTest::newRow("a repeated entry differs") << QList<int>{1, 1} << QList<int>{1} << true;
    QTest::newRow("long lists, same entries in another order") << many << reversed << true;
    QTest::newRow("long lists, one other identifier") << many << other << true;
}

void tst_TimePrograms::notEqual()
{
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);

    QHash<int, SwitchTime> entries;
    QHash<int, QUuid> ids;
    const auto list = [&](const QList<int>& numbers) {
        QList<SwitchTime> result;
        for (int n : numbers) {
            if (!ids.contains(n % 100))
                ids.insert(n % 100, QUuid::createUuid());
            if (!entries.contains(n))
                entries.insert(n, SwitchTime(ids.value(n % 100), 0, 254, QTime(), 0, QTime(),
                                             QTime(), false, {}, {}));
            result.append(entries.value(n));
        }
        return result;
    };
    QTEST(SwitchTime::notEqual(list(first), list(second)), "expected");
    QTEST(SwitchTime::notEqual(list(second), list(first)), "expected");
}
void tst_TimePrograms::print()
{
    SwitchTime switchTime(uuidA, 50, 254, QTime(6, 0), 0, QTime(), QTime(), true, {}, {{1, 11}});
    SwitchTime other(uuidA, 1234567, 3, QTime(), 0, QTime(), QTime(), false, {}, {});
    testutil::MessageLog log;
    switchTime.print();
    other.print();
    const QString start = ">> SwitchTime ID = " + QString::fromLatin1(idA);
    QCOMPARE(log.messages(),
             (QStringList{start + ", VALUE = 50, DAYS = 254, START = 06:00:00, LIMIT = 1, "
                                  "TIMER_IDS =  QHash((1, 11))",
                          start + ", VALUE = 1.23457e+06, DAYS = 3, START = , LIMIT = 0, "
                                  "TIMER_IDS =  QHash()"}));
    QCOMPARE(log.types(), (QList<QtMsgType>{QtDebugMsg, QtDebugMsg}));
}

void tst_TimePrograms::writeSwitchTime_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("limit");
    QTest::addColumn<QString>("expected");

    const QString astro = " offset=-20 minStart=05:00:00 maxEnd=22:15:00";
    QTest::newRow("type Time has no astronomical attributes")
        << int(SwitchTime::Time) << 50.0 << false << "value=50 days=62 start=07:30:15";
    QTest::newRow("type Unknown has the astronomical attributes")
        << int(SwitchTime::Unknown) << 0.5 << false << "value=0.5 days=62 start=07:30:15" + astro;
    QTest::newRow("a type outside the enumeration has them too")
        << -1 << 0.0 << false << "value=0 days=62 start=07:30:15" + astro;
    QTest::newRow("sunset with limit puts limit last")
        << int(SwitchTime::AstroSunset) << 1234567.0 << true
        << "value=1.23457e+06 days=62 start=07:30:15" + astro + " limit=true";
}

void tst_TimePrograms::writeSwitchTime()
{
    QFETCH(int, type);
    QFETCH(double, value);
    QFETCH(bool, limit);

    SwitchTime switchTime(uuidA, value, 62, QTime(7, 30, 15), -20, QTime(5, 0), QTime(22, 15),
                          limit, {}, {{1, 11}, {6, 66}});
    switchTime.setType(static_cast<SwitchTime::SwitchTimeType>(type));
    const QByteArray xml = testutil::writeElement(switchTime);
    QCOMPARE(testutil::childNames(xml, "project"), QStringList{"p:switchTime"});
    QStringList attributes = testutil::attributesOf(xml, "switchTime");
    QCOMPARE(attributes.takeFirst(), "id=" + QString::fromLatin1(idA));
    QTEST(attributes.join(' '), "expected");

    // The timers are profile-namespace children, by ascending day.
    QCOMPARE(testutil::childNames(xml, "switchTime"), (QStringList{"p:timer", "p:timer"}));
    QStringList timers;
    for (const auto& timer : testutil::elements(xml, "timer"))
        timers.append(testutil::pairs(timer).join(' '));
    QCOMPARE(timers, (QStringList{"day=1 id=11", "day=6 id=66"}));
}

void tst_TimePrograms::switchTimeRoundTrip()
{
    SwitchTime switchTime(QUuid::createUuid(), 1, 2, QTime(3, 4, 5), 45, QTime(7, 0), QTime(19, 30),
                          false, {}, {{2, 22}});
    switchTime.setType(SwitchTime::AstroSunrise);
    switchTime.setAdditionalValue(1, 20.0);
    switchTime.setAdditionalValue(2, "text");
    switchTime.setAdditionalValue(-4, 7);
    switchTime.additionalValue(9); // registers an invalid value
    const SwitchTime read =
        testutil::read(writtenInProgram(switchTime)).automatics().value("a").switchTimes().value(0);
    QCOMPARE(read.id(), switchTime.id());
    // The type is not written: an astronomical switch time comes back as Time (1).
    QCOMPARE(describe(read), QString("1 2 03:04:05 1 45 07:00:00-19:30:00 timers 2:22 extra "
                                     "-4=int:7 1=double:20 2=QString:text 9=:"));
}

void tst_TimePrograms::writtenTimerOrder()
{
    // Switch times and simulations write their timers by ascending day, as numbers.
    const QList<int> days{-100, -3, 0, 2, 10, 64, 128, 254, 100000};
    QHash<int, int> timerIds;
    QStringList expected;
    for (int i = days.size() - 1; i >= 0; --i)
        timerIds.insert(days.at(i), 1000 + i);
    for (int i = 0; i < days.size(); ++i)
        expected.append(QString("day=%1 id=%2").arg(days.at(i)).arg(1000 + i));
    SwitchTime switchTime(uuidA, 1, 254, QTime(6, 0), 0, QTime(6, 0), QTime(17, 0), false, {},
                          timerIds);
    Simulation simulation;
    simulation.setTimerIds(timerIds);

    for (const QByteArray& xml :
         {testutil::writeElement(switchTime), testutil::writeElement(simulation)}) {
        QStringList timers;
        for (const auto& timer : testutil::elements(xml, "timer"))
            timers.append(testutil::pairs(timer).join(' '));
        QCOMPARE(timers, expected);
    }
}

void tst_TimePrograms::additionalValuesBytes_data()
{
    QTest::addColumn<QList<int>>("insertion"); // the indexes in the order they are set
    QTest::addColumn<QList<int>>("indexes");   // additionalValueIndexes()
    QTest::addColumn<QByteArray>("hex");

    // Qt's container form entry by entry in ascending index, QDataStream::Qt_5_15: the
    // count, then per entry the index and the variant (type number, null flag, value).
    // Index 1 holds the double 50, index 2 the string "hi", index 3 the int 7, index 10
    // an invalid value.
    const QByteArray one = "00000001 00000006 00 4049000000000000";
    const QByteArray two = "00000002 0000000a 00 00000004 00680069";
    const QByteArray three = "00000003 00000002 00 00000007";
    const QByteArray ten = "0000000a 00000000 01";
    QTest::newRow("indexes 3, 1, 2")
        << QList<int>{3, 1, 2} << QList<int>{1, 2, 3}
        << QByteArray("00000003 " + one + ' ' + two + ' ' + three).replace(' ', "");
    QTest::newRow("indexes 10, 2, 3, 1")
        << QList<int>{10, 2, 3, 1} << QList<int>{1, 2, 3, 10}
        << QByteArray("00000004 " + one + ' ' + two + ' ' + three + ' ' + ten).replace(' ', "");
    QTest::newRow("one index") << QList<int>{2} << QList<int>{2}
                               << QByteArray("00000001 " + two).replace(' ', "");
}

void tst_TimePrograms::additionalValuesBytes()
{
    QFETCH(QList<int>, insertion);
    QFETCH(QList<int>, indexes);
    QFETCH(QByteArray, hex);

    const QHash<int, QVariant> values{{1, 50.0}, {2, QStringLiteral("hi")}, {3, 7}, {10, {}}};
    SwitchTime switchTime(uuidA, 0, 254, QTime(6, 0), 0, QTime(6, 0), QTime(17, 0), false, {}, {});
    for (int index : qAsConst(insertion))
        switchTime.setAdditionalValue(index, values.value(index));
    QCOMPARE(switchTime.additionalValueIndexes(), indexes);
    const QByteArray xml = testutil::writeElement(switchTime);
    const QString written =
        testutil::value(testutil::elements(xml, "switchTime").value(0), "additionalValues");
    QCOMPARE(written, QString::fromLatin1(hex));

    // Read back, the same table; written again, the same bytes.
    const SwitchTime read =
        testutil::read(writtenInProgram(switchTime)).automatics().value("a").switchTimes().value(0);
    QCOMPARE(read.additionalValueIndexes(), indexes);
    QCOMPARE(describe(additionalValues(read)), describe(additionalValues(switchTime)));
    QCOMPARE(
        testutil::value(testutil::elements(testutil::writeElement(read), "switchTime").value(0),
                        "additionalValues"),
        written);
}

void tst_TimePrograms::dateTimeAdditionalValues_data()
{
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<bool>("kept");

    // The reader looks at the time spec at a byte offset that follows from the stream
    // version; the values are encoded by the writer, so a wrong offset shows here.
    const QDate date(2024, 3, 1);
    const QTime time(6, 30, 15, 250);
    QTest::newRow("local time is kept") << QDateTime(date, time, Qt::LocalTime) << true;
    QTest::newRow("UTC is kept") << QDateTime(date, time, Qt::UTC) << true;
    QTest::newRow("a fixed offset is kept")
        << QDateTime(date, time, Qt::OffsetFromUTC, 3600) << true;
    QTest::newRow("a negative offset is kept")
        << QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59, 999), Qt::OffsetFromUTC, -5 * 3600)
        << true;
    QTest::newRow("UTC at midnight on day 0 of the Julian calendar is kept")
        << QDateTime(QDate::fromJulianDay(0), QTime(0, 0), Qt::UTC) << true;
    QTest::newRow("a named time zone is refused")
        << QDateTime(date, time, QTimeZone("Europe/Berlin")) << false;
    QTest::newRow("a named offset zone is refused")
        << QDateTime(date, time, QTimeZone("UTC+01:00")) << false;
}

void tst_TimePrograms::dateTimeAdditionalValues()
{
    QFETCH(QDateTime, value);
    QFETCH(bool, kept);
    QVERIFY(value.isValid());

    SwitchTime switchTime(uuidA, 0, 254, QTime(6, 0), 0, QTime(6, 0), QTime(17, 0), false, {}, {});
    switchTime.setAdditionalValue(2, 20.0);
    switchTime.setAdditionalValue(1, value);
    const SwitchTime read =
        testutil::read(writtenInProgram(switchTime)).automatics().value("a").switchTimes().value(0);
    QVERIFY(read.isValid());
    // A refused value empties the whole table.
    QCOMPARE(read.additionalValueIndexes(), kept ? (QList<int>{1, 2}) : QList<int>());
    if (!kept)
        return;
    const QDateTime back = read.additionalValue(1).toDateTime();
    QCOMPARE(back, value);
    QCOMPARE(back.timeSpec(), value.timeSpec());
    QCOMPARE(back.offsetFromUtc(), value.offsetFromUtc());
    QCOMPARE(read.additionalValue(2), QVariant(20.0));
}

void tst_TimePrograms::additionalValuesFromFile_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("expected");

    // Count, index, then the variant: type number, null flag, value.
    const auto one = [](const char* variant) {
        return QByteArray("00000001 00000001 ").append(variant).replace(' ', "");
    };
    const QByteArray fifty = "00000006 00 4049000000000000";
    QTest::newRow("a double is read") << one(fifty) << "1=double:50";
    QTest::newRow("a string is read") << one("0000000a 00 00000004 00680069") << "1=QString:hi";
    QTest::newRow("an invalid value keeps its index") << one("00000000 01") << "1=:";
    // Which type numbers are refused is checked number by number with the hostile inputs.
    QTest::newRow("a GUI type after a good entry empties the table")
        << QByteArray("00000002 00000001 " + fifty + " 00000002 00000041 00 00000000")
               .replace(' ', "")
        << "";
    QTest::newRow("a truncated value empties the table") << one("00000006 00 4049") << "";
    QTest::newRow("more entries counted than present empties the table")
        << QByteArray("00000002 00000001 " + fifty).replace(' ', "") << "";
    QTest::newRow("a huge string length empties the table")
        << one("0000000a 00 7ffffffe 0041") << "";
    QTest::newRow("text that is no hex reads as empty") << QByteArray("zz") << "";
}

void tst_TimePrograms::additionalValuesFromFile()
{
    QFETCH(QByteArray, hex);
    const SwitchTime switchTime =
        readOneSwitchTime("id=\"" + idA + "\" additionalValues=\"" + hex + "\"");
    QVERIFY(switchTime.isValid());
    QTEST(describe(additionalValues(switchTime)), "expected");
}

void tst_TimePrograms::switchTimeJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");

    // What the import shows is pinned by its reference file; these cases it leaves out.
    const QString defaults = "0 254 00:00:00 1 0 06:00:00-17:00:00";
    QTest::newRow("no id keeps the defaults and is valid")
        << QByteArray("{\"days\":3,\"start\":60}") << defaults;
    QTest::newRow("an id that decodes to 15 bytes is invalid and stops reading")
        << QByteArray("{\"id\":\"_0f1e2d3c4b5a69788796a5b4c3d2e1\",\"days\":3}")
        << "invalid " + defaults;
    QTest::newRow("an id that is no string is invalid")
        << QByteArray("{\"id\":5}") << "invalid " + defaults;
}

void tst_TimePrograms::switchTimeJson()
{
    QFETCH(QByteArray, json);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    QVERIFY(!object.isEmpty());
    const SwitchTime switchTime(object);
    if (switchTime.isValid() && object.contains("id"))
        QCOMPARE(switchTime.id(), uuidA);
    QTEST(describe(switchTime), "expected");
}

void tst_TimePrograms::automaticUuid()
{
    // Version-3 UUIDs of the texts under the null namespace, computed independently.
    Automatic automatic("abc", false);
    QCOMPARE(automatic.uuid(), QUuid("{522ec739-ca63-3ec5-b082-08ce08ad65e2}"));
    automatic.switchTimes().append(SwitchTime());
    automatic.setRunOnVacation(true);
    QCOMPARE(automatic.uuid(), Automatic("abc", false).uuid());
    QCOMPARE(Automatic().uuid(), QUuid("{4ae71336-e44b-39bf-b9d2-752e234818a5}"));
}

void tst_TimePrograms::automaticGc()
{
    Automatic automatic("a", true);
    QVERIFY(!automatic.gc().hasSomethingToDelete());
    // Timer identifiers, not day keys, of every switch time, each once.
    automatic.switchTimes() << testutil::switchTimeWithTimers({{1, 11}, {2, 12}})
                            << testutil::switchTimeWithTimers({{1, 11}}) << SwitchTime();
    const DeletableItems items = automatic.gc();
    QCOMPARE(testutil::sorted(items.timers()), (QList<int>{11, 12}));
    QVERIFY(items.simulations().isEmpty() && items.jobs().isEmpty() && items.triggers().isEmpty());
    QVERIFY(!items.refreshNeeded());
    QCOMPARE(automatic.switchTimes().size(), 3);
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

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid()};
    Automatic automatic("mine", mineFlag);
    for (int i : mine)
        automatic.switchTimes().append(SwitchTime(pool[i], 0, 254, {}, 0, {}, {}, false, {}, {}));
    Automatic other("theirs", otherFlag);
    for (int i : theirs)
        other.switchTimes().append(SwitchTime(pool[i], 0, 254, {}, 0, {}, {}, false, {}, {}));
    const Automatic earlierCopy = automatic;

    QTEST(automatic.mergeAdminSettings(other, force), "expected");
    QCOMPARE(automatic.id(), QString("mine"));
    QCOMPARE(automatic.runOnVacation(), otherFlag);
    QCOMPARE(automatic.switchTimes(), other.switchTimes()); // the same shared values
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
}

void tst_TimePrograms::automaticSync()
{
    QFETCH(int, flags);
    QFETCH(bool, takesOver);

    Automatic automatic("mine", false);
    const SwitchTime own;
    automatic.switchTimes().append(own);
    Automatic other("theirs", true);
    const SwitchTime theirs;
    other.switchTimes() << theirs << SwitchTime();
    const Automatic earlierCopy = automatic;

    automatic.sync(other, Project::SyncHints(flags));
    QCOMPARE(automatic.id(), QString("mine"));
    QCOMPARE(automatic.runOnVacation(), takesOver);
    QCOMPARE(automatic.switchTimes().size(), takesOver ? 2 : 1);
    QVERIFY(automatic.switchTimes().at(0) == (takesOver ? theirs : own));

    // Separated from the earlier copy, which keeps the old values.
    automatic.setRunOnVacation(!automatic.runOnVacation());
    automatic.switchTimes().append(SwitchTime());
    QCOMPARE(earlierCopy.runOnVacation(), false);
    QCOMPARE(earlierCopy.switchTimes().size(), 1);
    QCOMPARE(other.runOnVacation(), true);
    QCOMPARE(other.switchTimes().size(), 2);
}

void tst_TimePrograms::simulationEquals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("change"); // index into changes, -1 for none
    QTest::addColumn<bool>("expected");

    QTest::newRow("same settings in two blocks are equal") << int(Function::Blind) << -1 << true;
    for (int i = 0; i < int(sizeof(changes) / sizeof(changes[0])); ++i) {
        const auto& change = changes[i];
        const bool switchOnly = change.compared == SwitchAndDimming;
        for (int type : {Function::Switch, Function::Dimming, Function::Blind, Function::Heating}) {
            const bool compared =
                change.compared == Always || (switchOnly && type <= Function::Dimming);
            if (change.compared == Always && type != Function::Blind)
                continue; // one row is enough
            if (change.compared == Never && type != Function::Switch)
                continue;
            QTest::addRow("%s with another %s %s",
                          QMetaEnum::fromType<Function::FunctionType>().valueToKey(type),
                          change.name, compared ? "differs" : "is equal")
                << type << i << !compared;
        }
    }
}

void tst_TimePrograms::simulationEquals()
{
    QFETCH(int, type);
    QFETCH(int, change);

    const Simulation first = simulationOfType(Function::FunctionType(type));
    Simulation second = simulationOfType(Function::FunctionType(type));
    if (change >= 0)
        changes[change].change(second);
    QTEST(first.equals(second), "expected");
    QTEST(second.equals(first), "expected");
    QVERIFY(first.equals(first));
}

void tst_TimePrograms::simulationMerge_data()
{
    QTest::addColumn<int>("change"); // index into changes, -1 for none
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("expected");

    QTest::newRow("equal other is no change") << -1 << false << false;
    QTest::newRow("force is a change") << -1 << true << true;
    QTest::newRow("compared field is a change") << 7 << false << true;
    QTest::newRow("uncompared field is no change") << 16 << false << false;
}

void tst_TimePrograms::simulationMerge()
{
    QFETCH(int, change);
    QFETCH(bool, force);

    Simulation simulation = simulationOfType(Function::Switch);
    const Simulation earlierCopy = simulation;
    Simulation other = simulationOfType(Function::Switch);
    if (change >= 0)
        changes[change].change(other);
    other.setStartJobId(77);
    other.timerIds().insert(2, 22);

    QTEST(simulation.mergeAdminSettings(other, force), "expected");
    // Re-pointed, not copied into: the earlier copy keeps the old block.
    QVERIFY(simulation == other);
    QVERIFY(earlierCopy != simulation);
    QCOMPARE(earlierCopy.startJobId(), -1);
    other.setDurationEnd(123);
    QCOMPARE(simulation.durationEnd(), 123);
}

void tst_TimePrograms::sunMatchesPublishedTables_data()
{
    QTest::addColumn<QString>("row");
    QFile file(testutil::dataPath(QStringLiteral("sun-reference.tsv")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')) && !line.startsWith("place"))
            QTest::newRow(qPrintable(line.section(QLatin1Char('\t'), 0, 3))) << line;
    }
}

// Published tables give local clock time; the clock's offset of the day is the time zone with
// summer time off. Berlin's rows also show that European summer time gives that offset.
void tst_TimePrograms::sunMatchesPublishedTables()
{
    QFETCH(QString, row);
    const QStringList f = row.split(QLatin1Char('\t'));
    const QDate date = QDate::fromString(f.at(3), Qt::ISODate);
    const Almanac almanac(f.at(1).toDouble(), f.at(2).toDouble(), f.at(4).toInt(),
                          Almanac::NoSummerTime);
    QCOMPARE(almanac.daylight(date), Almanac::RisesAndSets);
    const QTime events[] = {almanac.sunrise(date), almanac.sunset(date)};
    for (int i = 0; i < 2; ++i) {
        const QTime published = QTime::fromString(f.at(5 + i), QStringLiteral("HH:mm"));
        if (published.isValid())
            QVERIFY2(qAbs(published.secsTo(events[i])) <= 180,
                     qPrintable(events[i].toString() + " vs " + f.at(5 + i)));
    }
    if (f.at(0) == QLatin1String("Berlin"))
        QCOMPARE(Almanac(52.52, 13.41, 60).utcOffset(date), f.at(4).toInt());
}

void tst_TimePrograms::polarDays_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Almanac::Daylight>("daylight");
    QTest::newRow("Tromsø midsummer") << 69.65 << QDate(2026, 6, 21) << Almanac::PolarDay;
    QTest::newRow("Tromsø midwinter") << 69.65 << QDate(2026, 12, 21) << Almanac::PolarNight;
    QTest::newRow("McMurdo midsummer") << -77.85 << QDate(2026, 12, 21) << Almanac::PolarDay;
    QTest::newRow("beyond the pole is the pole")
        << 123.0 << QDate(2026, 6, 21) << Almanac::PolarDay;
    QTest::newRow("Tromsø in March") << 69.65 << QDate(2026, 3, 21) << Almanac::RisesAndSets;
}

void tst_TimePrograms::polarDays()
{
    QFETCH(double, latitude);
    QFETCH(QDate, date);
    QFETCH(Almanac::Daylight, daylight);
    const Almanac almanac(latitude, 18.96, 60);
    QCOMPARE(almanac.daylight(date), daylight);
    QCOMPARE(almanac.sunrise(date).isValid(), daylight == Almanac::RisesAndSets);
    QCOMPARE(almanac.sunset(date).isValid(), daylight == Almanac::RisesAndSets);
    SwitchTime atSunset;
    atSunset.setType(SwitchTime::AstroSunset);
    atSunset.setLimit(true);
    QCOMPARE(almanac.fireTime(atSunset, date).isValid(), daylight == Almanac::RisesAndSets);
}

// Berlin on Sunday 2026-06-21 and Monday 2026-06-22: sunrise 04:43, sunset 21:33 (CEST).
void tst_TimePrograms::fireTime_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("limit");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    const QDate sunday(2026, 6, 21);
    const QDate monday(2026, 6, 22);
    QTest::newRow("fixed time, every day") << 1 << 254 << 30 << true << sunday << "07:15";
    QTest::newRow("Monday to Friday on a Sunday") << 1 << 62 << 0 << false << sunday << "";
    QTest::newRow("Monday to Friday on a Monday") << 1 << 62 << 0 << false << monday << "07:15";
    QTest::newRow("bit 7 is Sunday") << 1 << 128 << 0 << false << sunday << "07:15";
    QTest::newRow("bit 0 is no day") << 1 << 1 << 0 << false << monday << "";
    QTest::newRow("sunset as it is") << 3 << 254 << 0 << false << sunday << "21:33";
    QTest::newRow("sunset plus offset") << 3 << 254 << -20 << false << sunday << "21:13";
    QTest::newRow("sunset held at the latest") << 3 << 254 << 0 << true << sunday << "21:00";
    QTest::newRow("sunrise held at the earliest") << 2 << 254 << 30 << true << sunday << "06:00";
    QTest::newRow("sunrise without limit") << 2 << 254 << 30 << false << sunday << "05:13";
    QTest::newRow("past midnight wraps") << 3 << 254 << 180 << false << sunday << "00:33";
    QTest::newRow("unknown type") << 0 << 254 << 0 << false << sunday << "";
}

void tst_TimePrograms::fireTime()
{
    QFETCH(int, type);
    QFETCH(int, days);
    QFETCH(int, offset);
    QFETCH(bool, limit);
    QFETCH(QDate, date);
    SwitchTime switchTime(QUuid(), 1, days, QTime(7, 15), offset, QTime(6, 0), QTime(21, 0), limit,
                          {}, {});
    switchTime.setType(SwitchTime::SwitchTimeType(type));
    const QTime fires = Almanac(52.52, 13.41, 60).fireTime(switchTime, date);
    QTEST(fires.toString(QStringLiteral("HH:mm")), "expected");
}

QTEST_GUILESS_MAIN(tst_TimePrograms)
#include "tst_timeprograms.moc"
