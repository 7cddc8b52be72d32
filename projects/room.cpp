// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "room.h"

#include "common/debug_p.h"
#include "common/jsonlists_p.h"
#include "common/matching_p.h"
#include "common/valuetext_p.h"
#include "deletableitems.h"
#include "function.h"
#include "common/conversions.h"
#include "common/namespaces.h"

#include <QJsonObject>
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

Room::Room() : d(new Private) {}

Room::Room(const QUuid& id, const QString& name, const QString& icon) : d(new Private)
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

Room::Room(const QJsonObject& object) : Room()
{
    if (!object.contains(QLatin1String("id")))
        return;
    d->id = stringToUuid(object.value(QLatin1String("id")).toString());
    if (d->id.isNull())
        return;
    if (object.contains(QLatin1String("name")))
        d->name = validText(object.value(QLatin1String("name")).toString());
    if (object.contains(QLatin1String("icon")))
        d->icon = validText(object.value(QLatin1String("icon")).toString());
    if (object.contains(QLatin1String("color")))
        d->profileColor = QColor(object.value(QLatin1String("color")).toString());
    // The configuration knows one set of values; it is both the installer's and the
    // user's until the user changes something.
    d->profileName = d->name;
    d->profileIcon = d->icon;
    d->color = d->profileColor;

    d->functions = validFromJsonArray<Function>(object, QLatin1String("functions"));
}

Room::Room(const Room& other) = default;
Room::Room(Room&& other) noexcept = default;
Room::~Room() = default;
Room& Room::operator=(const Room& other) = default;
Room& Room::operator=(Room&& other) noexcept = default;

QUuid Room::id() const
{
    return d->id;
}
bool Room::isValid() const
{
    return !d->id.isNull();
}

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

void Room::setName(const QString& name)
{
    d->profileName = name;
}
void Room::setIcon(const QString& icon)
{
    d->profileIcon = icon;
}
// Both setColor() are declared const, yet they write the shared block, on purpose.
void Room::setColor(const QColor& color) const
{
    d.data()->profileColor = color;
}

void Room::setColor(const QString& color) const
{
    d.data()->profileColor = QColor(color);
}

void Room::restoreProfile(const QString& name, const QString& icon, const QColor& color)
{
    d->profileName = name;
    d->profileIcon = icon;
    d->profileColor = color;
}

QColor Room::profileColor() const
{
    return d->profileColor;
}

QList<Function>& Room::functions()
{
    return d->functions;
}
const QList<Function>& Room::functions() const
{
    return d->functions;
}

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
    if (d->profileColor.isValid() && !sameColor(d->profileColor, d->color) &&
        !sameColor(d->profileColor, QColor(Qt::white)))
        writer->writeAttribute(ns::Profile, QStringLiteral("color"), d->profileColor.name());
}

void Room::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

DeletableItems Room::gc() const
{
    return gcOf(d->functions);
}

bool Room::mergeAdminSettings(const Room& other)
{
    return mergeMatches(d->functions, other.d->functions,
                        [](Function& function, const Function& theirs) {
                            return function.mergeAdminSettings(theirs, false);
                        });
}

DeletableItems Room::mergeProfile(const Room& other, bool keepOwnValues, bool adoptStructure)
{
    const DeletableItems result =
        mergeChildren(d->functions, other.d->functions, keepOwnValues, adoptStructure,
                      [](Function& function, const Function& theirs, bool keep, bool adopt) {
                          // A function's merge leaves nothing to delete on the device.
                          function.mergeProfile(theirs, keep, adopt);
                          return DeletableItems();
                      });
    if (keepOwnValues && !adoptStructure)
        return result;

    // The values the user sees on the other side become this room's, in both sets.
    const QString name = other.name();
    const QString icon = other.icon();
    const QColor color = other.color();
    d->name = name;
    d->icon = icon;
    d->color = color;
    d->profileName = name;
    d->profileIcon = icon;
    d->profileColor = color;
    return result;
}

void Room::sync(const Room& other, Project::SyncHints hints)
{
    // Only this handle changes; copies that shared the block keep the old values.
    d.detach();
    if (hints.testFlag(Project::SyncAdminSettings)) {
        d->name = other.d->name;
        d->icon = other.d->icon;
        d->color = other.d->color;
        d->functions = other.d->functions;
    }
    if (hints.testFlag(Project::SyncProfile)) {
        d->profileName = other.d->profileName;
        d->profileIcon = other.d->profileIcon;
        d->profileColor = other.d->profileColor;
        d->functions = other.d->functions;
    }
}

QDebug operator<<(QDebug debug, const Room& room)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Room(" << DebugId{room.id()} << ' ' << room.name()
                    << " functions=" << room.functions().size() << ')';
    return debug;
}

} // namespace projects
