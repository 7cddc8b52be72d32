// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_PROJECT_H
#define PROJECTS_PROJECT_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QFlags>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class Actuator;
class Automatic;
class Floor;
class Group;
class Link;
class Scene;
class SceneTrigger;

/**
 * @brief The root of a project: one installation with its identity, position, flags and
 * the top-level lists of floors, actuators, groups, scenes, scene triggers, links,
 * light-sensor names and automatic programs.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches. The list and table accessors return references into that block. Include the
 * headers of the element classes you use (or <projects/projects.h> for all of them).
 */
class PROJECTS_EXPORT Project
{
    Q_GADGET
public:
    /// What a `sync` operation of a model class takes over from the other object.
    enum SyncHint {
        SyncAdminSettings = 0x1, ///< the settings an installer makes: names, types, icons
        SyncProfile = 0x2,       ///< the user's profile data and time programs
        SyncSchedules = 0x4      ///< the time programs alone
    };
    /// A combination of SyncHint flags, as the `sync` operations take it.
    Q_DECLARE_FLAGS(SyncHints, SyncHint)
    Q_FLAG(SyncHints)

    /// Creates a project with a null name, latitude 48.3661, longitude 8.79598,
    /// timezone 60, all flags false and empty lists.
    Project();
    /// Creates a project named @p name with the defaults of Project().
    explicit Project(const QString& name);
    /// Shares @p other's data block.
    Project(const Project& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Project(Project&& other) noexcept;
    ~Project();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Project& operator=(const Project& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Project& operator=(Project&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Project& other) noexcept { d.swap(other.d); }

    /// Returns the project's name. @see setName()
    QString name() const;
    /// Sets the project's name to @p name. @see name()
    void setName(const QString& name);
    /// Returns the owner's name. @see setOwner()
    QString owner() const;
    /// Sets the owner's name. @see owner()
    void setOwner(const QString& owner);
    /// Returns the installer's name. @see setInstaller()
    QString installer() const;
    /// Sets the installer's name. @see installer()
    void setInstaller(const QString& installer);
    /// Returns the checksum text kept for the host; the library never computes it.
    QString md5() const;
    /// Sets the checksum text. @see md5()
    void setMd5(const QString& md5);
    /// Returns the version text of the program that created the file.
    QString creationVersion() const;
    /// Sets the creation version text. @see creationVersion()
    void setCreationVersion(const QString& version);
    /// Returns the version text of the program that last modified the file.
    QString modificationVersion() const;
    /// Sets the modification version text. @see modificationVersion()
    void setModificationVersion(const QString& version);
    /// Returns the latitude of the installation (default 48.3661).
    double latitude() const;
    /// Sets the latitude. @see latitude()
    void setLatitude(double latitude);
    /// Returns the longitude of the installation (default 8.79598).
    double longitude() const;
    /// Sets the longitude. @see longitude()
    void setLongitude(double longitude);
    /// Returns the time zone offset (default 60).
    int timezone() const;
    /// Sets the time zone offset. @see timezone()
    void setTimezone(int timezone);
    /// Returns @c true if the installation has a weather station.
    bool hasWeatherStation() const;
    /// Sets the weather-station flag. @see hasWeatherStation()
    void setHasWeatherStation(bool has);
    /// Returns @c true if the installation has the hub device.
    bool hasVeskBox() const;
    /// Sets the hub flag. @see hasVeskBox()
    void setHasVeskBox(bool has);
    /// Returns @c true if vacation mode is on.
    bool vacationActivated() const;
    /// Switches vacation mode on or off. @see vacationActivated()
    void setVacation(bool activated);

    /// Returns the floors, in file order; a reference into the shared block.
    QList<Floor>& floors();
    /// @overload
    const QList<Floor>& floors() const;
    /// Returns the actuators (device channels), in file order.
    QList<Actuator>& actuators();
    /// @overload
    const QList<Actuator>& actuators() const;
    /// Returns the user scenes, in file order.
    QList<Scene>& scenes();
    /// @overload
    const QList<Scene>& scenes() const;
    /// Returns the scene triggers of the installation, in file order.
    QList<SceneTrigger>& sceneTriggers();
    /// @overload
    const QList<SceneTrigger>& sceneTriggers() const;
    /// Returns the links, in file order.
    QList<Link>& links();
    /// @overload
    const QList<Link>& links() const;
    /// Returns the groups, in file order.
    QList<Group>& groups();
    /// @overload
    const QList<Group>& groups() const;
    /// Returns the light-sensor names by light-sensor number.
    QHash<int, QString>& lightSensorNames();
    /// @overload
    const QHash<int, QString>& lightSensorNames() const;
    /// Returns the automatic programs by their identifier text.
    QHash<QString, Automatic>& automatics();
    /// @overload
    const QHash<QString, Automatic>& automatics() const;

    /**
     * @brief Returns the first actuator in actuators() whose id() equals @p ref.
     *
     * The result shares data with the listed actuator. When none matches, a
     * default-constructed Actuator (Actuator::isNull() true) is returned.
     */
    Actuator actuatorByRef(const QUuid& ref) const;

    /**
     * @brief Starts the document and the `project` element on @p writer.
     *
     * Turns auto-formatting on, writes the XML declaration, declares the project namespace
     * as default and the profile ("p") and cache ("c") namespaces, and writes the
     * attributes name, owner, installer, vacationActivated (only if @p withVacation),
     * p:md5, p:creationVersion and p:modificationVersion. Position, time zone, flags and
     * light-sensor names are not written.
     * @see endSerialize()
     */
    void beginSerialize(QXmlStreamWriter* writer, bool withVacation) const;
    /// Ends the `project` element and the document.
    void endSerialize(QXmlStreamWriter* writer) const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p project for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its name and how many floors, actuators, groups and scenes it holds.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Project& project);

} // namespace projects

Q_DECLARE_OPERATORS_FOR_FLAGS(projects::Project::SyncHints)
Q_DECLARE_TYPEINFO(projects::Project, Q_MOVABLE_TYPE);

// The classes of the lists above, complete for hosts that use them (Qt 6 containers need
// that); included last, as their headers include this one.
#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/floor.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>

#endif // PROJECTS_PROJECT_H
