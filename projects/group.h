// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_GROUP_H
#define PROJECTS_GROUP_H

#include <projects/project.h>
#include <projects/projects_export.h>
#include <projects/switchtime.h>
#include <projects/common/datapointer.h>

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QJsonArray;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class DeletableItems;
class SwitchTime;

/**
 * @brief A group of functions that the installation operates together through one KNX
 * group address, with its own switch times and run-on-vacation flag.
 *
 * Copies share one data block; a change through any copy is seen by all. Two groups are
 * equal only when they share one data block, whatever their contents. A group's type
 * follows from its address (typeFromAddress()); twelve special central groups have fixed
 * identifiers (the `...Id` constants).
 */
class PROJECTS_EXPORT Group
{
    Q_GADGET
public:
    /// The kind of a group; types 1 to 12 are the special groups.
    enum GroupType {
        Unknown = 0,        ///< not known; the address lies outside every range
        Panik = 1,          ///< the panic group
        ZentralAus = 2,     ///< central off
        ZentralAufAb = 3,   ///< central up/down of the blinds
        Sonnenschutz_1 = 4, ///< sun protection 1 (weather station)
        Sonnenschutz_2 = 5, ///< sun protection 2 (weather station)
        Sonnenschutz_3 = 6, ///< sun protection 3 (weather station)
        Sonnenschutz_4 = 7, ///< sun protection 4 (weather station)
        MorgensAuf = 8,     ///< the morning program: blinds up (weather station)
        AbendsAb = 9,       ///< the evening program: blinds down (weather station)
        MorgensAus = 10,    ///< the morning program: lights off (weather station)
        AbendsEin = 11,     ///< the evening program: lights on (weather station)
        HeizenKuhlen = 12,  ///< switching between heating and cooling
        Switch = 13,        ///< a switching group
        Blind = 14,         ///< a blind group
        Heating = 15        ///< a heating group
    };
    Q_ENUM(GroupType)

    /// Identifier text of the central off group.
    static const char* const centralGroupId;
    /// Identifier text of the panic group.
    static const char* const panikGroupId;
    /// Identifier text of the central up/down group.
    static const char* const zentralAufAbId;
    /// Identifier text of sun-protection group 1.
    static const char* const sonnenschutz_1Id;
    /// Identifier text of sun-protection group 2.
    static const char* const sonnenschutz_2Id;
    /// Identifier text of sun-protection group 3.
    static const char* const sonnenschutz_3Id;
    /// Identifier text of sun-protection group 4.
    static const char* const sonnenschutz_4Id;
    /// Identifier text of the morning blinds-up group.
    static const char* const morgensAufId;
    /// Identifier text of the evening blinds-down group.
    static const char* const abendsAbId;
    /// Identifier text of the morning lights-off group.
    static const char* const morgensAusId;
    /// Identifier text of the evening lights-on group.
    static const char* const abendsEinId;
    /// Identifier text of the heating/cooling group.
    static const char* const heizenKuhlen;

    /**
     * @brief Creates a group with a new random identifier, no names, type Unknown,
     * order -1, address -1, no functions, no switch times and run-on-vacation on.
     */
    Group();
    /**
     * @brief Creates a group with a new random identifier, the administrator's @p name,
     * @p type and @p address; order -1, the rest as in Group().
     */
    Group(const QString& name, GroupType type, int address);
    /**
     * @brief Creates a group whose identifier is decoded from the identifier text @p id
     * (stringToUuid(); text that is no identifier gives the null id), with the given
     * values; the rest as in Group().
     */
    Group(const QString& id, const QString& name, GroupType type, int address, int order);
    /**
     * @brief Creates a group from identifier text and three-level address text.
     *
     * @p address ("main/middle/sub") gives the address number; text without exactly
     * three parts gives -1. The type follows from the address (typeFromAddress()),
     * order is -1 and the rest is as in Group().
     */
    Group(const QString& id, const QString& name, const QString& address);
    /// Shares @p other's data block.
    Group(const Group& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Group(Group&& other) noexcept;
    ~Group();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Group& operator=(const Group& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Group& operator=(Group&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Group& other) noexcept { d.swap(other.d); }

    /// Returns @c true if both handles share one data block; contents are not compared.
    bool operator==(const Group& other) const;
    /// Returns @c true if the handles hold different data blocks.
    bool operator!=(const Group& other) const;

    /// Returns the group's identifier.
    QUuid id() const;
    /// Returns the user's profile name when there is one, else the administrator's name.
    /// @see setName()
    QString name() const;
    /// Sets the user's profile name to @p name; the administrator's name stays. @see name()
    void setName(const QString& name);
    /// Returns the kind of group.
    GroupType type() const;
    /// Returns the ordering number of the group; -1 when not set.
    int order() const;
    /// Returns the KNX group address as a 16-bit number; negative when there is none.
    /// @see setAddress()
    int address() const;
    /// Sets the group address number. @see address()
    void setAddress(int address);
    /// Returns @c true if the address is 0 or more.
    bool hasValidAddress() const;
    /// Returns @c true if the group also runs in vacation mode. @see setRunOnVacation()
    bool runOnVacation() const;
    /// Sets whether the group also runs in vacation mode. @see runOnVacation()
    void setRunOnVacation(bool run);
    /// Returns the identifiers of the functions registered in the group; a reference into
    /// the shared block.
    QSet<QUuid>& registeredFunctions();
    /// @overload
    const QSet<QUuid>& registeredFunctions() const;
    /// Returns the group's switch times; a reference into the shared block.
    QList<SwitchTime>& switchTimes();
    /// @overload
    const QList<SwitchTime>& switchTimes() const;

    /// Returns @c true if the group's type is one of the special types 1 to 12.
    bool isSpecialGroup() const;
    /// Returns @c true if the group's type is one of the weather-station types 4 to 11.
    bool isWeatherStationGroup() const;
    /**
     * @brief Returns @c true if @p id equals one of the twelve special identifier texts
     * exactly; the comparison heeds letter case, so upper-case text is not special.
     */
    static bool isSpecialGroup(const QString& id);
    /**
     * @brief Returns the type of a group with the address number @p address.
     *
     * The special addresses and ranges of the installation are tested first; addresses
     * below 10696, negative ones included, are switching groups; an address that fits no
     * rule gives Unknown.
     */
    static GroupType typeFromAddress(int address);

    /**
     * @brief Starts the `group` element on @p writer and writes its attributes.
     *
     * The attributes are name (the administrator's), address, id, runOnVacation (only
     * if @p withVacation) and, when the profile name is set and differs from the
     * administrator's, the profile-namespace name. The element is left open for the
     * switch times; close it with endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer, bool withVacation) const;
    /// Closes the element opened by beginSerialize(). @see beginSerialize()
    void endSerialize(QXmlStreamWriter* writer) const;

    /**
     * @brief Builds groups from the configuration's JSON array, in array order.
     *
     * Each object gives its "id" (identifier text), "name" and "address" (three-level
     * text) as strings to the three-string constructor; an absent key or a value that
     * is no string reads as empty text. Entries that are no objects and groups whose
     * address is negative are left out; of "switchtimes" only valid switch-time objects
     * are taken. Special identifiers are not filtered.
     */
    static QList<Group> fromJson(const QJsonArray& array);

    /**
     * @brief Takes over the administrator's schedule: @p other's switch times (the
     * entries then shared with @p other) and run-on-vacation flag.
     *
     * Logs the schedule before and after at debug level, in the category
     * "casarina.projects.merge". @p other does not change.
     * @return @c true if @p force is set or the schedule changed: the flags or the
     * numbers of switch times differ, or the non-empty lists are not equal.
     */
    bool mergeAdminSettings(const Group& other, bool force);
    /**
     * @brief Takes over the user's profile: @p other's administrator name, switch times
     * and run-on-vacation flag.
     *
     * Both flags are accepted for the shape that every model class shares and have no
     * effect here. Logs the schedule before and after at debug level, in the category
     * "casarina.projects.merge".
     */
    void mergeProfile(const Group& other, bool keepOwnValues, bool adoptStructure);
    /**
     * @brief Copies the parts of @p other that @p hints select.
     *
     * This operation detaches: when the data block is shared, this handle first gets a
     * private copy, so other copies keep their values. SyncAdminSettings takes the
     * administrator's name and the address (the type stays); SyncProfile or
     * SyncSchedules take the switch times and the run-on-vacation flag; SyncProfile also
     * takes the profile name. Identifier, order and registered functions never change.
     */
    void sync(const Group& other, Project::SyncHints hints);
    /// Returns the device timers of all switch times, to be deleted on the device; the
    /// group does not change.
    DeletableItems gc() const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p group for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name, type key and group address
 * (its text when it fits in 16 bits, else its number).
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Group& group);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Group, Q_MOVABLE_TYPE);

#endif // PROJECTS_GROUP_H
