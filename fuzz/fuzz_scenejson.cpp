// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Scene::fromJson: the input array (or the input object as a one-element array) is
// imported with a fixed table of function addresses; the scenes are merged, synced and
// compiled, and must write out as a document that the reader reads again without an
// error.

#include "fuzzcommon.h"

#include <projects/scene.h>
#include <projects/snapshot.h>

#include <QHash>
#include <QUuid>

namespace {

// Addresses of the examples' configuration, spread over two functions.
QHash<QString, QUuid> addressToFunction()
{
    QHash<QString, QUuid> table;
    const QUuid first(QStringLiteral("{2e71b50c-5030-2354-021f-465090b5fb6f}"));
    const QUuid second(QStringLiteral("{38730641-5737-a703-37b2-7e09101eb1ef}"));
    for (int sub = 0; sub < 64; ++sub)
        table.insert(QStringLiteral("1/0/%1").arg(sub), sub % 2 ? first : second);
    table.insert(QString(), first);
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
    const QHash<QString, QUuid> functions = addressToFunction();
    const QJsonArray array = fuzz::jsonArray(fuzz::bytes(data, size));
    QList<projects::Scene> scenes = projects::Scene::fromJson(array, functions);
    const QList<projects::Scene> others = projects::Scene::fromJson(array, functions);
    FUZZ_CHECK(scenes.size() == others.size());

    QHash<QString, int> addressToId;
    for (auto it = functions.cbegin(); it != functions.cend(); ++it)
        addressToId.insert(it.key(), addressToId.size());
    QJsonArray compiled;
    for (int i = 0; i < scenes.size(); ++i) {
        scenes[i].sync(others.at(i), projects::Project::SyncHints(int(size % 4)));
        for (const projects::Snapshot& snapshot : scenes.at(i).snapshots())
            snapshot.compile(addressToId, {}, &compiled);
        projects::Snapshot::exportSnapshots({}, scenes.at(i).snapshots());
    }
    if (size % 2 && !scenes.isEmpty())
        scenes.last().mergeScene(others.first());

    projects::Project project;
    project.scenes() = scenes;
    bool error = true;
    fuzz::read(fuzz::write(project), &error);
    FUZZ_CHECK(!error);
    return 0;
}
