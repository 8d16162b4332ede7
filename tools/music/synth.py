"""Synthesizes the instrument samples of Tavni's songs: additive tones with seamless loops, and soft drums."""

import math
import random

AMIGA_C = 8363  # the rate a sample plays at on its reference note (MOD C-2, XM C-4)


def midi_freq(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


class Sample:
    """A mono sample in floats (-1..1) with an optional loop.

    `rate` is always AMIGA_C * 2**shift, and `tone` is the MIDI note the sample
    sounds at that rate, so a tracker can place it exactly without finetune.
    Drums say tone=60: played on MIDI note 60 they sound at their own rate.
    """

    def __init__(self, name, data, shift, tone, loop_start=0, loop_len=0, volume=64):
        self.name = name
        self.data = data
        self.shift = shift
        self.tone = tone
        self.loop_start = loop_start
        self.loop_len = loop_len
        self.volume = volume

    @property
    def rate(self):
        return AMIGA_C * 2 ** self.shift

    def normalized(self, peak=0.92):
        top = max(1e-9, max(abs(v) for v in self.data))
        self.data = [v * peak / top for v in self.data]
        return self


def _smooth_ramp(i, n):
    """0 -> 1 raised-cosine ramp over n samples."""
    if i >= n:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * i / n)


def best_loop(rate, freq, lo, hi):
    """Even loop length in [lo, hi) samples holding a whole number of cycles closest to `freq`.

    Returns (length, exact frequency) so the loop closes without a step. Lengths
    are even because a MOD counts its loops in 16-bit words.
    """
    best = None
    for n in range(lo + (lo & 1), hi, 2):
        cycles = max(1, round(freq * n / rate))
        f = cycles * rate / n
        err = abs(math.log2(f / freq))
        if best is None or err < best[0]:
            best = (err, n, f)
    return best[1], best[2]


def additive(name, shift, tone, partials, attack=0.01, settle=0.25, loop_secs=(0.18, 0.3),
             noise=0.0, noise_decay=0.02, seed=1, volume=64, loop=True, length=1.0,
             vib_depth=0.0, vib_rate=5.0):
    """An additive tone.

    partials: (ratio, amplitude, hold) tuples. `hold` is the share of the partial
    that stays into the loop (0 = it dies away during the first `settle` seconds);
    non-integer ratios are forced to die away, so the loop is exactly periodic.
    loop=False renders `length` seconds that decay with the partial's `hold` used
    as a time constant in seconds instead, ending in a fade to silence.
    """
    rate = AMIGA_C * 2 ** shift
    f0 = midi_freq(tone)
    rng = random.Random(seed)
    if loop:
        lo = int(rate * loop_secs[0])
        hi = int(rate * loop_secs[1])
        if vib_depth > 0:
            # the loop has to hold whole vibrato cycles as well as whole tone cycles
            best = None
            for k in range(1, 4):
                per = rate / vib_rate
                for n in range(max(lo, int(per * k * 0.9)) & ~1, min(hi + int(per), int(per * k * 1.1)), 2):
                    cycles = round(f0 * n / rate)
                    f = cycles * rate / n
                    err = abs(math.log2(f / f0))
                    if best is None or err < best[0]:
                        best = (err, n, f, k)
            loop_len, f0 = best[1], best[2]
            vib_cycles = best[3]
        else:
            loop_len, f0 = best_loop(rate, f0, lo, hi)
        start = int(rate * settle) & ~1
        total = start + loop_len
    else:
        total = int(rate * length)
        start = total
    out = [0.0] * total
    att = max(1, int(rate * attack))
    for ratio, amp, hold in partials:
        harmonic = loop and abs(ratio - round(ratio)) < 1e-9
        f = f0 * ratio
        if f >= rate * 0.45:
            continue
        w = 2 * math.pi * f / rate
        phase = rng.random() * 2 * math.pi
        for i in range(total):
            if loop:
                if i < start:
                    x = 1.0 - i / start
                    fade = x * x * x          # smooth arrival at the held level
                    lvl = (hold if harmonic else 0.0) + (1.0 - (hold if harmonic else 0.0)) * fade
                else:
                    lvl = hold if harmonic else 0.0
            else:
                lvl = math.exp(-i / (rate * hold)) if hold > 0 else 1.0
            if lvl == 0.0:
                continue
            if vib_depth > 0 and loop:
                # vibrato grows in during the attack and stays steady in the loop
                depth = vib_depth * min(1.0, i / start) if start else vib_depth
                vib_w = 2 * math.pi * vib_cycles / loop_len
                ph = w * i + ratio * (depth * f0 / (rate * vib_w / (2 * math.pi))) * math.sin(vib_w * (i - start))
                out[i] += amp * lvl * math.sin(ph + phase)
            else:
                out[i] += amp * lvl * math.sin(w * i + phase)
    if noise > 0:
        lp = 0.0
        for i in range(min(total, int(rate * noise_decay * 6))):
            lp += 0.3 * (rng.uniform(-1, 1) - lp)
            out[i] += noise * lp * math.exp(-i / (rate * noise_decay))
    for i in range(total):
        out[i] *= _smooth_ramp(i, att)
    if not loop:
        tail = int(total * 0.25)
        for i in range(tail):
            out[total - 1 - i] *= _smooth_ramp(i, tail)
        return Sample(name, out, shift, tone, volume=volume).normalized()
    s = Sample(name, out, shift, tone, start, loop_len, volume)
    return s.normalized()


def detuned_pad(name, shift, tone, voices=((0.0, 1.0), (-0.9, 0.8), (1.1, 0.8)), harmonics=8,
                tilt=1.7, loop_secs=1.0, volume=64, seed=3):
    """A soft ensemble pad: a few slightly detuned voices, each with falling harmonics.

    The whole sample is one loop; every voice runs a whole number of cycles in it.
    `voices` holds (detune in Hz at the tone, amplitude).
    """
    rate = AMIGA_C * 2 ** shift
    n = int(rate * loop_secs)
    f0 = midi_freq(tone)
    rng = random.Random(seed)
    out = [0.0] * n
    for det, amp in voices:
        cycles = round((f0 + det) * n / rate)
        for h in range(1, harmonics + 1):
            if cycles * h * rate / n >= rate * 0.42:
                break
            a = amp / h ** tilt
            w = 2 * math.pi * cycles * h / n
            ph = rng.random() * 2 * math.pi
            for i in range(n):
                out[i] += a * math.sin(w * i + ph)
    # the centre voice decides the pitch
    return Sample(name, out, shift, tone, 0, n, volume).normalized(0.85)


def _onepole(data, coef):
    out, y = [], 0.0
    for x in data:
        y += coef * (x - y)
        out.append(y)
    return out


def _highpass(data, coef):
    low = _onepole(data, coef)
    return [a - b for a, b in zip(data, low)]


def kick(name, shift=0, secs=0.35, f_start=105.0, f_end=44.0, decay=0.11, volume=64):
    rate = AMIGA_C * 2 ** shift
    n = int(rate * secs)
    out, phase = [], 0.0
    for i in range(n):
        t = i / rate
        f = f_end + (f_start - f_end) * math.exp(-t / 0.035)
        phase += 2 * math.pi * f / rate
        env = math.exp(-t / decay) * _smooth_ramp(i, int(rate * 0.003))
        out.append(math.sin(phase) * env)
    tail = n // 4
    for i in range(tail):
        out[n - 1 - i] *= _smooth_ramp(i, tail)
    return Sample(name, out, shift, 60, volume=volume).normalized()


def noise_hit(name, shift=1, secs=0.25, hp=0.25, lp=0.5, decay=0.06, attack=0.004, body=0.0,
              body_freq=180.0, seed=7, volume=64):
    """Filtered noise with a soft attack: brushes, shakers and hats."""
    rate = AMIGA_C * 2 ** shift
    n = int(rate * secs)
    rng = random.Random(seed)
    raw = [rng.uniform(-1, 1) for _ in range(n)]
    shaped = _onepole(_highpass(raw, hp), lp)
    shaped = _onepole(shaped, min(1.0, lp * 1.5))
    out = []
    att = max(1, int(rate * attack))
    for i in range(n):
        t = i / rate
        env = math.exp(-t / decay) * _smooth_ramp(i, att)
        v = shaped[i] * env
        if body:
            v += body * math.sin(2 * math.pi * body_freq * t) * math.exp(-t / 0.04) * _smooth_ramp(i, att)
        out.append(v)
    tail = n // 4
    for i in range(tail):
        out[n - 1 - i] *= _smooth_ramp(i, tail)
    return Sample(name, out, shift, 60, volume=volume).normalized()
