// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// import: a project built from the configuration JSON forms.

#include "commands.h"
#include "files.h"
#include "jsoninput.h"

#include <projects/floor.h>
#include <projects/group.h>
#include <projects/project.h>
#include <projects/scene.h>
#include <projects/validation.h>
#include <projects/common/conversions.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace projects;

namespace tool {

namespace {

// Reports @p findings of the array of @p items, from the input @p path, at the array's
// place in its document.
int reportItemFindings(const QString& path, const JsonItems& items, const QList<Finding>& findings,
                       const QCommandLineParser& parser)
{
    QList<Finding> rebased;
    for (const Finding& finding : findings)
        rebased.append(Finding(finding.kind(), items.location + finding.location().mid(1),
                               finding.line(), finding.text()));
    return reportFindings(path, rebased, parser, Refuse);
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Builds a project from the JSON forms of a configuration source and writes it as a "
        "project file.\n"
        "  --building: an object {\"name\", \"owner\", \"installer\", \"floors\": [floor, ...]}"
        " or a bare array of floors; floors hold \"rooms\", rooms hold \"functions\".\n"
        "  --groups: an array of groups {\"id\", \"name\", \"address\", \"switchtimes\"} (or "
        "an object with \"groups\").\n"
        "  --scenes: an array of scenes {\"id\", \"name\", \"icon\", \"color\", \"favorite\", "
        "\"actions\", \"switchtimes\"} (or an object with \"scenes\"); it needs --functions, "
        "an object that maps each datapoint address to the identifier of its function, "
        "such as {\"1/1/1\": \"_0123...\"}.\n"
        "Floors, rooms and functions without a usable identifier and groups without a "
        "usable address are left out. Without -o the document goes to standard output."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("building"), QStringLiteral("The building JSON."),
                      QStringLiteral("FILE.json")});
    parser.addOption({QStringLiteral("groups"), QStringLiteral("The groups JSON."),
                      QStringLiteral("FILE.json")});
    parser.addOption({QStringLiteral("scenes"), QStringLiteral("The scenes JSON."),
                      QStringLiteral("FILE.json")});
    parser.addOption({QStringLiteral("functions"),
                      QStringLiteral("Datapoint address to function identifier, for --scenes."),
                      QStringLiteral("MAP.json")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write to OUT instead of standard output."),
                      QStringLiteral("OUT")});
    addFormOption(parser);
    addForceOption(parser);
}

// Parses @p arguments; returns -1 when the command is to go on.
int parseArguments(QCommandLineParser& parser, const QStringList& arguments)
{
    const int parsed = parseCommand(parser, arguments, 0, QStringLiteral("no FILE arguments"));
    if (parsed >= 0)
        return parsed;
    if (!parser.isSet(QStringLiteral("building"))) {
        error(QStringLiteral("import needs --building FILE.json and no other arguments; see "
                             "'casarina-project import --help'"));
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("scenes")) != parser.isSet(QStringLiteral("functions"))) {
        error(QStringLiteral("--scenes and --functions go together"));
        return UsageError;
    }
    return -1;
}

// The project of the building JSON @p path: its attributes and floors.
int importBuilding(const QString& path, const QCommandLineParser& parser, Project* project)
{
    JsonItems floors;
    int status = loadItems(path, inputLimit(parser), QStringLiteral("floors"),
                           QStringLiteral("%1 holds no floors: expected an array or an object "
                                          "with a \"floors\" array"),
                           &floors);
    if (status == Success)
        status =
            reportItemFindings(path, floors, Validation::checkFloorsJson(floors.array), parser);
    if (status != Success)
        return status;
    const QJsonObject attributes = floors.document.object();
    *project = Project(attributes.value(QLatin1String("name")).toString());
    project->setOwner(attributes.value(QLatin1String("owner")).toString());
    project->setInstaller(attributes.value(QLatin1String("installer")).toString());
    for (const QJsonValue& value : qAsConst(floors.array)) {
        const Floor floor(value.toObject());
        if (floor.isValid())
            project->floors().append(floor);
    }
    return Success;
}

int importGroups(const QString& path, const QCommandLineParser& parser, Project* project)
{
    JsonItems groups;
    int status = loadItems(path, inputLimit(parser), QStringLiteral("groups"),
                           QStringLiteral("%1 holds no groups array"), &groups);
    if (status == Success)
        status =
            reportItemFindings(path, groups, Validation::checkGroupsJson(groups.array), parser);
    if (status == Success)
        project->groups().append(Group::fromJson(groups.array));
    return status;
}

int importScenes(const QString& scenesPath, const QString& mapPath,
                 const QCommandLineParser& parser, Project* project)
{
    JsonItems scenes;
    QJsonDocument map;
    int status = loadJson(scenesPath, inputLimit(parser), &scenes.document);
    if (status == Success)
        status = loadJson(mapPath, inputLimit(parser), &map);
    if (status == Success)
        status = takeItems(scenesPath, QStringLiteral("scenes"),
                           QStringLiteral("%1 holds no scenes array"), &scenes);
    if (status != Success)
        return status;
    if (!map.isObject()) {
        error(
            QStringLiteral("%1 must be an object of address to function identifier").arg(mapPath));
        return MalformedInput;
    }
    QHash<QString, QUuid> addressToFunction;
    const QJsonObject object = map.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        addressToFunction.insert(it.key(), stringToUuid(it.value().toString()));
    status = reportItemFindings(
        scenesPath, scenes, Validation::checkScenesJson(scenes.array, addressToFunction), parser);
    if (status == Success)
        project->scenes().append(Scene::fromJson(scenes.array, addressToFunction));
    return status;
}

} // namespace

int import(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    const int parsed = parseArguments(parser, arguments);
    if (parsed >= 0)
        return parsed;

    const QString buildingPath = parser.value(QStringLiteral("building"));
    Project project;
    int status = importBuilding(buildingPath, parser, &project);
    if (status == Success && parser.isSet(QStringLiteral("groups")))
        status = importGroups(parser.value(QStringLiteral("groups")), parser, &project);
    if (status == Success && parser.isSet(QStringLiteral("scenes")))
        status = importScenes(parser.value(QStringLiteral("scenes")),
                              parser.value(QStringLiteral("functions")), parser, &project);
    if (status != Success)
        return status;

    // What the inputs say together: identifiers given twice, references to nothing.
    status = reportFindings(buildingPath,
                            Validation::check(project, given(parser, QStringLiteral("standard"))),
                            parser, Refuse);
    if (status != Success)
        return status;

    return writeProject(parser.value(QStringLiteral("output")), project, parser);
}

} // namespace tool
