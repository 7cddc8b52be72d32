#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Folds what the campaign found into the committed corpora, keeping only inputs that reach
# an edge the others do not (libFuzzer's merge on edges alone: hit counts and value
# profiles would keep several times as many), so that fuzz/corpus stays small and still
# reaches every edge the campaign reached.
#
#   fuzz/minimize.sh <build dir> [target...]      (default: every target)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(cat "$here/targets"))
# Only the JSON targets parse their input with QJsonDocument, whose leaks are Qt's.
leak_options() { [[ "$1" == *json ]] && echo "suppressions=$here/lsan.supp" || true; }
for target in "${targets[@]}"; do
    merged="$build/merged/$target"
    rm -rf "$merged"
    mkdir -p "$merged" "$build/corpus/$target"
    LSAN_OPTIONS="$(leak_options "$target")" "$build/fuzz_$target" -merge=1 \
        -use_counters=0 -use_value_profile=0 -timeout=30 -rss_limit_mb=2048 \
        "$merged" "$here/corpus/$target" "$build/corpus/$target" \
        > "$build/merge-$target.log" 2>&1
    rm -rf "$here/corpus/$target"
    cp -r "$merged" "$here/corpus/$target"
    echo "$target: $(ls "$here/corpus/$target" | wc -l) inputs," \
         "$(du -sk "$here/corpus/$target" | cut -f1) KB"
done
