// The casarina-project tool, run as a separate process on files.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList& arguments, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(CASARINA_TOOL), arguments);
    if (!process.waitForStarted())
        return {};
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    Run result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString example()
{
    return QStringLiteral(CASARINA_EXAMPLES "/house.xml");
}

QString data(const QString& name)
{
    return QStringLiteral(CASARINA_TEST_DATA "/") + name;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class tst_Tool : public QObject
{
    Q_OBJECT
private slots:
    void usageErrors_data();
    void usageErrors();
    void inputErrors_data();
    void inputErrors();
    void infoSummary();
    void infoJson();
    void infoFromStandardInput();
    void rewriteReadsBackToTheSameProject();
    void rewriteNeverTouchesOutputOnFailure();
    void rewriteReplacesInputOnlyWhenAsked();
};

void tst_Tool::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no command") << QStringList() << QByteArray("Usage: casarina-project");
    QTest::newRow("unknown command") << QStringList{"frobnicate"}
                                     << QByteArray("unknown command 'frobnicate'");
    QTest::newRow("info without file") << QStringList{"info"} << QByteArray("one FILE");
    QTest::newRow("info with two files") << QStringList{"info", "a.xml", "b.xml"}
                                         << QByteArray("one FILE");
    QTest::newRow("unknown option") << QStringList{"info", "--frob", "a.xml"}
                                    << QByteArray("frob");
}

void tst_Tool::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const Run result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), result.err.constData());
    QVERIFY(result.out.isEmpty());
}

void tst_Tool::inputErrors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/house.xml") << 3
                                  << QByteArray("cannot read /nonexistent/house.xml");
    QTest::newRow("malformed file") << data(QStringLiteral("malformed.xml")) << 1
                                    << QByteArray("at line 5 and column");
}

void tst_Tool::inputErrors()
{
    QFETCH(QString, file);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    for (const char* command : {"info", "rewrite"}) {
        const Run result = run({QString::fromLatin1(command), file});
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message), result.err.constData());
        QVERIFY2(result.err.contains(file.toUtf8()), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }
}

void tst_Tool::infoSummary()
{
    const Run result = run({QStringLiteral("info"), example()});
    QCOMPARE(result.status, 0);
    const QString out = QString::fromUtf8(result.out);
    QVERIFY(out.contains(QStringLiteral("Project:    Haus Sonnenhang\n")));
    QVERIFY(out.contains(QStringLiteral("Owner:      Familie Berger\n")));
    QVERIFY(out.contains(QStringLiteral("Flags:      weather station yes, hub yes, vacation no")));
    QVERIFY(out.contains(QStringLiteral("3 floors, 14 rooms, 55 functions, 46 actuators")));
    // The split unit's functions are typed by their actuator, not by their element.
    QVERIFY(out.contains(QStringLiteral("SplitUnit Klimagerät -> actuator Wohnzimmer Klimagerät")));
    QVERIFY(out.contains(QStringLiteral("TemperatureStatus Temperatur")));
    QVERIFY(result.err.isEmpty());
}

void tst_Tool::infoJson()
{
    const Run result = run({QStringLiteral("info"), QStringLiteral("--json"), example()});
    QCOMPARE(result.status, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(result.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(QLatin1String("name")).toString(), QStringLiteral("Haus Sonnenhang"));
    const QJsonObject counts = object.value(QLatin1String("counts")).toObject();
    QCOMPARE(counts.value(QLatin1String("functions")).toInt(), 55);
    QCOMPARE(counts.value(QLatin1String("lightSensors")).toInt(), 3);
    // The central group of the file is a special group and is not read.
    QCOMPARE(counts.value(QLatin1String("groups")).toInt(), 3);
}

void tst_Tool::infoFromStandardInput()
{
    const Run result = run({QStringLiteral("info"), QStringLiteral("-")},
                           readFile(data(QStringLiteral("minimal.xml"))));
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.contains("Project:    Minimal\n"));
    QVERIFY(result.out.contains("2 floors, 0 rooms"));
}

void tst_Tool::rewriteReadsBackToTheSameProject()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.xml"));
    const QString second = dir.filePath(QStringLiteral("second.xml"));
    QCOMPARE(run({QStringLiteral("rewrite"), example(), QStringLiteral("-o"), first}).status, 0);
    QCOMPARE(run({QStringLiteral("rewrite"), first, QStringLiteral("-o"), second}).status, 0);
    // The second rewrite is a fixed point except for hash-ordered children.
    const Run a = run({QStringLiteral("info"), QStringLiteral("--json"), example()});
    const Run b = run({QStringLiteral("info"), QStringLiteral("--json"), second});
    QCOMPARE(b.status, 0);
    QJsonObject original = QJsonDocument::fromJson(a.out).object();
    QJsonObject rewritten = QJsonDocument::fromJson(b.out).object();
    // What the file format cannot keep: position, flags and sensor names, appIds.
    for (const char* key : {"latitude", "longitude", "timezone", "hasWeatherStation",
                            "hasVeskBox", "lightSensors", "actuators", "counts", "sceneTriggers",
                            "scenes"}) {
        original.remove(QLatin1String(key));
        rewritten.remove(QLatin1String(key));
    }
    QCOMPARE(rewritten, original);
}

void tst_Tool::rewriteNeverTouchesOutputOnFailure()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    QFile file(out);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    const Run result = run({QStringLiteral("rewrite"), data(QStringLiteral("malformed.xml")),
                            QStringLiteral("-o"), out});
    QCOMPARE(result.status, 1);
    QCOMPARE(readFile(out), QByteArray("precious"));
}

void tst_Tool::rewriteReplacesInputOnlyWhenAsked()
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("minimal.xml"));
    QVERIFY(QFile::copy(data(QStringLiteral("minimal.xml")), input));
    const QByteArray before = readFile(input);

    const Run toStdout = run({QStringLiteral("rewrite"), input});
    QCOMPARE(toStdout.status, 0);
    QVERIFY(toStdout.out.contains("<floors>"));
    QCOMPARE(readFile(input), before);

    QCOMPARE(run({QStringLiteral("rewrite"), input, QStringLiteral("-o"), input}).status, 0);
    QVERIFY(readFile(input) != before);
    QVERIFY(readFile(input).contains("name=\"Ground floor\""));
}

QTEST_GUILESS_MAIN(tst_Tool)
#include "tst_tool.moc"
