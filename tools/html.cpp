// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "html.h"

#include <cstring>

namespace tool {

namespace {

// Elements that hold blocks: a line break follows their start tag and every child, so that
// the document reads and diffs line by line.
bool holdsBlocks(const char* tag)
{
    static const char* const blocks[] = {"html",    "head",    "body",   "header", "nav",
                                         "section", "article", "figure", "div",    "table",
                                         "thead",   "tbody",   "ul",     "svg",    "footer"};
    for (const char* block : blocks) {
        if (std::strcmp(tag, block) == 0)
            return true;
    }
    return false;
}

} // namespace

void HtmlWriter::open(const char* tag, const Attributes& attributes)
{
    startTag(tag, attributes);
    m_out += QLatin1Char('>');
    m_open.append(tag);
    if (holdsBlocks(tag))
        m_out += QLatin1Char('\n');
}

void HtmlWriter::close()
{
    const char* tag = m_open.takeLast();
    m_out += QLatin1String("</") + QLatin1String(tag) + QLatin1Char('>');
    endOfElement();
}

void HtmlWriter::element(const char* tag, const QString& text, const Attributes& attributes)
{
    startTag(tag, attributes);
    m_out += QLatin1Char('>') + text.toHtmlEscaped() + QLatin1String("</") + QLatin1String(tag) +
             QLatin1Char('>');
    endOfElement();
}

void HtmlWriter::empty(const char* tag, const Attributes& attributes)
{
    startTag(tag, attributes);
    m_out += QLatin1String("/>");
    endOfElement();
}

void HtmlWriter::text(const QString& text)
{
    m_out += text.toHtmlEscaped();
}

void HtmlWriter::raw(const QString& markup)
{
    m_out += markup;
}

void HtmlWriter::startTag(const char* tag, const Attributes& attributes)
{
    m_out += QLatin1Char('<') + QLatin1String(tag);
    for (const auto& attribute : attributes)
        m_out += QLatin1Char(' ') + QLatin1String(attribute.first) + QLatin1String("=\"") +
                 attribute.second.toHtmlEscaped() + QLatin1Char('"');
}

void HtmlWriter::endOfElement()
{
    if (m_open.isEmpty() || holdsBlocks(m_open.last()))
        m_out += QLatin1Char('\n');
}

} // namespace tool
