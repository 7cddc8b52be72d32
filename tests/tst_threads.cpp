// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Handles copied and released on many threads at once: the reference counts are atomic,
// so every block is freed exactly once, by whichever thread drops the last handle, and
// no count is lost on the way. And one project written, compiled and exported on many
// threads at once: const operations only read the blocks.

#include "testutil.h"

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/datapoint.h>
#include <projects/favorite.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/writer/projectwriter.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaType>
#include <QVariant>
#include <QVector>
#include <QtTest>

#include <atomic>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

using namespace projects;

namespace {

constexpr int threadCount = 8;

// Counts its live instances, so that a test can see when the block holding one is freed.
struct Tracker
{
    Tracker() { ++live; }
    Tracker(const Tracker&) { ++live; }
    Tracker& operator=(const Tracker&) = default;
    ~Tracker() { --live; }
    static std::atomic<int> live;
};
std::atomic<int> Tracker::live{0};

// One handle of every model class reachable from a project, grouped by class.
using Handles =
    std::tuple<QVector<Project>, QVector<Floor>, QVector<Room>, QVector<Function>,
               QVector<Simulation>, QVector<SwitchTime>, QVector<Actuator>, QVector<Datapoint>,
               QVector<Group>, QVector<Scene>, QVector<Favorite>, QVector<Snapshot>,
               QVector<SceneTrigger>, QVector<Link>, QVector<Automatic>>;

template <typename T> void add(Handles& handles, const T& handle)
{
    std::get<QVector<T>>(handles).append(handle);
}

Handles collect(const Project& project)
{
    Handles handles;
    add(handles, project);
    for (const Floor& floor : project.floors()) {
        add(handles, floor);
        for (const Room& room : floor.rooms()) {
            add(handles, room);
            for (const Function& function : room.functions()) {
                add(handles, function);
                add(handles, function.simulation());
                for (const SwitchTime& switchTime : function.switchTimes())
                    add(handles, switchTime);
            }
        }
    }
    for (const Actuator& actuator : project.actuators()) {
        add(handles, actuator);
        for (const Datapoint& datapoint : actuator.datapoints())
            add(handles, datapoint);
    }
    for (const Group& group : project.groups()) {
        add(handles, group);
        for (const SwitchTime& switchTime : group.switchTimes())
            add(handles, switchTime);
    }
    for (const Scene& scene : project.scenes()) {
        add(handles, scene);
        add(handles, static_cast<const Favorite&>(scene));
        for (const Snapshot& snapshot : scene.snapshots())
            add(handles, snapshot);
        for (const SwitchTime& switchTime : scene.switchTimes())
            add(handles, switchTime);
    }
    for (const SceneTrigger& trigger : project.sceneTriggers())
        add(handles, trigger);
    for (const Link& link : project.links()) {
        add(handles, link);
        add(handles, static_cast<const Favorite&>(link));
    }
    for (const Automatic& automatic : project.automatics()) {
        add(handles, automatic);
        for (const SwitchTime& switchTime : automatic.switchTimes())
            add(handles, switchTime);
    }
    return handles;
}

// Copies, assigns, moves and swaps every handle of @p handles, @p rounds times over, once
// @p start is set, so that all threads run at the same time.
void churn(const Handles& handles, int rounds, const std::atomic<bool>& start)
{
    while (!start)
        std::this_thread::yield();
    for (int round = 0; round < rounds; ++round) {
        std::apply(
            [](const auto&... lists) {
                const auto one = [](const auto& list) {
                    for (const auto& handle : list) {
                        auto copy = handle;
                        auto assigned = list.first();
                        assigned = copy;
                        auto moved = std::move(copy);
                        moved.swap(assigned);
                        copy = std::move(moved);
                    }
                };
                (one(lists), ...);
            },
            handles);
    }
}

int handleCount(const Handles& handles)
{
    return std::apply([](const auto&... lists) { return (0 + ... + lists.size()); }, handles);
}

QByteArray written(const Project& project, ProjectWriter::Form form = ProjectWriter::Standard)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProjectWriter writer;
    writer.setForm(form);
    writer.write(project, &buffer);
    return bytes;
}

// Everything the const operations of a host make of @p project: both written forms, and
// each scene's snapshots compiled, exported with and without device numbers, and as JSON.
QByteArray constResults(const Project& project, const QHash<QString, int>& addressToId,
                        const QHash<int, QString>& idToFormat)
{
    QByteArray bytes = written(project) + written(project, ProjectWriter::Complete);
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

Q_DECLARE_METATYPE(Tracker)

class tst_Threads : public QObject
{
    Q_OBJECT
private slots:
    void copiesOnManyThreadsKeepCounts();
    void lastReleaseOnAnyThreadFreesOnce();
    void constOperationsOnManyThreadsAgree_data();
    void constOperationsOnManyThreadsAgree();
};

void tst_Threads::copiesOnManyThreadsKeepCounts()
{
    QFile file(testutil::dataPath(QStringLiteral("roundtrip.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Project project = testutil::read(file.readAll());
    const Handles handles = collect(project);
    // Every class is present, so that none escapes the churn.
    std::apply([](const auto&... lists) { QVERIFY((!lists.isEmpty() && ...)); }, handles);
    QVERIFY(handleCount(handles) > 40);
    const QByteArray before = written(project);

    std::atomic<bool> start{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i)
        threads.emplace_back(churn, std::cref(handles), 20000, std::cref(start));
    start = true;
    for (std::thread& thread : threads)
        thread.join();

    QCOMPARE(written(project), before);
    // A count that lost increments would let sync() change the block in place instead of
    // detaching from the copies that share it.
    for (const Room& room : std::get<QVector<Room>>(handles)) {
        const QString name = room.name();
        Room changed = room;
        Room renamed(QUuid::createUuid(), QStringLiteral("renamed"), QString());
        changed.sync(renamed, Project::SyncAdminSettings | Project::SyncProfile);
        QCOMPARE(changed.name(), QStringLiteral("renamed"));
        QCOMPARE(room.name(), name);
    }
}

void tst_Threads::lastReleaseOnAnyThreadFreesOnce()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::vector<Handles> perThread(threadCount);
        {
            Project project;
            Floor floor(QUuid::createUuid(), QStringLiteral("floor"));
            Room room(QUuid::createUuid(), QStringLiteral("room"), QString());
            Function function;
            SwitchTime switchTime;
            switchTime.setAdditionalValue(1, QVariant::fromValue(Tracker()));
            function.switchTimes().append(switchTime);
            room.functions().append(function);
            floor.rooms().append(room);
            project.floors().append(floor);
            QVERIFY(Tracker::live > 0);
            for (Handles& handles : perThread)
                handles = collect(project);
        }
        // The threads now hold the only handles; the last one to let go frees the tree.
        std::atomic<bool> start{false};
        std::vector<std::thread> threads;
        for (Handles& handles : perThread)
            threads.emplace_back([&handles, &start] {
                churn(handles, 50, start);
                handles = Handles();
            });
        start = true;
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(Tracker::live.load(), 0);
    }
}

void tst_Threads::constOperationsOnManyThreadsAgree_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("test document") << testutil::dataPath(QStringLiteral("roundtrip.xml"));
    QTest::newRow("example house") << QStringLiteral(CASARINA_EXAMPLES "/house.xml");
}

void tst_Threads::constOperationsOnManyThreadsAgree()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray xml = file.readAll();
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
