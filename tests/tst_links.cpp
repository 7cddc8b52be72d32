// Links and favourites: the `link` element written and read, its enumeration keys, the
// sharing of both data blocks and the detaching sync.

#include "testutil.h"

using namespace projects;

namespace {

const QUuid linkId("{4a7b64a1-0f3c-4e9b-9a53-1d2e3f405162}");

QByteArray linkElement(const QByteArray& attributes)
{
    return "<links><p:link id=\"" + testutil::idText(linkId) + "\" " + attributes + "/></links>";
}

QByteArray writeLink(const Link& link)
{
    return testutil::write([&](QXmlStreamWriter* writer) { link.serialize(writer); });
}

// Every field of @p link, so that one comparison covers both data blocks.
QString describe(const Link& link)
{
    return QStringList{
        uuidToString(link.id()),      link.name(), link.icon(),    link.favorite() ? "fav" : "-",
        QString::number(link.type()), link.url(),  link.appName(), QString::number(link.osName())}
        .join('|');
}

} // namespace

class tst_Links : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenAttributes();
    void readLink_data();
    void readLink();
    void valueWithoutKeyIsWrittenEmptyAndDropped();
    void syncDetachesFromCopies();
};

void tst_Links::writtenAttributes()
{
    Link link(linkId, "Shop", QString(), false, Link::App, "https://example.org", Link::Microsoft);
    link.setAppName("Shopper");
    const QByteArray xml = writeLink(link);

    // The element is profile data, yet every attribute is unqualified; empty ones stay.
    QCOMPARE(testutil::childNames(xml, "project"), QStringList{"p:link"});
    QCOMPARE(testutil::attributesOf(xml, "link"),
             (QStringList{"id=" + uuidToString(linkId), "name=Shop", "icon=", "type=App",
                          "url=https://example.org", "app-name=Shopper", "favorite=no",
                          "os=Microsoft"}));
}

void tst_Links::readLink_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("type"); // -1: no link
    QTest::addColumn<bool>("favorite");

    QTest::newRow("known keys give a link")
        << linkElement("type=\"App\" os=\"Apple\"") << int(Link::App) << false;
    QTest::newRow("type key in other letter case drops the link")
        << linkElement("type=\"webLink\" os=\"Android\"") << -1 << false;
    QTest::newRow("os key in upper case drops the link")
        << linkElement("type=\"WebLink\" os=\"ANDROID\"") << -1 << false;
    QTest::newRow("missing os drops the link") << linkElement("type=\"WebLink\"") << -1 << false;
    QTest::newRow("numeric type is no key")
        << linkElement("type=\"1\" os=\"Apple\"") << -1 << false;
    QTest::newRow("qualified type and os are not read")
        << linkElement("p:type=\"App\" p:os=\"Apple\"") << -1 << false;
    QTest::newRow("link outside the profile namespace is skipped")
        << "<link id=\"" + testutil::idText(linkId) + "\" type=\"App\" os=\"Apple\"/>" << -1
        << false;
    QTest::newRow("element name in other case, without container, favorite 1")
        << "<p:LINK id=\"" + testutil::idText(linkId) +
               "\" type=\"WebLink\" os=\"Microsoft\" favorite=\"1\"/>"
        << int(Link::WebLink) << true;
    QTest::newRow("favorite TRUE")
        << linkElement("type=\"App\" os=\"Apple\" favorite=\"TRUE\"") << int(Link::App) << true;
    QTest::newRow("qualified favorite is not read")
        << linkElement("type=\"App\" os=\"Apple\" p:favorite=\"yes\"") << int(Link::App) << false;
}

void tst_Links::readLink()
{
    QFETCH(QByteArray, content);
    QFETCH(int, type);
    QFETCH(bool, favorite);

    const Project project = testutil::readContent(content);
    QCOMPARE(project.links().size(), type < 0 ? 0 : 1);
    if (type >= 0) {
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

void tst_Links::syncDetachesFromCopies()
{
    Link first(linkId, "Old", "old", false, Link::WebLink, "https://old.example", Link::Android);
    const Link second = first;
    const QString before = describe(first);
    Link third(QUuid::createUuid(), "New", "new", true, Link::App, "https://new.example",
               Link::Microsoft);
    third.setAppName("NewApp");
    const QString theirs = describe(third);

    first.sync(third, Project::SyncHints());
    // Everything but the identifier is taken over ...
    QCOMPARE(describe(first).section('|', 1), theirs.section('|', 1));
    QCOMPARE(first.id(), linkId);
    // ... while the copy taken before keeps both old blocks ...
    QCOMPARE(describe(second), before);
    // ... and the synchronised link shares nothing with its source.
    first.setName("Mine");
    first.setUrl("https://mine.example");
    QCOMPARE(describe(third), theirs);
}

QTEST_GUILESS_MAIN(tst_Links)
#include "tst_links.moc"
