"""Plays every song in data/music through libopenmpt and checks length, ending, peak, loudness, silence, patterns."""
"""Renders every song in data/music through libopenmpt and checks length, ending, peak, loudness, silences and shared patterns (--wav keeps WAVs in /tmp)."""

import array
import ctypes
import math
import os
import sys
import warnings
import wave

with warnings.catch_warnings():
    warnings.simplefilter("ignore", DeprecationWarning)
    import audioop          # C speed for levels; part of Python up to 3.12

RATE = 44100
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
MUSIC = os.path.join(ROOT, "data", "music")
OUT = "/tmp/tavni_music"

lib = ctypes.CDLL("libopenmpt.so.0")
lib.openmpt_module_create_from_memory2.restype = ctypes.c_void_p
lib.openmpt_module_create_from_memory2.argtypes = [
    ctypes.c_void_p, ctypes.c_size_t, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p,
    ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_char_p), ctypes.c_void_p]
lib.openmpt_module_destroy.argtypes = [ctypes.c_void_p]
lib.openmpt_module_get_duration_seconds.restype = ctypes.c_double
lib.openmpt_module_get_duration_seconds.argtypes = [ctypes.c_void_p]
lib.openmpt_module_ctl_set_text.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_char_p]
lib.openmpt_module_read_interleaved_stereo.restype = ctypes.c_size_t
lib.openmpt_module_read_interleaved_stereo.argtypes = [ctypes.c_void_p, ctypes.c_int32, ctypes.c_size_t,
                                                       ctypes.POINTER(ctypes.c_int16)]
lib.openmpt_module_get_metadata.restype = ctypes.c_void_p
lib.openmpt_module_get_metadata.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
lib.openmpt_free_string.argtypes = [ctypes.c_void_p]
for fn in ("num_channels", "num_orders", "num_patterns", "num_instruments", "num_samples"):
    getattr(lib, "openmpt_module_get_" + fn).argtypes = [ctypes.c_void_p]
lib.openmpt_module_get_pattern_num_rows.argtypes = [ctypes.c_void_p, ctypes.c_int32]
lib.openmpt_module_get_pattern_row_channel_command.restype = ctypes.c_uint8
lib.openmpt_module_get_pattern_row_channel_command.argtypes = [ctypes.c_void_p, ctypes.c_int32, ctypes.c_int32,
                                                              ctypes.c_int32, ctypes.c_int]

MIN_SECS, MAX_SECS, MIN_TOTAL = 120, 240, 20 * 60
MAX_PEAK_DB = -1.0          # headroom, so no mixer or resampler clips
LOUDNESS_SPREAD_DB = 3.0    # the volume must not jump between songs
MAX_SILENCE = 2.0
SILENT_DB = -50.0
FORMATS = (".mod", ".xm", ".s3m", ".it")


def load(path):
    data = open(path, "rb").read()
    err = ctypes.c_int(0)
    msg = ctypes.c_char_p()
    mod = lib.openmpt_module_create_from_memory2(data, len(data), None, None, None, None,
                                                 ctypes.byref(err), ctypes.byref(msg), None)
    if not mod:
        raise RuntimeError("%s: libopenmpt refused it (%d %s)" % (path, err.value, msg.value))
    return mod


def meta(mod, key):
    p = lib.openmpt_module_get_metadata(mod, key.encode())
    text = ctypes.cast(p, ctypes.c_char_p).value.decode("utf-8", "replace")
    lib.openmpt_free_string(p)
    return text


def render(mod, wav_path=None):
    """Plays the song once; returns the interleaved 16-bit frames, also written to wav_path if given."""
    lib.openmpt_module_ctl_set_text(mod, b"play.at_end", b"stop")
    chunk = 4096
    buf = (ctypes.c_int16 * (chunk * 2))()
    pcm = array.array("h")
    while True:
        n = lib.openmpt_module_read_interleaved_stereo(mod, RATE, chunk, buf)
        if n == 0:
            break
        pcm.extend(buf[:2 * n])
    if wav_path is None:
        return pcm
    with wave.open(wav_path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    return pcm


def db(x):
    return 20 * math.log10(max(x, 1e-9) / 32768.0)


def analyse(pcm):
    """(seconds, peak dBFS, DC, loudness dBFS, longest silence in seconds) of 16-bit stereo frames."""
    raw = pcm.tobytes()
    peak = audioop.max(raw, 2)
    dc = audioop.avg(raw, 2)
    # loudness: the mean power of the 400 ms blocks that are not silence
    block = RATE * 4 // 10 * 4
    powers = [audioop.rms(raw[i:i + block], 2) ** 2 for i in range(0, len(raw) - block + 1, block)]
    heard = [p for p in powers if db(math.sqrt(p)) > SILENT_DB] or [0]
    loud = db(math.sqrt(sum(heard) / len(heard)))
    # silence: 100 ms windows under the floor; the last three seconds may fade out
    win = RATE // 10 * 4
    run = longest = 0
    for i in range(0, len(raw) - win * 31, win):
        run = run + 1 if db(audioop.rms(raw[i:i + win], 2)) < SILENT_DB else 0
        longest = max(longest, run)
    return len(pcm) / 2 / RATE, db(peak), dc, loud, longest / 10.0


def patterns(mod):
    """Every non-empty pattern's cells, as a hashable grid."""
    out = set()
    chans = lib.openmpt_module_get_num_channels(mod)
    get = lib.openmpt_module_get_pattern_row_channel_command
    for p in range(lib.openmpt_module_get_num_patterns(mod)):
        rows = lib.openmpt_module_get_pattern_num_rows(mod, p)
        grid = tuple(tuple(get(mod, p, r, c, k) for c in range(chans) for k in range(6)) for r in range(rows))
        if any(any(row) for row in grid):
            out.add(grid)
    return out


def check(name, problems, wavs):
    path = os.path.join(MUSIC, name)
    mod = load(path)
    dur = lib.openmpt_module_get_duration_seconds(mod)
    info = {"title": meta(mod, "title"), "type": meta(mod, "type"), "dur": dur,
            "chans": lib.openmpt_module_get_num_channels(mod), "patterns": patterns(mod)}
    pcm = render(mod, os.path.join(OUT, os.path.splitext(name)[0] + ".wav") if wavs else None)
    lib.openmpt_module_destroy(mod)
    secs, peak, dc, loud, quiet = analyse(pcm)
    info.update(secs=secs, peak=peak, loud=loud)
    say = lambda text: problems.append("%s: %s" % (name, text))      # noqa: E731
    if name != name.lower():
        say("the file name is not lowercase")
    if not info["title"].startswith("Tavni - "):
        say("title %r does not name the song" % info["title"])
    if not math.isfinite(dur) or not MIN_SECS <= dur <= MAX_SECS:
        say("length %.1f s is outside %d..%d s" % (dur, MIN_SECS, MAX_SECS))
    if abs(secs - dur) > 0.5:
        say("playing stopped after %.1f s, not at the song's end (%.1f s)" % (secs, dur))
    if peak > MAX_PEAK_DB:
        say("peak %.2f dBFS is above %.1f dBFS" % (peak, MAX_PEAK_DB))
    if abs(dc) > 100:
        say("DC offset %.0f" % dc)
    if quiet > MAX_SILENCE:
        say("%.1f s of silence inside the song" % quiet)
    print("%-19s %-3s %-25s %2d ch  %5.1f s  peak %5.1f dBFS  loudness %5.1f dBFS  longest quiet %.1f s"
          % (name, info["type"], '"%s"' % info["title"], info["chans"], dur, peak, loud, quiet))
    return info


def main():
    wavs = "--wav" in sys.argv[1:]       # keep the renders in /tmp, for soundtrack-picture.sh
    if wavs:
        os.makedirs(OUT, exist_ok=True)
    names = sorted((f for f in os.listdir(MUSIC) if f.lower().endswith(FORMATS)), key=str.lower)
    problems = []
    songs = {name: check(name, problems, wavs) for name in names}
    if len(names) < 8:
        problems.append("%d songs, at least 8 wanted" % len(names))
    for ext in FORMATS:
        if not any(n.lower().endswith(ext) for n in names):
            problems.append("no %s song" % ext)
    total = sum(s["dur"] for s in songs.values())
    if total < MIN_TOTAL:
        problems.append("%.1f minutes in all, at least %d wanted" % (total / 60, MIN_TOTAL // 60))
    if songs:
        levels = sorted((s["loud"], n) for n, s in songs.items())
        if levels[-1][0] - levels[0][0] > LOUDNESS_SPREAD_DB:
            problems.append("loudness spreads %.1f dB from %s to %s" % (levels[-1][0] - levels[0][0],
                                                                         levels[0][1], levels[-1][1]))
    for i, a in enumerate(names):
        for b in names[i + 1:]:
            shared = songs[a]["patterns"] & songs[b]["patterns"]
            if shared:
                problems.append("%s and %s share %d pattern(s)" % (a, b, len(shared)))
    print("%d songs, %.1f minutes%s" % (len(names), total / 60, ", WAVs in " + OUT if wavs else ""))
    for p in problems:
        print("PROBLEM:", p)
    print("FAILED" if problems else "all songs OK")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
