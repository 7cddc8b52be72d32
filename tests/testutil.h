#ifndef CASARINA_TESTS_TESTUTIL_H
#define CASARINA_TESTS_TESTUTIL_H

// Helpers shared by the test executables: reading inline documents through the public
// reader, writing elements inside the document skeleton, and looking at what was written.

#include <projects/project.h>
#include <projects/common/namespaces.h>
#include <projects/reader/projectreader.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace testutil {

/// The path of a file in tests/data.
inline QString dataPath(const QString& name)
{
    return QStringLiteral(CASARINA_TEST_DATA "/") + name;
}

/// A whole current document whose `project` element holds @p content. The default
/// namespace is the project namespace; "p" and "c" are the profile and cache namespaces.
inline QByteArray document(const QByteArray& content, const QByteArray& projectAttributes = {})
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<project xmlns=\"")
           + projects::ns::Project.latin1() + "\" xmlns:p=\"" + projects::ns::Profile.latin1()
           + "\" xmlns:c=\"" + projects::ns::Cache.latin1() + "\" " + projectAttributes + ">"
           + content + "</project>\n";
}

/// Parses @p xml with a new ProjectReader; @p error receives parsingError().
inline projects::Project read(const QByteArray& xml, bool* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    projects::Project project = reader.parse(&buffer);
    if (error)
        *error = reader.parsingError();
    return project;
}

/// Parses a current document whose `project` element holds @p content.
inline projects::Project readContent(const QByteArray& content)
{
    return read(document(content));
}

/// Writes the document skeleton of a default project and, inside the `project` element,
/// whatever @p body writes; returns the bytes.
template <typename Body>
QByteArray write(Body body, bool withVacation = true)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    projects::Project project;
    project.beginSerialize(&writer, withVacation);
    body(&writer);
    project.endSerialize(&writer);
    return bytes;
}

/// The attributes of every element named @p localName in @p xml, in document order.
inline QList<QXmlStreamAttributes> elements(const QByteArray& xml, const QString& localName)
{
    QList<QXmlStreamAttributes> result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == localName)
            result.append(reader.attributes());
    }
    return result;
}

/// The qualified names of @p attributes in order ("name", "p:md5", ...), as written with
/// the prefixes of the document skeleton.
inline QStringList names(const QXmlStreamAttributes& attributes)
{
    QStringList result;
    for (const QXmlStreamAttribute& attribute : attributes)
        result.append(attribute.qualifiedName().toString());
    return result;
}

/// The value of the attribute @p name (qualified, e.g. "p:name") or a null string.
inline QString value(const QXmlStreamAttributes& attributes, const QString& qualifiedName)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.qualifiedName() == qualifiedName)
            return attribute.value().toString();
    }
    return QString();
}

/// The qualified names of the child elements of the first element named @p localName,
/// in document order.
inline QStringList childNames(const QByteArray& xml, const QString& localName)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    int depth = -1;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth >= 0) {
                ++depth;
                if (depth == 1)
                    result.append(reader.qualifiedName().toString());
            } else if (reader.name() == localName) {
                depth = 0;
            }
        } else if (token == QXmlStreamReader::EndElement && depth >= 0) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    return result;
}

} // namespace testutil

#endif // CASARINA_TESTS_TESTUTIL_H
