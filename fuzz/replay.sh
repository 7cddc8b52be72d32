#!/usr/bin/env bash
# Runs every target once over its committed corpus and its kept failures, without
# fuzzing: a regression test of everything the campaign has found.
#
#   fuzz/replay.sh <build dir>
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
failed=0
for target in $(cat "$here/targets"); do
    inputs=()
    for folder in "$here/corpus/$target" "$here/regressions/$target"; do
        [ -d "$folder" ] && while IFS= read -r -d '' file; do inputs+=("$file"); done \
            < <(find "$folder" -type f -print0 | sort -z)
    done
    if "$build/fuzz_$target" -timeout=30 -rss_limit_mb=2048 "${inputs[@]}" \
        > "$build/replay-$target.log" 2>&1; then
        echo "replay fuzz_$target: ${#inputs[@]} inputs passed"
    else
        echo "replay fuzz_$target: FAILED, see $build/replay-$target.log"
        tail -n 30 "$build/replay-$target.log"
        failed=1
    fi
done
exit $failed
