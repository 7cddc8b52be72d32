// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "floor.h"

#include "common/debug_p.h"
#include "common/jsonlists_p.h"
#include "common/matching_p.h"
#include "common/valuetext_p.h"
#include "deletableitems.h"
#include "room.h"
#include "common/conversions.h"

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

Floor::Floor() : d(new Private) {}

Floor::Floor(const QUuid& id, const QString& name) : d(new Private)
{
    d->id = id;
    d->name = name;
}

Floor::Floor(const QJsonObject& object) : Floor()
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

QUuid Floor::id() const
{
    return d->id;
}
bool Floor::isValid() const
{
    return !d->id.isNull();
}
QString Floor::name() const
{
    return d->name;
}
void Floor::setName(const QString& name)
{
    d->name = name;
}
QList<Room>& Floor::rooms()
{
    return d->rooms;
}
const QList<Room>& Floor::rooms() const
{
    return d->rooms;
}

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
    return gcOf(d->rooms);
}

bool Floor::mergeAdminSettings(const Floor& other)
{
    return mergeMatches(d->rooms, other.d->rooms, [](Room& room, const Room& theirs) {
        return room.mergeAdminSettings(theirs);
    });
}

DeletableItems Floor::mergeProfile(const Floor& other, bool keepOwnValues, bool adoptStructure)
{
    const DeletableItems result =
        mergeChildren(d->rooms, other.d->rooms, keepOwnValues, adoptStructure,
                      [](Room& room, const Room& theirs, bool keep, bool adopt) {
                          return room.mergeProfile(theirs, keep, adopt);
                      });
    if (!keepOwnValues || adoptStructure)
        d->name = other.d->name;
    return result;
}

QDebug operator<<(QDebug debug, const Floor& floor)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Floor(" << DebugId{floor.id()} << ' ' << floor.name()
                    << " rooms=" << floor.rooms().size() << ')';
    return debug;
}

} // namespace projects
