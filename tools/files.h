#ifndef CASARINA_TOOLS_FILES_H
#define CASARINA_TOOLS_FILES_H

// Reading inputs and writing outputs for the commands, with their error messages.

#include <projects/project.h>

namespace projects {
class ReaderDiagnostics;
}

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>

namespace tool {

/// Reads the whole of @p path ("-" for standard input), which may hold at most the input
/// limit (--max-input-size, see parseCommand()). On failure, and when the input is larger,
/// prints a message naming the file on stderr and returns false.
bool readInput(const QString& path, QByteArray* bytes);

/// Parses a project file already read into @p bytes, telling @p diagnostics (if any) what
/// the reader passes over. On a malformed document prints the parser's message naming
/// @p path and returns false.
bool parseProject(const QString& path, const QByteArray& bytes, projects::Project* project,
                  projects::ReaderDiagnostics* diagnostics = nullptr);

/// Reads and parses the project file @p path; returns an exit status (Success on success).
int loadProject(const QString& path, projects::Project* project);

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
