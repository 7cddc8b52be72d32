// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_COMMANDS_H
#define CASARINA_TOOLS_COMMANDS_H

#include <QStringList>

namespace tool {

/// The tool's exit statuses.
enum ExitStatus {
    Success = 0,        ///< the command did what was asked
    MalformedInput = 1, ///< an input file is not well-formed XML or JSON
    UsageError = 2,     ///< unknown command, option or missing argument
    FileError = 3       ///< an input cannot be read or an output cannot be written
};

/// Each command takes the arguments with the command name already folded into the first.
int info(const QStringList& arguments);
int rewrite(const QStringList& arguments);
int import(const QStringList& arguments);
int exportScenes(const QStringList& arguments);
int migrate(const QStringList& arguments);
int merge(const QStringList& arguments);
int check(const QStringList& arguments);
int diff(const QStringList& arguments);
int report(const QStringList& arguments);

} // namespace tool

#endif // CASARINA_TOOLS_COMMANDS_H
