#!/usr/bin/env python3
"""Writes the two default alarm sounds into data/sounds/.

Mission2.mid  a short tune as a format-0 MIDI file, written byte by byte. It is
              written loud (full channel volume and expression, strong
              velocities, the melody doubled an octave down): with the
              player's synthesiser gain of 0.8 it peaks near -1 dBFS, as
              loud as the fanfare, for an alarm must wake people.
TaDa.mp3      a bright fanfare, synthesised here as a WAV and encoded by
              GStreamer's lamemp3enc (needs gstreamer1.0-tools and -plugins-good).

Both are deterministic: running the script again gives the same files.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "data", "sounds"))

# ---- MIDI -------------------------------------------------------------------

DIVISION = 240  # ticks per quarter note


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def tune_events():
    """(tick, status, data...) events: a driving bass in 5/4 under a brass line."""
    events = []
    eighth = DIVISION // 2
    bar = 5 * DIVISION
    # Bass ostinato, channel 1 (program 38: synth bass): long-long-short-short-short feel.
    bass_pattern = [(0, 3), (3, 3), (6, 2), (8, 2)]  # (start, length) in eighths
    bass_roots = [45, 45, 43, 44]  # A A G G#
    for b, root in enumerate(bass_roots):
        for start, length in bass_pattern:
            t = b * bar + start * eighth
            events.append((t, 0x91, root, 127))
            events.append((t + length * eighth - 20, 0x81, root, 0))
    # Melody, channel 0 (program 61: brass section), from the second bar.
    melody = [  # (eighth offset from bar 2, length in eighths, note)
        (0, 4, 69), (4, 1, 72), (5, 5, 76),
        (10, 4, 74), (14, 1, 72), (15, 5, 71),
        (20, 2, 69), (22, 2, 72), (24, 2, 76), (26, 4, 81),
    ]
    for start, length, note in melody:
        t = bar + start * eighth
        events.append((t, 0x90, note, 127))
        events.append((t + length * eighth - 10, 0x80, note, 0))
        events.append((t, 0x92, note - 12, 120))
        events.append((t + length * eighth - 10, 0x82, note - 12, 0))
    # Closing hit on the last beat.
    end = len(bass_roots) * bar
    for note in (57, 64, 69, 73):
        events.append((end, 0x90, note, 127))
        events.append((end + DIVISION * 2, 0x80, note, 0))
    events.sort(key=lambda e: (e[0], e[1] & 0xF0 == 0x90))
    return events


def write_midi(path):
    track = bytearray()
    track += var_len(0) + b"\xFF\x51\x03" + (400000).to_bytes(3, "big")  # 150 bpm
    track += var_len(0) + b"\xFF\x58\x04\x05\x02\x18\x08"  # 5/4
    track += var_len(0) + bytes([0xC0, 61])
    track += var_len(0) + bytes([0xC1, 38])
    track += var_len(0) + bytes([0xC2, 56])  # trumpet, doubling the brass an octave down
    for ch in (0, 1, 2):
        # Full channel volume and expression: the General MIDI default of 100 is 4 dB down.
        track += var_len(0) + bytes([0xB0 | ch, 7, 127])
        track += var_len(0) + bytes([0xB0 | ch, 11, 127])
    now = 0
    for tick, status, a, b in tune_events():
        track += var_len(tick - now) + bytes([status, a, b])
        now = tick
    track += var_len(0) + b"\xFF\x2F\x00"
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, DIVISION))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + track)


# ---- Fanfare ----------------------------------------------------------------

RATE = 44100


def brass(freq, t, length):
    """A bright additive tone with a quick attack and a gentle decay."""
    attack = min(1.0, t / 0.02)
    release = min(1.0, max(0.0, (length - t) / 0.08))
    env = attack * release * (0.75 + 0.25 * math.exp(-t * 3.0))
    wobble = 1.0 + 0.003 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3)
    s = 0.0
    for h in range(1, 9):
        s += math.sin(2 * math.pi * freq * h * wobble * t) / (h ** 1.1)
    return env * s


def fanfare_samples():
    c5, e5, g5, c6 = 523.25, 659.25, 783.99, 1046.5
    notes = [  # (start s, length s, frequencies)
        (0.00, 0.16, [g5]), (0.18, 0.16, [g5]), (0.36, 0.16, [g5]),
        (0.54, 0.50, [c6, e5]),
        (1.10, 1.40, [c5, e5, g5, c6]),
    ]
    total = int(RATE * 2.6)
    out = [0.0] * total
    for start, length, freqs in notes:
        first = int(start * RATE)
        for i in range(int(length * RATE)):
            t = i / RATE
            out[first + i] += sum(brass(f, t, length) for f in freqs) / len(freqs)
    peak = max(abs(v) for v in out) or 1.0
    return [int(v / peak * 0.85 * 32767) for v in out]


def write_fanfare(path):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "tada.wav")
        with wave.open(wav, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(b"".join(struct.pack("<h", s) for s in fanfare_samples()))
        subprocess.run(["gst-launch-1.0", "-q", "filesrc", "location=" + wav, "!", "wavparse", "!",
                        "audioconvert", "!", "lamemp3enc", "target=bitrate", "bitrate=96", "cbr=true", "!",
                        "filesink", "location=" + path], check=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_midi(os.path.join(OUT, "Mission2.mid"))
    write_fanfare(os.path.join(OUT, "TaDa.mp3"))
    for name in ("TaDa.mp3", "Mission2.mid"):
        print(name, os.path.getsize(os.path.join(OUT, name)), "bytes")


if __name__ == "__main__":
    sys.exit(main())
