// Whole documents: read, write with ProjectWriter, read again. The complete form is a fixed
// point: what it wrote reads back to a project that it writes to the same bytes (the
// reference files of the tool's tests pin what those bytes are).

#include "testutil.h"

using namespace projects;
using testutil::readFile;
using testutil::writeProject;

class tst_RoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void completeFormKeepsEverything_data();
    void completeFormKeepsEverything();
    void richDocumentIsReadCompletely();
    void containersAndOrderOfTheWrittenDocument();
    void withoutVacationLeavesVacationOut();
};

void tst_RoundTrip::completeFormKeepsEverything_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("rich document") << testutil::dataPath("roundtrip.xml");
    QTest::newRow("example house") << QStringLiteral(CASARINA_EXAMPLES "/house.xml");
    // Imported from the configuration JSON: switch times of every kind, which only the
    // complete form's own attributes carry.
    QTest::newRow("imported house") << testutil::dataPath("expected/house-import.complete.xml");
}

void tst_RoundTrip::completeFormKeepsEverything()
{
    QFETCH(QString, file);
    bool error = true;
    const Project first = testutil::read(readFile(file), &error);
    QVERIFY(!error);
    const QByteArray written = writeProject(first, ProjectWriter::Complete);
    const Project second = testutil::read(written, &error);
    QVERIFY(!error);
    QCOMPARE(writeProject(second, ProjectWriter::Complete), written);
    // The standard form of both is the same too: nothing the complete form keeps is lost.
    QCOMPARE(writeProject(second), writeProject(first));
}

void tst_RoundTrip::richDocumentIsReadCompletely()
{
    // Guards the fixture itself: what the reader did not read, or read as the default
    // value, would pass the comparisons above whatever the writer does.
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    QCOMPARE(project.floors().size(), 3);
    QCOMPARE(project.floors().first().rooms().size(), 2);
    QCOMPARE(project.floors().first().rooms().first().functions().size(), 3);
    QCOMPARE(project.groups().size(), 3);
    QCOMPARE(project.scenes().size(), 2);
    QCOMPARE(project.scenes().first().snapshots().size(), 2);
    QCOMPARE(project.scenes().first().snapshots().first().values().size(), 10);
    QCOMPARE(project.sceneTriggers().size(), 3);
    QCOMPARE(project.links().size(), 2);
    QCOMPARE(project.automatics().size(), 2);
    QCOMPARE(project.automatics().value("morning").switchTimes().size(), 2);
    const Function lamp = project.floors().first().rooms().first().functions().first();
    QCOMPARE(lamp.switchTimes().size(), 2);
    QCOMPARE(lamp.switchTimes().first().timerIds().size(), 2);
    QVERIFY(lamp.switchTimes().first().hasAdditionalValue(2));
    QCOMPARE(lamp.switchTimes().first().additionalValue(2).toDouble(), 20.0);
    QCOMPARE(lamp.simulation().timerIds().value(3), 301);
    QCOMPARE(lamp.cachedDatapoint(QStringLiteral("switch")), 12);
    const Function radiator = project.floors().first().rooms().first().functions().at(1);
    QCOMPARE(radiator.groupRefs().size(), 2);
    // Split units: the one the element names and the one that becomes one through its
    // actuator, whose simulation keeps the element's type.
    const QList<Function> kitchen = project.floors().first().rooms().at(1).functions();
    QCOMPARE(kitchen.at(1).type(), Function::SplitUnit);
    QCOMPARE(kitchen.at(1).groupRefs().size(), 1);
    QCOMPARE(kitchen.at(3).type(), Function::SplitUnit);
    QCOMPARE(kitchen.at(3).simulation().type(), Function::Switch);

    QCOMPARE(project.latitude(), 52.5200066);
    QVERIFY(project.hasWeatherStation() && project.hasVeskBox());
    QCOMPARE(project.lightSensorNames(),
             (QHash<int, QString>{{1, "Light east"}, {2, "Light west"}}));
    QList<int> appIds;
    QList<int> useCases;
    for (const Actuator& actuator : project.actuators()) {
        appIds.append(actuator.appId());
        useCases.append(actuator.useCase());
    }
    QCOMPARE(appIds, (QList<int>{-1, 18535, 18533, 18482, 18482, 18530, 18530}));
    QCOMPARE(useCases, (QList<int>{-1, 2, 1, -1, -1, -1, -1}));
    QStringList parameters;
    const QHash<QString, QVariant> typed = project.actuators().at(5).parameters();
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        parameters.append(it.key() + QLatin1Char(' ') + QLatin1String(it.value().typeName()));
    parameters.sort();
    QCOMPARE(parameters,
             (QStringList{"delay int", "factor double", "farbsteuerung int", "inverted bool",
                          "label QString", "scenes QStringList", "since QDateTime"}));

    QStringList statuses;
    for (const Function& f : project.floors().at(1).rooms().first().functions())
        statuses.append(QStringLiteral("%1 %2 %3/%4 %5")
                            .arg(f.type())
                            .arg(f.address())
                            .arg(f.onText(), f.offText(), f.unit()));
    QCOMPARE(statuses, (QStringList{"5 2310 open/closed ", "6 2311 / °C", "5 2312 ajar/shut ",
                                    "6 2313 / K"}));
    const Scene evening = project.scenes().first();
    QCOMPARE(evening.triggers().size(), 2);
    QVERIFY(evening.triggeredByPanic() && evening.triggeredByCentralOff());
    QCOMPARE(evening.timerTrigger(), 7);
    QVERIFY(project.scenes().at(1).triggeredByCentralOff());
    QCOMPARE(project.sceneTriggers().first().name(), QStringLiteral("Button 1"));
    QCOMPARE(evening.switchTimes().first().offset(), -45);
}

void tst_RoundTrip::containersAndOrderOfTheWrittenDocument()
{
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    const QByteArray written = writeProject(project);
    QCOMPARE(testutil::childNames(written, QStringLiteral("project")),
             (QStringList{"floors", "actuators", "groups", "scenes", "links", "p:automatic",
                          "p:automatic"}));
    QCOMPARE(
        testutil::childNames(written, QStringLiteral("scenes")),
        (QStringList{"p:scene", "p:scene", "p:sceneTrigger", "p:sceneTrigger", "p:sceneTrigger"}));
    // A function's switch times come before its simulation.
    QCOMPARE(testutil::childNames(written, QStringLiteral("function")),
             (QStringList{"actuator-ref", "p:switchTime", "p:switchTime", "p:simulation"}));
    // Automatic programs are written in the order of their identifiers.
    const QList<QXmlStreamAttributes> automatics = testutil::elements(written, "automatic");
    QCOMPARE(automatics.size(), 2);
    QCOMPARE(testutil::value(automatics.at(0), "id"), QStringLiteral("evening"));
    QCOMPARE(testutil::value(automatics.at(1), "id"), QStringLiteral("morning"));
}

void tst_RoundTrip::withoutVacationLeavesVacationOut()
{
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    const QByteArray written = writeProject(project, ProjectWriter::Standard, false);
    QVERIFY(!written.contains("vacationActivated"));
    for (const char* element : {"function", "group", "scene"}) {
        for (const QXmlStreamAttributes& attributes :
             testutil::elements(written, QString::fromLatin1(element)))
            QVERIFY(!attributes.hasAttribute(QStringLiteral("runOnVacation")));
    }
    // Scenes lose their switch times, functions and groups keep theirs.
    const Project back = testutil::read(written);
    QVERIFY(back.scenes().first().switchTimes().isEmpty());
    QCOMPARE(back.groups().first().switchTimes().size(), 1);
}

QTEST_GUILESS_MAIN(tst_RoundTrip)
#include "tst_roundtrip.moc"
