// The text-to-value conversion of the sibling utility library, which types the parameters
// of actuators.

#include <utils/tools.h>

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QUrl>
#include <QUuid>
#include <QtTest>

using utils::Tools;

class tst_Utils : public QObject
{
    Q_OBJECT
private slots:
    void converts_data();
    void converts();
    void rejects_data();
    void rejects();
    void invalidTypeKeepsText_data();
    void invalidTypeKeepsText();
};

void tst_Utils::converts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("int") << QStringLiteral("42") << int(QVariant::Int) << QVariant(42);
    QTest::newRow("negative int") << QStringLiteral("-7") << int(QVariant::Int) << QVariant(-7);
    QTest::newRow("int with surrounding spaces")
        << QStringLiteral(" 12 ") << int(QVariant::Int) << QVariant(12);
    QTest::newRow("int with leading zero stays decimal")
        << QStringLiteral("010") << int(QVariant::Int) << QVariant(10);
    QTest::newRow("uint") << QStringLiteral("4000000000") << int(QVariant::UInt)
                          << QVariant(4000000000u);
    QTest::newRow("long long") << QStringLiteral("-9000000000") << int(QVariant::LongLong)
                               << QVariant(qlonglong(-9000000000LL));
    QTest::newRow("unsigned long long")
        << QStringLiteral("18000000000000000000") << int(QVariant::ULongLong)
        << QVariant(qulonglong(18000000000000000000ULL));
    QTest::newRow("double with decimal point")
        << QStringLiteral("2.5") << int(QVariant::Double) << QVariant(2.5);
    QTest::newRow("double in exponent form")
        << QStringLiteral("1e3") << int(QVariant::Double) << QVariant(1000.0);
    QTest::newRow("bool true") << QStringLiteral("true") << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool TRUE in capitals")
        << QStringLiteral("TRUE") << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool Yes") << QStringLiteral("Yes") << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool 1") << QStringLiteral("1") << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool False") << QStringLiteral("False") << int(QVariant::Bool)
                                << QVariant(false);
    QTest::newRow("bool no") << QStringLiteral("no") << int(QVariant::Bool) << QVariant(false);
    QTest::newRow("bool 0") << QStringLiteral("0") << int(QVariant::Bool) << QVariant(false);
    QTest::newRow("string keeps spaces")
        << QStringLiteral(" a b ") << int(QVariant::String) << QVariant(QStringLiteral(" a b "));
    QTest::newRow("empty string") << QString() << int(QVariant::String) << QVariant(QString());
    QTest::newRow("byte array holds utf-8")
        << QStringLiteral("K\u00fcche") << int(QVariant::ByteArray)
        << QVariant(QByteArray("K\xc3\xbc" "che"));
    QTest::newRow("char") << QStringLiteral("x") << int(QVariant::Char)
                          << QVariant(QChar(QLatin1Char('x')));
    QTest::newRow("iso date") << QStringLiteral("2021-03-04") << int(QVariant::Date)
                              << QVariant(QDate(2021, 3, 4));
    QTest::newRow("iso time") << QStringLiteral("06:30:15") << int(QVariant::Time)
                              << QVariant(QTime(6, 30, 15));
    QTest::newRow("iso date-time")
        << QStringLiteral("2021-03-04T06:30:00") << int(QVariant::DateTime)
        << QVariant(QDateTime(QDate(2021, 3, 4), QTime(6, 30)));
    QTest::newRow("url") << QStringLiteral("https://example.org/a?b=c") << int(QVariant::Url)
                         << QVariant(QUrl(QStringLiteral("https://example.org/a?b=c")));
    QTest::newRow("braced uuid")
        << QStringLiteral("{e81add96-cfca-4174-a9d7-ea0a03d59200}") << int(QVariant::Uuid)
        << QVariant(QUuid(QStringLiteral("{e81add96-cfca-4174-a9d7-ea0a03d59200}")));
    QTest::newRow("uuid without braces")
        << QStringLiteral("e81add96-cfca-4174-a9d7-ea0a03d59200") << int(QVariant::Uuid)
        << QVariant(QUuid(QStringLiteral("{e81add96-cfca-4174-a9d7-ea0a03d59200}")));
    QTest::newRow("string list split at commas and trimmed")
        << QStringLiteral("a, b ,c") << int(QVariant::StringList)
        << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QTest::newRow("string list keeps empty parts")
        << QStringLiteral("a,,b") << int(QVariant::StringList)
        << QVariant(QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")});
    QTest::newRow("empty string list") << QString() << int(QVariant::StringList)
                                       << QVariant(QStringList());
}

void tst_Utils::converts()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QVariant, expected);

    const QVariant result = Tools::stringToVariant(text, QVariant::Type(type));
    QVERIFY(result.isValid());
    // QVariant's == converts between types, so the type is checked on its own.
    QCOMPARE(result.userType(), expected.userType());
    QCOMPARE(result, expected);
}

void tst_Utils::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");

    QTest::newRow("int from letters") << QStringLiteral("abc") << int(QVariant::Int);
    QTest::newRow("int from decimal") << QStringLiteral("1.5") << int(QVariant::Int);
    QTest::newRow("int from empty text") << QString() << int(QVariant::Int);
    QTest::newRow("int out of range") << QStringLiteral("3000000000") << int(QVariant::Int);
    QTest::newRow("uint from negative") << QStringLiteral("-1") << int(QVariant::UInt);
    QTest::newRow("double with decimal comma") << QStringLiteral("2,5") << int(QVariant::Double);
    QTest::newRow("bool from on") << QStringLiteral("on") << int(QVariant::Bool);
    QTest::newRow("bool from empty text") << QString() << int(QVariant::Bool);
    QTest::newRow("char from two characters") << QStringLiteral("ab") << int(QVariant::Char);
    QTest::newRow("char from empty text") << QString() << int(QVariant::Char);
    QTest::newRow("date in german form") << QStringLiteral("04.03.2021") << int(QVariant::Date);
    QTest::newRow("date that does not exist")
        << QStringLiteral("2021-02-30") << int(QVariant::Date);
    QTest::newRow("time out of range") << QStringLiteral("25:00:00") << int(QVariant::Time);
    QTest::newRow("date-time from words") << QStringLiteral("tomorrow") << int(QVariant::DateTime);
    QTest::newRow("empty url") << QString() << int(QVariant::Url);
    QTest::newRow("url with space in scheme")
        << QStringLiteral("ht tp://x") << int(QVariant::Url);
    QTest::newRow("uuid in file form")
        << QStringLiteral("_e81add96cfca4174a9d7ea0a03d59200") << int(QVariant::Uuid);
    QTest::newRow("nil uuid") << QStringLiteral("{00000000-0000-0000-0000-000000000000}")
                              << int(QVariant::Uuid);
}

void tst_Utils::rejects()
{
    QFETCH(QString, text);
    QFETCH(int, type);

    QVERIFY(!Tools::stringToVariant(text, QVariant::Type(type)).isValid());
}

void tst_Utils::invalidTypeKeepsText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("number text") << QStringLiteral("12");
    QTest::newRow("word") << QStringLiteral("Wohnzimmer");
    QTest::newRow("empty text") << QString();
}

void tst_Utils::invalidTypeKeepsText()
{
    QFETCH(QString, text);

    const QVariant result =
        Tools::stringToVariant(text, QVariant::nameToType("NoSuchTypeName"));
    QCOMPARE(result.userType(), int(QMetaType::QString));
    QCOMPARE(result.toString(), text);
}

QTEST_GUILESS_MAIN(tst_Utils)
#include "tst_utils.moc"
