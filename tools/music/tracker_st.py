"""Writes songs as Scream Tracker 3 .s3m or Impulse Tracker .it files, byte by byte, from the same song model."""

import struct

from tracker import _pad, _scaled, split_patterns

# effect letters shared by S3M and IT: A = 1 ... Z = 26
LETTER = {k: ord(v) - 64 for k, v in {"speed": "A", "break": "C", "slide": "D", "vib": "H", "trem": "R",
                                       "ext": "S", "tempo": "T", "gvol": "V"}.items()}


def _effect(fx, gvol_max):
    kind = fx[0]
    if kind in ("vib", "trem", "slide"):
        return LETTER[kind], (fx[1] << 4) | fx[2]
    if kind in ("tempo", "speed", "break"):
        return LETTER[kind], fx[1] if len(fx) > 1 else 0
    if kind == "pan":
        return LETTER["ext"], 0x80 | (fx[1] >> 4)
    if kind == "fineslide":
        return LETTER["slide"], 0xF0 | fx[1]
    if kind == "delay":
        return LETTER["ext"], 0xD0 | fx[1]
    if kind == "cut":
        return LETTER["ext"], 0xC0 | fx[1]
    if kind == "gvol":
        return LETTER["gvol"], min(gvol_max, fx[1] * gvol_max // 64)
    raise ValueError(kind)


def fit_patterns(pats, order, limit):
    """Cuts patterns longer than `limit` rows into pieces: (patterns, order list)."""
    out, index, new_order = [], {}, []
    for p in order:
        if p not in index:
            grid = pats[p]
            index[p] = []
            for s in range(0, len(grid), limit):
                index[p].append(len(out))
                out.append(grid[s:s + limit])
        new_order += index[p]
    return out, new_order


def _pitch(song, cell):
    """The note on the tracker's scale (60 = the sample's own rate) that sounds the cell's MIDI note."""
    s = song.instruments[cell.ins - 1].sample
    return cell.note - s.tone + 60


def _pcm16(sample):
    pcm = [max(-32768, min(32767, round(v * 32767))) for v in sample.data]
    if sample.loop_len:
        pcm = pcm[:sample.loop_start + sample.loop_len]
    return pcm


def _align(out, n=16):
    out += b"\0" * (-len(out) % n)


def _channel_pans(song, grid_pats):
    """Each channel's pan (0..255): that of the instrument it plays most."""
    counts = [dict() for _ in range(song.channels)]
    for grid in grid_pats:
        for row in grid:
            for c, cell in enumerate(row):
                if cell is not None and isinstance(cell.note, int):
                    counts[c][cell.ins] = counts[c].get(cell.ins, 0) + 1
    pans = []
    for c in counts:
        ins = max(c, key=c.get) if c else None
        pans.append(song.instruments[ins - 1].pan if ins else 128)
    return pans


# ---------------------------------------------------------------- S3M

def _s3m_pattern(song, grid):
    data = bytearray()
    for r, row in enumerate(grid):
        breaks = len(grid) < 64 and r == len(grid) - 1
        for c in range(song.channels):
            cell = row[c]
            note = ins = vol = fx = None
            if cell is not None:
                if isinstance(cell.note, int):
                    n = _pitch(song, cell)
                    assert 12 <= n < 108, (song.title, cell.note)
                    note, ins = ((n // 12 - 1) << 4) | (n % 12), cell.ins
                if cell.vol is not None:
                    vol = _scaled(song, cell.vol)
                fx = cell.fx
                if cell.note == "off":
                    fx = ("slide", 0, 15)       # a quick fade instead of a hard stop
            if breaks and c == song.channels - 1:
                fx = ("break",)
            if note is None and vol is None and fx is None:
                continue
            what = c | (0x20 if note is not None else 0) | (0x40 if vol is not None else 0)
            what |= 0x80 if fx is not None else 0
            data.append(what)
            if note is not None:
                data += bytes([note, ins])
            if vol is not None:
                data.append(vol)
            if fx is not None:
                data += bytes(_effect(fx, 64))
        data.append(0)
    for _ in range(64 - len(grid)):
        data.append(0)
    return struct.pack("<H", len(data) + 2) + data


def write_s3m(song, path):
    assert song.channels <= 16
    pats, order = fit_patterns(*split_patterns(song), 64)
    orders = order + [255] * (2 - len(order) % 2)
    n_ins, n_pat = len(song.instruments), len(pats)
    head = _pad(song.title, 27) + b"\0\x1a\x10\0\0"
    head += struct.pack("<HHHHHH", len(orders), n_ins, n_pat, 0, 0x1320, 2) + b"SCRM"
    head += bytes([64, song.speed, song.bpm, 0x80 | 48, 16, 252]) + b"\0" * 8 + b"\0\0"
    head += bytes(c if c < song.channels else 255 for c in range(32))
    head += bytes(orders)
    table_at = len(head)
    head += b"\0" * (2 * (n_ins + n_pat))
    pans = _channel_pans(song, pats)
    head += bytes((0x20 | (pans[c] >> 4)) if c < song.channels else 0 for c in range(32))
    out = bytearray(head)
    _align(out)
    ins_at = []
    for _ in song.instruments:
        ins_at.append(len(out))
        out += b"\0" * 80
    pat_at = []
    for grid in pats:
        _align(out)
        pat_at.append(len(out))
        out += _s3m_pattern(song, grid)
    for at, ins in zip(ins_at, song.instruments):
        s = ins.sample
        pcm = _pcm16(s)
        _align(out)
        seg = len(out) >> 4
        out += b"".join(struct.pack("<H", (v + 32768) & 0xFFFF) for v in pcm)
        loop = s.loop_len > 0
        out[at:at + 80] = (bytes([1]) + _pad(s.name.replace(" ", "")[:8] + ".smp", 12)
                           + bytes([seg >> 16]) + struct.pack("<H", seg & 0xFFFF)
                           + struct.pack("<IIIBBBBI", len(pcm), s.loop_start if loop else 0,
                                         s.loop_start + s.loop_len if loop else 0, _scaled(song, s.volume), 0, 0,
                                         (1 if loop else 0) | 4, s.rate)
                           + b"\0" * 12 + _pad(s.name, 28) + b"SCRS")
    table = b"".join(struct.pack("<H", a >> 4) for a in ins_at + pat_at)
    out[table_at:table_at + len(table)] = table
    with open(path, "wb") as f:
        f.write(out)
    return len(out), 0


# ---------------------------------------------------------------- IT

def _it_envelope(ins):
    env = ins.env[:25]
    flags = 1 | (4 if ins.sustain is not None else 0)
    sus = ins.sustain or 0
    nodes = b"".join(struct.pack("<bH", y, x) for x, y in env) + b"\0" * (3 * (25 - len(env)))
    return bytes([flags, len(env), 0, 0, sus, sus]) + nodes + b"\0"


def _it_instrument(ins, number):
    head = b"IMPI" + _pad(ins.name.replace(" ", "")[:8] + ".iti", 12) + b"\0"
    # a new note lets the old one fade out with the instrument's fadeout
    head += struct.pack("<BBBHbBBBBBHBB", 3, 0, 0, max(4, min(256, ins.fadeout // 32)), 0, 60, 128,
                        min(64, round(ins.pan * 64 / 255)), 0, 0, 0x0214, 1, 0)
    head += _pad(ins.name, 26) + struct.pack("<BBBBH", 0, 0, 0, 0, 0)
    head += b"".join(bytes([n, number]) for n in range(120))
    flat = b"\0" * 6 + b"\0" * 75 + b"\0"
    head += _it_envelope(ins) + flat + flat + b"\0" * 4
    assert len(head) == 554
    return head


def _it_pattern(song, grid):
    data = bytearray()
    for row in grid:
        for c in range(song.channels):
            cell = row[c]
            if cell is None:
                continue
            mask, fields = 0, bytearray()
            if isinstance(cell.note, int):
                n = _pitch(song, cell)
                assert 0 <= n < 120, (song.title, cell.note)
                mask |= 3
                fields += bytes([n, cell.ins])
            elif cell.note == "off":
                mask |= 1
                fields.append(255)
            if cell.vol is not None:
                mask |= 4
                fields.append(_scaled(song, cell.vol))
            if cell.fx is not None:
                mask |= 8
                fields += bytes(_effect(cell.fx, 128))
            if mask:
                data += bytes([(c + 1) | 0x80, mask]) + fields
        data.append(0)
    return struct.pack("<HH4x", len(data), len(grid)) + data


def write_it(song, path):
    assert song.channels <= 64
    pats, order = fit_patterns(*split_patterns(song), 200)
    orders = order + [255]
    n = len(song.instruments)
    head = b"IMPM" + _pad(song.title, 26) + bytes([song.rows_per_beat, song.bar_rows])
    head += struct.pack("<HHHHHHHH", len(orders), n, n, len(pats), 0x0214, 0x0214, 1 | 4 | 8, 0)
    head += bytes([128, 48, song.speed, song.bpm, 128, 0]) + struct.pack("<HII", 0, 0, 0)
    head += bytes(32 if c < song.channels else 32 | 128 for c in range(64)) + bytes([64] * 64)
    head += bytes(orders)
    table_at = len(head)
    out = bytearray(head + b"\0" * (4 * (2 * n + len(pats))))
    ins_at, smp_at, pat_at = [], [], []
    for i, ins in enumerate(song.instruments):
        ins_at.append(len(out))
        out += _it_instrument(ins, i + 1)
    for ins in song.instruments:
        smp_at.append(len(out))
        out += b"\0" * 80
    for grid in pats:
        pat_at.append(len(out))
        out += _it_pattern(song, grid)
    for at, ins in zip(smp_at, song.instruments):
        s = ins.sample
        pcm = _pcm16(s)
        loop = s.loop_len > 0
        vib_type, sweep, depth, rate = ins.vibrato
        out[at:at + 80] = (b"IMPS" + _pad(s.name.replace(" ", "")[:8] + ".its", 12)
                           + bytes([0, 64, 1 | 2 | (16 if loop else 0), _scaled(song, s.volume)])
                           + _pad(s.name, 26) + bytes([1, 0])
                           + struct.pack("<IIIIIII", len(pcm), s.loop_start if loop else 0,
                                         s.loop_start + s.loop_len if loop else 0, s.rate, 0, 0, len(out))
                           + bytes([rate, depth, sweep, vib_type]))
        out += b"".join(struct.pack("<h", v) for v in pcm)
    table = b"".join(struct.pack("<I", a) for a in ins_at + smp_at + pat_at)
    out[table_at:table_at + len(table)] = table
    with open(path, "wb") as f:
        f.write(out)
    return len(out), 0
