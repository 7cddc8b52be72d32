// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "link.h"

#include "common/debug_p.h"
#include "common/conversions.h"
#include "common/namespaces.h"
#include "common/texts_p.h"

#include <QSharedData>
#include <QXmlStreamWriter>

#include <utility>

namespace projects {

class Q_DECL_HIDDEN Link::Private : public QSharedData
{
public:
    LinkType type = WebLink;
    QString url;
    QString appName;
    OsName osName = Android;
};

Link::Link() : d(new Private) {}

Link::Link(const QUuid& id, QString name, QString icon, bool favorite, LinkType type, QString url,
           OsName osName)
    : Favorite(id, name, icon, favorite), d(new Private)
{
    d->type = type;
    d->url = std::move(url);
    d->osName = osName;
}

Link::Link(const Link& other) = default;
Link::Link(Link&& other) noexcept = default;
Link::~Link() = default;
Link& Link::operator=(const Link& other) = default;
Link& Link::operator=(Link&& other) noexcept = default;

Link::LinkType Link::type() const
{
    return d->type;
}

void Link::setType(LinkType type)
{
    d->type = type;
}

QString Link::url() const
{
    return d->url;
}

void Link::setUrl(const QString& url)
{
    d->url = url;
}

QString Link::appName() const
{
    return d->appName;
}

void Link::setAppName(const QString& appName)
{
    d->appName = appName;
}

Link::OsName Link::osName() const
{
    return d->osName;
}

void Link::setOsName(OsName osName)
{
    d->osName = osName;
}

Link::OsName Link::getCurrentOSName()
{
    return Microsoft;
}

void Link::serialize(QXmlStreamWriter* writer) const
{
    // Unlike a scene's, every attribute of a link is unqualified.
    writer->writeStartElement(ns::Profile, QStringLiteral("link"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(id()));
    writer->writeAttribute(QStringLiteral("name"), name());
    writer->writeAttribute(QStringLiteral("icon"), icon());
    writer->writeAttribute(QStringLiteral("type"), enumKey<LinkType>(d->type));
    writer->writeAttribute(QStringLiteral("url"), d->url);
    writer->writeAttribute(QStringLiteral("app-name"), d->appName);
    writer->writeAttribute(QStringLiteral("favorite"), yesNoText(favorite()));
    writer->writeAttribute(QStringLiteral("os"), enumKey<OsName>(d->osName));
    writer->writeEndElement();
}

void Link::sync(const Link& other, QFlags<Project::SyncHint> hints)
{
    Q_UNUSED(hints)
    // Other copies of this link keep their content; other keeps the old blocks, so it
    // reads the same after the detach even when it was one of those copies.
    detachFavorite();
    d.detach();

    setName(other.name());
    setIcon(other.icon());
    setFavorite(other.favorite());
    d->type = other.d->type;
    d->url = other.d->url;
    d->appName = other.d->appName;
    d->osName = other.d->osName;
}

QDebug operator<<(QDebug debug, const Link& link)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Link(" << DebugId{link.id()} << ' ' << link.name() << ' '
                    << debugKey(link.type()) << ' ' << link.url() << ' ' << debugKey(link.osName())
                    << ')';
    return debug;
}

} // namespace projects
