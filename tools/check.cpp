// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// check: is a project file readable, what does the reader pass over in it, and what does
// validation find?

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

class Report : public Findings
{
public:
    explicit Report(const QString& path) : m_path(path) {}

    void passedOver(Kind kind, int line, const QString& element, const QString& detail) override
    {
        // Validation names a missing actuator too, as a reference to nothing.
        if (kind == MissingActuator)
            return;
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

    void found(const Finding& finding) override
    {
        Findings::found(finding);
        m_lines.append(findingLine(m_path, finding));
        ++m_found;
    }

    /// What was passed over and found while reading, in document order.
    const QStringList& lines() const { return m_lines; }
    /// How many of lines() are findings.
    int foundWhileReading() const { return m_found; }

private:
    QString m_path;
    QStringList m_lines;
    int m_found = 0;
};

} // namespace

int check(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks a project file and lists, with their lines, what the reader passes over "
        "without an error (unknown elements, links whose type or operating system is "
        "unknown, special groups and groups without a valid address, snapshots without a "
        "function reference, functions whose actuator is missing) and what validation finds: "
        "errors (a document that is no project file this tool knows, malformed or "
        "out-of-range group addresses) and warnings (identifiers given twice, references to "
        "nothing, character references the parser cannot read faithfully, and the fields the "
        "standard form of the file would not keep). Exits with 0 when there is no error and "
        "1 when there is one or the file is malformed."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    const QString path = parser.positionalArguments().first();
    Report report(path);
    Project project;
    const int status = readProject(path, inputLimit(parser), &project, &report, true);
    if (status != Success)
        return status;

    QStringList lines = report.lines();
    // The findings on the whole project follow those made while reading.
    for (int i = report.foundWhileReading(); i < report.list.size(); ++i)
        lines.append(findingLine(path, report.list.at(i)));
    const int passedOver = report.lines().size() - report.foundWhileReading();
    int errors = 0;
    for (const Finding& finding : qAsConst(report.list))
        errors += finding.severity() == Finding::Error ? 1 : 0;
    const int warnings = report.list.size() - errors;

    QString summary = path + QStringLiteral(": ");
    summary += errors ? QStringLiteral("%1 error%2").arg(errors).arg(errors == 1 ? "" : "s")
                      : QStringLiteral("readable");
    if (warnings)
        summary += QStringLiteral(", %1 warning%2").arg(warnings).arg(warnings == 1 ? "" : "s");
    if (passedOver)
        summary += QStringLiteral(", %1 passed over").arg(passedOver);
    lines.append(summary);
    const int printed = printOutput((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (printed != Success)
        return printed;
    return errors ? MalformedInput : Success;
}

} // namespace tool
