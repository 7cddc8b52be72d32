// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Floor JSON import: each object of the input (or the input object itself) becomes a
// floor twice, the two imports are merged both ways, and the result must write out as a
// document that the reader reads again without an error.

#include "fuzzcommon.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    projects::Project project;
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    for (const QJsonValue& value : array) {
        projects::Floor floor(value.toObject());
        const projects::Floor admin(value.toObject());
        floor.mergeAdminSettings(admin);
        floor.mergeProfile(admin, size % 2, size % 3);
        floor.gc();
        project.floors().append(floor);
    }
    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
