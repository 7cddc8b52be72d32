// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "datapoints.h"

#include "commands.h"
#include "files.h"
#include "jsoninput.h"

#include <QJsonObject>

#include <projects/finding.h>
#include <projects/validation.h>

#include <cmath>

using namespace projects;

namespace tool {

QString datapointTableHelp()
{
    return QStringLiteral(
        "TABLE.json describes the device's datapoints:\n"
        "  {\"datapoints\": [{\"address\": \"1/1/1\", \"id\": 12, \"format\": \"DPT1\"}, ...]}\n"
        "address is the group address text, id the datapoint's number on the device,\n"
        "format its format name (optional). A bare array of such objects is accepted too.\n");
}

namespace {

// Fills a datapoint table entry by entry and keeps what is wrong with the entries.
class TableEntries
{
public:
    explicit TableEntries(DatapointTable* table) : m_table(table) {}

    /// Adds the entry @p index, found at @p entryPath; returns @c false when it has no
    /// address text and number at all.
    bool add(int index, const QJsonObject& entry, const QString& entryPath)
    {
        const QJsonValue address = entry.value(QLatin1String("address"));
        const QJsonValue id = entry.value(QLatin1String("id"));
        if (!address.isString() || !id.isDouble())
            return false;
        // A datapoint number is a whole number that an int holds; anything else would be
        // turned into another number.
        const double number = id.toDouble();
        if (number != std::floor(number) || number < 0 || number > 2147483647.0) {
            findings.append(Finding(Finding::InvalidTableId, entryPath + QStringLiteral(".id"), -1,
                                    QStringLiteral("%1 is no datapoint number (a whole number "
                                                   "from 0 to 2147483647)")
                                        .arg(QString::number(number, 'g', 17))));
            return true;
        }
        const int datapoint = int(number);
        const QString text = address.toString();
        findings += Validation::checkGroupAddress(text, entryPath + QStringLiteral(".address"));
        checkUnique(index, text, datapoint, entryPath);
        // With --force, a later entry replaces an earlier one of the same address or number.
        m_table->addressToId.insert(text, datapoint);
        const QJsonValue format = entry.value(QLatin1String("format"));
        if (format.isString())
            m_table->idToFormat.insert(datapoint, format.toString());
        return true;
    }

    QList<Finding> findings;

private:
    void checkUnique(int index, const QString& address, int datapoint, const QString& entryPath)
    {
        if (m_firstOfAddress.contains(address))
            findings.append(Finding(Finding::DuplicateTableAddress,
                                    entryPath + QStringLiteral(".address"), -1,
                                    QStringLiteral("address %1 is also that of entry %2")
                                        .arg(address)
                                        .arg(m_firstOfAddress.value(address))));
        else
            m_firstOfAddress.insert(address, index);
        if (m_firstOfId.contains(datapoint))
            findings.append(Finding(Finding::DuplicateTableId, entryPath + QStringLiteral(".id"),
                                    -1,
                                    QStringLiteral("datapoint number %1 is also that of entry %2")
                                        .arg(datapoint)
                                        .arg(m_firstOfId.value(datapoint))));
        else
            m_firstOfId.insert(datapoint, index);
    }

    DatapointTable* m_table;
    QHash<QString, int> m_firstOfAddress;
    QHash<int, int> m_firstOfId;
};

} // namespace

int loadDatapointTable(const QString& path, DatapointTable* table, const QCommandLineParser& parser)
{
    JsonItems entries;
    const int status = loadItems(path, inputLimit(parser), QStringLiteral("datapoints"),
                                 QStringLiteral("%1 has no \"datapoints\" array"), &entries);
    if (status != Success)
        return status;
    TableEntries reader(table);
    for (int index = 0; index < entries.array.size(); ++index) {
        const QString entryPath = QStringLiteral("%1[%2]").arg(entries.location).arg(index);
        if (!reader.add(index, entries.array.at(index).toObject(), entryPath)) {
            error(QStringLiteral("%1: %2 needs a string \"address\" and a number \"id\"")
                      .arg(path, entryPath));
            return MalformedInput;
        }
    }
    return reportFindings(path, reader.findings, parser, Refuse);
}

} // namespace tool
