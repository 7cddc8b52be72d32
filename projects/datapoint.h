// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_DATAPOINT_H
#define PROJECTS_DATAPOINT_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief One named communication object of an actuator: an identity, the role it plays
 * within its actuator and a KNX group address.
 *
 * Copies share one data block; a change through any copy is seen by all. The fields are
 * fixed at construction.
 */
class PROJECTS_EXPORT Datapoint
{
public:
    /// Creates a datapoint with a null id, an empty role and address 0.
    Datapoint();
    /**
     * @brief Creates a datapoint with the given @p role and @p address number.
     *
     * @p id is read with QUuid's text constructor, so the braced form of
     * QUuid::toString() is accepted; text that is no identifier gives the null id.
     */
    Datapoint(const QString& id, const QString& role, int address);
    /// Shares @p other's data block.
    Datapoint(const Datapoint& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Datapoint(Datapoint&& other) noexcept;
    ~Datapoint();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Datapoint& operator=(const Datapoint& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Datapoint& operator=(Datapoint&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Datapoint& other) noexcept { d.swap(other.d); }

    /// Returns the datapoint's identifier.
    QUuid id() const;
    /// Returns what the datapoint is for within its actuator.
    QString role() const;
    /// Returns the KNX group address as a 16-bit number.
    int address() const;
    /// Returns the three-level text ("main/middle/sub") of the low 16 bits of address().
    QString groupAddress() const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p datapoint for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, role and group address text.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Datapoint& datapoint);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Datapoint, Q_MOVABLE_TYPE);

#endif // PROJECTS_DATAPOINT_H
