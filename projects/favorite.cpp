// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "favorite.h"

#include "common/debug_p.h"
#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Favorite::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    QString icon;
    bool favorite = false;
};

Favorite::Favorite() : d(new Private) {}

Favorite::Favorite(const QUuid& id, const QString& name, const QString& icon, bool favorite)
    : d(new Private)
{
    d->id = id;
    d->name = name;
    d->icon = icon;
    d->favorite = favorite;
}

Favorite::Favorite(const Favorite& other) = default;
Favorite::Favorite(Favorite&& other) noexcept = default;
Favorite::~Favorite() = default;
Favorite& Favorite::operator=(const Favorite& other) = default;
Favorite& Favorite::operator=(Favorite&& other) noexcept = default;

QUuid Favorite::id() const
{
    return d->id;
}

QString Favorite::name() const
{
    return d->name;
}

void Favorite::setName(const QString& name)
{
    d->name = name;
}

QString Favorite::icon() const
{
    return d->icon;
}

void Favorite::setIcon(const QString& icon)
{
    d->icon = icon;
}

bool Favorite::favorite() const
{
    return d->favorite;
}

void Favorite::setFavorite(bool favorite)
{
    d->favorite = favorite;
}

void Favorite::detachFavorite()
{
    d.detach();
}

QDebug operator<<(QDebug debug, const Favorite& favorite)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Favorite(" << DebugId{favorite.id()} << ' ' << favorite.name()
                    << " favorite=" << favorite.favorite() << ')';
    return debug;
}

} // namespace projects
