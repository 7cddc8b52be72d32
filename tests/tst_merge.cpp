// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Whole-project merges: which of two objects with one identifier the merged project takes.
// What the merges take and what they list for the device is checked on the example house
// by the tool's tests.

#include "testutil.h"

using namespace projects;

namespace {

// Every object of a level has the same identifier; its switch time's value is the marker:
// 0 in the project that changes, 1 and 2 for the first and the second object of the other.
QUuid idOf(const char* level)
{
    return QUuid::createUuidV3(QUuid(), QLatin1String(level));
}

// @p owner with one switch time, whose value is @p marker.
template <typename T> T marked(T owner, int marker)
{
    SwitchTime time;
    time.setValue(marker);
    owner.switchTimes() = {time};
    return owner;
}

Function function(int marker)
{
    return marked(Function(idOf("function"), QString(), Function::Switch, false), marker);
}

Room room(int marker)
{
    Room room(idOf("room"), QString(), QString());
    room.functions().append(function(marker));
    return room;
}

Floor floor(int marker)
{
    Floor floor(idOf("floor"), QString());
    floor.rooms().append(room(marker));
    return floor;
}

Group group(int marker)
{
    return marked(Group(uuidToString(idOf("group")), QString(), Group::Unknown, 1, 0), marker);
}

Scene scene(int marker)
{
    return marked(Scene(idOf("scene"), QString(), QString(), QColor(), false, false, false),
                  marker);
}

Project project(int marker)
{
    Project project;
    project.floors().append(floor(marker));
    project.groups().append(group(marker));
    project.scenes().append(scene(marker));
    project.automatics().insert(QStringLiteral("program"),
                                marked(Automatic(QStringLiteral("program"), false), marker));
    return project;
}

// The markers of the functions, groups, scenes and automatic programs of @p project.
QString markers(const Project& project)
{
    QStringList text;
    const auto add = [&](const QList<SwitchTime>& switchTimes) {
        for (const SwitchTime& switchTime : switchTimes)
            text << QString::number(switchTime.value());
    };
    for (const Floor& floor : project.floors()) {
        for (const Room& room : floor.rooms()) {
            for (const Function& function : room.functions())
                add(function.switchTimes());
        }
    }
    text << QStringLiteral("|");
    for (const Group& group : project.groups())
        add(group.switchTimes());
    text << QStringLiteral("|");
    for (const Scene& scene : project.scenes())
        add(scene.switchTimes());
    text << QStringLiteral("|");
    add(project.automatics().value(QStringLiteral("program")).switchTimes());
    return text.join(QLatin1Char(' '));
}

} // namespace

class tst_Merge : public QObject
{
    Q_OBJECT

private slots:
    void firstOfTwoIdentifiersWins_data();
    void firstOfTwoIdentifiersWins();
    void profileTriggersTheProjectLacksAreDeleted();
};

void tst_Merge::firstOfTwoIdentifiersWins_data()
{
    QTest::addColumn<QString>("mode");      // admin, profile or adopt
    QTest::addColumn<QString>("duplicate"); // the level at which the other project has two
    QTest::addColumn<bool>("onlyTheirs");   // the changing project lacks that object
    QTest::addColumn<QString>("expected");

    const QString taken = QStringLiteral("1 | 1 | 1 | 1");
    const QString adminTaken = QStringLiteral("1 | 1 | 0 | 1"); // scenes are the user's
    for (const char* level : {"floor", "room", "function", "group"}) {
        QTest::addRow("administrator's settings from the first %s", level)
            << "admin" << level << false << adminTaken;
    }
    for (const char* level : {"floor", "room", "function", "group", "scene"})
        QTest::addRow("profile of the first %s", level) << "profile" << level << false << taken;
    QTest::newRow("a scene only the profile has is added once") << "profile"
                                                                << "scene" << true << taken;
    QTest::newRow("a floor only the profile has is adopted once") << "adopt"
                                                                  << "floor" << true << taken;
    QTest::newRow("an automatic program only the profile has is added")
        << "profile"
        << "automatic" << true << taken;
}

void tst_Merge::firstOfTwoIdentifiersWins()
{
    QFETCH(QString, mode);
    QFETCH(QString, duplicate);
    QFETCH(bool, onlyTheirs);
    QFETCH(QString, expected);

    Project own = project(0);
    Project other = project(1);
    if (duplicate == QLatin1String("floor"))
        other.floors().append(floor(2));
    else if (duplicate == QLatin1String("room"))
        other.floors()[0].rooms().append(room(2));
    else if (duplicate == QLatin1String("function"))
        other.floors()[0].rooms()[0].functions().append(function(2));
    else if (duplicate == QLatin1String("group"))
        other.groups().append(group(2));
    else if (duplicate == QLatin1String("scene"))
        other.scenes().append(scene(2));
    if (onlyTheirs && duplicate == QLatin1String("floor"))
        own.floors().clear();
    else if (onlyTheirs && duplicate == QLatin1String("automatic"))
        own.automatics().clear();
    else if (onlyTheirs)
        own.scenes().clear();

    ProjectMerge merge;
    merge.setAdoptStructure(mode == QLatin1String("adopt"));
    if (mode == QLatin1String("admin"))
        merge.applyAdminSettings(own, other);
    else
        merge.applyProfile(own, other);
    QCOMPARE(markers(own), expected);
}

void tst_Merge::profileTriggersTheProjectLacksAreDeleted()
{
    Project own;
    own.sceneTriggers().append(SceneTrigger(idOf("kept"), QString(), 1, 11));
    Project profile;
    profile.sceneTriggers() = {SceneTrigger(idOf("kept"), QString(), 1, 11),
                               SceneTrigger(idOf("gone"), QString(), 2, 12)};
    const DeletableItems items = ProjectMerge().applyProfile(own, profile);
    QCOMPARE(items.triggers(), QSet<QUuid>{idOf("gone")});
    QCOMPARE(items.jobs(), QSet<int>{12});
}

QTEST_GUILESS_MAIN(tst_Merge)
#include "tst_merge.moc"
