// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_HTML_H
#define CASARINA_TOOLS_HTML_H

// Writing an HTML document that is also well-formed XML, so that tests can read it with
// QXmlStreamReader: every element is closed, every text and attribute escaped.

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

namespace tool {

/// Builds a document element by element. Texts and attribute values given to it are
/// escaped; only raw() takes markup.
class HtmlWriter
{
public:
    /// Attribute names and values, written in the order given.
    using Attributes = QVector<QPair<const char*, QString>>;

    /// Opens the element @p tag; close() ends it.
    void open(const char* tag, const Attributes& attributes = {});
    /// Closes the element opened last.
    void close();
    /// Writes the element @p tag holding @p text.
    void element(const char* tag, const QString& text, const Attributes& attributes = {});
    /// Writes the element @p tag without content, as <tag/>.
    void empty(const char* tag, const Attributes& attributes = {});
    /// Writes @p text into the element open now.
    void text(const QString& text);
    /// Writes @p markup as it is.
    void raw(const QString& markup);

    /// Returns the document so far, encoded in UTF-8.
    QByteArray toUtf8() const { return m_out.toUtf8(); }

private:
    void startTag(const char* tag, const Attributes& attributes);
    void endOfElement();

    QString m_out;
    QVector<const char*> m_open;
};

} // namespace tool

#endif // CASARINA_TOOLS_HTML_H
