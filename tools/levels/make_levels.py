#!/usr/bin/env python3
"""Makes Tavni's built-in level catalogue: resources/levels/levels1..5/<n>.map and classic.map."""

# Every board is drawn here as a picture, either as a little piece of cell art
# or as a stack of painting layers (stripes, rings, masks, stamped art ...).
# Within a level the boards are ordered from easy to hard by colour count,
# board size and the number of colour boundaries.  No randomness: running
# this twice writes byte-identical files.

import math
import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
OUT = os.path.join(ROOT, 'resources', 'levels')

# Colour values as the game reads them.  BLK and INK look the same (black).
RED, GRN, PALE, ORG, YEL, BLU, DGR, MAG, GRY, BLK, INK, HOLE = range(12)


# --------------------------------------------------------------------------
# Cell art and painting layers
# --------------------------------------------------------------------------

def _rows(text):
    return text.replace('/', ' ').split()


def pic(text, bg=None, **legend):
    """A whole board drawn as cell art; '.' is the background colour."""
    rows = _rows(text)
    assert len(set(map(len, rows))) == 1, text
    legend['.'] = bg
    return [[legend[c] for c in row] for row in rows]


def board(w, h, *layers):
    """Paints the layers one over the other; a layer returns None to leave a cell alone."""
    grid = [[None] * w for _ in range(h)]
    for layer in layers:
        for y in range(h):
            for x in range(w):
                v = layer(x, y, w, h)
                if v is not None:
                    grid[y][x] = v
    assert all(v is not None for row in grid for v in row)
    return grid


def _xy(x, y, w, h):
    """Cell centre relative to the board centre, in half cells."""
    return 2 * x - (w - 1), 2 * y - (h - 1)


def _uv(x, y, w, h):
    """Cell centre scaled so that the outer cells of the short side sit at -1 and 1."""
    X, Y = _xy(x, y, w, h)
    m = max(min(w, h) - 1, 1)
    return X / m, Y / m


def fill(c):
    return lambda x, y, w, h: c


def bands(cols, width=1, vertical=False, shift=0):
    return lambda x, y, w, h: cols[(((x if vertical else y) + shift) // width) % len(cols)]


def diagonals(cols, width=1, anti=False):
    return lambda x, y, w, h: cols[(((x - y) if anti else (x + y)) // width) % len(cols)]


def checks(cols, bw=1, bh=None):
    bh = bh or bw
    return lambda x, y, w, h: cols[(x // bw + y // bh) % len(cols)]


def _pick(cols, d, cycle):
    return cols[d % len(cols)] if cycle else cols[min(d, len(cols) - 1)]


def frames(cols, width=1, cycle=False):
    """Rectangular rings from the edge inwards."""
    return lambda x, y, w, h: _pick(cols, min(x, y, w - 1 - x, h - 1 - y) // width, cycle)


def squares(cols, step=1, cycle=False):
    """Square rings around the centre."""
    def f(x, y, w, h):
        X, Y = _xy(x, y, w, h)
        return _pick(cols, max(abs(X), abs(Y)) // 2 // step, cycle)
    return f


def diamonds(cols, step=1, cycle=False):
    """Diamond rings around the centre."""
    def f(x, y, w, h):
        X, Y = _xy(x, y, w, h)
        return _pick(cols, (abs(X) + abs(Y)) // 2 // step, cycle)
    return f


def rings(cols, step=1.0, cycle=False, cx=0.0, cy=0.0):
    """Round rings around a point given in cells from the board centre."""
    def f(x, y, w, h):
        X, Y = _xy(x, y, w, h)
        return _pick(cols, int(math.hypot(X / 2 - cx, Y / 2 - cy) / step), cycle)
    return f


def sectors(cols, n, turn=0.0, cx=0.0, cy=0.0):
    """n equal slices of a turn around a point, coloured in turn."""
    def f(x, y, w, h):
        X, Y = _xy(x, y, w, h)
        a = math.atan2(Y / 2 - cy, X / 2 - cx) / (2 * math.pi) + turn + 1e-6
        return cols[int(math.floor(a * n)) % n % len(cols)]
    return f


def waves(cols, thick, amp, period, phase=0.0):
    def f(x, y, w, h):
        t = y + amp * math.sin(2 * math.pi * (x + phase) / period)
        return cols[int(math.floor(t / thick)) % len(cols)]
    return f


def zigzag(cols, thick=1, period=4, vertical=False):
    def f(x, y, w, h):
        a, b = (y, x) if vertical else (x, y)
        return cols[((b + abs(a % period - period // 2)) // thick) % len(cols)]
    return f


def chevrons(cols, thick=1):
    """Stacked '^' stripes, like arrows pointing up."""
    def f(x, y, w, h):
        X, _ = _xy(x, y, w, h)
        return cols[((y + abs(X) // 2) // thick) % len(cols)]
    return f


def plaid(bg, vcol, hcol, cross, period, width=1, offset=0):
    def f(x, y, w, h):
        v = (x + offset) % period < width
        hz = (y + offset) % period < width
        return cross if v and hz else vcol if v else hcol if hz else bg
    return f


def opart(cols, step=1.0):
    """Round rings whose colours swap from one quarter of the board to the next."""
    def f(x, y, w, h):
        X, Y = _xy(x, y, w, h)
        ring = int(math.hypot(X, Y) / 2 / step)
        return cols[(ring + (X < 0) + (Y < 0)) % len(cols)]
    return f


_spirals = {}


def argyle(inside, outside, size=3):
    """Diamonds set corner to corner; the diamonds take the inside colours in turn."""
    def f(x, y, w, h):
        tx, ty = x // (2 * size), y // (2 * size)
        px, py = x % (2 * size) - (size - 0.5), y % (2 * size) - (size - 0.5)
        if abs(px) + abs(py) <= size:
            return inside[(tx + ty) % len(inside)]
        return outside
    return f


def pinwheel(quarter, **legend):
    """A tile built from a square quarter turned four times about the tile centre, then repeated."""
    q = _rows(quarter)
    n = len(q)
    rot = [[q[n - 1 - c][r] for c in range(n)] for r in range(n)]          # quarter turned right
    half = [[q[n - 1 - r][n - 1 - c] for c in range(n)] for r in range(n)]  # half turn
    back = [[q[c][n - 1 - r] for c in range(n)] for r in range(n)]          # quarter turned left
    rows = [''.join(q[r]) + ''.join(rot[r]) for r in range(n)]
    rows += [''.join(back[r]) + ''.join(half[r]) for r in range(n)]
    return tile('/'.join(rows), **legend)


def tartan(sett):
    """Woven stripes: warp and weft take turns showing, like a twill."""
    n = len(sett)
    return lambda x, y, w, h: sett[x % n] if (x + y) % 2 == 0 else sett[y % n]


def _spiral_walls(w, h):
    """A one-cell wall winding clockwise from the top-left corner inwards, one cell apart."""
    if (w, h) not in _spirals:
        dirs = [(1, 0), (0, 1), (-1, 0), (0, -1)]
        walls = {(0, 0): 0}
        x = y = d = seg = 0

        def free(px, py):
            return 0 <= px < w and 0 <= py < h and (px, py) not in walls

        while True:
            for _ in range(2):
                dx, dy = dirs[d]
                nx, ny = x + dx, y + dy
                ahead_ok = not (0 <= nx + dx < w and 0 <= ny + dy < h) or free(nx + dx, ny + dy)
                if free(nx, ny) and ahead_ok:
                    break
                d, seg = (d + 1) % 4, seg + 1
            else:
                break
            x, y = nx, ny
            walls[(x, y)] = seg
        _spirals[(w, h)] = walls
    return _spirals[(w, h)]


def spiral(cols, gap):
    """A square spiral; each straight run of the wall takes the next colour."""
    def f(x, y, w, h):
        seg = _spiral_walls(w, h).get((x, y))
        return gap if seg is None else cols[seg % len(cols)]
    return f


def stamp(text, x0=None, y0=None, **legend):
    """Cell art placed on the board (centred unless told); '.' leaves the cell alone."""
    rows = _rows(text)
    tw, th = len(rows[0]), len(rows)

    def f(x, y, w, h):
        ox = (w - tw) // 2 if x0 is None else x0 % w
        oy = (h - th) // 2 if y0 is None else y0 % h
        if 0 <= x - ox < tw and 0 <= y - oy < th:
            c = rows[y - oy][x - ox]
            return None if c == '.' else legend[c]
        return None
    return f


def tile(text, dx=0, dy=0, **legend):
    """Cell art repeated over the whole board; '.' leaves the cell alone."""
    rows = _rows(text)

    def f(x, y, w, h):
        c = rows[(y + dy) % len(rows)][(x + dx) % len(rows[0])]
        return None if c == '.' else legend[c]
    return f


def where(mask, paint):
    """Paints a colour (or another layer) only where the mask holds."""
    layer = paint if callable(paint) else fill(paint)
    return lambda x, y, w, h: layer(x, y, w, h) if mask(x, y, w, h) else None


# Masks: functions (x, y, w, h) -> bool.  Shapes use the _uv scale.

def box(x0, y0, x1, y1):
    """Cells x0..x1, y0..y1 inclusive; negative numbers count from the far edge."""
    return lambda x, y, w, h: x0 % w <= x <= x1 % w and y0 % h <= y <= y1 % h


def cells(*points):
    return lambda x, y, w, h: any((x, y) == (px % w, py % h) for px, py in points)


def edge(width=1):
    return lambda x, y, w, h: min(x, y, w - 1 - x, h - 1 - y) < width


def corners(size):
    """Triangular corner cuts, size cells along each edge."""
    return lambda x, y, w, h: min(x, w - 1 - x) + min(y, h - 1 - y) < size


def disc(r, cx=0.0, cy=0.0, sx=1.0):
    def m(x, y, w, h):
        u, v = _uv(x, y, w, h)
        return ((u - cx) / sx) ** 2 + (v - cy) ** 2 <= r * r
    return m


def lozenge(r, cx=0.0, cy=0.0, sx=1.0):
    def m(x, y, w, h):
        u, v = _uv(x, y, w, h)
        return abs(u - cx) / sx + abs(v - cy) <= r
    return m


def heart(size=1.0, cx=0.0, cy=0.0):
    def m(x, y, w, h):
        u, v = _uv(x, y, w, h)
        a, b = (u - cx) / size * 1.2, -(v - cy) / size * 1.2 + 0.2
        return (a * a + b * b - 1) ** 3 - a * a * b ** 3 <= 0
    return m


def _inside(px, py, pts):
    inside = False
    for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside


def polygon(*pts):
    def m(x, y, w, h):
        return _inside(*_uv(x, y, w, h), list(pts))
    return m


def rose(petals, r_in, r_out, cx=0.0, cy=0.0, turn=0.0):
    """A flower outline: radius swinging between r_in and r_out, petals times a turn."""
    def m(x, y, w, h):
        u, v = _uv(x, y, w, h)
        r = math.hypot(u - cx, v - cy)
        a = math.atan2(v - cy, u - cx) + 2 * math.pi * turn
        return r <= r_in + (r_out - r_in) * abs(math.cos(petals * a / 2))
    return m


def anyof(*masks):
    return lambda x, y, w, h: any(m(x, y, w, h) for m in masks)


def hill(cx, top, spread):
    """A rounded hill in cell units: its peak at column cx, row top."""
    return lambda x, y, w, h: y >= top + ((x - cx) / spread) ** 2


def peak(cx, top, slope=1.0):
    """A pointed mountain in cell units: its tip at column cx, row top."""
    return lambda x, y, w, h: y >= top + abs(x - cx) * slope


def line(x0, y0, x1, y1):
    """The cells on a straight line between two cells."""
    n = max(abs(x1 - x0), abs(y1 - y0), 1)
    pts = {(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n)) for i in range(n + 1)}
    return lambda x, y, w, h: (x, y) in pts


def mirror(text):
    """Completes cell art drawn as its left half (a trailing '|' shares the middle column)."""
    out = []
    for row in _rows(text):
        if row.endswith('|'):
            row = row[:-1]
            out.append(row + row[-2::-1])
        else:
            out.append(row + row[::-1])
    return '/'.join(out)


# --------------------------------------------------------------------------
# Level 1: small, friendly boards of two to four colours
# --------------------------------------------------------------------------

FIRST_BOARD = [[GRY, RED, MAG, RED, GRY],
               [MAG, GRY, RED, GRY, MAG],
               [GRY, RED, MAG, RED, GRY]]

LEVEL1 = [
    # 3 x 5, two colours
    pic('aaa/bbb/aaa/bbb/aaa', a=RED, b=YEL),             # stripes
    pic('aba/aba/aba/aba/aba', a=BLU, b=YEL),             # columns
    pic('aba/bab/aba/bab/aba', a=MAG, b=PALE),            # checks
    pic('aaa/aba/aba/aba/aaa', a=DGR, b=YEL),             # frame
    pic('aba/aaa/aba/aaa/aba', a=ORG, b=BLU),             # ladder
    pic('aba/aba/aaa/aba/aba', a=RED, b=PALE),            # H
    pic('bab/bab/aaa/bab/bab', a=YEL, b=MAG),             # cross
    pic('aaa/bab/bab/bab/bab', a=BLU, b=ORG),             # T
    pic('abb/abb/abb/abb/aaa', a=GRN, b=BLU),             # L
    pic('aba/aba/aba/aba/aaa', a=MAG, b=YEL),             # U
    pic('aaa/abb/abb/abb/aaa', a=ORG, b=DGR),             # C
    pic('aaa/abb/aaa/abb/aaa', a=BLU, b=PALE),            # E
    pic('aaa/bba/bab/abb/aaa', a=RED, b=PALE),            # Z
    pic('aba/aba/bab/aba/aba', a=BLK, b=YEL),             # X
    pic('aaa/aba/aaa/aba/aaa', a=GRY, b=ORG),             # 8
    pic('abb/bab/bba/bab/abb', a=YEL, b=BLU),             # zigzag
    pic('abb/aab/aaa/aab/abb', a=RED, b=YEL),             # pennant
    pic('bab/aaa/aaa/aaa/bab', a=MAG, b=GRN),             # lozenge
    pic('aaa/bab/bab/bab/aaa', a=DGR, b=PALE),            # I
    pic('aaa/abb/aaa/bba/aaa', a=ORG, b=MAG),             # S
    pic('aaa/aba/aaa/aba/aba', a=YEL, b=DGR),             # A
    pic('aba/aba/aaa/bba/bba', a=BLU, b=YEL),             # 4
    # 3 x 5, three and four colours
    pic('bgb/ggg/ggg/btb/btb', b=BLU, g=GRN, t=ORG),      # tree
    pic('kkk/krk/kyk/kgk/kkk', k=INK, r=RED, y=YEL, g=GRN),  # traffic light
    pic('byb/brb/brb/brb/sss', b=BLU, y=YEL, r=RED, s=GRY),  # candle
    pic('bmb/mmm/mmm/ooo/bob', b=PALE, m=MAG, o=ORG),     # ice cream
    pic('krk/sss/sbs/sss/rkr', k=BLK, r=RED, s=PALE, b=BLU),  # rocket
    pic('rpr/rrr/bpb/bpb/ggg', r=RED, p=PALE, b=BLU, g=GRN),  # mushroom
    pic('byb/rrr/brb/sbs/sbs', b=PALE, y=ORG, r=RED, s=BLU),  # little person
    pic('bgb/bgb/ggg/gyg/ggg', b=PALE, g=DGR, y=YEL),     # bottle
    pic('byb/brb/bpb/brb/bpb', b=BLU, y=YEL, r=RED, p=PALE),  # lighthouse
    pic('aaa/bbb/ccc/bbb/aaa', a=BLU, b=PALE, c=RED),     # banded flag
    pic('abc/bca/cab/abc/bca', a=RED, b=YEL, c=BLU),      # diagonals
    pic('aaa/bcb/aaa/cbc/aaa', a=DGR, b=ORG, c=MAG),      # totem
    pic('raa/bba/aaa/abb/aaa', r=RED, a=GRN, b=PALE),     # snake
    pic('bsb/bsb/bsb/ooo/bob', b=BLU, s=PALE, o=ORG),     # sword
    # 4 x 4
    pic('aabb/aabb/bbaa/bbaa', a=RED, b=PALE),            # big checks
    pic('aaaa/abba/abba/aaaa', a=BLU, b=ORG),             # frame
    pic('abab/baba/abab/baba', a=YEL, b=DGR),             # checks
    pic('abba/baab/baab/abba', a=MAG, b=YEL),             # X
    pic('baab/aaaa/aaaa/baab', a=ORG, b=BLU),             # plus
    pic('aaaa/bbbb/aaaa/bbbb', a=DGR, b=PALE),            # stripes
    pic('abbb/aabb/aaab/aaaa', a=BLU, b=YEL),             # half and half
    pic('aaaa/bbba/abba/aaaa', a=RED, b=YEL),             # spiral
    pic('aabb/abba/bbaa/baab', a=MAG, b=PALE),            # slanted bands
    pic('abba/abba/abba/abba', a=GRN, b=MAG),             # middle band
    pic('baab/aaaa/baab/baab', a=YEL, b=BLU),             # arrow
    pic('abca/bcab/cabc/abca', a=RED, b=YEL, c=BLU),      # diagonals
    pic('bggb/bggb/aaaa/baab', b=PALE, g=GRN, a=ORG),     # pot plant
    pic('baab/acca/acca/baab', b=GRN, a=MAG, c=YEL),      # flower
    pic('brrb/rrrr/pbpp/ppop', b=BLU, r=RED, p=PALE, o=ORG),  # house
    pic('aaab/cabb/ccdb/cddd', a=RED, b=YEL, c=BLU, d=GRN),   # four Ts
    pic('aaaa/bbbb/cccc/dddd', a=RED, b=YEL, c=GRN, d=BLU),   # rainbow
    pic('aabb/aabb/ccdd/ccdd', a=MAG, b=YEL, c=BLU, d=ORG),   # four squares
    pic('aabb/acdb/acdb/ccdd', a=ORG, b=BLU, c=MAG, d=GRN),   # four Ls
    pic('aaaa/abbb/abcc/abcd', a=DGR, b=YEL, c=RED, d=BLU),   # nested corners
    # 5 x 3
    pic('abbbb/bbabb/bbbba', a=RED, b=PALE),              # die showing three
    pic('ababa/aaaaa/aaaaa', a=YEL, b=MAG),               # crown
    pic('aaabb/aaaaa/aaabb', a=GRY, b=YEL),               # hammer
    pic('aaaab/bbbab/baaaa', a=GRN, b=PALE),              # S bend
    pic('abbbb/aabbb/aaabb', a=BLU, b=YEL),               # stairs
    pic('ababa/aaaaa/aabaa', a=GRY, b=BLU),               # castle
    pic('aaaaa/babab/babab', a=ORG, b=BLU),               # bridge
    pic('bbbbb/bbybb/ggggg', b=BLU, y=YEL, g=GRN),        # sunrise
    pic('aaaab/accaa/aaaab', a=GRY, c=GRN, b=PALE),       # battery
    pic('abbba/aacaa/abbba', a=RED, b=PALE, c=YEL),       # bow tie
    pic('baaab/aakaa/baaab', b=ORG, a=PALE, k=BLU),       # eye
    pic('brrbb/rrrrr/bkbkb', b=PALE, r=RED, k=BLK),       # car
    pic('bbpbb/ooooo/booob', b=BLU, p=PALE, o=ORG),       # boat
    pic('baaba/akaab/baaba', b=BLU, a=ORG, k=BLK),        # fish
    pic('yyyyy/ooooo/rrrrr', y=YEL, o=ORG, r=RED),        # sunset
    pic('aaaaa/abbba/abcba', a=MAG, b=YEL, c=BLU),        # arch
    pic('krrrr/kpppp/kbbbb', k=INK, r=RED, p=PALE, b=BLU),  # flag on a pole
]


# --------------------------------------------------------------------------
# Level 2: three to five colours, first holes
# --------------------------------------------------------------------------

LEVEL2 = [
    # 5 x 7
    pic('m.m.m/mmmmm/.mmm./..g../g.g.g/.ggg./..g..', bg=PALE, m=RED, g=DGR),  # tulip
    pic('..y../..g../.ggg./ggggg/.grg./ggggg/..o..', bg=BLU, y=YEL, g=DGR, r=RED, o=ORG),  # fir
    pic('..r../.ppp./.pbp./.ppp./rpppr/r.y.r/..y..', bg=BLK, r=RED, p=PALE, b=BLU, y=YEL),  # rocket
    pic('.kkk./kkkkk/.ppp./.pop./.ppp./ppppp/ppppp', bg=BLU, k=INK, p=PALE, o=ORG),  # snowman
    pic('..r../.ryr./ryryr/..k../..k../..k../.kk..', bg=PALE, r=RED, y=YEL, k=BLK),  # umbrella
    pic('..m../.mym./..m../..gg./ooooo/.ooo./.ooo.', bg=PALE, m=MAG, y=YEL, g=DGR, o=ORG),  # pot
    pic('ccccc/caaac/cabac/caaac/cabac/cabac/ccccc', a=BLU, b=YEL, c=RED),  # letter A
    pic('o...o/ooooo/pkokp/ooyoo/opppo/opppo/.y.y.', bg=BLU, o=ORG, p=PALE, k=BLK, y=YEL),  # owl
    pic('..r../sssss/sysys/sssss/.bbb./bbbbb/.s.s.', bg=PALE, r=RED, s=GRY, y=YEL, b=BLU),  # robot
    pic('.y.y./.p.p./mmmmm/ppppp/ooooo/ppppp/ooooo', bg=BLU, y=YEL, p=PALE, m=MAG, o=ORG),  # cake
    board(5, 7, chevrons([RED, YEL, BLU])),
    # 7 x 5
    pic('.mm.mm./mprmrrm/.mrrrm./..mrm../...m...', bg=HOLE, m=MAG, p=PALE, r=RED),  # heart
    pic('......./..rrr../.rbrbr./rrrrrrr/.k...k.', bg=PALE, r=RED, b=BLU, k=BLK),  # car
    pic('oo...oo/ooooooo/okoooko/ooomooo/.ooooo.', bg=BLU, o=ORG, k=BLK, m=MAG),  # cat
    pic('mm...mm/mymkmym/mmmkmmm/.mmkmm./mm...mm', bg=GRN, m=MAG, y=YEL, k=BLK),  # butterfly
    pic('ooooooo/oorrroo/yrrrrry/bbbbbbb/bpbbbpb', o=ORG, r=RED, y=YEL, b=BLU, p=PALE),  # sunset
    pic('..p..../.ppp.p./gggggpg/ggggggg/ddddddd', bg=BLU, p=PALE, g=GRY, d=GRN),  # mountains
    pic('y..y..y/yy.y.yy/yyyyyyy/yrybyry/yyyyyyy', bg=MAG, y=YEL, r=RED, b=BLU),  # crown
    pic('.opo..o/okpooo./oopoo../oopooo./.opo..o', bg=BLU, o=ORG, k=BLK, p=PALE),  # fish
    board(7, 5, diamonds([DGR, YEL, RED, PALE], cycle=True)),
    # 8 x 4
    pic('myyyyo../myyyyook/myyyyook/myyyyo..', bg=BLU, m=MAG, y=YEL, o=ORG, k=BLK),  # pencil
    pic('y.rprp.y/yyprpryy/yyrprpyy/y.prpr.y', bg=BLU, y=YEL, r=RED, p=PALE),  # sweet
    pic('r.y.b..b/rby.byrb/rbyrbyrb/oooooooo', bg=PALE, r=RED, b=BLU, y=YEL, o=ORG),  # bookshelf
    pic('y...y.../my.ymy.y/.mym.mym/..m...m.', bg=BLU, y=YEL, m=MAG),  # ribbon
    # 6 x 6
    board(6, 6, frames([BLU, YEL, RED])),
    board(6, 6, checks([RED, PALE, BLU], 2)),
    board(6, 6, diagonals([MAG, YEL, DGR])),
    board(6, 6, diamonds([BLU, ORG, PALE], cycle=True)),
    board(6, 6, fill(PALE), where(lambda x, y, w, h: x == y or x + y == w - 1, RED), where(edge(), BLU)),
    board(6, 6, rings([YEL, RED, MAG, BLU])),
    board(6, 6, sectors([RED, YEL, BLU, YEL], 8, turn=1 / 16)),
    board(6, 6, spiral([RED, YEL], gap=BLU)),
    board(6, 6, plaid(PALE, BLU, RED, MAG, 3, 1, 1)),
    pic('..yy../..yy../.oooo./.oooo./rrrrrr/rrrrrr', bg=BLU, y=YEL, o=ORG, r=RED),  # step pyramid
    pic('..mm../.rmmr./mmyymm/mmyymm/.rmmr./..mm..', bg=GRN, m=MAG, r=RED, y=YEL),  # flower
    pic('..rr../.rrrr./rrrrrr/.pbpp./.ppop./gggggg', bg=BLU, r=RED, p=PALE, b=BLU, o=ORG, g=GRN),  # house
    pic('..kk../.rrrr./rkrrkr/rrrrrr/rkrrkr/.rrrr.', bg=GRN, k=BLK, r=RED),  # ladybird
    pic('..odd./.rorr./rprrrr/rrrrrr/rrrrrr/.rrrr.', bg=BLU, o=ORG, d=DGR, r=RED, p=PALE),  # apple
    pic('..k.../.rkp../rrkpp./rrkppp/oooooo/.oooo.', bg=BLU, r=RED, p=PALE, o=ORG, k=GRY),  # sailing boat
    board(6, 6, frames([GRN, YEL, RED]), where(corners(1), HOLE)),
    board(6, 6, chevrons([BLU, BLU, YEL, RED], 1)),
    pic('.y..y./..yy../rryyrr/yyyyyy/rryyrr/rryyrr', bg=BLU, y=YEL, r=RED),  # present
    pic('.rrrr./rprrpr/rrrrrr/..pp../..pp../gggggg', bg=BLU, r=RED, p=PALE, g=GRN),  # mushroom
    pic('.yyyy./ykyyky/yyyyyy/ykyyky/yykkyy/.yyyy.', bg=BLU, y=YEL, k=INK),  # smiling face
    board(6, 6, checks([MAG, YEL, BLU, GRN], 3), where(lozenge(0.5), PALE)),
]


# --------------------------------------------------------------------------
# Level 3: three to six colours, bigger pictures
# --------------------------------------------------------------------------

LEVEL3 = [
    # 7 x 7
    pic('...y.../.y.o.y./..ror../yorpory/..ror../.y.o.y./...y...', bg=BLU, y=YEL, o=ORG, r=RED, p=PALE),  # compass star
    # 7 x 8
    pic('...r.../..rrr../yyyyyyy/..ppp../..rrr../..ppp../..rrr../bbpppbb', bg=BLK, r=RED, y=YEL, p=PALE, b=BLU),  # lighthouse
    pic('..ryr../.yryry./ryryryr/ryryryr/.yryry./..s.s../..ooo../..ooo..', bg=BLU, r=RED, y=YEL, s=GRY, o=ORG),  # balloon
    pic('..kkk../.kpkpk./.kkokk./kkpppkk/kkpppkk/.kpppk./..ppp../.oo.oo.', bg=BLU, k=INK, p=PALE, o=ORG),  # penguin
    pic('...m.../g..g.../g..g..g/gggg..g/...gggg/...g.../.rrrrr./..rrr..', bg=YEL, m=MAG, g=DGR, r=RED),  # cactus
    pic('...r.../..mmm../.mmmmm./.ppppp./ooooooo/.ooooo./..ooo../...o...', bg=BLU, r=RED, m=MAG, p=PALE, o=ORG),  # ice cream
    pic('..ggg../.ggrgg./ggggggg/grgggrg/.ggggg./...o.../...o.../ddddddd', bg=BLU, g=GRN, r=RED, o=ORG, d=DGR),  # apple tree
    board(7, 8, zigzag([MAG, MAG, PALE, BLU, BLU, PALE], 1, 4, vertical=True)),
    board(7, 8, diamonds([RED, YEL, BLU, PALE], cycle=True)),
    board(7, 8, spiral([RED, ORG, YEL, GRN], gap=BLU)),
    board(7, 8, squares([ORG, MAG, YEL, BLU]), where(corners(3), HOLE)),
    board(7, 8, chevrons([RED, ORG, YEL, GRN, BLU])),
    board(7, 8, plaid(YEL, RED, BLU, DGR, 3, 1, 1)),
    # 8 x 7
    pic('...r..../...kp.../..pkpp../.ppkppp./pppkpppp/oooooooo/.oooooo.', bg=BLU, k=BLK, r=RED, p=PALE, o=ORG),  # sailboat
    pic('...p.p../....p..s/.ssss.ss/sksssss./sssssss./.pppss../........', bg=BLU, p=PALE, s=GRY, k=BLK),  # whale
    pic('.pp..pp./pkpggpkp/gggggggg/gggggggg/ggrrrrgg/.gggggg./dddddddd', bg=BLU, p=PALE, k=BLK, g=GRN, r=RED, d=DGR),  # frog
    pic('......../..ooo..o/.oopoooo/okopoooo/.oopoooo/..ooo..o/........', bg=BLU, o=ORG, p=PALE, k=BLK),  # fish
    pic('...rr.../..mmmm../.mymmym./mmmmmmmm/.opopop./.opopop./..opop..', bg=BLU, r=RED, m=MAG, y=YEL, o=ORG, p=PALE),  # cupcake
    pic('mmm..mmm/mymkkmym/mmmkkmmm/..mkkm../.bbkkbb./bybkkbyb/.bb..bb.', bg=GRN, m=MAG, y=YEL, k=BLK, b=BLU),  # butterfly
    pic('......../yyyyyyyy/ybbybbyb/yyyyyyyb/rrrrrrrr/ykkyykky/.kk..kk.', bg=PALE, y=YEL, b=BLU, r=RED, k=BLK),  # bus
    board(8, 7, sectors([YEL, ORG], 12), where(disc(0.62), RED), where(disc(0.3), YEL)),  # sun
    board(8, 7, bands([YEL, YEL, ORG, ORG, BLU, PALE, BLU]), where(disc(0.45, cy=0.15), RED),
          where(box(0, 4, -1, -1), bands([BLU, BLU, BLU, BLU, BLU, PALE, BLU]))),  # sunset at sea
    board(8, 7, rings([PALE, ORG, MAG, MAG, ORG], 0.9), where(disc(0.3), HOLE),
          where(cells((2, 1), (5, 2), (1, 4), (6, 4), (4, 5)), YEL)),  # ring doughnut
    board(8, 7, fill(PALE), where(disc(1.0), sectors([RED, YEL, BLU, GRN], 8, turn=1 / 16)), where(disc(0.2), PALE)),  # toy windmill
    board(8, 7, tile('kkk/kab/kba', a=RED, b=YEL, k=GRY)),  # leaded glass
    board(8, 7, fill(BLU), where(anyof(box(2, 0, 3, -1), box(0, 2, -1, 4)), PALE),
          where(anyof(box(2, 0, 2, -1), box(0, 3, -1, 3)), RED)),  # northern cross
    board(8, 7, opart([MAG, PALE]), where(disc(0.2), YEL)),
    board(8, 7, rings([YEL, RED, BLU, BLK, PALE])),  # target
    board(8, 7, checks([PALE, GRY]), stamp('.rr..rr./rprrrrrr/rrrrrrrr/.rrrrrr./..rrrr../...rr...', 0, 1, r=RED, p=PALE)),
    board(8, 7, fill(BLU), stamp('...yy.../...yy.../yyyyyyyy/.yyooyy./..yyyy../.yy..yy./yy....yy', y=YEL, o=ORG),
          where(cells((0, 0), (6, 0), (7, 4)), PALE)),  # star
    # 9 x 6
    board(9, 6, rings([HOLE, HOLE, BLU, GRN, YEL, ORG, RED, PALE], 1.0, cy=2.5)),  # rainbow
    pic('yy...p.../yy..ppp../..psssss./.ssssssss/sssssssss/ggggggggg', bg=BLU, y=YEL, p=PALE, s=GRY, g=GRN),  # mountains
    pic('pp......./.p.k.rrrr/...k.ryyr/ykkkkrrrr/kkkkkkkkk/.s.s..s.s', bg=BLU, p=PALE, k=INK, r=RED, y=YEL, s=GRY),  # engine
    pic('r.rm.my.y/rrrmmmyyy/.r..m..y./.g..g..g./gg.gg.gg./ddddddddd', bg=BLU, r=RED, m=MAG, y=YEL, g=GRN, d=DGR),  # tulips
    # 10 x 5
    pic('.......k.k/.......rrr/gdgdgdgrkr/gdgdgdgrrr/.k.k.k.k..', bg=PALE, g=GRN, d=DGR, r=RED, k=BLK),  # caterpillar
]


# --------------------------------------------------------------------------
# Level 4: four to seven colours, large boards
# --------------------------------------------------------------------------

SUNFLOWER = """
..y.y.y.. .yyyyyyy. yyyoooyyy .yyoooyy. yyyoooyyy .yyyyyyy.
..y.y.y.. ....g.... .gg.g.gg. ..ggggg.. ..rrrrr.. ...rrr..."""

ROCKET = mirror("""
p...r| ....r| ...rr| ...pp| ..pbb| ..pbb|
p.ppp| ..ppp| .rppp| rrppp| r..yo| ...yo|""")

FIR = mirror("""
....y| ....g| ...gg| ..ggr| ...gg| ..ggg|
.gmgg| ..ggg| .gggg| ggrgy| ....o| ppppp|""")

VASE = """
.ooooooo. ...bbb... ...bbb... ..bbbbb.. .bbbbbbb. bbbbmbbbb
bbbmymbbb bbbbmbbbb rrrrrrrrr .bbbbbbb. ..bbbbb.. .ooooooo."""

KITE = """
....p.... ...rpy... ..rrpyy.. .rrrpyyy. ppppppppp .gggpmmm.
..ggpmm.. ...gpm... ....p.... .....p... ....rpr.. ....p...."""

CAT = mirror("""
.o....| .oo...| .ooooo| oooooo| oogkoo|
oooooo| ppooom| oppooo| .ooooo| ..oooo|""")

BIG_STAR = """
.....yy..... .....yy..... ....yyyy.... yyyyyyyyyyyy .yyyyyyyyyy.
...yyyyyy... ...yyyyyy... ..yyy..yyy.. .yy......yy."""

BUTTERFLY = mirror("""
mmm.k. mymm.k myymmk mmymmk .mmmmk ..bbbk .bybbk .bbb.k ......""")

HOUSE = """
...rr.....yy ..rrrr....yy .rrrrrr..gg. rrrrrrrr.ggg .pbppbp..gg.
.pppppp...o. .ppoopp...o. .ppoopp...o. dddddddddddd"""


def melon(r):
    """A half disc hanging from the top edge, as a melon slice."""
    return lambda x, y, w, h: y >= 1 and math.hypot(x - (w - 1) / 2, y - 1) <= r


def windows(x, y, w, h):
    return x % 4 in (1, 2) and y % 4 in (1, 2)


def arch_top(x, y, w, h):
    return y < w // 2 and math.hypot(x - (w - 1) / 2, y - w / 2) > w / 2


LEVEL4 = [
    # 9 x 12
    pic(SUNFLOWER, bg=BLU, y=YEL, o=ORG, g=GRN, r=RED),
    pic(ROCKET, bg=BLK, p=PALE, r=RED, b=BLU, y=YEL, o=ORG),
    pic(FIR, bg=BLU, y=YEL, g=DGR, r=RED, m=MAG, o=ORG, p=PALE),
    board(9, 12, spiral([RED, ORG, YEL, GRN, BLU, MAG], gap=PALE)),
    pic(VASE, bg=HOLE, o=ORG, b=BLU, m=MAG, y=YEL, r=RED),
    board(9, 12, rings([YEL, ORG, RED, MAG, BLU], 1.0, cy=0.5),
          where(anyof(edge(), box(4, 0, 4, -1), box(0, 7, -1, 7)), GRY), where(arch_top, HOLE)),  # church window
    board(9, 12, chevrons([RED, ORG, YEL, GRN, BLU], 2)),
    pic(KITE, bg=BLU, p=PALE, r=RED, y=YEL, g=GRN, m=MAG),
    # 11 x 10
    board(11, 10, fill(BLU), where(rose(8, 0.45, 1.0), sectors([MAG, RED], 8, turn=1 / 16)),
          where(disc(0.45), YEL), where(disc(0.22), RED), where(corners(3), HOLE)),  # rose medallion
    pic(CAT, bg=BLU, o=ORG, g=GRN, k=BLK, m=MAG, p=PALE),
    # 12 x 9
    board(12, 9, diagonals([PALE, PALE, YEL, YEL]), where(heart(1.0), RED), where(heart(0.55), MAG)),
    board(12, 9, sectors([BLU, DGR], 12), stamp(BIG_STAR, y=YEL), where(box(5, 3, 6, 5), ORG)),
    board(12, 9, fill(BLU), where(disc(0.3, cx=-0.9, cy=-0.65), YEL), where(hill(8, 3, 2.5), DGR),
          where(hill(2, 4, 2.5), GRN), where(box(0, 7, -1, 7), waves([BLU, PALE], 1, 0.5, 4))),  # valley
    board(12, 9, fill(BLU), where(box(0, -1, -1, -1), YEL),
          stamp('.ooo.o/oooooo/kopoo./oooooo/.ooo.o', 5, 2, o=ORG, k=BLK, p=PALE),
          where(cells((1, 7), (1, 6), (2, 5), (2, 4), (10, 7), (10, 6), (11, 5)), DGR),
          where(cells((3, 1), (2, 0)), PALE)),  # fish tank
    pic(BUTTERFLY, bg=GRN, m=MAG, y=YEL, b=BLU, k=BLK),
    pic(HOUSE, bg=BLU, r=RED, y=YEL, g=GRN, p=PALE, b=BLU, o=ORG, d=DGR),
    board(12, 9, argyle([RED, YEL], BLU, 2), where(lambda x, y, w, h: (x + y) % 4 == 1 and (x - y) % 4 == 1, PALE)),
    board(12, 9, frames([RED, ORG, YEL, MAG], 1, cycle=True), where(windows, HOLE)),  # lattice
    board(12, 9, opart([INK, PALE]), where(disc(0.3), opart([RED, YEL])), where(edge(), BLU)),
    board(12, 9, waves([BLU, PALE, BLU, DGR, GRN, YEL], 1.5, 1.2, 8)),
    board(12, 9, tile('pypbpb/yrypbp/pypbpb/bpbpyp/pbpyry/bpbpyp', p=PALE, y=YEL, r=RED, b=BLU)),  # quilt
    board(12, 9, tartan([BLU, BLU, INK, GRN, GRN, INK, BLU, YEL])),
    board(12, 9, diamonds([RED, ORG, YEL, GRN, BLU, MAG], cycle=True)),
    board(12, 9, pinwheel('aab/abc/bcc', a=RED, b=YEL, c=BLU), where(edge(), DGR)),
]


# --------------------------------------------------------------------------
# Level 5: five to nine colours, the largest boards
# --------------------------------------------------------------------------

LIGHTHOUSE = mirror("""
....rr| ...rrr| ...syy| ...syy| ..rrrr| ...ppp| ...rrr| ...ppp|
..rrrr| ..pppp| ..rrrr| ..pppp| .ssrrr| ssssss| bbssss| bpbbbp|""")

BEACH = """
..........oo ...ryryr..oo ..ryryryr... .ryryryryr.. bbbbbsbbbbbb
bpbbbsbbbpbb yyyyysyyyyyy yymyysyyyyyy yyyyyyyyyyyy"""

CASTLE = """
s.s......s.s sss......sss sys......sys sss......sss sss.s..s.sss
ssssssssssss sysmssssmsys sssmssssmsss sssmssssmsss ssssssssssss
sssssoosssss ssssoooossss ssssoooossss ssssoooossss bbbboooobbbb"""

BALLOON = mirror("""
....rr ..yymm .ryymm .ryymm rryymm rryymm .ryymm ..yymm
...ymm ....s. ....s. ....oo ....oo ...... ......""")

OWL = mirror("""
...... .o.... .oo... .ooooo opppoo pyyypo pykypo pyyypo
opppoy oooooo oopppp opoppp .opppp ..yy.. dddddd""")

FLOWER = '.a./aya/.a.'
VASE_OF_FLOWERS = '..bbbbbbbb../...bbbbbb.../...bybbyb.../...bbbbbb.../....bbbb....'
TRAIN = """
................ .pp.........yy.. ..pp........yy.. ...k.rrr........ ...k.ryr.mmmmmm. .kkkkrrr.mpmmpm.
.ykkkrrrommmmmm. ..s.s.s...s..s.. gogogogogogogogo ................ ................"""
WHALE = """
..ssssss...... .ssssssss...ss skssssssss.ss. sssssssssssss. .pppppppsss... ..ppppp......."""
CAR = """
....rrrrrr.... ...rbbrbbbr... .rrrrrrrrrrrr. rrrrrrrrrrrrry rrkkrrrrrkkrrr ..kk.....kk..."""

LEVEL5 = [
    # 11 x 16
    board(11, 16, fill(BLK), where(lambda x, y, w, h: abs(y - 2.5) * 3 <= abs(x - 5) - 1, YEL),
          stamp(LIGHTHOUSE, p=PALE, r=RED, s=GRY, y=YEL, b=BLU)),
    # 12 x 9
    pic(BEACH, bg=PALE, o=ORG, r=RED, y=YEL, b=BLU, s=GRY, p=PALE, m=MAG),
    board(12, 9, fill(BLU), where(box(0, 0, -1, 0), PALE), where(melon(6.2), DGR), where(melon(5.3), GRN), where(melon(4.5), RED),
          where(cells((3, 2), (8, 2), (5, 3), (6, 3), (4, 4), (7, 4), (5, 6), (6, 6)), BLK)),  # melon slice
    # 12 x 15
    board(12, 15, fill(HOLE), stamp(CASTLE, s=GRY, y=YEL, m=MAG, o=ORG, b=BLU)),
    board(12, 15, fill(BLU), where(cells((0, 11), (1, 11), (1, 10), (2, 11), (10, 13), (11, 13), (9, 13), (10, 12)), PALE),
          stamp(BALLOON, r=RED, y=YEL, m=MAG, s=GRY, o=ORG)),
    pic(OWL, bg=BLU, o=ORG, p=PALE, y=YEL, k=BLK, d=DGR),
    board(12, 15, fill(PALE),
          where(anyof(line(1, 3, 5, 10), line(4, 2, 5, 10), line(8, 3, 6, 10), line(10, 6, 6, 10), line(2, 7, 5, 10)), DGR),
          stamp(FLOWER, 0, 2, a=RED, y=YEL), stamp(FLOWER, 3, 0, a=MAG, y=YEL), stamp(FLOWER, 7, 1, a=ORG, y=RED),
          stamp(FLOWER, 9, 5, a=MAG, y=YEL), stamp(FLOWER, 1, 6, a=ORG, y=RED),
          stamp(VASE_OF_FLOWERS, 0, 10, b=BLU, y=YEL)),
    # 15 x 12
    board(15, 12, fill(BLU), where(rose(12, 0.55, 1.0), sectors([MAG, RED], 12, turn=1 / 24)),
          where(rose(6, 0.4, 0.7, turn=1 / 12), sectors([YEL, ORG], 6)), where(disc(0.32), GRN), where(disc(0.15), YEL),
          where(corners(2), DGR)),  # mandala
    board(15, 12, spiral([RED, ORG, YEL, GRN, BLU, MAG], gap=PALE)),
    board(15, 12, bands([BLU, BLU, MAG, MAG, RED, RED, ORG]), where(disc(0.55, cy=0.05), YEL), where(disc(0.3, cy=0.05), PALE),
          where(box(0, 7, -1, -1), bands([BLU, BLU, PALE])),
          where(lambda x, y, w, h: y >= 7 and abs(x - 7) <= 3 - (y - 7) // 2 and y % 3 != 2, YEL)),  # sunrise
    board(15, 12, fill(PALE), where(disc(1.0), sectors([DGR, GRN], 16)), where(disc(0.5), HOLE),
          where(cells((3, 5), (7, 1), (9, 9), (4, 2)), RED), where(cells((11, 5), (5, 9), (10, 2)), YEL),
          stamp('mm.mm/.mmm./m...m', 5, 9, m=MAG)),  # wreath
    board(15, 12, opart([INK, PALE], 1.2), where(disc(0.35, cx=-0.7), RED), where(disc(0.35, cx=0.7), BLU),
          where(anyof(disc(0.12, cx=-0.7), disc(0.12, cx=0.7)), YEL)),
    board(15, 12, fill(BLU), tile('...y.../..yry../.yrkry./..yry../...y.../......./'
                                 'm....../ym....m/kym..my/ym....m/m....../.......', y=YEL, r=RED, k=PALE, m=MAG)),
    board(15, 12, fill(HOLE), where(rose(6, 0.7, 1.15), rings([YEL, ORG, RED, MAG, BLU, GRN]))),  # flower
    board(15, 12, fill(INK), where(anyof(hill(3, 8, 3), hill(12, 7, 3.5)), DGR), where(hill(8, 9, 4), GRN),
          where(disc(0.3, cx=0.75, cy=-0.55), YEL), where(disc(0.28, cx=0.87, cy=-0.65), INK),
          where(cells((1, 1), (4, 3), (7, 0), (9, 4), (2, 5), (13, 5), (6, 5)), PALE), where(cells((5, 2), (11, 0)), YEL),
          stamp('.r./rrr/yry', 2, 5, r=RED, y=YEL)),  # night
    board(15, 12, fill(BLU), where(box(0, -2, -1, -1), YEL),
          where(anyof(line(1, 9, 1, 4), line(2, 9, 3, 5), line(13, 9, 13, 5), line(12, 9, 11, 6)), DGR),
          stamp('.rr../rr.rr/.r..r/.r...', 5, 6, r=MAG), stamp('..oooo.o/.oooooo./okoooooo/.oooooo./..oooo.o', 3, 1, o=ORG, k=BLK),
          stamp('.yy.y/kyyyy/.yy.y', 10, 5, y=YEL, k=BLK), where(cells((2, 1), (1, 0), (9, 3)), PALE)),  # reef
    board(15, 12, fill(BLU), where(disc(0.22, cx=-0.9, cy=-0.7), YEL), where(peak(5, 1, 0.8), GRY), where(peak(10, 2, 0.8), GRY),
          where(anyof(where(peak(5, 1, 0.8), lambda x, y, w, h: y < 3), where(peak(10, 2, 0.8), lambda x, y, w, h: y < 4)), PALE),
          where(box(0, 7, -1, 7), DGR), where(box(0, 8, -1, -1), bands([BLU, PALE, BLU, BLU]))),  # mountain lake
    board(15, 12, fill(BLU), where(box(0, -2, -1, -1), GRN), where(polygon((-0.35, 1.2), (-0.2, -0.1), (0.2, -0.1), (0.35, 1.2)), ORG),
          where(anyof(lambda x, y, w, h: x - 7 == y - 4 and abs(x - 7) <= 4, lambda x, y, w, h: x - 7 == 4 - y and abs(x - 7) <= 4), PALE),
          where(cells((7, 4)), RED), where(box(6, 9, 8, 10), RED)),  # windmill
    board(15, 12, pinwheel('aab/abc/bcd', a=RED, b=YEL, c=BLU, d=MAG), where(edge(), GRN)),
    board(15, 12, fill(DGR), tile('...a..../.aaaaa../.aabaa../aabcbaa./.aabaa../.aaaaa../...a..../.......p',
                                 a=BLU, b=YEL, c=RED, p=PALE)),
    board(15, 12, fill(PALE), tile('.r.r..../rrrrr.b./.rrr..../..r...../....m.m./.g.mmmmm/....mmm./.....m..',
                                  r=RED, m=MAG, b=BLU, g=GRN)),
    board(15, 12, fill(BLU), tile('r.r.m.m.y.y./rrr.mmm.yyy./.g...g...g../.g...g...g../gg..gg..gg../............',
                                 r=RED, m=MAG, y=YEL, g=GRN), where(box(0, -1, -1, -1), DGR)),  # tulip field
    # 16 x 11
    board(16, 11, fill(BLU), where(box(0, 9, -1, -1), GRN),
          stamp(TRAIN, p=PALE, y=YEL, k=INK, r=RED, m=MAG, o=ORG, s=GRY, g=GRY)),  # train
    board(16, 11, bands([PALE, PALE, PALE, BLU]), where(box(0, 3, -1, -1), BLU), where(box(12, 0, 13, 1), YEL),
          stamp(WHALE, 1, 3, s=GRY, k=BLK, p=PALE), where(cells((3, 0), (5, 0), (4, 1), (4, 2)), BLU),
          where(cells((14, 10), (14, 9), (15, 8), (0, 10)), DGR)),  # whale
    board(16, 11, fill(PALE), where(box(14, 0, 15, 1), YEL), where(box(0, 8, -1, -1), GRY), where(box(0, 8, -1, 8), GRN),
          where(lambda x, y, w, h: y == 9 and x % 4 < 2, YEL), stamp(CAR, 1, 2, r=RED, b=BLU, k=BLK, y=YEL)),  # car
    board(16, 11, fill(HOLE), where(heart(1.3, cy=0.1), MAG), where(heart(1.05, cy=0.1), RED),
          where(heart(0.8, cy=0.1), ORG), where(heart(0.55, cy=0.1), YEL), where(heart(0.3, cy=0.1), PALE)),  # hearts
    board(16, 11, fill(BLU), where(box(2, 0, 3, 1), YEL), where(cells((8, 1), (9, 1), (10, 1), (9, 0), (11, 1)), PALE),
          where(box(0, 4, -1, 4), ORG), where(box(0, 5, -1, 9), GRY),
          where(lambda x, y, w, h: 6 <= y <= 9 and x % 5 != 0 and not (y == 6 and x % 5 in (1, 4)), HOLE),
          where(box(0, 10, -1, 10), waves([BLU, PALE], 1, 0.5, 4))),  # bridge
]


# --------------------------------------------------------------------------
# The catalogue
# --------------------------------------------------------------------------

# The number the second line of each file carries, and how many files of a level carry it.
HEADERS = {
    1: [(1, 74)],
    2: [(1, 34), (2, 11)],
    3: [(1, 7), (2, 4), (3, 24)],
    4: [(4, 24)],
    5: [(1, 20), (4, 7)],
}

# Files written without a comma after the last value (the reader takes both forms).
BARE_ENDS = {(1, 20), (1, 57), (2, 30), (3, 9), (4, 16), (5, 11), (5, 25)}

CLASSIC = b'1\r\n1\r\n3,3\r\n0,1,2,3,4,5,6,7,8'


def colours(b):
    return {v for row in b for v in row if v != HOLE}


def difficulty(b):
    """More colours, a bigger board and more colour boundaries make a board harder."""
    h, w = len(b), len(b[0])
    seams = sum(b[y][x] != b[y][x + 1] for y in range(h) for x in range(w - 1))
    seams += sum(b[y][x] != b[y + 1][x] for y in range(h - 1) for x in range(w))
    return len(colours(b)), w * h, seams


def spread(quota):
    """Deals the header numbers out evenly along a level."""
    slots = sorted(((k + 0.5) / n, tag) for tag, n in quota for k in range(n))
    return [tag for _, tag in slots]


def map_bytes(tag, b, trailing):
    values = ','.join(str(v) for row in b for v in row)
    text = '1\r\n%d\r\n%d,%d\r\n%s%s' % (tag, len(b[0]), len(b), values, ',' if trailing else '')
    return text.encode('ascii')


def catalogue():
    """{level: [boards in play order]}; the opening board of the game stays first."""
    levels = {1: [FIRST_BOARD] + sorted(LEVEL1, key=difficulty)}
    for n, boards in ((2, LEVEL2), (3, LEVEL3), (4, LEVEL4), (5, LEVEL5)):
        levels[n] = sorted(boards, key=difficulty)
    return levels


def main():
    for level, boards in catalogue().items():
        folder = os.path.join(OUT, 'levels%d' % level)
        os.makedirs(folder, exist_ok=True)
        for name in os.listdir(folder):
            if name.endswith('.map'):
                os.remove(os.path.join(folder, name))
        for sub, (b, tag) in enumerate(zip(boards, spread(HEADERS[level])), 1):
            with open(os.path.join(folder, '%d.map' % sub), 'wb') as f:
                f.write(map_bytes(tag, b, (level, sub) not in BARE_ENDS))
    with open(os.path.join(OUT, 'classic.map'), 'wb') as f:
        f.write(CLASSIC)


if __name__ == '__main__':
    main()
