#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Unpacks a source tarball in a scratch folder and runs the test suite there, without the
# repository: what a packager starting from the tarball would do.
# Usage: dist-test.sh TARBALL [JOBS]
set -euo pipefail
tarball=$(readlink -f "$1") jobs=${2:-$(nproc)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -xJf "$tarball" -C "$work"
source=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
if [ -e "$source/.git" ]; then
    echo "dist-test: the tarball holds a .git" >&2
    exit 1
fi
make -C "$source" test JOBS="$jobs"
echo "dist-test: $(basename "$tarball") builds and passes its tests in $source"
