// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "valuetext_p.h"

#include "conversions.h"
#include "texts_p.h"

#include <QByteArray>
#include <QChar>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLatin1String>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <cmath>

namespace projects {

namespace {

// A cell of the address plan whose type depends on the single address.
const char* const ByAddress = "table";

// Rows are main groups 1 to 6; columns middle groups 0 to 7, then any other middle group.
const char* const AddressPlan[6][9] = {
    {"DPT1", "DPT1", "DPT1", ByAddress, "DPT1", "DPT1", "DPT1", "DPT1", "DPT1"},
    {"DPT1", "DPT3", "DPT5", "DPT5", "DPT1", "DPT5", ByAddress, ByAddress, nullptr},
    {"DPT1", "DPT1", "DPT5", "DPT5", "DPT5", "DPT5", "DPT1", nullptr, nullptr},
    {"DPT9", "DPT9", "DPT5", "DPT9", "DPT1", "DPT9", "DPT5", nullptr, nullptr},
    {nullptr, "DPT1", "DPT1", nullptr, "DPT1", "DPT5", nullptr, nullptr, nullptr},
    {"DPT1", "DPT5", "DPT9", "DPT5", "DPT1", "DPT1", "DPT1", "DPT1", nullptr},
};

QString displayNumber(double number, int groupAddressNumber)
{
    QString type;
    if (groupAddressNumber >= 0 && groupAddressNumber <= 0xFFFF)
        type = dptForAddress(groupAddressToText(groupAddressNumber), QHash<int, QString>());

    if (type == QLatin1String("DPT5")) {
        // Percent of the byte range; halves round up.
        return QString::number(std::floor(number * 100.0 / 255.0 + 0.5), 'f', 0) + QLatin1Char('%');
    }
    if (type == QLatin1String("DPT1"))
        return trueFalseText(number != 0.0);
    if (type == QLatin1String("DPT9"))
        return QString::number(number, 'f', 1);
    return QString::number(number, 'g', 6);
}

// Whether the JSON text @p json holds an object with two members of one name. Qt 5.15's
// parser leaks the values it drops for such names, so a file could make every read cost
// memory that is never returned. Strings are decoded as the parser decodes them (unknown
// escapes stand for their character); malformed text may be misjudged, but the parser
// refuses it anyway.
bool hasDuplicateNames(const QByteArray& json)
{
    struct Level
    {
        bool object = false;
        bool expectName = false;
        QSet<QString> names;
    };
    QVector<Level> levels;
    const int size = json.size();
    for (int i = 0; i < size; ++i) {
        switch (json.at(i)) {
        case '{':
            levels.append(Level{true, true, {}});
            break;
        case '[':
            levels.append(Level{});
            break;
        case '}':
        case ']':
            if (!levels.isEmpty())
                levels.removeLast();
            break;
        case ',':
            if (!levels.isEmpty() && levels.last().object)
                levels.last().expectName = true;
            break;
        case '"': {
            QString name;
            QByteArray pending; // raw bytes, decoded as UTF-8 together
            for (++i; i < size && json.at(i) != '"'; ++i) {
                if (json.at(i) != '\\' || i + 1 == size) {
                    pending += json.at(i);
                    continue;
                }
                name += QString::fromUtf8(pending);
                pending.clear();
                const char escaped = json.at(++i);
                bool isHex = false;
                const ushort unit = escaped == 'u' ? json.mid(i + 1, 4).toUShort(&isHex, 16) : 0;
                if (isHex) {
                    name += QChar(unit);
                    i += 4;
                    continue;
                }
                const int shortForm = QByteArray::fromRawData("bfnrt", 5).indexOf(escaped);
                name += QLatin1Char(shortForm >= 0 ? "\b\f\n\r\t"[shortForm] : escaped);
            }
            name += QString::fromUtf8(pending);
            if (!levels.isEmpty() && levels.last().expectName) {
                if (levels.last().names.contains(name))
                    return true;
                levels.last().names.insert(name);
                levels.last().expectName = false;
            }
            break;
        }
        default:
            break;
        }
    }
    return false;
}

} // namespace

QString snapshotValueToText(const QJsonValue& value, int groupAddressNumber, bool fileForm)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return trueFalseText(value.toBool());
    case QJsonValue::Double:
        if (fileForm)
            return QString::number(value.toDouble(), 'g', 6);
        return displayNumber(value.toDouble(), groupAddressNumber);
    case QJsonValue::String:
        return QStringLiteral("%1%2").arg(fileForm ? QStringLiteral("#") : QString(),
                                          value.toString());
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("undefined");
}

QJsonValue snapshotValueFromText(const QString& text)
{
    if (text.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0)
        return QJsonValue(QJsonValue::Null);
    if (text.compare(QLatin1String("undefined"), Qt::CaseInsensitive) == 0)
        return QJsonValue(QJsonValue::Undefined);
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return QJsonValue(true);
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return QJsonValue(false);

    // Numbers come before the "#" rule: only the prefix makes a string.
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (isNumber)
        return QJsonValue(number);
    if (text.startsWith(QLatin1Char('#')))
        return QJsonValue(text.mid(1));

    const QByteArray json = text.toLatin1();
    if (hasDuplicateNames(json))
        return QJsonValue(QJsonValue::Null);
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isArray())
        return QJsonValue(document.array());
    if (document.isObject())
        return QJsonValue(document.object());
    return QJsonValue(QJsonValue::Null);
}

QString dptForAddress(const QString& text, const QHash<int, QString>& table)
{
    const QStringList parts = text.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() != 3)
        return QString();
    const int main = parts.at(0).toInt();
    const int middle = parts.at(1).toInt();
    if (main < 1 || main > 6)
        return QString();

    const int column = middle >= 0 && middle <= 7 ? middle : 8;
    const char* const cell = AddressPlan[main - 1][column];
    if (!cell)
        return QString();
    if (cell == ByAddress)
        return table.value(groupAddressFromText(text));
    return QLatin1String(cell);
}

namespace {

// The index of the first surrogate of @p text outside a high-low pair, from @p from on;
// the size of @p text when there is none.
int unpairedSurrogate(const QString& text, int from)
{
    const int size = text.size();
    for (int i = from; i < size; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            return i;
    }
    return size;
}

} // namespace

bool isValidText(const QString& text)
{
    return unpairedSurrogate(text, 0) == text.size();
}

QString validText(const QString& text)
{
    int at = unpairedSurrogate(text, 0);
    if (at == text.size())
        return text;
    QString valid = text;
    while (at < valid.size()) {
        valid[at] = QChar::ReplacementCharacter;
        at = unpairedSurrogate(valid, at + 1);
    }
    return valid;
}

} // namespace projects
