#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Times casarina-project's commands on generated installations of two sizes and compares
# the time per function: a command that grows faster than its input shows a ratio above 1.
#
#   bench/tool-scaling.sh BENCH TOOL [SMALL] [LARGE]
#
# BENCH is casarina-bench (it generates the files), TOOL casarina-project; the sizes are
# numbers of functions (default 1000 and 100000). Each command runs three times at each
# size, and its best time counts. The target: time per function at LARGE within 1.5 times
# that at SMALL.
set -euo pipefail
bench=$1
tool=$2
small=${3:-1000}
large=${4:-100000}
limit=1.5

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for size in "$small" "$large"; do
    "$bench" --generate "$size" "$dir/$size.xml" "$dir/$size.json"
done

# The best of three runs of the command, in nanoseconds.
best() {
    local fastest=0 start end
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        if [ "$fastest" -eq 0 ] || [ $((end - start)) -lt "$fastest" ]; then
            fastest=$((end - start))
        fi
    done
    echo "$fastest"
}

printf '%-14s %14s %14s %8s  %s\n' command "ns/fn @$small" "ns/fn @$large" ratio verdict
status=0
for command in info check diff export-scenes; do
    per=()
    for size in "$small" "$large"; do
        file=$dir/$size.xml
        case $command in
            diff) arguments=(diff "$file" "$file") ;;
            export-scenes) arguments=(export-scenes "$file" --datapoints "$dir/$size.json" --force) ;;
            *) arguments=("$command" "$file") ;;
        esac
        per+=($(($(best "$tool" "${arguments[@]}") / size)))
    done
    ratio=$(awk -v a="${per[0]}" -v b="${per[1]}" 'BEGIN { printf "%.2f", b / a }')
    verdict=$(awk -v r="$ratio" -v l="$limit" 'BEGIN { print (r <= l ? "met" : "not met") }')
    [ "$verdict" = met ] || status=1
    printf '%-14s %14s %14s %8s  %s\n' "$command" "${per[0]}" "${per[1]}" "$ratio" "$verdict"
done
exit $status
