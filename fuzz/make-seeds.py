#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

"""Builds the seed corpora of the fuzz targets from the test documents and examples.

Run from the repository root: python3 fuzz/make-seeds.py. It writes
fuzz/corpus/<target>/seed-*; the fuzz campaign adds what it finds beside them (make
fuzz-minimize keeps the corpora small).
"""
import glob
import hashlib
import json
import os
import re
import struct

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), '..'))
CORPUS = os.path.join(ROOT, 'fuzz', 'corpus')


def put(target, data):
    if isinstance(data, str):
        data = data.encode('utf-8')
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    name = 'seed-' + hashlib.sha1(data).hexdigest()[:16]
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


def read(path):
    with open(os.path.join(ROOT, path), 'rb') as f:
        return f.read()


def dump(value):
    return json.dumps(value, ensure_ascii=False, indent=1)


documents = sorted(glob.glob(os.path.join(ROOT, 'tests', 'data', '*.xml'))) + \
    sorted(glob.glob(os.path.join(ROOT, 'examples', '*.xml')))

# reader: the test documents whole, and the example house cut to its first floors so that
# mutations stay fast.
for path in documents:
    data = read(path)
    if len(data) <= 16384:
        put('reader', data)
house = read('examples/house.xml').decode('utf-8')
cut = house.find('</floor>', 4000)
if cut > 0:
    put('reader', house[:cut] + '</floor></floors></project>\n')
NS = 'http://schemas.casarina.org/Casarina/2017/09'
put('reader', '<?xml version="1.0"?>\n<!DOCTYPE project [<!ELEMENT project ANY>]>\n'
              '<project xmlns="%s" name="d"><floors><floor id="_00" name="f"/></floors>'
              '</project>\n' % NS)
put('reader', '<project xmlns="http://schemas.casarina.org/Tessaro/2016/12" name="legacy">'
              '<scenes><scene id="_01" name="s" number="3"/></scenes></project>\n')
# The parts of a scene that the writer leaves to the host, prefixes declared below the
# document element, character references and an entity declaration.
put('reader', '<project xmlns="%s" xmlns:p="%s/profile" name="&#x41;&#xD83D;&#xDE00;">'
              '<scenes><p:scene id="_00112233445566778899aabbccddeeff" name="s" color="#ff0000">'
              '<trigger scene-ref="_00112233445566778899aabbccddeef0"/>'
              '<trigger panic="true" centralOff="yes" timer="5"/>'
              '<snapshot function-ref="_00112233445566778899aabbccddeef1">'
              '<datapoint address="1/1/1" value="{&quot;a&quot;:[1]}"/></snapshot>'
              '<q:x xmlns:q="urn:q"><q:y xmlns:r="urn:r"/></q:x>'
              '</p:scene></scenes></project>\n' % (NS, NS))
put('reader', '<?xml version="1.0"?>\n<!DOCTYPE project [<!ENTITY e "x">]>\n'
              '<project xmlns="%s" name="&e;"/>\n' % NS)

# additionalvalues: the decoded blobs of the documents, and one blob per value type that a
# switch time may carry.
for path in documents:
    for text in re.findall(rb'additionalValues="([0-9a-fA-F]*)"', read(path)):
        put('additionalvalues', bytes.fromhex(text.decode('ascii')))


def blob(*values):
    out = struct.pack('>I', len(values))
    for index, value in enumerate(values):
        out += struct.pack('>i', index + 1) + value
    return out


def qstring(text):
    raw = text.encode('utf-16-be')
    return struct.pack('>I', len(raw)) + raw


variants = [
    struct.pack('>IB', 0, 1),                                        # invalid
    struct.pack('>IBB', 1, 0, 1),                                    # bool
    struct.pack('>IBi', 2, 0, -7),                                   # int
    struct.pack('>IBI', 3, 0, 7),                                    # uint
    struct.pack('>IBq', 4, 0, -7),                                   # long long
    struct.pack('>IBQ', 5, 0, 7),                                    # unsigned long long
    struct.pack('>IBd', 6, 0, 50.0),                                 # double
    struct.pack('>IBH', 7, 0, 0x41),                                 # QChar
    struct.pack('>IB', 10, 0) + qstring('text'),                     # QString
    struct.pack('>IBI', 12, 0, 3) + b'abc',                          # QByteArray
    struct.pack('>IBq', 14, 0, 2460000),                             # QDate
    struct.pack('>IBI', 15, 0, 3600000),                             # QTime
    struct.pack('>IBqIb', 16, 0, 2460000, 3600000, 0),               # QDateTime, local
    struct.pack('>IBqIbi', 16, 0, 2460000, 3600000, 2, 3600),        # QDateTime, offset
    struct.pack('>IBf', 38, 0, 0.5),                                 # float
]
for variant in variants:
    put('additionalvalues', blob(variant))
put('additionalvalues', blob(*variants))

# snapshotvalues: the value texts of the documents' snapshot datapoints, one file per
# document, plus every form the reader tells apart.
for path in documents:
    texts = re.findall(rb'<datapoint [^>]*value="([^"]*)"', read(path))
    if texts:
        put('snapshotvalues', b'\n'.join(sorted(set(texts))[:64]))
put('snapshotvalues', '\n'.join(['null', 'NULL', 'undefined', 'True', 'false', '21.5',
                                 '1234567', '-1e300', '#', '#12', '#true', 'abc',
                                 '[1,"a",null]', '{"a":{"b":[]}}', '', '0x10', 'inf']))
put('snapshotvalues', '1/1/0\t255\n2/2/0\t127.5\n4/0/1\t21.55\n:17\t3\n\t#empty address')

# JSON imports.
building = json.loads(read('examples/house-building.json'))
for floor in building['floors']:
    put('floorjson', dump(floor))
    for room in floor.get('rooms', []):
        put('roomjson', dump(room))
        for function in room.get('functions', []):
            put('functionjson', dump(function))
            for switch_time in function.get('switchtimes', []):
                put('switchtimejson', dump(switch_time))
put('floorjson', dump(building['floors']))
groups = json.loads(read('examples/house-groups.json'))
put('groupjson', dump(groups))
for group in groups:
    put('groupjson', dump(group))
    for switch_time in group.get('switchtimes', []):
        put('switchtimejson', dump(switch_time))
scenes = json.loads(read('examples/house-scenes.json'))
put('scenejson', dump(scenes))
for scene in scenes:
    put('scenejson', dump(scene))
    for switch_time in scene.get('switchtimes', []):
        put('switchtimejson', dump(switch_time))
put('switchtimejson', dump({'id': '_0123456789abcdef0123456789abcdef', 'kind': 'AstroSunrise',
                            'start': -30, 'notBefore': 1500, 'days': '254',
                            'values': [{'value': '80%'}, {}, {'value': 20},
                                       {'value': 'undefined'}, {'value': '12.5'}]}))
