#include "files.h"

#include "commands.h"

#include <projects/reader/projectreader.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace tool {

void error(const QString& message)
{
    QTextStream(stderr) << "casarina-project: " << message << '\n';
}

int parseCommand(QCommandLineParser& parser, const QStringList& arguments, int positionals,
                 const QString& expected)
{
    if (!parser.parse(arguments)) {
        error(parser.errorText());
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("help")))
        return printOutput(parser.helpText().toUtf8());
    // Without a name, -o would quietly fall back to standard output.
    const QStringList given = parser.optionNames();
    if ((given.contains(QStringLiteral("o")) || given.contains(QStringLiteral("output"))) &&
        parser.value(QStringLiteral("output")).isEmpty()) {
        error(QStringLiteral("-o takes a file name, not an empty one"));
        return UsageError;
    }
    if (parser.positionalArguments().size() != positionals) {
        // The program name the parser sees is "casarina-project COMMAND".
        const QString command = arguments.value(0).section(QLatin1Char(' '), 1);
        error(QStringLiteral("%1 takes %2; see 'casarina-project %1 --help'")
                  .arg(command, expected));
        return UsageError;
    }
    return -1;
}

bool readInput(const QString& path, QByteArray* bytes)
{
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(path),
                                                      file.open(QIODevice::ReadOnly));
    if (!opened) {
        error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

namespace {

// The reader logs a malformed document as a warning; the tool turns that message into
// its own error line naming the file.
QString s_parserMessage;

void captureParserMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && s_parserMessage.isEmpty())
        s_parserMessage = message;
}

} // namespace

bool parseProject(const QString& path, const QByteArray& bytes, projects::Project* project,
                  projects::ReaderDiagnostics* diagnostics)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    reader.setDiagnostics(diagnostics);
    s_parserMessage.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureParserMessage);
    *project = reader.parse(&buffer);
    qInstallMessageHandler(previous);
    if (reader.parsingError()) {
        QString message = s_parserMessage;
        if (message.startsWith(QLatin1String(">> ")))
            message.remove(0, 3);
        error(QStringLiteral("%1 is not a readable project file: %2").arg(path, message));
        return false;
    }
    return true;
}

int loadProject(const QString& path, projects::Project* project)
{
    QByteArray bytes;
    if (!readInput(path, &bytes))
        return FileError;
    if (!parseProject(path, bytes, project))
        return MalformedInput;
    return Success;
}

int printOutput(const QByteArray& bytes)
{
    // Straight to the descriptor: nothing waits in a buffer to fail unseen at exit.
    QFile out;
    if (out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        out.write(bytes) == bytes.size() && out.flush())
        return Success;
    error(QStringLiteral("cannot write to standard output: %1").arg(out.errorString()));
    return FileError;
}

int writeOutput(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || path == QLatin1String("-"))
        return printOutput(bytes);
    const QFileInfo info(path);
    if (info.isDir()) {
        error(QStringLiteral("cannot write %1: it is a directory").arg(path));
        return FileError;
    }
    if (info.exists() && !info.isFile()) {
        // A device, FIFO or socket is written into; replacing it by a file would take it
        // away from everyone else who uses it.
        QFile node(path);
        if (node.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered) &&
            node.write(bytes) == bytes.size() && node.flush())
            return Success;
        error(QStringLiteral("cannot write %1: %2").arg(path, node.errorString()));
        return FileError;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit()) {
        error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return FileError;
    }
    return Success;
}

void addFormOption(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("standard"),
                      QStringLiteral("Write the standard form, which every reader of project "
                                     "files knows, instead of the complete form; it leaves out "
                                     "what `check` lists.")});
}

int writeProject(const QString& path, const projects::Project& project,
                 const QCommandLineParser& parser, bool withVacation)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    projects::ProjectWriter writer;
    writer.setWithVacation(withVacation);
    writer.setForm(parser.isSet(QStringLiteral("standard")) ? projects::ProjectWriter::Standard
                                                            : projects::ProjectWriter::Complete);
    writer.write(project, &buffer);
    return writeOutput(path, bytes);
}

} // namespace tool
