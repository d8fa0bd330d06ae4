#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Makes the looping lakeside ambience: lapping water, a light breeze and now and then a distant gull.

Everything is built on a circular time line of exactly 320,000 sample frames (29.02 s at 11,025 per
second): noise is shaped in the frequency domain of the whole loop, slow swells are sums of whole
cycles per loop, and every event that runs past the end continues at the start. The last sample thus
leads into the first like any other pair, and the loop has no click. sox encodes the result as
Microsoft ADPCM, stereo, 4 bits, 512-byte blocks of 500 samples: 640 blocks, 327,680 bytes of data.
"""
import os
import struct
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402

RATE = 11025
N = 320000
SEED = 2311


def shaped_noise(rng, lo, hi, slope=0.0):
    """Periodic noise with a band from lo to hi Hz (soft edges) and a spectral tilt in dB per octave."""
    spectrum = np.fft.rfft(rng.standard_normal(N))
    f = np.fft.rfftfreq(N, 1.0 / RATE)
    band = 1 / (1 + (lo / np.maximum(f, 1e-3)) ** 4) / (1 + (f / hi) ** 4)
    tilt = (np.maximum(f, 20.0) / 500.0) ** (slope / 6.02)
    out = np.fft.irfft(spectrum * band * tilt, N)
    return out / np.std(out)


def swell(rng, cycles_range, terms=6):
    """A slow positive envelope made of whole cycles per loop."""
    t = np.arange(N) / N
    e = np.zeros(N)
    for _ in range(terms):
        c = int(rng.integers(*cycles_range))
        e += rng.uniform(0.3, 1.0) * np.sin(2 * np.pi * c * t + rng.uniform(0, 2 * np.pi))
    return e / terms


def add_wrapped(buf, start, sig):
    idx = (start + np.arange(len(sig))) % N
    np.add.at(buf, idx, sig)


def lapping(rng):
    """Small waves slapping the jetty and the bank: bursts of band-passed noise with gurgles."""
    out = np.zeros((2, N))
    t = 0
    while t < N:
        length = int(rng.uniform(0.5, 1.3) * RATE)
        env = np.sin(np.linspace(0, np.pi, length)) ** 2 * np.exp(-np.linspace(0, 2.5, length))
        body = np.convolve(rng.standard_normal(length), np.hanning(9), "same")
        lvl = rng.uniform(0.25, 0.8)
        pan = rng.uniform(0.25, 0.75)
        sig = env * body * lvl
        add_wrapped(out[0], t, sig * (1 - pan) * 2)
        add_wrapped(out[1], t + int(rng.integers(0, 40)), sig * pan * 2)
        # a few gurgles: short resonant pops with a falling pitch
        for _ in range(int(rng.integers(1, 4))):
            gl = int(rng.uniform(0.04, 0.09) * RATE)
            f0 = rng.uniform(380, 900)
            ft = f0 * np.linspace(1.25, 0.85, gl)
            ph = 2 * np.pi * np.cumsum(ft) / RATE
            g = np.sin(ph) * np.exp(-np.linspace(0, 5, gl)) * rng.uniform(0.15, 0.4)
            st = t + int(rng.uniform(0.05, 0.6) * length)
            p = rng.uniform(0.2, 0.8)
            add_wrapped(out[0], st, g * (1 - p) * 2)
            add_wrapped(out[1], st, g * p * 2)
        t += int(rng.uniform(0.55, 1.5) * RATE)
    return out


def gull_call(rng):
    """One call of a few falling 'kyow' notes, heard from across the water."""
    notes = []
    count = int(rng.integers(2, 5))
    for i in range(count):
        dur = rng.uniform(0.22, 0.34)
        n = int(dur * RATE)
        u = np.linspace(0, 1, n)
        f0 = rng.uniform(1250, 1450) * (1 - 0.35 * u ** 1.5) * (1 + 0.12 * np.exp(-u * 12))
        ph = 2 * np.pi * np.cumsum(f0) / RATE
        tone = sum((0.8 ** h) * np.sin(h * ph + h) for h in range(1, 4))  # all below the Nyquist limit
        rough = 1 + 0.25 * np.sin(2 * np.pi * 75 * u * dur)
        env = np.minimum(u / 0.08, 1) * np.exp(-u * 2.2) * (1 - u) ** 0.5
        notes.append(tone * env * rough)
        notes.append(np.zeros(int(rng.uniform(0.07, 0.16) * RATE)))
    sig = np.concatenate(notes)
    # distance: a soft low-pass and a short echo off the far shore
    k = np.hanning(7)
    sig = np.convolve(sig, k / k.sum(), "same")
    echo = np.zeros(len(sig) + int(0.35 * RATE))
    echo[: len(sig)] += sig
    echo[int(0.35 * RATE):] += 0.22 * sig
    return echo / np.max(np.abs(echo))


def main(outdir):
    rng = np.random.default_rng(SEED)
    t = np.arange(N) / N
    # breeze: low rustle whose strength swells in whole cycles of the loop
    breeze_env = 0.55 + 0.45 * swell(rng, (2, 7))
    breeze = np.stack([shaped_noise(rng, 60, 700, -3), shaped_noise(rng, 60, 700, -3)])
    leaves = np.stack([shaped_noise(rng, 1500, 4200, 0), shaped_noise(rng, 1500, 4200, 0)])
    leaves_env = np.clip(0.2 + 0.8 * swell(rng, (3, 11)), 0, None) ** 2
    water_bed = np.stack([shaped_noise(rng, 150, 1400, -2), shaped_noise(rng, 150, 1400, -2)])
    bed_env = 0.7 + 0.3 * np.sin(2 * np.pi * 37 * t + 0.4) * (0.6 + 0.4 * np.sin(2 * np.pi * 5 * t))
    mix = 0.10 * breeze * breeze_env + 0.028 * leaves * leaves_env + 0.05 * water_bed * bed_env
    mix += 0.18 * lapping(rng)
    # gulls: three calls at fixed places of the loop
    for start_s, level, pan in ((3.2, 0.2, 0.3), (14.8, 0.15, 0.75), (23.9, 0.17, 0.55)):
        c = gull_call(rng) * level
        add_wrapped(mix[0], int(start_s * RATE), c * (1 - pan) * 2)
        add_wrapped(mix[1], int(start_s * RATE) + 6, c * pan * 2)
    # remove any offset and scale to a comfortable level with headroom
    mix -= mix.mean(axis=1, keepdims=True)
    mix *= 0.5 / np.max(np.abs(mix))
    pcm = np.clip(np.rint(mix.T * 32767), -32768, 32767).astype("<i2")
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "ambience.raw")
        pcm.tofile(src)
        out = os.path.join(outdir, "SoundName.wav")
        subprocess.run(["sox", "-D", "-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16", "-c", "2", src,
                        "-t", "wav", "-e", "ms-adpcm", out], check=True)
    check(out)


def check(path):
    data = open(path, "rb").read()
    assert data[:4] == b"RIFF" and data[8:12] == b"WAVE"
    pos = 12
    fmt = None
    size = None
    while pos < len(data):
        cid, clen = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if cid == b"fmt ":
            fmt = struct.unpack("<HHIIHHHH", data[pos + 8:pos + 28])
        if cid == b"data":
            size = clen
        pos += 8 + clen + (clen & 1)
    tag, ch, rate, _, align, bits, _, spb = fmt
    assert (tag, ch, rate, align, bits, spb) == (2, 2, 11025, 512, 4, 500), fmt
    assert size == 327680, size


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else common.ASSETS)
