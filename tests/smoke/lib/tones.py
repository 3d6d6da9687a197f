"""Prints the tones heard in a recording, in order: one frequency (Hz) a line.

Usage: tones.py RECORDING HZ [HZ...]. The recording is 16-bit little-endian stereo at 44.1 kHz.
Each fifth of a second is given the expected tone its zero crossings come close to, if any (a
fifth that straddles two tones, or silence, gives none); a tone heard for at least two fifths
in a row is told once.
"""
import array
import sys

RATE = 44100
WINDOW = RATE // 5


def tones(path, expected):
    samples = array.array("h")
    with open(path, "rb") as f:
        samples.frombytes(f.read())
    left = samples[0::2]
    heard = []
    for start in range(0, len(left) - WINDOW, WINDOW):
        block = left[start:start + WINDOW]
        if max(abs(s) for s in block) < 1000:
            heard.append(None)
            continue
        crossings = sum(1 for a, b in zip(block, block[1:]) if (a < 0) != (b < 0))
        hz = crossings / 2 / (WINDOW / RATE)
        near = [t for t in expected if abs(t - hz) < 25]
        heard.append(near[0] if near else None)
    runs = []
    for i in range(1, len(heard)):
        tone = heard[i]
        if tone is not None and tone == heard[i - 1] and (not runs or runs[-1] != tone):
            runs.append(tone)
    return runs


if __name__ == "__main__":
    for tone in tones(sys.argv[1], [int(a) for a in sys.argv[2:]]):
        print(tone)
