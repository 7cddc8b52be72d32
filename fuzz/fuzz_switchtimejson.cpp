// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// SwitchTime JSON import: each object of the input (or the input object itself) becomes a
// switch time of an automatic program; the program must write out as a document that the
// reader reads again without an error, with every valid switch time in it.

#include "fuzzcommon.h"

#include <projects/automatic.h>
#include <projects/switchtime.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    projects::Automatic automatic(QStringLiteral("a"), false);
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    for (const QJsonValue& value : array) {
        const projects::SwitchTime switchTime(value.toObject());
        switchTime.print();
        if (switchTime.isValid())
            automatic.switchTimes().append(switchTime);
    }
    projects::Project project;
    project.automatics().insert(automatic.id(), automatic);
    bool error = true;
    const projects::Project again = fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    FUZZ_CHECK(again.automatics().value(automatic.id()).switchTimes().size() ==
               automatic.switchTimes().size());
    return 0;
}
