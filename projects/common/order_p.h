#ifndef PROJECTS_COMMON_ORDER_P_H
#define PROJECTS_COMMON_ORDER_P_H

// Internal to the library: the one order in which everything kept in a hash table is
// written, compiled, exported and migrated, so that the same project always gives the
// same bytes whatever the hash seed. Never installed.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace projects {

/// Returns the keys of @p table in ascending order (days, indexes, sensor numbers).
template <typename V> QList<int> sortedKeys(const QHash<int, V>& table)
{
    QList<int> keys = table.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

/// Returns the keys of @p table in ascending text order (roles, identifiers, names).
template <typename V> QStringList sortedKeys(const QHash<QString, V>& table)
{
    QStringList keys = table.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

/**
 * @brief Returns @c true if the datapoint key @p a comes before @p b.
 *
 * Group address texts come first, by their number (1/2/0 before 1/10/0) and then by
 * text; then the device-number keys of older files (":" and a number), by that number and
 * then by text; then every other key, by text.
 */
bool datapointKeyLess(const QString& a, const QString& b);

/// Returns @p keys sorted with datapointKeyLess().
QStringList sortedDatapointKeys(QStringList keys);

/// Returns the keys of @p table sorted with datapointKeyLess().
template <typename V> QStringList sortedDatapointKeys(const QHash<QString, V>& table)
{
    return sortedDatapointKeys(table.keys());
}

} // namespace projects

#endif // PROJECTS_COMMON_ORDER_P_H
