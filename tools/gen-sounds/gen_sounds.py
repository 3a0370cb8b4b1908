#!/usr/bin/python3
"""Synthesises the seven sound effects into data/Sounds as 16-bit PCM WAVE, mono, 44.1 kHz.
Run from the repository root:

    /usr/bin/python3 tools/gen-sounds/gen_sounds.py

Each effect is short and has a sound of its own: a pip for moving the menu highlight, a
rising chime for Enter, a falling farewell, a bright ping for coins and keys, a soft tap for
steps (heard on every step, so it is the quietest), a wooden scrape for pushing and a
mechanical clunk for buttons."""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from synth import RATE, bell, lowpass, midi_hz, noise, note_number, pluck, ramp, times, write_wav  # noqa: E402

OUT = "data/Sounds"


def place(parts):
    """Mixes (start time, signal) pairs into one signal long enough for all of them."""
    starts = [int(round(start * RATE)) for start, _ in parts]
    out = np.zeros(max(i + len(signal) for i, (_, signal) in zip(starts, parts)))
    for i, (_, signal) in zip(starts, parts):
        out[i:i + len(signal)] += signal
    return out


def normalised(signal, peak):
    return ramp(signal / np.max(np.abs(signal)) * peak)


def select():
    t = times(0.07)
    freq = 1320 - 300 * t / 0.07
    tone = np.sin(2 * np.pi * np.cumsum(freq) / RATE) * np.exp(-t * 45)
    return normalised(tone, 0.5)


def enter():
    a = bell(midi_hz(note_number("A5")), 0.08, tail=0.35)
    e = bell(midi_hz(note_number("E6")), 0.08, tail=0.45)
    return normalised(place([(0, a), (0.075, e * 0.9)]), 0.6)


def bye():
    notes = ["G5", "E5", "C5", "G4"]
    # Over before the game closes, 0.8 seconds after it starts the sound.
    parts = [(0.12 * i, pluck(midi_hz(note_number(n)), 0.12, 0.8, tail=0.3) * (1 - 0.1 * i))
             for i, n in enumerate(notes)]
    return normalised(place(parts), 0.6)


def pickie():
    b = bell(midi_hz(note_number("B6")), 0.05, tail=0.2)
    e = bell(midi_hz(note_number("E7")), 0.05, tail=0.3)
    sparkle = np.sin(2 * np.pi * 5274 * times(0.3)) * np.exp(-times(0.3) * 18) * 0.2
    return normalised(place([(0, b), (0.06, e), (0.06, sparkle)]), 0.55)


def steps():
    """A soft footfall: a puff of low noise with a tiny knock."""
    t = times(0.07)
    puff = lowpass(noise(0.07, 1), 900) * np.exp(-t * 70)
    knock = np.sin(2 * np.pi * 190 * t) * np.exp(-t * 90) * 0.6
    return normalised(puff + knock, 0.28)


def pushy():
    """Wood scraping over stone, with a low thump at the start."""
    t = times(0.26)
    grit = noise(0.26, 2) * (0.6 + 0.4 * np.sin(2 * np.pi * 31 * t) ** 2)
    scrape = lowpass(grit, 700 + 500 * np.exp(-t * 12)) * np.minimum(t / 0.02, 1) * np.exp(-t * 9)
    thump = np.sin(2 * np.pi * (110 - 40 * t) * t) * np.exp(-t * 28)
    return normalised(scrape * 1.6 + thump * 0.7, 0.5)


def button():
    """A click and then a clunk, as a plate goes down."""
    t = times(0.22)
    click = lowpass(noise(0.01, 3), 4000) * np.exp(-times(0.01) * 500)
    clunk = (np.sin(2 * np.pi * 150 * t) + 0.5 * np.sin(2 * np.pi * 233 * t)) * np.exp(-t * 30)
    ring = np.sin(2 * np.pi * 880 * t) * np.exp(-t * 25) * 0.15
    return normalised(place([(0, click * 1.5), (0.012, clunk + ring)]), 0.55)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, make in [("Select", select), ("Enter", enter), ("Bye", bye), ("Pickie", pickie),
                       ("Steps", steps), ("Pushy", pushy), ("Button", button)]:
        write_wav(os.path.join(OUT, name + ".wav"), make())


if __name__ == "__main__":
    main()
