// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "projectreader.h"

#include "actuatorfactory.h"
#include "functionfactory.h"
#include "ifactory.h"
#include "nullfactory.h"
#include "projectfactory.h"
#include "readerdiagnostics.h"
#include "roomfactory.h"
#include "rootfactory.h"
#include "snapshotfactory.h"

#include <projects/actuator.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/projectenum.h>
#include <projects/room.h>
#include <projects/validation.h>
#include <projects/common/conversions.h>
#include <projects/common/logging.h>
#include <projects/common/valuetext_p.h>

#include <QDebug>
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace projects {

namespace {

// Tells @p receiver about an element that @p child, the handler just made for it, passes
// over without an error.
void diagnose(ReaderDiagnostics* receiver, int line, const IFactory* child,
              const QString& localName, const QXmlAttributes& attributes)
{
    ReaderDiagnostics::Kind kind = ReaderDiagnostics::UnknownElement;
    if (const auto* skipped = dynamic_cast<const NullFactory*>(child)) {
        switch (skipped->reason()) {
        case NullFactory::ReadElement:
            return;
        case NullFactory::UnknownElement:
            kind = ReaderDiagnostics::UnknownElement;
            break;
        case NullFactory::UnknownLinkKeys:
            kind = ReaderDiagnostics::UnknownLinkKeys;
            break;
        case NullFactory::SpecialGroup:
            kind = ReaderDiagnostics::SpecialGroup;
            break;
        case NullFactory::GroupWithoutAddress:
            kind = ReaderDiagnostics::GroupWithoutValidAddress;
            break;
        }
    } else if (const auto* snapshot = dynamic_cast<const SnapshotFactory*>(child)) {
        if (snapshot->snapshot().isValid())
            return;
        kind = ReaderDiagnostics::SnapshotWithoutFunction;
    } else {
        return;
    }
    // The attributes that identify an element to a person reading the report.
    QStringList detail;
    for (const char* name : {"id", "name", "address", "type", "os", "function-ref"}) {
        const int index = attributes.index(QLatin1String(name));
        if (index >= 0)
            detail.append(
                QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), attributes.value(index)));
    }
    receiver->passedOver(kind, line, localName, detail.join(QLatin1Char(' ')));
}

// A group address kept as a number in the file: plain decimal digits, from 0 to 65535. The
// readers take any text that QString::toInt() takes and read anything else as 0; a
// negative group address is left to passedOver().
void checkAddressNumber(ReaderDiagnostics* receiver, const QString& text, const QString& element,
                        int line, bool negativeIsPassedOver)
{
    if (text.isEmpty())
        return;
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,10}$"));
    const QString location = QStringLiteral("<%1>").arg(element);
    if (!number.match(text).hasMatch()) {
        receiver->found(Finding(Finding::MalformedGroupAddress, location, line,
                                QStringLiteral("address \"%1\" is no decimal group address "
                                               "number: it reads as %2")
                                    .arg(text)
                                    .arg(text.toInt())));
        return;
    }
    const qint64 value = text.toLongLong();
    if (value > 0xFFFF || (value < 0 && !negativeIsPassedOver))
        receiver->found(Finding(Finding::GroupAddressOutOfRange, location, line,
                                QStringLiteral("address %1 is out of the range of group "
                                               "addresses (0 to 65535)")
                                    .arg(text)));
}

// Tells @p receiver what validation finds in the element that @p parent has just handed to
// @p child: a foreign document element and group addresses that are malformed or out of
// range.
void observe(ReaderDiagnostics* receiver, int line, const IFactory* parent, const IFactory* child,
             const QString& namespaceUri, const QString& localName,
             const QXmlAttributes& attributes)
{
    const QString address = attributes.value(QStringLiteral("address"));
    if (dynamic_cast<const RootFactory*>(parent)) {
        if (dynamic_cast<const NullFactory*>(child))
            receiver->found(Finding(
                Finding::ForeignDocument, QStringLiteral("<%1>").arg(localName), line,
                QStringLiteral("the document element <%1> in the namespace \"%2\" is no "
                               "project file this library knows: it reads as an empty project")
                    .arg(localName, namespaceUri)));
    } else if (dynamic_cast<const ProjectFactory*>(parent)) {
        if (nameIs(localName, "group"))
            checkAddressNumber(receiver, address, localName, line, true);
    } else if (dynamic_cast<const ActuatorFactory*>(parent)) {
        if (nameIs(localName, "datapoint"))
            checkAddressNumber(receiver, address, localName, line, false);
    } else if (const auto* function = dynamic_cast<const FunctionFactory*>(child)) {
        const Function::FunctionType type = function->function().type();
        if (type == Function::StateStatus || type == Function::TemperatureStatus)
            checkAddressNumber(receiver, address, localName, line, false);
    } else if (dynamic_cast<const SnapshotFactory*>(parent)) {
        if (nameIs(localName, "datapoint") && !address.isEmpty()) {
            for (const Finding& finding : Validation::checkGroupAddress(
                     address, QStringLiteral("<%1>").arg(localName), line))
                receiver->found(finding);
        }
    }
}

// The input source of a parse with a diagnostics receiver: it looks for character
// references above U+FFFF in the text as the parser fetches it, because the parser keeps
// only their low 16 bits and reports the wrong character without a word.
class ScanningSource : public QXmlInputSource
{
public:
    ScanningSource(QIODevice* device, ReaderDiagnostics* receiver)
        : QXmlInputSource(device), m_receiver(receiver)
    {
    }

    void fetchData() override
    {
        QXmlInputSource::fetchData();
        if (m_receiver)
            scan(data());
    }

private:
    void scan(const QString& chunk)
    {
        static const QRegularExpression reference(QStringLiteral("&#(x[0-9a-fA-F]+|[0-9]+);"));
        // The end of the previous chunk comes again, so that a reference cut in two is seen.
        const QString text = m_tail + chunk;
        const int tailLines = m_tail.count(QLatin1Char('\n'));
        auto matches = reference.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            if (match.capturedEnd() <= m_tail.size())
                continue;
            const QStringView digits = match.capturedView(1);
            bool ok = false;
            const qulonglong code = digits.startsWith(QLatin1Char('x'))
                                        ? digits.mid(1).toULongLong(&ok, 16)
                                        : digits.toULongLong(&ok, 10);
            if (ok && code <= 0xFFFF)
                continue;
            const int line =
                m_lines + 1 +
                QStringView(text).left(match.capturedStart()).count(QLatin1Char('\n')) - tailLines;
            m_receiver->found(
                Finding(Finding::UnfaithfulCharacter, QString(), line,
                        QStringLiteral("the character reference %1 names a character above U+FFFF, "
                                       "which the XML parser reads as another character")
                            .arg(match.captured())));
        }
        m_lines += chunk.count(QLatin1Char('\n'));
        m_tail = text.right(24);
    }

    ReaderDiagnostics* m_receiver;
    QString m_tail;
    int m_lines = 0;
};

// @p attributes with every value passed through validText().
QXmlAttributes validAttributes(const QXmlAttributes& attributes)
{
    QXmlAttributes valid;
    for (int i = 0; i < attributes.count(); ++i)
        valid.append(attributes.qName(i), attributes.uri(i), attributes.localName(i),
                     validText(attributes.value(i)));
    return valid;
}

} // namespace

ProjectReader::ProjectReader()
{
    m_reader.setContentHandler(this);
    m_reader.setErrorHandler(this);
    // Only to refuse entity declarations: a few bytes of them can expand to gigabytes of
    // text, and project files never need them.
    m_reader.setDeclHandler(this);
    m_reader.setDTDHandler(this);
}

ProjectReader::~ProjectReader()
{
    // Only an exception escaping the parser could leave handlers behind.
    destroyHandlers();
}

Project ProjectReader::parse(QIODevice* device)
{
    m_refusal.clear();
    m_errorText.clear();
    m_errorLine = -1;
    m_errorColumn = -1;
    m_pendingPrefixes.clear();
    m_prefixScopes.clear();
    m_prefixesInScope.clear();
    ScanningSource source(device, m_diagnostics);
    if (m_reader.parse(&source, false))
        return m_project;
    return Project();
}

bool ProjectReader::parsingError() const
{
    return m_parsingError;
}

QString ProjectReader::errorText() const
{
    return m_errorText;
}

int ProjectReader::errorLine() const
{
    return m_errorLine;
}

int ProjectReader::errorColumn() const
{
    return m_errorColumn;
}

void ProjectReader::setDiagnostics(ReaderDiagnostics* receiver)
{
    m_diagnostics = receiver;
}

ReaderDiagnostics* ProjectReader::diagnostics() const
{
    return m_diagnostics;
}

void ProjectReader::setDocumentLocator(QXmlLocator* locator)
{
    m_locator = locator;
}

bool ProjectReader::startDocument()
{
    m_rootHandler = new RootFactory;
    m_currentHandler = m_rootHandler;
    return true;
}

bool ProjectReader::endDocument()
{
    m_project = m_rootHandler->project();
    delete m_rootHandler;
    m_rootHandler = nullptr;
    m_currentHandler = nullptr;
    postParsingSteps();
    return true;
}

bool ProjectReader::startElement(const QString& namespaceUri, const QString& localName,
                                 const QString& qualifiedName, const QXmlAttributes& attributes)
{
    if (!m_currentHandler)
        return true;
    // The parser recurses once per open element; stop it well before the stack runs out.
    if (m_handlerStack.size() >= MaximumDepth)
        return refuse(QStringLiteral("elements nested deeper than %1 levels").arg(MaximumDepth));
    if (!m_pendingPrefixes.isEmpty()) {
        for (const QString& prefix : qAsConst(m_pendingPrefixes))
            ++m_prefixesInScope[prefix];
        m_prefixScopes.append(qMakePair(m_handlerStack.size(), m_pendingPrefixes));
        m_pendingPrefixes.clear();
        if (m_prefixesInScope.size() > MaximumNamespaces)
            return refuse(
                QStringLiteral("more than %1 namespace prefixes in scope").arg(MaximumNamespaces));
    }
    m_currentNamespaceUri = namespaceUri;
    m_currentLocalName = localName;
    // Character references may name surrogates that form no pair; written back, one would
    // cut the rest of the document short.
    for (int i = 0; i < attributes.count(); ++i) {
        if (!isValidText(attributes.value(i)))
            return startElement(namespaceUri, localName, qualifiedName,
                                validAttributes(attributes));
    }
    IFactory* child = m_currentHandler->createChild(namespaceUri, localName, attributes);
    if (m_diagnostics) {
        const int line = m_locator ? m_locator->lineNumber() : -1;
        if (child != m_currentHandler)
            diagnose(m_diagnostics, line, child, localName, attributes);
        observe(m_diagnostics, line, m_currentHandler, child, namespaceUri, localName, attributes);
    }
    m_handlerStack.push(m_currentHandler);
    m_currentHandler = child;
    return true;
}

bool ProjectReader::endElement(const QString& namespaceUri, const QString& localName,
                               const QString& qualifiedName)
{
    if (!m_currentHandler || m_handlerStack.isEmpty())
        return true;
    if (m_currentHandler->handlesEndElement())
        m_currentHandler->endElement(namespaceUri, localName, qualifiedName);
    IFactory* finished = m_currentHandler;
    m_currentHandler = m_handlerStack.pop();
    if (!m_prefixScopes.isEmpty() && m_prefixScopes.last().first == m_handlerStack.size()) {
        for (const QString& prefix : m_prefixScopes.takeLast().second) {
            if (--m_prefixesInScope[prefix] == 0)
                m_prefixesInScope.remove(prefix);
        }
    }
    // A handler that returned itself for a container element outlives the container.
    if (finished != m_currentHandler)
        delete finished;
    return true;
}

bool ProjectReader::characters(const QString& text)
{
    if (m_currentHandler)
        m_currentHandler->characters(m_currentNamespaceUri, m_currentLocalName, text);
    return true;
}

// Qt reports the declarations of an element before its start; they are counted there,
// because Qt's own end-of-scope reports skip the default namespace and redeclarations.
bool ProjectReader::startPrefixMapping(const QString& prefix, const QString&)
{
    m_pendingPrefixes.append(prefix);
    return true;
}

bool ProjectReader::fatalError(const QXmlParseException& exception)
{
    m_errorText = exception.message();
    m_errorLine = exception.lineNumber();
    m_errorColumn = exception.columnNumber();
    const QString where = QStringLiteral("%1, at line %2 and column %3")
                              .arg(m_errorText)
                              .arg(m_errorLine)
                              .arg(m_errorColumn);
    const QString message =
        QLatin1String(">> An expection occured while parsing XML data: ") + where;
    qCWarning(lcReader).noquote() << message;
    m_parsingError = true;
    if (m_diagnostics)
        m_diagnostics->found(Finding(Finding::UnreadableDocument, QString(), m_errorLine, where));
    destroyHandlers();
    return true;
}

bool ProjectReader::internalEntityDecl(const QString& name, const QString&)
{
    return refuse(QStringLiteral("entity declaration \"%1\" not accepted").arg(name));
}

bool ProjectReader::externalEntityDecl(const QString& name, const QString&, const QString&)
{
    return refuse(QStringLiteral("entity declaration \"%1\" not accepted").arg(name));
}

bool ProjectReader::unparsedEntityDecl(const QString& name, const QString&, const QString&,
                                       const QString&)
{
    return refuse(QStringLiteral("entity declaration \"%1\" not accepted").arg(name));
}

QString ProjectReader::errorString() const
{
    return m_refusal.isEmpty() ? QXmlDefaultHandler::errorString() : m_refusal;
}

// A callback that returns false makes the parser stop with a fatal error whose message
// is errorString(), so a refused document takes the same path as malformed XML.
bool ProjectReader::refuse(const QString& reason)
{
    m_refusal = reason;
    return false;
}

void ProjectReader::destroyHandlers()
{
    // One handler may stand on the stack several times (containers), and the current
    // handler may stand there too: delete each distinct object once.
    QSet<IFactory*> handlers;
    if (m_currentHandler)
        handlers.insert(m_currentHandler);
    for (IFactory* handler : qAsConst(m_handlerStack))
        handlers.insert(handler);
    if (m_rootHandler)
        handlers.insert(m_rootHandler);
    qDeleteAll(handlers);
    m_handlerStack.clear();
    m_currentHandler = nullptr;
    m_rootHandler = nullptr;
}

void ProjectReader::postParsingSteps()
{
    // One table of the device models, so that the step stays linear in the number of
    // functions; the first actuator with an id wins, as in Project::actuatorByRef().
    QHash<QUuid, int> appIds;
    for (const Actuator& actuator : qAsConst(m_project.actuators())) {
        if (!appIds.contains(actuator.id()))
            appIds.insert(actuator.id(), actuator.appId());
    }
    if (appIds.isEmpty() && !m_diagnostics)
        return;

    // The file cannot tell a split unit from its function element; the device model can.
    // An unknown actuator counts as model -1.
    for (const Floor& floor : qAsConst(m_project.floors())) {
        for (const Room& room : floor.rooms()) {
            for (Function function : room.functions()) {
                if (!function.hasActuator())
                    continue;
                const auto actuator = appIds.constFind(function.actuatorRef());
                if (actuator == appIds.cend()) {
                    if (m_diagnostics)
                        m_diagnostics->passedOver(
                            ReaderDiagnostics::MissingActuator, -1, QStringLiteral("function"),
                            QStringLiteral("id=\"%1\" name=\"%2\" actuator-ref=\"%3\"")
                                .arg(uuidToString(function.id()), function.name(),
                                     uuidToString(function.actuatorRef())));
                } else if (actuator.value() == ProjectEnum::Model_4832) {
                    function.setType(Function::SplitUnit);
                }
            }
        }
    }
}

} // namespace projects

QT_WARNING_POP
