// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_SCENE_H
#define PROJECTS_SCENE_H

#include <projects/favorite.h>
#include <projects/project.h>
#include <projects/projects_export.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/datapointer.h>

#include <QColor>
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class Snapshot;
class SwitchTime;

/**
 * @brief A scene the user defines: a named, coloured set of target states for functions
 * (one Snapshot per function), started by the user, by scene triggers of the
 * installation, by the panic and central-off events, by a timer or by its switch times.
 *
 * The identifier, name, icon and favourite flag are the favourite data of the Favorite
 * base; the rest is a second block. Copies share both blocks; a change through any copy
 * is seen by all. Only sync() detaches; mergeScene() makes this scene share another's
 * blocks.
 */
class PROJECTS_EXPORT Scene : public Favorite
{
public:
    /**
     * @brief The colour texts that survive reading a scene from a project file, in upper
     * case: "#FFFFFF", "#4B91E6", "#F6AA2B", "#FD704B" and "#AFAFAF".
     */
    static const QSet<QString> allowedSceneColors;

    /**
     * @brief Creates a global scene with a null identifier, empty name and icon, an
     * invalid colour, no triggers, timer -1, no event flags, no snapshots and no switch
     * times; not a favourite and not run on vacation.
     */
    Scene();
    /// Creates a scene with the given values; the rest as in Scene().
    Scene(const QUuid& id, const QString& name, const QString& icon, const QColor& color,
          bool favorite, bool global, bool runOnVacation);
    /// Shares both of @p other's data blocks.
    Scene(const Scene& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Scene(Scene&& other) noexcept;
    ~Scene() override;
    /// Shares @p other's favourite data, then its scene data.
    Scene& operator=(const Scene& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Scene& operator=(Scene&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Scene& other) noexcept
    {
        Favorite::swap(other);
        d.swap(other.d);
    }

    /// Returns the display colour; an invalid colour means none. @see setColor()
    QColor color() const;
    /// Sets the display colour. @see color()
    void setColor(const QColor& color);
    /**
     * @brief Identifiers of the scene triggers that start this scene.
     *
     * Returns a reference into the shared data: changes are seen by all copies.
     */
    QSet<QUuid>& triggers();
    /** @brief Read-only twin of triggers(). */
    const QSet<QUuid>& triggers() const;
    /// Returns the number of the timer that starts the scene; -1 for none.
    /// @see setTimerTrigger()
    int timerTrigger() const;
    /// Sets the number of the starting timer; -1 for none. @see timerTrigger()
    void setTimerTrigger(int timer);
    /// Returns @c true if the panic event starts the scene. @see setTriggeredByPanic()
    bool triggeredByPanic() const;
    /// Sets whether the panic event starts the scene. @see triggeredByPanic()
    void setTriggeredByPanic(bool triggered);
    /// Returns @c true if the central-off event starts the scene.
    /// @see setTriggeredByCentralOff()
    bool triggeredByCentralOff() const;
    /// Sets whether the central-off event starts the scene. @see triggeredByCentralOff()
    void setTriggeredByCentralOff(bool triggered);
    /// Returns the target states, one per function, in the order they were added; a
    /// reference into the shared block.
    QList<Snapshot>& snapshots();
    /// @overload
    const QList<Snapshot>& snapshots() const;
    /// Returns the scene's global flag; only the constructors set it.
    bool isGlobal() const;
    /// Returns the scene's switch times; a reference into the shared block.
    QList<SwitchTime>& switchTimes();
    /// @overload
    const QList<SwitchTime>& switchTimes() const;
    /// Returns @c true if the scene's timers also run in vacation mode.
    /// @see setRunOnVacation()
    bool runOnVacation() const;
    /// Sets whether the scene's timers also run in vacation mode. @see runOnVacation()
    void setRunOnVacation(bool run);

    /**
     * @brief Starts the `scene` element (profile namespace) on @p writer and writes its
     * attributes.
     *
     * Writes id, name, icon, color (only when valid), p:favorite and p:global ("yes"/"no");
     * with @p withVacation also runOnVacation and one complete `switchTime` child per
     * switch time. Triggers, timer and event flags are not written. The element stays
     * open for the snapshots; close it with endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer, bool withVacation) const;
    /// Closes the element opened by beginSerialize().
    void endSerialize(QXmlStreamWriter* writer) const;

    /**
     * @brief Builds one scene per object of @p scenes, in array order; other elements are
     * skipped.
     *
     * Each scene is global, not run on vacation, and takes id, name, icon, color (any
     * colour QColor understands) and favorite. Its actions (address and value) are grouped
     * into one Snapshot per function that @p addressToFunction names for the address,
     * the snapshots in the order in which their functions first appear among the actions;
     * actions at unknown addresses are dropped. Value texts become null, booleans or
     * numbers where they read as such ("50%" is 127 on the byte scale) and stay strings
     * otherwise. Valid switch times of "switchtimes" are appended. Never fails: a scene
     * without a usable id is still built, with the null identifier.
     */
    static QList<Scene> fromJson(const QJsonArray& scenes,
                                 const QHash<QString, QUuid>& addressToFunction);

    /**
     * @brief Makes this scene the very scene @p other is: afterwards it shares both of
     * other's data blocks, identifier included, and later changes through either are
     * seen by both.
     */
    void mergeScene(const Scene& other);
    /**
     * @brief Takes over content from @p other into a private copy of this scene.
     *
     * Detaches both blocks first, so earlier copies keep their content. Takes name,
     * icon, favourite flag, colour, the snapshot list (sharing the snapshots) and the
     * event flags; with SyncProfile or SyncSchedules also the switch times and the
     * run-on-vacation flag. The triggers are united with other's when @p hints is exactly
     * SyncProfile and replaced by them otherwise. The identifier, global flag and timer
     * stay.
     */
    void sync(const Scene& other, QFlags<Project::SyncHint> hints);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p scene for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name and numbers of snapshots and switch times.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Scene& scene);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Scene, Q_MOVABLE_TYPE);

#endif // PROJECTS_SCENE_H
