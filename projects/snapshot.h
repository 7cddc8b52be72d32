// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_SNAPSHOT_H
#define PROJECTS_SNAPSHOT_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief The target state of one function within a scene: a JSON value for each
 * datapoint that the scene sets, keyed by the datapoint's group address text.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * detaches. Files of older versions key datapoints by their device number instead, as
 * ":" followed by the number, until migrateIdsToAddresses() replaces those keys.
 *
 * Wherever an operation takes `addressToId`, it is the host's table of the device's
 * datapoints: address text to the datapoint's number on the device.
 *
 * Operations that visit the values (serialize(), compile(), both exportIn(),
 * exportSnapshots(), json() and migrateIdsToAddresses()) do so in one fixed order of the
 * datapoint keys, whatever the hash seed: group addresses first, by their number
 * (main × 2048 + middle × 256 + sub, so 1/2/0 before 1/10/0) and then by text; then the
 * device-number keys, by number; then any other key, by text.
 */
class PROJECTS_EXPORT Snapshot
{
public:
    /// Creates an invalid snapshot: null function identifier, no values.
    Snapshot();
    /// Creates a snapshot of the function @p functionId holding @p values.
    Snapshot(const QUuid& functionId, const QHash<QString, QJsonValue>& values);
    /// Shares @p other's data block.
    Snapshot(const Snapshot& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Snapshot(Snapshot&& other) noexcept;
    ~Snapshot();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Snapshot& operator=(const Snapshot& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Snapshot& operator=(Snapshot&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Snapshot& other) noexcept { d.swap(other.d); }

    /// Returns the identifier of the function whose datapoints the snapshot sets.
    QUuid functionId() const;
    /// Returns @c true if the function identifier is not null.
    bool isValid() const;
    /// Returns the target values by datapoint key; a reference into the shared block.
    QHash<QString, QJsonValue>& values();
    /// @overload
    const QHash<QString, QJsonValue>& values() const;
    /// Stores @p value under @p key, replacing an earlier value under the same key.
    void addDatapoint(const QString& key, const QJsonValue& value);
    /// Removes every value.
    void clearDatapoints();

    /**
     * @brief Writes the complete `snapshot` element on @p writer.
     *
     * The element and its `datapoint` children are unqualified (they take the writer's
     * default namespace). Each child carries id (only when @p addressToId knows the key),
     * address and the value's file text, in which strings get a "#" prefix and numbers
     * keep six significant digits.
     */
    void serialize(QXmlStreamWriter* writer, const QHash<QString, int>& addressToId) const;

    /**
     * @brief Appends one device step per datapoint that @p addressToId knows to @p steps.
     *
     * Each step has id (a running number from 1 over the whole array, entries already in
     * it included), datapoint_id, value (unchanged), format (from @p idToFormat, empty
     * when unknown) and time_to_next 0. The steps follow the datapoint key order, so the
     * running numbers are the same in every run. A null @p steps does nothing.
     */
    void compile(const QHash<QString, int>& addressToId, const QHash<int, QString>& idToFormat,
                 QJsonArray* steps) const;
    /**
     * @brief Appends an object {id, value} per datapoint that @p addressToId knows to
     * @p array, with the device number and the value unchanged. A null @p array does
     * nothing.
     */
    void exportIn(const QHash<QString, int>& addressToId, QJsonArray* array) const;
    /**
     * @brief Appends an object {address, value} for every datapoint to @p array, null
     * values included, with the value's display text. A null @p array does nothing.
     *
     * The display text shows strings without prefix and numbers after the datapoint type
     * that the installation's address plan gives their address: a percentage of 255 for
     * DPT5, "true"/"false" for DPT1, one decimal for DPT9, else six significant digits.
     */
    void exportIn(QJsonArray* array) const;
    /**
     * @brief Returns the export form of @p snapshots in list order: by device number
     * when @p addressToId is not empty, else by address.
     */
    static QJsonArray exportSnapshots(const QHash<QString, int>& addressToId,
                                      const QList<Snapshot>& snapshots);
    /// Returns an object {address, value} with the display text (see exportIn()) of every
    /// non-null value.
    QList<QJsonObject> json() const;
    /// Returns @c true if both snapshots have the same datapoint keys; values are ignored.
    bool hasSameDatapointAddresses(const Snapshot& other) const;

    /**
     * @brief Replaces the device-number keys (":" and a number) by the address that
     * @p addressToId gives for that number.
     *
     * The keys are taken in datapoint key order. A number that the table lacks drops its
     * value. Where several addresses of @p addressToId carry the number, the first of them
     * in datapoint key order takes the value: the lowest address. Where a number key and
     * an address key end up under one address, the number key's value wins, since number
     * keys come after addresses. Logs the table before and after at info level, in Qt's
     * debug form, in the category "casarina.projects.migration" (lcMigration()). Changes
     * the shared block, so every copy sees the result.
     * @return @c true if there were number keys, @c false if there was nothing to do.
     */
    bool migrateIdsToAddresses(const QHash<QString, int>& addressToId);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p snapshot for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, the identifier text of its function and its number of values.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Snapshot& snapshot);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Snapshot, Q_MOVABLE_TYPE);

#endif // PROJECTS_SNAPSHOT_H
