// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_NULLFACTORY_H
#define PROJECTS_READER_NULLFACTORY_H

#include "ifactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Swallows an element with its whole subtree: it returns itself for every child, so
 * one object stands for the subtree and is destroyed when the element that created it ends.
 *
 * The handler that returns it says why the element's content is not read: an element that
 * was read from its start tag alone, or one that was passed over. The reason changes nothing
 * in reading; the reader reports passed-over elements to its diagnostics receiver, if any.
 */
class NullFactory final : public IFactory
{
public:
    enum Reason {
        ReadElement,        ///< the start tag held everything (a leaf element)
        UnknownElement,     ///< no handler knows the element here
        UnknownLinkKeys,    ///< a link whose type or operating system is no known key
        SpecialGroup,       ///< a group with one of the fixed special identifiers
        GroupWithoutAddress ///< a group whose address is not valid
    };

    explicit NullFactory(Reason reason = ReadElement) : m_reason(reason) {}
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

QT_WARNING_POP

#endif // PROJECTS_READER_NULLFACTORY_H
