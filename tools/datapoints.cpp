#include "datapoints.h"

#include "commands.h"
#include "files.h"

#include <QJsonArray>
#include <QJsonDocument>
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

int loadDatapointTable(const QString& path, DatapointTable* table,
                       const QCommandLineParser& parser)
{
    QByteArray bytes;
    if (!readInput(path, inputLimit(parser), &bytes))
        return FileError;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error(QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                  .arg(path, parseError.errorString())
                  .arg(parseError.offset));
        return MalformedInput;
    }
    if (!document.isArray() && !document.object().value(QLatin1String("datapoints")).isArray()) {
        error(QStringLiteral("%1 has no \"datapoints\" array").arg(path));
        return MalformedInput;
    }
    const bool bare = document.isArray();
    const QJsonArray entries =
        bare ? document.array() : document.object().value(QLatin1String("datapoints")).toArray();
    const QString arrayPath = bare ? QStringLiteral("$") : QStringLiteral("$.datapoints");

    QList<Finding> findings;
    QHash<QString, int> firstOfAddress;
    QHash<int, int> firstOfId;
    for (int index = 0; index < entries.size(); ++index) {
        const QJsonObject entry = entries.at(index).toObject();
        const QJsonValue address = entry.value(QLatin1String("address"));
        const QJsonValue id = entry.value(QLatin1String("id"));
        const QString entryPath = QStringLiteral("%1[%2]").arg(arrayPath).arg(index);
        if (!address.isString() || !id.isDouble()) {
            error(QStringLiteral("%1: %2 needs a string \"address\" and a number \"id\"")
                      .arg(path, entryPath));
            return MalformedInput;
        }
        // A datapoint number is a whole number that an int holds; anything else would be
        // turned into another number.
        const double number = id.toDouble();
        if (number != std::floor(number) || number < 0 || number > 2147483647.0) {
            findings.append(Finding(Finding::InvalidTableId, entryPath + QStringLiteral(".id"), -1,
                                    QStringLiteral("%1 is no datapoint number (a whole number "
                                                   "from 0 to 2147483647)")
                                        .arg(QString::number(number, 'g', 17))));
            continue;
        }
        const int datapoint = int(number);
        const QString text = address.toString();
        findings += Validation::checkGroupAddress(text, entryPath + QStringLiteral(".address"));
        if (firstOfAddress.contains(text))
            findings.append(Finding(Finding::DuplicateTableAddress,
                                    entryPath + QStringLiteral(".address"), -1,
                                    QStringLiteral("address %1 is also that of entry %2")
                                        .arg(text)
                                        .arg(firstOfAddress.value(text))));
        else
            firstOfAddress.insert(text, index);
        if (firstOfId.contains(datapoint))
            findings.append(Finding(Finding::DuplicateTableId, entryPath + QStringLiteral(".id"),
                                    -1,
                                    QStringLiteral("datapoint number %1 is also that of entry %2")
                                        .arg(datapoint)
                                        .arg(firstOfId.value(datapoint))));
        else
            firstOfId.insert(datapoint, index);
        // With --force, a later entry replaces an earlier one of the same address or number.
        table->addressToId.insert(text, datapoint);
        const QJsonValue format = entry.value(QLatin1String("format"));
        if (format.isString())
            table->idToFormat.insert(datapoint, format.toString());
    }
    return reportFindings(path, findings, parser, Refuse);
}

} // namespace tool
