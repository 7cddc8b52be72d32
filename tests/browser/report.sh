#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# The example reports in headless Chromium: the page the browser builds has the report's
# sections, and as many week strips and marks as the file; a screenshot at desktop and at
# phone width is not blank. Usage: report.sh TOOL [OUTPUT_DIR] (screenshots are kept there).
set -euo pipefail
tool=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
examples=$here/../../examples
out=${2:-$(mktemp -d)}
mkdir -p "$out"
out=$(realpath "$out")
browser=(chromium --headless --no-sandbox --disable-gpu --hide-scrollbars)
passed=0
failed=0
problems=0

fail() {
    echo "FAIL: $*"
    problems=$((problems + 1))
}

occurrences() { # TEXT: how often it stands in standard input
    { grep -o "$1" || true; } | wc -l
}

check() { # NAME: $out/NAME.html
    local page=$out/$1.html dom before=$problems
    dom=$("${browser[@]}" --dump-dom "file://$page" 2>/dev/null)
    for section in summary building week scenes; do
        grep -q "<section id=\"$section\">" <<<"$dom" || fail "$1: no section $section"
    done
    for what in '<figure class="strip"' '<g class="mark' '<rect class="band"'; do
        local want got
        want=$(occurrences "$what" <"$page")
        got=$(occurrences "$what" <<<"$dom")
        [ "$want" -eq "$got" ] || fail "$1: $got of $want '$what' in the browser's page"
    done
    local strips
    strips=$(occurrences '<figure class="strip"' <<<"$dom")
    [ "$strips" -ge 10 ] || fail "$1: only $strips week strips"
    for size in 1000,1800 390,844; do
        "${browser[@]}" --window-size=$size --screenshot="$out/$1-${size%,*}.png" "file://$page" \
            >/dev/null 2>&1
        python3 "$here/colours.py" "$out/$1-${size%,*}.png" || fail "$1: blank at $size"
    done
    if [ "$problems" -eq "$before" ]; then
        passed=$((passed + 1))
        echo "PASS: $1: sections, $strips strips and screenshots"
    else
        failed=$((failed + 1))
    fi
}

"$tool" report "$examples/house.xml" --date 2026-06-21 -o "$out/house.html"
"$tool" import --building "$examples/house-building.json" --groups "$examples/house-groups.json" \
    --scenes "$examples/house-scenes.json" --functions "$examples/house-functions.json" |
    "$tool" report - --date 2026-06-21 -o "$out/house-import.html"
check house
check house-import
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
