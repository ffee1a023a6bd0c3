#!/usr/bin/env python3
"""Synthesise the help chime and write it as help_clip.wav.

A rising three-note bell chime (G5, C6, E6) with soft bell-like partials and
exponential decay, normalised to a -3 dBFS peak and faded to silence at the
end.  The first note starts at sample 0 so the clip is loud right away.

The file is a canonical 44-byte-header RIFF/WAVE PCM image of a fixed
size; the layout constants below spell it out.  Standard library only.
"""

import math
import os
import struct

# --- Layout of the image -------------------------------------------------
SAMPLE_RATE = 22050
CHANNELS = 1
BITS_PER_SAMPLE = 16
BLOCK_ALIGN = CHANNELS * BITS_PER_SAMPLE // 8       # 2
BYTE_RATE = SAMPLE_RATE * BLOCK_ALIGN               # 44100
NUM_SAMPLES = 61627
DATA_SIZE = NUM_SAMPLES * BLOCK_ALIGN               # 123254
FMT_CHUNK_SIZE = 16
HEADER_SIZE = 44          # RIFF(12) + "fmt " chunk(8 + 16) + "data" head(8)
IMAGE_SIZE = HEADER_SIZE + DATA_SIZE                # 123298
RIFF_SIZE = IMAGE_SIZE - 8                          # 123290
WAVE_FORMAT_PCM = 1

assert DATA_SIZE == 123254 and IMAGE_SIZE == 123298 and RIFF_SIZE == 123290

# --- Sound ---------------------------------------------------------------
PEAK_DBFS = -3.0
FULL_SCALE = 32767
ATTACK_S = 0.004          # short ramp so the notes start without a click
FADE_OUT_S = 0.5          # final fade to exact silence
# (start time s, frequency Hz, level, decay time constant s)
NOTES = (
    (0.00, 783.99, 1.00, 0.55),
    (0.14, 1046.50, 0.70, 0.60),
    (0.28, 1318.51, 0.60, 0.75),
)
# Bell-ish partials: (frequency ratio, relative level, decay factor).
PARTIALS = (
    (1.0, 1.00, 1.0),
    (2.0, 0.28, 0.6),
    (3.0, 0.08, 0.4),
    (4.16, 0.05, 0.25),
)


def synthesise():
    """Return the chime as a list of floats, peak normalised to 1.0."""
    out = [0.0] * NUM_SAMPLES
    for start, freq, level, tau in NOTES:
        first = int(round(start * SAMPLE_RATE))
        for ratio, rel, decay in PARTIALS:
            f = freq * ratio
            t_decay = tau * decay
            w = 2.0 * math.pi * f / SAMPLE_RATE
            for n in range(first, NUM_SAMPLES):
                t = (n - first) / SAMPLE_RATE
                env = math.exp(-t / t_decay)
                if env < 1e-5:
                    break
                if t < ATTACK_S:
                    env *= t / ATTACK_S
                out[n] += level * rel * env * math.sin(w * (n - first))
    peak = max(abs(v) for v in out)
    return [v / peak for v in out]


def to_pcm(signal):
    gain = FULL_SCALE * 10.0 ** (PEAK_DBFS / 20.0)
    fade_len = int(FADE_OUT_S * SAMPLE_RATE)
    fade_start = NUM_SAMPLES - fade_len
    samples = []
    for n, v in enumerate(signal):
        if n >= fade_start:
            # Raised-cosine fade reaching 0 on the last sample.
            x = (n - fade_start) / (fade_len - 1)
            v *= 0.5 * (1.0 + math.cos(math.pi * x))
        s = int(round(v * gain))
        assert -FULL_SCALE <= s <= FULL_SCALE
        samples.append(s)
    return samples


def build_wav(samples):
    assert len(samples) == NUM_SAMPLES
    header = struct.pack(
        "<4sI4s4sIHHIIHH4sI",
        b"RIFF", RIFF_SIZE, b"WAVE",
        b"fmt ", FMT_CHUNK_SIZE, WAVE_FORMAT_PCM, CHANNELS,
        SAMPLE_RATE, BYTE_RATE, BLOCK_ALIGN, BITS_PER_SAMPLE,
        b"data", DATA_SIZE)
    assert len(header) == HEADER_SIZE
    image = header + struct.pack("<%dh" % NUM_SAMPLES, *samples)
    assert len(image) == IMAGE_SIZE
    return image


def check_wav(image):
    """Read the image back and verify every header field and the size."""
    assert len(image) == IMAGE_SIZE
    fields = struct.unpack_from("<4sI4s4sIHHIIHH4sI", image, 0)
    assert fields == (b"RIFF", RIFF_SIZE, b"WAVE",
                      b"fmt ", FMT_CHUNK_SIZE, WAVE_FORMAT_PCM, CHANNELS,
                      SAMPLE_RATE, BYTE_RATE, BLOCK_ALIGN, BITS_PER_SAMPLE,
                      b"data", DATA_SIZE), fields
    assert HEADER_SIZE + fields[12] == len(image)  # nothing after the data
    samples = struct.unpack_from("<%dh" % NUM_SAMPLES, image, HEADER_SIZE)
    peak = max(abs(s) for s in samples)
    peak_dbfs = 20.0 * math.log10(peak / FULL_SCALE)
    assert abs(peak_dbfs - PEAK_DBFS) < 0.1, peak_dbfs
    first_50ms = samples[:int(0.05 * SAMPLE_RATE)]
    assert max(abs(s) for s in first_50ms) > FULL_SCALE // 4
    assert samples[-1] == 0
    return peak_dbfs


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "help_clip.wav")
    image = build_wav(to_pcm(synthesise()))
    check_wav(image)
    with open(path, "wb") as f:
        f.write(image)
    with open(path, "rb") as f:
        peak_dbfs = check_wav(f.read())
    print("wrote %s (%d bytes, %d samples, peak %.2f dBFS)"
          % (path, IMAGE_SIZE, NUM_SAMPLES, peak_dbfs))


if __name__ == "__main__":
    main()
