#include "datapoints.h"

#include "commands.h"
#include "files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tool {

QString datapointTableHelp()
{
    return QStringLiteral(
        "TABLE.json describes the device's datapoints:\n"
        "  {\"datapoints\": [{\"address\": \"1/1/1\", \"id\": 12, \"format\": \"DPT1\"}, ...]}\n"
        "address is the group address text, id the datapoint's number on the device,\n"
        "format its format name (optional). A bare array of such objects is accepted too.\n");
}

int loadDatapointTable(const QString& path, DatapointTable* table)
{
    QByteArray bytes;
    if (!readInput(path, &bytes))
        return FileError;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error(QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                  .arg(path, parseError.errorString())
                  .arg(parseError.offset));
        return MalformedInput;
    }
    const QJsonArray entries = document.isArray()
                                   ? document.array()
                                   : document.object().value(QLatin1String("datapoints")).toArray();
    if (!document.isArray() && !document.object().value(QLatin1String("datapoints")).isArray()) {
        error(QStringLiteral("%1 has no \"datapoints\" array").arg(path));
        return MalformedInput;
    }
    int index = 0;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QJsonValue address = entry.value(QLatin1String("address"));
        const QJsonValue id = entry.value(QLatin1String("id"));
        if (!address.isString() || !id.isDouble()) {
            error(QStringLiteral("%1: datapoint %2 needs a string \"address\" and a number \"id\"")
                      .arg(path)
                      .arg(index));
            return MalformedInput;
        }
        table->addressToId.insert(address.toString(), id.toInt());
        const QJsonValue format = entry.value(QLatin1String("format"));
        if (format.isString())
            table->idToFormat.insert(id.toInt(), format.toString());
        ++index;
    }
    return Success;
}

} // namespace tool
