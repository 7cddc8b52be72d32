#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Runs fuzz targets one after the other, each for SECONDS of wall time in one process.
#
#   fuzz/run.sh <build dir> <seconds> [target...]      (default: every target)
#
# New inputs go to <build dir>/corpus/<target>, seeded from fuzz/corpus/<target>; inputs
# that fail are kept as <build dir>/artifacts/<target>-crash-* (and -leak-, -timeout-,
# -oom-). Each run's log is <build dir>/logs/<target>-<date>.log, and
# <build dir>/campaign.tsv gains a line with its CPU time and final coverage. Copy a fixed
# failure to fuzz/regressions/<target>/ so that fuzz-replay keeps checking it.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(cat "$here/targets"))

# Only the JSON targets parse their input with QJsonDocument, whose leaks are Qt's.
leak_options() { [[ "$1" == *json ]] && echo "suppressions=$here/lsan.supp" || true; }
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
mkdir -p "$build/logs" "$build/artifacts"
failed=0
for target in "${targets[@]}"; do
    case "$target" in
        reader) dict=(-dict="$here/xml.dict") ;;
        *json) dict=(-dict="$here/json.dict") ;;
        *) dict=() ;;
    esac
    mkdir -p "$build/corpus/$target"
    log="$build/logs/$target-$(date +%Y%m%d-%H%M%S).log"
    echo "== fuzz_$target for ${seconds}s (log: $log)"
    TIMEFORMAT="%U %S"
    cpu=$( { time LSAN_OPTIONS="$(leak_options "$target")" \
        "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -use_value_profile=1 -print_final_stats=1 "${dict[@]}" \
        -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus/$target" "$here/corpus/$target" > "$log" 2>&1; } 2>&1 )
    status=$?
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::)' "$log" | sed 's/^/   /'
    # One line per run in campaign.tsv: target, start, CPU seconds (user + system), exit
    # status, the final coverage line.
    printf '%s\t%s\t%s\t%s\t%s\n' "$target" "$(basename "$log" .log | cut -d- -f2-)" \
        "$(echo "$cpu" | awk '{ print $1 + $2 }')" "$status" \
        "$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)" >> "$build/campaign.tsv"
    if [ $status -ne 0 ]; then
        echo "   FAILED ($status): see $log"
        failed=1
    fi
done
exit $failed
