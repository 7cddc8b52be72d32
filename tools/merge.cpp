// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// merge: reconcile an administrator's version of an installation with a user's profile.

#include "commands.h"
#include "files.h"

#include <projects/deletableitems.h>
#include <projects/project.h>
#include <projects/projectmerge.h>
#include <projects/common/conversions.h>
#include <projects/common/order_p.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

using namespace projects;

namespace tool {

namespace {

template <typename T> QJsonArray sortedArray(const QSet<T>& set)
{
    QList<T> values = set.values();
    std::sort(values.begin(), values.end());
    QJsonArray result;
    for (const T& value : qAsConst(values))
        result.append(value);
    return result;
}

QJsonArray sortedArray(const QSet<QUuid>& set)
{
    return QJsonArray::fromStringList(sortedIdentifiers(set));
}

// The command's description, options and arguments.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Reconciles an administrator's version of an installation with a user's profile and "
        "prints the items to delete on the device as JSON (timers, simulations, jobs, "
        "triggers).\n"
        "  --admin: the user's project (PROFILE.xml) takes over the administrator's "
        "schedules, simulations and run-on-vacation choices from ADMIN.xml for its "
        "functions (matched by floor, room and function identifier), groups and automatic "
        "programs; the timers of every changed schedule and every replaced simulation with "
        "its jobs are to be deleted.\n"
        "  --profile: the administrator's project (ADMIN.xml) takes over the user's names, "
        "icons, colours and schedules from PROFILE.xml; the user's scenes, links and "
        "automatic programs are taken over too. With --keep-own-values the administrator's "
        "names stay and the timers of what only the profile has are to be deleted; with "
        "--adopt-structure the floors, rooms and functions follow the profile. Scene "
        "triggers the administrator's project no longer has are deleted with their jobs.\n"
        "The merged project is written to OUT with -o; without -o nothing is written."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("admin"), QStringLiteral("Merge the administrator's settings.")});
    parser.addOption({QStringLiteral("profile"), QStringLiteral("Merge the user's profile.")});
    parser.addOption({QStringLiteral("keep-own-values"),
                      QStringLiteral("With --profile: keep the administrator's names and icons.")});
    parser.addOption({QStringLiteral("adopt-structure"),
                      QStringLiteral("With --profile: follow the profile's floors, rooms and "
                                     "functions.")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write the merged project to OUT."),
                      QStringLiteral("OUT")});
    parser.addPositionalArgument(QStringLiteral("ADMIN.xml"),
                                 QStringLiteral("The administrator's project file."));
    parser.addPositionalArgument(QStringLiteral("PROFILE.xml"),
                                 QStringLiteral("The user's project file."));
    addFormOption(parser);
    addForceOption(parser);
}

// The items to delete as the command prints them, each list sorted.
QJsonObject report(const DeletableItems& items)
{
    QJsonObject result;
    result.insert(QStringLiteral("timers"), sortedArray(items.timers()));
    result.insert(QStringLiteral("simulations"), sortedArray(items.simulations()));
    result.insert(QStringLiteral("jobs"), sortedArray(items.jobs()));
    result.insert(QStringLiteral("triggers"), sortedArray(items.triggers()));
    return result;
}

} // namespace

int merge(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    int status = parseCommand(parser, arguments, 2, QStringLiteral("ADMIN.xml PROFILE.xml"));
    if (status >= 0)
        return status;
    const bool admin = parser.isSet(QStringLiteral("admin"));
    ProjectMerge merge;
    merge.setKeepOwnValues(parser.isSet(QStringLiteral("keep-own-values")));
    merge.setAdoptStructure(parser.isSet(QStringLiteral("adopt-structure")));
    if (admin == parser.isSet(QStringLiteral("profile")) ||
        (admin && (merge.keepOwnValues() || merge.adoptStructure()))) {
        error(QStringLiteral("merge takes ADMIN.xml PROFILE.xml and either --admin or --profile "
                             "[--keep-own-values] [--adopt-structure]; see "
                             "'casarina-project merge --help'"));
        return UsageError;
    }
    if (parser.value(QStringLiteral("output")) == QLatin1String("-")) {
        error(QStringLiteral("merge prints its report on standard output; -o - would mix the "
                             "merged project into it"));
        return UsageError;
    }

    Project adminProject;
    Project profileProject;
    status = loadProject(parser.positionalArguments().at(0), &adminProject, parser, Refuse);
    if (status == Success)
        status = loadProject(parser.positionalArguments().at(1), &profileProject, parser, Refuse);
    if (status != Success)
        return status;

    // --admin changes the user's project, --profile the administrator's.
    QJsonObject printed;
    Project& result = admin ? profileProject : adminProject;
    if (admin) {
        bool changed = false;
        printed = report(merge.applyAdminSettings(profileProject, adminProject, &changed));
        printed.insert(QStringLiteral("changed"), changed);
    } else {
        printed = report(merge.applyProfile(adminProject, profileProject));
    }

    if (parser.isSet(QStringLiteral("output"))) {
        status = writeProject(parser.value(QStringLiteral("output")), result, parser);
        if (status != Success)
            return status;
    }
    return printOutput(QJsonDocument(printed).toJson(QJsonDocument::Indented));
}

} // namespace tool
