// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The project root: group address texts, debug output, enumerations, the document element,
// position and profile attributes, and fatal errors.

#include "testutil.h"

using namespace projects;

namespace {

// What a default QDebug stream holds after printing @p value.
template <typename T> QString printed(const T& value)
{
    QString text;
    QDebug(&text) << value;
    return text;
}

} // namespace

class tst_Project : public QObject
{
    Q_OBJECT
private slots:
    void groupAddressText_data();
    void groupAddressText();
    void debugOutput_data();
    void debugOutput();
    void appIdKeys_data();
    void appIdKeys();
    void appIdMetaObject();
    void syncHintValues();

    void documentElement_data();
    void documentElement();
    void profileAttributesOnlyInProjectNamespace();
    void position_data();
    void position();
    void actuatorByRef();

    void diagnosticsChangeNothing();

    void fatalError_data();
    void fatalError();
};

void tst_Project::groupAddressText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("rebuilt");
    QTest::newRow("one one one") << "1/1/1" << 2305 << "1/1/1";
    QTest::newRow("highest") << "31/7/255" << 65535 << "31/7/255";
    QTest::newRow("main group 17") << "17/0/0" << 34816 << "17/0/0";
    QTest::newRow("two parts") << "1/1" << -1 << "31/7/255";
    QTest::newRow("four parts") << "1/1/1/1" << -1 << "31/7/255";
    QTest::newRow("empty parts read as zero") << "//5" << 5 << "0/0/5";
    QTest::newRow("parts out of range carry over") << "0/9/300" << 2604 << "1/2/44";
    // Far out of range: the low 32 bits of the sum, no overflow; the text keeps 16 bits.
    QTest::newRow("huge main group") << "2000000000/0/0" << -1398800384 << "0/0/0";
}

void tst_Project::groupAddressText()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, rebuilt);
    QCOMPARE(groupAddressFromText(text), number);
    QCOMPARE(groupAddressToText(number), rebuilt);
}

void tst_Project::debugOutput_data()
{
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("expected");

    const QString idText = QStringLiteral("_0a1b2c3d4e5f60718293a4b5c6d7e8f9");
    const QUuid id = stringToUuid(idText);
    const auto row = [&idText](const char* name, const QString& printed, QString expected) {
        QTest::newRow(name) << printed << expected.replace(QLatin1String("ID"), idText);
    };

    Project project(QStringLiteral("Haus"));
    project.floors().append(Floor());
    row("project: name and counts", printed(project),
        R"(Project("Haus" floors=1 actuators=0 groups=0 scenes=0))");
    Floor floor(id, QStringLiteral("EG"));
    floor.rooms().append(Room());
    row("floor", printed(floor), R"(Floor(ID "EG" rooms=1))");
    Room room(id, QStringLiteral("Küche"), QString());
    room.setName(QStringLiteral("Meine Küche"));
    row("room: the name the user sees", printed(room), R"(Room(ID "Meine Küche" functions=0))");
    row("function: type key",
        printed(Function(id, QStringLiteral("Deckenlicht"), Function::Switch, true)),
        R"(Function(ID "Deckenlicht" Switch))");
    row("function: a type without key as its number",
        printed(Function(id, QString(), Function::FunctionType(42), true)),
        R"(Function(ID "" 42))");
    row("actuator", printed(Actuator(id, QStringLiteral("Dimmer"), QString(), QString())),
        R"(Actuator(ID "Dimmer" appId=-1 datapoints=0))");
    row("datapoint: group address text",
        printed(Datapoint(id.toString(), QStringLiteral("switch"), 2563)),
        R"(Datapoint(ID "switch" 1/2/3))");
    row("group: group address text",
        printed(Group(idText, QStringLiteral("Alle"), Group::Switch, 11005, 0)),
        R"(Group(ID "Alle" Switch 5/2/253))");
    row("group: an address beyond 16 bits as its number",
        printed(Group(idText, QStringLiteral("Alle"), Group::Switch, 70000, 0)),
        R"(Group(ID "Alle" Switch 70000))");
    row("switch time",
        printed(SwitchTime(id, 50, 62, QTime(7, 30), 0, QTime(6, 0), QTime(17, 0), false, {}, {})),
        R"(SwitchTime(ID Time 07:30:00 value=50 days=62))");
    row("automatic", printed(Automatic(QStringLiteral("morning"), true)),
        R"(Automatic("morning" runOnVacation=true switchTimes=0))");
    Simulation simulation;
    simulation.setId(3);
    simulation.setType(Function::Dimming);
    simulation.setEnabled(true);
    row("simulation", printed(simulation), R"(Simulation(3 Dimming enabled=true))");
    row("scene",
        printed(Scene(id, QStringLiteral("Abend"), QString(), QColor(), true, true, false)),
        R"(Scene(ID "Abend" snapshots=0 switchTimes=0))");
    row("scene trigger", printed(SceneTrigger(id, QStringLiteral("Taster"), 3, 7)),
        R"(SceneTrigger(ID "Taster" number=3 jobId=7))");
    row("snapshot: its function", printed(Snapshot(id, {{QStringLiteral("1/2/3"), QJsonValue(1)}})),
        R"(Snapshot(function=ID values=1))");
    row("favorite", printed(Favorite(id, QStringLiteral("Wetter"), QString(), true)),
        R"(Favorite(ID "Wetter" favorite=true))");
    row("link",
        printed(Link(id, QStringLiteral("Wetter"), QString(), false, Link::App,
                     QStringLiteral("https://example.org"), Link::Microsoft)),
        R"(Link(ID "Wetter" App "https://example.org" Microsoft))");
    row("finding",
        printed(Finding(Finding::DuplicateIdentifier, QStringLiteral("groups[1]"), 12,
                        QStringLiteral("again"))),
        R"(Finding(Warning DuplicateIdentifier "groups[1]" line=12 "again"))");
}

void tst_Project::debugOutput()
{
    QFETCH(QString, printed);
    QFETCH(QString, expected);
    // The stream is left as it was found: items that follow are separated by a space.
    QCOMPARE(printed, expected + QLatin1Char(' '));
}

void tst_Project::appIdKeys_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("split unit") << QByteArray("Model_4832") << 18482;
    QTest::newRow("unknown model") << QByteArray("Model_Unknown") << -1;
    QTest::newRow("hub") << QByteArray("VESK_BOX") << 1;
    QTest::newRow("weather station 0492") << QByteArray("Model_0492") << 1170;
    QTest::newRow("weather station 4899") << QByteArray("Model_4899") << 18585;
    QTest::newRow("last key") << QByteArray("Model_4835") << 18485;
}

void tst_Project::appIdKeys()
{
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    const QMetaEnum appIds = QMetaEnum::fromType<ProjectEnum::AppId>();
    bool ok = false;
    QCOMPARE(appIds.keyToValue(key.constData(), &ok), value);
    QVERIFY(ok);
    QCOMPARE(QByteArray(appIds.valueToKey(value)), key);
}

void tst_Project::appIdMetaObject()
{
    const QMetaEnum appIds = QMetaEnum::fromType<ProjectEnum::AppId>();
    QCOMPARE(appIds.keyCount(), 45);
    QCOMPARE(QByteArray(appIds.key(30)), QByteArray("Model_4832"));
    QCOMPARE(appIds.keyToValue("model_4832"), -1); // keys are case-sensitive
    // Hosts of Qt 5 call the deprecated trUtf8(); it stays there on Qt 6.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QCOMPARE(ProjectEnum::trUtf8("Model_0625"), ProjectEnum::tr("Model_0625"));
    QT_WARNING_POP
}

void tst_Project::syncHintValues()
{
    const Project::SyncHints all =
        Project::SyncAdminSettings | Project::SyncProfile | Project::SyncSchedules;
    QCOMPARE(int(all), 7);
    QCOMPARE(int(Project::SyncProfile), 2);
    QVERIFY(all.testFlag(Project::SyncSchedules));
}

void tst_Project::documentElement_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("name");

    const QByteArray current = ns::Project.latin1();
    const QByteArray legacy = ns::Legacy.latin1();
    QTest::newRow("current namespace")
        << QByteArray("<project xmlns=\"" + current + "\" name=\"A\"/>") << QStringLiteral("A");
    QTest::newRow("legacy namespace")
        << QByteArray("<project xmlns=\"" + legacy + "\" name=\"B\"/>") << QStringLiteral("B");
    QTest::newRow("element name in capitals")
        << QByteArray("<PROJECT xmlns=\"" + current + "\" name=\"C\"/>") << QStringLiteral("C");
    QTest::newRow("namespace in other letter case")
        << QByteArray("<project xmlns=\"" + current.toUpper() + "\" name=\"D\"/>")
        << QStringLiteral("D");
    QTest::newRow("prefixed document element")
        << QByteArray("<x:project xmlns:x=\"" + current + "\" name=\"E\"/>") << QStringLiteral("E");
    QTest::newRow("no namespace is skipped") << QByteArray("<project name=\"F\"/>") << QString();
    QTest::newRow("profile namespace is skipped")
        << QByteArray("<project xmlns=\"" + QByteArray(ns::Profile.latin1()) + "\" name=\"G\"/>")
        << QString();
    QTest::newRow("other document element is skipped")
        << QByteArray("<building xmlns=\"" + current +
                      "\" name=\"H\"><project name=\"I\"/>"
                      "</building>")
        << QString();
}

void tst_Project::documentElement()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, name);
    bool error = true;
    const Project project = testutil::read(xml, &error);
    QVERIFY(!error);
    QCOMPARE(project.name(), name);
    QCOMPARE(project.name().isNull(), name.isNull());
    QVERIFY(project.floors().isEmpty());
}

void tst_Project::profileAttributesOnlyInProjectNamespace()
{
    const QByteArray attributes = "xmlns:p=\"" + QByteArray(ns::Profile.latin1()) +
                                  "\" p:md5=\"abc\" p:creationVersion=\"1.0\" "
                                  "p:modificationVersion=\"1.2\"";
    const Project current = testutil::read("<project xmlns=\"" + QByteArray(ns::Project.latin1()) +
                                           "\" " + attributes + "/>");
    QCOMPARE(current.md5(), QStringLiteral("abc"));
    QCOMPARE(current.creationVersion(), QStringLiteral("1.0"));
    QCOMPARE(current.modificationVersion(), QStringLiteral("1.2"));

    const Project legacy = testutil::read("<project xmlns=\"" + QByteArray(ns::Legacy.latin1()) +
                                          "\" " + attributes + "/>");
    QCOMPARE(legacy.md5(), QString());
    QCOMPARE(legacy.creationVersion(), QString());
    QCOMPARE(legacy.modificationVersion(), QString());
}

void tst_Project::position_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("timezone");
    QTest::addColumn<bool>("vacation");

    QTest::newRow("all three given")
        << QByteArray("latitude=\"52.5\" longitude=\"13.4\" timezone=\"120\"") << 52.5 << 13.4
        << 120 << false;
    QTest::newRow("timezone missing keeps all defaults")
        << QByteArray("latitude=\"52.5\" longitude=\"13.4\"") << 48.3661 << 8.79598 << 60 << false;
    QTest::newRow("empty latitude keeps all defaults")
        << QByteArray("latitude=\"\" longitude=\"13.4\" timezone=\"120\"") << 48.3661 << 8.79598
        << 60 << false;
    QTest::newRow("texts that are no numbers read as zero")
        << QByteArray("latitude=\"north\" longitude=\"13,4\" timezone=\"1h\"") << 0.0 << 0.0 << 0
        << false;
    QTest::newRow("vacation in capitals")
        << QByteArray("vacationActivated=\"TRUE\"") << 48.3661 << 8.79598 << 60 << true;
    QTest::newRow("vacation one") << QByteArray("vacationActivated=\"1\"") << 48.3661 << 8.79598
                                  << 60 << true;
    QTest::newRow("vacation other text")
        << QByteArray("vacationActivated=\"on\"") << 48.3661 << 8.79598 << 60 << false;
}

void tst_Project::position()
{
    QFETCH(QByteArray, attributes);
    const Project project = testutil::read(testutil::document(QByteArray(), attributes));
    QTEST(project.latitude(), "latitude");
    QTEST(project.longitude(), "longitude");
    QTEST(project.timezone(), "timezone");
    QTEST(project.vacationActivated(), "vacation");
}

void tst_Project::actuatorByRef()
{
    const Project project =
        testutil::readContent("<actuators>"
                              "<actuator id=\"_00000000000000000000000000000001\" name=\"first\"/>"
                              "<actuator id=\"_00000000000000000000000000000002\" name=\"other\"/>"
                              "<actuator id=\"_00000000000000000000000000000001\" name=\"second\"/>"
                              "</actuators>");
    const QUuid id = stringToUuid(QStringLiteral("_00000000000000000000000000000001"));
    QCOMPARE(project.actuatorByRef(id).name(), QStringLiteral("first"));
    QVERIFY(project.actuatorByRef(QUuid::createUuid()).isNull());
}

void tst_Project::diagnosticsChangeNothing()
{
    const QByteArray bytes = testutil::readFile(testutil::dataPath("roundtrip.xml"));
    testutil::Collector collector;
    QCOMPARE(testutil::writeProject(testutil::readWith(bytes + "<!-- trailing -->", &collector)),
             testutil::writeProject(testutil::read(bytes)));
    QVERIFY(collector.items.isEmpty());
}

void tst_Project::fatalError_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("line");

    const QByteArray head =
        testutil::document("").left(testutil::document("").indexOf("</project>"));
    QTest::newRow("empty document") << QByteArray() << -1;
    QTest::newRow("garbage in the prolog") << QByteArray("<?xml version=\"1.0\"?>\n<<<") << 2;
    QTest::newRow("mismatched tag inside nested containers")
        << head + "<floors><floors><devices></floors></devices></floors></project>" << -1;
    QTest::newRow("bad attribute inside an unknown subtree")
        << head + "<unknown><deeper a=1/></unknown></project>" << -1;
    QTest::newRow("text after the document element") << testutil::document("") + "<x/>" << -1;
}

void tst_Project::fatalError()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, line);
    bool error = false;
    Project project;
    {
        testutil::MessageLog log;
        project = testutil::read(xml, &error);
        QCOMPARE(log.messages().size(), 1);
        QCOMPARE(log.types().first(), QtWarningMsg);
        const QString message = log.messages().first();
        const QRegularExpression pattern(
            QStringLiteral("^>> An expection occured while parsing XML data: .+, at line (\\d+) "
                           "and column \\d+$"));
        const QRegularExpressionMatch match = pattern.match(message);
        QVERIFY2(match.hasMatch(), qPrintable(message));
        if (line >= 0)
            QCOMPARE(match.captured(1).toInt(), line);
    }
    QVERIFY(error);
    QVERIFY(project.name().isNull());
    QVERIFY(project.floors().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_project.moc"
