#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, builds a separate host project against
# the installed package and runs it on a project file. Also checks the exported symbols.
set -euo pipefail
build_dir=$1 source_dir=$2 data_file=$3 expected=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
test -f "$work/prefix/include/projects/reader/projectreader.h"
test -f "$work/prefix/include/projects/projects_export.h"
pkg=$(find "$work/prefix" -name casarina-projects.pc | head -n 1)
test -n "$pkg"
PKG_CONFIG_PATH=$(dirname "$pkg") pkg-config --cflags --libs casarina-projects >/dev/null
cmake -S "$source_dir" -B "$work/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
libdir=$(dirname "$(find "$work/prefix" -name 'libCasarina-projects.so' | head -n 1)")
out=$(LD_LIBRARY_PATH="$libdir" "$work/build/consumer" "$data_file")
if [ "$out" != "$expected" ]; then
    echo "consumer printed '$out', expected '$expected'" >&2
    exit 1
fi
echo "installed package works: $out"
