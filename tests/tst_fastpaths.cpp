// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The short cuts that reading, writing and merging take for speed give the results of the
// general routines they stand in for: identifier texts, name and flag comparisons, numbers
// read without QString::toInt, the simulation date-times (also where daylight saving skips
// or repeats local times), the simulation defaults that are built when first read, and the
// merge traces that are built only when debug messages are shown.

#include "testutil.h"

#include <QLoggingCategory>

#include <ctime>

using namespace projects;

namespace {

// The simulation of the first function of the first room of a document whose function
// holds @p simulation.
Simulation readSimulation(const QByteArray& simulation)
{
    const Project project =
        testutil::readContent("<floor id='_00000000000000000000000000000001'>"
                              "<room id='_00000000000000000000000000000002'>"
                              "<function id='_00000000000000000000000000000003' type='Switch'>" +
                              simulation + "</function></room></floor>");
    if (project.floors().isEmpty() || project.floors().first().rooms().isEmpty() ||
        project.floors().first().rooms().first().functions().isEmpty())
        return Simulation();
    return project.floors().first().rooms().first().functions().first().simulation();
}

} // namespace

class tst_FastPaths : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void identifierText_data();
    void identifierText();
    void names_data();
    void names();
    void flags_data();
    void flags();
    void numbers_data();
    void numbers();
    void simulationDateTimes_data();
    void simulationDateTimes();
    void simulationDefaults();
    void mergeTrace();

private:
    void setTimeZone(const QByteArray& zone);

    QByteArray m_savedTimeZone;
    bool m_timeZoneChanged = false;
};

void tst_FastPaths::setTimeZone(const QByteArray& zone)
{
    if (!m_timeZoneChanged) {
        m_savedTimeZone = qgetenv("TZ");
        m_timeZoneChanged = true;
    }
    qputenv("TZ", zone);
    tzset();
}

void tst_FastPaths::cleanup()
{
    if (m_timeZoneChanged) {
        if (m_savedTimeZone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", m_savedTimeZone);
        tzset();
        m_timeZoneChanged = false;
    }
    QLoggingCategory::setFilterRules(QString());
}

void tst_FastPaths::identifierText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUuid>("expected");

    const QUuid central("{e81add96-cfca-4174-a9d7-ea0a03d59200}");
    QTest::newRow("32 lower-case digits") << "_e81add96cfca4174a9d7ea0a03d59200" << central;
    QTest::newRow("32 upper-case digits") << "_E81ADD96CFCA4174A9D7EA0A03D59200" << central;
    QTest::newRow("any first character is dropped")
        << "ee81add96cfca4174a9d7ea0a03d59200" << central;
    QTest::newRow("dashes and braces are skipped")
        << "_{e81add96-cfca-4174-a9d7-ea0a03d59200}" << central;
    QTest::newRow("31 digits: the first one stands alone")
        << "_81add96cfca4174a9d7ea0a03d59200" << QUuid("{081add96-cfca-4174-a9d7-ea0a03d59200}");
    QTest::newRow("33 characters, one of them no digit")
        << "_e81add96-cfca4174a9d7ea0a03d5920" << QUuid("{0e81add9-6cfc-a417-4a9d-7ea0a03d5920}");
    QTest::newRow("33 digits give none") << "_e81add96cfca4174a9d7ea0a03d592000" << QUuid();
    QTest::newRow("30 digits give none") << "_1add96cfca4174a9d7ea0a03d59200" << QUuid();
    QTest::newRow("the first character is never a digit")
        << "e81add96cfca4174a9d7ea0a03d59200" << QUuid("{081add96-cfca-4174-a9d7-ea0a03d59200}");
    QTest::newRow("empty text") << QString() << QUuid();
    QTest::newRow("one character") << "_" << QUuid();
}

void tst_FastPaths::identifierText()
{
    QFETCH(QString, text);
    QFETCH(QUuid, expected);
    QCOMPARE(stringToUuid(text), expected);
}

void tst_FastPaths::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("matches");

    QTest::newRow("same letters") << "switchTime"
                                  << "switchTime" << true;
    QTest::newRow("capitals") << "SWITCHTIME"
                              << "switchTime" << true;
    QTest::newRow("same length, other name") << "simulation"
                                             << "switchTime" << false;
    QTest::newRow("a dash is no letter") << "switch-Time"
                                         << "switchtime" << false;
    QTest::newRow("prefix only") << "switch"
                                 << "switchTime" << false;
    QTest::newRow("empty names") << QString() << QString() << true;
}

void tst_FastPaths::names()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(bool, matches);
    const QByteArray latin1 = expected.toLatin1();
    QCOMPARE(nameIs(name, QLatin1String(latin1)), matches);
}

void tst_FastPaths::flags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("YES") << "YES" << true;
    QTest::newRow("tRuE") << "tRuE" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("yes with a blank") << "yes " << false;
    QTest::newRow("ye") << "ye" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("on") << "on" << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_FastPaths::flags()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(stringToBool(text), expected);
}

void tst_FastPaths::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // as QString::toInt() reads it

    QTest::newRow("digits") << "7" << 7;
    QTest::newRow("minus sign") << "-12" << -12;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("leading zeros") << "0007" << 7;
    QTest::newRow("nine digits") << "999999999" << 999999999;
    QTest::newRow("largest int") << "2147483647" << 2147483647;
    QTest::newRow("smallest int") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("beyond int") << "2147483648" << 0;
    QTest::newRow("exponent") << "1e3" << 0;
    QTest::newRow("trailing letter") << "7x" << 0;
    QTest::newRow("minus alone") << "-" << 0;
    QTest::newRow("two minus signs") << "--1" << 0;
    QTest::newRow("empty") << QString() << 0;
}

void tst_FastPaths::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    // Numbers of the file as the switch-time timers and the simulation read them.
    const Project project =
        testutil::readContent("<floor id='_00000000000000000000000000000001'>"
                              "<room id='_00000000000000000000000000000002'>"
                              "<function id='_00000000000000000000000000000003' type='Switch'>"
                              "<p:switchTime id='_00000000000000000000000000000004' days='" +
                              text.toUtf8() + "'><p:timer day='1' id='" + text.toUtf8() +
                              "'/></p:switchTime><p:simulation delayStart='" + text.toUtf8() +
                              "'/></function></room></floor>");
    const QList<Function> functions = testutil::roomFunctions(project);
    QCOMPARE(functions.size(), 1);
    QCOMPARE(functions.first().switchTimes().size(), 1);
    const SwitchTime switchTime = functions.first().switchTimes().first();
    QCOMPARE(switchTime.days(), expected);
    QCOMPARE(switchTime.timerIds().value(1, -99), expected);
    QCOMPARE(functions.first().simulation().delayStart(), expected);
}

void tst_FastPaths::simulationDateTimes_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid"); // false: the default, today at 12:00

    QTest::newRow("an ordinary winter time")
        << QByteArray("Europe/Berlin") << "2026-01-01 18:00:00" << true;
    QTest::newRow("an ordinary summer time")
        << QByteArray("Europe/Berlin") << "2026-07-01 18:00:00" << true;
    QTest::newRow("a time that the autumn change repeats")
        << QByteArray("Europe/Berlin") << "2026-10-25 02:30:00" << true;
    QTest::newRow("another day of the autumn change")
        << QByteArray("Europe/Berlin") << "2026-10-25 18:00:00" << true;
    QTest::newRow("a time that the spring change skips")
        << QByteArray("Europe/Berlin") << "2026-03-29 02:30:00" << false;
    QTest::newRow("UTC") << QByteArray("UTC") << "2026-01-01 18:00:00" << true;
    QTest::newRow("single-digit month") << QByteArray("UTC") << "2026-1-01 18:00:00" << false;
    QTest::newRow("ISO form with T") << QByteArray("UTC") << "2026-01-01T18:00:00" << false;
    QTest::newRow("no such day") << QByteArray("UTC") << "2026-02-30 18:00:00" << false;
    QTest::newRow("hour 24") << QByteArray("UTC") << "2026-01-01 24:00:00" << false;
    QTest::newRow("year before 1970")
        << QByteArray("Europe/Berlin") << "1965-06-01 08:00:00" << true;
}

void tst_FastPaths::simulationDateTimes()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    setTimeZone(zone);

    const Simulation simulation =
        readSimulation("<p:simulation startTime='" + text.toUtf8() + "'/>");
    const QDateTime expected = valid ? QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss")
                                     : QDateTime(QDate::currentDate(), QTime(12, 0));
    QVERIFY(expected.isValid());
    const QDateTime read = simulation.startTime();
    QCOMPARE(read, expected);
    QCOMPARE(read.timeSpec(), Qt::LocalTime);
    QCOMPARE(read.offsetFromUtc(), expected.offsetFromUtc());
    QCOMPARE(read.toString(Qt::ISODate), expected.toString(Qt::ISODate));
}

void tst_FastPaths::simulationDefaults()
{
    const QDate today = QDate::currentDate();
    const Simulation fresh;
    QCOMPARE(fresh.startTime(), QDateTime(today, QTime(12, 0)));
    QCOMPARE(fresh.endTime(), QDateTime(today, QTime(11, 59)));
    QCOMPARE(fresh.pauseEndTime(), QDateTime(today, QTime(5, 0)));
    QCOMPARE(fresh.pauseStartTime(), QDateTime(today, QTime(23, 0)));
    QVERIFY(fresh.equals(Simulation()));

    // A setter stores what it is given, an invalid date-time too; only the constructor
    // replaces invalid values by the defaults.
    Simulation changed;
    changed.setEndTime(QDateTime());
    QVERIFY(!changed.endTime().isValid());
    QCOMPARE(changed.startTime(), QDateTime(today, QTime(12, 0)));

    const QDateTime evening(QDate(2026, 1, 1), QTime(18, 0));
    const Simulation built(7, Function::Switch, true, false, evening, true, false, QDateTime(),
                           false, QDateTime(), evening, 0, 0, 1, 1, false, true, -1, -1, -1);
    QCOMPARE(built.startTime(), evening);
    QCOMPARE(built.endTime(), QDateTime(today, QTime(11, 59)));
    QCOMPARE(built.pauseEndTime(), QDateTime(today, QTime(5, 0)));
    QCOMPARE(built.pauseStartTime(), evening);

    // An invalid date-time is written empty (the defaults of reading are in the references).
    QVERIFY(testutil::writeElement(changed).contains(" endTime=\"\""));
}

void tst_FastPaths::mergeTrace()
{
    // With the merge debug messages filtered out, the merge still happens, silently.
    QLoggingCategory::setFilterRules("casarina.projects.merge.debug=false");
    const QUuid id("{e81add96-cfca-4174-a9d7-ea0a03d59201}");
    Function own(id, "Licht", Function::Switch, true);
    const Function other(id, "Licht", Function::Switch, false);
    const testutil::MessageLog log;
    QVERIFY(own.mergeAdminSettings(other, false));
    QVERIFY(!own.runOnVacation());
    QVERIFY(log.messages().isEmpty());
}

QTEST_GUILESS_MAIN(tst_FastPaths)
#include "tst_fastpaths.moc"
