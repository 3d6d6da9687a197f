"""Prints the silences inside a recording, in milliseconds, one a line.

Usage: gaps.py RECORDING. The recording is 16-bit little-endian stereo at 44.1 kHz. Only
silences between two sounds count (not the lead-in or the tail); a silence is a run of
samples below the threshold lasting at least 5 ms.
"""
import array
import sys

RATE = 44100
THRESHOLD = 300


def gaps(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        samples.frombytes(f.read())
    left = samples[0::2]
    loud = [i for i in range(len(left)) if abs(left[i]) >= THRESHOLD]
    out = []
    for a, b in zip(loud, loud[1:]):
        if b - a > RATE // 200:
            out.append(round((b - a) * 1000 / RATE))
    return out


if __name__ == "__main__":
    for gap in gaps(sys.argv[1]):
        print(gap)
