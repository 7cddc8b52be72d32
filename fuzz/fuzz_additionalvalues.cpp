// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The additional values of a switch time: the fuzzer's bytes are the decoded blob, which
// the harness hex-encodes into the "additionalValues" attribute of a switch time in an
// otherwise fixed document. Whatever the reader accepts must come back unchanged after a
// write and a second read.

#include "fuzzcommon.h"

#include <projects/automatic.h>
#include <projects/switchtime.h>
#include <projects/common/namespaces.h>

#include <QDataStream>
#include <QMap>
#include <QVariant>

namespace {

QByteArray documentWith(const QByteArray& blob)
{
    return QByteArray("<project xmlns=\"") + projects::ns::Project.latin1() + "\" xmlns:p=\"" +
           projects::ns::Profile.latin1() +
           "\"><p:automatic id=\"a\"><switchTime id=\"_00112233445566778899aabbccddeeff\" "
           "additionalValues=\"" +
           blob.toHex() + "\"/></p:automatic></project>";
}

// The table of the document's switch time, each value in its stream form, so that values
// compare exactly (NaN included) and independently of hash order.
QMap<int, QByteArray> additionalValues(const projects::Project& project)
{
    const projects::SwitchTime switchTime =
        project.automatics().value(QStringLiteral("a")).switchTimes().value(0);
    FUZZ_CHECK(switchTime.isValid());
    QMap<int, QByteArray> table;
    for (int index : switchTime.additionalValueIndexes()) {
        QByteArray form;
        QDataStream stream(&form, QIODevice::WriteOnly);
        stream << switchTime.additionalValue(index);
        table.insert(index, form);
    }
    return table;
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
    FUZZ_CHECK(!error);
    const QMap<int, QByteArray> table = additionalValues(project);

    const projects::Project again = fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    FUZZ_CHECK(additionalValues(again) == table);
    return 0;
}
