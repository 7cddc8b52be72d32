// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_PROJECTREADER_H
#define PROJECTS_READER_PROJECTREADER_H

#include <projects/projects_export.h>
#include <projects/project.h>

#include <QHash>
#include <QPair>
#include <QStack>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlDefaultHandler>
#include <QXmlSimpleReader>

QT_BEGIN_NAMESPACE
class QIODevice;
QT_END_NAMESPACE

class IFactory;
class RootFactory;

QT_BEGIN_NAMESPACE
class QXmlLocator;
QT_END_NAMESPACE

// The reader is a handler of QtXml's SAX parser, which Qt 5.15 deprecates.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace projects {

class ReaderDiagnostics;

/**
 * @brief Reads a project file into a Project.
 *
 * The reader runs Qt's SAX parser over the whole device in one pass. Unknown elements are
 * skipped with their subtree, and so is a document whose element is not `project` in the
 * project or legacy namespace (the result is then a default Project). Malformed XML logs a
 * warning (category "casarina.projects.reader"), sets parsingError() and makes parse() return
 * a new default Project; errorText(), errorLine() and errorColumn() then say what went wrong
 * and where.
 *
 * Files from outside are read with fixed bounds: a document whose elements nest deeper
 * than MaximumDepth, that has more than MaximumNamespaces namespace prefixes in scope at
 * once, or that declares any entity (internal, external, parameter or unparsed), is
 * refused like malformed XML. Nothing but the given device is ever read, and memory and
 * time stay proportional to the size of the document.
 *
 * One reader parses one document at a time, in the calling thread.
 */
class PROJECTS_EXPORT ProjectReader : private QXmlDefaultHandler
{
public:
    /**
     * @brief The deepest nesting of elements that parse() accepts, the document element
     * counting as level 1.
     *
     * Qt's parser descends once per open element (a few hundred bytes of stack each), so
     * the bound keeps a parse within about 400 KB of stack whatever the file holds.
     */
    static constexpr int MaximumDepth = 1024;
    /**
     * @brief The most namespace prefixes, the default namespace counting as one, that
     * parse() accepts in scope at once.
     *
     * Qt's parser spends time on every element that grows faster than the number of
     * prefixes in scope (1 000 of them made each element cost milliseconds); a project
     * file declares three.
     */
    static constexpr int MaximumNamespaces = 16;

    /// Creates a reader with its parser.
    ProjectReader();
    ~ProjectReader() override;

    ProjectReader(const ProjectReader&) = delete;
    ProjectReader& operator=(const ProjectReader&) = delete;

    /**
     * @brief Reads the whole of the open @p device and returns the project.
     *
     * After a fatal XML error the result is a new default Project and parsingError()
     * returns @c true.
     */
    Project parse(QIODevice* device);

    /// Returns @c true if any parse() of this reader met a fatal XML error; never cleared.
    bool parsingError() const;

    /**
     * @brief Returns why the last parse() failed: the parser's message, or the reason a
     * document was refused ("elements nested deeper than 1024 levels"); empty after a
     * successful parse.
     * @see errorLine(), errorColumn()
     */
    QString errorText() const;
    /// Returns the line at which the last parse() failed, counted from 1; -1 after a
    /// successful parse. @see errorText()
    int errorLine() const;
    /// Returns the column at which the last parse() failed, counted from 1; -1 after a
    /// successful parse. @see errorText()
    int errorColumn() const;

    /**
     * @brief Sets the receiver of what later parses pass over without an error; null for
     * none (the default). The reader does not own it and reads exactly the same either way.
     */
    void setDiagnostics(ReaderDiagnostics* receiver);
    /// Returns the receiver set with setDiagnostics(), or null.
    ReaderDiagnostics* diagnostics() const;

private:
    bool startDocument() override;
    bool endDocument() override;
    bool startElement(const QString& namespaceUri, const QString& localName,
                      const QString& qualifiedName, const QXmlAttributes& attributes) override;
    bool endElement(const QString& namespaceUri, const QString& localName,
                    const QString& qualifiedName) override;
    bool characters(const QString& text) override;
    bool startPrefixMapping(const QString& prefix, const QString& uri) override;
    bool fatalError(const QXmlParseException& exception) override;
    void setDocumentLocator(QXmlLocator* locator) override;
    bool internalEntityDecl(const QString& name, const QString& value) override;
    bool externalEntityDecl(const QString& name, const QString& publicId,
                            const QString& systemId) override;
    bool unparsedEntityDecl(const QString& name, const QString& publicId, const QString& systemId,
                            const QString& notationName) override;
    QString errorString() const override;

    bool refuse(const QString& reason);

    void postParsingSteps();
    void destroyHandlers();

    QXmlSimpleReader m_reader;
    IFactory* m_currentHandler = nullptr;
    RootFactory* m_rootHandler = nullptr;
    QStack<IFactory*> m_handlerStack;
    QString m_currentNamespaceUri;
    QString m_currentLocalName;
    Project m_project;
    bool m_parsingError = false;
    QString m_errorText;
    int m_errorLine = -1;
    int m_errorColumn = -1;
    ReaderDiagnostics* m_diagnostics = nullptr;
    QXmlLocator* m_locator = nullptr;
    QString m_refusal;
    // Namespace prefixes declared for the element about to start, the prefixes declared by
    // each open element that declares any (with its depth), and the number of open
    // declarations of each prefix in scope.
    QStringList m_pendingPrefixes;
    QVector<QPair<int, QStringList>> m_prefixScopes;
    QHash<QString, int> m_prefixesInScope;
};

} // namespace projects

QT_WARNING_POP

#endif // PROJECTS_READER_PROJECTREADER_H
