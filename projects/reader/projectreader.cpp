#include "projectreader.h"

#include "ifactory.h"
#include "nullfactory.h"
#include "readerdiagnostics.h"
#include "rootfactory.h"
#include "snapshotfactory.h"

#include <projects/actuator.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/projectenum.h>
#include <projects/room.h>
#include <projects/common/conversions.h>
#include <projects/common/valuetext_p.h>

#include <QDebug>
#include <QIODevice>
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
            detail.append(QStringLiteral("%1=\"%2\"").arg(QLatin1String(name),
                                                          attributes.value(index)));
    }
    receiver->passedOver(kind, line, localName, detail.join(QLatin1Char(' ')));
}

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
    m_pendingPrefixes.clear();
    m_prefixScopes.clear();
    m_prefixesInScope.clear();
    QXmlInputSource source(device);
    if (m_reader.parse(&source, false))
        return m_project;
    return Project();
}

bool ProjectReader::parsingError() const
{
    return m_parsingError;
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
    if (m_diagnostics && child != m_currentHandler)
        diagnose(m_diagnostics, m_locator ? m_locator->lineNumber() : -1, child, localName,
                 attributes);
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
    qWarning().noquote()
        << QStringLiteral(">> An expection occured while parsing XML data: %1, at line %2 "
                          "and column %3")
               .arg(exception.message())
               .arg(exception.lineNumber())
               .arg(exception.columnNumber());
    m_parsingError = true;
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
