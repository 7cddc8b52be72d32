// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// The project file reader on whole documents. Whatever it reads must write out as a
// document that it reads again without an error.

#include "fuzzcommon.h"

#include <projects/floor.h>
#include <projects/reader/readerdiagnostics.h>

namespace {

// Takes the reports of passed-over elements, so that that path runs too.
class Receiver : public projects::ReaderDiagnostics
{
public:
    void passedOver(Kind, int, const QString& element, const QString& detail) override
    {
        count += element.size() + detail.size();
    }
    qint64 count = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(fuzz::bytes(data, size));
    buffer.open(QIODevice::ReadOnly);
    Receiver receiver;
    projects::ProjectReader reader;
    // Half of the inputs, chosen by length, also feed the diagnostics receiver.
    if (size % 2)
        reader.setDiagnostics(&receiver);
    const projects::Project project = reader.parse(&buffer);
    if (reader.parsingError()) {
        FUZZ_CHECK(project.name().isEmpty() && project.floors().isEmpty() &&
                   project.groups().isEmpty() && project.scenes().isEmpty());
        return 0;
    }

    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
