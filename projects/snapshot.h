#ifndef PROJECTS_SNAPSHOT_H
#define PROJECTS_SNAPSHOT_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
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
 * datapoints: address text to the datapoint's number on the device. Operations that
 * visit the values do so in the table's iteration order, which is no particular order.
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
    Snapshot(Snapshot&& other) noexcept;
    ~Snapshot();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Snapshot& operator=(const Snapshot& other);
    Snapshot& operator=(Snapshot&& other) noexcept;
    void swap(Snapshot& other) noexcept { d.swap(other.d); }

    /// Returns the identifier of the function whose datapoints the snapshot sets.
    QUuid functionId() const;
    /// Returns @c true if the function identifier is not null.
    bool isValid() const;
    /// Returns the target values by datapoint key; a reference into the shared block.
    QHash<QString, QJsonValue>& values();
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

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Snapshot, Q_MOVABLE_TYPE);

#endif // PROJECTS_SNAPSHOT_H
