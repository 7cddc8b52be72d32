// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Room JSON import: each object of the input (or the input object itself) becomes a room
// twice, the two imports are merged and synced, and the result must write out as a
// document that the reader reads again without an error.

#include "fuzzcommon.h"

#include <projects/deletableitems.h>
#include <projects/floor.h>
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
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    for (const QJsonValue& value : array) {
        projects::Room room(value.toObject());
        const projects::Room admin(value.toObject());
        room.mergeAdminSettings(admin);
        room.mergeProfile(admin, size % 2, size % 3);
        room.gc();
        projects::Room synced(value.toObject());
        synced.sync(room, projects::Project::SyncHints(int(size % 4)));
        floor.rooms().append(room);
        floor.rooms().append(synced);
    }
    project.floors().append(floor);
    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
