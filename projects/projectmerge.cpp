// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "projectmerge.h"

#include "common/matching_p.h"
#include "common/order_p.h"
#include "common/schedules_p.h"
#include "automatic.h"
#include "deletableitems.h"
#include "floor.h"
#include "function.h"
#include "group.h"
#include "link.h"
#include "project.h"
#include "room.h"
#include "scene.h"
#include "scenetrigger.h"
#include "simulation.h"

#include <QHash>
#include <QSet>
#include <QSharedData>

#include <algorithm>

namespace projects {

class Q_DECL_HIDDEN ProjectMerge::Private : public QSharedData
{
public:
    bool keepOwnValues = false;
    bool adoptStructure = false;
};

namespace {

// Calls merge(element, theirs) for every element of @p own that @p other has, with the
// first element of @p other that has its identifier.
template <typename T, typename Merge>
void mergeMatched(QList<T>& own, const QList<T>& other, Merge merge)
{
    const QHash<QUuid, int> theirs = firstIndexes(other);
    for (T& element : own) {
        const int index = theirs.value(element.id(), -1);
        if (index >= 0)
            merge(element, other.at(index));
    }
}

// Appends to @p own the elements that only @p other has, the first of each identifier.
template <typename T> void appendOnlyTheirs(QList<T>& own, const QList<T>& other)
{
    const QHash<QUuid, int> mine = firstIndexes(own);
    const QHash<QUuid, int> theirs = firstIndexes(other);
    for (int i = 0; i < other.size(); ++i) {
        const QUuid id = other.at(i).id();
        if (!mine.contains(id) && theirs.value(id) == i)
            own.append(other.at(i));
    }
}

// Takes over @p admin's schedule and simulation; the device then deletes the timers of a
// changed schedule, and a replaced simulation with its jobs.
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

// Takes over @p admin's schedule into @p owner, a group or an automatic program; the
// device then deletes the timers of a changed schedule.
template <typename T> bool mergeSchedule(T& owner, const T& admin, DeletableItems& items)
{
    const DeletableItems old = owner.gc();
    if (!owner.mergeAdminSettings(admin, false))
        return false;
    items.append(old);
    return true;
}

// The floors, rooms and functions of the profile into the administrator's project.
void mergeFloors(QList<Floor>& floors, const QList<Floor>& theirs, bool keepOwnValues,
                 bool adoptStructure, DeletableItems& items)
{
    if (adoptStructure) {
        const QHash<QUuid, int> kept = firstIndexes(theirs);
        floors.erase(std::remove_if(floors.begin(), floors.end(),
                                    [&](const Floor& floor) { return !kept.contains(floor.id()); }),
                     floors.end());
    }
    const QHash<QUuid, int> own = firstIndexes(floors);
    mergeMatched(floors, theirs, [&](Floor& floor, const Floor& other) {
        items.append(floor.mergeProfile(other, keepOwnValues, adoptStructure));
    });
    if (adoptStructure) {
        appendOnlyTheirs(floors, theirs);
    } else if (keepOwnValues) {
        // Floors that only the profile has will not exist; their timers go.
        for (const Floor& floor : theirs) {
            if (!own.contains(floor.id()))
                items.append(floor.gc());
        }
    }
}

// Scene triggers are the installation's: the ones @p project no longer has are deleted on
// the device, with the jobs the profile had for them, and leave the scenes.
void removeTriggers(Project& project, const Project& profile, DeletableItems& items)
{
    QSet<QUuid> installed;
    for (const SceneTrigger& trigger : project.sceneTriggers())
        installed.insert(trigger.id());
    for (const SceneTrigger& trigger : profile.sceneTriggers()) {
        if (!installed.contains(trigger.id())) {
            items.appendTrigger(trigger.id());
            items.appendJob(trigger.jobId());
        }
    }
    for (const Scene& scene : project.scenes()) {
        for (const QUuid& trigger : scene.triggers()) {
            if (!installed.contains(trigger))
                items.appendTrigger(trigger);
        }
    }
    items.clearRemovedTriggers(project.scenes());
}

} // namespace

ProjectMerge::ProjectMerge() : d(new Private) {}

ProjectMerge::ProjectMerge(const ProjectMerge& other) = default;
ProjectMerge::ProjectMerge(ProjectMerge&& other) noexcept = default;
ProjectMerge::~ProjectMerge() = default;
ProjectMerge& ProjectMerge::operator=(const ProjectMerge& other) = default;
ProjectMerge& ProjectMerge::operator=(ProjectMerge&& other) noexcept = default;

bool ProjectMerge::keepOwnValues() const
{
    return d->keepOwnValues;
}

void ProjectMerge::setKeepOwnValues(bool keep)
{
    d->keepOwnValues = keep;
}

bool ProjectMerge::adoptStructure() const
{
    return d->adoptStructure;
}

void ProjectMerge::setAdoptStructure(bool adopt)
{
    d->adoptStructure = adopt;
}

DeletableItems ProjectMerge::applyAdminSettings(Project& project, const Project& admin,
                                                bool* changed) const
{
    DeletableItems items;
    bool anyChange = false;
    // Function by function rather than through Floor::mergeAdminSettings(), so that only
    // the device timers of what changed are to be deleted.
    mergeMatched(project.floors(), admin.floors(), [&](Floor& floor, const Floor& theirs) {
        mergeMatched(floor.rooms(), theirs.rooms(), [&](Room& room, const Room& other) {
            mergeMatched(room.functions(), other.functions(),
                         [&](Function& function, const Function& adminFunction) {
                             if (mergeFunction(function, adminFunction, items))
                                 anyChange = true;
                         });
        });
    });
    mergeMatched(project.groups(), admin.groups(), [&](Group& group, const Group& other) {
        if (mergeSchedule(group, other, items))
            anyChange = true;
    });
    for (const QString& id : sortedKeys(project.automatics())) {
        const auto theirs = admin.automatics().constFind(id);
        if (theirs != admin.automatics().cend() &&
            mergeSchedule(project.automatics()[id], theirs.value(), items))
            anyChange = true;
    }
    if (changed)
        *changed = anyChange;
    return items;
}

DeletableItems ProjectMerge::applyProfile(Project& project, const Project& profile) const
{
    DeletableItems items;
    mergeFloors(project.floors(), profile.floors(), d->keepOwnValues, d->adoptStructure, items);

    // Groups belong to the installation: the profile brings names and schedules.
    mergeMatched(project.groups(), profile.groups(), [&](Group& group, const Group& other) {
        group.mergeProfile(other, d->keepOwnValues, d->adoptStructure);
    });
    const QHash<QUuid, int> groups = firstIndexes(project.groups());
    for (const Group& group : profile.groups()) {
        if (!groups.contains(group.id()))
            items.append(group.gc());
    }

    // Scenes, links and automatic programs are the user's own.
    mergeMatched(project.scenes(), profile.scenes(),
                 [](Scene& scene, const Scene& other) { scene.mergeScene(other); });
    appendOnlyTheirs(project.scenes(), profile.scenes());
    mergeMatched(project.links(), profile.links(),
                 [](Link& link, const Link& other) { link.sync(other, Project::SyncProfile); });
    appendOnlyTheirs(project.links(), profile.links());
    for (const QString& id : sortedKeys(profile.automatics())) {
        const Automatic automatic = profile.automatics().value(id);
        const auto own = project.automatics().find(id);
        if (own != project.automatics().end())
            own.value().sync(automatic, Project::SyncProfile);
        else
            project.automatics().insert(id, automatic);
    }

    removeTriggers(project, profile, items);
    return items;
}

} // namespace projects
