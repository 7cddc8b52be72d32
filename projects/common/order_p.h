// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_ORDER_P_H
#define PROJECTS_COMMON_ORDER_P_H

// Internal to the library: the one order in which everything kept in a hash table is
// written, compiled, exported and migrated, so that the same project always gives the
// same bytes whatever the hash seed. Never installed; exported for the tool only, without
// any promise of compatibility.

#include <projects/projects_export.h>

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVarLengthArray>

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

/// Returns the identifier texts (uuidToString()) of @p ids in ascending order.
PROJECTS_EXPORT QStringList sortedIdentifiers(const QSet<QUuid>& ids);

/**
 * @brief Where a datapoint key sorts, computed once per key.
 *
 * @c kind is 0 for a group address text (three "/"-separated parts), 1 for a device-number
 * key of older files (":" and a decimal number), 2 for any other key; @c number is the
 * group address number (main × 2048 + middle × 256 + sub, wide enough for parts outside
 * their ranges) or the device number, and 0 for other keys.
 */
struct DatapointKeyRank
{
    int kind = 2;
    qint64 number = 0;
};

/// Returns the rank of the datapoint key @p key (see DatapointKeyRank).
PROJECTS_EXPORT DatapointKeyRank datapointKeyRank(const QString& key);

/// Returns @c true if @p a, of rank @p rankA, comes before @p b, of rank @p rankB.
inline bool datapointKeyLess(const DatapointKeyRank& rankA, const QString& a,
                             const DatapointKeyRank& rankB, const QString& b)
{
    if (rankA.kind != rankB.kind)
        return rankA.kind < rankB.kind;
    if (rankA.number != rankB.number)
        return rankA.number < rankB.number;
    return a < b;
}

/**
 * @brief Returns @c true if the datapoint key @p a comes before @p b.
 *
 * Group address texts come first, by their number (1/2/0 before 1/10/0) and then by
 * text; then the device-number keys of older files (":" and a number), by that number and
 * then by text; then every other key, by text.
 */
PROJECTS_EXPORT bool datapointKeyLess(const QString& a, const QString& b);

/// Returns @p keys sorted with datapointKeyLess().
PROJECTS_EXPORT QStringList sortedDatapointKeys(QStringList keys);

/// Returns the keys of @p table sorted with datapointKeyLess().
template <typename V> QStringList sortedDatapointKeys(const QHash<QString, V>& table)
{
    return sortedDatapointKeys(table.keys());
}

/**
 * @brief Calls @p visit with the key and the value of every entry of @p table, in the
 * order of datapointKeyLess().
 *
 * The same order as sortedDatapointKeys(), without looking each key up again: the
 * writers and the compilation of snapshots visit every datapoint of every snapshot.
 */
template <typename V, typename Visit>
void visitInDatapointOrder(const QHash<QString, V>& table, Visit visit)
{
    using Iterator = typename QHash<QString, V>::const_iterator;
    if (table.size() < 2) {
        for (Iterator it = table.cbegin(); it != table.cend(); ++it)
            visit(it.key(), it.value());
        return;
    }
    struct Entry
    {
        DatapointKeyRank rank;
        Iterator it;
    };
    // A snapshot holds a few datapoints: no allocation for them.
    QVarLengthArray<Entry, 16> entries;
    entries.reserve(table.size());
    for (Iterator it = table.cbegin(); it != table.cend(); ++it)
        entries.append(Entry{datapointKeyRank(it.key()), it});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return datapointKeyLess(a.rank, a.it.key(), b.rank, b.it.key());
    });
    for (const Entry& entry : entries)
        visit(entry.it.key(), entry.it.value());
}

/**
 * @brief Calls @p visit with the key and the value of every entry of @p table, in
 * ascending key order (the order of sortedKeys()), without looking each key up again.
 */
template <typename K, typename V, typename Visit>
void visitInKeyOrder(const QHash<K, V>& table, Visit visit)
{
    using Iterator = typename QHash<K, V>::const_iterator;
    if (table.size() < 2) {
        for (Iterator it = table.cbegin(); it != table.cend(); ++it)
            visit(it.key(), it.value());
        return;
    }
    QVarLengthArray<Iterator, 16> entries;
    entries.reserve(table.size());
    for (Iterator it = table.cbegin(); it != table.cend(); ++it)
        entries.append(it);
    std::sort(entries.begin(), entries.end(),
              [](const Iterator& a, const Iterator& b) { return a.key() < b.key(); });
    for (const Iterator& it : entries)
        visit(it.key(), it.value());
}

} // namespace projects

#endif // PROJECTS_COMMON_ORDER_P_H
