// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_SCENETRIGGER_H
#define PROJECTS_SCENETRIGGER_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief A scene of the installation that the project knows by identifier, name and
 * number, with the device job that runs it.
 *
 * Copies share one data block; a change through any copy is seen by all. User scenes
 * name the triggers that start them by identifier (Scene::triggers()).
 */
class PROJECTS_EXPORT SceneTrigger
{
public:
    /// Creates a trigger with a null identifier, an empty name, number -1 and no job (-1).
    SceneTrigger();
    /// Creates a trigger with the given values.
    SceneTrigger(const QUuid& id, const QString& name, int number, int jobId);
    /// Shares @p other's data block.
    SceneTrigger(const SceneTrigger& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    SceneTrigger(SceneTrigger&& other) noexcept;
    ~SceneTrigger();
    /// Shares @p other's data block; the old block is freed with its last handle.
    SceneTrigger& operator=(const SceneTrigger& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    SceneTrigger& operator=(SceneTrigger&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(SceneTrigger& other) noexcept { d.swap(other.d); }

    /// Returns the identifier that user scenes refer to.
    QUuid id() const;
    /// Returns the display name.
    QString name() const;
    /// Returns the scene's number; -1 when not given.
    int number() const;
    /// Returns the device job that runs the trigger; -1 when there is none. @see setJobId()
    int jobId() const;
    /// Sets the device job, for every copy. @see jobId()
    void setJobId(int jobId);

    /**
     * @brief Writes the complete `sceneTrigger` element (profile namespace) on @p writer
     * with the attributes id and jobId (also when it is -1); name and number are not
     * written.
     */
    void serialize(QXmlStreamWriter* writer) const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p trigger for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name, number and job id.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const SceneTrigger& trigger);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::SceneTrigger, Q_MOVABLE_TYPE);

#endif // PROJECTS_SCENETRIGGER_H
