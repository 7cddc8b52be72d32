// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_VALUETEXT_P_H
#define PROJECTS_COMMON_VALUETEXT_P_H

// Internal to the library: the text forms of snapshot values. Not installed.

#include <QHash>
#include <QJsonValue>
#include <QString>

namespace projects {

/**
 * @brief Returns the text of a snapshot value.
 *
 * With @p fileForm the project-file form: strings get a "#" prefix so that they keep
 * their type when read back, numbers have at most six significant digits. Otherwise the
 * display form: strings unchanged and numbers written after the datapoint type that the
 * address plan gives for @p groupAddressNumber (-1 or out of range: no type). Null,
 * booleans, arrays, objects and undefined are written alike in both forms.
 */
QString snapshotValueToText(const QJsonValue& value, int groupAddressNumber, bool fileForm);

/**
 * @brief Reads the file form of a snapshot value.
 *
 * Keywords null, undefined, true and false in any letter case, then numbers, then
 * "#"-prefixed strings, then JSON arrays and objects; any other text is null, and so is
 * JSON in which an object has two members of one name (Qt 5.15's parser would leak the
 * values it drops).
 */
QJsonValue snapshotValueFromText(const QString& text);

/**
 * @brief Returns the KNX datapoint type name ("DPT1", "DPT3", "DPT5", "DPT9") of the
 * three-level address @p text after the installation's address plan of main groups 1
 * to 6, or a null string when the plan gives none.
 *
 * Cells of the plan that depend on the single address take the entry of @p table under
 * the group address number.
 */
QString dptForAddress(const QString& text, const QHash<int, QString>& table);

/**
 * @brief Returns @c true if @p text holds no surrogate outside a high-low pair.
 * @see validText()
 */
bool isValidText(const QString& text);

/**
 * @brief Returns @p text with every surrogate outside a high-low pair replaced by U+FFFD.
 *
 * Qt's SAX parser lets character references to such surrogates through, and JSON escapes
 * can hold them; written with QXmlStreamWriter, one loses the rest of the document. Texts
 * from files and JSON pass through here, as invalid UTF-8 becomes U+FFFD on reading.
 */
QString validText(const QString& text);

} // namespace projects

#endif // PROJECTS_COMMON_VALUETEXT_P_H
