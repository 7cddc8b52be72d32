# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

"""Exits 1 when a PNG screenshot is blank: fewer than 16 colours, or under 2% of its pixels
other than the most common colour. Reads 8-bit RGB or RGBA PNGs, as Chromium writes them,
with the standard library alone."""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    width, height, depth, kind = struct.unpack(">IIBB", data[16:26])
    assert depth == 8 and kind in (2, 6), "an 8-bit RGB or RGBA PNG"
    size = 3 if kind == 2 else 4
    chunks, at = b"", 8
    while at < len(data):
        length, name = struct.unpack(">I4s", data[at:at + 8])
        if name == b"IDAT":
            chunks += data[at + 8:at + 8 + length]
        at += 12 + length
    raw, stride, previous = zlib.decompress(chunks), width * size, bytearray(width * size)
    for row in range(height):
        kind_of_filter = raw[row * (stride + 1)]
        line = bytearray(raw[row * (stride + 1) + 1:(row + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - size] if i >= size else 0
            up, corner = previous[i], previous[i - size] if i >= size else 0
            if kind_of_filter == 1:
                line[i] = (line[i] + left) & 255
            elif kind_of_filter == 2:
                line[i] = (line[i] + up) & 255
            elif kind_of_filter == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind_of_filter == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        previous = line
        for i in range(0, stride, size):
            yield bytes(line[i:i + 3])


counts = {}
for pixel in pixels(sys.argv[1]):
    counts[pixel] = counts.get(pixel, 0) + 1
total, common = sum(counts.values()), max(counts.values())
print(f"{sys.argv[1]}: {len(counts)} colours, {100 * (total - common) / total:.1f}% not background")
sys.exit(0 if len(counts) >= 16 and total - common >= total * 0.02 else 1)
