// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// rewrite: read a project file and write it back through ProjectWriter.

#include "commands.h"
#include "files.h"

#include <projects/project.h>

#include <QCommandLineParser>

using namespace projects;

namespace tool {

int rewrite(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads a project file and writes it back as a whole document, in the "
                       "order the reader expects. Without -o the document goes to standard "
                       "output; the input is replaced only when -o names it."));
    parser.addHelpOption();
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write to OUT instead of standard output."),
                      QStringLiteral("OUT")});
    parser.addOption({QStringLiteral("no-vacation"),
                      QStringLiteral("Leave out the run-on-vacation attributes, the scenes' "
                                     "switch times and the vacation flag.")});
    addFormOption(parser);
    addForceOption(parser);
    Project project;
    const int status = parseAndLoadProject(parser, arguments, &project, Refuse);
    if (status >= 0)
        return status;

    return writeProject(parser.value(QStringLiteral("output")), project, parser,
                        !parser.isSet(QStringLiteral("no-vacation")));
}

} // namespace tool
