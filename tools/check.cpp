// check: is a project file readable, and what does the reader pass over in it?

#include "commands.h"
#include "files.h"

#include <projects/finding.h>
#include <projects/project.h>
#include <projects/common/records_p.h>
#include <projects/reader/projectreader.h>
#include <projects/reader/readerdiagnostics.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QCommandLineParser>
#include <QMap>
#include <QTextStream>

using namespace projects;

namespace tool {

namespace {

class Report : public ReaderDiagnostics
{
public:
    explicit Report(const QString& path) : m_path(path) {}

    void passedOver(Kind kind, int line, const QString& element, const QString& detail) override
    {
        QString what;
        switch (kind) {
        case UnknownElement:
            what = QStringLiteral("unknown element <%1> skipped with its content");
            break;
        case UnknownLinkKeys:
            what = QStringLiteral("<%1> dropped: its type or os is not a known key");
            break;
        case SpecialGroup:
            what = QStringLiteral("<%1> dropped: special groups are fixed by the installation");
            break;
        case GroupWithoutValidAddress:
            what = QStringLiteral("<%1> dropped: its address is not valid");
            break;
        case SnapshotWithoutFunction:
            what = QStringLiteral("<%1> without function-ref: kept, but invalid");
            break;
        case MissingActuator:
            what = QStringLiteral("<%1> refers to an actuator the file does not have");
            break;
        }
        QString location = m_path;
        if (line >= 0)
            location += QLatin1Char(':') + QString::number(line);
        m_lines.append(location + QStringLiteral(": ") + what.arg(element) +
                       (detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + ')'));
    }

    const QStringList& lines() const { return m_lines; }

private:
    QString m_path;
    QStringList m_lines;
};

} // namespace

int check(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks that a project file is readable and lists, with their lines, what the reader "
        "passes over without an error: unknown elements, links whose type or operating "
        "system is unknown, special groups and groups without a valid address, snapshots "
        "without a function reference and functions whose actuator is missing. Then notes "
        "which fields the standard form of the file would not keep, with how many objects "
        "each concerns. Exits with 0 for a readable file and 1, with the parser's message, "
        "for a malformed one."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    const QString path = parser.positionalArguments().first();
    QByteArray bytes;
    if (!readInput(path, &bytes))
        return FileError;
    Report report(path);
    Project project;
    if (!parseProject(path, bytes, &project, &report))
        return MalformedInput;

    QByteArray printed;
    QTextStream out(&printed);
    out.setCodec("UTF-8");
    for (const QString& line : report.lines())
        out << line << '\n';
    out << path << ": readable";
    if (!report.lines().isEmpty())
        out << ", " << report.lines().size() << " passed over";
    out << '\n';
    QStringList dropped;
    for (const Finding& finding : records::droppedByStandardForm(project))
        dropped.append(finding.location() + QStringLiteral(" (")
                       + finding.text().section(QLatin1Char('('), 1).section(QLatin1Char(' '), 0, 0)
                       + QLatin1Char(')'));
    if (!dropped.isEmpty())
        out << path << ": the standard form would drop: " << dropped.join(QStringLiteral(", "))
            << '\n';
    out.flush();
    return printOutput(printed);
}

} // namespace tool
