// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_ROOM_H
#define PROJECTS_ROOM_H

#include <projects/projects_export.h>
#include <projects/project.h>
#include <projects/common/datapointer.h>

#include <QColor>
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
class Function;

/**
 * @brief One room of a floor with its functions and two sets of presentation values:
 * the installer's name, icon and colour, and the user's profile name, icon and colour.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches except sync(). The getters prefer the profile values; the setters change only
 * the profile values. A room is valid when its identifier is not null.
 */
class PROJECTS_EXPORT Room
{
public:
    /// Creates an invalid room: null id, no names or icons, invalid colours, no functions.
    Room();
    /// Creates a room with the identifier @p id and the installer's @p name and @p icon;
    /// no profile values, invalid colours and no functions.
    Room(const QUuid& id, const QString& name, const QString& icon);
    /**
     * @brief Creates a room as Room(id, name, icon) does, with @p color as the installer's
     * colour.
     *
     * The reader uses it to restore the installer's colour from a project file.
     */
    Room(const QUuid& id, const QString& name, const QString& icon, const QColor& color);
    /**
     * @brief Creates a room from its JSON form: "id" (identifier text), "name", "icon",
     * "color" (colour text) and "functions" (an array of function objects).
     *
     * Never fails: without an "id" that decodes to an identifier the room is invalid and
     * nothing else is read. The name, icon and colour are both the installer's and the
     * profile values. Array elements that are no objects and functions that are not valid
     * are left out; values of another JSON type read as empty text.
     * @see Function::Function(const QJsonObject&)
     */
    explicit Room(const QJsonObject& object);
    /// Shares @p other's data block.
    Room(const Room& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Room(Room&& other) noexcept;
    ~Room();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Room& operator=(const Room& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Room& operator=(Room&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Room& other) noexcept { d.swap(other.d); }

    /// Returns the room's identifier.
    QUuid id() const;
    /// Returns @c true if the identifier is not null.
    bool isValid() const;

    /// Returns the profile name when it is not empty, else the installer's name.
    /// @see setName()
    QString name() const;
    /// Returns the profile icon when it is not empty, else the installer's icon.
    /// @see setIcon()
    QString icon() const;
    /// Returns the profile colour when it is valid, else the installer's colour when that
    /// is valid, else white. @see setColor()
    QColor color() const;
    /// Sets the profile name to @p name; the installer's name stays. @see name()
    void setName(const QString& name);
    /// Sets the profile icon to @p icon; the installer's icon stays. @see icon()
    void setIcon(const QString& icon);
    /// Sets the profile colour to @p color; writes through the shared block. @see color()
    void setColor(const QColor& color) const;
    /// Sets the profile colour from a colour text as QColor reads it ("#rrggbb", a colour
    /// name); text QColor cannot read gives an invalid colour. @see color()
    void setColor(const QString& color) const;
    /// Sets the profile name, icon and colour together.
    void restoreProfile(const QString& name, const QString& icon, const QColor& color);

    /// Returns the room's functions in order; a reference into the shared block.
    QList<Function>& functions();
    /// @overload
    const QList<Function>& functions() const;

    /**
     * @brief Starts the `room` element on @p writer and writes its attributes.
     *
     * The attributes are id, the installer's name and icon (always), the installer's
     * colour (only when valid) and the profile-namespace name, icon and colour, each only
     * when set and different from the installer's value; a white profile colour is not
     * written. The element is left open: the caller writes the functions and then calls
     * endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer) const;
    /// Closes the element opened by beginSerialize(). @see beginSerialize()
    void endSerialize(QXmlStreamWriter* writer) const;

    /// Returns everything to delete on the device for the room: the records of all
    /// functions (Function::gc()) combined.
    DeletableItems gc() const;

    /**
     * @brief Takes over the administrator's settings of @p other's functions.
     *
     * Each function of @p other that has a function with the same id here (the first
     * one) is passed to that function's Function::mergeAdminSettings(). Functions are
     * neither added nor removed, and names, icons and colours stay. @p other is not
     * changed.
     * @return @c true if any function reported a change.
     */
    bool mergeAdminSettings(const Room& other);

    /**
     * @brief Takes over the user's profile of @p other, function by function.
     *
     * With @p adoptStructure, functions that @p other lacks are removed, the functions of
     * both are merged with Function::mergeProfile() and @p other's new functions (the same
     * handles) are appended at the end (all of them when none is left). Without it, only
     * functions on both sides are merged, and with @p keepOwnValues the timers of the
     * functions that only @p other has are reported. Unless @p keepOwnValues is set
     * without @p adoptStructure, @p other's effective name, icon and color() become both
     * the installer's and the profile values. @p other is not changed.
     * @return the items to delete on the device.
     */
    DeletableItems mergeProfile(const Room& other, bool keepOwnValues, bool adoptStructure);

    /**
     * @brief Copies the parts of @p other that @p hints select, after giving this handle
     * a private copy of the data block when it is shared.
     *
     * SyncAdminSettings copies the installer's name, icon and colour, SyncProfile the
     * profile name, icon and colour; either copies the function list (the same function
     * handles). SyncSchedules has no effect on a room. Other copies of this room keep the
     * old values.
     */
    void sync(const Room& other, Project::SyncHints hints);

private:
    // The complete document form writes what the element writer leaves out.
    friend class CompleteWriter;
    Q_DECL_HIDDEN QColor profileColor() const;
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p room for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name() and number of functions.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Room& room);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Room, Q_MOVABLE_TYPE);

// Function, complete for hosts that use functions(); included last, as function.h includes
// this header through project.h.
#include <projects/function.h>

#endif // PROJECTS_ROOM_H
