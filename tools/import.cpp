// import: a project built from the configuration JSON forms.

#include "commands.h"
#include "files.h"

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

// An array of items, given either as the document itself or under @p key of an object.
bool arrayOf(const QJsonDocument& document, const QString& key, QJsonArray* array)
{
    if (document.isArray()) {
        *array = document.array();
        return true;
    }
    const QJsonValue value = document.object().value(key);
    *array = value.toArray();
    return value.isArray();
}

// @p findings of an array that stands at @p arrayPath in its document ("$" for a bare
// array, "$.floors" for the array under "floors").
QList<Finding> rebased(const QList<Finding>& findings, const QString& arrayPath)
{
    QList<Finding> result;
    for (const Finding& finding : findings)
        result.append(Finding(finding.kind(), arrayPath + finding.location().mid(1), finding.line(),
                              finding.text()));
    return result;
}

// Checks the array of @p document under @p key with @p check and reports what it finds.
template <typename Check>
int checkArray(const QString& path, const QJsonDocument& document, const QString& key,
               const QJsonArray& array, const QCommandLineParser& parser, Check check)
{
    const QString arrayPath =
        document.isArray() ? QStringLiteral("$") : QStringLiteral("$.") + key;
    return reportFindings(path, rebased(check(array), arrayPath), parser, Refuse);
}

} // namespace

int import(const QStringList& arguments)
{
    QCommandLineParser parser;
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

    const QString buildingPath = parser.value(QStringLiteral("building"));
    QJsonDocument building;
    int status = loadJson(buildingPath, inputLimit(parser), &building);
    if (status != Success)
        return status;
    QJsonArray floors;
    if (!arrayOf(building, QStringLiteral("floors"), &floors)) {
        error(QStringLiteral("%1 holds no floors: expected an array or an object with a "
                             "\"floors\" array")
                  .arg(buildingPath));
        return MalformedInput;
    }
    status = checkArray(buildingPath, building, QStringLiteral("floors"), floors, parser,
                        &Validation::checkFloorsJson);
    if (status != Success)
        return status;
    const QJsonObject attributes = building.object();
    Project project(attributes.value(QLatin1String("name")).toString());
    project.setOwner(attributes.value(QLatin1String("owner")).toString());
    project.setInstaller(attributes.value(QLatin1String("installer")).toString());
    for (const QJsonValue& value : qAsConst(floors)) {
        const Floor floor(value.toObject());
        if (floor.isValid())
            project.floors().append(floor);
    }

    if (parser.isSet(QStringLiteral("groups"))) {
        const QString path = parser.value(QStringLiteral("groups"));
        QJsonDocument groups;
        status = loadJson(path, inputLimit(parser), &groups);
        if (status != Success)
            return status;
        QJsonArray array;
        if (!arrayOf(groups, QStringLiteral("groups"), &array)) {
            error(QStringLiteral("%1 holds no groups array").arg(path));
            return MalformedInput;
        }
        status = checkArray(path, groups, QStringLiteral("groups"), array, parser,
                            &Validation::checkGroupsJson);
        if (status != Success)
            return status;
        project.groups().append(Group::fromJson(array));
    }

    if (parser.isSet(QStringLiteral("scenes"))) {
        const QString scenesPath = parser.value(QStringLiteral("scenes"));
        const QString mapPath = parser.value(QStringLiteral("functions"));
        QJsonDocument scenes;
        QJsonDocument map;
        status = loadJson(scenesPath, inputLimit(parser), &scenes);
        if (status == Success)
            status = loadJson(mapPath, inputLimit(parser), &map);
        if (status != Success)
            return status;
        QJsonArray array;
        if (!arrayOf(scenes, QStringLiteral("scenes"), &array)) {
            error(QStringLiteral("%1 holds no scenes array").arg(scenesPath));
            return MalformedInput;
        }
        if (!map.isObject()) {
            error(QStringLiteral("%1 must be an object of address to function identifier")
                      .arg(mapPath));
            return MalformedInput;
        }
        QHash<QString, QUuid> addressToFunction;
        const QJsonObject object = map.object();
        for (auto it = object.begin(); it != object.end(); ++it)
            addressToFunction.insert(it.key(), stringToUuid(it.value().toString()));
        status = checkArray(scenesPath, scenes, QStringLiteral("scenes"), array, parser,
                            [&addressToFunction](const QJsonArray& scenesArray) {
                                return Validation::checkScenesJson(scenesArray, addressToFunction);
                            });
        if (status != Success)
            return status;
        project.scenes().append(Scene::fromJson(array, addressToFunction));
    }

    // What the inputs say together: identifiers given twice, references to nothing.
    status = reportFindings(buildingPath, Validation::check(project, given(parser, QStringLiteral("standard"))),
                            parser, Refuse);
    if (status != Success)
        return status;

    return writeProject(parser.value(QStringLiteral("output")), project, parser);
}

} // namespace tool
