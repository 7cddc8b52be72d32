#ifndef PROJECTS_FLOOR_H
#define PROJECTS_FLOOR_H

#include <projects/projects_export.h>

#include <QExplicitlySharedDataPointer>
#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
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
    /// Shares @p other's data block.
    Floor(const Floor& other);
    Floor(Floor&& other) noexcept;
    ~Floor();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Floor& operator=(const Floor& other);
    Floor& operator=(Floor&& other) noexcept;
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

private:
    class Private;
    QExplicitlySharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Floor, Q_MOVABLE_TYPE);

#endif // PROJECTS_FLOOR_H
