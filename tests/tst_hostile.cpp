// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Damaged and crafted input from outside the host: every case ends in a defined outcome
// (a parsing error with its warning, or a project with what could be read), within bounded
// memory, and never takes the process down. The test runs without any GUI application.

#include "testutil.h"

#include <QTemporaryDir>
#include <QTimeZone>

#include <sys/resource.h>

using namespace projects;

namespace {

// The high-water mark of the process's resident memory, in bytes.
qint64 peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024; // Linux counts in kilobytes
}

// One parse of @p xml by @p reader, with what it logged and how far it raised the
// process's peak memory.
struct Outcome
{
    Project project;
    bool error = false;
    QStringList warnings;
    QString errorReport; // the reader's error text, line and column, as the warning has them
    qint64 peakGrowth = 0;
};

Outcome parseWith(ProjectReader& reader, const QByteArray& xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    Outcome outcome;
    const testutil::MessageLog log;
    const qint64 before = peakMemory();
    outcome.project = reader.parse(&buffer);
    outcome.peakGrowth = peakMemory() - before;
    outcome.error = reader.parsingError();
    for (int i = 0; i < log.messages().size(); ++i) {
        if (log.types().at(i) == QtWarningMsg)
            outcome.warnings.append(log.messages().at(i));
    }
    outcome.errorReport = QStringLiteral("%1, at line %2 and column %3")
                              .arg(reader.errorText())
                              .arg(reader.errorLine())
                              .arg(reader.errorColumn());
    return outcome;
}

Outcome parse(const QByteArray& xml)
{
    ProjectReader reader;
    return parseWith(reader, xml);
}

QStringList floorNames(const Project& project)
{
    QStringList names;
    for (const Floor& floor : project.floors())
        names.append(floor.name());
    return names;
}

// The warning of a failed parse whose reason matches @p reason.
QRegularExpression failure(const QString& reason)
{
    return QRegularExpression(
        QStringLiteral("^>> An expection occured while parsing XML data: %1, at line \\d+ "
                       "and column \\d+$")
            .arg(reason));
}

// The bytes of @p text, NUL bytes included.
template <int N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QByteArray repeated(const QByteArray& text, int count)
{
    QByteArray result;
    result.reserve(text.size() * count);
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

// Declarations of the namespace prefixes q0 to q<count - 1>.
QByteArray prefixes(int count)
{
    QByteArray declarations;
    for (int i = 0; i < count; ++i)
        declarations +=
            " xmlns:q" + QByteArray::number(i) + "=\"urn:q" + QByteArray::number(i) + '"';
    return declarations;
}

// @p depth nested elements of @p name around @p inner.
QByteArray nested(const QByteArray& name, int depth, const QByteArray& inner = {})
{
    return repeated('<' + name + '>', depth) + inner + repeated("</" + name + '>', depth);
}

// A document whose prolog holds @p doctype and whose `project` element holds @p content.
QByteArray withDoctype(const QByteArray& doctype, const QByteArray& content,
                       const QByteArray& projectAttributes = {})
{
    QByteArray xml = testutil::document(content, projectAttributes);
    xml.insert(xml.indexOf('\n') + 1, doctype + '\n');
    return xml;
}

QByteArray billionLaughs()
{
    QByteArray doctype = "<!DOCTYPE project [\n<!ENTITY lol \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        doctype += "<!ENTITY lol" + QByteArray::number(i) + " \"" +
                   repeated("&lol" + (i > 1 ? QByteArray::number(i - 1) : QByteArray()) + ';', 10) +
                   "\">\n";
    return withDoctype(doctype + "]>", "<floors><floor name=\"&lol9;\"/></floors>");
}

// 50 000 references to an entity of 4 000 characters: 200 KB that would expand to 200
// million characters.
QByteArray quadraticBlowUp(bool inAttribute)
{
    const QByteArray doctype = "<!DOCTYPE project [<!ENTITY a \"" + repeated("x", 4000) + "\">]>";
    const QByteArray references = repeated("&a;", 50000);
    return inAttribute ? withDoctype(doctype, {}, "name=\"" + references + '"')
                       : withDoctype(doctype, "<floors>" + references + "</floors>");
}

// The additional-values text of a switch time holding @p value under index 1.
QByteArray oneValueBlob(const QByteArray& value)
{
    QByteArray blob;
    QDataStream stream(&blob, QIODevice::WriteOnly);
    stream << quint32(1) << qint32(1);
    blob += value;
    return blob.toHex();
}

// The switch time of an automatic program whose additional-values text is @p hex.
SwitchTime switchTimeWith(const QByteArray& hex)
{
    const Project project = testutil::readContent(
        "<p:automatic id=\"a\"><switchTime id=\"_00112233445566778899aabbccddeeff\" "
        "additionalValues=\"" +
        hex + "\"/></p:automatic>");
    return project.automatics().value(QStringLiteral("a")).switchTimes().value(0);
}

} // namespace

class tst_Hostile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void refusedDocuments_data();
    void refusedDocuments();
    void acceptedDocuments_data();
    void acceptedDocuments();
    void truncatedAtEveryByte();
    void hugeAttributeValue();
    void readerUsedAgainAfterFailure_data();
    void readerUsedAgainAfterFailure();
    void unpairedSurrogates_data();
    void unpairedSurrogates();
    void snapshotValueNames_data();
    void snapshotValueNames();

    void everyValueTypeNumber();
    void dateTimeValues_data();
    void dateTimeValues();

private:
    QTemporaryDir m_dir;
};

void tst_Hostile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Would be refused if the reader ever loaded it.
    QFile dtd(m_dir.filePath(QStringLiteral("external.dtd")));
    QVERIFY(dtd.open(QIODevice::WriteOnly));
    dtd.write("<!ENTITY secret \"from a local file\">\n");
}

void tst_Hostile::refusedDocuments_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("reason");

    const int limit = ProjectReader::MaximumDepth;
    const QString tooDeep = QStringLiteral("elements nested deeper than 1024 levels");
    QCOMPARE(limit, 1024);

    QTest::newRow("billion laughs")
        << billionLaughs() << QStringLiteral("entity declaration \"lol\" not accepted");
    QTest::newRow("quadratic blow-up in an attribute")
        << quadraticBlowUp(true) << QStringLiteral("entity declaration \"a\" not accepted");
    QTest::newRow("quadratic blow-up in text")
        << quadraticBlowUp(false) << QStringLiteral("entity declaration \"a\" not accepted");
    QTest::newRow("external entity on a local file")
        << withDoctype("<!DOCTYPE project [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>",
                       "<floors><floor name=\"a\">&e;</floor></floors>")
        << QStringLiteral("entity declaration \"e\" not accepted");
    QTest::newRow("external parameter entity on a local file")
        << withDoctype("<!DOCTYPE project [<!ENTITY % e SYSTEM \"file:///etc/passwd\"> %e;]>", {})
        << QStringLiteral("entity declaration \"%e\" not accepted");
    QTest::newRow("unparsed entity on a local file")
        << withDoctype("<!DOCTYPE project [<!NOTATION n SYSTEM \"viewer\">"
                       "<!ENTITY u SYSTEM \"file:///etc/passwd\" NDATA n>]>",
                       {})
        << QStringLiteral("entity declaration \"u\" not accepted");
    QTest::newRow("100 000 nested unknown elements")
        << testutil::document(nested("unknown", 100000)) << tooDeep;
    QTest::newRow("100 000 nested container elements")
        << testutil::document(nested("floors", 100000)) << tooDeep;
    QTest::newRow("100 000 nested elements without a project")
        << nested("project", 100000) << tooDeep;
    QTest::newRow("one unknown element beyond the limit")
        << testutil::document(nested("unknown", limit)) << tooDeep;
    QTest::newRow("one container beyond the limit")
        << testutil::document(nested("floors", limit)) << tooDeep;
    QTest::newRow("1 000 namespace prefixes over 1 000 elements")
        << testutil::document(repeated("<floor name=\"a\"/>", 1000), prefixes(1000))
        << QStringLiteral("more than 16 namespace prefixes in scope");
    QTest::newRow("one namespace prefix beyond the limit")
        << testutil::document("<floors xmlns:q13=\"urn:q\"/>", prefixes(13))
        << QStringLiteral("more than 16 namespace prefixes in scope");
    QTest::newRow("empty device") << QByteArray() << QStringLiteral(".+");
    QTest::newRow("U+FFFF in an attribute value")
        << testutil::document("<floors><floor name=\"a\xef\xbf\xbf\"/></floors>")
        << QStringLiteral(".+");
    QTest::newRow("NUL byte inside a tag name")
        << testutil::document(raw("<flo\0or name=\"a\"/>")) << QStringLiteral(".+");
    QTest::newRow("binary bytes") << raw("\x89PNG\r\n\x1a\n\0\0\0\rIHDR") << QStringLiteral(".+");
    QTest::newRow("second document element")
        << testutil::document({}) + "<project/>" << QStringLiteral(".+");
}

void tst_Hostile::refusedDocuments()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, reason);

    const Outcome outcome = parse(xml);
    QVERIFY(outcome.error);
    QVERIFY(outcome.project.name().isEmpty());
    QVERIFY(outcome.project.floors().isEmpty());
    QCOMPARE(outcome.warnings.size(), 1);
    QVERIFY2(failure(reason).match(outcome.warnings.first()).hasMatch(),
             qPrintable(outcome.warnings.first()));
    QCOMPARE(outcome.warnings.first(),
             ">> An expection occured while parsing XML data: " + outcome.errorReport);
    // Expanded, the entity rows would need hundreds of megabytes.
    QVERIFY2(outcome.peakGrowth < 64 * 1024 * 1024,
             qPrintable(QString::number(outcome.peakGrowth)));
}

void tst_Hostile::acceptedDocuments_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("floors");

    const int limit = ProjectReader::MaximumDepth;
    // The project element is level 1.
    QTest::newRow("floor in containers at the nesting limit")
        << testutil::document(nested("floors", limit - 2, "<floor name=\"deep\"/>"))
        << QStringList{QStringLiteral("deep")};
    QTest::newRow("unknown elements up to the nesting limit")
        << testutil::document("<floor name=\"a\">" + nested("unknown", limit - 2) + "</floor>")
        << QStringList{QStringLiteral("a")};
    // With the default namespace and p and c of the document, 16 prefixes.
    QTest::newRow("namespace prefixes up to the limit, redeclared on every element")
        << testutil::document("<floors xmlns:q12=\"urn:q\">" +
                                  repeated("<floor xmlns=\"" + QByteArray(ns::Project.latin1()) +
                                               "\" xmlns:q0=\"urn:other\" name=\"a\"/>",
                                           2) +
                                  "</floors>",
                              prefixes(12))
        << QStringList{QStringLiteral("a"), QStringLiteral("a")};
    QTest::newRow("external document type on a local file is not loaded")
        << withDoctype("<!DOCTYPE project SYSTEM \"file://" +
                           QFile::encodeName(m_dir.filePath(QStringLiteral("external.dtd"))) +
                           "\">",
                       "<floor name=\"a\"/>")
        << QStringList{QStringLiteral("a")};
    QTest::newRow("declarations other than entities")
        << withDoctype("<!DOCTYPE project [<!ELEMENT project ANY><!-- note --><?pi data?>]>",
                       "<floor name=\"a\"/>")
        << QStringList{QStringLiteral("a")};
    QTest::newRow("invalid UTF-8 becomes replacement characters")
        << testutil::document("<floor name=\"a\xff\xfe"
                              "b\"/><floor name=\"c\"/>")
        << QStringList{QStringLiteral("a\ufffd\ufffd"
                                      "b"),
                       QStringLiteral("c")};
    QTest::newRow("truncated UTF-8 sequence")
        << testutil::document("<floor name=\"\xc3\"/><floor name=\"\xe2\x82\"/>")
        << QStringList{QStringLiteral("\ufffd"), QStringLiteral("\ufffd\ufffd")};
    QTest::newRow("NUL byte in an attribute value is kept")
        << testutil::document(raw("<floor name=\"a\0b\"/>"))
        << QStringList{QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")};
    QTest::newRow("NUL bytes between elements are ignored")
        << testutil::document(raw("<floors>\0\0<floor name=\"a\"/>\0</floors>"))
        << QStringList{QStringLiteral("a")};
    QTest::newRow("unknown encoding is read as UTF-8")
        << QByteArray(testutil::document("<floor name=\"\xc3\xa4\"/>"))
               .replace("UTF-8", "no-such-encoding")
        << QStringList{QStringLiteral("\u00e4")};
}

void tst_Hostile::acceptedDocuments()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, floors);

    const Outcome outcome = parse(xml);
    QVERIFY2(!outcome.error, qPrintable(outcome.warnings.join(QLatin1Char('\n'))));
    QVERIFY(outcome.warnings.isEmpty());
    QCOMPARE(floorNames(outcome.project), floors);
}

void tst_Hostile::truncatedAtEveryByte()
{
    const QByteArray whole =
        testutil::readFile(testutil::dataPath(QStringLiteral("roundtrip.xml")));
    const int end = whole.lastIndexOf("</project>") + int(qstrlen("</project>"));
    QVERIFY(end > 100);
    QVERIFY(!parse(whole).error);

    for (int size = 0; size < whole.size(); ++size) {
        const Outcome outcome = parse(whole.left(size));
        const QByteArray where = "cut after " + QByteArray::number(size) + " bytes";
        if (size < end) {
            QVERIFY2(outcome.error, where.constData());
            QVERIFY2(outcome.project.floors().isEmpty(), where.constData());
            QVERIFY2(outcome.warnings.size() == 1 &&
                         failure(QStringLiteral(".+")).match(outcome.warnings.first()).hasMatch(),
                     where.constData());
        } else {
            QVERIFY2(!outcome.error, where.constData());
            QCOMPARE(outcome.project.floors().size(), 3);
        }
    }
}

void tst_Hostile::hugeAttributeValue()
{
    const int size = 50 * 1024 * 1024;
    QByteArray xml = testutil::document("<floor name=\"" + QByteArray(size, 'x') + "\"/>");
    const Outcome outcome = parse(xml);
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.project.floors().size(), 1);
    QCOMPARE(outcome.project.floors().first().name().size(), size);
    QVERIFY2(outcome.peakGrowth < 8 * qint64(size),
             qPrintable(QString::number(outcome.peakGrowth)));
}

void tst_Hostile::readerUsedAgainAfterFailure_data()
{
    QTest::addColumn<QByteArray>("failing");

    QTest::newRow("after a truncated document")
        << testutil::document("<floors><floor name=\"x\">").left(120);
    QTest::newRow("after an entity declaration")
        << withDoctype("<!DOCTYPE project [<!ENTITY e \"x\">]>", {});
    QTest::newRow("after too deep a nesting inside a floor")
        << testutil::document("<floor name=\"x\">" + nested("room", 2000) + "</floor>");
    QTest::newRow("after too deep a nesting with namespace declarations")
        << testutil::document(nested("p:scene xmlns:q=\"urn:q\"", 1100));
    QTest::newRow("after an empty device") << QByteArray();
}

void tst_Hostile::readerUsedAgainAfterFailure()
{
    QFETCH(QByteArray, failing);

    ProjectReader reader;
    const Outcome failed = parseWith(reader, failing);
    QVERIFY(failed.error);

    const Outcome read = parseWith(
        reader, testutil::document("<floors><floor name=\"a\"/><floor name=\"b\"/></floors>",
                                   "name=\"second\""));
    QCOMPARE(read.project.name(), QStringLiteral("second"));
    QCOMPARE(floorNames(read.project), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(read.warnings.isEmpty());
    QCOMPARE(read.errorReport, QStringLiteral(", at line -1 and column -1"));
    QVERIFY(reader.parsingError()); // never cleared
}

void tst_Hostile::unpairedSurrogates_data()
{
    QTest::addColumn<bool>("fromJson");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("name");

    QTest::newRow("character reference to a high surrogate")
        << false << QByteArray("a&#xD800;b") << QStringLiteral("a\ufffdb");
    QTest::newRow("character references to a low and a high surrogate")
        << false << QByteArray("&#xDC00;&#xD800;") << QStringLiteral("\ufffd\ufffd");
    QTest::newRow("character references to a pair are kept")
        << false << QByteArray("&#xD83D;&#xDE00;") << QStringLiteral("\U0001F600");
    QTest::newRow("JSON escape of a high surrogate at the end")
        << true << QByteArray("a\\ud800") << QStringLiteral("a\ufffd");
    QTest::newRow("JSON escapes of a pair are kept")
        << true << QByteArray("\\ud83d\\ude00") << QStringLiteral("\U0001F600");
}

// Unpaired surrogates become U+FFFD wherever text comes in, so that a written project
// always reads back whole: QXmlStreamWriter drops the rest of a document after one.
void tst_Hostile::unpairedSurrogates()
{
    QFETCH(bool, fromJson);
    QFETCH(QByteArray, input);
    QFETCH(QString, name);

    Project project;
    if (fromJson) {
        const QJsonObject object =
            QJsonDocument::fromJson(R"({"id": "_00112233445566778899aabbccddeeff", "name": ")" +
                                    input + "\"}")
                .object();
        QVERIFY(!object.isEmpty());
        project.floors().append(Floor(object));
    } else {
        project = parse(testutil::document("<floor name=\"" + input + "\"/>")).project;
    }
    project.setOwner(QStringLiteral("owner"));
    QCOMPARE(floorNames(project), QStringList{name});

    const QByteArray written = testutil::writeProject(project);
    const Outcome again = parse(written);
    QVERIFY2(!again.error, written.constData());
    QCOMPARE(again.project.owner(), QStringLiteral("owner"));
    QCOMPARE(floorNames(again.project), QStringList{name});
}

void tst_Hostile::snapshotValueNames_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("object with one name twice reads as null")
        << QByteArray(R"({"a":"x","a":2})") << QByteArray("null");
    QTest::newRow("name twice in a nested object reads as null")
        << QByteArray(R"([1,{"b":[{"a":[1],"a":[2]}]}])") << QByteArray("null");
    QTest::newRow("name twice through an escape reads as null")
        << QByteArray(R"({"a":1,"a":2})") << QByteArray("null");
    QTest::newRow("one name in different objects is read")
        << QByteArray(R"({"a":{"a":1},"b":[{"a":2},{"a":3}]})")
        << QByteArray(R"({"a":{"a":1},"b":[{"a":2},{"a":3}]})");
    QTest::newRow("name repeated as a value is read")
        << QByteArray(R"({"a":"a","b":["a","a"]})") << QByteArray(R"({"a":"a","b":["a","a"]})");
    QTest::newRow("escaped quote in a name is read")
        << QByteArray(R"({"a\"":1,"a":2})") << QByteArray(R"({"a":2,"a\"":1})");
}

// Qt's JSON parser leaks the values it drops for a repeated name; the sanitizer build
// reports the leak if such a text ever reaches it.
void tst_Hostile::snapshotValueNames()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, value);

    const QString attribute = QString::fromLatin1(text).toHtmlEscaped();
    const Project project = testutil::readContent(
        "<p:scene id=\"_00000000000000000000000000000001\"><snapshot "
        "function-ref=\"_00000000000000000000000000000002\"><datapoint address=\"1/2/3\" "
        "value=\"" +
        attribute.toLatin1() + "\"/></snapshot></p:scene>");
    QCOMPARE(project.scenes().size(), 1);
    QCOMPARE(project.scenes().first().snapshots().size(), 1);
    const QJsonValue read =
        project.scenes().first().snapshots().first().values().value(QStringLiteral("1/2/3"));
    const QByteArray compact =
        read.isArray()    ? QJsonDocument(read.toArray()).toJson(QJsonDocument::Compact)
        : read.isObject() ? QJsonDocument(read.toObject()).toJson(QJsonDocument::Compact)
        : read.isNull()   ? QByteArray("null")
                          : QByteArray("other");
    QCOMPARE(compact, value);
}

void tst_Hostile::everyValueTypeNumber()
{
    // The value types a switch time may carry; anything else must not even be loaded,
    // since GUI types abort a process that has no GUI application.
    const QList<int> accepted = {
        QMetaType::UnknownType, QMetaType::Bool,      QMetaType::Int,        QMetaType::UInt,
        QMetaType::LongLong,    QMetaType::ULongLong, QMetaType::Double,     QMetaType::Float,
        QMetaType::QChar,       QMetaType::QString,   QMetaType::QByteArray, QMetaType::QDate,
        QMetaType::QTime,       QMetaType::QDateTime};
    QList<quint32> typeIds;
    for (int id = 0; id <= QMetaType::LastWidgetsType; ++id)
        typeIds.append(quint32(id));
    typeIds << QMetaType::User << QMetaType::User + 1 << 0x7fffffffu << 0xffffffffu;

    for (quint32 typeId : qAsConst(typeIds)) {
        QByteArray value;
        QDataStream stream(&value, QIODevice::WriteOnly);
        stream << typeId << qint8(0);
        value += QByteArray(64, '\0'); // an empty value for most types
        const SwitchTime switchTime = switchTimeWith(oneValueBlob(value));
        QVERIFY(switchTime.isValid());
        const bool kept = !switchTime.additionalValueIndexes().isEmpty();
        QVERIFY2(kept == accepted.contains(int(typeId)),
                 qPrintable(QStringLiteral("type number %1").arg(typeId)));
    }
}

void tst_Hostile::dateTimeValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("kept");

    const auto dateTime = [](const QDateTime& value) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << QVariant(value);
        return bytes;
    };
    const QDate date(2024, 3, 1);
    const QTime time(6, 30);
    QTest::newRow("fixed offset is kept")
        << dateTime(QDateTime(date, time, Qt::OffsetFromUTC, 3600)) << true;
    QTest::newRow("named time zone is dropped")
        << dateTime(QDateTime(date, time, QTimeZone("UTC+01:00"))) << false;

    // A zone name is a path below the system's zone files.
    QByteArray pathLike;
    QDataStream stream(&pathLike, QIODevice::WriteOnly);
    stream << quint32(QMetaType::QDateTime) << qint8(0) << qint64(date.toJulianDay()) << quint32(0)
           << qint8(Qt::TimeZone) << QStringLiteral("../../../../dev/stdin");
    QTest::newRow("zone name leading to standard input is dropped") << pathLike << false;
    QTest::newRow("date-time cut before its time spec is dropped") << pathLike.left(17) << false;
}

void tst_Hostile::dateTimeValues()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, kept);

    const SwitchTime switchTime = switchTimeWith(oneValueBlob(value));
    QCOMPARE(switchTime.hasAdditionalValue(1), kept);
}

QTEST_GUILESS_MAIN(tst_Hostile)
#include "tst_hostile.moc"
