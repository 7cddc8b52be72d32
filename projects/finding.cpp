// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "finding.h"

#include "common/debug_p.h"

#include <QList>
#include <QSharedData>

#include <algorithm>

namespace projects {

class Q_DECL_HIDDEN Finding::Private : public QSharedData
{
public:
    Kind kind = IgnoredEntry;
    QString location;
    int line = -1;
    QString text;
};

Finding::Finding() : d(new Private) {}

Finding::Finding(Kind kind, const QString& location, int line, const QString& text) : d(new Private)
{
    d->kind = kind;
    d->location = location;
    d->line = line;
    d->text = text;
}

Finding::Finding(const Finding& other) = default;
Finding::Finding(Finding&& other) noexcept = default;
Finding::~Finding() = default;
Finding& Finding::operator=(const Finding& other) = default;
Finding& Finding::operator=(Finding&& other) noexcept = default;

Finding::Kind Finding::kind() const
{
    return d->kind;
}

Finding::Severity Finding::severity() const
{
    return severityOf(d->kind);
}

QString Finding::location() const
{
    return d->location;
}

int Finding::line() const
{
    return d->line;
}

QString Finding::text() const
{
    return d->text;
}

QString Finding::toString() const
{
    QString result = severity() == Error ? QStringLiteral("error: ") : QStringLiteral("warning: ");
    if (!d->location.isEmpty())
        result += d->location + QStringLiteral(": ");
    return result + d->text;
}

Finding::Severity Finding::severityOf(Kind kind)
{
    // The one table of severities; docs/validation.md repeats it for people.
    switch (kind) {
    case ForeignDocument:
    case UnreadableDocument:
    case MalformedGroupAddress:
    case GroupAddressOutOfRange:
    case InvalidTableId:
    case DuplicateTableId:
    case DuplicateTableAddress:
        return Error;
    case UnfaithfulCharacter:
    case DuplicateIdentifier:
    case DanglingReference:
    case IgnoredEntry:
    case DroppedByStandardForm:
        return Warning;
    }
    return Error;
}

bool Finding::hasError(const QList<Finding>& findings)
{
    return std::any_of(findings.cbegin(), findings.cend(),
                       [](const Finding& finding) { return finding.severity() == Error; });
}

QDebug operator<<(QDebug debug, const Finding& finding)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Finding(" << debugKey(finding.severity()) << ' ' << debugKey(finding.kind())
                    << ' ' << finding.location() << " line=" << finding.line() << ' '
                    << finding.text() << ')';
    return debug;
}

} // namespace projects
