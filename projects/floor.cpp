#include "floor.h"

#include "room.h"
#include "common/conversions.h"

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

} // namespace projects
