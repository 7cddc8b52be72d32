// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_TEXTS_P_H
#define PROJECTS_COMMON_TEXTS_P_H

// Internal to the library: the text forms of attribute values that several writers and
// readers share (booleans, date-times, enumeration keys), each in one place. Never installed.

#include <QByteArray>
#include <QDateTime>
#include <QLatin1String>
#include <QMetaEnum>
#include <QString>

namespace projects {

/// Returns "true" or "false", the boolean text of most elements of the project file.
inline QString trueFalseText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

/// Returns "yes" or "no", the boolean text of scenes, links and automatic programs.
inline QString yesNoText(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

/// Returns @c true if the system locale writes ASCII digits, so that dateTimeText() may
/// build its text without Qt's formatter; asked once per element, not per date-time.
bool systemHasAsciiDigits();

/**
 * @brief Returns the text of @p value in the date-time form of the project file,
 * "yyyy-MM-dd HH:mm:ss" as QDateTime::toString() writes it; an invalid date-time gives
 * the empty text.
 *
 * With @p asciiDigits (see systemHasAsciiDigits()) the text is built directly, to the
 * same result.
 * @see dateTimeFromText()
 */
QString dateTimeText(const QDateTime& value, bool asciiDigits);

/// @overload
inline QString dateTimeText(const QDateTime& value)
{
    return dateTimeText(value, systemHasAsciiDigits());
}

/**
 * @brief Reads a date-time of the form "yyyy-MM-dd HH:mm:ss" in local time; any other
 * text gives an invalid QDateTime.
 * @see dateTimeText()
 */
QDateTime dateTimeFromText(const QString& text);

/// Returns the key of @p value in the enumeration @p Enum, or a null text when it has none
/// (written as the empty text).
template <typename Enum> QLatin1String enumKey(int value)
{
    return QLatin1String(QMetaEnum::fromType<Enum>().valueToKey(value));
}

/// Returns the key of @p value in the enumeration @p Enum, or its decimal number when it
/// has none, so that values outside the enumeration are written back as they were read.
template <typename Enum> QString enumKeyOrNumber(int value)
{
    const QLatin1String key = enumKey<Enum>(value);
    return key.isNull() ? QString::number(value) : QString(key);
}

/**
 * @brief Returns the value of the key @p key of the enumeration @p Enum, or -1 when it is
 * none; @p ok, when given, tells which.
 *
 * Keys are compared exactly. QMetaEnum also takes keys scoped with their class
 * ("Link::App"), which are no keys of the file or the JSON: a text with a ":" is refused.
 */
template <typename Enum> int enumValue(const QString& key, bool* ok = nullptr)
{
    if (ok)
        *ok = false;
    if (key.contains(QLatin1Char(':')))
        return -1;
    const QByteArray latin1 = key.toLatin1();
    return QMetaEnum::fromType<Enum>().keyToValue(latin1.constData(), ok);
}

} // namespace projects

#endif // PROJECTS_COMMON_TEXTS_P_H
