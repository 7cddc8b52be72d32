// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_FLOOR_H
#define PROJECTS_FLOOR_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QJsonObject;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class DeletableItems;
class Room;

/**
 * @brief One floor of the building: an identifier, a name and the list of its rooms.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches. A floor is valid when its identifier is not null.
 */
class PROJECTS_EXPORT Floor
{
public:
    /// Creates an invalid floor: null id, null name, no rooms.
    Floor();
    /// Creates a floor with the identifier @p id and the name @p name, without rooms.
    Floor(const QUuid& id, const QString& name);
    /**
     * @brief Creates a floor from its JSON form: "id" (identifier text), "name" and
     * "rooms" (an array of room objects).
     *
     * Never fails: without an "id" that decodes to an identifier the floor is invalid and
     * nothing else is read. Array elements that are no objects and rooms that are not
     * valid are left out; values of another JSON type read as empty text.
     * @see Room::Room(const QJsonObject&)
     */
    explicit Floor(const QJsonObject& object);
    /// Shares @p other's data block.
    Floor(const Floor& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Floor(Floor&& other) noexcept;
    ~Floor();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Floor& operator=(const Floor& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Floor& operator=(Floor&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Floor& other) noexcept { d.swap(other.d); }

    /// Returns the floor's identifier.
    QUuid id() const;
    /// Returns @c true if the identifier is not null.
    bool isValid() const;
    /// Returns the floor's name. @see setName()
    QString name() const;
    /// Sets the floor's name to @p name. @see name()
    void setName(const QString& name);
    /// Returns the rooms in order; a reference into the shared block.
    QList<Room>& rooms();
    /// @overload
    const QList<Room>& rooms() const;

    /**
     * @brief Starts the `floor` element on @p writer with the attributes id and name.
     *
     * The element is left open: the caller writes the rooms and then calls
     * endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer) const;
    /// Closes the element opened by beginSerialize(). @see beginSerialize()
    void endSerialize(QXmlStreamWriter* writer) const;

    /// Returns everything to delete on the device for the floor: the records of all
    /// rooms (Room::gc()) combined.
    DeletableItems gc() const;

    /**
     * @brief Takes over the administrator's settings of @p other's functions.
     *
     * Each room of @p other that has a room with the same id here (the first one) is
     * passed to that room's Room::mergeAdminSettings(). Rooms are neither added nor
     * removed, and the name stays. @p other is not changed.
     * @return @c true if any room reported a change.
     */
    bool mergeAdminSettings(const Floor& other);

    /**
     * @brief Takes over the user's profile of @p other, room by room.
     *
     * With @p adoptStructure, rooms that @p other lacks are removed, the rooms of both
     * are merged with Room::mergeProfile() and @p other's new rooms (the same handles)
     * are appended (all of them when no room is left); nothing is reported then.
     * Without it, only rooms on both sides are merged and their records are reported,
     * and with @p keepOwnValues the timers of the rooms that only @p other has are
     * reported too. Unless @p keepOwnValues is set without @p adoptStructure, the name
     * becomes @p other's. @p other is not changed.
     * @return the items to delete on the device.
     */
    DeletableItems mergeProfile(const Floor& other, bool keepOwnValues, bool adoptStructure);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p floor for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name and number of rooms.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Floor& floor);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Floor, Q_MOVABLE_TYPE);

// Room, complete for hosts that use rooms(); included last, as room.h includes this header
// through project.h.
#include <projects/room.h>

#endif // PROJECTS_FLOOR_H
