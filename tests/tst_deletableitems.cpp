// The record of the items to delete on the device: collecting, combining, clearing,
// applying removed triggers to scenes, and its log lines.

#include <projects/deletableitems.h>
#include <projects/scene.h>

#include <QtTest>

#include <algorithm>
#include <utility>

using namespace projects;

namespace {

QList<int> sorted(const QSet<int>& set)
{
    QList<int> list = set.values();
    std::sort(list.begin(), list.end());
    return list;
}

// Builds a record from short descriptions: timers, simulations and jobs go through their
// append operations, triggers are indexes into @p pool.
DeletableItems record(const QList<int>& timers, const QList<int>& simulations,
                      const QList<int>& jobs, const QList<int>& triggers, const QUuid* pool,
                      bool refresh = false)
{
    DeletableItems items;
    for (int id : timers)
        items.appendTimer(id);
    for (int id : simulations)
        items.appendSimulation(id);
    for (int id : jobs)
        items.appendJob(id);
    for (int index : triggers)
        items.appendTrigger(pool[index]);
    items.setRefreshNeeded(refresh);
    return items;
}

// Collects debug messages while it lives.
class MessageCapture
{
public:
    MessageCapture()
    {
        current() = &m_messages;
        m_previous = qInstallMessageHandler(&MessageCapture::handle);
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    QStringList messages() const { return m_messages; }

private:
    static QStringList*& current()
    {
        static QStringList* messages = nullptr;
        return messages;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtDebugMsg && current())
            current()->append(message);
    }

    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};

} // namespace

class tst_DeletableItems : public QObject
{
    Q_OBJECT
private slots:
    void newRecord();
    void appendSingle_data();
    void appendSingle();
    void appendTimers();
    void hasSomethingToDelete_data();
    void hasSomethingToDelete();
    void appendRecord_data();
    void appendRecord();
    void clear();
    void copyAndMove();
    void clearRemovedTriggers_data();
    void clearRemovedTriggers();
    void print();
};

void tst_DeletableItems::newRecord()
{
    const DeletableItems items;
    QCOMPARE(items.refreshNeeded(), false);
    QCOMPARE(items.hasSomethingToDelete(), false);
    QVERIFY(items.timers().isEmpty());
    QVERIFY(items.simulations().isEmpty());
    QVERIFY(items.jobs().isEmpty());
    QVERIFY(items.triggers().isEmpty());
}

void tst_DeletableItems::appendSingle_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("timer -1 is stored") << QStringLiteral("timer") << QList<int>{-1}
                                        << QList<int>{-1};
    QTest::newRow("simulation -1 is stored") << QStringLiteral("simulation") << QList<int>{-1}
                                             << QList<int>{-1};
    QTest::newRow("job -1 is ignored") << QStringLiteral("job") << QList<int>{-1} << QList<int>{};
    QTest::newRow("other negative jobs are stored")
        << QStringLiteral("job") << QList<int>{-2, 0} << QList<int>{-2, 0};
    QTest::newRow("a timer appended twice is kept once")
        << QStringLiteral("timer") << QList<int>{5, 5, 3} << QList<int>{3, 5};
    QTest::newRow("a job appended twice is kept once")
        << QStringLiteral("job") << QList<int>{7, 7} << QList<int>{7};
}

void tst_DeletableItems::appendSingle()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, expected);

    DeletableItems items;
    for (int id : ids) {
        if (kind == QLatin1String("timer"))
            items.appendTimer(id);
        else if (kind == QLatin1String("simulation"))
            items.appendSimulation(id);
        else
            items.appendJob(id);
    }
    const QSet<int> all[] = {items.timers(), items.simulations(), items.jobs()};
    const int target = kind == QLatin1String("timer") ? 0
                       : kind == QLatin1String("simulation") ? 1
                                                             : 2;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(sorted(all[i]), i == target ? expected : QList<int>{});
    QVERIFY(items.triggers().isEmpty());
}

void tst_DeletableItems::appendTimers()
{
    DeletableItems items;
    items.appendTimer(1);
    items.appendTimers({1, 2, -1});
    items.appendTimers({});
    QCOMPARE(sorted(items.timers()), (QList<int>{-1, 1, 2}));

    items.appendTrigger(QUuid());
    items.appendTrigger(QUuid());
    QCOMPARE(items.triggers(), QSet<QUuid>{QUuid()});
}

void tst_DeletableItems::hasSomethingToDelete_data()
{
    QTest::addColumn<QList<int>>("timers");
    QTest::addColumn<QList<int>>("simulations");
    QTest::addColumn<QList<int>>("jobs");
    QTest::addColumn<QList<int>>("triggers");
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<bool>("expected");

    QTest::newRow("a timer is something") << QList<int>{1} << QList<int>{} << QList<int>{}
                                          << QList<int>{} << false << true;
    QTest::newRow("a simulation is something") << QList<int>{} << QList<int>{1} << QList<int>{}
                                               << QList<int>{} << false << true;
    QTest::newRow("a job is something") << QList<int>{} << QList<int>{} << QList<int>{1}
                                        << QList<int>{} << false << true;
    QTest::newRow("only triggers are nothing") << QList<int>{} << QList<int>{} << QList<int>{}
                                               << QList<int>{0, 1} << false << false;
    QTest::newRow("only the flag is nothing") << QList<int>{} << QList<int>{} << QList<int>{}
                                              << QList<int>{} << true << false;
    QTest::newRow("only the ignored job -1 is nothing")
        << QList<int>{} << QList<int>{} << QList<int>{-1} << QList<int>{} << false << false;
}

void tst_DeletableItems::hasSomethingToDelete()
{
    QFETCH(QList<int>, timers);
    QFETCH(QList<int>, simulations);
    QFETCH(QList<int>, jobs);
    QFETCH(QList<int>, triggers);
    QFETCH(bool, refresh);
    QFETCH(bool, expected);

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid()};
    const DeletableItems items = record(timers, simulations, jobs, triggers, pool, refresh);
    QCOMPARE(items.hasSomethingToDelete(), expected);
}

void tst_DeletableItems::appendRecord_data()
{
    QTest::addColumn<bool>("ownFlag");
    QTest::addColumn<bool>("otherFlag");

    QTest::newRow("a set flag of the other record is not carried over") << false << true;
    QTest::newRow("the own set flag stays") << true << false;
}

void tst_DeletableItems::appendRecord()
{
    QFETCH(bool, ownFlag);
    QFETCH(bool, otherFlag);

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid(), QUuid::createUuid()};
    DeletableItems items = record({1, 2}, {10}, {20, 21}, {0, 1}, pool, ownFlag);
    const DeletableItems other = record({2, 3}, {10, 11}, {21}, {1, 2}, pool, otherFlag);

    items.append(other);
    QCOMPARE(sorted(items.timers()), (QList<int>{1, 2, 3}));
    QCOMPARE(sorted(items.simulations()), (QList<int>{10, 11}));
    QCOMPARE(sorted(items.jobs()), (QList<int>{20, 21}));
    QCOMPARE(items.triggers(), (QSet<QUuid>{pool[0], pool[1], pool[2]}));
    QCOMPARE(items.refreshNeeded(), ownFlag);
    // The other record is left as it was.
    QCOMPARE(sorted(other.timers()), (QList<int>{2, 3}));
    QCOMPARE(other.refreshNeeded(), otherFlag);
}

void tst_DeletableItems::clear()
{
    const QUuid pool[] = {QUuid::createUuid()};
    DeletableItems items = record({1}, {2}, {3}, {0}, pool, true);
    items.clear();
    QCOMPARE(items.refreshNeeded(), false);
    QVERIFY(items.timers().isEmpty());
    QVERIFY(items.simulations().isEmpty());
    QVERIFY(items.jobs().isEmpty());
    QVERIFY(items.triggers().isEmpty());
}

void tst_DeletableItems::copyAndMove()
{
    const QUuid pool[] = {QUuid::createUuid()};
    DeletableItems items = record({1}, {2}, {3}, {0}, pool, true);
    DeletableItems copy = items;
    copy.appendTimer(9);
    copy.setRefreshNeeded(false);
    // Copies are independent values.
    QCOMPARE(sorted(items.timers()), QList<int>{1});
    QCOMPARE(items.refreshNeeded(), true);

    DeletableItems moved = std::move(items);
    QCOMPARE(sorted(moved.timers()), QList<int>{1});
    QCOMPARE(moved.triggers(), QSet<QUuid>{pool[0]});
    QCOMPARE(moved.refreshNeeded(), true);
}

void tst_DeletableItems::clearRemovedTriggers_data()
{
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QList<QList<int>>>("before"); // trigger indexes per scene
    QTest::addColumn<QList<QList<int>>>("after");

    QTest::newRow("listed triggers leave every scene")
        << QList<int>{2, 3} << QList<QList<int>>{{1, 2}, {3}, {}}
        << QList<QList<int>>{{1}, {}, {}};
    QTest::newRow("triggers not listed stay")
        << QList<int>{0} << QList<QList<int>>{{1, 2}, {3}} << QList<QList<int>>{{1, 2}, {3}};
    QTest::newRow("an empty record changes nothing")
        << QList<int>{} << QList<QList<int>>{{1, 2}} << QList<QList<int>>{{1, 2}};
    QTest::newRow("no scenes is fine") << QList<int>{1} << QList<QList<int>>{}
                                       << QList<QList<int>>{};
}

void tst_DeletableItems::clearRemovedTriggers()
{
    QFETCH(QList<int>, removed);
    QFETCH(QList<QList<int>>, before);
    QFETCH(QList<QList<int>>, after);

    const QUuid pool[] = {QUuid::createUuid(), QUuid::createUuid(), QUuid::createUuid(),
                          QUuid::createUuid()};
    const auto triggerSet = [&pool](const QList<int>& indexes) {
        QSet<QUuid> set;
        for (int index : indexes)
            set.insert(pool[index]);
        return set;
    };

    QList<Scene> scenes;
    QList<Scene> earlierCopies;
    for (const QList<int>& triggers : before) {
        Scene scene(QUuid::createUuid(), QStringLiteral("scene"), QString(), QColor(), false,
                    true, false);
        scene.triggers() = triggerSet(triggers);
        scenes.append(scene);
        earlierCopies.append(scene);
    }
    DeletableItems items;
    for (int index : removed)
        items.appendTrigger(pool[index]);

    items.clearRemovedTriggers(scenes);
    QCOMPARE(scenes.size(), after.size());
    for (int i = 0; i < after.size(); ++i) {
        QCOMPARE(scenes.at(i).triggers(), triggerSet(after.at(i)));
        // Scenes share their data, so copies made before see the change.
        QCOMPARE(earlierCopies.at(i).triggers(), triggerSet(after.at(i)));
    }
    QCOMPARE(items.triggers(), triggerSet(removed));
}

void tst_DeletableItems::print()
{
    DeletableItems items;
    items.appendTimer(4);
    items.appendJob(7);
    items.setRefreshNeeded(true);
    const QUuid trigger(QStringLiteral("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}"));
    items.appendTrigger(trigger);

    MessageCapture capture;
    items.print();
    QCOMPARE(
        capture.messages(),
        (QStringList{QStringLiteral("Timers to delete:  QSet(4)"),
                     QStringLiteral("Simulations to delete  QSet()"),
                     QStringLiteral("Jobs to delete  QSet(7)"),
                     QStringLiteral("Triggers to delete  "
                                    "QSet(QUuid(\"{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}\"))")}));
}

QTEST_GUILESS_MAIN(tst_DeletableItems)

#include "tst_deletableitems.moc"
