// Links and favourites: the `link` element written and read, its enumeration keys, the
// sharing of both data blocks and the detaching sync.

#include "testutil.h"

#include <projects/common/conversions.h>
#include <projects/link.h>
#include <projects/project.h>

#include <QtTest>

using namespace projects;

namespace {

const QUuid linkId = QUuid(QStringLiteral("{4a7b64a1-0f3c-4e9b-9a53-1d2e3f405162}"));

QByteArray linkElement(const QByteArray& attributes)
{
    return "<links><p:link id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" " + attributes + "/></links>";
}

QByteArray writeLinks(const QList<Link>& links)
{
    return testutil::write([&](QXmlStreamWriter* writer) {
        writer->writeStartElement(QStringLiteral("links"));
        for (const Link& link : links)
            link.serialize(writer);
        writer->writeEndElement();
    });
}

} // namespace

class tst_Links : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructedDefaults();
    void writtenAttributes();
    void roundTrip_data();
    void roundTrip();
    void readKeys_data();
    void readKeys();
    void readFavoriteFlag_data();
    void readFavoriteFlag();
    void valueWithoutKeyIsWrittenEmptyAndDropped();
    void copiesShareBothBlocks();
    void syncDetachesFromCopies();
};

void tst_Links::constructedDefaults()
{
    const Link link;
    QVERIFY(link.id().isNull());
    QCOMPARE(link.type(), Link::WebLink);
    QCOMPARE(link.osName(), Link::Android);
    QVERIFY(!link.favorite());

    const Link full(linkId, QStringLiteral("Shop"), QStringLiteral("cart"), true, Link::App,
                    QStringLiteral("https://example.org"), Link::Apple);
    QCOMPARE(full.id(), linkId);
    QCOMPARE(full.name(), QStringLiteral("Shop"));
    QVERIFY(full.appName().isEmpty());
    QCOMPARE(Link::getCurrentOSName(), Link::Microsoft);
}

void tst_Links::writtenAttributes()
{
    Link link(linkId, QStringLiteral("Shop"), QString(), false, Link::App,
              QStringLiteral("https://example.org"), Link::Microsoft);
    link.setAppName(QStringLiteral("Shopper"));
    const QByteArray xml = writeLinks({link});

    // The element is profile data; every attribute is unqualified, the empty icon included.
    QCOMPARE(testutil::childNames(xml, QStringLiteral("links")),
             QStringList{QStringLiteral("p:link")});
    const auto attributes = testutil::elements(xml, QStringLiteral("link")).value(0);
    QCOMPARE(testutil::names(attributes),
             QStringList({QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("icon"),
                          QStringLiteral("type"), QStringLiteral("url"), QStringLiteral("app-name"),
                          QStringLiteral("favorite"), QStringLiteral("os")}));
    QCOMPARE(testutil::value(attributes, QStringLiteral("id")), uuidToString(linkId));
    QCOMPARE(testutil::value(attributes, QStringLiteral("icon")), QString(QLatin1String("")));
    QCOMPARE(testutil::value(attributes, QStringLiteral("type")), QStringLiteral("App"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("favorite")), QStringLiteral("no"));
    QCOMPARE(testutil::value(attributes, QStringLiteral("os")), QStringLiteral("Microsoft"));
}

void tst_Links::roundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("os");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<QString>("appName");

    QTest::newRow("web link for Android, not a favourite")
        << int(Link::WebLink) << int(Link::Android) << false << QString();
    QTest::newRow("app for Apple with app name, favourite")
        << int(Link::App) << int(Link::Apple) << true << QStringLiteral("Weather & more");
    QTest::newRow("app for Microsoft")
        << int(Link::App) << int(Link::Microsoft) << false << QStringLiteral("Mail");
}

void tst_Links::roundTrip()
{
    QFETCH(int, type);
    QFETCH(int, os);
    QFETCH(bool, favorite);
    QFETCH(QString, appName);

    Link link(linkId, QStringLiteral("Forecast"), QStringLiteral("sun"), favorite,
              Link::LinkType(type), QStringLiteral("https://example.org/?a=1&b=2"),
              Link::OsName(os));
    link.setAppName(appName);

    const Project project = testutil::read(writeLinks({link}));
    QCOMPARE(project.links().size(), 1);
    const Link read = project.links().first();
    QCOMPARE(read.id(), linkId);
    QCOMPARE(read.name(), QStringLiteral("Forecast"));
    QCOMPARE(read.icon(), QStringLiteral("sun"));
    QCOMPARE(read.favorite(), favorite);
    QCOMPARE(int(read.type()), type);
    QCOMPARE(read.url(), QStringLiteral("https://example.org/?a=1&b=2"));
    QCOMPARE(read.appName(), appName);
    QCOMPARE(int(read.osName()), os);
}

void tst_Links::readKeys_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("os");

    QTest::newRow("known keys give a link")
        << linkElement("type=\"App\" os=\"Apple\"") << 1 << int(Link::App) << int(Link::Apple);
    QTest::newRow("type key in other letter case drops the link")
        << linkElement("type=\"webLink\" os=\"Android\"") << 0 << 0 << 0;
    QTest::newRow("os key in upper case drops the link")
        << linkElement("type=\"WebLink\" os=\"ANDROID\"") << 0 << 0 << 0;
    QTest::newRow("missing os drops the link") << linkElement("type=\"WebLink\"") << 0 << 0 << 0;
    QTest::newRow("missing type drops the link") << linkElement("os=\"Android\"") << 0 << 0 << 0;
    QTest::newRow("numeric type is no key")
        << linkElement("type=\"1\" os=\"Android\"") << 0 << 0 << 0;
    QTest::newRow("link outside the profile namespace is skipped")
        << QByteArray("<links><link id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" type=\"App\" "
                      "os=\"Apple\"/></links>")
        << 0 << 0 << 0;
    QTest::newRow("element name in other letter case, without container")
        << QByteArray("<p:LINK id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" type=\"App\" "
                      "os=\"Microsoft\"/>")
        << 1 << int(Link::App) << int(Link::Microsoft);
    QTest::newRow("profile-namespace attributes are not read")
        << QByteArray("<p:link id=\"_4a7b64a10f3c4e9b9a531d2e3f405162\" p:type=\"App\" "
                      "p:os=\"Apple\"/>")
        << 0 << 0 << 0;
}

void tst_Links::readKeys()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(int, type);
    QFETCH(int, os);

    const Project project = testutil::readContent(content);
    QCOMPARE(project.links().size(), count);
    if (count) {
        QCOMPARE(project.links().first().id(), linkId);
        QCOMPARE(int(project.links().first().type()), type);
        QCOMPARE(int(project.links().first().osName()), os);
    }
}

void tst_Links::readFavoriteFlag_data()
{
    QTest::addColumn<QByteArray>("attribute");
    QTest::addColumn<bool>("favorite");

    QTest::newRow("1 is a favourite") << QByteArray("favorite=\"1\"") << true;
    QTest::newRow("TRUE is a favourite") << QByteArray("favorite=\"TRUE\"") << true;
    QTest::newRow("yes is a favourite") << QByteArray("favorite=\"yes\"") << true;
    QTest::newRow("no is not") << QByteArray("favorite=\"no\"") << false;
    QTest::newRow("absent is not") << QByteArray() << false;
    QTest::newRow("profile-namespace flag is not read")
        << QByteArray("p:favorite=\"yes\"") << false;
}

void tst_Links::readFavoriteFlag()
{
    QFETCH(QByteArray, attribute);
    QFETCH(bool, favorite);

    const Project project =
        testutil::readContent(linkElement("type=\"WebLink\" os=\"Android\" " + attribute));
    QCOMPARE(project.links().size(), 1);
    QCOMPARE(project.links().first().favorite(), favorite);
}

void tst_Links::valueWithoutKeyIsWrittenEmptyAndDropped()
{
    const Link link(linkId, QStringLiteral("Odd"), QString(), false, Link::LinkType(5), QString(),
                    Link::OsName(9));
    const QByteArray xml = writeLinks({link});
    const auto attributes = testutil::elements(xml, QStringLiteral("link")).value(0);
    QCOMPARE(testutil::value(attributes, QStringLiteral("type")), QString(QLatin1String("")));
    QCOMPARE(testutil::value(attributes, QStringLiteral("os")), QString(QLatin1String("")));
    QVERIFY(testutil::read(xml).links().isEmpty());
}

void tst_Links::copiesShareBothBlocks()
{
    Link link(linkId, QStringLiteral("Shop"), QString(), false, Link::WebLink,
              QStringLiteral("https://a.example"), Link::Android);
    const Link copy = link;
    Link assigned;
    assigned = link;

    link.setName(QStringLiteral("Store"));
    link.setUrl(QStringLiteral("https://b.example"));
    assigned.setOsName(Link::Apple);

    for (const Link& other : {copy, assigned}) {
        QCOMPARE(other.name(), QStringLiteral("Store"));
        QCOMPARE(other.url(), QStringLiteral("https://b.example"));
        QCOMPARE(other.osName(), Link::Apple);
    }
}

void tst_Links::syncDetachesFromCopies()
{
    Link first(linkId, QStringLiteral("Old"), QStringLiteral("old-icon"), false, Link::WebLink,
               QStringLiteral("https://old.example"), Link::Android);
    const Link second = first;
    const QUuid thirdId = QUuid::createUuid();
    Link third(thirdId, QStringLiteral("New"), QStringLiteral("new-icon"), true, Link::App,
               QStringLiteral("https://new.example"), Link::Microsoft);
    third.setAppName(QStringLiteral("NewApp"));

    first.sync(third, Project::SyncHints());

    QCOMPARE(first.id(), linkId);
    QCOMPARE(first.name(), QStringLiteral("New"));
    QCOMPARE(first.icon(), QStringLiteral("new-icon"));
    QVERIFY(first.favorite());
    QCOMPARE(first.type(), Link::App);
    QCOMPARE(first.url(), QStringLiteral("https://new.example"));
    QCOMPARE(first.appName(), QStringLiteral("NewApp"));
    QCOMPARE(first.osName(), Link::Microsoft);

    // The copy taken before the sync keeps the old content in both blocks.
    QCOMPARE(second.name(), QStringLiteral("Old"));
    QCOMPARE(second.icon(), QStringLiteral("old-icon"));
    QVERIFY(!second.favorite());
    QCOMPARE(second.type(), Link::WebLink);
    QCOMPARE(second.url(), QStringLiteral("https://old.example"));
    QCOMPARE(second.osName(), Link::Android);

    // The synchronised link shares nothing with the source either.
    first.setName(QStringLiteral("Mine"));
    first.setUrl(QStringLiteral("https://mine.example"));
    QCOMPARE(third.name(), QStringLiteral("New"));
    QCOMPARE(third.url(), QStringLiteral("https://new.example"));
}

QTEST_GUILESS_MAIN(tst_Links)
#include "tst_links.moc"
