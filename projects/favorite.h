// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_FAVORITE_H
#define PROJECTS_FAVORITE_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief The common base of the entries a user can pin as favourites (scenes and links):
 * an identity, a display name, an icon name and the favourite flag.
 *
 * Copies share one data block; a change through any copy is seen by all. Nothing
 * detaches here; only the `sync` operations of the derived classes give the favourite
 * data a private copy. The destructor is the only virtual operation.
 */
class PROJECTS_EXPORT Favorite
{
public:
    /// Creates an entry with a null identifier, empty name and icon, not a favourite.
    Favorite();
    /// Creates an entry with the given identifier, name, icon and favourite flag.
    Favorite(const QUuid& id, const QString& name, const QString& icon, bool favorite);
    /// Shares @p other's data block.
    Favorite(const Favorite& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Favorite(Favorite&& other) noexcept;
    virtual ~Favorite();
    /// Shares @p other's data block; the old block is freed with its last handle.
    Favorite& operator=(const Favorite& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Favorite& operator=(Favorite&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Favorite& other) noexcept { d.swap(other.d); }

    /// Returns the identifier; there is no setter.
    QUuid id() const;
    /// Returns the display name. @see setName()
    QString name() const;
    /// Sets the display name to @p name, for every copy. @see name()
    void setName(const QString& name);
    /// Returns the icon name. @see setIcon()
    QString icon() const;
    /// Sets the icon name to @p icon, for every copy. @see icon()
    void setIcon(const QString& icon);
    /// Returns @c true if the user has pinned the entry. @see setFavorite()
    bool favorite() const;
    /// Pins or unpins the entry, for every copy. @see favorite()
    void setFavorite(bool favorite);

protected:
    /// Gives this handle a private copy of the favourite data when the block is shared.
    void detachFavorite();

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p favorite for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name and favourite flag.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Favorite& favorite);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Favorite, Q_MOVABLE_TYPE);

#endif // PROJECTS_FAVORITE_H
