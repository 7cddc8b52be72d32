// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// One project written, compiled and exported on many threads at once: const operations
// only read the blocks they share, so every thread gets what a single thread gets.

#include "testutil.h"

#include <atomic>
#include <thread>
#include <vector>

using namespace projects;

namespace {

constexpr int threadCount = 8;

// Everything the const operations of a host make of @p project: both written forms, and
// each scene's snapshots compiled, exported with and without device numbers, and as JSON.
QByteArray constResults(const Project& project, const QHash<QString, int>& addressToId,
                        const QHash<int, QString>& idToFormat)
{
    QByteArray bytes =
        testutil::writeProject(project) + testutil::writeProject(project, ProjectWriter::Complete);
    for (const Scene& scene : project.scenes()) {
        QJsonArray steps;
        for (const Snapshot& snapshot : scene.snapshots()) {
            snapshot.compile(addressToId, idToFormat, &steps);
            for (const QJsonObject& entry : snapshot.json())
                steps.append(entry);
        }
        for (const QHash<QString, int>& table : {addressToId, QHash<QString, int>()})
            for (const QJsonValue& entry : Snapshot::exportSnapshots(table, scene.snapshots()))
                steps.append(entry);
        bytes += QJsonDocument(steps).toJson(QJsonDocument::Compact);
    }
    return bytes;
}

} // namespace

class tst_Threads : public QObject
{
    Q_OBJECT
private slots:
    void constOperationsOnManyThreadsAgree_data();
    void constOperationsOnManyThreadsAgree();
};

void tst_Threads::constOperationsOnManyThreadsAgree_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("test document") << testutil::dataPath(QStringLiteral("roundtrip.xml"));
    QTest::newRow("example house") << QStringLiteral(CASARINA_EXAMPLES "/house.xml");
}

void tst_Threads::constOperationsOnManyThreadsAgree()
{
    QFETCH(QString, path);
    const QByteArray xml = testutil::readFile(path);
    const Project single = testutil::read(xml);
    QHash<QString, int> addressToId;
    QHash<int, QString> idToFormat;
    for (const Scene& scene : single.scenes()) {
        for (const Snapshot& snapshot : scene.snapshots()) {
            for (const QString& address : snapshot.values().keys()) {
                if (addressToId.contains(address))
                    continue;
                const int id = addressToId.size() + 1;
                addressToId.insert(address, id);
                idToFormat.insert(id, QStringLiteral("DPT%1").arg(id % 3 + 1));
            }
        }
    }
    QVERIFY(!addressToId.isEmpty());
    const QByteArray expected = constResults(single, addressToId, idToFormat);

    // Each round shares a project that nothing has touched yet, as the first read of an
    // empty list is where a const method that detached it would write. ThreadSanitizer
    // sees such a write only when another thread reads the new block before reference
    // counts that both threads touch have ordered the two, which many rounds miss.
    for (int round = 0; round < 20; ++round) {
        const Project project = testutil::read(xml);
        std::atomic<bool> start{false};
        std::vector<QByteArray> results(threadCount);
        std::vector<std::thread> threads;
        for (int i = 0; i < threadCount; ++i)
            threads.emplace_back([&, i] {
                while (!start)
                    std::this_thread::yield();
                results[i] = constResults(project, addressToId, idToFormat);
            });
        start = true;
        for (std::thread& thread : threads)
            thread.join();
        for (const QByteArray& result : results)
            QCOMPARE(result, expected);
    }
}

QTEST_GUILESS_MAIN(tst_Threads)
#include "tst_threads.moc"
