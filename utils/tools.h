// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef UTILS_TOOLS_H
#define UTILS_TOOLS_H

#include <utils/utils_export.h>

#include <QString>
#include <QVariant>

namespace utils {

/**
 * @brief Small conversions shared by the Casarina libraries.
 *
 * The class holds no data; every operation is static and depends only on its arguments.
 */
class UTILS_EXPORT Tools
{
public:
    /**
     * @brief Returns @p text converted to a QVariant of @p type.
     *
     * Numbers (Int, UInt, LongLong, ULongLong in base 10; Double with a "." decimal
     * point) ignore surrounding white space. Bool accepts "true", "false", "yes", "no",
     * "1" and "0" in any letter case. String keeps the text as it is; ByteArray holds its
     * UTF-8 bytes; Char needs exactly one character. Date, Time and DateTime are read in
     * ISO 8601 form ("2021-03-04", "06:30:00", "2021-03-04T06:30:00"). Url is parsed
     * strictly and must not be empty. Uuid accepts QUuid's text forms, with or without
     * braces. StringList splits the text at "," and trims each part; empty parts are
     * kept and the empty text gives an empty list. Any other type is tried with
     * QVariant::convert() from the text.
     *
     * QVariant::Invalid (for example the type of a type name that Qt does not know)
     * gives the text as a String variant, so nothing of the value is lost. Text that does
     * not convert to @p type, among them the null identifier text for Uuid, gives an
     * invalid QVariant (isValid() false).
     */
    // QVariant::Type is deprecated in Qt 6 but stays this function's parameter on both.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    static QVariant stringToVariant(const QString& text, QVariant::Type type);
    QT_WARNING_POP
};

} // namespace utils

#endif // UTILS_TOOLS_H
