// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "order_p.h"

#include "conversions.h"

#include <vector>

namespace projects {

namespace {

// The part of @p key from @p position, @p size characters long, converted as
// QString::toInt does in base 10 (0 and @p ok false for a text that is no number), with
// a short way for plain digits: ranking runs once per datapoint of every snapshot that is
// written, compiled or exported, and the locale-aware conversion would cost most of it.
int decimal(const QString& key, int position, int size, bool* ok)
{
    if (size > 0 && size <= 9) {
        const QChar* digit = key.unicode() + position;
        int value = 0;
        int i = 0;
        for (; i < size; ++i) {
            const ushort c = digit[i].unicode();
            if (c < '0' || c > '9')
                break;
            value = value * 10 + (c - '0');
        }
        if (i == size) {
            *ok = true;
            return value;
        }
    }
    // Signs, blanks, long or malformed texts: exactly as the reader converts numbers.
    return QStringView(key).mid(position, size).toInt(ok, 10);
}

} // namespace

QStringList sortedIdentifiers(const QSet<QUuid>& ids)
{
    QStringList result;
    result.reserve(ids.size());
    for (const QUuid& id : ids)
        result.append(uuidToString(id));
    std::sort(result.begin(), result.end());
    return result;
}

DatapointKeyRank datapointKeyRank(const QString& key)
{
    // One pass over the key for its "/" separators, without splitting it.
    const QChar* text = key.unicode();
    const int size = key.size();
    int slashes = 0;
    int first = -1;
    int second = -1;
    for (int i = 0; i < size && slashes <= 2; ++i) {
        if (text[i] == QLatin1Char('/')) {
            if (slashes == 0)
                first = i;
            else if (slashes == 1)
                second = i;
            ++slashes;
        }
    }
    bool ok = false;
    if (slashes == 2) {
        // Three parts; one that is not a number counts as 0, as in the group address
        // number. Wide, so that parts far outside their ranges still sort by their value.
        const qint64 main = decimal(key, 0, first, &ok);
        const qint64 middle = decimal(key, first + 1, second - first - 1, &ok);
        const qint64 sub = decimal(key, second + 1, size - second - 1, &ok);
        return {0, (main * 8 + middle) * 256 + sub};
    }
    if (size > 0 && text[0] == QLatin1Char(':')) {
        const int number = decimal(key, 1, size - 1, &ok);
        if (ok)
            return {1, number};
    }
    return {2, 0};
}

bool datapointKeyLess(const QString& a, const QString& b)
{
    return datapointKeyLess(datapointKeyRank(a), a, datapointKeyRank(b), b);
}

QStringList sortedDatapointKeys(QStringList keys)
{
    if (keys.size() < 2)
        return keys;
    // One rank per key, not one per comparison.
    struct Entry
    {
        DatapointKeyRank rank;
        int index;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(keys.size()));
    for (int i = 0; i < keys.size(); ++i)
        entries.push_back(Entry{datapointKeyRank(keys.at(i)), i});
    std::sort(entries.begin(), entries.end(), [&keys](const Entry& a, const Entry& b) {
        return datapointKeyLess(a.rank, keys.at(a.index), b.rank, keys.at(b.index));
    });
    QStringList result;
    result.reserve(keys.size());
    for (const Entry& entry : entries)
        result.append(keys.at(entry.index));
    return result;
}

} // namespace projects
