// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_DATAPOINTS_H
#define CASARINA_TOOLS_DATAPOINTS_H

// The device datapoint table the tool reads from TABLE.json:
//
//   { "datapoints": [ { "address": "1/1/1", "id": 12, "format": "DPT1" }, ... ] }
//
// "address" is the group address text, "id" the datapoint's number on the device and
// "format" its format name (optional). A bare array of such objects is accepted too.

#include <QCommandLineParser>
#include <QHash>
#include <QString>

namespace tool {

struct DatapointTable
{
    QHash<QString, int> addressToId;
    QHash<int, QString> idToFormat;
};

/// Reads the table from @p path and checks it: numbers that are no datapoint numbers,
/// malformed or out-of-range addresses, two entries for one address or number. Prints the
/// findings and errors naming the file, and returns an exit status; a table with errors
/// ends the command unless @p parser's command was given --force.
int loadDatapointTable(const QString& path, DatapointTable* table,
                       const QCommandLineParser& parser);

/// The help text describing the table's form.
QString datapointTableHelp();

} // namespace tool

#endif // CASARINA_TOOLS_DATAPOINTS_H
