// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_FUNCTION_H
#define PROJECTS_FUNCTION_H

#include <projects/projects_export.h>
#include <projects/project.h>
#include <projects/switchtime.h>
#include <projects/common/datapointer.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QJsonObject;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class DeletableItems;
class Simulation;
class SwitchTime;

/**
 * @brief One thing a user operates in a room: a switched output, a dimmer, a blind, a
 * heating zone, a status display, a split unit or a scene button.
 *
 * A function names its actuator and its groups by identifier, owns its switch times and
 * its presence simulation, and keeps datapoint numbers by role. Copies share one data
 * block; a change through any copy is seen by all, and nothing detaches, sync() included.
 * A function is valid when its identifier is not null.
 */
class PROJECTS_EXPORT Function
{
    Q_GADGET
public:
    /// The kind of a function; its key names are written in project files. A function
    /// read with a type text that is no key holds -1.
    enum FunctionType : int {
        Unknown = 0,           ///< not known
        Switch = 1,            ///< a switched output
        Dimming = 2,           ///< a dimmer
        Blind = 3,             ///< a blind or shutter
        Heating = 4,           ///< a heating zone
        StateStatus = 5,       ///< a display of an on/off state
        TemperatureStatus = 6, ///< a display of a temperature
        SplitUnit = 7,         ///< a split air-conditioning unit
        Scene = 8              ///< a scene button
    };
    Q_ENUM(FunctionType)

    /**
     * @brief Creates an invalid function: null id, empty name, type Unknown, no actuator,
     * a default simulation of type Unknown, no switch times, groups or cached datapoints,
     * run-on-vacation on, empty texts and address -1.
     */
    Function();
    /**
     * @brief Creates a function with the given identity, name, type and run-on-vacation
     * flag; its simulation gets the type @p type, everything else is as in Function().
     */
    Function(const QUuid& id, const QString& name, FunctionType type, bool runOnVacation);
    /**
     * @brief Creates a function from its configuration JSON: "id" (identifier text),
     * "name", "icons" (an object with "onIcon" and "offIcon") and "switchtimes" (an array
     * of switch-time objects).
     *
     * Never fails: without "id" the result is Function(); an "id" that is no identifier
     * text gives an invalid function whose other keys are not read. Values of another
     * JSON type read as empty text, an "icons" that is no object and a "switchtimes" that
     * is no array are ignored, and array entries that are no objects or no valid switch
     * times are left out. Type, actuator, groups, simulation and run-on-vacation flag
     * keep the defaults of Function().
     */
    explicit Function(const QJsonObject& object);
    /// Shares @p other's data block.
    Function(const Function& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Function(Function&& other) noexcept;
    ~Function();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Function& operator=(const Function& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Function& operator=(Function&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Function& other) noexcept { d.swap(other.d); }

    /// Returns the function's identifier.
    QUuid id() const;
    /// Returns @c true if the identifier is not null.
    bool isValid() const;
    /// Returns the display name. @see setName()
    QString name() const;
    /// Sets the display name to @p name. @see name()
    void setName(const QString& name);
    /// Returns the kind of function. @see setType()
    FunctionType type() const;
    /// Sets the kind of function; the simulation keeps its own type. @see type()
    void setType(FunctionType type);
    /// Returns the identifier of the actuator that carries out the function; null when
    /// there is none. @see setActuatorRef(), Project::actuatorByRef()
    QUuid actuatorRef() const;
    /// Sets the actuator reference to @p ref. @see actuatorRef()
    void setActuatorRef(const QUuid& ref);
    /// Returns @c true if the actuator reference is not null.
    bool hasActuator() const;
    /// Returns the presence simulation; the handle shares the function's simulation.
    /// @see setSimulation()
    Simulation simulation() const;
    /// Makes @p simulation (the same data block) the function's simulation.
    /// @see simulation()
    void setSimulation(const Simulation& simulation);
    /// Returns the switch times in order; a reference into the shared block.
    QList<SwitchTime>& switchTimes();
    /// @overload
    const QList<SwitchTime>& switchTimes() const;
    /// Returns @c true if the function also runs in vacation mode. @see setRunOnVacation()
    bool runOnVacation() const;
    /// Sets whether the function also runs in vacation mode. @see runOnVacation()
    void setRunOnVacation(bool run);
    /// Returns the icon name for the on state. @see setOnIcon()
    QString onIcon() const;
    /// Sets the icon name for the on state. @see onIcon()
    void setOnIcon(const QString& icon);
    /// Returns the icon name for the off state. @see setOffIcon()
    QString offIcon() const;
    /// Sets the icon name for the off state. @see offIcon()
    void setOffIcon(const QString& icon);
    /// Returns the text a StateStatus function shows for on. @see setOnText()
    QString onText() const;
    /// Sets the text for the on state. @see onText()
    void setOnText(const QString& text);
    /// Returns the text a StateStatus function shows for off. @see setOffText()
    QString offText() const;
    /// Sets the text for the off state. @see offText()
    void setOffText(const QString& text);
    /// Returns the unit a TemperatureStatus function shows. @see setUnit()
    QString unit() const;
    /// Sets the unit. @see unit()
    void setUnit(const QString& unit);
    /// Returns the KNX group address number whose state a status function shows; -1 until
    /// one is set. @see setAddress()
    int address() const;
    /// Sets the group address number shown by a status function. @see address()
    void setAddress(int address);
    /// Returns a copy of the identifiers of the groups the function belongs to, in the
    /// order they were added. @see addGroupRef()
    QList<QUuid> groupRefs() const;
    /// Appends @p ref to the group references; duplicates are kept. @see groupRefs()
    void addGroupRef(const QUuid& ref);
    /// Returns @c true if the function belongs to at least one group.
    bool isInGroup() const;
    /// Stores the datapoint number @p datapoint under @p role, replacing an earlier entry.
    /// @see cachedDatapoint()
    void addCachedDatapoint(const QString& role, int datapoint);
    /// Returns the datapoint number stored under @p role (letter case counts); 0 when the
    /// role has none. @see addCachedDatapoint()
    int cachedDatapoint(const QString& role) const;
    /// Returns every cached datapoint number by role; a reference into the shared block.
    /// @see cachedDatapoint()
    const QHash<QString, int>& cachedDatapoints() const;

    /**
     * @brief Returns the function type that belongs to the group type @p groupType (a
     * Group::GroupType value).
     *
     * Panik, ZentralAus, HeizenKuhlen and Switch groups give Switch, Blind groups Blind
     * and Heating groups Heating; every other value, out of range ones included, gives
     * Unknown.
     */
    static FunctionType functionTypeFromGroupType(int groupType);

    /**
     * @brief Starts the `function` element on @p writer and writes its attributes and
     * references.
     *
     * The attributes are id, type (its key name; empty for a value without key), name
     * (the function's name, or @p fallbackName when that is empty; left out when both
     * are empty), runOnVacation (only if @p withVacation) and the profile-namespace onIcon
     * and offIcon (each only when not empty). Then come an `actuator-ref` child when
     * there is an actuator and a `group-refs` child listing the groups when there are
     * any. Address, texts, unit and cached datapoints are not written. The element is left
     * open for the switch times and the simulation; close it with endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer, const QString& fallbackName,
                        bool withVacation) const;
    /// Closes the element opened by beginSerialize(). @see beginSerialize()
    void endSerialize(QXmlStreamWriter* writer) const;

    /**
     * @brief Takes over the administrator's schedule of @p other: its switch times (the
     * same entries), its run-on-vacation flag and its simulation (the same data block).
     *
     * Name, icons, type, references, texts and cached datapoints stay. The merge is
     * traced with debug messages of the category "casarina.projects.merge". @p other is
     * not changed.
     * @return @c true if @p force is set, the flag or the switch times differed (two
     * non-empty lists always count as different), or the simulations were not equal.
     */
    bool mergeAdminSettings(const Function& other, bool force);
    /**
     * @brief Takes over the user's profile of @p other.
     *
     * Unless @p keepOwnValues is set without @p adoptStructure, name, icons and cached
     * datapoints become @p other's, and so does the actuator reference when @p other has
     * one. Otherwise name, icons and texts are taken only when both name the same
     * actuator, and a Heating function whose group references differ from @p other's
     * (order counts) loses its name. In every case the switch times, the simulation
     * (the same entries and block) and the run-on-vacation flag become @p other's. Type,
     * group references and address stay. The merge is traced with debug messages of the
     * category "casarina.projects.merge".
     */
    void mergeProfile(const Function& other, bool keepOwnValues, bool adoptStructure);
    /**
     * @brief Copies the parts of @p other that @p hints select.
     *
     * SyncAdminSettings copies the group references; SyncAdminSettings or SyncProfile
     * the name, icons and actuator reference (a null one too); SyncProfile or
     * SyncSchedules the switch times, the simulation (the same block) and the
     * run-on-vacation flag; SyncSchedules the cached datapoints. Identity, type, texts and
     * address are never copied. Does not detach: every copy of this function sees the
     * change.
     */
    void sync(const Function& other, Project::SyncHints hints);
    /// Returns the device timers of all switch times (the simulation adds nothing); the
    /// function is not changed.
    DeletableItems gc() const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p function for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name and type key.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Function& function);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Function, Q_MOVABLE_TYPE);

#endif // PROJECTS_FUNCTION_H
