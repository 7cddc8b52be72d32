// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "jsoninput.h"

#include "commands.h"
#include "files.h"

#include <QJsonObject>

namespace tool {

int loadJson(const QString& path, qint64 limit, QJsonDocument* document)
{
    QByteArray bytes;
    if (!readInput(path, limit, &bytes))
        return FileError;
    QJsonParseError parseError;
    *document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error(QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                  .arg(path, parseError.errorString())
                  .arg(parseError.offset));
        return MalformedInput;
    }
    return Success;
}

int takeItems(const QString& path, const QString& key, const QString& missing, JsonItems* items)
{
    if (items->document.isArray()) {
        items->array = items->document.array();
        items->location = QStringLiteral("$");
        return Success;
    }
    const QJsonValue value = items->document.object().value(key);
    if (!value.isArray()) {
        error(missing.arg(path));
        return MalformedInput;
    }
    items->array = value.toArray();
    items->location = QStringLiteral("$.") + key;
    return Success;
}

int loadItems(const QString& path, qint64 limit, const QString& key, const QString& missing,
              JsonItems* items)
{
    const int status = loadJson(path, limit, &items->document);
    return status == Success ? takeItems(path, key, missing, items) : status;
}

} // namespace tool
