#!/usr/bin/env python3
"""Makes Tavni's sound effects in data/sound: rotate.wav (a soft wooden tock), level_complete.wav (a bell arpeggio)."""

import math
import os
import random
import struct
import wave

RATE = 44100
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "data", "sound")


def ramp(i, n):
    """Raised-cosine 0 -> 1 over n samples."""
    return 1.0 if i >= n else 0.5 - 0.5 * math.cos(math.pi * i / n)


def lowpass(data, coef):
    out, y = [], 0.0
    for x in data:
        y += coef * (x - y)
        out.append(y)
    return out


def write(name, channels, peak_db):
    """Scales to the given peak and writes 16-bit PCM; channels is a list of equally long float lists."""
    top = max(abs(v) for ch in channels for v in ch)
    gain = 10 ** (peak_db / 20.0) / top
    frames = bytearray()
    for i in range(len(channels[0])):
        for ch in channels:
            frames += struct.pack("<h", int(round(ch[i] * gain * 32767)))
    path = os.path.join(OUT, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(len(channels))
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
    print("%s: %d ms, %d channel(s)" % (path, 1000 * len(channels[0]) // RATE, len(channels)))


def rotate():
    """A small wooden block struck softly: three bar modes that die out fast, no sharp edge."""
    n = int(RATE * 0.12)
    f0 = 640.0
    modes = [(1.0, 1.0, 0.030), (2.76, 0.32, 0.012), (5.40, 0.10, 0.006)]
    rng = random.Random(11)
    knock = lowpass(lowpass([rng.uniform(-1, 1) for _ in range(n)], 0.25), 0.25)
    out = []
    for i in range(n):
        t = i / RATE
        v = 0.0
        for ratio, amp, tau in modes:
            # the pitch settles a touch downward, like wood giving under the strike
            f = f0 * ratio * (1.0 + 0.015 * math.exp(-t / 0.01))
            v += amp * math.exp(-t / tau) * math.sin(2 * math.pi * f * t)
        v += 0.18 * knock[i] * math.exp(-t / 0.004)
        out.append(v * ramp(i, int(RATE * 0.0025)))
    tail = int(RATE * 0.03)
    for i in range(tail):
        out[n - 1 - i] *= ramp(i, tail)
    write("rotate.wav", [out], -6.0)


def level_complete():
    """A rising major arpeggio of soft bells (C E G C' E'), with a shared tail, spread a little in stereo."""
    n = int(RATE * 1.8)
    left = [0.0] * n
    right = [0.0] * n
    notes = [72, 76, 79, 84, 88]
    partials = [(1.0, 1.0, 0.9), (2.0, 0.35, 0.45), (3.01, 0.12, 0.25), (4.2, 0.08, 0.12), (5.43, 0.05, 0.07)]
    for k, midi in enumerate(notes):
        start = int(RATE * 0.085 * k)
        f = 440.0 * 2 ** ((midi - 69) / 12.0)
        amp = 0.9 if k < len(notes) - 1 else 1.0
        pan = 0.35 + 0.3 * k / (len(notes) - 1)       # walks from left of centre to right of centre
        length = n - start
        att = int(RATE * 0.004)
        for i in range(length):
            t = i / RATE
            v = 0.0
            for ratio, a, tau in partials:
                if f * ratio < RATE * 0.45:
                    v += a * math.exp(-t / tau) * math.sin(2 * math.pi * f * ratio * t)
            v *= amp * ramp(i, att)
            left[start + i] += v * math.cos(pan * math.pi / 2)
            right[start + i] += v * math.sin(pan * math.pi / 2)
    tail = int(RATE * 0.5)
    for i in range(tail):
        g = ramp(i, tail)
        left[n - 1 - i] *= g
        right[n - 1 - i] *= g
    write("level_complete.wav", [left, right], -4.0)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    rotate()
    level_complete()
