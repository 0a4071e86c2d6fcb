#!/usr/bin/env python3
"""Makes the super button's built-in click sound (data/click.wav): a 25 ms tick, a
short 3 kHz burst with a fast decay over a thump at 180 Hz, 16-bit mono at 22050 Hz.
No randomness, so the file is the same on every run. Run it to regenerate."""
import math
import struct
import sys

RATE = 22050
LENGTH = 0.025  # seconds


def sample(i):
    t = i / RATE
    tick = math.sin(2 * math.pi * 3000 * t) * math.exp(-t / 0.002)
    thump = 0.5 * math.sin(2 * math.pi * 180 * t) * math.exp(-t / 0.006)
    # Half a millisecond of fade-in, so the sound starts without a crack.
    attack = min(1.0, t / 0.0005)
    return max(-1.0, min(1.0, 0.7 * attack * (tick + thump)))


def wave():
    count = int(RATE * LENGTH)
    data = b"".join(struct.pack("<h", round(sample(i) * 32767)) for i in range(count))
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)  # PCM, mono, 16-bit
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data/click.wav"
    with open(out, "wb") as f:
        f.write(wave())


if __name__ == "__main__":
    main()
