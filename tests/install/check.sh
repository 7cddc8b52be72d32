#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Installs the build tree into a scratch prefix, builds a separate host project against
# the installed package and runs it on a project file. Given the build folder of the other
# Qt flavour too, installs both into the one prefix, checks that no file of one is a file
# of the other, and runs a host of each flavour.
# Usage: check.sh BUILD_DIR SOURCE_DIR DATA_FILE EXPECTED [OTHER_BUILD_DIR]
set -euo pipefail
build_dir=$1 source_dir=$2 data_file=$3 expected=$4 other_dir=${5:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
builds=("$build_dir")
if [ -n "$other_dir" ]; then
    builds+=("$other_dir")
fi
for build in "${builds[@]}"; do
    cmake --install "$build" --prefix "$prefix" >/dev/null
done
if [ -n "$other_dir" ]; then
    shared=$(comm -12 <(sort "$build_dir/install_manifest.txt") \
        <(sort "$other_dir/install_manifest.txt"))
    if [ -n "$shared" ]; then
        echo "both flavours install these files:" >&2
        echo "$shared" >&2
        exit 1
    fi
fi
for build in "${builds[@]}"; do
    qt=$(sed -n 's/^QT_MAJOR_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
    suffix='' package=CasarinaProjects
    if [ "$qt" = 6 ]; then
        suffix=-qt6 package=CasarinaProjectsQt6
    fi
    test -f "$prefix/include/casarina-qt$qt/projects/reader/projectreader.h"
    test -f "$prefix/include/casarina-qt$qt/projects/projects_export.h"
    pkg=$(find "$prefix" -name "casarina-projects$suffix.pc" | head -n 1)
    test -n "$pkg"
    PKG_CONFIG_PATH=$(dirname "$pkg") pkg-config --cflags --libs "casarina-projects$suffix" \
        >/dev/null
    cmake -S "$source_dir" -B "$work/build$qt" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCASARINA_PACKAGE=$package >/dev/null
    cmake --build "$work/build$qt" >/dev/null
    libdir=$(dirname "$(find "$prefix" -name "libCasarina-projects$suffix.so" | head -n 1)")
    out=$(LD_LIBRARY_PATH="$libdir" "$work/build$qt/consumer" "$data_file")
    if [ "$out" != "$expected" ]; then
        echo "Qt $qt consumer printed '$out', expected '$expected'" >&2
        exit 1
    fi
    echo "installed Qt $qt package works: $out"
done
