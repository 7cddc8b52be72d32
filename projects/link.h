// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_LINK_H
#define PROJECTS_LINK_H

#include <projects/favorite.h>
#include <projects/project.h>
#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QObject>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QDebug;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief An entry that leads to a web page or to an app, for one operating system.
 *
 * A link holds the favourite data of its Favorite base (identifier, name, icon,
 * favourite flag) and a second block with its type, address, app name and operating
 * system. Copies share both blocks; a change through any copy is seen by all. Only
 * sync() detaches. The key names of the two enumerations are part of the file format.
 */
class PROJECTS_EXPORT Link : public Favorite
{
    Q_GADGET
public:
    /// What the link opens. Based on int, as is OsName, so that values outside the
    /// enumeration (which the writer writes as an empty key) are valid values of the type.
    enum LinkType : int {
        WebLink = 0, ///< a web page at url()
        App = 1      ///< an app
    };
    Q_ENUM(LinkType)

    /// The operating system a link is meant for.
    enum OsName : int {
        Android = 0,  ///< Android
        Apple = 1,    ///< Apple's systems
        Microsoft = 2 ///< Windows
    };
    Q_ENUM(OsName)

    /// Creates a web link with a null identifier, empty texts, for Android.
    Link();
    /**
     * @brief Creates a link with the given values; the app name is empty.
     */
    Link(const QUuid& id, QString name, QString icon, bool favorite, LinkType type, QString url,
         OsName osName);
    /// Shares both of @p other's data blocks.
    Link(const Link& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Link(Link&& other) noexcept;
    ~Link() override;
    /// Shares @p other's favourite data, then its link data.
    Link& operator=(const Link& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    Link& operator=(Link&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(Link& other) noexcept
    {
        Favorite::swap(other);
        d.swap(other.d);
    }

    /// Returns what the link opens. @see setType()
    LinkType type() const;
    /// Sets what the link opens. @see type()
    void setType(LinkType type);
    /// Returns the link's address. @see setUrl()
    QString url() const;
    /// Sets the link's address. @see url()
    void setUrl(const QString& url);
    /// Returns the name of the app. @see setAppName()
    QString appName() const;
    /// Sets the name of the app. @see appName()
    void setAppName(const QString& appName);
    /// Returns the operating system the link is meant for. @see setOsName()
    OsName osName() const;
    /// Sets the operating system the link is meant for. @see osName()
    void setOsName(OsName osName);

    /// Returns the operating system this library is built for: Microsoft.
    static OsName getCurrentOSName();

    /**
     * @brief Writes the complete `link` element (profile namespace) on @p writer.
     *
     * The attributes, all without namespace, are id, name, icon, type, url, app-name,
     * favorite ("yes"/"no") and os. A type or system value that is not a key of its
     * enumeration is written as an empty attribute.
     */
    void serialize(QXmlStreamWriter* writer) const;

    /**
     * @brief Takes over @p other's name, icon, favourite flag, type, url, app name and
     * operating system; the identifier stays.
     *
     * First detaches both blocks, so other copies of this link keep their content.
     * @p hints are not used.
     */
    void sync(const Link& other, QFlags<Project::SyncHint> hints);

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p link for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, name, type key, URL and system key.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Link& link);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Link, Q_MOVABLE_TYPE);

#endif // PROJECTS_LINK_H
