#ifndef CASARINA_TOOLS_FILES_H
#define CASARINA_TOOLS_FILES_H

// Reading inputs and writing outputs for the commands, with their error messages.

#include <projects/project.h>

namespace projects {
class ReaderDiagnostics;
}

#include <QByteArray>
#include <QString>

namespace tool {

/// Reads the whole of @p path ("-" for standard input). On failure prints a message
/// naming the file on stderr and returns false.
bool readInput(const QString& path, QByteArray* bytes);

/// Parses a project file already read into @p bytes, telling @p diagnostics (if any) what
/// the reader passes over. On a malformed document prints the parser's message naming
/// @p path and returns false.
bool parseProject(const QString& path, const QByteArray& bytes, projects::Project* project,
                  projects::ReaderDiagnostics* diagnostics = nullptr);

/// Reads and parses the project file @p path; returns an exit status (Success on success).
int loadProject(const QString& path, projects::Project* project);

/// Writes @p bytes to @p path ("-" or empty for standard output) atomically: an existing
/// file is replaced only once the new content is complete. Returns an exit status.
int writeOutput(const QString& path, const QByteArray& bytes);

/// Prints "casarina-project: MESSAGE" on stderr.
void error(const QString& message);

} // namespace tool

#endif // CASARINA_TOOLS_FILES_H
