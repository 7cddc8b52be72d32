#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Gives every file of the project that lacks one the SPDX header of its licence.

The licence follows from the path (LICENCE_BY_PATH below, first match wins); the comment
style from the file's name. Files that already name a licence, the licence texts, and the
files that .reuse/dep5 licenses (data that cannot carry a comment or whose bytes the tests
compare) are left alone. A file of a kind that cannot carry a comment and that dep5 does
not cover is reported: add a pattern for it to .reuse/dep5.

The code blocks of the files in MIT_CODE_BLOCKS are MIT, so that hosts may copy them, while
their prose is CC-BY-SA-4.0: each ```cpp block is marked as an MIT snippet
(SPDX-SnippetBegin ... SPDX-SnippetEnd, in HTML comments that the rendered page hides).

Usage: scripts/spdx-headers.py [--check] [FILE...]
  Without FILE, every file that git tracks or would track (committed, staged or new but
  not ignored). With --check, only lists the files that lack a header, and exits with 1
  if there are any. Rerun `reuse lint` afterwards (make reuse-lint).
"""

import fnmatch
import os
import subprocess
import sys

HOLDER = "2026 The Casarina-projects contributors"
# Split so that tools reading this file's own header do not take these for tags.
COPYRIGHT_TAG = "SPDX-" "FileCopyrightText: "
SNIPPET_COPYRIGHT_TAG = "SPDX-" "SnippetCopyrightText: "
LICENCE_TAG = "SPDX-" "License-Identifier: "

# What hosts should be free to copy is MIT; documentation prose is CC-BY-SA-4.0; data is
# CC0-1.0 (through dep5); everything else (library, headers, utils, tool, tests, benchmark,
# fuzz targets, build files and scripts) is LGPL-2.1-or-later.
LICENCE_BY_PATH = [
    ("examples/*", "MIT"),
    ("cmake/*", "MIT"),
    ("*.md", "CC-BY-SA-4.0"),
    ("*", "LGPL-2.1-or-later"),
]

MIT_CODE_BLOCKS = ["docs/host-guide.md"]
SNIPPET_BEGIN = ["<!-- SPDX-SnippetBegin -->",
                 "<!-- " + SNIPPET_COPYRIGHT_TAG + HOLDER + " -->",
                 "<!-- " + LICENCE_TAG + "MIT -->"]
SNIPPET_END = "<!-- SPDX-SnippetEnd -->"

HASH_NAMES = {"Makefile", "CMakeLists.txt", "Doxyfile", ".clang-format", ".gitignore",
              ".gitattributes", "run"}
HASH_SUFFIXES = {".sh", ".py", ".cmake", ".in", ".dict", ".supp", ".txt", ".yml", ".yaml",
                 ".toml", ".cfg", ".ini", ".pc"}
SLASH_SUFFIXES = {".cpp", ".h", ".hpp", ".cc", ".c"}
HTML_SUFFIXES = {".md"}


def licence_of(path):
    for pattern, licence in LICENCE_BY_PATH:
        if fnmatch.fnmatchcase(path, pattern):
            return licence
    raise AssertionError(path)


def dep5_patterns(root):
    patterns = []
    try:
        with open(os.path.join(root, ".reuse", "dep5"), encoding="utf-8") as dep5:
            in_files = False
            for line in dep5:
                if line.startswith("Files:"):
                    patterns += line[len("Files:"):].split()
                    in_files = True
                elif in_files and line.startswith((" ", "\t")):
                    patterns += line.split()
                else:
                    in_files = False
    except FileNotFoundError:
        pass
    return patterns


def header_lines(path, first_line):
    licence = licence_of(path)
    tags = [COPYRIGHT_TAG + HOLDER, LICENCE_TAG + licence]
    name = os.path.basename(path)
    suffix = os.path.splitext(name)[1]
    if suffix in SLASH_SUFFIXES:
        return ["// " + tag for tag in tags] + [""]
    if suffix in HTML_SUFFIXES:
        return ["<!--"] + tags + ["-->", ""]
    if name in HASH_NAMES or suffix in HASH_SUFFIXES or first_line.startswith("#!"):
        return ["# " + tag for tag in tags] + [""]
    return None


def mark_snippets(lines):
    """Wraps every ```cpp block of lines that is not yet marked; returns how many."""
    marked = 0
    index = 0
    while index < len(lines):
        if lines[index].startswith("```cpp") and (index == 0
                                                  or lines[index - 1] != SNIPPET_BEGIN[-1]):
            end = index + 1
            while end < len(lines) and not lines[end].startswith("```"):
                end += 1
            lines.insert(end + 1, SNIPPET_END)
            lines[index:index] = SNIPPET_BEGIN
            index = end + len(SNIPPET_BEGIN) + 1
            marked += 1
        index += 1
    return marked


def tracked_files(root):
    out = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"],
                         cwd=root, check=True, stdout=subprocess.PIPE).stdout
    return sorted({name for name in out.decode("utf-8").split("\0") if name})


def main(argv):
    check = "--check" in argv
    files = [arg for arg in argv if arg != "--check"]
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                          stdout=subprocess.PIPE).stdout.decode().strip()
    if files:
        files = [os.path.relpath(os.path.abspath(name), root) for name in files]
    else:
        files = tracked_files(root)
    covered = dep5_patterns(root)
    missing, uncommentable = [], []
    for path in files:
        full = os.path.join(root, path)
        if path.startswith(("LICENSES/", ".reuse/")) or not os.path.isfile(full):
            continue
        if path.endswith(".license") or any(fnmatch.fnmatchcase(path, p) for p in covered):
            continue
        with open(full, "rb") as source:
            data = source.read()
        if path in MIT_CODE_BLOCKS:
            lines = data.decode("utf-8").split("\n")
            if mark_snippets(lines):
                missing.append(path + " (code blocks)")
                if not check:
                    with open(full, "w", encoding="utf-8", newline="") as target:
                        target.write("\n".join(lines))
                    print("{}: code blocks marked MIT".format(path))
                    data = "\n".join(lines).encode("utf-8")
        # A file of MIT_CODE_BLOCKS names MIT in its snippets: look for its own licence.
        own = licence_of(path) if path in MIT_CODE_BLOCKS else ""
        if (LICENCE_TAG + own).encode() in data:
            continue
        text = data.decode("utf-8")
        lines = text.split("\n")
        header = header_lines(path, lines[0])
        if header is None:
            uncommentable.append(path)
            continue
        missing.append(path)
        if check:
            continue
        if path.endswith(tuple(HTML_SUFFIXES)) and lines[0].startswith("# "):
            # Below the title: the API reference takes a page's title from its first line.
            lines[1:1] = [""] + header[:-1]
        else:
            at = 1 if lines[0].startswith("#!") else 0
            # Keep a comment that opens a file apart from the header by one blank line.
            lines[at:at] = header
        with open(full, "w", encoding="utf-8", newline="") as target:
            target.write("\n".join(lines))
        print("{}: {}".format(path, licence_of(path)))
    for path in uncommentable:
        print("{}: cannot carry a comment; license it in .reuse/dep5".format(path),
              file=sys.stderr)
    if check and missing:
        for path in missing:
            print("{}: no SPDX header (scripts/spdx-headers.py adds it)".format(path),
                  file=sys.stderr)
    return 1 if uncommentable or (check and missing) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
