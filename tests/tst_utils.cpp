// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

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
    void stringToVariant_data();
    void stringToVariant();
};

void tst_Utils::stringToVariant_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("expected"); // invalid: the conversion fails

    const QVariant fails;
    const QString uuid = "{e81add96-cfca-4174-a9d7-ea0a03d59200}";
    QTest::newRow("int with surrounding spaces") << " 12 " << int(QVariant::Int) << QVariant(12);
    QTest::newRow("int with leading zero stays decimal")
        << "010" << int(QVariant::Int) << QVariant(10);
    QTest::newRow("int from decimal fails") << "1.5" << int(QVariant::Int) << fails;
    QTest::newRow("int from empty text fails") << QString() << int(QVariant::Int) << fails;
    QTest::newRow("int out of range fails") << "3000000000" << int(QVariant::Int) << fails;
    QTest::newRow("uint") << "4000000000" << int(QVariant::UInt) << QVariant(4000000000u);
    QTest::newRow("uint from negative fails") << "-1" << int(QVariant::UInt) << fails;
    QTest::newRow("long long") << "-9000000000" << int(QVariant::LongLong)
                               << QVariant(qlonglong(-9000000000LL));
    QTest::newRow("unsigned long long") << "18000000000000000000" << int(QVariant::ULongLong)
                                        << QVariant(qulonglong(18000000000000000000ULL));
    QTest::newRow("double in exponent form") << "1e3" << int(QVariant::Double) << QVariant(1000.0);
    QTest::newRow("double with decimal comma fails") << "2,5" << int(QVariant::Double) << fails;
    QTest::newRow("bool TRUE in capitals") << "TRUE" << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool Yes") << "Yes" << int(QVariant::Bool) << QVariant(true);
    QTest::newRow("bool 0") << "0" << int(QVariant::Bool) << QVariant(false);
    QTest::newRow("bool no") << "no" << int(QVariant::Bool) << QVariant(false);
    QTest::newRow("bool from on fails") << "on" << int(QVariant::Bool) << fails;
    QTest::newRow("string keeps spaces") << " a b " << int(QVariant::String) << QVariant(" a b ");
    QTest::newRow("byte array holds utf-8")
        << QStringLiteral("K\u00fcche") << int(QVariant::ByteArray)
        << QVariant(QByteArray("K\xc3\xbc"
                               "che"));
    QTest::newRow("char") << "x" << int(QVariant::Char) << QVariant(QChar('x'));
    QTest::newRow("char from two characters fails") << "ab" << int(QVariant::Char) << fails;
    QTest::newRow("char from empty text fails") << QString() << int(QVariant::Char) << fails;
    QTest::newRow("iso date") << "2021-03-04" << int(QVariant::Date) << QVariant(QDate(2021, 3, 4));
    QTest::newRow("date in german form fails") << "04.03.2021" << int(QVariant::Date) << fails;
    QTest::newRow("date that does not exist fails") << "2021-02-30" << int(QVariant::Date) << fails;
    QTest::newRow("iso time") << "06:30:15" << int(QVariant::Time) << QVariant(QTime(6, 30, 15));
    QTest::newRow("time out of range fails") << "25:00:00" << int(QVariant::Time) << fails;
    QTest::newRow("iso date-time") << "2021-03-04T06:30:00" << int(QVariant::DateTime)
                                   << QVariant(QDateTime(QDate(2021, 3, 4), QTime(6, 30)));
    QTest::newRow("url") << "https://example.org/a?b=c" << int(QVariant::Url)
                         << QVariant(QUrl("https://example.org/a?b=c"));
    QTest::newRow("empty url fails") << QString() << int(QVariant::Url) << fails;
    QTest::newRow("url with space in scheme fails") << "ht tp://x" << int(QVariant::Url) << fails;
    QTest::newRow("uuid without braces")
        << uuid.mid(1, 36) << int(QVariant::Uuid) << QVariant(QUuid(uuid));
    QTest::newRow("uuid in file form fails")
        << "_e81add96cfca4174a9d7ea0a03d59200" << int(QVariant::Uuid) << fails;
    QTest::newRow("nil uuid fails")
        << "{00000000-0000-0000-0000-000000000000}" << int(QVariant::Uuid) << fails;
    QTest::newRow("string list split at commas, trimmed, empty parts kept")
        << "a, b ,,c" << int(QVariant::StringList) << QVariant(QStringList{"a", "b", "", "c"});
    QTest::newRow("empty string list")
        << QString() << int(QVariant::StringList) << QVariant(QStringList());
    QTest::newRow("unknown type name keeps the text")
        << "12" << int(QMetaType::UnknownType) << QVariant("12");
}

void tst_Utils::stringToVariant()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QVariant, expected);

    // The parameter type is deprecated in Qt 6.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QVariant result = Tools::stringToVariant(text, QVariant::Type(type));
    QT_WARNING_POP
    // QVariant's == converts between types, so the type is checked on its own.
    QCOMPARE(result.userType(), expected.userType());
    QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(tst_Utils)
#include "tst_utils.moc"
