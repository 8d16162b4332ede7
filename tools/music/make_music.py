#!/usr/bin/env python3
"""Composes Tavni's background songs into data/music/: the three below and the five of more_songs.py."""

import os
import sys

sys.dont_write_bytecode = True     # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from compose import Chord, Song, bass_note, voice                # noqa: E402
from synth import additive, detuned_pad, kick, noise_hit          # noqa: E402
from tracker import Instrument                                    # noqa: E402
from more_songs import SONGS                                      # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "data", "music")


def chord_list(sheet):
    """'Cm7 | F7 | Cm7 F7sus' -> per bar, the chords that share it."""
    return [[Chord(n) for n in bar.split()] for bar in sheet.split("|")]


def arpeggio(song, chans, ins, bar, chord, order, lo, step, vol, accent=6, hi=96, start=0, count=None,
             delay_chan=None, delay_rows=3, delay_vol=0.45):
    """Plays chord tones from `lo` upwards in the given index order, one every `step` rows.

    Notes rotate over `chans` so each can ring on; an optional echo channel repeats
    the line `delay_rows` later, softer.
    """
    tones = chord.tones(lo, hi)
    r0 = song.row(bar) + start
    n = count if count is not None else (song.bar_rows - start) // step
    for k in range(n):
        idx = order[k % len(order)]
        pitch = tones[min(idx, len(tones) - 1)]
        r = r0 + k * step
        v = vol + (accent if (r % song.rows_per_beat) == 0 else 0)
        song.put(chans[k % len(chans)], r, pitch, ins, song.human(v, 2))
        if delay_chan is not None and k % 2 == 0 and r + delay_rows < song.total_rows:
            song.put(delay_chan, r + delay_rows, pitch, ins, song.human(v * delay_vol, 1))


class PadVoices:
    """Held chords over a few channels: a voice that keeps its note is not struck again."""

    def __init__(self, song, chans, ins, lo, hi):
        self.song, self.chans, self.ins, self.lo, self.hi = song, chans, ins, lo, hi
        self.prev = None
        self.sounding = [None] * len(chans)

    def play(self, row, chord, vol, against=()):
        v = voice(chord, len(self.chans), self.lo, self.hi, self.prev, against=against)
        self.prev = v
        for i, (ch, n) in enumerate(zip(self.chans, v)):
            if self.sounding[i] != n:
                self.song.put(ch, row, n, self.ins, self.song.human(vol, 1))
                self.sounding[i] = n

    def release(self, row):
        for ch in self.chans:
            self.song.put(ch, row, "off")
        self.sounding = [None] * len(self.chans)
        self.prev = None


# ====================================================================== Morning Lens
# A gentle waltz in F major for the four Amiga voices: a flute-like tune, a plucked
# harp in broken chords, a round bass on the downbeats and brushed percussion.

def morning_lens():
    song = Song("Tavni - Morning Lens", "mod", 4, 84, beats_per_bar=3, rows_per_pattern=48, seed=21)
    flute = song.add(Instrument(additive(
        "soft flute", 1, 84, [(1, 1.0, 1.0), (2, 0.22, 0.6), (3, 0.10, 0.45), (4, 0.03, 0.2)],
        attack=0.05, settle=0.12, loop_secs=(0.16, 0.26), noise=0.10, noise_decay=0.03, volume=46)))
    harp = song.add(Instrument(additive(
        "harp", 1, 72, [(1, 1.0, 0.9), (2, 0.40, 0.35), (3, 0.18, 0.2), (4, 0.08, 0.12), (5, 0.04, 0.08)],
        attack=0.003, loop=False, length=1.3, volume=30)))
    bass = song.add(Instrument(additive(
        "round bass", 0, 36, [(1, 1.0, 1.5), (2, 0.35, 0.6), (3, 0.12, 0.3), (4, 0.05, 0.15)],
        attack=0.01, loop=False, length=2.6, volume=50)))
    kick_i = song.add(Instrument(kick("soft kick", 0, secs=0.3, decay=0.09, volume=34)))
    brush = song.add(Instrument(noise_hit("brush", 1, secs=0.22, hp=0.3, lp=0.45, decay=0.05, attack=0.006,
                                          volume=22)))
    shaker = song.add(Instrument(noise_hit("shaker", 1, secs=0.08, hp=0.6, lp=0.8, decay=0.018, attack=0.004,
                                           seed=9, volume=14)))
    bell = song.add(Instrument(additive(
        "celesta", 1, 84, [(1, 1.0, 0.7), (2, 0.25, 0.3), (3, 0.08, 0.2), (4.16, 0.06, 0.08)],
        attack=0.002, loop=False, length=1.4, volume=30)))

    MEL, BASS, HARP, DRUM = 0, 1, 2, 3
    kit = {"k": (kick_i, 60, 34), "b": (brush, 60, 22), "B": (brush, 60, 28), "h": (shaker, 60, 14)}
    grooves = {
        "none": "............",
        "soft": "k...b...b...",
        "full": "k.h.b.h.b.h.",
        "light": "k.......h...",
        "turn": "k.h.b.h.B.b.",
    }

    sheet = {
        "intro": "F | Dm | Bb | C",
        "A": "F | Am | Bb | F | Gm | C | F | C",
        "A2": "F | Am | Bb | Gm | F | C | F | F",
        "B": "Dm | Am | Bb | F | Gm | Dm | Eb | C",
    }
    plan = [  # section, chords, groove, harp order
        ("intro", "intro", "none", [0, 1, 2, 3, 2, 1]),
        ("A", "A", "soft", [0, 1, 2, 3, 2, 1]),
        ("A2", "A2", "full", [0, 2, 1, 3, 2, 4]),
        ("B", "B", "light", [0, 1, 2, 1, 3, 1]),
        ("A3", "A2", "full", [0, 2, 1, 3, 2, 4]),
        ("inter", "intro", "none", [0, 1, 2, 3, 4, 3]),
        ("B2", "B", "soft", [0, 1, 2, 1, 3, 1]),
        ("outro", "A2", "soft", [0, 1, 2, 3, 2, 1]),
    ]
    tunes = {
        "intro": ("bell", "r/12 | r/4 a5/4 f5/4 | d6/8 c6/4 | g5/8 e5/4"),
        "A": ("flute", "c5/8 a4/4 | e5/8 c5/4 | d5/4 c5/4 bb4/4 | a4/12 | bb4/8 d5/4 | c5/4 bb4/4 g4/4 |"
                       " a4/4 c5/4 f5/4 | e5/8 g4/4"),
        "A2": ("flute", "c5/8 a4/4 | e5/8 c5/4 | f5/4 e5/4 d5/4 | d5/8 bb4/4 | a4/4 c5/4 f5/4 | e5/4 d5/4 e5/4 |"
                        " f5/12 | r/8 c5/4"),
        "B": ("flute", "d5/8 e5/4 | f5/4 e5/4 c5/4 | d5/8 f5/4 | c5/12 | bb4/8 d5/4 | a4/4 f4/4 a4/4 |"
                       " bb4/4 g4/4 eb5/4 | e5/4 d5/4 c5/4"),
        "A3": ("flute", "c5/4 d5/2 c5/2 a4/4 | e5/4 f5/2 e5/2 c5/4 | f5/4 e5/2 d5/2 bb4/4 | d5/8 bb4/4 |"
                        " a4/4 c5/4 f5/4 | g5/4 f5/2 e5/2 d5/4 | f5/12 | r/12"),
        "inter": ("bell", "r/4 f5/4 a5/4 | d6/8 a5/4 | bb5/8 f5/4 | g5/4 e5/4 c5/4"),
        "B2": ("flute", "d5/4 e5/4 f5/4 | a5/4 g5/4 e5/4 | f5/8 d5/4 | c5/12 | d5/4 bb4/4 d5/4 | f5/4 e5/4 d5/4 |"
                        " eb5/4 g5/4 bb5/4 | g5/8 e5/4"),
        "outro": ("flute", "c5/8 a4/4 | e5/8 c5/4 | f5/4 e5/4 d5/4 | d5/8 bb4/4 | a4/4 c5/4 f5/4 | e5/4 d5/4 e5/4 |"
                           " f5/24"),
    }
    song.bars = sum(len(sheet[c].split("|")) for _, c, _, _ in plan)
    song.fx(BASS, 0, ("tempo", 84))
    bar = 0
    for name, chords_key, groove, order in plan:
        chords = chord_list(sheet[chords_key])
        kind, tune = tunes[name]
        if kind == "flute":
            song.melody(MEL, flute, bar, tune.replace("|", ""), vol=44, vib=(8, 1))
        else:
            song.melody(MEL, bell, bar, tune.replace("|", ""), vol=30, release=False)
        for i, (ch,) in enumerate(chords):
            b = bar + i
            ending = name == "outro" and i >= 6
            # bass: the root on one, and from the second verse on a fifth on three
            root = bass_note(ch.bass, 38)
            if not (name == "outro" and i == 7):
                song.put(BASS, song.row(b), root, bass, 50)
            if name in ("A2", "A3", "B2") or (name == "outro" and i < 6):
                song.put(BASS, song.row(b, 2), bass_note(ch.fifth(), 36), bass, 50)
            # harp: broken chords in eighths; the last chord is rolled once and left to ring
            if ending:
                if i == 6:
                    arpeggio(song, [HARP], harp, b, ch, [0, 1, 2, 3, 4, 5], 53, 2, 26, accent=0)
            elif name == "intro" and i == 0:
                arpeggio(song, [HARP], harp, b, ch, order, 57, 2, 22, accent=4)
            else:
                arpeggio(song, [HARP], harp, b, ch, order, 57, 2, 26, accent=6)
            # drums; the section's last bar turns over into the next
            g = grooves[groove]
            if groove in ("soft", "full") and i == len(chords) - 1 and name != "outro":
                g = grooves["turn"]
            if name == "outro" and i >= 6:
                g = grooves["light"] if i == 6 else grooves["none"]
            song.drums(DRUM, b, g, kit)
            if name in ("intro", "inter") and i == len(chords) - 1:
                song.drums(DRUM, b, "....h...h.h.", kit)
        bar += len(chords)
    # the last four bars slow down and the final note fades away
    end = song.bars - 4
    for i, bpm in enumerate((80, 77, 72, 66)):
        song.fx(BASS, song.row(end + i) + 1, ("tempo", bpm))
    last_note = song.row(song.bars - 2)
    for k in range(8, 20):
        song.fx(MEL, last_note + k, ("slide", 0, 1))
    song.tail_rows = 8
    song.gain = 0.74
    return song


# ====================================================================== Still Water
# Flowing sixteenths in D major: a marimba arpeggio ringing over two voices with an
# echo, a slow detuned pad, a soft ocarina tune, a glassy bell in the bridge.

def still_water():
    song = Song("Tavni - Still Water", "xm", 12, 88, seed=34)
    pluck = song.add(Instrument(additive(
        "marimba", 1, 72, [(1, 1.0, 0.55), (2, 0.08, 0.2), (3.93, 0.22, 0.05), (9.2, 0.05, 0.012)],
        attack=0.002, loop=False, length=1.2, volume=40), fadeout=900, pan=96))
    pad = song.add(Instrument(detuned_pad("soft pad", 1, 60, voices=((0.0, 1.0), (-0.8, 0.7), (0.9, 0.7)),
                                          harmonics=8, tilt=1.8, loop_secs=1.0, volume=40),
                              env=((0, 0), (10, 26), (22, 44), (40, 52)), sustain=3, fadeout=700, pan=128))
    bass = song.add(Instrument(additive(
        "warm bass", 0, 36, [(1, 1.0, 0.9), (2, 0.40, 0.3), (3, 0.15, 0.1), (4, 0.06, 0.0)],
        attack=0.012, settle=0.3, loop_secs=(0.25, 0.4), volume=48),
        env=((0, 64), (20, 52), (60, 42)), sustain=2, fadeout=1800, pan=128))
    lead = song.add(Instrument(additive(
        "ocarina", 2, 84, [(1, 1.0, 1.0), (2, 0.12, 0.5), (3, 0.10, 0.7), (4, 0.02, 0.3), (5, 0.02, 0.5)],
        attack=0.03, settle=0.1, loop_secs=(0.1, 0.2), noise=0.06, noise_decay=0.03, volume=44),
        env=((0, 0), (3, 52), (8, 64), (40, 56)), sustain=3, fadeout=1500, pan=140))
    kick_i = song.add(Instrument(kick("soft kick", 1, secs=0.35, decay=0.1, volume=44), pan=128))
    snare = song.add(Instrument(noise_hit("brush snare", 2, secs=0.3, hp=0.12, lp=0.35, decay=0.08, attack=0.006,
                                          body=0.35, body_freq=190, volume=30), pan=120))
    hat = song.add(Instrument(noise_hit("shaker", 2, secs=0.1, hp=0.5, lp=0.7, decay=0.022, attack=0.004, seed=5,
                                        volume=20), pan=150))
    bell = song.add(Instrument(additive(
        "glass bell", 1, 84, [(1, 1.0, 1.1), (2, 0.3, 0.5), (3, 0.1, 0.3), (4.07, 0.12, 0.15)],
        attack=0.002, loop=False, length=1.6, volume=34), fadeout=600, pan=168))

    ARP1, ARP2, ECHO = 0, 1, 2
    PADS = [3, 4, 5]
    BASS, LEAD, BELL, KS, HAT = 6, 7, 8, 9, 10
    kit = {"k": (kick_i, 60, 44), "s": (snare, 60, 28), "g": (snare, 60, 16),
           "h": (hat, 60, 18), "H": (hat, 60, 24)}
    pads = PadVoices(song, PADS, pad, 57, 74)

    sheet = {
        "intro": "Dmaj7 | Gmaj7 | Dmaj7 | Gmaj7",
        "A": "D | A | Bm | G | D | A | G | A",
        "B": "Em7 | A | F#m7 | Bm7 | Em7 | A | Gmaj7 | A",
        "bridge": "Gmaj7 | F#m7 | Em7 | A7sus",
        "outro": "Gmaj7 | Dmaj7 | Gmaj7 | Dadd9",
    }
    tunes = {
        "A": "a4/4 d5/4 f#5/6 e5/2 | e5/12 c#5/4 | d5/6 c#5/2 b4/8 | d5/12 r/4 |"
             " a4/4 d5/4 f#5/4 a5/4 | g5/6 f#5/2 e5/8 | d5/6 e5/2 b4/8 | c#5/12 r/4",
        "B": "g5/8 f#5/4 e5/4 | e5/12 c#5/4 | c#5/6 e5/2 a5/8 | f#5/16 |"
             " b4/4 e5/4 g5/8 | f#5/4 e5/4 c#5/8 | b4/6 d5/2 f#5/8 | e5/12 r/4",
        "A2": "a4/4 d5/4 f#5/6 e5/2 | e5/8 c#5/4 e5/4 | f#5/6 e5/2 d5/8 | b4/12 r/4 |"
              " a4/4 d5/4 f#5/4 a5/4 | b5/6 a5/2 e5/8 | g5/6 f#5/2 d5/8 | e5/12 r/4",
        "B2": "g5/6 a5/2 b5/8 | a5/8 e5/4 c#5/4 | c#5/6 e5/2 a5/8 | f#5/12 d5/4 |"
              " e5/4 g5/4 b5/8 | a5/6 g5/2 e5/8 | f#5/6 d5/2 b4/8 | c#5/8 e5/8",
        "outro": "b4/8 d5/8 | f#5/16 | e5/8 d5/4 b4/4 | d5/12 r/4",
    }
    bells = {
        "bridge": "d6/4 b5/12 | c#6/4 a5/12 | b5/4 g5/8 f#5/4 | e5/16",
        "A2": "r/16 | r/8 c#6/8 | r/16 | r/8 d6/4 b5/4 | r/16 | r/8 c#6/8 | r/16 | r/8 e6/8",
        "outro": "r/8 a5/8 | r/16 | r/8 b5/8 | r/4 a5/12",
    }
    plan = [  # section, chords, arp order, drums
        ("intro", "intro", [0, 2, 4, 2, 1, 3, 5, 3], "none"),
        ("A", "A", [0, 1, 2, 3, 4, 3, 2, 1], "light"),
        ("B", "B", [0, 2, 4, 2, 1, 3, 5, 3], "full"),
        ("bridge", "bridge", [0, 2, 4, 5, 4, 2, 1, 3], "hats"),
        ("A2", "A", [0, 1, 2, 3, 4, 3, 2, 1], "full"),
        ("B2", "B", [0, 2, 4, 2, 1, 3, 5, 3], "full"),
        ("outro", "outro", [0, 2, 4, 2, 1, 3, 5, 3], "outro"),
    ]
    grooves = {
        "light": ("k.......k.......", "..h...h...h...h."),
        "full": ("k.....k.s.....g.", "h.h.H.h.h.h.H.hh"),
        "fill": ("k.....k.s...g.s.", "h.h.H.h.h.h.H.h."),
        "hats": ("................", "..h...h...h...h."),
        "none": ("................", "................"),
    }
    song.bars = sum(len(sheet[c].split("|")) for _, c, _, _ in plan)
    bar = 0
    for name, key, order, groove in plan:
        chords = chord_list(sheet[key])
        if name in tunes:
            song.melody(LEAD, lead, bar, tunes[name].replace("|", ""), vol=42, vib=(8, 1))
        if name in bells:
            song.melody(BELL, bell, bar, bells[name].replace("|", ""), vol=30 if name != "A2" else 22,
                        release=False)
        for i, (ch,) in enumerate(chords):
            b = bar + i
            r = song.row(b)
            final = name == "outro" and i == len(chords) - 1
            # arpeggio: sixteenths, softer in the intro and the outro
            soft = name in ("intro", "outro", "bridge")
            if final:
                arpeggio(song, [ARP1, ARP2], pluck, b, ch, [0, 1, 2, 3, 4, 5], 62, 2, 26, count=6,
                         delay_chan=ECHO)
            else:
                arpeggio(song, [ARP1, ARP2], pluck, b, ch, order, 62, 1, 22 if soft else 26,
                         delay_chan=ECHO)
            # pad: enters in the third bar of the intro
            if not (name == "intro" and i < 2):
                tune = song.notes_in(LEAD, r, r + song.bar_rows) + song.notes_in(BELL, r, r + song.bar_rows)
                pads.play(r, ch, 26 if name != "bridge" else 32, against=tune)
            if final:
                pads.release(r + 12)
            # bass
            root = bass_note(ch.bass, 38)
            fifth = bass_note(ch.fifth(), root + 1)
            if name == "intro":
                if i >= 2:
                    song.put(BASS, r, root, bass, 40)
                    if i == 3:
                        song.put(BASS, r + 14, "off")
            elif name in ("A", "bridge") or final:
                song.put(BASS, r, root, bass, 44)
                song.put(BASS, r + 12, "off")
                if final:
                    song.put(BASS, r + 8, "off")
                else:
                    song.put(BASS, r + 14, root + 12 if name == "A" else root, bass, 30)
            else:
                song.put(BASS, r, root, bass, 46)
                song.put(BASS, r + 6, fifth, bass, 36)
                song.put(BASS, r + 10, root + 12, bass, 34)
                song.put(BASS, r + 14, "off")
            # drums
            g = groove
            if groove == "outro":
                g = "light" if i < 2 else ("hats" if i == 2 else "none")
            if groove == "full" and i == len(chords) - 1:
                g = "fill"
            kicks, hats = grooves[g]
            song.drums(KS, b, kicks, kit)
            song.drums(HAT, b, hats, kit)
            if name == "intro" and i == 3:
                song.drums(HAT, b, "........h.h.h.hh", kit)
        bar += len(chords)
    # the outro thins out and slows a little
    end = song.bars - 4
    for i, bpm in enumerate((86, 84, 80, 74)):
        song.fx(BASS, song.row(end + i) + 1, ("tempo", bpm))
    song.tail_rows = 16
    return song


# ====================================================================== Amber Hour
# A slow, warm groove in B flat: electric piano sevenths, a round bass walking
# between the chords, a vibraphone tune and brushes with a lazy swing.

B_FLAT_MAJOR = {10, 0, 2, 3, 5, 7, 9}


def amber_hour():
    song = Song("Tavni - Amber Hour", "xm", 8, 74, seed=55)
    epiano = song.add(Instrument(additive(
        "electric piano", 1, 72, [(1, 1.0, 0.55), (2, 0.35, 0.12), (3, 0.08, 0.0), (4, 0.05, 0.0),
                                  (7.1, 0.10, 0.0)],
        attack=0.003, settle=0.35, loop_secs=(0.2, 0.3), noise=0.03, noise_decay=0.01, volume=40),
        env=((0, 64), (8, 54), (30, 40), (90, 26), (200, 14), (320, 8)), sustain=None, fadeout=2200, pan=128))
    bass = song.add(Instrument(additive(
        "round bass", 0, 36, [(1, 1.0, 0.8), (2, 0.45, 0.35), (3, 0.2, 0.1), (4, 0.08, 0.0), (5, 0.05, 0.0)],
        attack=0.008, settle=0.25, loop_secs=(0.25, 0.4), noise=0.08, noise_decay=0.01, volume=50),
        env=((0, 64), (10, 54), (40, 42), (120, 30), (250, 22)), sustain=None, fadeout=2500, pan=128))
    vibes = song.add(Instrument(additive(
        "vibraphone", 2, 84, [(1, 1.0, 0.6), (4, 0.35, 0.0), (10, 0.05, 0.0)],
        attack=0.002, settle=0.3, loop_secs=(0.1, 0.2), volume=44),
        env=((0, 64), (20, 50), (60, 38), (140, 26), (260, 16)), sustain=None, fadeout=1200, pan=150))
    kick_i = song.add(Instrument(kick("soft kick", 1, secs=0.35, f_start=95, f_end=42, decay=0.1, volume=44)))
    brush = song.add(Instrument(noise_hit("brush", 2, secs=0.35, hp=0.15, lp=0.3, decay=0.11, attack=0.012,
                                          body=0.2, body_freq=170, seed=13, volume=28), pan=112))
    shaker = song.add(Instrument(noise_hit("shaker", 2, secs=0.1, hp=0.45, lp=0.6, decay=0.03, attack=0.006,
                                           seed=17, volume=18), pan=156))

    KEYS = [0, 1, 2, 3]
    BASS, LEAD, KS, HAT = 4, 5, 6, 7
    kit = {"k": (kick_i, 60, 40), "s": (brush, 60, 26), "g": (brush, 60, 14),
           "h": (shaker, 60, 16), "H": (shaker, 60, 22)}
    sheet = {
        "intro": "Ebmaj7 | Dm7 | Cm7 | F7sus",
        "A": "Cm7 | F7 | Bbmaj7 | Gm7 | Ebmaj7 | F7 | Bbmaj7 | Bb6",
        "B": "Ebmaj7 | Ebm6 | Dm7 | G7 | Cm7 | F7 | Bbmaj7 | F7sus",
        "outro": "Ebmaj7 | Dm7 | Cm7 F7sus | Bbmaj9",
    }
    tunes = {
        "A": "r/4 g4/4 bb4/4 d5/4 | eb5/6 d5/2 c5/8 | d5/10 r/2 f4/2 g4/2 | bb4/6 a4/2 g4/8 |"
             " r/4 bb4/4 d5/4 f5/4 | eb5/6 d5/2 c5/4 a4/4 | d5/16 | r/16",
        "A2": "bb4/6 c5/2 eb5/8 | d5/6 c5/2 a4/8 | bb4/12 r/4 | r/4 d5/4 f5/4 g5/4 |"
              " g5/6 f5/2 d5/8 | c5/6 d5/2 eb5/8 | d5/16 | r/16",
        "B": "g5/8 f5/4 eb5/4 | gb5/8 f5/4 eb5/4 | f5/6 d5/2 a4/8 | b4/6 d5/2 f5/8 |"
             " eb5/8 d5/4 c5/4 | a4/6 c5/2 eb5/8 | d5/12 r/4 | c5/4 bb4/4 c5/4 eb5/4",
        "A3": "g5/4 f5/2 eb5/2 d5/4 bb4/4 | c5/6 eb5/2 d5/4 c5/4 | d5/8 f5/8 | bb5/6 a5/2 g5/8 |"
              " g5/6 f5/2 d5/8 | eb5/6 d5/2 c5/4 a4/4 | bb4/16 | r/16",
        "outro": "bb4/8 d5/8 | f5/8 a4/8 | g4/8 eb5/8 | d5/8 r/8",
    }
    plan = [("intro", "intro"), ("A", "A"), ("A2", "A"), ("B", "B"), ("A3", "A"), ("outro", "outro")]
    comp = {  # electric piano strikes: (row, volume)
        "intro": [(0, 34), (10, 24)],
        "A": [(0, 34), (10, 26)],
        "A2": [(0, 32), (6, 24), (12, 24)],
        "B": [(0, 34), (10, 26)],
        "A3": [(0, 32), (6, 24), (12, 24)],
    }
    song.bars = sum(len(sheet[c].split("|")) for _, c in plan)
    flat = []
    for name, key in plan:
        for bar_chords in chord_list(sheet[key]):
            flat.append((name, bar_chords))
    prev = None
    for b, (name, bar_chords) in enumerate(flat):
        r = song.row(b)
        final = b == len(flat) - 1
        section_start = b == 0 or flat[b - 1][0] != name
        if section_start and name in tunes:
            song.melody(LEAD, vibes, b, tunes[name].replace("|", ""), vol=40, vib=(8, 2), wobble="trem",
                        accent=3)
        halves = len(bar_chords)
        for h, ch in enumerate(bar_chords):
            span = song.bar_rows // halves
            start = r + h * span
            v = voice(ch, 4, 53, 72, prev, against=song.notes_in(LEAD, start, start + span))
            prev = v
            hits = [(0, 32)] if (halves > 1 or final) else comp.get(name, comp["A"])
            for off, vol in hits:
                if off >= span:
                    continue
                for k, n in zip(KEYS, v):
                    song.put(k, start + off, n, epiano, song.human(vol, 2),
                             fx=("delay", 1) if off % 4 == 2 else None)
            if final:
                for k in KEYS:
                    song.put(k, start + 8, "off")
        # bass: a root that rings, a fifth, and a step that leans into the next chord
        first = bar_chords[0]
        root = bass_note(first.bass, 36)
        nxt = flat[b + 1][1][0] if b + 1 < len(flat) else None
        if name == "intro" and b < 2:
            pass
        elif final or halves > 1:
            for h, ch in enumerate(bar_chords):
                song.put(BASS, r + h * song.bar_rows // halves, bass_note(ch.bass, 36), bass, 50)
            if final:
                song.put(BASS, r + 8, "off")
        else:
            song.put(BASS, r, root, bass, 50)
            fifth = bass_note(first.fifth(), root + 1)
            song.put(BASS, r + 10, fifth if fifth - root <= 7 else fifth - 12, bass, 40)
            if nxt is not None:
                target = bass_note(nxt.bass, 36)
                # the nearest tone of the key on the far side of the next root
                step = -1 if target > root else 1
                lean = target + step
                while lean % 12 not in B_FLAT_MAJOR:
                    lean += step
                song.put(BASS, r + 14, lean, bass, 36)
        # brushes with a lazy swing on the off-beats
        if name == "intro":
            kicks, hats = "................", "..h...h...h...hh"
            if b < 2:
                hats = "................"
        elif final:
            kicks, hats = "k...............", "................"
        elif name == "outro":
            kicks, hats = "k.........k.....", "..h...h...h...h."
        elif (b + 1) % 8 == 4:
            kicks, hats = "k...s.....k.s.gg", "h.h.h.h.h.h.h.h."
        else:
            kicks, hats = "k...s.....k.s...", "h.H.h.H.h.H.h.Hh"
        song.drums(KS, b, kicks, kit)
        song.drums(HAT, b, hats, kit)
        for i, c in enumerate(hats):
            if c != "." and i % 4 == 2:
                song.fx(HAT, r + i, ("delay", 1))
    end = song.bars - 4
    for i, bpm in enumerate((72, 70, 66, 60)):
        song.fx(BASS, song.row(end + i) + 1, ("tempo", bpm))
    song.tail_rows = 8
    song.gain = 1.4
    return song


def main():
    os.makedirs(OUT, exist_ok=True)
    only = sys.argv[1:]
    for make, name in ((morning_lens, "morning_lens.mod"), (still_water, "still_water.xm"),
                       (amber_hour, "amber_hour.xm")) + SONGS:
        if only and name not in only:
            continue
        song = make()
        size, dropped = song.write(os.path.join(OUT, name))
        print("%-18s %-22s %3d bars  %7d bytes%s" % (name, song.title, song.bars, size,
                                                   "  (%d effects did not fit)" % dropped if dropped else ""))


if __name__ == "__main__":
    main()
