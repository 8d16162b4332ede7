"""Writes songs as ProTracker .mod (4 channels, "M.K.") or FastTracker 2 .xm files, byte by byte."""

import struct

# ProTracker periods for C-1 .. B-3 (finetune 0)
PERIODS = [856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
           428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
           214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113]


class Instrument:
    """A sample plus what an XM instrument adds to it (envelope, fadeout, auto-vibrato, panning)."""

    def __init__(self, sample, env=((0, 64), (1, 64)), sustain=1, fadeout=1024, pan=128,
                 vibrato=(0, 0, 0, 0)):
        self.sample = sample
        self.env = list(env)
        self.sustain = sustain          # envelope point held while the key is down, or None
        self.fadeout = fadeout          # volume fade per tick after a key-off (of 65536)
        self.pan = pan
        self.vibrato = vibrato          # type, sweep, depth, rate

    @property
    def name(self):
        return self.sample.name


class Cell:
    __slots__ = ("note", "ins", "vol", "fx")

    def __init__(self, note=None, ins=None, vol=None, fx=None):
        self.note = note    # MIDI note number, "off", or None
        self.ins = ins      # 1-based instrument number
        self.vol = vol      # 0..64
        self.fx = fx        # (name, value...) or None


def _pad(text, n):
    raw = text.encode("ascii")[:n]
    return raw + b"\0" * (n - len(raw))


def _scaled(song, vol):
    return max(0, min(64, int(round(vol * song.gain))))


def split_patterns(song):
    """Cuts the song's rows into patterns and drops duplicates: (patterns, order list).

    The last pattern is longer by `song.tail_rows`, room for the final notes to die away.
    """
    rows = song.total_rows
    per = song.rows_per_pattern
    assert rows % per == 0, "the song has to fill whole patterns"
    pats, order, seen = [], [], {}
    for start in range(0, rows, per):
        end = start + per + (song.tail_rows if start + per == rows else 0)
        grid = []
        for r in range(start, end):
            grid.append([song.tracks[c].get(r) for c in range(song.channels)])
        key = tuple(tuple(None if x is None else (x.note, x.ins, x.vol, x.fx) for x in row) for row in grid)
        if key not in seen:
            seen[key] = len(pats)
            pats.append(grid)
        order.append(seen[key])
    return pats, order


# ---------------------------------------------------------------- MOD

def _mod_effect(fx):
    kind = fx[0]
    if kind == "vib":
        return 0x4, (fx[1] << 4) | fx[2]
    if kind == "tempo":
        assert fx[1] >= 0x20
        return 0xF, fx[1]
    if kind == "speed":
        assert 0 < fx[1] < 0x20
        return 0xF, fx[1]
    if kind == "slide":
        up, down = fx[1], fx[2]
        return 0xA, (up << 4) | down
    if kind == "pan":
        return 0x8, fx[1]
    if kind == "fineslide":
        return 0xE, 0xB0 | fx[1]
    if kind == "delay":
        return 0xE, 0xD0 | fx[1]
    if kind == "cut":
        return 0xE, 0xC0 | fx[1]
    if kind == "break":
        return 0xD, 0
    if kind == "trem":
        return 0x7, (fx[1] << 4) | fx[2]
    raise ValueError(kind)


def write_mod(song, path):
    assert song.channels == 4
    samples = [ins.sample for ins in song.instruments]
    assert len(samples) <= 31
    pats, order = split_patterns(song)
    assert all(len(p) <= 64 for p in pats) and len(order) <= 128
    out = bytearray(_pad(song.title, 20))
    datas = []
    for i in range(31):
        if i < len(samples):
            s = samples[i]
            d = bytearray(struct.pack("b", max(-128, min(127, round(v * 127)))) [0] for v in s.data)
            if len(d) & 1:
                d.append(0)
            d[0] = d[1] = 0         # the Amiga replays the first word after a one-shot sample
            assert len(d) < 131072
            if s.loop_len:
                assert s.loop_start % 2 == 0 and s.loop_len % 2 == 0
                ls, ll = s.loop_start // 2, s.loop_len // 2
                d = d[:s.loop_start + s.loop_len]
            else:
                ls, ll = 0, 1
            datas.append(bytes(d))
            out += _pad(s.name, 22) + struct.pack(">HBBHH", len(d) // 2, 0, _scaled(song, s.volume), ls, ll)
        else:
            out += b"\0" * 22 + struct.pack(">HBBHH", 0, 0, 0, 0, 1)
    out += bytes([len(order), 127])
    out += bytes(order) + b"\0" * (128 - len(order))
    out += b"M.K."
    dropped = 0
    for grid in pats:
        rows = [list(r) for r in grid] + [[None] * 4 for _ in range(64 - len(grid))]
        for r, row in enumerate(rows):
            cells = []
            for c in range(4):
                cell = row[c]
                period, ins, wants = 0, 0, []
                if cell is not None:
                    if isinstance(cell.note, int):
                        sm = song.instruments[cell.ins - 1].sample
                        idx = cell.note - (sm.tone - 12 * sm.shift) + 12
                        assert 0 <= idx < 36, (song.title, r, c, cell.note, sm.name)
                        period = PERIODS[idx]
                        ins = cell.ins
                        if cell.vol is not None and _scaled(song, cell.vol) != _scaled(song, sm.volume):
                            wants.append(("vol", _scaled(song, cell.vol)))
                    elif cell.vol is not None:
                        wants.append(("vol", _scaled(song, cell.vol)))
                    if cell.fx is not None:
                        if cell.fx[0] in ("tempo", "speed"):
                            wants.insert(0, cell.fx)
                        else:
                            wants.append(cell.fx)
                    if cell.note == "off":
                        wants.append(("slide", 0, 15))   # a quick fade instead of a hard stop
                cells.append([period, ins, wants])
            if len(grid) < 64 and r == len(grid) - 1:
                free = [c for c in range(4) if not cells[c][2]]
                cells[free[0] if free else 3][2].insert(0, ("break",))
            for period, ins, wants in cells:
                eff = par = 0
                if wants:
                    fx = wants[0]
                    dropped += len(wants) - 1
                    if fx[0] == "vol":
                        eff, par = 0xC, fx[1]
                    else:
                        eff, par = _mod_effect(fx)
                out += bytes([(ins & 0xF0) | (period >> 8), period & 0xFF, ((ins & 0x0F) << 4) | eff, par])
    for d in datas:
        out += d
    with open(path, "wb") as f:
        f.write(out)
    return len(out), dropped


# ---------------------------------------------------------------- XM

def _xm_effect(fx):
    kind = fx[0]
    if kind == "vib":
        return 0x4, (fx[1] << 4) | fx[2]
    if kind in ("tempo", "speed"):
        return 0xF, fx[1]
    if kind == "slide":
        return 0xA, (fx[1] << 4) | fx[2]
    if kind == "pan":
        return 0x8, fx[1]
    if kind == "fineslide":
        return 0xE, 0xB0 | fx[1]
    if kind == "delay":
        return 0xE, 0xD0 | fx[1]
    if kind == "cut":
        return 0xE, 0xC0 | fx[1]
    if kind == "break":
        return 0xD, 0
    if kind == "gvol":
        return 0x10, fx[1]
    if kind == "trem":
        return 0x7, (fx[1] << 4) | fx[2]
    raise ValueError(kind)


def _xm_pattern(song, grid):
    data = bytearray()
    dropped = 0
    for row in grid:
        for c in range(song.channels):
            cell = row[c]
            note = ins = vol = eff = par = 0
            if cell is not None:
                if isinstance(cell.note, int):
                    note = cell.note - 11          # XM C-4 (49) is MIDI 60
                    assert 1 <= note <= 96
                    ins = cell.ins
                elif cell.note == "off":
                    note = 97
                if cell.vol is not None:
                    vol = 0x10 + _scaled(song, cell.vol)
                if cell.fx is not None:
                    eff, par = _xm_effect(cell.fx)
            fields = [note, ins, vol, eff, par]
            mask = sum(1 << i for i, v in enumerate(fields) if v)
            if mask == 0x1F:
                data += bytes(fields)
            else:
                data.append(0x80 | mask)
                data += bytes(v for v in fields if v)
    return bytes(data), dropped


def write_xm(song, path):
    pats, order = split_patterns(song)
    out = bytearray(b"Extended Module: " + _pad(song.title, 20) + b"\x1a" + _pad("Tavni composer", 20))
    out += struct.pack("<HI", 0x0104, 276)
    out += struct.pack("<HHHHHHHH", len(order), 0, song.channels, len(pats), len(song.instruments),
                       1, song.speed, song.bpm)
    out += bytes(order) + b"\0" * (256 - len(order))
    for grid in pats:
        packed, _ = _xm_pattern(song, grid)
        out += struct.pack("<IBHH", 9, 0, len(grid), len(packed)) + packed
    for ins in song.instruments:
        s = ins.sample
        pcm = [max(-32768, min(32767, round(v * 32767))) for v in s.data]
        if s.loop_len:
            pcm = pcm[:s.loop_start + s.loop_len]
        # delta coding
        prev, deltas = 0, bytearray()
        for v in pcm:
            d = (v - prev) & 0xFFFF
            deltas += struct.pack("<H", d)
            prev = v
        env = ins.env[:12]
        env_bytes = b"".join(struct.pack("<HH", x, y) for x, y in env) + b"\0" * (48 - 4 * len(env))
        vol_type = 1 | (2 if ins.sustain is not None else 0)
        head = _pad(ins.name, 22) + struct.pack("<BH", 0, 1)
        head += struct.pack("<I", 40) + b"\0" * 96 + env_bytes + b"\0" * 48
        head += bytes([len(env), 0, ins.sustain or 0, 0, 0, 0, 0, 0, vol_type, 0])
        head += bytes(ins.vibrato) + struct.pack("<H", ins.fadeout) + b"\0" * 22
        out += struct.pack("<I", 4 + len(head)) + head
        rel = 60 - s.tone + 12 * s.shift
        loop_type = 1 if s.loop_len else 0
        out += struct.pack("<IIIBbBBbB", 2 * len(pcm), 2 * s.loop_start, 2 * s.loop_len, _scaled(song, s.volume), 0,
                           loop_type | 0x10, ins.pan, rel, 0) + _pad(s.name, 22)
        out += deltas
    with open(path, "wb") as f:
        f.write(out)
    return len(out), 0
