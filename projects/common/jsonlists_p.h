// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_JSONLISTS_P_H
#define PROJECTS_COMMON_JSONLISTS_P_H

// Internal to the library: the child arrays of the configuration JSON (the rooms of a
// floor, the functions of a room, the switch times of their owners), read in one place.
// Never installed.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QList>

namespace projects {

/**
 * @brief Returns the valid objects that T's JSON constructor builds from the entries of
 * the array @p key of @p owner, in their order.
 *
 * Entries that are no JSON object and objects that are not valid are left out; when
 * @p key holds no array, the list is empty.
 */
template <typename T> QList<T> validFromJsonArray(const QJsonObject& owner, QLatin1String key)
{
    QList<T> list;
    const QJsonValue array = owner.value(key);
    if (!array.isArray())
        return list;
    const QJsonArray entries = array.toArray();
    for (const QJsonValue& entry : entries) {
        if (!entry.isObject())
            continue;
        const T child(entry.toObject());
        if (child.isValid())
            list.append(child);
    }
    return list;
}

} // namespace projects

#endif // PROJECTS_COMMON_JSONLISTS_P_H
