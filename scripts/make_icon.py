#!/usr/bin/env python3
"""Draw the Pointsmith object icon: res/pointsmith.tif.

A bold arrow pointing right, 64 x 64 pixels, filled orange with a soft
top-to-bottom shade, a dark outline and a transparent background. The arrow
polygon is rasterised with antialiasing (exact horizontal coverage on 16
sub-scanlines per pixel) and written as an uncompressed little-endian
baseline TIFF, RGBA with 8 bits per sample and unassociated alpha.

Standard library only. Usage: python3 scripts/make_icon.py [OUTPUT]
The output defaults to res/pointsmith.tif beside this script's folder and is
the same byte for byte on every run.
"""

import math
import os
import struct
import sys

SIZE = 64
SUBROWS = 16  # sub-scanlines per pixel row

# The arrow, in pixel units (x right, y down), corners in clockwise order on
# screen: tail, shaft top, upper barb, tip, lower barb, shaft bottom, tail.
ARROW = [
    (6.0, 24.0),
    (33.0, 24.0),
    (33.0, 9.0),
    (58.0, 32.0),
    (33.0, 55.0),
    (33.0, 40.0),
    (6.0, 40.0),
]

OUTLINE = 2.0  # width of the dark outline, centred on the arrow's edge;
              # with the corners on whole pixels its straight edges stay crisp

FILL_TOP = (255, 176, 72)     # light orange at the top of the glyph
FILL_BOTTOM = (236, 110, 0)   # deeper orange at the bottom
OUTLINE_RGB = (110, 42, 0)    # dark brown-orange


def signed_area(poly):
    """Twice the signed area; positive for clockwise corners with y down."""
    return sum(x0 * y1 - x1 * y0
               for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]))


def offset_polygon(poly, d):
    """Move every edge of a simple polygon outwards by d (inwards for d < 0),
    joining neighbouring edges with mitres."""
    n = len(poly)
    orient = 1.0 if signed_area(poly) > 0 else -1.0
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
        length = math.hypot(x1 - x0, y1 - y0)
        # Outward normal: for clockwise order on a y-down screen it is
        # (dy, -dx) / length.
        nx, ny = orient * (y1 - y0) / length, -orient * (x1 - x0) / length
        lines.append(((x0 + nx * d, y0 + ny * d), (x1 - x0, y1 - y0)))
    out = []
    for i in range(n):
        (px, py), (dx, dy) = lines[i - 1]
        (qx, qy), (ex, ey) = lines[i]
        den = dx * ey - dy * ex
        t = ((qx - px) * ey - (qy - py) * ex) / den
        out.append((px + t * dx, py + t * dy))
    return out


def coverage(poly, size=SIZE, subrows=SUBROWS):
    """Fraction of each pixel covered by the polygon (even-odd rule), as a
    list of rows of floats in 0..1."""
    cov = [[0.0] * size for _ in range(size)]
    n = len(poly)
    weight = 1.0 / subrows
    for row in range(size):
        acc = cov[row]
        for s in range(subrows):
            y = row + (s + 0.5) / subrows
            xs = []
            for i in range(n):
                (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
                if (y0 <= y) != (y1 <= y):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                a = max(a, 0.0)
                b = min(b, float(size))
                if b <= a:
                    continue
                for px in range(int(a), min(int(math.ceil(b)), size)):
                    overlap = min(b, px + 1.0) - max(a, float(px))
                    if overlap > 0.0:
                        acc[px] += overlap * weight
    return cov


def render():
    """The icon as bytes, RGBA row by row from the top, straight alpha."""
    outer = coverage(offset_polygon(ARROW, OUTLINE / 2.0))
    inner = coverage(offset_polygon(ARROW, -OUTLINE / 2.0))
    ys = [y for _, y in ARROW]
    top, bottom = min(ys), max(ys)
    pixels = bytearray()
    for row in range(SIZE):
        t = min(max((row + 0.5 - top) / (bottom - top), 0.0), 1.0)
        t = t * t * (3.0 - 2.0 * t)  # smooth shade
        fill = [a + (b - a) * t for a, b in zip(FILL_TOP, FILL_BOTTOM)]
        for col in range(SIZE):
            co = min(outer[row][col], 1.0)
            ci = min(inner[row][col], co)
            if co <= 0.0:
                pixels += b"\0\0\0\0"
                continue
            # Fill over outline, both as premultiplied colour, then back to
            # straight colour for the TIFF's unassociated alpha.
            rgb = [(f * ci + o * (co - ci)) / co
                   for f, o in zip(fill, OUTLINE_RGB)]
            pixels += bytes(int(round(v)) for v in rgb)
            pixels.append(int(round(co * 255.0)))
    return bytes(pixels)


def tiff_bytes(width, height, rgba):
    """An uncompressed little-endian baseline TIFF, RGBA 8-8-8-8, one strip."""
    SHORT, LONG, RATIONAL = 3, 4, 5
    entries = 14
    ifd_offset = 8
    extra = ifd_offset + 2 + entries * 12 + 4     # data after the IFD
    bps_offset = extra                            # 4 SHORTs: 8 bytes
    xres_offset = bps_offset + 8                  # RATIONAL: 8 bytes
    yres_offset = xres_offset + 8
    image_offset = yres_offset + 8

    tags = [
        (256, LONG, 1, width),                  # ImageWidth
        (257, LONG, 1, height),                 # ImageLength
        (258, SHORT, 4, bps_offset),            # BitsPerSample 8,8,8,8
        (259, SHORT, 1, 1),                     # Compression: none
        (262, SHORT, 1, 2),                     # Photometric: RGB
        (273, LONG, 1, image_offset),           # StripOffsets
        (277, SHORT, 1, 4),                     # SamplesPerPixel
        (278, LONG, 1, height),                 # RowsPerStrip
        (279, LONG, 1, len(rgba)),              # StripByteCounts
        (282, RATIONAL, 1, xres_offset),        # XResolution 72/1
        (283, RATIONAL, 1, yres_offset),        # YResolution 72/1
        (284, SHORT, 1, 1),                     # PlanarConfiguration: chunky
        (296, SHORT, 1, 2),                     # ResolutionUnit: inch
        (338, SHORT, 1, 2),                     # ExtraSamples: unassociated alpha
    ]
    assert len(tags) == entries

    out = bytearray(b"II*\0")
    out += struct.pack("<I", ifd_offset)
    out += struct.pack("<H", entries)
    for tag, typ, count, value in tags:
        if typ == SHORT and count == 1:
            field = struct.pack("<HH", value, 0)   # left-justified in 4 bytes
        else:
            field = struct.pack("<I", value)
        out += struct.pack("<HHI", tag, typ, count) + field
    out += struct.pack("<I", 0)                    # no further IFD
    assert len(out) == bps_offset
    out += struct.pack("<4H", 8, 8, 8, 8)
    out += struct.pack("<II", 72, 1)
    out += struct.pack("<II", 72, 1)
    assert len(out) == image_offset
    out += rgba
    return bytes(out)


def main(argv):
    if len(argv) > 1:
        path = argv[1]
    else:
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        path = os.path.join(root, "res", "pointsmith.tif")
    data = tiff_bytes(SIZE, SIZE, render())
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
