#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Runs every target once over its committed corpus and its kept failures, without
# fuzzing: a regression test of everything the campaign has found.
#
#   fuzz/replay.sh <build dir>
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
# Only the JSON targets parse their input with QJsonDocument, whose leaks are Qt's.
leak_options() { [[ "$1" == *json ]] && echo "suppressions=$here/lsan.supp" || true; }
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
failed=0
for target in $(cat "$here/targets"); do
    inputs=()
    for folder in "$here/corpus/$target" "$here/regressions/$target"; do
        [ -d "$folder" ] && while IFS= read -r -d '' file; do inputs+=("$file"); done \
            < <(find "$folder" -type f -print0 | sort -z)
    done
    if LSAN_OPTIONS="$(leak_options "$target")" "$build/fuzz_$target" -timeout=30 \
        -rss_limit_mb=2048 "${inputs[@]}" > "$build/replay-$target.log" 2>&1; then
        echo "replay fuzz_$target: ${#inputs[@]} inputs passed"
    else
        echo "replay fuzz_$target: FAILED, see $build/replay-$target.log"
        tail -n 30 "$build/replay-$target.log"
        failed=1
    fi
done
exit $failed
