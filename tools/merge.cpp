// merge: reconcile an administrator's version of an installation with a user's profile.

#include "commands.h"
#include "files.h"

#include <projects/automatic.h>
#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/common/conversions.h>
#include <projects/common/order_p.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <algorithm>

using namespace projects;

namespace tool {

namespace {

// The index of the first element of @p list with each identifier.
template <typename T>
QHash<QUuid, int> firstIndexById(const QList<T>& list)
{
    QHash<QUuid, int> result;
    result.reserve(list.size());
    for (int i = list.size() - 1; i >= 0; --i)
        result.insert(list.at(i).id(), i);
    return result;
}

// What the device must delete when @p function takes over @p admin's schedule and
// simulation: the timers of a changed schedule, and a replaced simulation with its jobs.
bool mergeFunction(Function& function, const Function& admin, DeletableItems& items)
{
    const DeletableItems oldTimers = function.gc();
    const Simulation oldSimulation = function.simulation();
    const bool simulationChanged = !oldSimulation.equals(admin.simulation());
    if (!function.mergeAdminSettings(admin, false))
        return false;
    items.append(oldTimers);
    if (simulationChanged && oldSimulation.id() >= 0) {
        items.appendSimulation(oldSimulation.id());
        items.appendJob(oldSimulation.startJobId());
        items.appendJob(oldSimulation.endJobId());
    }
    return true;
}

// Takes over the administrator's schedules into the user's project, function by function,
// so that only the device timers of what changed are to be deleted.
bool mergeAdmin(Project& profile, const Project& admin, DeletableItems& items)
{
    bool changed = false;
    const QHash<QUuid, int> adminFloors = firstIndexById(admin.floors());
    for (Floor& floor : profile.floors()) {
        const int floorIndex = adminFloors.value(floor.id(), -1);
        if (floorIndex < 0)
            continue;
        const QList<Room>& adminRooms = admin.floors().at(floorIndex).rooms();
        const QHash<QUuid, int> roomIndexes = firstIndexById(adminRooms);
        for (Room& room : floor.rooms()) {
            const int roomIndex = roomIndexes.value(room.id(), -1);
            if (roomIndex < 0)
                continue;
            const QList<Function>& adminFunctions = adminRooms.at(roomIndex).functions();
            const QHash<QUuid, int> functionIndexes = firstIndexById(adminFunctions);
            for (Function& function : room.functions()) {
                const int index = functionIndexes.value(function.id(), -1);
                if (index >= 0 && mergeFunction(function, adminFunctions.at(index), items))
                    changed = true;
            }
        }
    }
    const QHash<QUuid, int> adminGroups = firstIndexById(admin.groups());
    for (Group& group : profile.groups()) {
        const int index = adminGroups.value(group.id(), -1);
        if (index < 0)
            continue;
        const DeletableItems old = group.gc();
        if (group.mergeAdminSettings(admin.groups().at(index), false)) {
            items.append(old);
            changed = true;
        }
    }
    // By identifier, so that the traces of the merges come in the same order in every run.
    for (const QString& id : sortedKeys(profile.automatics())) {
        const auto adminAutomatic = admin.automatics().constFind(id);
        if (adminAutomatic == admin.automatics().cend())
            continue;
        Automatic& automatic = profile.automatics()[id];
        const DeletableItems old = automatic.gc();
        if (automatic.mergeAdminSettings(adminAutomatic.value(), false)) {
            items.append(old);
            changed = true;
        }
    }
    return changed;
}

// Takes over the user's profile into the administrator's project.
void mergeProfile(Project& admin, const Project& profile, bool keepOwnValues,
                  bool adoptStructure, DeletableItems& items)
{
    // Floors, matched by identifier, as the rooms and functions below them are.
    const QHash<QUuid, int> profileFloors = firstIndexById(profile.floors());
    if (adoptStructure) {
        auto removed = std::remove_if(admin.floors().begin(), admin.floors().end(),
                                      [&](const Floor& floor) {
                                          return !profileFloors.contains(floor.id());
                                      });
        admin.floors().erase(removed, admin.floors().end());
    }
    const QHash<QUuid, int> adminFloors = firstIndexById(admin.floors());
    for (Floor& floor : admin.floors()) {
        const int index = profileFloors.value(floor.id(), -1);
        if (index >= 0)
            items.append(floor.mergeProfile(profile.floors().at(index), keepOwnValues,
                                            adoptStructure));
    }
    for (const Floor& floor : profile.floors()) {
        if (adminFloors.contains(floor.id()))
            continue;
        if (adoptStructure)
            admin.floors().append(floor);
        else if (keepOwnValues)
            items.append(floor.gc());
    }

    // Groups belong to the installation: the profile brings names and schedules.
    const QHash<QUuid, int> adminGroups = firstIndexById(admin.groups());
    const QHash<QUuid, int> profileGroups = firstIndexById(profile.groups());
    for (Group& group : admin.groups()) {
        const int index = profileGroups.value(group.id(), -1);
        if (index >= 0)
            group.mergeProfile(profile.groups().at(index), keepOwnValues, adoptStructure);
    }
    for (const Group& group : profile.groups()) {
        if (!adminGroups.contains(group.id()))
            items.append(group.gc());
    }

    // Scenes, links and automatic programs are the user's own.
    const QHash<QUuid, int> adminScenes = firstIndexById(admin.scenes());
    for (const Scene& scene : profile.scenes()) {
        const int index = adminScenes.value(scene.id(), -1);
        if (index >= 0)
            admin.scenes()[index].mergeScene(scene);
        else
            admin.scenes().append(scene);
    }
    const QHash<QUuid, int> adminLinks = firstIndexById(admin.links());
    for (const Link& link : profile.links()) {
        const int index = adminLinks.value(link.id(), -1);
        if (index >= 0)
            admin.links()[index].sync(link, Project::SyncProfile);
        else
            admin.links().append(link);
    }
    for (const QString& id : sortedKeys(profile.automatics())) {
        const Automatic automatic = profile.automatics().value(id);
        auto own = admin.automatics().find(id);
        if (own != admin.automatics().end())
            own.value().sync(automatic, Project::SyncProfile);
        else
            admin.automatics().insert(id, automatic);
    }

    // Scene triggers are the installation's: the ones it no longer has are deleted on the
    // device, with the jobs the profile had for them, and leave the scenes.
    QSet<QUuid> installed;
    for (const SceneTrigger& trigger : admin.sceneTriggers())
        installed.insert(trigger.id());
    for (const SceneTrigger& trigger : profile.sceneTriggers()) {
        if (!installed.contains(trigger.id())) {
            items.appendTrigger(trigger.id());
            items.appendJob(trigger.jobId());
        }
    }
    for (const Scene& scene : admin.scenes()) {
        for (const QUuid& trigger : scene.triggers()) {
            if (!installed.contains(trigger))
                items.appendTrigger(trigger);
        }
    }
    items.clearRemovedTriggers(admin.scenes());
}

template <typename T>
QJsonArray sortedArray(const QSet<T>& set)
{
    QList<T> values = set.values();
    std::sort(values.begin(), values.end());
    QJsonArray result;
    for (const T& value : qAsConst(values))
        result.append(value);
    return result;
}

QJsonArray sortedArray(const QSet<QUuid>& set)
{
    QStringList texts;
    for (const QUuid& id : set)
        texts.append(uuidToString(id));
    std::sort(texts.begin(), texts.end());
    return QJsonArray::fromStringList(texts);
}

} // namespace

int merge(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reconciles an administrator's version of an installation with a user's profile and "
        "prints the items to delete on the device as JSON (timers, simulations, jobs, "
        "triggers).\n"
        "  --admin: the user's project (PROFILE.xml) takes over the administrator's "
        "schedules, simulations and run-on-vacation choices from ADMIN.xml for its "
        "functions (matched by floor, room and function identifier), groups and automatic "
        "programs; the timers of every changed schedule and every replaced simulation with "
        "its jobs are to be deleted.\n"
        "  --profile: the administrator's project (ADMIN.xml) takes over the user's names, "
        "icons, colours and schedules from PROFILE.xml; the user's scenes, links and "
        "automatic programs are taken over too. With --keep-own-values the administrator's "
        "names stay and the timers of what only the profile has are to be deleted; with "
        "--adopt-structure the floors, rooms and functions follow the profile. Scene "
        "triggers the administrator's project no longer has are deleted with their jobs.\n"
        "The merged project is written to OUT with -o; without -o nothing is written."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("admin"), QStringLiteral("Merge the administrator's settings.")});
    parser.addOption({QStringLiteral("profile"), QStringLiteral("Merge the user's profile.")});
    parser.addOption({QStringLiteral("keep-own-values"),
                      QStringLiteral("With --profile: keep the administrator's names and icons.")});
    parser.addOption({QStringLiteral("adopt-structure"),
                      QStringLiteral("With --profile: follow the profile's floors, rooms and "
                                     "functions.")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write the merged project to OUT."), QStringLiteral("OUT")});
    parser.addPositionalArgument(QStringLiteral("ADMIN.xml"),
                                 QStringLiteral("The administrator's project file."));
    parser.addPositionalArgument(QStringLiteral("PROFILE.xml"),
                                 QStringLiteral("The user's project file."));
    addFormOption(parser);
    addForceOption(parser);
    int status = parseCommand(parser, arguments, 2, QStringLiteral("ADMIN.xml PROFILE.xml"));
    if (status >= 0)
        return status;
    const bool admin = parser.isSet(QStringLiteral("admin"));
    const bool profile = parser.isSet(QStringLiteral("profile"));
    const bool keepOwnValues = parser.isSet(QStringLiteral("keep-own-values"));
    const bool adoptStructure = parser.isSet(QStringLiteral("adopt-structure"));
    if (admin == profile || (admin && (keepOwnValues || adoptStructure))) {
        error(QStringLiteral("merge takes ADMIN.xml PROFILE.xml and either --admin or --profile "
                             "[--keep-own-values] [--adopt-structure]; see "
                             "'casarina-project merge --help'"));
        return UsageError;
    }
    if (parser.value(QStringLiteral("output")) == QLatin1String("-")) {
        error(QStringLiteral("merge prints its report on standard output; -o - would mix the "
                             "merged project into it"));
        return UsageError;
    }

    Project adminProject;
    Project profileProject;
    status = loadProject(parser.positionalArguments().at(0), &adminProject, parser, Refuse);
    if (status == Success)
        status = loadProject(parser.positionalArguments().at(1), &profileProject, parser, Refuse);
    if (status != Success)
        return status;

    DeletableItems items;
    QJsonObject report;
    Project result;
    if (admin) {
        report.insert(QStringLiteral("changed"), mergeAdmin(profileProject, adminProject, items));
        result = profileProject;
    } else {
        mergeProfile(adminProject, profileProject, keepOwnValues, adoptStructure, items);
        result = adminProject;
    }
    report.insert(QStringLiteral("timers"), sortedArray(items.timers()));
    report.insert(QStringLiteral("simulations"), sortedArray(items.simulations()));
    report.insert(QStringLiteral("jobs"), sortedArray(items.jobs()));
    report.insert(QStringLiteral("triggers"), sortedArray(items.triggers()));

    if (parser.isSet(QStringLiteral("output"))) {
        status = writeProject(parser.value(QStringLiteral("output")), result, parser);
        if (status != Success)
            return status;
    }
    return printOutput(QJsonDocument(report).toJson(QJsonDocument::Indented));
}

} // namespace tool
