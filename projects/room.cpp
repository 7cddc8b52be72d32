#include "room.h"

#include "function.h"
#include "common/conversions.h"
#include "common/namespaces.h"

#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

namespace {

// Colours are compared in their written form, so a colour that would be written as
// "#ffffff" counts as white whatever colour model it was built with.
bool sameColor(const QColor& a, const QColor& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    return a.name() == b.name();
}

} // namespace

class Q_DECL_HIDDEN Room::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    QString icon;
    QColor color;
    QString profileName;
    QString profileIcon;
    QColor profileColor;
    QList<Function> functions;
};

Room::Room()
    : d(new Private)
{
}

Room::Room(const QUuid& id, const QString& name, const QString& icon)
    : d(new Private)
{
    d->id = id;
    d->name = name;
    d->icon = icon;
}

Room::Room(const QUuid& id, const QString& name, const QString& icon, const QColor& color)
    : Room(id, name, icon)
{
    d->color = color;
}

Room::Room(const Room& other) = default;
Room::Room(Room&& other) noexcept = default;
Room::~Room() = default;
Room& Room::operator=(const Room& other) = default;
Room& Room::operator=(Room&& other) noexcept = default;

QUuid Room::id() const { return d->id; }
bool Room::isValid() const { return !d->id.isNull(); }

QString Room::name() const
{
    return d->profileName.isEmpty() ? d->name : d->profileName;
}

QString Room::icon() const
{
    return d->profileIcon.isEmpty() ? d->icon : d->profileIcon;
}

QColor Room::color() const
{
    if (d->profileColor.isValid())
        return d->profileColor;
    if (d->color.isValid())
        return d->color;
    return QColor(Qt::white);
}

void Room::setName(const QString& name) { d->profileName = name; }
void Room::setIcon(const QString& icon) { d->profileIcon = icon; }
void Room::setColor(const QColor& color) const { d->profileColor = color; }
void Room::setColor(const QString& color) const { d->profileColor = QColor(color); }

void Room::restoreProfile(const QString& name, const QString& icon, const QColor& color)
{
    d->profileName = name;
    d->profileIcon = icon;
    d->profileColor = color;
}

QList<Function>& Room::functions() { return d->functions; }
const QList<Function>& Room::functions() const { return d->functions; }

void Room::beginSerialize(QXmlStreamWriter* writer) const
{
    writer->writeStartElement(QStringLiteral("room"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    writer->writeAttribute(QStringLiteral("name"), d->name);
    writer->writeAttribute(QStringLiteral("icon"), d->icon);
    if (d->color.isValid())
        writer->writeAttribute(QStringLiteral("color"), d->color.name());
    // The profile attributes only record what the user changed; white is the colour a
    // room shows anyway, so it is never stored as a choice.
    if (!d->profileName.isEmpty() && d->profileName != d->name)
        writer->writeAttribute(ns::Profile, QStringLiteral("name"), d->profileName);
    if (!d->profileIcon.isEmpty() && d->profileIcon != d->icon)
        writer->writeAttribute(ns::Profile, QStringLiteral("icon"), d->profileIcon);
    if (d->profileColor.isValid() && !sameColor(d->profileColor, d->color)
        && !sameColor(d->profileColor, QColor(Qt::white)))
        writer->writeAttribute(ns::Profile, QStringLiteral("color"), d->profileColor.name());
}

void Room::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

} // namespace projects
