// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_PROJECTMERGE_H
#define PROJECTS_PROJECTMERGE_H

#include <projects/projects_export.h>

#include <QSharedDataPointer>

namespace projects {

class DeletableItems;
class Project;

/**
 * @brief Reconciles whole projects: the administrator's settings into the user's project,
 * and the user's profile into the administrator's project.
 *
 * Both merges walk the projects with the merges of floors, rooms, functions, groups,
 * scenes, links and automatic programs, and return what the device must delete. The
 * project passed first changes in place, through its shared data; the other is never
 * changed, though objects taken over from it are shared with it afterwards.
 *
 * Objects are matched by identifier (automatic programs by their key). Where a project
 * lists several objects with one identifier, the first of them wins: every object is
 * matched with the first object of the other project that has its identifier, and of
 * several floors, scenes or links that only the other project has, only the first is
 * taken over. (When the structure is adopted, Floor::mergeProfile() and
 * Room::mergeProfile() merge or add a room or function that the profile lists twice once
 * for each listing.) The automatic programs are visited in the order of their keys, so
 * that the traces of the merges come in the same order in every run.
 *
 * The options are the object's own: copies are independent, and a setter changes only the
 * object it is called on. Both options start as @c false.
 */
class PROJECTS_EXPORT ProjectMerge
{
public:
    /// Creates a merge with both options off.
    ProjectMerge();
    /// Copies @p other's options.
    ProjectMerge(const ProjectMerge& other);
    /// Takes over @p other's options; @p other may then only be assigned or destroyed.
    ProjectMerge(ProjectMerge&& other) noexcept;
    ~ProjectMerge();
    /// Copies @p other's options.
    ProjectMerge& operator=(const ProjectMerge& other);
    /// Takes over @p other's options; @p other may then only be assigned or destroyed.
    ProjectMerge& operator=(ProjectMerge&& other) noexcept;
    /// Swaps the options of this merge and @p other.
    void swap(ProjectMerge& other) noexcept { d.swap(other.d); }

    /// Returns @c true if applyProfile() keeps the administrator's own values.
    /// @see setKeepOwnValues()
    bool keepOwnValues() const;
    /**
     * @brief Chooses whether applyProfile() keeps the administrator's own values.
     *
     * When kept (and the structure is not adopted), floors and rooms keep their names,
     * icons and colours, functions keep theirs unless they name the same actuator as the
     * profile's (Function::mergeProfile()), and the timers of the floors, rooms and
     * functions that only the profile has are to be deleted on the device.
     * @see keepOwnValues()
     */
    void setKeepOwnValues(bool keep);

    /// Returns @c true if applyProfile() makes floors, rooms and functions follow the
    /// profile. @see setAdoptStructure()
    bool adoptStructure() const;
    /**
     * @brief Chooses whether applyProfile() makes floors, rooms and functions follow the
     * profile.
     *
     * When adopted, the administrator's floors, rooms and functions that the profile does
     * not have are removed, and the profile's new ones are added at the end; the
     * presentation values are then the profile's, whatever keepOwnValues() says.
     * @see adoptStructure()
     */
    void setAdoptStructure(bool adopt);

    /**
     * @brief Makes the user's @p project take over the administrator's schedules,
     * simulations and run-on-vacation choices from @p admin.
     *
     * Functions (matched by floor, room and function), groups and automatic programs that
     * both projects have take over @p admin's values; nothing is added or removed, and
     * names, icons and structure stay the user's. The options play no part.
     * @param project the user's project, which changes in place
     * @param admin the administrator's project, which is not changed
     * @param changed when not null, receives @c true if any schedule or simulation changed.
     * @return the timers of every changed schedule, and every replaced simulation with its
     * jobs.
     */
    DeletableItems applyAdminSettings(Project& project, const Project& admin,
                                      bool* changed = nullptr) const;

    /**
     * @brief Makes the administrator's @p project take over the user's names, icons,
     * colours and schedules from @p profile, as the options say.
     *
     * Floors, rooms and functions follow Floor::mergeProfile(); groups take over the
     * profile's names and schedules, and the timers of groups that only the profile has are
     * to be deleted. The profile's scenes, links and automatic programs are the user's own:
     * matched ones are merged, the others added. Scene triggers that @p project no longer
     * has are to be deleted with the profile's jobs for them, and leave every scene.
     * @return what the device must delete.
     */
    DeletableItems applyProfile(Project& project, const Project& profile) const;

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::ProjectMerge, Q_MOVABLE_TYPE);

#endif // PROJECTS_PROJECTMERGE_H
