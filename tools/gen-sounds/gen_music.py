#!/usr/bin/python3
"""Synthesises the game's music, our own arrangement of Pachelbel's Canon in D, and encodes
it with oggenc into "data/Sounds/Music(Canon).ogg". Run from the repository root:

    /usr/bin/python3 tools/gen-sounds/gen_music.py

The ground bass turns under a soft string pad; three voices (a harp, a music-box bell and a
flute) take up the same melody one after another, two bars apart, as a canon does, then thin
out again to the bass and pad the piece began with. The music loops forever in the game, so
it is made as one turn of a circle: notes and reverb that ring past the end are folded back
onto the beginning, and the last sample leads into the first as any sample into the next.
Also writes a picture of the waveform around the loop point to judge the join by."""
import os
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from synth import RATE, bell, flute, midi_hz, note_number, pad, pluck, write_wav  # noqa: E402

OUT = "data/Sounds/Music(Canon).ogg"
BEAT = 40000  # samples: about 66 beats a minute
CYCLE_BEATS = 8  # the ground: two bars of four
CYCLES = 12
LENGTH = BEAT * CYCLE_BEATS * CYCLES

BASS = ["D3", "A2", "B2", "F#2", "G2", "D2", "G2", "A2"]
CHORDS = [["D4", "F#4", "A4"], ["C#4", "E4", "A4"], ["D4", "F#4", "B4"], ["C#4", "F#4", "A4"],
          ["D4", "G4", "B4"], ["D4", "F#4", "A4"], ["D4", "G4", "B4"], ["C#4", "E4", "A4"]]


def even(notes, beats_each):
    return [(n, beats_each) for n in notes.split()]


# The melody, one ground (eight beats) per line; every line fits the chords above.
LINES = [
    even("F#5 E5 D5 C#5 B4 A4 B4 C#5", 1),
    even("D5 C#5 B4 A4 G4 F#4 G4 E4", 1),
    even("D4 F#4 A4 G4 F#4 D4 F#4 E4 D4 B3 D4 A4 G4 B4 A4 G4", 0.5),
    even("F#4 D4 E4 C#5 D5 F#5 A5 A4 B4 G4 A4 F#4 D4 D5 D5 C#5", 0.5),
    even("D5 C#5 D5 D4 C#4 A4 E4 F#4 D4 D5 C#5 B4 C#5 F#5 A5 B5 "
         "G5 F#5 E5 G5 F#5 E5 D5 C#5 B4 A4 G4 F#4 E4 G4 F#4 E4", 0.25),
    even("D5 F#5 A5 F#5 C#5 E5 A5 E5 D5 F#5 B5 F#5 C#5 F#5 A5 F#5 "
         "B4 D5 G5 D5 A4 D5 F#5 D5 B4 D5 G5 D5 C#5 E5 A5 E5", 0.25),
    even("F#5 A5 E5 A5 D5 F#5 C#5 F#5 B4 D5 A4 D5 B4 D5 C#5 E5", 0.5),
    [("A5", 2), ("F#5", 1), ("A5", 1), ("B5", 1), ("A5", 1), ("G5", 1), ("E5", 1)],
]

# (instrument, volume, pan -1 left .. 1 right, octave shift)
VOICES = {
    "harp": (pluck, 0.55, -0.15, 0),
    "bell": (bell, 0.30, 0.55, 0),
    "flute": (flute, 0.22, -0.55, 0),
}

# Which line each voice plays in each turn of the ground: the canon enters voice by voice,
# a turn apart, and leaves the same way so that the end leads back into the opening.
PLAN = {
    "harp": [None, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, None],
    "bell": [None, None, 0, 1, 2, 3, 4, 5, 6, 7, None, 0],
    "flute": [None, None, None, 0, 1, 2, 3, 4, 5, 6, 7, None],
}


def add(buffer, start, signal, volume, pan):
    """Adds a mono signal at sample `start`, folding whatever rings past the end back to the
    beginning."""
    left = np.cos((pan + 1) * np.pi / 4) * volume
    right = np.sin((pan + 1) * np.pi / 4) * volume
    pos = start % LENGTH
    while len(signal):
        n = min(len(signal), LENGTH - pos)
        buffer[0, pos:pos + n] += signal[:n] * left
        buffer[1, pos:pos + n] += signal[:n] * right
        signal = signal[n:]
        pos = 0


def ground(buffer):
    for cycle in range(CYCLES):
        for beat in range(CYCLE_BEATS):
            start = (cycle * CYCLE_BEATS + beat) * BEAT
            note = note_number(BASS[beat])
            seconds = BEAT / RATE
            add(buffer, start, pluck(midi_hz(note), seconds, 0.6, tail=1.2), 0.55, 0.1)
            add(buffer, start, pluck(midi_hz(note - 12), seconds, 0.4, tail=1.2), 0.25, 0.1)
            freqs = [midi_hz(note_number(n)) for n in CHORDS[beat]]
            add(buffer, start, pad(freqs, seconds * 1.02, tail=0.45), 0.16, -0.05)


def melody(buffer):
    for voice, lines in PLAN.items():
        instrument, volume, pan, shift = VOICES[voice]
        for cycle, line in enumerate(lines):
            if line is None:
                continue
            at = cycle * CYCLE_BEATS * BEAT
            for i, (name, beats) in enumerate(LINES[line]):
                seconds = beats * BEAT / RATE
                # A little weight on the beat, as a player would give it.
                accent = 1.0 if (at % BEAT) == 0 else 0.85
                add(buffer, at, instrument(midi_hz(note_number(name) + shift), seconds), volume * accent, pan)
                at += int(round(beats * BEAT))


def reverb(buffer):
    """A small hall: the music convolved with two seconds of decaying noise, circularly, so
    the reverb of the last bars sounds over the first ones as it would in a loop."""
    rng = np.random.default_rng(7)
    n = int(2.2 * RATE)
    t = np.arange(n) / RATE
    out = np.empty_like(buffer)
    for ch in range(2):
        tail = rng.standard_normal(n) * np.exp(-t * 3.2)
        # Smooth the noise so the reverb is darker than the dry sound.
        tail = np.convolve(tail, np.ones(6) / 6, mode="same")
        tail[: int(0.012 * RATE)] = 0
        impulse = np.zeros(LENGTH)
        impulse[:n] = tail / np.sqrt(np.sum(tail ** 2))
        wet = np.fft.irfft(np.fft.rfft(buffer[ch]) * np.fft.rfft(impulse), LENGTH)
        out[ch] = buffer[ch] * 0.85 + wet * 0.9
    return out


def loop_picture(samples, path):
    """The last and first 1500 samples of the left channel, end to end, as a line plot."""
    from PIL import Image, ImageDraw

    window = 1500
    joined = np.concatenate([samples[0, -window:], samples[0, :window]])
    image = Image.new("RGB", (1200, 300), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    draw.line((600, 0, 600, 300), fill=(230, 80, 80))
    points = [(i * 1200 / len(joined), 150 - v * 140) for i, v in enumerate(joined)]
    draw.line(points, fill=(20, 40, 120))
    image.save(path)


def main():
    buffer = np.zeros((2, LENGTH))
    ground(buffer)
    melody(buffer)
    mixed = reverb(buffer)
    mixed *= 0.8 / np.max(np.abs(mixed))
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "canon.wav")
        write_wav(wav, mixed.T.reshape(-1), channels=2)
        subprocess.run(["oggenc", "--quiet", "-q", "4", "-o", OUT, wav], check=True)
        decoded = os.path.join(tmp, "decoded.wav")
        subprocess.run(["oggdec", "--quiet", "-o", decoded, OUT], check=True)
        import wave
        with wave.open(decoded) as f:
            frames = f.getnframes()
            data = np.frombuffer(f.readframes(frames), "<i2").reshape(-1, 2).T / 32768.0
    steps = np.abs(np.diff(data, axis=1))
    join = np.abs(data[:, 0] - data[:, -1])
    print("length %.2f s (%d samples, %d decoded), %d bytes" % (LENGTH / RATE, LENGTH, frames, os.path.getsize(OUT)))
    print("step across the loop point: %s; ordinary steps: median %.4f, 99.9th percentile %.4f"
          % (np.round(join, 4), np.median(steps), np.percentile(steps, 99.9)))
    loop_picture(data, "tools/gen-sounds/loop-point.png")


if __name__ == "__main__":
    main()
