// Links and favourites: the `link` element written and read, its enumeration keys, the
// sharing of both data blocks and the detaching sync.

#include "testutil.h"

#include <projects/common/conversions.h>
#include <projects/link.h>
#include <projects/project.h>

#include <QtTest>

using namespace projects;

namespace {

const QUuid linkId("{4a7b64a1-0f3c-4e9b-9a53-1d2e3f405162}");

QByteArray linkElement(const QByteArray& attributes)
{
    return "<links><p:link id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" " + attributes + "/></links>";
}

QByteArray writeLink(const Link& link)
{
    return testutil::write([&](QXmlStreamWriter* writer) {
        writer->writeStartElement("links");
        link.serialize(writer);
        writer->writeEndElement();
    });
}

} // namespace

class tst_Links : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void writtenAttributes();
    void roundTrip_data();
    void roundTrip();
    void readLink_data();
    void readLink();
    void valueWithoutKeyIsWrittenEmptyAndDropped();
    void copiesShareBothBlocks();
    void syncDetachesFromCopies();
};

void tst_Links::defaults()
{
    const Link link;
    QVERIFY(link.id().isNull());
    QCOMPARE(link.type(), Link::WebLink);
    QCOMPARE(link.osName(), Link::Android);
    QVERIFY(Link(linkId, "n", "i", true, Link::App, "u", Link::Apple).appName().isEmpty());
    QCOMPARE(Link::getCurrentOSName(), Link::Microsoft);
}

void tst_Links::writtenAttributes()
{
    Link link(linkId, "Shop", QString(), false, Link::App, "https://example.org", Link::Microsoft);
    link.setAppName("Shopper");
    const QByteArray xml = writeLink(link);

    // The element is profile data, yet every attribute is unqualified; empty ones stay.
    QCOMPARE(testutil::childNames(xml, "links"), QStringList{"p:link"});
    const auto attributes = testutil::elements(xml, "link").value(0);
    QCOMPARE(testutil::names(attributes),
             (QStringList{"id", "name", "icon", "type", "url", "app-name", "favorite", "os"}));
    QCOMPARE(testutil::value(attributes, "id"), uuidToString(linkId));
    QCOMPARE(testutil::value(attributes, "icon"), QString(""));
    QCOMPARE(testutil::value(attributes, "type"), QString("App"));
    QCOMPARE(testutil::value(attributes, "favorite"), QString("no"));
    QCOMPARE(testutil::value(attributes, "os"), QString("Microsoft"));
}

void tst_Links::roundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("os");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<QString>("appName");

    QTest::newRow("web link for Android")
        << int(Link::WebLink) << int(Link::Android) << false << QString();
    QTest::newRow("favourite app for Apple")
        << int(Link::App) << int(Link::Apple) << true << "Weather & more";
    QTest::newRow("app for Microsoft") << int(Link::App) << int(Link::Microsoft) << false << "Mail";
}

void tst_Links::roundTrip()
{
    QFETCH(int, type);
    QFETCH(int, os);
    QFETCH(bool, favorite);
    QFETCH(QString, appName);

    Link link(linkId, "Forecast", "sun", favorite, Link::LinkType(type), "https://a.example/?b=1&c",
              Link::OsName(os));
    link.setAppName(appName);
    const Project project = testutil::read(writeLink(link));
    QCOMPARE(project.links().size(), 1);
    const Link read = project.links().first();
    QCOMPARE(read.id(), linkId);
    QCOMPARE(read.name(), QString("Forecast"));
    QCOMPARE(read.icon(), QString("sun"));
    QCOMPARE(read.favorite(), favorite);
    QCOMPARE(int(read.type()), type);
    QCOMPARE(read.url(), QString("https://a.example/?b=1&c"));
    QCOMPARE(read.appName(), appName);
    QCOMPARE(int(read.osName()), os);
}

void tst_Links::readLink_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("favorite");

    QTest::newRow("known keys give a link")
        << linkElement("type=\"App\" os=\"Apple\"") << 1 << int(Link::App) << false;
    QTest::newRow("type key in other letter case drops the link")
        << linkElement("type=\"webLink\" os=\"Android\"") << 0 << 0 << false;
    QTest::newRow("os key in upper case drops the link")
        << linkElement("type=\"WebLink\" os=\"ANDROID\"") << 0 << 0 << false;
    QTest::newRow("missing os drops the link")
        << linkElement("type=\"WebLink\"") << 0 << 0 << false;
    QTest::newRow("numeric type is no key")
        << linkElement("type=\"1\" os=\"Apple\"") << 0 << 0 << false;
    QTest::newRow("qualified type and os are not read")
        << linkElement("p:type=\"App\" p:os=\"Apple\"") << 0 << 0 << false;
    QTest::newRow("link outside the profile namespace is skipped")
        << QByteArray("<link id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" type=\"App\" os=\"Apple\"/>")
        << 0 << 0 << false;
    QTest::newRow("element name in other case, without container")
        << QByteArray("<p:LINK id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" type=\"WebLink\" "
                      "os=\"Microsoft\" favorite=\"1\"/>")
        << 1 << int(Link::WebLink) << true;
    QTest::newRow("favorite TRUE") << linkElement("type=\"App\" os=\"Apple\" favorite=\"TRUE\"")
                                   << 1 << int(Link::App) << true;
    QTest::newRow("qualified favorite is not read")
        << linkElement("type=\"App\" os=\"Apple\" p:favorite=\"yes\"") << 1 << int(Link::App)
        << false;
}

void tst_Links::readLink()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(int, type);
    QFETCH(bool, favorite);

    const Project project = testutil::readContent(content);
    QCOMPARE(project.links().size(), count);
    if (count) {
        QCOMPARE(project.links().first().id(), linkId);
        QCOMPARE(int(project.links().first().type()), type);
        QCOMPARE(project.links().first().favorite(), favorite);
    }
}

void tst_Links::valueWithoutKeyIsWrittenEmptyAndDropped()
{
    const QByteArray xml =
        writeLink(Link(linkId, "Odd", QString(), false, Link::LinkType(5), QString(), Link::Apple));
    QCOMPARE(testutil::value(testutil::elements(xml, "link").value(0), "type"), QString(""));
    QVERIFY(testutil::read(xml).links().isEmpty());
}

void tst_Links::copiesShareBothBlocks()
{
    Link link(linkId, "Shop", QString(), false, Link::WebLink, "https://a.example", Link::Android);
    const Link copy = link;
    Link assigned;
    assigned = link;
    link.setName("Store");
    link.setUrl("https://b.example");
    assigned.setOsName(Link::Apple);
    for (const Link& other : {copy, assigned}) {
        QCOMPARE(other.name(), QString("Store"));
        QCOMPARE(other.url(), QString("https://b.example"));
        QCOMPARE(other.osName(), Link::Apple);
    }
}

void tst_Links::syncDetachesFromCopies()
{
    Link first(linkId, "Old", "old", false, Link::WebLink, "https://old.example", Link::Android);
    const Link second = first;
    Link third(QUuid::createUuid(), "New", "new", true, Link::App, "https://new.example",
               Link::Microsoft);
    third.setAppName("NewApp");

    first.sync(third, Project::SyncHints());
    QCOMPARE(first.id(), linkId);
    QCOMPARE(first.name(), QString("New"));
    QCOMPARE(first.icon(), QString("new"));
    QVERIFY(first.favorite());
    QCOMPARE(first.type(), Link::App);
    QCOMPARE(first.url(), QString("https://new.example"));
    QCOMPARE(first.appName(), QString("NewApp"));
    QCOMPARE(first.osName(), Link::Microsoft);

    // The copy taken before the sync keeps the old content of both blocks.
    QCOMPARE(second.name(), QString("Old"));
    QCOMPARE(second.icon(), QString("old"));
    QVERIFY(!second.favorite());
    QCOMPARE(second.type(), Link::WebLink);
    QCOMPARE(second.url(), QString("https://old.example"));
    QCOMPARE(second.osName(), Link::Android);

    // Nor does the synchronised link share anything with its source.
    first.setName("Mine");
    first.setUrl("https://mine.example");
    QCOMPARE(third.name(), QString("New"));
    QCOMPARE(third.url(), QString("https://new.example"));
}

QTEST_GUILESS_MAIN(tst_Links)
#include "tst_links.moc"
