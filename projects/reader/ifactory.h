// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_IFACTORY_H
#define PROJECTS_READER_IFACTORY_H

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QXmlAttributes>

#include <projects/common/namespaces.h>
#include <projects/common/texts_p.h>

#include <optional>

// The SAX classes of QtXml are deprecated in Qt 5.15; the reader is built on them.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief An element handler of the project file reader.
 *
 * For every child element that starts inside the element a handler stands for,
 * createChild() builds the child's model object from the start tag, appends it at once
 * to its parent object and returns the handler for the child's content. The reader owns
 * the returned handler. Internal to the library.
 */
class IFactory
{
public:
    virtual ~IFactory();

    /**
     * Returns the handler for a child element that has just started; never null. Unknown
     * elements get a new NullFactory. A handler may return itself when it also stands
     * for the child (container elements).
     */
    virtual IFactory* createChild(const QString& namespaceUri, const QString& localName,
                                  const QXmlAttributes& attributes) = 0;
    /// Character data inside the element; ignored by default.
    virtual void characters(const QString& namespaceUri, const QString& localName,
                            const QString& text);
    /// Whether the handler wants endElement(); false by default.
    virtual bool handlesEndElement();
    /// The element's end; does nothing by default.
    virtual void endElement(const QString& namespaceUri, const QString& localName,
                            const QString& qualifiedName);

protected:
    IFactory() = default;
    IFactory(const IFactory&) = delete;
    IFactory& operator=(const IFactory&) = delete;
};

/**
 * Returns @p value as a string of its own size. The parser reports attribute values in a
 * buffer that it reuses, so a value carries the capacity of the longest value before it,
 * often several times its size; the handlers pass the values that the model keeps
 * through here.
 */
inline QString kept(const QString& value)
{
    if (value.capacity() <= value.size())
        return value;
    return QString(value.constData(), value.size());
}

/**
 * Returns QString::toInt() of @p text in base 10. The form that files hold, an optional
 * minus sign and up to nine ASCII digits, is read here directly; any other text (a plus
 * sign, blanks, longer numbers, anything that is no number) is left to QString::toInt().
 */
inline int decimalValue(const QString& text)
{
    const int size = text.size();
    const QChar* const units = text.constData();
    const bool negative = size > 0 && units[0] == QLatin1Char('-');
    const int first = negative ? 1 : 0;
    if (size - first < 1 || size - first > 9)
        return text.toInt(nullptr, 10);
    int value = 0;
    for (int i = first; i < size; ++i) {
        const ushort u = units[i].unicode();
        if (u < '0' || u > '9')
            return text.toInt(nullptr, 10);
        value = value * 10 + (u - '0');
    }
    return negative ? -value : value;
}

/**
 * Returns the value of the attribute @p localName in the namespace @p namespaceUri, the
 * first that matches, as QXmlAttributes::value() with a URI finds it, but without making a
 * string of the URI for every lookup. An absent attribute gives a null string.
 */
inline QString namespacedValue(const QXmlAttributes& attributes, QLatin1String namespaceUri,
                               QLatin1String localName)
{
    for (int i = 0; i < attributes.length(); ++i) {
        if (attributes.localName(i) == localName && attributes.uri(i) == namespaceUri)
            return attributes.value(i);
    }
    return QString();
}

/**
 * Returns the value of the complete form's attribute @p localName: the value of a key of
 * the enumeration @p Enum, or a decimal number, as the complete form writes values that
 * have no key; nothing when the attribute is absent or holds neither.
 */
template <typename Enum>
std::optional<int> completeEnumValue(const QXmlAttributes& attributes, QLatin1String localName)
{
    const QString text = namespacedValue(attributes, projects::ns::Complete, localName);
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (ok)
        return number;
    const int value = projects::enumValue<Enum>(text, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

/**
 * @brief What the handlers of one document share: values that they have converted once.
 *
 * The root handler owns one for the whole parse and hands a pointer to the handlers below
 * it that meet repeated values, so that a role or an icon name met in every function is
 * stored once and shared, and a simulation date-time text met in every function is
 * converted to local time once. Sharing changes no value. Internal to the reader.
 */
class ReadCache
{
public:
    /**
     * Returns a string equal to @p text: the string kept for an equal text before, which
     * the result then shares, or a copy of @p text at its own size that is kept for the
     * texts to come. For the vocabulary of a file (roles, icons, units), not for names.
     */
    QString sharedText(const QString& text)
    {
        if (text.isEmpty())
            return kept(text);
        const auto found = m_texts.constFind(text);
        if (found != m_texts.constEnd())
            return *found;
        const QString own = kept(text);
        m_texts.insert(own);
        return own;
    }

    /// The simulation date-times read so far whose text fully decided their value.
    QHash<QString, QDateTime> dateTimes;
    /// Days, by Julian day number, checked for a change of the offset from UTC: whether
    /// the offset stayed the same.
    QHash<qint64, bool> steadyDays;

private:
    QSet<QString> m_texts;
};

QT_WARNING_POP

#endif // PROJECTS_READER_IFACTORY_H
