// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_CONVERSIONS_H
#define PROJECTS_COMMON_CONVERSIONS_H

#include <projects/projects_export.h>

#include <QLatin1String>
#include <QString>
#include <QUuid>

/**
 * @file conversions.h
 * @brief The text forms shared by the project file and the configuration JSON.
 */

namespace projects {

/**
 * @brief Returns the identifier text of @p id: "_" followed by the 32 lower-case
 * hexadecimal digits of its RFC 4122 bytes, without braces or dashes.
 *
 * The null identifier gives "_" followed by 32 zeros.
 * @see stringToUuid()
 */
PROJECTS_EXPORT QString uuidToString(const QUuid& id);

/**
 * @brief Reads an identifier text back into a QUuid.
 *
 * The first character is dropped whatever it is; characters of the rest that are not
 * hexadecimal digits are skipped. Anything that does not give exactly 16 bytes
 * gives the null QUuid.
 * @see uuidToString()
 */
PROJECTS_EXPORT QUuid stringToUuid(const QString& text);

/**
 * @brief Returns @c true if @p text is "yes", "true" or "1", ignoring letter case.
 *
 * Anything else, the empty text included, is @c false.
 */
PROJECTS_EXPORT bool stringToBool(const QString& text);

/**
 * @brief Returns the group address number of a three-level KNX address text.
 *
 * The text is split at "/" (empty parts kept); with exactly three parts the result is
 * (main × 8 + middle) × 256 + sub, each part read as a decimal integer (0 when it is no
 * number). Any other text gives -1.
 * @see groupAddressToText()
 */
PROJECTS_EXPORT int groupAddressFromText(const QString& text);

/**
 * @brief Returns the three-level text ("main/middle/sub") of the low 16 bits of
 * @p address: bits 15 to 11, 10 to 8 and 7 to 0.
 * @see groupAddressFromText()
 */
PROJECTS_EXPORT QString groupAddressToText(int address);

/**
 * @brief Returns @c true if the element or namespace name @p name equals @p expected,
 * ignoring letter case, as the project file reader compares names.
 */
inline bool nameIs(const QString& name, QLatin1String expected)
{
    // Case folding maps each UTF-16 unit to one unit, so names of different lengths never
    // match; the readers test every element against a list of names, and most tests end
    // here. ASCII letters fold to their lower case; a name with any other character (some
    // fold to ASCII letters) is left to QString's full comparison.
    const int size = expected.size();
    if (name.size() != size)
        return false;
    const QChar* const units = name.constData();
    const char* const latin1 = expected.data();
    for (int i = 0; i < size; ++i) {
        ushort a = units[i].unicode();
        ushort b = uchar(latin1[i]);
        if (a >= 0x80 || b >= 0x80)
            return name.compare(expected, Qt::CaseInsensitive) == 0;
        if (a >= 'A' && a <= 'Z')
            a += 'a' - 'A';
        if (b >= 'A' && b <= 'Z')
            b += 'a' - 'A';
        if (a != b)
            return false;
    }
    return true;
}

/** @overload */
inline bool nameIs(const QString& name, const char* expected)
{
    return nameIs(name, QLatin1String(expected));
}

} // namespace projects

#endif // PROJECTS_COMMON_CONVERSIONS_H
