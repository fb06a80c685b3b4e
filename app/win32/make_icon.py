#!/usr/bin/env python3
"""Draws Plinvo's program icon, a yellow folder on a blue network cable, and writes it as a
Windows icon file with 16x16 and 32x32 images in 32-bit colour with alpha (Windows XP and
later), each with the 1-bit mask that older renderers use.

Only the Python standard library is used. The drawing is deterministic, so running the
script again gives the same bytes as the committed Plinvo.ico.

Usage: make_icon.py [output.ico]   (default: Plinvo.ico beside this script)
"""
import os
import struct
import sys

SIZES = (16, 32)
SUBSAMPLES = 4  # per axis, for smooth edges

# Colours as (red, green, blue).
OUTLINE = (138, 98, 12)
FOLDER_BACK = (222, 167, 38)
FOLDER_FRONT = (250, 208, 84)
FOLDER_LIGHT = (255, 234, 150)
CABLE = (36, 88, 176)
CABLE_DARK = (22, 56, 120)
NODE = (92, 150, 230)


def rounded_rect(x0, y0, x1, y1, radius):
    """A point test for a rectangle with rounded corners, in unit coordinates."""

    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    return inside


def grown(x0, y0, x1, y1, radius, by):
    return rounded_rect(x0 - by, y0 - by, x1 + by, y1 + by, radius + by)


def shapes(size):
    """The picture as (point test, colour) pairs, painted from first to last. The outline
    is one pixel wide at every size."""
    px = 1.0 / size
    tab = (0.06, 0.10, 0.44, 0.26, 0.05)
    back = (0.06, 0.17, 0.94, 0.64, 0.06)
    front = (0.06, 0.28, 0.94, 0.64, 0.06)
    stem = (0.42, 0.64, 0.58, 0.84, 0.0)
    bar = (0.04, 0.82, 0.96, 0.90, 0.02)
    node_left = (0.08, 0.76, 0.30, 0.98, 0.04)
    node_right = (0.70, 0.76, 0.92, 0.98, 0.04)
    node_middle = (0.39, 0.76, 0.61, 0.98, 0.04)
    return [
        (grown(*stem, px), CABLE_DARK),
        (grown(*bar, px), CABLE_DARK),
        (rounded_rect(*stem), CABLE),
        (rounded_rect(*bar), CABLE),
        (grown(*node_left, px), CABLE_DARK),
        (grown(*node_right, px), CABLE_DARK),
        (grown(*node_middle, px), CABLE_DARK),
        (rounded_rect(*node_left), NODE),
        (rounded_rect(*node_right), NODE),
        (rounded_rect(*node_middle), NODE),
        (grown(*tab, px), OUTLINE),
        (grown(*back, px), OUTLINE),
        (rounded_rect(*tab), FOLDER_BACK),
        (rounded_rect(*back), FOLDER_BACK),
        (grown(*front, px), OUTLINE),
        (rounded_rect(*front), FOLDER_FRONT),
        (rounded_rect(front[0] + px, front[1] + px, front[2] - px, front[1] + 2.5 * px, 0.0), FOLDER_LIGHT),
    ]


def render(size):
    """Returns rows of (red, green, blue, alpha), top row first."""
    picture = shapes(size)
    samples = SUBSAMPLES * SUBSAMPLES
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            red = green = blue = covered = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    ux = (x + (sx + 0.5) / SUBSAMPLES) / size
                    uy = (y + (sy + 0.5) / SUBSAMPLES) / size
                    colour = None
                    for inside, fill in picture:
                        if inside(ux, uy):
                            colour = fill
                    if colour is not None:
                        red += colour[0]
                        green += colour[1]
                        blue += colour[2]
                        covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * covered / samples)
                row.append((round(red / covered), round(green / covered), round(blue / covered), alpha))
        rows.append(row)
    return rows


def icon_image(rows):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, bottom-up AND mask."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (red, green, blue, alpha) in enumerate(row):
            pixels += bytes((blue, green, red, alpha))
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0
    )
    return header + bytes(pixels) + bytes(mask)


def icon_file(sizes):
    images = [icon_image(render(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main(argv):
    if len(argv) > 2:
        sys.stderr.write("usage: make_icon.py [output.ico]\n")
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    output = argv[1] if len(argv) == 2 else os.path.join(here, "Plinvo.ico")
    data = icon_file(SIZES)
    with open(output, "wb") as stream:
        stream.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
