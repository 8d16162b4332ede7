#!/usr/bin/env python3
"""Loads every song in data/music with libopenmpt, renders it once to /tmp and checks its length, ending and level."""

import array
import ctypes
import math
import os
import sys
import wave

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


def render(mod, wav_path):
    """Plays the song once; returns the interleaved 16-bit frames."""
    lib.openmpt_module_ctl_set_text(mod, b"play.at_end", b"stop")
    chunk = 4096
    buf = (ctypes.c_int16 * (chunk * 2))()
    pcm = array.array("h")
    while True:
        n = lib.openmpt_module_read_interleaved_stereo(mod, RATE, chunk, buf)
        if n == 0:
            break
        pcm.extend(buf[:2 * n])
    with wave.open(wav_path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    return pcm


def db(x):
    return 20 * math.log10(max(x, 1e-9) / 32768.0)


def analyse(pcm):
    frames = len(pcm) // 2
    peak = max(max(pcm), -min(pcm))
    clipped = sum(1 for v in pcm if v >= 32767 or v <= -32768)
    total = sum(pcm)
    dc = total / len(pcm)
    # loudness per 100 ms window, and the longest run of quiet windows
    win = RATE // 10 * 2
    levels = []
    for i in range(0, len(pcm) - win + 1, win):
        seg = pcm[i:i + win]
        levels.append(math.sqrt(sum(v * v for v in seg) / win))
    rms = math.sqrt(sum(l * l for l in levels) / max(1, len(levels)))
    run = longest = 0
    for l in levels[:-30]:          # the last three seconds may fade out
        run = run + 1 if db(l) < -50 else 0
        longest = max(longest, run)
    return frames, peak, clipped, dc, rms, longest / 10.0


def main():
    os.makedirs(OUT, exist_ok=True)
    names = sorted(f for f in os.listdir(MUSIC) if f.endswith((".mod", ".xm", ".it", ".s3m")))
    failed = False
    for name in names:
        path = os.path.join(MUSIC, name)
        mod = load(path)
        dur = lib.openmpt_module_get_duration_seconds(mod)
        title = meta(mod, "title")
        kind = meta(mod, "type")
        chans = lib.openmpt_module_get_num_channels(mod)
        wav_path = os.path.join(OUT, os.path.splitext(name)[0] + ".wav")
        pcm = render(mod, wav_path)
        lib.openmpt_module_destroy(mod)
        frames, peak, clipped, dc, rms, quiet = analyse(pcm)
        secs = frames / RATE
        problems = []
        if not 60 <= dur <= 180:
            problems.append("duration %.1f s is outside 60..180" % dur)
        if abs(secs - dur) > 0.5:
            problems.append("render stopped after %.1f s, not at the song's end" % secs)
        if clipped:
            problems.append("%d clipped samples" % clipped)
        if db(peak) > -0.5:
            problems.append("peak too hot")
        if db(rms) < -30:
            problems.append("too quiet")
        if abs(dc) > 100:
            problems.append("DC offset %.0f" % dc)
        if quiet > 2.0:
            problems.append("%.1f s of silence inside the song" % quiet)
        print("%-18s %-3s %-22s %2d ch  %6.1f s (render %6.1f s)  peak %5.1f dBFS  rms %5.1f dBFS  "
              "dc %+5.1f  longest quiet %.1f s  -> %s" % (name, kind, '"%s"' % title, chans, dur, secs,
                                                        db(peak), db(rms), dc, quiet, wav_path))
        for p in problems:
            print("    PROBLEM:", p)
        failed |= bool(problems)
    if not names:
        print("no songs in", MUSIC)
        failed = True
    print("FAILED" if failed else "all %d songs OK" % len(names))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
