// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Group::fromJson: the input array (or the input object as a one-element array) is
// imported twice, the imports are merged and synced, and the groups must write out as a
// document that the reader reads again without an error.

#include "fuzzcommon.h"

#include <projects/deletableitems.h>
#include <projects/group.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    QList<projects::Group> groups = projects::Group::fromJson(array);
    const QList<projects::Group> admin = projects::Group::fromJson(array);
    FUZZ_CHECK(groups.size() == admin.size());
    for (int i = 0; i < groups.size(); ++i) {
        groups[i].mergeAdminSettings(admin.at(i), size % 2);
        groups[i].mergeProfile(admin.at(i), size % 3, size % 5);
        groups[i].sync(admin.at(i), projects::Project::SyncHints(int(size % 4)));
        groups[i].gc();
    }
    projects::Project project;
    project.groups() = groups;
    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
