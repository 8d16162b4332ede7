"""Small composing kit for Tavni's songs: notes, chords, voicings, melodies and drum lines on a row grid."""

import itertools
import random

from tracker import Cell

PITCH = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}

CHORDS = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "maj7": (0, 4, 7, 11), "m7": (0, 3, 7, 10),
    "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9), "sus4": (0, 5, 7), "7sus": (0, 5, 7, 10),
    "add9": (0, 4, 7, 14), "madd9": (0, 3, 7, 14), "maj9": (0, 4, 7, 11, 14), "m9": (0, 3, 7, 10, 14),
    "9": (0, 4, 7, 10, 14), "6/9": (0, 4, 7, 9, 14), "m7b5": (0, 3, 6, 10),
}


def note(name):
    """'c4' is MIDI 60; sharps with '#', flats with 'b' ('bb3', 'f#5')."""
    name = name.lower()
    pc = PITCH[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b" and not rest[0].isdigit():
        if rest[0] == "#":
            pc += 1
        else:
            pc -= 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pc


def pitch_class(name):
    pc = PITCH[name[0].lower()]
    for ch in name[1:]:
        pc += 1 if ch == "#" else -1
    return pc % 12


class Chord:
    def __init__(self, symbol):
        self.symbol = symbol
        main, _, bass = symbol.partition("/") if "/" in symbol and not symbol.endswith("6/9") else (symbol, "", "")
        root = main[0]
        i = 1
        while i < len(main) and main[i] in "#b" and not main[i:].startswith("b5"):
            root += main[i]
            i += 1
        self.root = pitch_class(root)
        self.intervals = CHORDS[main[i:]]
        self.bass = pitch_class(bass) if bass else self.root

    @property
    def pcs(self):
        return [(self.root + i) % 12 for i in self.intervals]

    def tones(self, lo, hi):
        """Every chord tone between lo and hi (MIDI, inclusive)."""
        pcs = set(self.pcs)
        return [n for n in range(lo, hi + 1) if n % 12 in pcs]

    def fifth(self):
        for i in self.intervals:
            if i in (6, 7):
                return (self.root + i) % 12
        return self.root


def bass_note(pc, lo):
    """The lowest note of pitch class pc at or above lo."""
    n = lo
    while n % 12 != pc:
        n += 1
    return n


def voice(chord, count, lo, hi, prev=None, centre=None, against=()):
    """Picks `count` chord tones in [lo, hi] that keep close to the previous voicing.

    Tones a semitone (or a minor ninth) under a note of the tune in `against` are avoided.
    """
    tones = chord.tones(lo, hi)
    pcs = chord.pcs
    colour = [(chord.root + i) % 12 for i in chord.intervals if i not in (0, 7)][:count]
    distinct = min(count, len(pcs))
    if centre is None:
        centre = (lo + hi) / 2
    best = None
    for combo in itertools.combinations(tones, count):
        got = {n % 12 for n in combo}
        cost = 8.0 * (distinct - len(got))
        cost += 4.0 * sum(1 for a, b in zip(combo, combo[1:]) if b - a < 2)
        cost += 10.0 if combo[-1] - combo[0] > 14 else 0.0
        cost += 6.0 * sum(1 for pc in colour if pc not in got)
        cost += 20.0 * sum(1 for n in combo for m in against if n < m and (m - n) % 12 == 1)
        if prev:
            cost += 0.8 * sum(abs(a - b) for a, b in zip(combo, prev))
        cost += 0.5 * abs(sum(combo) / count - centre)
        if best is None or cost < best[0]:
            best = (cost, combo)
    assert best, (chord.symbol, lo, hi)
    return list(best[1])


class Song:
    def __init__(self, title, fmt, channels, bpm, beats_per_bar=4, rows_per_beat=4, speed=6,
                 rows_per_pattern=64, seed=1):
        self.title = title
        self.fmt = fmt
        self.channels = channels
        self.bpm = bpm
        self.speed = speed
        self.rows_per_beat = rows_per_beat
        self.beats_per_bar = beats_per_bar
        self.rows_per_pattern = rows_per_pattern
        self.instruments = []
        self.tracks = [dict() for _ in range(channels)]
        self.bars = 0
        self.rng = random.Random(seed)
        self.gain = 1.0             # scales every volume when the file is written
        self.tail_rows = 0          # extra rows after the last bar for the ending to ring out

    @property
    def bar_rows(self):
        return self.rows_per_beat * self.beats_per_bar

    @property
    def total_rows(self):
        return self.bars * self.bar_rows

    def add(self, instrument):
        self.instruments.append(instrument)
        return len(self.instruments)

    def put(self, ch, row, note=None, ins=None, vol=None, fx=None):
        cell = self.tracks[ch].get(row)
        if cell is None:
            cell = self.tracks[ch][row] = Cell()
        if note == "off" and isinstance(cell.note, int):
            note = None                 # a new note already ends the old one
        if note is not None:
            cell.note, cell.ins = note, ins
        if vol is not None:
            cell.vol = max(0, min(64, int(round(vol))))
        if fx is not None:
            cell.fx = fx
        return cell

    def notes_in(self, ch, start, end):
        """The notes struck on a channel in rows [start, end)."""
        return [c.note for r, c in self.tracks[ch].items() if start <= r < end and isinstance(c.note, int)]

    def fx(self, ch, row, fx):
        self.put(ch, row, fx=fx)

    def human(self, vol, spread=3):
        return vol + self.rng.randint(-spread, spread)

    def row(self, bar, beat=0, sub=0):
        return bar * self.bar_rows + int(beat * self.rows_per_beat) + sub

    def melody(self, ch, ins, bar, text, vol=48, vib=None, release=True, accent=4, spread=2,
               transpose=0, wobble="vib"):
        """Lays out 'e5/4 d5/2 r/2 ...' (note/rows, r = rest) from the start of `bar`.

        Each note ends where the next begins; before a rest it is released. Long
        notes get a gentle vibrato (or tremolo, wobble="trem") after their first
        rows when `vib` (speed, depth) is given.
        Returns the row after the last note.
        """
        row = self.row(bar)
        events = []
        for tok in text.split():
            name, _, dur = tok.partition("/")
            dur = int(dur)
            events.append((row, None if name == "r" else note(name) + transpose, dur))
            row += dur
        for i, (r, n, dur) in enumerate(events):
            if n is None:
                continue
            on_beat = (r % self.rows_per_beat) == 0
            v = vol + (accent if on_beat else 0)
            self.put(ch, r, n, ins, self.human(v, spread))
            if vib and dur >= 6:
                for k in range(3, dur):
                    self.fx(ch, r + k, (wobble,) + vib)
            nxt = events[i + 1] if i + 1 < len(events) else None
            if release and (nxt is None or nxt[1] is None):
                self.put(ch, r + dur, "off")
        return row

    def drums(self, ch, bar, pattern, kit, vol_scale=1.0):
        """One character per row: each letter names a hit in `kit` (instrument, note, volume)."""
        r = self.row(bar)
        for i, c in enumerate(pattern.replace(" ", "")):
            if c in kit:
                ins, n, v = kit[c]
                self.put(ch, r + i, n, ins, self.human(v * vol_scale, 2))

    def write(self, path):
        from tracker import write_mod, write_xm
        from tracker_st import write_it, write_s3m
        writers = {"mod": write_mod, "xm": write_xm, "s3m": write_s3m, "it": write_it}
        return writers[self.fmt](self, path)
