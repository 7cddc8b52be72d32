// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_AUTOMATIC_H
#define PROJECTS_AUTOMATIC_H

#include <projects/projects_export.h>
#include <projects/deletableitems.h>
#include <projects/project.h>
#include <projects/switchtime.h>
#include <projects/common/datapointer.h>

#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief A named automatic program of the project: a list of switch times and whether
 * the program also runs during the user's vacation.
 *
 * Copies share one data block; a change through any copy is seen by all. Only sync()
 * detaches. The project keeps its programs in Project::automatics(), keyed by id().
 */
class PROJECTS_EXPORT Automatic
{
public:
    /// Creates a program with an empty identifier, no switch times and run-on-vacation off.
    Automatic();
    /// Creates a program with the identifier text @p id, the flag @p runOnVacation and no
    /// switch times.
    Automatic(const QString& id, bool runOnVacation);
    /// Shares @p other's data block.
    Automatic(const Automatic& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Automatic(Automatic&& other) noexcept;
    ~Automatic();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Automatic& operator=(const Automatic& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Automatic& operator=(Automatic&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Automatic& other) noexcept { d.swap(other.d); }

    /// Returns the identifier text, also the program's key in Project::automatics().
    QString id() const;
    /**
     * @brief Returns a UUID derived from the identifier text: the name-based (version 3)
     * UUID of the text under the null namespace.
     *
     * Equal texts give equal UUIDs in every run; an empty text gives a fixed, non-null
     * UUID.
     */
    QUuid uuid() const;
    /// Returns @c true if the program also runs during the user's vacation.
    /// @see setRunOnVacation()
    bool runOnVacation() const;
    /// Sets whether the program also runs during the user's vacation. @see runOnVacation()
    void setRunOnVacation(bool run);
    /// Returns the program's switch times in document order; a reference into the shared
    /// block.
    QList<SwitchTime>& switchTimes();
    /// @overload
    const QList<SwitchTime>& switchTimes() const;

    /**
     * @brief Writes the start tag of the profile-namespace `automatic` element with its
     * attributes.
     *
     * The switch times are not written: the caller writes each one next, so that they
     * become children of the element, and then calls endSerialize().
     */
    void beginSerialize(QXmlStreamWriter* writer) const;
    /// Closes the element opened by beginSerialize().
    void endSerialize(QXmlStreamWriter* writer) const;

    /// Returns a record listing the device timers of every switch time, for a program
    /// that is about to disappear. The program does not change.
    DeletableItems gc() const;
    /**
     * @brief Takes over @p other's switch times and run-on-vacation flag.
     *
     * The switch times are shared with @p other afterwards.
     * @return @c true if @p force is set or @p other differs; since matching switch
     * times always count as changed, only two programs without switch times and with
     * equal flags give @c false.
     */
    bool mergeAdminSettings(const Automatic& other, bool force);
    /**
     * @brief Detaches this program from its copies, then takes over @p other's switch
     * times and run-on-vacation flag when @p flags hold Project::SyncProfile or
     * Project::SyncSchedules.
     *
     * The identifier never changes; the switch times themselves stay shared values.
     */
    void sync(const Automatic& other, QFlags<Project::SyncHint> flags);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p automatic for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier, runOnVacation() and number of switch times.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Automatic& automatic);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Automatic, Q_MOVABLE_TYPE);

#endif // PROJECTS_AUTOMATIC_H
