#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Compares the binary interface of the libraries of a build with the baselines in abi/, or
# records new baselines. The build is installed into a staging prefix inside the build
# folder, and only the headers it installs count as the interface: types that none of them
# defines are left out, and so are the locations and the source and build folders, so that
# two builds of one tree, in any folder, describe the same interface.
#
# Usage: abi-check.sh check|baseline BUILD_DIR
#   check     fails on a change that breaks hosts built against the baseline (a removed or
#             changed function, variable or type), unless the library's SOVERSION differs
#             from the baseline's; additions are reported, not failures.
#   baseline  writes abi/<library>.abi anew from the build (make abi-baseline).
set -euo pipefail
mode=$1 build=$2
root=$(cd "$(dirname "$0")/.." && pwd)
qt=$(sed -n 's/^QT_MAJOR_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
suffix=''
if [ "$qt" = 6 ]; then
    suffix=-qt6
fi
staging=$build/abi-staging
rm -rf "$staging"
cmake --install "$build" --prefix "$staging" >/dev/null
build=$(cd "$build" && pwd)
# The debug information names the headers where the compiler read them: in the source tree,
# or in the build folder for the generated export headers.
headers=()
while read -r installed; do
    header=${installed#"$staging/include/casarina-qt$qt/"}
    if [ -f "$root/$header" ]; then
        headers+=(--header-file "$root/$header")
    elif [ -f "$build/include/$header" ]; then
        headers+=(--header-file "$build/include/$header")
    else
        echo "abi-check: no source for the installed header $header" >&2
        exit 1
    fi
done < <(find "$staging/include/casarina-qt$qt" -name '*.h' | sort)
mkdir -p "$build/abi"

status=0
for name in libCasarina-projects$suffix libCasarina-utils$suffix; do
    library=$(find "$staging" -name "$name.so" | head -n 1)
    if [ -z "$library" ]; then
        echo "abi-check: $name.so is not installed by $build" >&2
        exit 1
    fi
    current=$build/abi/$name.abi
    abidw "${headers[@]}" --drop-private-types --no-corpus-path --no-comp-dir-path \
        --no-show-locs --type-id-style hash --out-file "$current" "$(readlink -f "$library")"
    # The paths of the translation units, relative to the build or the source folder.
    sed -i -e "s#path='$build/#path='#" -e "s#path='$root/#path='#" "$current"
    baseline=$root/abi/$name.abi
    if [ "$mode" = baseline ]; then
        mkdir -p "$root/abi"
        cp "$current" "$baseline"
        echo "abi-baseline: recorded abi/$name.abi ($(grep -o "soname='[^']*'" "$current"))"
        continue
    fi
    if [ ! -f "$baseline" ]; then
        echo "abi-check: no baseline abi/$name.abi; record one with make abi-baseline" >&2
        status=1
        continue
    fi
    old_soname=$(grep -o "soname='[^']*'" "$baseline" | head -n 1 | cut -d"'" -f2)
    new_soname=$(grep -o "soname='[^']*'" "$current" | head -n 1 | cut -d"'" -f2)
    report=$build/abi/$name.report
    # Everything but additions first: any such change breaks a host built against the
    # baseline.
    rc=0
    abidiff --no-added-syms "$baseline" "$current" >"$report" 2>&1 || rc=$?
    if [ $((rc & 3)) -ne 0 ]; then
        cat "$report" >&2
        echo "abi-check: abidiff could not compare abi/$name.abi with $current" >&2
        exit 1
    fi
    if [ "$old_soname" != "$new_soname" ]; then
        echo "abi-check: $name: the SOVERSION was raised ($old_soname -> $new_soname);" \
            "record a new baseline with make abi-baseline and commit abi/ with the change"
        continue
    fi
    if [ "$rc" -ne 0 ]; then
        cat "$report" >&2
        echo "abi-check: FAILED: $name ($new_soname) is incompatible with abi/$name.abi:" \
            "the changes above break hosts built against it. Undo them, or raise the" \
            "SOVERSION (the major version in CMakeLists.txt) in the same change and record" \
            "a new baseline with make abi-baseline." >&2
        status=1
        continue
    fi
    rc=0
    abidiff "$baseline" "$current" >"$report" 2>&1 || rc=$?
    if [ "$rc" -ne 0 ]; then
        cat "$report"
        echo "abi-check: $name adds to abi/$name.abi (compatible, not a failure);" \
            "make abi-baseline records the additions"
    else
        echo "abi-check: $name ($new_soname) matches abi/$name.abi"
    fi
done
exit $status
