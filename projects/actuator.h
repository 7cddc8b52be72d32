// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_ACTUATOR_H
#define PROJECTS_ACTUATOR_H

#include <projects/datapoint.h>
#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QHash>
#include <QString>
#include <QUuid>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class Datapoint;

/**
 * @brief One device channel of the installation that carries out functions: identity,
 * name, icons, device model, use case, typed parameters and datapoints by role.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches. Name and icons are fixed at construction. A default-constructed actuator is
 * null (isNull()); Project::actuatorByRef() returns one when no actuator matches.
 */
class PROJECTS_EXPORT Actuator
{
public:
    /// Creates a null actuator: null id, empty name and icons, use case and app id -1.
    Actuator();
    /// Creates an actuator with the given identity, name and icons; use case and app id -1.
    Actuator(const QUuid& id, const QString& name, const QString& onIcon, const QString& offIcon);
    /// Shares @p other's data block.
    Actuator(const Actuator& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Actuator(Actuator&& other) noexcept;
    ~Actuator();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Actuator& operator=(const Actuator& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Actuator& operator=(Actuator&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Actuator& other) noexcept { d.swap(other.d); }

    /// Returns the actuator's identifier.
    QUuid id() const;
    /// Returns @c true if the identifier is null, which is how a missing actuator is told.
    bool isNull() const;
    /// Returns the display name.
    QString name() const;
    /// Returns the icon name for the on state.
    QString onIcon() const;
    /// Returns the icon name for the off state.
    QString offIcon() const;
    /// Returns the application id of the device model (ProjectEnum::AppId); -1 when not
    /// set. @see setAppId()
    int appId() const;
    /// Sets the application id of the device model. @see appId()
    void setAppId(int appId);
    /// Returns the use case number; -1 when not set. @see setUseCase()
    int useCase() const;
    /// Sets the use case number; -1 means not set. @see useCase()
    void setUseCase(int useCase);
    /// Returns the typed device parameters by name. @see setParameter()
    const QHash<QString, QVariant>& parameters() const;
    /// Stores @p value under @p name, replacing an earlier value. @see parameters()
    void setParameter(const QString& name, const QVariant& value);
    /// Returns the datapoints keyed by role; a reference into the shared block.
    QHash<QString, Datapoint>& datapoints();
    /// @overload
    const QHash<QString, Datapoint>& datapoints() const;

    /**
     * @brief Writes the whole `actuator` element to @p writer.
     *
     * Attributes id, name, onIcon, offIcon and, when set, useCase; then one `datapoint`
     * child per role, by role in ascending text order, so that the same actuator always
     * gives the same bytes. The app id and the parameters are not written.
     */
    void serialize(QXmlStreamWriter* writer) const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p actuator for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name, application id and number of datapoints.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Actuator& actuator);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Actuator, Q_MOVABLE_TYPE);

#endif // PROJECTS_ACTUATOR_H
