// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The value texts of snapshot datapoints. Each line of the input is one datapoint: its
// value text, optionally preceded by an address text and a tab (otherwise the address is
// taken in turn from a few that select each display type). The harness writes the
// document with QXmlStreamWriter, so any text reaches the attribute. The texts must be
// stable after one round trip through the file, and every export must run.

#include "fuzzcommon.h"

#include <projects/scene.h>
#include <projects/snapshot.h>
#include <projects/common/namespaces.h>

#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const char* const functionRef = "_00112233445566778899aabbccddeeff";

QByteArray documentWith(const QByteArray& input)
{
    // DPT1, DPT5, DPT9, a per-address table cell, no type, and no address at all.
    static const char* const addresses[] = {"1/1/0", "2/2/0", "4/0/1", "1/3/0", "7/0/0", "abc"};
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(projects::ns::Project);
    writer.writeNamespace(projects::ns::Profile, projects::ns::ProfilePrefix);
    writer.writeStartElement(projects::ns::Project, QStringLiteral("project"));
    writer.writeStartElement(projects::ns::Profile, QStringLiteral("scene"));
    writer.writeAttribute(QStringLiteral("id"), QLatin1String(functionRef));
    writer.writeStartElement(QStringLiteral("snapshot"));
    writer.writeAttribute(QStringLiteral("function-ref"), QLatin1String(functionRef));
    const QList<QByteArray> lines = input.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i));
        const int tab = line.indexOf(QLatin1Char('\t'));
        writer.writeStartElement(QStringLiteral("datapoint"));
        if (tab >= 0) {
            writer.writeAttribute(QStringLiteral("address"), line.left(tab));
            writer.writeAttribute(QStringLiteral("value"), line.mid(tab + 1));
        } else {
            const int pick = i % int(sizeof(addresses) / sizeof(addresses[0]));
            writer.writeAttribute(QStringLiteral("address"), QLatin1String(addresses[pick]));
            writer.writeAttribute(QStringLiteral("id"), QString::number(i));
            writer.writeAttribute(QStringLiteral("value"), line);
        }
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return document;
}

// The "address=value" texts of every datapoint a document holds, sorted.
QStringList datapointTexts(const QByteArray& document)
{
    QStringList texts;
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("datapoint"))
            texts.append(reader.attributes().value(QLatin1String("address")).toString() +
                         QLatin1Char('=') +
                         reader.attributes().value(QLatin1String("value")).toString());
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool error = true;
    const projects::Project project = fuzz::read(documentWith(fuzz::bytes(data, size)), &error);
    if (error)
        return 0; // text that XML cannot carry, such as U+FFFF
    FUZZ_CHECK(project.scenes().size() == 1);
    const projects::Scene scene = project.scenes().first();
    FUZZ_CHECK(scene.snapshots().size() == 1);
    projects::Snapshot snapshot = scene.snapshots().first();

    // The device tables: every key gets a number, every other number a format.
    QHash<QString, int> addressToId;
    QHash<int, QString> idToFormat;
    const QStringList keys = snapshot.values().keys();
    for (int i = 0; i < keys.size(); ++i) {
        addressToId.insert(keys.at(i), i + 1);
        if (i % 2)
            idToFormat.insert(i + 1, QStringLiteral("DPT%1").arg(i));
    }
    QJsonArray compiled{QJsonObject()};
    snapshot.compile(addressToId, idToFormat, &compiled);
    FUZZ_CHECK(compiled.size() == keys.size() + 1);
    QJsonArray exported;
    snapshot.exportIn(&exported);
    FUZZ_CHECK(exported.size() == keys.size());
    FUZZ_CHECK(projects::Snapshot::exportSnapshots(addressToId, scene.snapshots()).size() ==
               keys.size());
    FUZZ_CHECK(snapshot.json().size() <= keys.size());
    FUZZ_CHECK(snapshot.hasSameDatapointAddresses(snapshot));

    // The file form is stable once a value has been read.
    const QByteArray first = fuzz::write(project);
    const projects::Project again = fuzz::read(first, &error);
    FUZZ_CHECK(!error);
    FUZZ_CHECK(datapointTexts(fuzz::write(again)) == datapointTexts(first));

    // The migration of device numbers to addresses, with the numbers given to the keys.
    QHash<QString, int> numbers;
    for (int i = 0; i < keys.size(); ++i)
        numbers.insert(QStringLiteral("9/%1/%2").arg(i / 256).arg(i % 256), i);
    snapshot.migrateIdsToAddresses(numbers);
    return 0;
}
