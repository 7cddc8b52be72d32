#include "projectreader.h"

#include "ifactory.h"
#include "rootfactory.h"

#include <projects/actuator.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/projectenum.h>
#include <projects/room.h>

#include <QDebug>
#include <QIODevice>
#include <QSet>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace projects {

ProjectReader::ProjectReader()
{
    m_reader.setContentHandler(this);
    m_reader.setErrorHandler(this);
}

ProjectReader::~ProjectReader()
{
    // Only an exception escaping the parser could leave handlers behind.
    destroyHandlers();
}

Project ProjectReader::parse(QIODevice* device)
{
    QXmlInputSource source(device);
    if (m_reader.parse(&source, false))
        return m_project;
    return Project();
}

bool ProjectReader::parsingError() const
{
    return m_parsingError;
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
    Q_UNUSED(qualifiedName)
    if (!m_currentHandler)
        return true;
    m_currentNamespaceUri = namespaceUri;
    m_currentLocalName = localName;
    IFactory* child = m_currentHandler->createChild(namespaceUri, localName, attributes);
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
    if (appIds.isEmpty())
        return;

    // The file cannot tell a split unit from its function element; the device model can.
    // An unknown actuator counts as model -1.
    for (const Floor& floor : qAsConst(m_project.floors())) {
        for (const Room& room : floor.rooms()) {
            for (Function function : room.functions()) {
                if (function.hasActuator()
                    && appIds.value(function.actuatorRef(), -1) == ProjectEnum::Model_4832)
                    function.setType(Function::SplitUnit);
            }
        }
    }
}

} // namespace projects

QT_WARNING_POP
