#!/usr/bin/env python3
"""Measures text and check box contrast in screenshots of the main window.

Usage: check-contrast.py SHOT.png [SHOT.png...]

Each SHOT.png needs SHOT.regions beside it, as quirewell-screenshots --regions writes it:
"text X Y W H" for a text on a plain background, "check X Y W H checked|unchecked" for a
check box's indicator. A text's colour is its pixel of highest contrast against the region's
most common colour (its background); it must reach 4.5:1. A check box's frame must reach 3:1
against what surrounds the box, and a tick 3:1 against the box's fill. Prints one line per
screenshot (the lowest figures) and every failure; exits 1 when anything fails.
Only the standard library is used (the PNG decoder handles Qt's 8-bit RGB and RGBA files).
"""
import struct
import sys
import zlib
from collections import Counter


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit RGB/RGBA PNG files without interlacing")
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                best = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + best) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return rows


def luminance(rgb):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def pixels(image, x, y, w, h):
    height, width = len(image), len(image[0])
    return [image[j][i] for j in range(max(0, y), min(height, y + h))
            for i in range(max(0, x), min(width, x + w))]


def ring(image, x, y, w, h, inset, thickness):
    """The band of the given thickness, inset pixels inside the rectangle (negative: outside)."""
    x, y, w, h = x + inset, y + inset, w - 2 * inset, h - 2 * inset
    inner = set()
    for j in range(y + thickness, y + h - thickness):
        for i in range(x + thickness, x + w - thickness):
            inner.add((i, j))
    height, width = len(image), len(image[0])
    return [image[j][i] for j in range(max(0, y), min(height, y + h))
            for i in range(max(0, x), min(width, x + w)) if (i, j) not in inner]


def strongest(colours, against):
    return max((contrast(c, against) for c in colours), default=1.0)


def check_shot(png):
    image = read_png(png)
    regions = png[:-4] + ".regions"
    failures, lowest = [], {"text": 99.0, "frame": 99.0, "tick": 99.0}
    with open(regions) as f:
        for number, line in enumerate(f, 1):
            parts = line.split()
            if not parts:
                continue
            kind, (x, y, w, h) = parts[0], map(int, parts[1:5])
            where = f"{regions}:{number} ({line.strip()})"
            if kind == "text":
                area = pixels(image, x, y, w, h)
                if not area:
                    continue
                background = Counter(area).most_common(1)[0][0]
                ratio = strongest(area, background)
                lowest["text"] = min(lowest["text"], ratio)
                if ratio < 4.5:
                    failures.append(f"{where}: text {ratio:.2f}:1, below 4.5:1")
            elif kind == "check":
                around = Counter(ring(image, x, y, w, h, -3, 2)).most_common(1)[0][0]
                frame = strongest(ring(image, x, y, w, h, 0, 3), around)
                lowest["frame"] = min(lowest["frame"], frame)
                if frame < 3:
                    failures.append(f"{where}: box frame {frame:.2f}:1, below 3:1")
                if parts[5] == "checked":
                    inside = pixels(image, x + 3, y + 3, w - 6, h - 6)
                    fill = Counter(inside).most_common(1)[0][0]
                    tick = strongest(inside, fill)
                    lowest["tick"] = min(lowest["tick"], tick)
                    if tick < 3:
                        failures.append(f"{where}: tick {tick:.2f}:1, below 3:1")
    figures = ", ".join(f"{k} {v:.2f}:1" for k, v in lowest.items() if v < 99)
    print(f"{png}: lowest {figures}")
    return failures


def main(arguments):
    if not arguments:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    failures = []
    for png in arguments:
        failures += check_shot(png)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
