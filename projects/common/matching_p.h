// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_MATCHING_P_H
#define PROJECTS_COMMON_MATCHING_P_H

// Internal to the library: how the merges of floors and rooms pair their children (rooms,
// functions) with the other side's. A child matches the child of the other side with the
// same identifier; lists are searched from the front and the first match wins. Never
// installed.

#include <projects/deletableitems.h>

#include <QHash>
#include <QList>
#include <QUuid>

namespace projects {

/// The index of the first element of @p list with each identifier: one table per merge
/// keeps the merges linear in the number of children.
template <typename T> QHash<QUuid, int> firstIndexes(const QList<T>& list)
{
    QHash<QUuid, int> indexes;
    indexes.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        const QUuid id = list.at(i).id();
        if (!indexes.contains(id))
            indexes.insert(id, i);
    }
    return indexes;
}

/// Everything to delete on the device for @p children: their gc() records combined.
template <typename T> DeletableItems gcOf(const QList<T>& children)
{
    DeletableItems items;
    for (const T& child : children)
        items.append(child.gc());
    return items;
}

/**
 * @brief Calls @p merge with the match in @p own and the child of @p other, for each child
 * of @p other in order that has a match; returns @c true if any call returned @c true.
 *
 * The administrator's merges: no child is added or removed.
 */
template <typename T, typename Merge>
bool mergeMatches(const QList<T>& own, const QList<T>& other, Merge merge)
{
    const QHash<QUuid, int> indexes = firstIndexes(own);
    bool changed = false;
    for (const T& theirs : other) {
        const int index = indexes.value(theirs.id(), -1);
        if (index < 0)
            continue;
        T child = own.at(index);
        if (merge(child, theirs))
            changed = true;
    }
    return changed;
}

/**
 * @brief The children's part of a profile merge of @p own with @p other; returns what the
 * device must delete.
 *
 * With @p adoptStructure, @p own follows @p other: its children without a match go (nothing
 * is collected for them); when none is left it takes all of @p other's, otherwise each
 * match is merged with @p merge (its record is dropped) and @p other's unmatched children
 * are appended in their order. Without, each child of @p own with a match is merged, in
 * @p own's order, and the records are collected; with @p keepOwnValues too, so are the
 * gc() records of @p other's children without a match. @p merge is called with the own
 * child, the other side's, @p keepOwnValues and @p adoptStructure, and returns a
 * DeletableItems.
 */
template <typename T, typename Merge>
DeletableItems mergeChildren(QList<T>& own, const QList<T>& other, bool keepOwnValues,
                             bool adoptStructure, Merge merge)
{
    DeletableItems result;
    if (adoptStructure) {
        const QHash<QUuid, int> theirs = firstIndexes(other);
        QList<T> kept;
        for (const T& child : qAsConst(own)) {
            if (theirs.contains(child.id()))
                kept.append(child);
        }
        own = kept;
        if (own.isEmpty()) {
            own = other;
        } else {
            const QHash<QUuid, int> indexes = firstIndexes(own);
            QList<T> added;
            for (const T& theirChild : other) {
                const int index = indexes.value(theirChild.id(), -1);
                if (index < 0) {
                    added.append(theirChild);
                    continue;
                }
                // The structure is adopted, so what the children would delete is not
                // asked for.
                T child = own.at(index);
                merge(child, theirChild, keepOwnValues, true);
            }
            own.append(added);
        }
        return result;
    }

    const QHash<QUuid, int> theirs = firstIndexes(other);
    for (T child : qAsConst(own)) {
        const int index = theirs.value(child.id(), -1);
        if (index >= 0)
            result.append(merge(child, other.at(index), keepOwnValues, false));
    }
    if (keepOwnValues) {
        // Children that only the other side has will not exist here; their timers go.
        const QHash<QUuid, int> indexes = firstIndexes(own);
        for (const T& theirChild : other) {
            if (!indexes.contains(theirChild.id()))
                result.append(theirChild.gc());
        }
    }
    return result;
}

} // namespace projects

#endif // PROJECTS_COMMON_MATCHING_P_H
