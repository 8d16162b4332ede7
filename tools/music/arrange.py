"""Arranges a song from section plans: a seeded tune over the chords, a bass line, harmony and drums."""

import math

from compose import Chord, bass_note, voice

# channels of an arranged song
LEAD, ECHO, BASS, PAD0, PAD1, PAD2, ARP0, ARP1, KICK, HAT = range(10)
PADS = (PAD0, PAD1, PAD2)

RHYTHMS = {  # note lengths in rows that fill one bar; "r" marks a rest
    16: [(8, 4, 4), (4, 4, 8), (6, 2, 8), (12, 4), (4, 4, 4, 4), (6, 2, 4, 4), ("r4", 4, 4, 4), (8, 8),
         (4, 2, 2, 8), ("r8", 4, 4)],
    12: [(8, 4), (4, 4, 4), (6, 2, 4), (4, 8), ("r4", 4, 4), (6, 6), (4, 2, 6), (6, 4, 2)],
}
CADENCE = {16: [(16,), (12, "r4"), (8, 8)], 12: [(12,), (8, "r4"), (6, 6)]}


def chords_of(sheet):
    return [[Chord(n) for n in bar.split()] for bar in sheet.split("|")]


def chord_at(bar_chords, offset, bar_rows):
    return bar_chords[min(len(bar_chords) - 1, offset * len(bar_chords) // bar_rows)]


class Tune:
    """Makes a section's tune: two-bar ideas, the first repeated over new chords, then an answer and a cadence."""

    def __init__(self, rng, scale, lo, hi):
        self.rng, self.scale, self.lo, self.hi = rng, scale, lo, hi

    def _pitch(self, prev, before, chord, strong, aim):
        tones = chord.tones(self.lo, self.hi) if strong else \
            [n for n in range(self.lo, self.hi + 1) if n % 12 in self.scale]

        def cost(n):
            c = abs(n - aim) + (4 if n == prev else 0) + 3 * max(0, abs(n - prev) - 5)
            c += 2 if n == before else 0        # no see-sawing between two notes
            return c + self.rng.random() * 1.2
        return min(tones, key=cost)

    def _aim(self, row, total, bar_rows, lift, phase):
        """Where the line heads: an arch over the section with a slower wave on it."""
        x = row / total
        arch = math.sin(math.pi * x ** 0.8)
        return self.lo + 3 + lift + 7 * arch + 2.5 * math.sin(2 * math.pi * row / (2 * bar_rows) + phase)

    def _snap(self, n, chord, strong):
        tones = chord.tones(self.lo, self.hi) if strong else \
            [t for t in range(self.lo, self.hi + 1) if t % 12 in self.scale]
        return min(tones, key=lambda t: abs(t - n))

    def bar_rhythm(self, rows, cadence=False):
        return list(self.rng.choice(CADENCE[rows] if cadence else RHYTHMS[rows]))

    def section(self, bars, bar_rows, lift=0):
        """Events (row in section, MIDI note or None, length) for len(bars) bars of chords."""
        n = len(bars)
        units = [[self.bar_rhythm(bar_rows), self.bar_rhythm(bar_rows)] for _ in range(2)]
        plan = []
        for b in range(n):
            unit = b // 2
            last = b == n - 1
            if last:
                plan.append(self.bar_rhythm(bar_rows, cadence=True))
            elif unit % 2 == 1 and unit < n // 2 - 1:
                plan.append(units[0][b % 2])      # the idea again, over the next chords
            else:
                plan.append(units[1 if unit >= 2 else 0][b % 2])
        events, prev, first_idea = [], self.lo + 3 + lift, []
        before = prev
        phase = self.rng.random() * 2 * math.pi
        for b, rhythm in enumerate(plan):
            row = b * bar_rows
            repeat = n >= 8 and b // 2 == 1        # the opening idea again, moved onto the new chords
            shift = None
            for k, d in enumerate(rhythm):
                if isinstance(d, str):
                    length = int(d[1:])
                    events.append((row, None, length))
                    row += length
                    continue
                chord = chord_at(bars[b], row - b * bar_rows, bar_rows)
                strong = (row % 8 == 0) or d >= 6
                if b == n - 1 and d >= 8:
                    tones = [t for t in chord.tones(self.lo, self.hi) if t % 12 in (chord.root, chord.pcs[1])]
                    note = min(tones, key=lambda t: abs(t - prev))
                elif repeat and len(first_idea) > 0:
                    model = first_idea.pop(0)
                    if shift is None:
                        shift = min(chord.tones(self.lo, self.hi), key=lambda t: abs(t - model)) - model
                    note = self._snap(model + shift, chord, strong)
                else:
                    note = self._pitch(prev, before, chord, strong, self._aim(row, n * bar_rows, bar_rows, lift, phase))
                if b < 2:
                    first_idea.append(note)
                events.append((row, note, d))
                before, prev = prev, note
                row += d
        return events


def lay_tune(song, ch, ins, events, start_row, vol, vib=(8, 1), transpose=0):
    for i, (r, n, d) in enumerate(events):
        if n is None:
            continue
        row = start_row + r
        song.put(ch, row, n + transpose, ins, song.human(vol + (3 if row % 4 == 0 else 0), 2))
        if vib and d >= 6:
            for k in range(3, d):
                song.fx(ch, row + k, ("vib",) + vib)
        nxt = events[i + 1] if i + 1 < len(events) else None
        if nxt is None or nxt[1] is None:
            song.put(ch, row + d, "off")


class Arranger:
    """Fills a Song from `plan`: (section, sheet key, texture) with texture keys
    lead (instrument), tune, vol, echo, pad, arp, bass and drums."""

    def __init__(self, song, ins, sheets, scale, tune_range, bass_lo=36):
        self.song, self.ins, self.sheets = song, ins, sheets
        self.scale, self.tune_range, self.bass_lo = scale, tune_range, bass_lo
        self.tunes = {}
        self.prev_voicing = None
        self.sounding = [None] * 3

    def tune_for(self, key, bars):
        if key not in self.tunes:
            lo, hi = self.tune_range
            tune = Tune(self.song.rng, self.scale, lo, hi)
            lift = {"B": 3, "C": 2}.get(key[0], 0)     # the middle sections sing higher
            self.tunes[key] = tune.section(bars, self.song.bar_rows, lift)
        return self.tunes[key]

    def pad(self, row, chord, vol, against):
        v = voice(chord, 3, self.pad_lo, self.pad_lo + 17, self.prev_voicing, against=against)
        self.prev_voicing = v
        for i, n in enumerate(v):
            if self.sounding[i] != n:
                self.song.put(PADS[i], row, n, self.ins["pad"], self.song.human(vol, 1))
                self.sounding[i] = n

    def release_pad(self, row):
        for ch in PADS:
            self.song.put(ch, row, "off")
        self.sounding = [None] * 3
        self.prev_voicing = None

    def bass(self, row, bar_chords, style, vol, next_chord):
        s, rows = self.song, self.song.bar_rows
        for h, ch in enumerate(bar_chords):
            r = row + h * rows // len(bar_chords)
            root = bass_note(ch.bass, self.bass_lo)
            fifth = bass_note(ch.fifth(), root + 1)
            if fifth - root > 7:
                fifth -= 12
            if style == "held" or len(bar_chords) > 1:
                s.put(BASS, r, root, self.ins["bass"], s.human(vol, 2))
            elif style == "root5":
                s.put(BASS, r, root, self.ins["bass"], s.human(vol, 2))
                s.put(BASS, r + rows // 2, fifth, self.ins["bass"], s.human(vol - 8, 2))
            elif style == "walk":
                s.put(BASS, r, root, self.ins["bass"], s.human(vol, 2))
                s.put(BASS, r + rows // 2, fifth, self.ins["bass"], s.human(vol - 8, 2))
                if next_chord is not None:
                    target = bass_note(next_chord.bass, self.bass_lo)
                    step = -1 if target > root else 1
                    lean = target + step
                    while lean % 12 not in self.scale:
                        lean += step
                    s.put(BASS, r + rows - 4, lean, self.ins["bass"], s.human(vol - 12, 2))
            elif style == "pulse":
                for k in range(0, rows, 6 if rows == 12 else 8):
                    s.put(BASS, r + k, root if k == 0 else root + 12 * (k // 6 % 2 if rows == 12 else 0),
                          self.ins["bass"], s.human(vol - (0 if k == 0 else 10), 2))

    def arp(self, row, chord, order, step, vol, lo):
        s = self.song
        tones = chord.tones(lo, lo + 24)
        for k in range(s.bar_rows // step):
            r = row + k * step
            n = tones[min(order[k % len(order)], len(tones) - 1)]
            s.put((ARP0, ARP1)[k % 2], r, n, self.ins["arp"], s.human(vol + (4 if r % 4 == 0 else 0), 2))

    def build(self, plan, grooves, kit, pad_lo=55):
        s = self.song
        self.pad_lo = pad_lo
        sections = [(name, chords_of(self.sheets[key]), tex) for name, key, tex in plan]
        s.bars = sum(len(c) for _, c, _ in sections)
        flat = [(name, c, tex) for name, cs, tex in sections for c in cs]
        bar = 0
        for name, bars, tex in sections:
            start = s.row(bar)
            if tex.get("lead"):
                events = self.tune_for(tex.get("tune", name), bars)
                lay_tune(s, LEAD, self.ins[tex["lead"]], events, start, tex.get("vol", 44))
                if tex.get("echo"):
                    ins, delay, vol, shift = tex["echo"]
                    echo = [(r + delay, n, d) for r, n, d in events if r + delay < len(bars) * s.bar_rows]
                    lay_tune(s, ECHO, self.ins[ins], echo, start, vol, vib=None, transpose=shift)
            for i, bar_chords in enumerate(bars):
                r = s.row(bar + i)
                against = s.notes_in(LEAD, r, r + s.bar_rows) + s.notes_in(ECHO, r, r + s.bar_rows)
                nxt = flat[bar + i + 1][1][0] if bar + i + 1 < len(flat) else None
                for h, ch in enumerate(bar_chords):
                    hr = r + h * s.bar_rows // len(bar_chords)
                    if tex.get("pad"):
                        self.pad(hr, ch, tex["pad"], against)
                    if tex.get("arp") and h == 0:
                        order, step, vol, lo = tex["arp"]
                        self.arp(r, ch, order, step, vol, lo)
                if tex.get("bass"):
                    style, vol = tex["bass"]
                    self.bass(r, bar_chords, style, vol, nxt)
                if tex.get("drums"):
                    kicks, hats = grooves[tex["drums"]]
                    if i == len(bars) - 1 and tex["drums"] + "_fill" in grooves:
                        kicks, hats = grooves[tex["drums"] + "_fill"]
                    s.drums(KICK, bar + i, kicks, kit)
                    s.drums(HAT, bar + i, hats, kit)
            if not tex.get("pad") and self.sounding[0] is not None:
                self.release_pad(start)
            bar += len(bars)
        return s

    def ending(self, bpms, ring_rows=16, final_hold=12):
        """Slows the last bars, strikes the last chord once and lets it ring out."""
        s = self.song
        end = s.bars - len(bpms)
        for i, bpm in enumerate(bpms):
            s.fx(KICK, s.row(end + i) + 1, ("tempo", bpm))
        last = s.row(s.bars - 1)
        for ch in (BASS,) + PADS:
            s.put(ch, last + final_hold, "off")
        s.tail_rows = ring_rows
