"""Five more songs arranged from section plans: Lantern Garden, Moss and Stone, Paper Kites, Quiet Harbour, Slow Tide."""

from arrange import Arranger
from compose import Song
from synth import additive, detuned_pad, kick, noise_hit
from tracker import Instrument

MAJOR = (0, 2, 4, 5, 7, 9, 11)
MINOR = (0, 2, 3, 5, 7, 8, 10)
DORIAN = (0, 2, 3, 5, 7, 9, 10)


def scale(tonic, steps):
    return {(tonic + s) % 12 for s in steps}


def soft_kit(song, shift, kick_vol, brush_vol, shaker_vol, seed):
    k = song.add(Instrument(kick("soft kick", shift, secs=0.3, decay=0.09, volume=kick_vol)))
    b = song.add(Instrument(noise_hit("brush", shift + 1, secs=0.28, hp=0.15, lp=0.32, decay=0.08, attack=0.008,
                                      body=0.25, body_freq=180, seed=seed, volume=brush_vol), pan=112))
    h = song.add(Instrument(noise_hit("shaker", shift + 1, secs=0.09, hp=0.5, lp=0.65, decay=0.022, attack=0.005,
                                      seed=seed + 1, volume=shaker_vol), pan=150))
    return {"k": (k, 60, kick_vol), "s": (b, 60, brush_vol), "g": (b, 60, brush_vol * 0.55),
            "h": (h, 60, shaker_vol), "H": (h, 60, shaker_vol * 1.3)}


PAD_ENV = dict(env=((0, 0), (16, 24), (40, 44), (70, 50)), sustain=3, fadeout=600)


# ====================================================================== Lantern Garden
# A light, bright walk in A major at 100 BPM: kalimba in broken chords, a whistled tune,
# plucked bass, a soft pad and a shaker; the second verse adds an echo a sixth below.

def lantern_garden():
    song = Song("Tavni - Lantern Garden", "it", 10, 100, seed=71)
    ins = {
        "arp": song.add(Instrument(additive(
            "kalimba", 1, 72, [(1, 1.0, 0.45), (2, 0.06, 0.2), (5.4, 0.18, 0.03), (8.9, 0.05, 0.01)],
            attack=0.002, loop=False, length=1.0, volume=34), fadeout=900, pan=100)),
        "whistle": song.add(Instrument(additive(
            "whistle", 2, 84, [(1, 1.0, 1.0), (2, 0.05, 0.4), (3, 0.03, 0.3)],
            attack=0.04, settle=0.1, loop_secs=(0.1, 0.2), noise=0.05, noise_decay=0.04, volume=40),
            env=((0, 0), (4, 56), (10, 64), (50, 58)), sustain=3, fadeout=1400, pan=150)),
        "bass": song.add(Instrument(additive(
            "plucked bass", 0, 36, [(1, 1.0, 0.7), (2, 0.45, 0.25), (3, 0.15, 0.12), (4, 0.05, 0.06)],
            attack=0.006, loop=False, length=1.6, volume=50), fadeout=1200)),
        "pad": song.add(Instrument(detuned_pad("air pad", 1, 60, harmonics=6, tilt=2.0, loop_secs=1.0, seed=72,
                                               volume=34), pan=128, **PAD_ENV)),
        "glock": song.add(Instrument(additive(
            "glockenspiel", 2, 84, [(1, 1.0, 0.9), (2.76, 0.2, 0.2), (5.4, 0.08, 0.08)],
            attack=0.002, loop=False, length=1.2, volume=28), fadeout=800, pan=170)),
    }
    kit = soft_kit(song, 0, 34, 22, 16, 73)
    sheets = {
        "intro": "A | D/A | A | E",
        "A": "A | F#m | D | E | A | C#m | D E | A",
        "B": "D | E | C#m | F#m | Bm | E | D | Esus4",
        "C": "F#m | D | A | E | F#m | D | Bm | E",
        "outro": "D | E | A | A",
    }
    arp = ([0, 2, 4, 2, 1, 3, 5, 3], 2, 24, 60)
    grooves = {"light": ("k.......k.......", "..h...h...h...h."),
               "full": ("k.....k.s.....g.", "h.h.H.h.h.h.H.h."),
               "full_fill": ("k.....k.s...g.s.", "h.h.H.h.h.h.H.hh")}
    plan = [
        ("intro", "intro", dict(arp=arp, pad=22)),
        ("A", "A", dict(lead="whistle", arp=arp, bass=("root5", 46), drums="light")),
        ("A2", "A", dict(lead="whistle", tune="A", arp=arp, pad=20, bass=("root5", 46), drums="full",
                         echo=("glock", 6, 26, 12))),
        ("B", "B", dict(lead="whistle", pad=26, bass=("walk", 46), drums="full", arp=([0, 1, 2, 3], 4, 22, 60))),
        ("A3", "A", dict(lead="whistle", tune="A", arp=arp, bass=("root5", 46), drums="full")),
        ("C", "C", dict(lead="glock", vol=34, pad=28, bass=("held", 42), drums="light")),
        ("inter", "intro", dict(arp=arp, pad=22, bass=("held", 40))),
        ("B2", "B", dict(lead="whistle", tune="B", pad=26, arp=arp, bass=("walk", 46), drums="full")),
        ("A4", "A", dict(lead="whistle", tune="A", arp=arp, pad=20, bass=("root5", 46), drums="full",
                         echo=("glock", 6, 26, 12))),
        ("A5", "A", dict(lead="glock", tune="A", vol=32, arp=arp, bass=("root5", 44), drums="light")),
        ("outro", "outro", dict(arp=([0, 1, 2, 3, 4, 5, 4, 3], 2, 20, 60), pad=20, bass=("held", 40))),
    ]
    arr = Arranger(song, ins, sheets, scale(9, MAJOR), (66, 81))
    arr.build(plan, grooves, kit, pad_lo=57)
    arr.ending((96, 92, 86, 78))
    song.gain = 1.0
    return song


# ====================================================================== Moss and Stone
# A lilting 6/8 in C dorian at a slow pace: a warm horn over held organ chords and a
# rocking bass; a celesta breaks the chords in the middle section. No drums.

def moss_and_stone():
    song = Song("Tavni - Moss and Stone", "s3m", 10, 76, beats_per_bar=2, rows_per_beat=6,
                rows_per_pattern=48, seed=83)
    ins = {
        "horn": song.add(Instrument(additive(
            "soft horn", 1, 72, [(1, 1.0, 1.0), (2, 0.45, 0.8), (3, 0.22, 0.6), (4, 0.10, 0.5), (5, 0.04, 0.3)],
            attack=0.08, settle=0.15, loop_secs=(0.16, 0.26), noise=0.02, volume=42), pan=140)),
        "pad": song.add(Instrument(additive(
            "organ", 1, 60, [(1, 1.0, 1.0), (2, 0.5, 1.0), (3, 0.12, 1.0), (4, 0.18, 1.0), (6, 0.05, 1.0)],
            attack=0.25, settle=0.35, loop_secs=(0.3, 0.45), volume=30), pan=120)),
        "bass": song.add(Instrument(additive(
            "round bass", 0, 36, [(1, 1.0, 1.2), (2, 0.3, 0.5), (3, 0.1, 0.3)],
            attack=0.01, loop=False, length=2.4, volume=50))),
        "arp": song.add(Instrument(additive(
            "celesta", 1, 84, [(1, 1.0, 0.7), (2, 0.25, 0.3), (3, 0.08, 0.2), (4.16, 0.06, 0.08)],
            attack=0.002, loop=False, length=1.4, volume=28), pan=90)),
        "flute": song.add(Instrument(additive(
            "low flute", 1, 72, [(1, 1.0, 1.0), (2, 0.18, 0.6), (3, 0.08, 0.4)],
            attack=0.06, settle=0.12, loop_secs=(0.16, 0.26), noise=0.08, noise_decay=0.03, volume=40), pan=150)),
    }
    sheets = {
        "intro": "Cm7 | F | Cm7 | F",
        "A": "Cm9 | F | Cm7 | F | Ebmaj7 | Dm7 | F | Gm7",
        "B": "Ebmaj7 | Bb | F | Cm7 | Ebmaj7 | Bb | Dm7 | Gm7",
        "C": "Bb | F | Gm7 | Dm7 | Ebmaj7 | Bb | Cm7 | F",
        "outro": "Ebmaj7 | F | Cm7 | Cm9",
    }
    plan = [
        ("intro", "intro", dict(pad=24, bass=("held", 40))),
        ("A", "A", dict(lead="horn", pad=24, bass=("pulse", 46))),
        ("A2", "A", dict(lead="flute", tune="A", pad=22, bass=("pulse", 46), arp=([0, 2, 4, 2, 1, 3], 2, 18, 60))),
        ("B", "B", dict(lead="horn", pad=26, bass=("root5", 46))),
        ("A3", "A", dict(lead="horn", tune="A", pad=24, bass=("pulse", 46))),
        ("C", "C", dict(arp=([0, 2, 4, 5, 4, 2], 2, 26, 60), pad=20, bass=("held", 42), lead="flute", vol=36)),
        ("inter", "intro", dict(arp=([0, 1, 2, 3, 4, 3], 2, 22, 60), bass=("held", 40))),
        ("B2", "B", dict(lead="flute", tune="B", pad=26, bass=("root5", 46))),
        ("A4", "A", dict(lead="horn", tune="A", pad=24, bass=("pulse", 46), arp=([0, 2, 4, 2, 1, 3], 2, 16, 60))),
        ("outro", "outro", dict(pad=22, bass=("held", 40), arp=([0, 1, 2, 3, 4, 5], 2, 18, 60))),
    ]
    arr = Arranger(song, ins, sheets, scale(0, DORIAN), (62, 77))
    arr.build(plan, {}, {}, pad_lo=53)
    arr.ending((72, 68, 64, 58))
    song.gain = 0.98
    return song


# ====================================================================== Paper Kites
# Slow and airy in E minor at 66 BPM: a music box tune over a string pad and a bowed
# cello line; the return is played by a soft flute with the music box echoing it.

def paper_kites():
    song = Song("Tavni - Paper Kites", "it", 10, 66, seed=97)
    ins = {
        "box": song.add(Instrument(additive(
            "music box", 2, 84, [(1, 1.0, 0.8), (3.0, 0.12, 0.25), (4.2, 0.15, 0.1), (6.8, 0.05, 0.04)],
            attack=0.002, loop=False, length=1.6, volume=36), fadeout=500, pan=150)),
        "pad": song.add(Instrument(detuned_pad("string pad", 1, 60, voices=((0.0, 1.0), (-1.2, 0.8), (1.3, 0.8)),
                                               harmonics=10, tilt=1.5, loop_secs=1.0, seed=98, volume=34),
                                   env=((0, 0), (30, 24), (70, 44), (110, 50)), sustain=3, fadeout=500, pan=110)),
        "bass": song.add(Instrument(additive(
            "cello", 0, 36, [(1, 1.0, 1.0), (2, 0.6, 0.8), (3, 0.35, 0.6), (4, 0.15, 0.4), (5, 0.06, 0.3)],
            attack=0.08, settle=0.3, loop_secs=(0.3, 0.45), volume=44),
            env=((0, 0), (10, 50), (30, 60), (120, 44)), sustain=None, fadeout=900, pan=128)),
        "flute": song.add(Instrument(additive(
            "soft flute", 1, 84, [(1, 1.0, 1.0), (2, 0.2, 0.6), (3, 0.08, 0.4)],
            attack=0.05, settle=0.12, loop_secs=(0.16, 0.26), noise=0.1, noise_decay=0.03, volume=40),
            env=((0, 0), (5, 54), (12, 64), (60, 56)), sustain=3, fadeout=1200, pan=160)),
    }
    ins["arp"] = ins["box"]
    kit = soft_kit(song, 0, 26, 16, 14, 99)
    sheets = {
        "intro": "Em | Cmaj7 | Em | Cmaj7",
        "A": "Em | Cmaj7 | G | D | Em | Am7 | Cmaj7 | D",
        "B": "Cmaj7 | G | Am7 | Em | Cmaj7 | G | Am7 | Bm7",
        "outro": "Am7 | Cmaj7 | Em | Em",
    }
    grooves = {"air": ("................", "....h.......h..."), "soft": ("k.......k.......", "..h...h...h...h.")}
    plan = [
        ("intro", "intro", dict(pad=24, bass=("held", 36))),
        ("A", "A", dict(lead="box", vol=40, pad=22, bass=("held", 40))),
        ("B", "B", dict(lead="flute", vol=38, pad=26, bass=("root5", 40), drums="air")),
        ("A2", "A", dict(lead="flute", tune="A", vol=38, pad=22, bass=("held", 40), echo=("box", 3, 24, 12),
                         drums="soft")),
        ("inter", "intro", dict(pad=22, arp=([0, 2, 4, 3], 4, 24, 64))),
        ("B2", "B", dict(lead="box", tune="B", vol=40, pad=26, bass=("root5", 40), drums="air")),
        ("A3", "A", dict(lead="flute", tune="A", vol=38, pad=24, bass=("held", 40), echo=("box", 3, 22, 12))),
        ("outro", "outro", dict(pad=22, bass=("held", 36), arp=([0, 2, 4, 5], 4, 22, 64))),
    ]
    arr = Arranger(song, ins, sheets, scale(4, MINOR), (64, 79))
    arr.build(plan, grooves, kit, pad_lo=52)
    arr.ending((64, 62, 58, 54), ring_rows=24)
    song.gain = 1.32
    return song


# ====================================================================== Quiet Harbour
# A gentle G major at 84 BPM: a clarinet tune over nylon guitar in broken chords, a
# plucked bass walking between them, low strings and brushes.

def quiet_harbour():
    song = Song("Tavni - Quiet Harbour", "s3m", 10, 84, seed=111)
    ins = {
        "clarinet": song.add(Instrument(additive(
            "clarinet", 1, 72, [(1, 1.0, 1.0), (2, 0.05, 0.5), (3, 0.38, 0.8), (5, 0.14, 0.6), (7, 0.05, 0.4)],
            attack=0.05, settle=0.12, loop_secs=(0.16, 0.26), noise=0.03, volume=40), pan=150)),
        "arp": song.add(Instrument(additive(
            "nylon guitar", 1, 60, [(1, 1.0, 0.7), (2, 0.5, 0.35), (3, 0.25, 0.2), (4, 0.12, 0.12), (5, 0.06, 0.08)],
            attack=0.003, loop=False, length=1.5, volume=32), pan=96)),
        "bass": song.add(Instrument(additive(
            "upright bass", 0, 36, [(1, 1.0, 0.8), (2, 0.5, 0.3), (3, 0.18, 0.15), (4, 0.06, 0.08)],
            attack=0.008, loop=False, length=1.8, noise=0.04, noise_decay=0.01, volume=50))),
        # S3M has no envelopes, so the swell is in the sample itself
        "pad": song.add(Instrument(additive(
            "low strings", 1, 48, [(1, 1.0, 1.0), (2, 0.5, 1.0), (3, 0.3, 1.0), (4, 0.18, 1.0), (5, 0.1, 1.0),
                                   (6, 0.06, 1.0)],
            attack=0.3, settle=0.4, loop_secs=(0.3, 0.45), vib_depth=0.003, vib_rate=4.5, volume=26), pan=128)),
        "vibes": song.add(Instrument(additive(
            "vibraphone", 2, 84, [(1, 1.0, 0.8), (4, 0.3, 0.1), (10, 0.04, 0.02)],
            attack=0.002, loop=False, length=1.6, volume=30), pan=170)),
    }
    kit = soft_kit(song, 0, 30, 20, 14, 113)
    sheets = {
        "intro": "G | Cmaj7 | G | Cmaj7",
        "A": "G | Em7 | Cmaj7 | D | G | Bm7 | C | D",
        "B": "Em | C | G | D | Am7 | C | Am7 | D7sus",
        "C": "Cmaj7 | Bm7 | Am7 | D | Cmaj7 | Bm7 | Am7 Bm7 | C D",
        "outro": "C | D | G | G",
    }
    guitar = ([0, 2, 1, 3, 2, 4, 3, 5], 2, 24, 52)
    grooves = {"brush": ("k.......k.......", "....s.......s..."),
               "full": ("k.....k.k.......", "h...s...h...s.h."),
               "full_fill": ("k.....k.k.......", "h...s...h.s.g.s.")}
    plan = [
        ("intro", "intro", dict(arp=guitar, bass=("held", 40))),
        ("A", "A", dict(lead="clarinet", arp=guitar, bass=("root5", 46), drums="brush")),
        ("A2", "A", dict(lead="clarinet", tune="A", arp=guitar, pad=20, bass=("walk", 46), drums="full")),
        ("B", "B", dict(lead="clarinet", pad=24, arp=([0, 1, 2, 3], 4, 22, 52), bass=("walk", 46), drums="full")),
        ("A3", "A", dict(lead="vibes", tune="A", vol=36, arp=guitar, bass=("root5", 44), drums="brush")),
        ("C", "C", dict(lead="clarinet", pad=26, bass=("held", 42), arp=([0, 2, 4, 2], 4, 20, 52))),
        ("inter", "intro", dict(arp=guitar, pad=18, bass=("held", 40))),
        ("B2", "B", dict(lead="clarinet", tune="B", pad=24, arp=guitar, bass=("walk", 46), drums="full")),
        ("A4", "A", dict(lead="clarinet", tune="A", arp=guitar, pad=20, bass=("walk", 46), drums="full",
                         echo=("vibes", 4, 22, 12))),
        ("outro", "outro", dict(arp=guitar, pad=18, bass=("held", 40))),
    ]
    arr = Arranger(song, ins, sheets, scale(7, MAJOR), (62, 77))
    arr.build(plan, grooves, kit, pad_lo=55)
    arr.ending((80, 76, 70, 64))
    song.gain = 1.22
    return song


# ====================================================================== Slow Tide
# The slowest, at 60 BPM in D flat major: harp arpeggios rise and fall under a soft
# choir pad, an alto flute sings the tune, a warm bass holds the roots.

def slow_tide():
    song = Song("Tavni - Slow Tide", "xm", 10, 60, seed=127)
    ins = {
        "arp": song.add(Instrument(additive(
            "harp", 1, 72, [(1, 1.0, 0.9), (2, 0.40, 0.35), (3, 0.18, 0.2), (4, 0.08, 0.12), (5, 0.04, 0.08)],
            attack=0.003, loop=False, length=1.6, volume=30), fadeout=700, pan=100)),
        "pad": song.add(Instrument(detuned_pad("choir", 1, 60, voices=((0.0, 1.0), (-0.7, 0.9), (0.8, 0.9)),
                                               harmonics=5, tilt=1.3, loop_secs=1.0, seed=128, volume=30),
                                   env=((0, 0), (24, 26), (60, 46), (96, 50)), sustain=3, fadeout=500, pan=128)),
        "flute": song.add(Instrument(additive(
            "alto flute", 1, 72, [(1, 1.0, 1.0), (2, 0.25, 0.6), (3, 0.06, 0.4)],
            attack=0.07, settle=0.14, loop_secs=(0.16, 0.26), noise=0.09, noise_decay=0.04, volume=42),
            env=((0, 0), (6, 54), (14, 64), (60, 54)), sustain=3, fadeout=1000, pan=150)),
        "bass": song.add(Instrument(additive(
            "warm bass", 0, 36, [(1, 1.0, 0.9), (2, 0.35, 0.3), (3, 0.12, 0.1)],
            attack=0.02, settle=0.3, loop_secs=(0.25, 0.4), volume=46),
            env=((0, 64), (30, 50), (90, 38), (160, 30)), sustain=None, fadeout=900, pan=128)),
        "bell": song.add(Instrument(additive(
            "glass bell", 1, 84, [(1, 1.0, 1.1), (2, 0.3, 0.5), (3, 0.1, 0.3), (4.07, 0.12, 0.15)],
            attack=0.002, loop=False, length=1.6, volume=28), fadeout=600, pan=168)),
    }
    sheets = {
        "intro": "Dbmaj7 | Gbmaj7 | Dbmaj7 | Gbmaj7",
        "A": "Db | Bbm7 | Gbmaj7 | Ab | Db | Fm7 | Gbmaj7 | Ab",
        "B": "Gbmaj7 | Ab | Fm7 | Bbm7 | Gbmaj7 | Ab | Ebm7 | Ab",
        "outro": "Gbmaj7 | Ab | Dbmaj7 | Dbadd9",
    }
    harp = ([0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 2, 3, 4, 3], 1, 20, 49)
    plan = [
        ("intro", "intro", dict(arp=harp, pad=22)),
        ("A", "A", dict(lead="flute", arp=harp, pad=20, bass=("held", 42))),
        ("B", "B", dict(lead="flute", pad=26, bass=("root5", 42), arp=([0, 2, 4, 6, 4, 2, 1, 3], 2, 20, 49))),
        ("A2", "A", dict(lead="bell", tune="A", vol=34, arp=harp, pad=22, bass=("held", 42))),
        ("inter", "intro", dict(arp=harp, pad=20, bass=("held", 38))),
        ("B2", "B", dict(lead="flute", tune="B", pad=26, bass=("root5", 42), arp=harp, echo=("bell", 4, 20, 12))),
        ("A3", "A", dict(lead="flute", tune="A", arp=harp, pad=22, bass=("held", 42))),
        ("outro", "outro", dict(arp=harp, pad=20, bass=("held", 38))),
    ]
    arr = Arranger(song, ins, sheets, scale(1, MAJOR), (61, 77))
    arr.build(plan, {}, {}, pad_lo=53)
    arr.ending((58, 56, 52, 48), ring_rows=24)
    song.gain = 1.16
    return song


SONGS = ((lantern_garden, "lantern_garden.it"), (moss_and_stone, "moss_and_stone.s3m"),
         (paper_kites, "paper_kites.it"), (quiet_harbour, "quiet_harbour.s3m"), (slow_tide, "slow_tide.xm"))
