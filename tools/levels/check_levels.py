#!/usr/bin/env python3
"""Checks the built-in level catalogue under resources/levels and prints a summary; exits 1 on any fault."""

import os
import re
import sys
from collections import Counter

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
LEVELS = os.path.join(ROOT, 'resources', 'levels')

HOLE = 11
BLACKS = {9, 10}
RGB = [0xFF0000, 0x00FF00, 0xC0DCC0, 0xFFB76F, 0xFFFF00, 0x117AA8,
       0x0E910B, 0xD61BC8, 0x7D7D7D, 0x000000, 0x000000, 0x010B6F]

# level: (files, {"w x h": files}, {header: files}, (fewest colours, most colours))
TABLE = {
    1: (74, {(3, 5): 36, (4, 4): 20, (5, 3): 18}, {1: 74}, (2, 4)),
    2: (45, {(5, 7): 11, (6, 6): 21, (7, 5): 9, (8, 4): 4}, {1: 34, 2: 11}, (3, 5)),
    3: (35, {(7, 7): 1, (7, 8): 12, (8, 7): 17, (9, 6): 4, (10, 5): 1}, {1: 7, 2: 4, 3: 24}, (3, 6)),
    4: (24, {(9, 12): 8, (11, 10): 2, (12, 9): 14}, {4: 24}, (4, 7)),
    5: (27, {(11, 16): 1, (12, 9): 2, (12, 15): 4, (15, 12): 15, (16, 11): 5}, {1: 20, 4: 7}, (5, 9)),
}
TRAILING_COMMAS = 198
FILES_WITH_HOLES = 14
FILES_WITH_TEN = 11
CLASSIC = b'1\r\n1\r\n3,3\r\n0,1,2,3,4,5,6,7,8'
FIRST = b'1\r\n1\r\n5,3\r\n8,0,7,0,8,7,8,0,8,7,8,0,7,0,8'
MIN_CONTRAST = 100   # RGB distance between neighbouring cells of different colour

faults = []


def fault(where, text):
    faults.append('%s: %s' % (where, text))


NUMBER = re.compile(rb'(0|[1-9][0-9]*)\Z')


def parse(name, data):
    """(header, w, h, values, trailing comma) or None after reporting what is wrong."""
    lines = data.split(b'\r\n')
    if len(lines) != 4 or any(b'\r' in l or b'\n' in l for l in lines):
        return fault(name, 'not four CR LF separated lines without a final line end')
    if lines[0] != b'1':
        return fault(name, 'first line is not 1')
    if not NUMBER.match(lines[1]):
        return fault(name, 'second line is not a number')
    size = lines[2].split(b',')
    if len(size) != 2 or not all(NUMBER.match(s) for s in size):
        return fault(name, 'third line is not "w,h"')
    w, h = int(size[0]), int(size[1])
    fields = lines[3].split(b',')
    trailing = fields[-1] == b''
    if trailing:
        fields.pop()
    if len(fields) != w * h or not all(NUMBER.match(f) for f in fields):
        return fault(name, 'fourth line does not hold %d numbers' % (w * h))
    values = [int(f) for f in fields]
    if any(v > 11 for v in values):
        return fault(name, 'value above 11')
    return int(lines[1]), w, h, values, trailing


def distance(a, b):
    ca, cb = RGB[a], RGB[b]
    return sum(((ca >> s & 255) - (cb >> s & 255)) ** 2 for s in (16, 8, 0)) ** 0.5


def check_picture(name, w, h, values):
    grid = [values[y * w:(y + 1) * w] for y in range(h)]
    playing = [(x, y) for y in range(h) for x in range(w) if grid[y][x] != HOLE]
    if 2 * len(playing) < w * h:
        fault(name, 'fewer than half the cells are playing cells')
    if len(playing) < 2:
        fault(name, 'fewer than two playing cells')
        return
    seen, todo = set(), [playing[0]]
    while todo:
        x, y = todo.pop()
        if (x, y) in seen:
            continue
        seen.add((x, y))
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < w and 0 <= ny < h and grid[ny][nx] != HOLE:
                todo.append((nx, ny))
    if len(seen) != len(playing):
        fault(name, 'playing cells fall apart into separate pieces')
    if BLACKS <= set(values):
        fault(name, 'both blacks (9 and 10) on one board')
    for y in range(h):
        for x in range(w):
            for nx, ny in ((x + 1, y), (x, y + 1)):
                if nx < w and ny < h:
                    a, b = grid[y][x], grid[ny][nx]
                    if {a, b} & BLACKS and HOLE in (a, b):
                        fault(name, 'black cell next to a hole at (%d,%d)' % (x, y))
                    elif a != b and distance(a, b) < MIN_CONTRAST:
                        fault(name, 'colours %d and %d meet at (%d,%d) and look too alike' % (a, b, x, y))


def looks(w, h, values):
    """The picture as seen: the two blacks are one colour."""
    return tuple(9 if v == 10 else v for v in values)


def variants(w, h, values):
    """The board turned and mirrored every way: (w, h, values) each."""
    grid = [values[y * w:(y + 1) * w] for y in range(h)]
    out = []
    for _ in range(4):
        for g in (grid, [row[::-1] for row in grid]):
            out.append((len(g[0]), len(g), tuple(v for row in g for v in row)))
        grid = [list(row) for row in zip(*grid[::-1])]
    return out


def layout(values):
    """Colours renamed by first appearance, holes kept: the same design in other colours matches."""
    names = {HOLE: -1}
    return tuple(names.setdefault(v, len(names)) for v in values)


def main():
    summary = []
    boards = []
    trailing_total = holes_total = ten_total = 0
    used = set()
    for level, (count, sizes, headers, (lo, hi)) in TABLE.items():
        folder = os.path.join(LEVELS, 'levels%d' % level)
        names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        expected = sorted('%d.map' % n for n in range(1, count + 1))
        if names != expected:
            fault('levels%d' % level, 'files are not exactly 1.map .. %d.map' % count)
        size_tally, header_tally, colour_counts, prev = Counter(), Counter(), [], 0
        holes_here = 0
        for sub in range(1, count + 1):
            name = 'levels%d/%d.map' % (level, sub)
            path = os.path.join(folder, '%d.map' % sub)
            if not os.path.isfile(path):
                continue
            data = open(path, 'rb').read()
            if level == 1 and sub == 1 and data.rstrip(b',') != FIRST:
                fault(name, 'the opening board has changed')
            parsed = parse(name, data)
            if not parsed:
                continue
            header, w, h, values, trailing = parsed
            size_tally[(w, h)] += 1
            header_tally[header] += 1
            trailing_total += trailing
            holes_total += HOLE in values
            holes_here += HOLE in values
            ten_total += 10 in values
            used |= set(values)
            colours = len(set(looks(w, h, values)) - {HOLE})
            colour_counts.append(colours)
            if not lo <= colours <= hi:
                fault(name, '%d colours, wanted %d to %d' % (colours, lo, hi))
            if sub > 1 and colours < prev:
                fault(name, 'fewer colours than the board before it')
            prev = colours if sub > 1 else 0
            check_picture(name, w, h, values)
            boards.append((name, w, h, looks(w, h, values)))
        if dict(size_tally) != sizes:
            fault('levels%d' % level, 'sizes %s, wanted %s' % (dict(size_tally), sizes))
        if dict(header_tally) != headers:
            fault('levels%d' % level, 'second lines %s, wanted %s' % (dict(header_tally), headers))
        summary.append('level %d: %2d files  sizes %s  second lines %s  colours %d-%d  with holes %d' % (
            level, sum(size_tally.values()),
            ' '.join('%dx%d:%d' % (w, h, n) for (w, h), n in sorted(size_tally.items())),
            ' '.join('%d:%d' % kv for kv in sorted(header_tally.items())),
            min(colour_counts, default=0), max(colour_counts, default=0), holes_here))

    # No board may repeat another, turned or mirrored, nor reuse another's design in other colours.
    pictures, designs = {}, {}
    for name, w, h, values in boards:
        for vw, vh, v in variants(w, h, values):
            other = pictures.get((vw, vh, v))
            if other:
                fault(name, 'repeats %s' % other)
                break
            other = designs.get((vw, vh, layout(v)))
            if other:
                fault(name, 'has the same design as %s' % other)
                break
        pictures[(w, h, values)] = name
        designs[(w, h, layout(values))] = name

    if trailing_total != TRAILING_COMMAS:
        fault('catalogue', '%d files end in a comma, wanted %d' % (trailing_total, TRAILING_COMMAS))
    if holes_total != FILES_WITH_HOLES:
        fault('catalogue', '%d files with holes, wanted %d' % (holes_total, FILES_WITH_HOLES))
    if ten_total != FILES_WITH_TEN:
        fault('catalogue', '%d files with value 10, wanted %d' % (ten_total, FILES_WITH_TEN))
    if used != set(range(12)):
        fault('catalogue', 'values never used: %s' % sorted(set(range(12)) - used))
    if os.path.exists(os.path.join(LEVELS, 'levels6')):
        fault('catalogue', 'an unexpected levels6 folder')
    classic = os.path.join(LEVELS, 'classic.map')
    if not os.path.isfile(classic) or open(classic, 'rb').read() != CLASSIC:
        fault('classic.map', 'not the nine-colour board')

    print('\n'.join(summary))
    print('total: %d level files, %d end in a comma, %d with holes, %d with value 10, values used %s'
          % (len(boards), trailing_total, holes_total, ten_total, ','.join(map(str, sorted(used)))))
    print('classic.map: %s' % ('ok' if not any(f.startswith('classic') for f in faults) else 'WRONG'))
    for f in faults:
        print('FAULT ' + f)
    print('%d faults' % len(faults))
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
