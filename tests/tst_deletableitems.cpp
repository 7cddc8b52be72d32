// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The record of the items to delete on the device: collecting, combining, clearing,
// applying removed triggers to scenes, and its log lines.

#include "testutil.h"

#include <projects/deletableitems.h>
#include <projects/scene.h>

#include <QtTest>

using namespace projects;

namespace {

// Trigger identifiers, named by their index in rows.
const QUuid pool[] = {QUuid("{00000000-0000-4000-8000-000000000001}"),
                      QUuid("{00000000-0000-4000-8000-000000000002}"),
                      QUuid("{00000000-0000-4000-8000-000000000003}"),
                      QUuid("{00000000-0000-4000-8000-000000000004}")};

// Builds a record from words: "t5" appendTimer(5), "s5" appendSimulation, "j5" appendJob,
// "T1" appendTrigger(pool[1]) ("T-1" the null one), "m5,6" appendTimers({5, 6}), "r" sets the flag,
// "c" clears.
DeletableItems record(const QString& operations)
{
    DeletableItems items;
    for (const QString& word : operations.split(' ', Qt::SkipEmptyParts)) {
        const QChar operation = word.at(0);
        const int id = word.mid(1).toInt();
        QSet<int> ids;
        for (const QString& part : word.mid(1).split(',', Qt::SkipEmptyParts))
            ids.insert(part.toInt());
        if (operation == 't')
            items.appendTimer(id);
        else if (operation == 's')
            items.appendSimulation(id);
        else if (operation == 'j')
            items.appendJob(id);
        else if (operation == 'T')
            items.appendTrigger(id < 0 ? QUuid() : pool[id]);
        else if (operation == 'm')
            items.appendTimers(ids);
        else if (operation == 'r')
            items.setRefreshNeeded(true);
        else if (operation == 'c')
            items.clear();
    }
    return items;
}

QString numbers(const QList<int>& list)
{
    QStringList texts;
    for (int n : list)
        texts.append(QString::number(n));
    return texts.join(',');
}

QSet<QUuid> triggerSet(const QList<int>& indexes)
{
    QSet<QUuid> set;
    for (int index : indexes)
        set.insert(pool[index]);
    return set;
}

// "timers/simulations/jobs/triggers refresh something", sets sorted, triggers as indexes.
QString describe(const DeletableItems& items)
{
    QList<int> triggers;
    for (int i = 0; i < 4; ++i) {
        if (items.triggers().contains(pool[i]))
            triggers.append(i);
    }
    if (items.triggers().contains(QUuid()))
        triggers.append(-1);
    return numbers(testutil::sorted(items.timers())) + '/' +
           numbers(testutil::sorted(items.simulations())) + '/' +
           numbers(testutil::sorted(items.jobs())) + '/' + numbers(triggers) +
           (items.refreshNeeded() ? " refresh" : " -") +
           (items.hasSomethingToDelete() ? " something" : " nothing");
}

} // namespace

class tst_DeletableItems : public QObject
{
    Q_OBJECT
private slots:
    void collect_data();
    void collect();
    void appendRecord_data();
    void appendRecord();
    void clearRemovedTriggers_data();
    void clearRemovedTriggers();
    void print();
};

void tst_DeletableItems::collect_data()
{
    QTest::addColumn<QString>("operations");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a new record has nothing and no flag") << ""
                                                          << "/// - nothing";
    QTest::newRow("timer and simulation -1 are stored") << "t-1 s-1"
                                                        << "-1/-1// - something";
    QTest::newRow("job -1 is ignored, other negative jobs are not") << "j-1 j-2 j0"
                                                                    << "//-2,0/ - something";
    QTest::newRow("only the ignored job -1 is nothing") << "j-1"
                                                        << "/// - nothing";
    QTest::newRow("an identifier appended twice is kept once") << "t5 t5 t3 j7 j7 s1 s1"
                                                               << "3,5/1/7/ - something";
    QTest::newRow("timer sets are united") << "t1 m1,2,-1 m"
                                           << "-1,1,2/// - something";
    QTest::newRow("only triggers are nothing, the null one included") << "T0 T1 T1 T-1 T-1"
                                                                      << "///0,1,-1 - nothing";
    QTest::newRow("only the flag is nothing") << "r"
                                              << "/// refresh nothing";
    QTest::newRow("clear resets the flag as well as the sets") << "t1 s2 j3 T0 r c"
                                                               << "/// - nothing";
}

void tst_DeletableItems::collect()
{
    QFETCH(QString, operations);
    QTEST(describe(record(operations)), "expected");
}

void tst_DeletableItems::appendRecord_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sets are united; a set flag of the other record is not carried over")
        << "t1 t2 s10 j20 j21 T0 T1"
        << "t2 t3 s10 s11 j21 T1 T2 r"
        << "1,2,3/10,11/20,21/0,1,2 - something";
    QTest::newRow("the own set flag stays") << "r"
                                            << "t1"
                                            << "1/// refresh something";
}

void tst_DeletableItems::appendRecord()
{
    QFETCH(QString, own);
    QFETCH(QString, other);

    DeletableItems items = record(own);
    const DeletableItems appended = record(other);
    items.append(appended);
    // Records are plain values: a copy changes apart from the original.
    DeletableItems copy = items;
    copy.clear();
    QTEST(describe(items), "expected");
    QCOMPARE(describe(appended), describe(record(other)));
}

void tst_DeletableItems::clearRemovedTriggers_data()
{
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QList<QList<int>>>("before"); // trigger indexes per scene
    QTest::addColumn<QList<QList<int>>>("after");

    QTest::newRow("listed triggers leave every scene")
        << QList<int>{2, 3} << QList<QList<int>>{{1, 2}, {3}, {}} << QList<QList<int>>{{1}, {}, {}};
    QTest::newRow("triggers not listed stay")
        << QList<int>{0} << QList<QList<int>>{{1, 2}, {3}} << QList<QList<int>>{{1, 2}, {3}};
    QTest::newRow("no scenes is fine")
        << QList<int>{1} << QList<QList<int>>{} << QList<QList<int>>{};
}

void tst_DeletableItems::clearRemovedTriggers()
{
    QFETCH(QList<int>, removed);
    QFETCH(QList<QList<int>>, before);
    QFETCH(QList<QList<int>>, after);

    QList<Scene> scenes;
    QList<Scene> earlierCopies;
    for (const QList<int>& triggers : before) {
        Scene scene(QUuid::createUuid(), "scene", QString(), QColor(), false, true, false);
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
    const DeletableItems items = record("t4 j7 r T0");
    testutil::MessageLog log;
    items.print();
    QCOMPARE(log.messages(),
             (QStringList{"Timers to delete:  QSet(4)", "Simulations to delete  QSet()",
                          "Jobs to delete  QSet(7)",
                          "Triggers to delete  QSet(QUuid(\"" + pool[0].toString() + "\"))"}));
    QCOMPARE(log.types(), (QList<QtMsgType>{QtDebugMsg, QtDebugMsg, QtDebugMsg, QtDebugMsg}));
}

QTEST_GUILESS_MAIN(tst_DeletableItems)
#include "tst_deletableitems.moc"
