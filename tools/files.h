// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_FILES_H
#define CASARINA_TOOLS_FILES_H

// Reading inputs and writing outputs for the commands, with their error messages.

#include <projects/project.h>

#include <projects/finding.h>
#include <projects/reader/readerdiagnostics.h>

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>

namespace tool {

/// Returns the input limit in bytes that the command parsed by @p parser was given with
/// --max-input-size (see parseCommand()), or the default of 256 MiB.
qint64 inputLimit(const QCommandLineParser& parser);

/// Reads the whole of @p path ("-" for standard input), which may hold at most @p limit
/// bytes (inputLimit()). On failure, and when the input is larger, prints a message naming
/// the file on stderr and returns false.
bool readInput(const QString& path, qint64 limit, QByteArray* bytes);

/// Parses a project file already read into @p bytes, telling @p diagnostics (if any) what
/// the reader passes over. On a malformed document prints the reader's error with its line
/// and column, naming @p path, and returns false.
bool parseProject(const QString& path, const QByteArray& bytes, projects::Project* project,
                  projects::ReaderDiagnostics* diagnostics = nullptr);

/// A diagnostics receiver that keeps the findings of a parse; what is passed over is left to
/// subclasses.
class Findings : public projects::ReaderDiagnostics
{
public:
    void passedOver(Kind, int, const QString&, const QString&) override {}
    void found(const projects::Finding& finding) override { list.append(finding); }

    QList<projects::Finding> list;
};

/// Adds the option --force, which lets a command go on although its input has errors.
void addForceOption(QCommandLineParser& parser);

/// Returns @p finding of the input @p path as one line for people:
/// "PATH:LINE: error: LOCATION: TEXT" (no line or location when it has none).
QString findingLine(const QString& path, const projects::Finding& finding);

/// Returns @c true if @p option was given on the command line that @p parser parsed.
bool given(const QCommandLineParser& parser, const QString& option);

/// What a command does when an input has errors.
enum OnError {
    GoOn,  ///< report and go on: the command only describes its inputs
    Refuse ///< report and stop, unless --force (addForceOption()) was given
};

/**
 * @brief Prints @p findings of the input @p path on stderr and decides whether the command
 * goes on. Returns Success to go on, else MalformedInput after saying so.
 */
int reportFindings(const QString& path, const QList<projects::Finding>& findings,
                   const QCommandLineParser& parser, OnError onError);

/// Reads (up to @p limit bytes) and parses the project file @p path, telling
/// @p diagnostics what the reader passes over and finds, and adds what Validation::check()
/// finds (with what the standard form drops when @p standardForm). Prints only read errors;
/// returns an exit status.
int readProject(const QString& path, qint64 limit, projects::Project* project,
                Findings* diagnostics, bool standardForm);

/// Adds the one argument FILE, parses @p arguments with @p parser (parseCommand()) and loads
/// the project file it names into @p project (loadProject()). Returns -1 when the command
/// is to go on, or the exit status to end it with.
int parseAndLoadProject(QCommandLineParser& parser, const QStringList& arguments,
                        projects::Project* project, OnError onError);

/// Reads, parses and validates the project file @p path for a command parsed by @p parser,
/// printing the findings as reportFindings() does; returns an exit status (Success on
/// success).
int loadProject(const QString& path, projects::Project* project, const QCommandLineParser& parser,
                OnError onError);

/// Writes @p bytes to standard output and flushes them. On failure prints the system's
/// message on stderr and returns FileError; otherwise Success.
int printOutput(const QByteArray& bytes);

/// Writes @p bytes to @p path ("-" or empty for standard output, as printOutput() does).
/// A regular file is written atomically: an existing one is replaced only once the new
/// content is complete. A device, FIFO or socket is written into, never replaced; a
/// directory is an error. Returns an exit status.
int writeOutput(const QString& path, const QByteArray& bytes);

/// Adds the option --standard, which chooses the standard form of the project file a
/// command writes instead of the complete form. @see writeProject()
void addFormOption(QCommandLineParser& parser);

/// Writes @p project as a project file to @p path, as writeOutput() does, in the form that
/// @p parser's options choose (addFormOption()); without @p withVacation the vacation
/// attributes are left out. Returns an exit status.
int writeProject(const QString& path, const projects::Project& project,
                 const QCommandLineParser& parser, bool withVacation = true);

/// Adds the option --max-input-size that every command takes, parses a command's
/// @p arguments with @p parser and answers --help. Returns -1 when the command is to go
/// on, or the exit status to end it with: Success after --help, UsageError (with a message)
/// for unknown options, an input limit that is not a size, an empty -o or when there are
/// not exactly @p positionals positional arguments, described to the user as @p expected.
int parseCommand(QCommandLineParser& parser, const QStringList& arguments, int positionals,
                 const QString& expected);

/// Prints "casarina-project: MESSAGE" on stderr.
void error(const QString& message);

} // namespace tool

#endif // CASARINA_TOOLS_FILES_H
