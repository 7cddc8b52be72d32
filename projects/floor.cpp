#include "floor.h"

#include "common/jsonlists_p.h"
#include "common/schedules_p.h"
#include "common/valuetext_p.h"
#include "deletableitems.h"
#include "room.h"
#include "common/conversions.h"

#include <QHash>
#include <QJsonObject>
#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Floor::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    QList<Room> rooms;
};

Floor::Floor()
    : d(new Private)
{
}

Floor::Floor(const QUuid& id, const QString& name)
    : d(new Private)
{
    d->id = id;
    d->name = name;
}

Floor::Floor(const QJsonObject& object)
    : Floor()
{
    if (!object.contains(QLatin1String("id")))
        return;
    d->id = stringToUuid(object.value(QLatin1String("id")).toString());
    if (d->id.isNull())
        return;
    if (object.contains(QLatin1String("name")))
        d->name = validText(object.value(QLatin1String("name")).toString());
    d->rooms = validFromJsonArray<Room>(object, QLatin1String("rooms"));
}

Floor::Floor(const Floor& other) = default;
Floor::Floor(Floor&& other) noexcept = default;
Floor::~Floor() = default;
Floor& Floor::operator=(const Floor& other) = default;
Floor& Floor::operator=(Floor&& other) noexcept = default;

QUuid Floor::id() const { return d->id; }
bool Floor::isValid() const { return !d->id.isNull(); }
QString Floor::name() const { return d->name; }
void Floor::setName(const QString& name) { d->name = name; }
QList<Room>& Floor::rooms() { return d->rooms; }
const QList<Room>& Floor::rooms() const { return d->rooms; }

void Floor::beginSerialize(QXmlStreamWriter* writer) const
{
    writer->writeStartElement(QStringLiteral("floor"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    writer->writeAttribute(QStringLiteral("name"), d->name);
}

void Floor::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

DeletableItems Floor::gc() const
{
    DeletableItems items;
    for (const Room& room : qAsConst(d->rooms))
        items.append(room.gc());
    return items;
}

bool Floor::mergeAdminSettings(const Floor& other)
{
    const QHash<QUuid, int> own = firstIndexes(d->rooms);
    bool changed = false;
    for (const Room& otherRoom : qAsConst(other.d->rooms)) {
        const int index = own.value(otherRoom.id(), -1);
        if (index < 0)
            continue;
        Room room = d->rooms.at(index);
        if (room.mergeAdminSettings(otherRoom))
            changed = true;
    }
    return changed;
}

DeletableItems Floor::mergeProfile(const Floor& other, bool keepOwnValues, bool adoptStructure)
{
    DeletableItems result;
    if (adoptStructure) {
        const QHash<QUuid, int> theirs = firstIndexes(other.d->rooms);
        QList<Room> kept;
        for (const Room& room : qAsConst(d->rooms)) {
            if (theirs.contains(room.id()))
                kept.append(room);
        }
        d->rooms = kept;
        if (d->rooms.isEmpty()) {
            d->rooms = other.d->rooms;
        } else {
            const QHash<QUuid, int> own = firstIndexes(d->rooms);
            QList<Room> added;
            for (const Room& otherRoom : qAsConst(other.d->rooms)) {
                const int index = own.value(otherRoom.id(), -1);
                if (index < 0) {
                    added.append(otherRoom);
                    continue;
                }
                // The structure is adopted, so what the rooms would delete is not asked
                // for.
                Room room = d->rooms.at(index);
                room.mergeProfile(otherRoom, keepOwnValues, true);
            }
            d->rooms.append(added);
        }
    } else {
        const QHash<QUuid, int> theirs = firstIndexes(other.d->rooms);
        for (Room room : qAsConst(d->rooms)) {
            const int index = theirs.value(room.id(), -1);
            if (index >= 0)
                result.append(room.mergeProfile(other.d->rooms.at(index), keepOwnValues, false));
        }
    }

    if (keepOwnValues && !adoptStructure) {
        // Rooms that only the other side has will not exist here; their timers go.
        const QHash<QUuid, int> own = firstIndexes(d->rooms);
        for (const Room& otherRoom : qAsConst(other.d->rooms)) {
            if (!own.contains(otherRoom.id()))
                result.append(otherRoom.gc());
        }
        return result;
    }
    d->name = other.d->name;
    return result;
}

} // namespace projects
