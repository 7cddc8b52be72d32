// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// diff: what differs between two versions of an installation, matched by identifier.

#include "commands.h"
#include "files.h"

#include <projects/common/records_p.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace projects;
using namespace projects::records;

namespace tool {

namespace {

QString compact(const QJsonValue& value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return QStringLiteral("null");
}

QJsonObject entry(const Record& record)
{
    return QJsonObject{{QStringLiteral("kind"), record.kind},
                       {QStringLiteral("id"), record.id},
                       {QStringLiteral("name"), record.label}};
}

QJsonObject toJson(const Differences& differences)
{
    QJsonArray removed;
    for (const Record& record : differences.removed)
        removed.append(entry(record));
    QJsonArray added;
    for (const Record& record : differences.added)
        added.append(entry(record));
    QJsonArray changed;
    for (const auto& item : differences.changed) {
        QJsonObject fields;
        for (const Change& change : item.second)
            fields.insert(change.field, QJsonObject{{QStringLiteral("old"), change.before},
                                                    {QStringLiteral("new"), change.after}});
        QJsonObject object = entry(item.first);
        object.insert(QStringLiteral("fields"), fields);
        changed.append(object);
    }
    return QJsonObject{{QStringLiteral("added"), added},
                       {QStringLiteral("removed"), removed},
                       {QStringLiteral("changed"), changed}};
}

void printText(QTextStream& out, const Differences& differences)
{
    const auto line = [&out](QChar sign, const Record& record) {
        out << sign << ' ' << record.kind << ' ';
        if (!record.id.isEmpty())
            out << record.id << ' ';
        out << '"' << record.label << "\"\n";
    };
    for (const Record& record : differences.removed)
        line(QLatin1Char('-'), record);
    for (const Record& record : differences.added)
        line(QLatin1Char('+'), record);
    for (const auto& item : differences.changed) {
        line(QLatin1Char('~'), item.first);
        for (const Change& change : item.second)
            out << "    " << change.field << ": " << compact(change.before) << " -> "
                << compact(change.after) << '\n';
    }
    if (differences.isEmpty())
        out << "no differences\n";
}

} // namespace

int diff(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows what differs between two versions of an installation, matched by identifier: "
        "removed (-), added (+) and changed (~) floors, rooms, functions, actuators, groups, "
        "scenes, scene triggers, links and automatic programs, and the project itself, with "
        "the old and new values of each changed field. Objects that share an identifier are "
        "told apart by their order (ID#2, ID#3). Exits with 0 whether or not the versions "
        "differ."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON document.")});
    parser.addPositionalArgument(QStringLiteral("A.xml"), QStringLiteral("The older version."));
    parser.addPositionalArgument(QStringLiteral("B.xml"), QStringLiteral("The newer version."));
    const int parsed = parseCommand(parser, arguments, 2, QStringLiteral("A.xml B.xml"));
    if (parsed >= 0)
        return parsed;
    Project before;
    Project after;
    int status = loadProject(parser.positionalArguments().at(0), &before, parser, GoOn);
    if (status == Success)
        status = loadProject(parser.positionalArguments().at(1), &after, parser, GoOn);
    if (status != Success)
        return status;

    const Differences differences = compare(recordsOf(before), recordsOf(after));
    if (parser.isSet(QStringLiteral("json")))
        return printOutput(QJsonDocument(toJson(differences)).toJson(QJsonDocument::Indented));
    QByteArray bytes;
    {
        QTextStream out(&bytes);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        out.setCodec("UTF-8"); // Qt 6 streams write UTF-8 always
#endif
        printText(out, differences);
    }
    return printOutput(bytes);
}

} // namespace tool
