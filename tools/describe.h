// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_DESCRIBE_H
#define CASARINA_TOOLS_DESCRIBE_H

// The texts and figures that info and report both show of a project.

#include <QJsonValue>
#include <QMetaEnum>
#include <QString>
#include <QVector>

namespace projects {
class Project;
}

namespace tool {

/// Returns the key of @p value in the enumeration @p Enum, or the number when it has none.
template <typename Enum> QString keyOf(int value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

/// Returns "yes" or "no".
QString yesNo(bool value);

/// Returns @p value with up to six significant digits, as JSON output has it: -0 is 0.
QString numberText(double value);

/// Returns a snapshot value as text: strings as they are, other values as JSON.
QString valueText(const QJsonValue& value);

/// One figure of a project's counts.
struct Count
{
    const char* key;   ///< the member of "counts" in info's JSON document
    const char* words; ///< what the text says after the number
    int number;
};

/// Returns the counts of every kind of element of @p project, in the order info shows them.
QVector<Count> countsOf(const projects::Project& project);

} // namespace tool

#endif // CASARINA_TOOLS_DESCRIBE_H
