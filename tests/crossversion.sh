#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Files written by the tool of one Qt flavour read the same with the other's: both tools
# rewrite each input to the same bytes, and each rewrites the other's output unchanged.
# Usage: crossversion.sh QT5_TOOL QT6_TOOL FILE...
set -euo pipefail
tool5=$1 tool6=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$@"; do
    name=$(basename "$file")
    "$tool5" rewrite "$file" -o "$work/$name.qt5"
    "$tool6" rewrite "$file" -o "$work/$name.qt6"
    "$tool6" rewrite "$work/$name.qt5" -o "$work/$name.qt5.qt6"
    "$tool5" rewrite "$work/$name.qt6" -o "$work/$name.qt6.qt5"
    cmp "$work/$name.qt5" "$work/$name.qt6"
    cmp "$work/$name.qt5" "$work/$name.qt5.qt6"
    cmp "$work/$name.qt6" "$work/$name.qt6.qt5"
    echo "$name: same bytes from both flavours"
done
