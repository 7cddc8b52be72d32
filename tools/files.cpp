// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "files.h"

#include "commands.h"

#include <projects/validation.h>
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

namespace {

// Standard input, a FIFO or a device can go on without end; every input is read only up
// to this many bytes.
const qint64 defaultInputLimit = qint64(256) << 20;
// The highest limit one may set: a QByteArray holds less than 2 GiB, and the reader needs
// room besides.
const qint64 largestInputLimit = qint64(1) << 30;
// The option that sets the limit.
const char limitOptionName[] = "max-input-size";

// A size in bytes, or with K, M or G in kibibytes, mebibytes or gibibytes: "256M".
bool parseSize(const QString& text, qint64* size)
{
    QString digits = text;
    int shift = 0;
    if (!text.isEmpty()) {
        const int suffix = QStringLiteral("KMG").indexOf(text.back().toUpper());
        if (suffix >= 0) {
            shift = 10 * (suffix + 1);
            digits.chop(1);
        }
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok || value < 1 || value > largestInputLimit >> shift)
        return false;
    *size = value << shift;
    return true;
}

} // namespace

void error(const QString& message)
{
    QTextStream(stderr) << "casarina-project: " << message << '\n';
}

int parseCommand(QCommandLineParser& parser, const QStringList& arguments, int positionals,
                 const QString& expected)
{
    const QString limitOption = QLatin1String(limitOptionName);
    parser.addOption({limitOption,
                      QStringLiteral("Refuse an input larger than BYTES (default 256M); K, M "
                                     "and G count 1024, 1024^2 and 1024^3 bytes, up to 1G."),
                      QStringLiteral("BYTES")});
    if (!parser.parse(arguments)) {
        error(parser.errorText());
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("help")))
        return printOutput(parser.helpText().toUtf8());
    // Only checked here: inputLimit() reads the value where an input is read.
    qint64 limit = 0;
    if (parser.isSet(limitOption) && !parseSize(parser.value(limitOption), &limit)) {
        error(QStringLiteral("--max-input-size takes a number of bytes from 1 to 1G, such as "
                             "1048576 or 1M, not '%1'")
                  .arg(parser.value(limitOption)));
        return UsageError;
    }
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
        error(
            QStringLiteral("%1 takes %2; see 'casarina-project %1 --help'").arg(command, expected));
        return UsageError;
    }
    return -1;
}

qint64 inputLimit(const QCommandLineParser& parser)
{
    qint64 limit = defaultInputLimit;
    // parseCommand() has refused a value that is not a size.
    if (parser.isSet(QLatin1String(limitOptionName)))
        parseSize(parser.value(QLatin1String(limitOptionName)), &limit);
    return limit;
}

bool readInput(const QString& path, qint64 limit, QByteArray* bytes)
{
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    const auto tooLarge = [&path, limit] {
        error(QStringLiteral("cannot read %1: it holds more than the input limit of %2 bytes "
                             "(--max-input-size)")
                  .arg(path)
                  .arg(limit));
        return false;
    };
    bytes->clear();
    if (!file.isSequential()) {
        if (file.size() > limit)
            return tooLarge();
        bytes->reserve(int(file.size()));
    }
    // Read in pieces, so that an endless input stops at the limit.
    char piece[65536];
    for (;;) {
        const qint64 read = file.read(piece, sizeof piece);
        if (read < 0) {
            error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
            return false;
        }
        if (read == 0)
            return true;
        if (bytes->size() + read > limit)
            return tooLarge();
        bytes->append(piece, int(read));
    }
}

bool parseProject(const QString& path, const QByteArray& bytes, projects::Project* project,
                  projects::ReaderDiagnostics* diagnostics)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    reader.setDiagnostics(diagnostics);
    *project = reader.parse(&buffer);
    if (reader.parsingError()) {
        error(QStringLiteral("%1 is not a readable project file: %2, at line %3 and column %4")
                  .arg(path, reader.errorText())
                  .arg(reader.errorLine())
                  .arg(reader.errorColumn()));
        return false;
    }
    return true;
}

void addForceOption(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("force"),
                      QStringLiteral("Go on although an input has errors (see `check`); what "
                                     "the errors stand for may then be lost or changed.")});
}

QString findingLine(const QString& path, const projects::Finding& finding)
{
    QString line = path;
    if (finding.line() >= 0)
        line += QLatin1Char(':') + QString::number(finding.line());
    return line + QStringLiteral(": ") + finding.toString();
}

bool given(const QCommandLineParser& parser, const QString& option)
{
    // Only the options found on the command line are named; asking isSet() of an option a
    // command does not have would warn.
    return parser.optionNames().contains(option);
}

int reportFindings(const QString& path, const QList<projects::Finding>& findings,
                   const QCommandLineParser& parser, OnError onError)
{
    QTextStream err(stderr);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    err.setCodec("UTF-8"); // Qt 6 streams write UTF-8 always
#endif
    for (const projects::Finding& finding : findings)
        err << findingLine(path, finding) << '\n';
    err.flush();
    if (onError == GoOn || !projects::Finding::hasError(findings) ||
        given(parser, QStringLiteral("force")))
        return Success;
    error(QStringLiteral("%1 has errors; nothing is written (--force goes on anyway)").arg(path));
    return MalformedInput;
}

int readProject(const QString& path, qint64 limit, projects::Project* project,
                Findings* diagnostics, bool standardForm)
{
    QByteArray bytes;
    if (!readInput(path, limit, &bytes))
        return FileError;
    if (!parseProject(path, bytes, project, diagnostics))
        return MalformedInput;
    diagnostics->list += projects::Validation::check(*project, standardForm);
    return Success;
}

int parseAndLoadProject(QCommandLineParser& parser, const QStringList& arguments,
                        projects::Project* project, OnError onError)
{
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    const int status = loadProject(parser.positionalArguments().first(), project, parser, onError);
    return status == Success ? -1 : status;
}

int loadProject(const QString& path, projects::Project* project, const QCommandLineParser& parser,
                OnError onError)
{
    Findings findings;
    // What the standard form drops matters only where it is written.
    const int status = readProject(path, inputLimit(parser), project, &findings,
                                   given(parser, QStringLiteral("standard")));
    if (status != Success)
        return status;
    return reportFindings(path, findings.list, parser, onError);
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
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
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
