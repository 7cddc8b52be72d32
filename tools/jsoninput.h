// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_JSONINPUT_H
#define CASARINA_TOOLS_JSONINPUT_H

// The JSON inputs of the commands: the configuration forms and the datapoint table.

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

namespace tool {

/// Reads, up to @p limit bytes, and parses the JSON document @p path ("-" for standard
/// input). Prints a message naming the file when it cannot be read or is no JSON; returns
/// an exit status.
int loadJson(const QString& path, qint64 limit, QJsonDocument* document);

/// A JSON input that holds an array of items, as the document itself or under a key of
/// its object.
struct JsonItems
{
    QJsonDocument document;
    QJsonArray array;
    QString location; ///< where the array stands: "$" or "$.KEY"
};

/// Takes the array of @p items' document, the document itself or the array under @p key
/// of its object. Where there is none, prints @p missing with the input @p path for its
/// "%1" and returns MalformedInput; otherwise Success.
int takeItems(const QString& path, const QString& key, const QString& missing, JsonItems* items);

/// Loads @p path into @p items (loadJson(), up to @p limit bytes) and takes its array
/// (takeItems()); returns an exit status.
int loadItems(const QString& path, qint64 limit, const QString& key, const QString& missing,
              JsonItems* items);

} // namespace tool

#endif // CASARINA_TOOLS_JSONINPUT_H
