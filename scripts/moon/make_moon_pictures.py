#!/usr/bin/env python3
"""Makes the moon picture resources in src/moon/pictures from the full-Moon photograph.

Each picture puts the Moon's disc on the centre pixel and radius the picture control draws its
shadow with, so the shadow lines meet the limb. Needs python3 and ImageMagick's `convert`.

    scripts/moon/make_moon_pictures.py [photo.png] [output-dir]
"""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))

# name suffix, picture size, centre column, centre row, radius (the control's size table)
SIZES = [
    ("LARGE", 64, 31, 28, 28),
    ("SMALL", 32, 15, 14, 14),
    ("TINY", 16, 7, 7, 7),
]

# Styles: resource prefix and the ImageMagick steps applied after scaling.
STYLES = [
    ("MOON", ["-colorspace", "Gray"]),  # classic: grey rendering
    ("MOON_COLOR", []),  # the photograph's own tones
    ("MOON_BW", ["-colorspace", "Gray", "-threshold", "55%", "-type", "Bilevel"]),  # two-tone, unused
]

EDGE_THRESHOLD = 48  # grey level taken as the limb; the sky is near 0, the limb above 100


def grey_pixels(photo):
    """Width, height and 8-bit grey values of the photograph."""
    size = subprocess.run(["identify", "-format", "%w %h", photo], check=True, capture_output=True, text=True)
    width, height = (int(v) for v in size.stdout.split())
    raw = subprocess.run(["convert", photo, "-colorspace", "Gray", "-depth", "8", "gray:-"],
                         check=True, capture_output=True).stdout
    return width, height, raw


def measure_disc(photo):
    """Least-squares circle through the limb points of every row and column: (cx, cy, r)."""
    width, height, grey = grey_pixels(photo)
    points = []
    for y in range(height):
        row = grey[y * width:(y + 1) * width]
        lit = [x for x in range(width) if row[x] > EDGE_THRESHOLD]
        if lit:
            points += [(lit[0], y + 0.5), (lit[-1] + 1, y + 0.5)]
    for x in range(width):
        lit = [y for y in range(height) if grey[y * width + x] > EDGE_THRESHOLD]
        if lit:
            points += [(x + 0.5, lit[0]), (x + 0.5, lit[-1] + 1)]
    # Circle x^2 + y^2 + D x + E y + F = 0, solved by the normal equations.
    sx = sum(p[0] for p in points)
    sy = sum(p[1] for p in points)
    sxx = sum(p[0] ** 2 for p in points)
    syy = sum(p[1] ** 2 for p in points)
    sxy = sum(p[0] * p[1] for p in points)
    z = [p[0] ** 2 + p[1] ** 2 for p in points]
    szx = sum(zi * p[0] for zi, p in zip(z, points))
    szy = sum(zi * p[1] for zi, p in zip(z, points))
    m = [[sxx, sxy, sx, -szx], [sxy, syy, sy, -szy], [sx, sy, len(points), -sum(z)]]
    for i in range(3):
        for r in range(3):
            if r != i:
                f = m[r][i] / m[i][i]
                m[r] = [a - f * b for a, b in zip(m[r], m[i])]
    d, e, f = (m[i][3] / m[i][i] for i in range(3))
    cx, cy = -d / 2, -e / 2
    return cx, cy, (cx * cx + cy * cy - f) ** 0.5


def shadow_rows(column, row, radius):
    """The pixels the control blackens at new Moon, per row: (y, first column, last column).

    Python's round() sends halves to even, like the control's shadow lines.
    """
    spans = []
    for m in range(-radius, radius + 1):
        half = round((radius * radius - m * m) ** 0.5)
        spans.append((row + m, column - half, column + half))
    return spans


def make_picture(photo, disc, size, column, row, radius, style_steps, out):
    cx, cy, r = disc
    # Continuous image coordinates: the centre of pixel (column, row) is (column + 0.5, row + 0.5).
    srt = f"{cx:.4f},{cy:.4f} {radius / r:.8f} 0 {column + 0.5},{row + 0.5}"
    # Faint limb pixels outside what the new-Moon shadow covers would stay lit as a ring: cut them.
    mask = ["(", "-size", f"{size}x{size}", "xc:black", "-fill", "white"]
    for y, first, last in shadow_rows(column, row, radius):
        mask += ["-draw", f"rectangle {first},{y} {last},{y}"]
    mask += [")"]
    command = ["convert", photo, "-colorspace", "RGB",  # scale in linear light
               "-virtual-pixel", "black", "-define", f"distort:viewport={size}x{size}+0+0",
               "-distort", "SRT", srt, "+repage", "-colorspace", "sRGB",
               *mask, "-compose", "Multiply", "-composite", *style_steps,
               "-strip", "-define", "png:exclude-chunks=date,time", out]
    subprocess.run(command, check=True)


def main():
    photo = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "src", "moon", "data", "moon-full.png")
    out_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(REPO, "src", "moon", "pictures")
    os.makedirs(out_dir, exist_ok=True)
    disc = measure_disc(photo)
    print(f"disc in {os.path.basename(photo)}: centre ({disc[0]:.2f}, {disc[1]:.2f}), radius {disc[2]:.2f}")
    for prefix, steps in STYLES:
        for suffix, size, column, row, radius in SIZES:
            out = os.path.join(out_dir, f"{prefix}_{suffix}".lower() + ".png")
            make_picture(photo, disc, size, column, row, radius, steps, out)
            print(f"wrote {os.path.relpath(out, REPO)}")


if __name__ == "__main__":
    main()
