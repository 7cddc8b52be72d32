// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_DEBUG_P_H
#define PROJECTS_COMMON_DEBUG_P_H

// Internal to the library: the pieces with which the model classes print themselves to
// QDebug, as Qt's own value classes do: "Function(_0a… "Deckenlicht" Switch)". Never
// installed.

#include "conversions.h"
#include "texts_p.h"

#include <QDebug>
#include <QUuid>

namespace projects {

/// An identifier that QDebug prints as its identifier text, without quotes.
struct DebugId
{
    QUuid id;
};

/// Prints @p id as uuidToString() gives it.
inline QDebug operator<<(QDebug debug, DebugId id)
{
    return debug << qUtf8Printable(uuidToString(id.id));
}

/// A value of the enumeration @p Enum that QDebug prints as its bare key ("Switch"), or
/// as its number when it has none.
template <typename Enum> struct DebugKey
{
    int value;
};

/// Prints @p key as its bare key, or its number.
template <typename Enum> QDebug operator<<(QDebug debug, DebugKey<Enum> key)
{
    const QLatin1String text = enumKey<Enum>(key.value);
    if (text.isNull())
        return debug << key.value;
    return debug << text.data();
}

/// Returns @p value as a DebugKey of its own enumeration.
template <typename Enum> DebugKey<Enum> debugKey(Enum value)
{
    return DebugKey<Enum>{int(value)};
}

} // namespace projects

#endif // PROJECTS_COMMON_DEBUG_P_H
