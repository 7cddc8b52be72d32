// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

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
