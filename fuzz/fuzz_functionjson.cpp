// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Function JSON import: each object of the input (or the input object itself) becomes a
// function twice, the two imports are merged and synced, and the result must write out as
// a document that the reader reads again without an error.

#include "fuzzcommon.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/room.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    projects::Project project;
    projects::Floor floor;
    projects::Room room;
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    for (const QJsonValue& value : array) {
        projects::Function function(value.toObject());
        const projects::Function admin(value.toObject());
        function.mergeAdminSettings(admin, size % 2);
        function.mergeProfile(admin, size % 3, size % 5);
        function.sync(admin, projects::Project::SyncHints(int(size % 4)));
        function.gc();
        room.functions().append(function);
    }
    floor.rooms().append(room);
    project.floors().append(floor);
    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
