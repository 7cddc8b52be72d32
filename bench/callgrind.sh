#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Instruction counts of the measured operations under callgrind: repeatable where times on
# a shared machine are not. Counts only the operation itself (the inputs are generated and
# read with the instrumentation off).
#
#   bench/callgrind.sh BENCH_BINARY [FUNCTIONS] [OPERATION...]
#
# Without operations it counts the three model/baseline pairs and prints their ratios.
set -euo pipefail
bench=${1:?usage: callgrind.sh BENCH_BINARY [FUNCTIONS] [OPERATION...]}
functions=${2:-10000}
shift $(( $# < 2 ? $# : 2 ))
operations=("$@")
if [ ${#operations[@]} -eq 0 ]; then
    operations=(read-model read-bare write-model write-bare json-model json-bare)
fi
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
declare -A counts
for operation in "${operations[@]}"; do
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/$operation.out" \
        "$bench" --count "$operation" "$functions" >/dev/null 2>"$out/$operation.log"
    counts[$operation]=$(awk '/^totals:/ {print $2}' "$out/$operation.out")
    printf '%-14s %15s instructions (%d functions)\n' "$operation" "${counts[$operation]}" \
        "$functions"
done
for pair in read write json; do
    model=${counts[$pair-model]:-}
    bare=${counts[$pair-bare]:-}
    if [ -n "$model" ] && [ -n "$bare" ]; then
        awk -v p="$pair" -v m="$model" -v b="$bare" \
            'BEGIN { printf "%-6s model/baseline = %.3f\n", p, m / b }'
    fi
done
