// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// export-scenes and migrate: the device JSON of scenes, and number keys moved to addresses.

#include "commands.h"
#include "datapoints.h"
#include "files.h"

#include <projects/project.h>
#include <projects/scene.h>
#include <projects/snapshot.h>
#include <projects/common/conversions.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace projects;

namespace tool {

namespace {

// Parses the common options and loads the datapoint table and the project; returns -1
// when the command is to go on.
int loadInputs(QCommandLineParser& parser, const QStringList& arguments, const QString& command,
               DatapointTable* table, Project* project)
{
    parser.setApplicationDescription(parser.applicationDescription() + QStringLiteral("\n\n") +
                                     datapointTableHelp());
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    if (!parser.isSet(QStringLiteral("datapoints"))) {
        error(QStringLiteral("%1 needs --datapoints TABLE.json").arg(command));
        return UsageError;
    }
    int status = loadDatapointTable(parser.value(QStringLiteral("datapoints")), table, parser);
    if (status == Success)
        status = loadProject(parser.positionalArguments().first(), project, parser, Refuse);
    return status == Success ? -1 : status;
}

} // namespace

int exportScenes(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the device JSON of every scene's snapshots: one object per scene with its "
        "identifier, name and steps. Without --compiled the steps are the export form (by "
        "device datapoint number, or by address with display texts when the table is empty); "
        "with --compiled they are the compiled steps with running numbers and formats. Within "
        "a snapshot the steps come by group address number (1/2/0 before 1/10/0)."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("datapoints"),
                      QStringLiteral("The device datapoint table (see above)."),
                      QStringLiteral("TABLE.json")});
    parser.addOption({QStringLiteral("compiled"), QStringLiteral("Print the compiled steps.")});
    addForceOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    DatapointTable table;
    Project project;
    const int status =
        loadInputs(parser, arguments, QStringLiteral("export-scenes"), &table, &project);
    if (status >= 0)
        return status;

    QJsonArray scenes;
    for (const Scene& scene : project.scenes()) {
        QJsonArray steps;
        if (parser.isSet(QStringLiteral("compiled"))) {
            for (const Snapshot& snapshot : scene.snapshots())
                snapshot.compile(table.addressToId, table.idToFormat, &steps);
        } else {
            steps = Snapshot::exportSnapshots(table.addressToId, scene.snapshots());
        }
        scenes.append(QJsonObject{{QStringLiteral("id"), uuidToString(scene.id())},
                                  {QStringLiteral("name"), scene.name()},
                                  {QStringLiteral("steps"), steps}});
    }
    return printOutput(QJsonDocument(scenes).toJson(QJsonDocument::Indented));
}

int migrate(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Moves the snapshot values of older files, keyed by device datapoint number, to the "
        "group addresses of the datapoint table, and writes the project. Numbers the table "
        "does not know are dropped; where several addresses of the table carry one number, "
        "the lowest address (by group address number, 1/2/0 before 1/10/0) takes the value. "
        "Without -o the document goes to standard output."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("datapoints"),
                      QStringLiteral("The device datapoint table (see above)."),
                      QStringLiteral("TABLE.json")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write to OUT instead of standard output."),
                      QStringLiteral("OUT")});
    addFormOption(parser);
    addForceOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    DatapointTable table;
    Project project;
    const int status = loadInputs(parser, arguments, QStringLiteral("migrate"), &table, &project);
    if (status >= 0)
        return status;

    int migrated = 0;
    for (Scene& scene : project.scenes()) {
        for (Snapshot& snapshot : scene.snapshots()) {
            if (snapshot.migrateIdsToAddresses(table.addressToId))
                ++migrated;
        }
    }
    QTextStream(stderr) << "casarina-project: migrated " << migrated << " snapshots\n";

    return writeProject(parser.value(QStringLiteral("output")), project, parser);
}

} // namespace tool
