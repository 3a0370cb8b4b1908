"""Instruments and helpers shared by the sound and music generators: every sound is a sum
of sine partials under simple envelopes, computed with numpy. Nothing is random without a
seed, so the output is the same on every run."""
import wave

import numpy as np

RATE = 44100


def midi_hz(note):
    return 440.0 * 2 ** ((note - 69) / 12.0)


NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note_number(name):
    """"F#5" -> 78; the octave number follows the name, C4 is middle C."""
    pitch = NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


def times(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def ramp(signal, seconds=0.003):
    """Fades both ends a few milliseconds, so a sound never starts or stops on a click."""
    n = min(len(signal) // 2, int(seconds * RATE))
    if n:
        fade = np.sin(np.linspace(0, np.pi / 2, n)) ** 2
        signal[:n] *= fade
        signal[-n:] *= fade[::-1]
    return signal


def pluck(freq, seconds, brightness=1.0, tail=2.0):
    """A plucked string: bright at first, the upper partials dying away faster."""
    t = times(seconds + tail)
    out = np.zeros_like(t)
    for n in range(1, 11):
        if freq * n > RATE / 2.5:
            break
        amp = (1.0 / n ** 1.4) * abs(np.sin(n * np.pi * 0.27)) * brightness ** (n - 1)
        out += amp * np.sin(2 * np.pi * freq * n * t) * np.exp(-t * (1.4 + 0.9 * n))
    # A gentle damping after the note's own length, as a harpist's hand would.
    out *= np.where(t < seconds, 1.0, np.exp(-(t - seconds) * 2.5))
    attack = np.minimum(t / 0.004, 1.0)
    return ramp(out * attack)


def bell(freq, seconds, tail=2.5):
    """A soft music-box bell."""
    t = times(seconds + tail)
    out = np.zeros_like(t)
    for ratio, amp, decay in [(1.0, 1.0, 1.8), (2.0, 0.32, 3.2), (3.01, 0.12, 5.0), (4.2, 0.06, 7.5)]:
        out += amp * np.sin(2 * np.pi * freq * ratio * t) * np.exp(-t * decay)
    attack = np.minimum(t / 0.003, 1.0)
    # Whatever still rings at the end of the tail fades away instead of stopping.
    total = seconds + tail
    fade = np.clip((total - t) / (0.4 * total), 0, 1) ** 2
    return ramp(out * attack * fade)


def flute(freq, seconds, tail=0.2):
    """A breathy, rounded wind tone that holds for the note's length."""
    t = times(seconds + tail)
    vibrato = 1 + 0.003 * np.sin(2 * np.pi * 5.2 * t) * np.minimum(t / 0.3, 1.0)
    phase = 2 * np.pi * freq * np.cumsum(vibrato) / RATE
    out = np.sin(phase) + 0.22 * np.sin(2 * phase) + 0.07 * np.sin(3 * phase)
    attack = np.minimum(t / 0.05, 1.0)
    release = np.where(t < seconds, 1.0, np.clip(1 - (t - seconds) / tail, 0, 1))
    return ramp(out * attack * release * (1 - 0.15 * np.minimum(t / max(seconds, 0.01), 1.0)))


def pad(freqs, seconds, tail=0.5):
    """A soft string pad: a chord of detuned, mellow tones with a slow swell."""
    t = times(seconds + tail)
    out = np.zeros_like(t)
    for freq in freqs:
        for detune in (0.9985, 1.0015):
            for n, amp in [(1, 1.0), (2, 0.35), (3, 0.15), (4, 0.06)]:
                out += amp * np.sin(2 * np.pi * freq * detune * n * t + n * detune * 3.0)
    swell = np.minimum(t / 0.3, 1.0)
    release = np.where(t < seconds, 1.0, np.clip(1 - (t - seconds) / tail, 0, 1)) ** 2
    return ramp(out * swell * release / (2 * len(freqs)))


def noise(seconds, seed):
    return np.random.default_rng(seed).uniform(-1, 1, int(round(seconds * RATE)))


def lowpass(signal, cutoff):
    """One-pole low-pass, applied twice for a softer slope; cutoff in Hz (a number or an
    array of one value per sample)."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=float), signal.shape)
    a = np.exp(-2 * np.pi * cutoff / RATE)
    out = signal.copy()
    for _ in range(2):
        y = 0.0
        filtered = np.empty_like(out)
        for i, x in enumerate(out):
            y = (1 - a[i]) * x + a[i] * y
            filtered[i] = y
        out = filtered
    return out


def write_wav(path, samples, channels=1):
    """16-bit PCM; samples are floats in -1..1, interleaved when there are two channels."""
    data = np.round(np.clip(samples, -1, 1) * 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data.tobytes())
