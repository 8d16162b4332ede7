#!/usr/bin/env python3
"""Draws every catalogue board as coloured squares into one contact-sheet PNG per level (needs ImageMagick's montage)."""

import os
import subprocess
import sys
import zlib
import struct

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
LEVELS = os.path.join(ROOT, 'resources', 'levels')
RGB = ['FF0000', '00FF00', 'C0DCC0', 'FFB76F', 'FFFF00', '117AA8',
       '0E910B', 'D61BC8', '7D7D7D', '000000', '000000', '010B6F']
WALL = (0x01, 0x0B, 0x6F)


def read_map(path):
    lines = open(path, 'rb').read().decode('ascii').split('\r\n')
    w, h = map(int, lines[2].split(','))
    values = [int(v) for v in lines[3].split(',') if v]
    return w, h, values


def png(path, w, h, pixel):
    raw = b''.join(b'\0' + bytes(c for x in range(w) for c in pixel(x, y)) for y in range(h))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def draw(path, w, h, values, cell=12):
    def pixel(px, py):
        x, y = px // cell, py // cell
        if px % cell == 0 or py % cell == 0:
            return WALL
        return bytes.fromhex(RGB[values[y * w + x]])
    png(path, w * cell + 1, h * cell + 1, pixel)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else '/tmp/tavni_preview'
    os.makedirs(out, exist_ok=True)
    for level in range(1, 6):
        folder = os.path.join(LEVELS, 'levels%d' % level)
        subs = sorted(int(n[:-4]) for n in os.listdir(folder) if n.endswith('.map'))
        if not subs:
            continue
        args = []
        for sub in subs:
            w, h, values = read_map(os.path.join(folder, '%d.map' % sub))
            path = os.path.join(out, '%d-%d.png' % (level, sub))
            draw(path, w, h, values, max(10, 120 // max(w, h)))
            args += ['-label', '%d-%d' % (level, sub), path]
        sheet = os.path.join(out, 'level%d.png' % level)
        subprocess.run(['montage'] + args + ['-tile', '10x', '-geometry', '+6+6',
                                            '-background', '#dddddd',
                                            '-font', 'DejaVu-Sans', sheet], check=True)
        print(sheet)


if __name__ == '__main__':
    main()
