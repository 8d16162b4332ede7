"""Renders every song in data/music through libopenmpt and checks length, ending, peak, loudness, silences and shared patterns (--wav keeps WAVs in /tmp)."""

import array
import ctypes
import math
import os
import sys
import warnings
import wave

warnings.simplefilter("ignore", DeprecationWarning)
import audioop  # noqa: E402  C speed for levels; part of Python up to 3.12

RATE = 44100
MUSIC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "music")
OUT = "/tmp/tavni_music"
MIN_SECS, MAX_SECS, MIN_TOTAL = 120, 240, 20 * 60
# Headroom, so that no mixer or resampler clips; loudness that must not jump between songs.
MAX_PEAK_DB, LOUDNESS_SPREAD_DB = -1.0, 3.0
MAX_SILENCE, SILENT_DB = 2.0, -50.0
FORMATS = (".mod", ".xm", ".s3m", ".it")

lib = ctypes.CDLL("libopenmpt.so.0")
P, I32, SIZE, C = ctypes.c_void_p, ctypes.c_int32, ctypes.c_size_t, ctypes.c_char_p
# The functions used, as openmpt_NAME: (return type, or None for an int, argument types).
for name, (result, args) in {
        "module_create_from_memory2": (P, [P, SIZE, P, P, P, P, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(C), P]),
        "module_get_duration_seconds": (ctypes.c_double, [P]),
        "module_ctl_set_text": (None, [P, C, C]),
        "module_read_interleaved_stereo": (SIZE, [P, I32, SIZE, ctypes.POINTER(ctypes.c_int16)]),
        "module_get_metadata": (P, [P, C]),
        **{name: (None, [P]) for name in ("module_destroy", "free_string", "module_get_num_channels", "module_get_num_patterns")},
        "module_get_pattern_num_rows": (None, [P, I32]),
        "module_get_pattern_row_channel_command": (ctypes.c_uint8, [P, I32, I32, I32, ctypes.c_int])}.items():
    getattr(lib, "openmpt_" + name).argtypes = args
    getattr(lib, "openmpt_" + name).restype = result or ctypes.c_int


def load(path):
    data, err, msg = open(path, "rb").read(), ctypes.c_int(0), C()
    mod = lib.openmpt_module_create_from_memory2(data, len(data), None, None, None, None, ctypes.byref(err), ctypes.byref(msg), None)
    if not mod:
        raise RuntimeError("%s: libopenmpt refused it (%d %s)" % (path, err.value, msg.value))
    return mod


def meta(mod, key):
    p = lib.openmpt_module_get_metadata(mod, key.encode())
    text = ctypes.cast(p, C).value.decode("utf-8", "replace")
    lib.openmpt_free_string(p)
    return text


def render(mod, wav_path):
    """Plays the song once; returns the interleaved 16-bit frames, also written to wav_path if given."""
    lib.openmpt_module_ctl_set_text(mod, b"play.at_end", b"stop")
    buf, pcm = (ctypes.c_int16 * 8192)(), array.array("h")
    while n := lib.openmpt_module_read_interleaved_stereo(mod, RATE, 4096, buf):
        pcm.extend(buf[:2 * n])
    if wav_path:
        os.makedirs(OUT, exist_ok=True)
        with wave.open(wav_path, "wb") as w:
            w.setparams((2, 2, RATE, 0, "NONE", "not compressed"))
            w.writeframes(pcm.tobytes())
    return pcm


def db(x):
    return 20 * math.log10(max(x, 1e-9) / 32768.0)


def analyse(pcm):
    """(seconds, peak dBFS, DC, loudness dBFS, longest silence in seconds) of 16-bit stereo frames."""
    raw = pcm.tobytes()
    # loudness: the mean power of the 400 ms blocks that are not silence
    block = RATE * 4 // 10 * 4
    powers = [audioop.rms(raw[i:i + block], 2) ** 2 for i in range(0, len(raw) - block + 1, block)]
    heard = [p for p in powers if db(math.sqrt(p)) > SILENT_DB] or [0]
    # silence: 100 ms windows under the floor; the last three seconds may fade out
    win = RATE // 10 * 4
    run = longest = 0
    for i in range(0, len(raw) - win * 31, win):
        run = run + 1 if db(audioop.rms(raw[i:i + win], 2)) < SILENT_DB else 0
        longest = max(longest, run)
    return len(pcm) / 2 / RATE, db(audioop.max(raw, 2)), audioop.avg(raw, 2), db(math.sqrt(sum(heard) / len(heard))), longest / 10


def patterns(mod):
    """Every non-empty pattern's cells, as a hashable grid."""
    chans, get = lib.openmpt_module_get_num_channels(mod), lib.openmpt_module_get_pattern_row_channel_command
    grids = (tuple(tuple(get(mod, p, r, c, k) for c in range(chans) for k in range(6))
                   for r in range(lib.openmpt_module_get_pattern_num_rows(mod, p)))
             for p in range(lib.openmpt_module_get_num_patterns(mod)))
    return {grid for grid in grids if any(any(row) for row in grid)}


def check(name, problems, wavs):
    mod = load(os.path.join(MUSIC, name))
    dur, title, kind, chans = (lib.openmpt_module_get_duration_seconds(mod), meta(mod, "title"), meta(mod, "type"),
                               lib.openmpt_module_get_num_channels(mod))
    song = {"dur": dur, "patterns": patterns(mod)}
    pcm = render(mod, os.path.join(OUT, os.path.splitext(name)[0] + ".wav") if wavs else None)
    lib.openmpt_module_destroy(mod)
    secs, peak, dc, song["loud"], quiet = analyse(pcm)
    problems += [name + ": " + text for bad, text in (
        (name != name.lower(), "the file name is not lowercase"),
        (not title.startswith("Tavni - "), "title %r does not name the song" % title),
        (not (math.isfinite(dur) and MIN_SECS <= dur <= MAX_SECS), "length %.1f s is outside %d..%d s" % (dur, MIN_SECS, MAX_SECS)),
        (abs(secs - dur) > 0.5, "playing stopped after %.1f s, not at the song's end (%.1f s)" % (secs, dur)),
        (peak > MAX_PEAK_DB, "peak %.2f dBFS is above %.1f dBFS" % (peak, MAX_PEAK_DB)),
        (abs(dc) > 100, "DC offset %.0f" % dc),
        (quiet > MAX_SILENCE, "%.1f s of silence inside the song" % quiet)) if bad]
    print("%-19s %-3s %-25s %2d ch  %5.1f s  peak %5.1f dBFS  loudness %5.1f dBFS  longest quiet %.1f s"
          % (name, kind, '"%s"' % title, chans, dur, peak, song["loud"], quiet))
    return song


def main():
    wavs = "--wav" in sys.argv[1:]       # keep the renders in /tmp, for soundtrack-picture.sh
    names = sorted((f for f in os.listdir(MUSIC) if f.lower().endswith(FORMATS)), key=str.lower)
    problems = []
    songs = {name: check(name, problems, wavs) for name in names}
    total = sum(s["dur"] for s in songs.values())
    levels = sorted((s["loud"], n) for n, s in songs.items()) or [(0, "")]
    problems += [text for bad, text in (
        (len(names) < 8, "%d songs, at least 8 wanted" % len(names)),
        (total < MIN_TOTAL, "%.1f minutes in all, at least %d wanted" % (total / 60, MIN_TOTAL // 60)),
        (levels[-1][0] - levels[0][0] > LOUDNESS_SPREAD_DB,
         "loudness spreads %.1f dB from %s to %s" % (levels[-1][0] - levels[0][0], levels[0][1], levels[-1][1])))
        if bad]
    problems += ["no %s song" % ext for ext in FORMATS if not any(n.lower().endswith(ext) for n in names)]
    problems += ["%s and %s share %d pattern(s)" % (a, b, len(songs[a]["patterns"] & songs[b]["patterns"]))
                 for i, a in enumerate(names) for b in names[i + 1:] if songs[a]["patterns"] & songs[b]["patterns"]]
    print("%d songs, %.1f minutes%s" % (len(names), total / 60, ", WAVs in " + OUT if wavs else ""))
    print("".join("PROBLEM: %s\n" % p for p in problems) + ("FAILED" if problems else "all songs OK"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
