// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_FUZZ_FUZZCOMMON_H
#define CASARINA_FUZZ_FUZZCOMMON_H

// Shared by the fuzz targets: quiet logging, reading and writing whole documents, and
// JSON input. Each target runs in a plain process, as a host service would: no
// QCoreApplication, no QGuiApplication.

#include <projects/project.h>
#include <projects/reader/projectreader.h>
#include <projects/writer/projectwriter.h>

#include <QBuffer>
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The reader warns once per malformed input and the merges trace at debug level; printing
// that for every run would cost more than the run itself. Fatal messages still show.
inline void silence(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

inline void quietLogging()
{
    qInstallMessageHandler(&silence);
}

// The fuzzer's bytes without a copy; valid for the duration of one run.
inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
}

inline projects::Project read(const QByteArray& document, bool* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    projects::ProjectReader reader;
    const projects::Project project = reader.parse(&buffer);
    if (error)
        *error = reader.parsingError();
    return project;
}

inline QByteArray write(const projects::Project& project)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    projects::ProjectWriter().write(project, &buffer);
    return out;
}

// The input as JSON: an object is returned as a one-element array, an array as it is;
// anything else gives an empty array.
inline QJsonArray jsonArray(const QByteArray& input)
{
    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (document.isArray())
        return document.array();
    if (document.isObject())
        return QJsonArray{document.object()};
    return {};
}

// Stops the run with a report when a property of the library does not hold; libFuzzer
// keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace fuzz

#endif // CASARINA_FUZZ_FUZZCOMMON_H
