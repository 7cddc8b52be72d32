// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Validation: what the reader observes with lines, checks on a project and on configuration
// JSON. Findings are compared as "Kind@line location" texts, in the order they come.

#include "testutil.h"

using namespace projects;

namespace {

QString describe(const Finding& finding)
{
    QString text =
        QString::fromLatin1(QMetaEnum::fromType<Finding::Kind>().valueToKey(finding.kind()));
    if (finding.line() >= 0)
        text += QLatin1Char('@') + QString::number(finding.line());
    if (!finding.location().isEmpty())
        text += QLatin1Char(' ') + finding.location();
    return text;
}

QStringList describe(const QList<Finding>& findings)
{
    QStringList result;
    for (const Finding& finding : findings)
        result.append(describe(finding));
    return result;
}

QList<Finding> readFindings(const QByteArray& xml, Project* project = nullptr)
{
    testutil::Collector collector;
    const Project read = testutil::readWith(xml, &collector);
    if (project)
        *project = read;
    return collector.findings;
}

QJsonArray jsonArray(const char* text)
{
    return QJsonDocument::fromJson(text).array();
}

} // namespace

class tst_Validation : public QObject
{
    Q_OBJECT

private slots:
    void readerObservations_data();
    void readerObservations();
    void observationsChangeNoValue();
    void projectChecks_data();
    void projectChecks();
    void groupAddressTexts_data();
    void groupAddressTexts();
    void configurationJson_data();
    void configurationJson();
};

void tst_Validation::readerObservations_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("findings");

    const QByteArray actuator = "<actuator id=\"_a\" name=\"A\" onIcon=\"\" offIcon=\"\">\n";
    QTest::newRow("foreign namespace")
        << QByteArray("<?xml version=\"1.0\"?>\n<project "
                      "xmlns=\"http://schemas.casarina.org/Casarina/2019/01\">"
                      "<floors/></project>")
        << QStringList{"ForeignDocument@2 <project>"};
    QTest::newRow("not XML") << QByteArray("<project>\n<floors>\n</project>")
                             << QStringList{"ForeignDocument@1 <project>", "UnreadableDocument@3"};
    QTest::newRow("group address numbers")
        << testutil::document("\n<group id=\"_1\" name=\"a\" address=\"0x10\"/>"
                              "\n<group id=\"_2\" name=\"b\" address=\"70000\"/>"
                              "\n<group id=\"_3\" name=\"c\" address=\"-5\"/>"
                              "\n<group id=\"_4\" name=\"d\" address=\"2305\"/>")
        << QStringList{"MalformedGroupAddress@3 <group>", "GroupAddressOutOfRange@4 <group>"};
    QTest::newRow("actuator datapoints")
        << testutil::document("\n" + actuator +
                              "<datapoint role=\"a\" address=\"-3\"/>\n"
                              "<datapoint role=\"b\" address=\" 7\"/>\n"
                              "<datapoint role=\"c\" address=\"65535\"/></actuator>")
        << QStringList{"GroupAddressOutOfRange@4 <datapoint>",
                       "MalformedGroupAddress@5 <datapoint>"};
    QTest::newRow("status functions only")
        << testutil::document(
               testutil::inRoom("\n<function id=\"_f1\" type=\"StateStatus\" address=\"1/1/1\"/>"
                                "\n<function id=\"_f2\" type=\"Switch\" address=\"1/1/1\"/>"))
        << QStringList{"MalformedGroupAddress@3 <function>"};
    QTest::newRow("snapshot addresses")
        << testutil::document(
               "<p:scene id=\"_5\">\n<snapshot function-ref=\"_6\">"
               "\n<datapoint address=\"1/8/0\" value=\"1\"/>\n<datapoint address=\"32/0/0\" "
               "value=\"1\"/>"
               "\n<datapoint address=\"1/2\" value=\"1\"/>\n<datapoint id=\"4\" value=\"1\"/>"
               "\n<datapoint address=\"31/7/255\" value=\"1\"/></snapshot></p:scene>")
        << QStringList{"GroupAddressOutOfRange@4 <datapoint>",
                       "GroupAddressOutOfRange@5 <datapoint>",
                       "MalformedGroupAddress@6 <datapoint>"};
    QByteArray longName(5000, 'x');
    QTest::newRow("character references above U+FFFF")
        << testutil::document("\n<floor id=\"_7\" name=\"&#x1F600;\"/>\n<floor id=\"_8\" "
                              "name=\"&#65535;&#xFFFF;\"/>"
                              "\n<floor id=\"_9\" name=\"" +
                              longName + "&#128512;\"/>")
        << QStringList{"UnfaithfulCharacter@3", "UnfaithfulCharacter@5"};
}

void tst_Validation::readerObservations()
{
    QFETCH(QByteArray, xml);
    QTEST(describe(readFindings(xml)), "findings");
}

void tst_Validation::observationsChangeNoValue()
{
    // Findings report; the project read is the one read without a receiver.
    const QByteArray xml =
        testutil::document("<group id=\"_1\" name=\"a\" address=\"0x10\"/><group id=\"_2\" "
                           "name=\"b\" address=\"70000\"/>");
    Project observed;
    readFindings(xml, &observed);
    const Project plain = testutil::read(xml);
    QCOMPARE(observed.groups().size(), 2);
    QCOMPARE(observed.groups().at(0).address(), plain.groups().at(0).address());
    QCOMPARE(observed.groups().at(1).address(), 70000);
}

void tst_Validation::projectChecks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("example house: nothing but what the standard form drops")
        << CASARINA_EXAMPLES "/house.xml" << QStringList();
    QTest::newRow("administrator's house: two snapshots of missing functions")
        << CASARINA_EXAMPLES "/house-admin.xml"
        << QStringList{"DanglingReference scene _8d012c22d00f83d587956dd4c2bfc2bf \"Party\"",
                       "DanglingReference scene _8d012c22d00f83d587956dd4c2bfc2bf \"Party\""};
}

void tst_Validation::projectChecks()
{
    QFETCH(QString, file);
    Project project;
    const QList<Finding> read = readFindings(testutil::readFile(file), &project);
    QVERIFY(!Finding::hasError(read));
    QStringList found = describe(Validation::check(project, false));
    QTEST(found, "findings");
    // With the standard form, only that kind of finding is added.
    const QList<Finding> all = Validation::check(project);
    QVERIFY(all.size() > found.size());
    for (int i = found.size(); i < all.size(); ++i)
        QCOMPARE(all.at(i).kind(), Finding::DroppedByStandardForm);
    QVERIFY(!Finding::hasError(all));
}

void tst_Validation::groupAddressTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("in range") << "31/7/255" << QStringList();
    QTest::newRow("middle 8 would be 2/0/0") << "1/8/0" << QStringList{"GroupAddressOutOfRange"};
    QTest::newRow("main 32 would be 0/0/0") << "32/0/0" << QStringList{"GroupAddressOutOfRange"};
    QTest::newRow("sub 256") << "0/0/256" << QStringList{"GroupAddressOutOfRange"};
    QTest::newRow("two parts") << "1/2" << QStringList{"MalformedGroupAddress"};
    QTest::newRow("sign") << "1/-2/3" << QStringList{"MalformedGroupAddress"};
    QTest::newRow("letters") << "a/b/c" << QStringList{"MalformedGroupAddress"};
    QTest::newRow("empty part") << "1//3" << QStringList{"MalformedGroupAddress"};
}

void tst_Validation::groupAddressTexts()
{
    QFETCH(QString, text);
    QTEST(describe(Validation::checkGroupAddress(text, QString())), "findings");
}

void tst_Validation::configurationJson_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("floors")
        << "floors" << QByteArray(R"([3, {"id": "_1"}, {"id": "_00000000000000000000000000000001",
        "rooms": [{"id": "x"}, {"id": "_00000000000000000000000000000002",
            "functions": [{"name": "f"}, {"id": "_00000000000000000000000000000003",
                "switchtimes": [{"id": "bad"}, {"days": 1}, 5]}]}]}])")
        << QStringList{"IgnoredEntry $[0]",
                       "IgnoredEntry $[1].id",
                       "IgnoredEntry $[2].rooms[0].id",
                       "IgnoredEntry $[2].rooms[1].functions[0].id",
                       "IgnoredEntry $[2].rooms[1].functions[1].switchtimes[0].id",
                       "IgnoredEntry $[2].rooms[1].functions[1].switchtimes[2]"};
    QTest::newRow("groups") << "groups" << QByteArray(R"([{"address": "1/8/0"}, {"address": 2305},
        {"address": "5/1/248", "switchtimes": [{"id": "-"}]}])")
                            << QStringList{"GroupAddressOutOfRange $[0].address",
                                           "IgnoredEntry $[1].address",
                                           "IgnoredEntry $[2].switchtimes[0].id"};
    QTest::newRow("scenes") << "scenes"
                            << QByteArray(
                                   R"([{"actions": [{"address": "1/1/1"}, {"address": "1/1/2"},
        {"address": "32/0/0"}]}])")
                            << QStringList{"IgnoredEntry $[0].actions[1].address",
                                           "GroupAddressOutOfRange $[0].actions[2].address"};
}

void tst_Validation::configurationJson()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, json);
    const QJsonArray array = jsonArray(json.constData());
    QList<Finding> findings;
    if (kind == QLatin1String("floors"))
        findings = Validation::checkFloorsJson(array);
    else if (kind == QLatin1String("groups"))
        findings = Validation::checkGroupsJson(array);
    else
        findings =
            Validation::checkScenesJson(array, {{QStringLiteral("1/1/1"), QUuid::createUuid()}});
    QTEST(describe(findings), "findings");
}

QTEST_GUILESS_MAIN(tst_Validation)
#include "tst_validation.moc"
