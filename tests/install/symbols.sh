#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# The library exports the classes of namespace projects and none of the element handlers.
set -euo pipefail
library=$1
symbols=$(nm -D --defined-only -C "$library")
for class in Project ProjectEnum ProjectReader Floor Room Function Actuator Datapoint Group \
             SwitchTime Simulation Automatic Scene SceneTrigger Snapshot Favorite Link \
             DeletableItems ProjectMerge ReaderDiagnostics ProjectWriter; do
    if ! grep -q "projects::$class::" <<<"$symbols"; then
        echo "missing exported class projects::$class" >&2
        exit 1
    fi
done
if grep -E 'Factory' <<<"$symbols" >&2; then
    echo "element handlers must not be exported" >&2
    exit 1
fi
echo "exports look right"
