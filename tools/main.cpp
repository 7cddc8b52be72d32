// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// casarina-project: the command-line tool for project files.
//
// Exit statuses: 0 success, 1 malformed input, 2 usage error, 3 input that cannot be read
// or output that cannot be written.

#include "commands.h"
#include "files.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

namespace {

const char usage[] =
    "Usage: casarina-project COMMAND [OPTIONS] [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE           show what a project file holds: the project's attributes,\n"
    "                      counts of every kind of element and the building tree\n"
    "  check FILE          tell whether a project file is readable and list, with their\n"
    "                      lines, the elements the reader passes over\n"
    "  diff A.xml B.xml    show what differs between two versions, matched by identifier\n"
    "  rewrite FILE        read a project file and write it back as a whole document\n"
    "  import --building FILE.json [--groups FILE.json]\n"
    "         [--scenes FILE.json --functions MAP.json]\n"
    "                      build a project file from configuration JSON\n"
    "  export-scenes FILE --datapoints TABLE.json [--compiled]\n"
    "                      print the device JSON of every scene's snapshots\n"
    "  migrate FILE --datapoints TABLE.json\n"
    "                      move snapshot values keyed by device number to addresses\n"
    "  report FILE [--date YYYY-MM-DD] [--summer-time eu|none]\n"
    "                      write one HTML page on the project: summary and findings,\n"
    "                      building, a week chart of its time programs, scenes\n"
    "  merge ADMIN.xml PROFILE.xml (--admin | --profile [--keep-own-values]\n"
    "        [--adopt-structure])\n"
    "                      reconcile an administrator's version with a user's profile\n"
    "                      and print the items to delete on the device\n"
    "\n"
    "Commands that write a project or a page take -o OUT; without it they write to\n"
    "standard output (merge writes nothing without -o). An input is replaced only when -o\n"
    "names it. A regular file is replaced once the new content is complete; a device or\n"
    "FIFO is written into.\n"
    "\n"
    "--verbose anywhere shows the library's traces of merges and migrations on stderr.\n"
    "FILE may be \"-\" for standard input. An input larger than 256 MiB is refused;\n"
    "--max-input-size BYTES changes the limit. Run 'casarina-project COMMAND --help' for\n"
    "the options of a command.\n"
    "\n"
    "Exit status: 0 success, 1 malformed input, 2 usage error, 3 a file that cannot be\n"
    "read or written.\n";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("casarina-project"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CASARINA_VERSION));

    QStringList arguments = QCoreApplication::arguments();
    // The tool reports a file the reader cannot read in its own words (parseProject()); the
    // library's traces of merges and migrations are shown only with --verbose.
    QString rules = QStringLiteral("casarina.projects.reader.warning=false\n");
    if (!arguments.removeAll(QStringLiteral("--verbose")))
        rules += QStringLiteral("casarina.projects*.debug=false\ncasarina.projects*.info=false\n");
    QLoggingCategory::setFilterRules(rules);
    if (arguments.size() < 2) {
        QTextStream(stderr) << usage;
        return tool::UsageError;
    }
    const QString command = arguments.at(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        return tool::printOutput(usage);
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        return tool::printOutput("casarina-project " CASARINA_VERSION "\n");
    }
    // The command's own parser sees "casarina-project COMMAND" as its program name.
    arguments.removeAt(1);
    arguments[0] = QStringLiteral("casarina-project ") + command;

    if (command == QLatin1String("info"))
        return tool::info(arguments);
    if (command == QLatin1String("rewrite"))
        return tool::rewrite(arguments);
    if (command == QLatin1String("check"))
        return tool::check(arguments);
    if (command == QLatin1String("diff"))
        return tool::diff(arguments);
    if (command == QLatin1String("import"))
        return tool::import(arguments);
    if (command == QLatin1String("export-scenes"))
        return tool::exportScenes(arguments);
    if (command == QLatin1String("migrate"))
        return tool::migrate(arguments);
    if (command == QLatin1String("merge"))
        return tool::merge(arguments);
    if (command == QLatin1String("report"))
        return tool::report(arguments);

    QTextStream(stderr) << "casarina-project: unknown command '" << command << "'\n\n" << usage;
    return tool::UsageError;
}
