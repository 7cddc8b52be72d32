// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Links: a value without key, and the detaching sync. What files give is pinned by the
// reference files.

#include "testutil.h"

using namespace projects;

namespace {

const QUuid linkId("{4a7b64a1-0f3c-4e9b-9a53-1d2e3f405162}");

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
    void valueWithoutKeyIsWrittenEmptyAndDropped();
    void syncDetachesFromCopies();
};

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
