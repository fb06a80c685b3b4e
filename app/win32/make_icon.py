#!/usr/bin/env python3
"""Draws Plinvo's program icon, a yellow folder on a blue network cable, and the small
pictures of its buttons and menu bar, and writes them as Windows icon files, each image with
the 1-bit mask that marks its see-through pixels.

The program icon is 32-bit colour with alpha (Windows XP and later): it is what Explorer, the
taskbar and Alt+Tab show, large and often. The pictures are 4-bit, sixteen colours chosen per
picture: at 16x16 a quarter of the size, and the mask gives them the same see-through
background on every renderer.

Only the Python standard library is used. The drawing is deterministic, so running the
script again gives the same bytes as the committed files.

Usage: make_icon.py                     Plinvo.ico and pictures/*.ico beside this script
       make_icon.py output.ico          the program icon only, to output.ico
       make_icon.py --pictures FOLDER   the pictures only, into FOLDER
"""
import math
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


def render(size, draw=None):
    """Returns rows of (red, green, blue, alpha), top row first. `draw(size)` gives the
    picture's shapes; the program icon's by default."""
    picture = (draw or shapes)(size)
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


# A 4-bit pixel is see-through where less than half of it is covered; the mask hides it.
OPAQUE_FROM = 128
PALETTE_SIZE = 16


def median_cut(colours, count):
    """Up to `count` colours standing for `colours` (a list of (red, green, blue); a colour that
    occurs more often weighs more): the box of colours with the widest spread along one channel
    is split at its median there until there are `count` boxes; each box gives its mean."""

    def spread(box, channel):
        return max(c[channel] for c in box) - min(c[channel] for c in box)

    boxes = [list(colours)]
    while len(boxes) < count:
        splittable = [(box, channel) for box in boxes if len(set(box)) > 1 for channel in range(3)]
        if not splittable:
            break
        box, channel = max(splittable, key=lambda choice: spread(*choice))
        median = sorted(c[channel] for c in box)[len(box) // 2]
        low = [c for c in box if c[channel] < median] or [c for c in box if c[channel] <= median]
        high = [c for c in box if c not in low]
        boxes.remove(box)
        boxes += [low, high]
    return [tuple(round(sum(c[i] for c in box) / len(box)) for i in range(3)) for box in boxes]


def nearest(palette, colour):
    return min(
        range(len(palette)),
        key=lambda i: (sum((palette[i][k] - colour[k]) ** 2 for k in range(3)), i),
    )


def icon_image_4bit(rows):
    """One 16-colour icon image: BITMAPINFOHEADER, the palette, bottom-up 4-bit pixels, bottom-up
    AND mask. Entry 0 of the palette is black, the colour of every masked pixel: the screen is
    ANDed with the mask, then XORed with the colour, so black leaves it as it was."""
    size = len(rows)
    opaque = [(r, g, b) for row in rows for (r, g, b, a) in row if a >= OPAQUE_FROM]
    palette = [(0, 0, 0)] + median_cut(opaque, PALETTE_SIZE - 1)
    palette += [(0, 0, 0)] * (PALETTE_SIZE - len(palette))
    pixel_stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        indices = bytearray(pixel_stride)
        bits = bytearray(mask_stride)
        for x, (red, green, blue, alpha) in enumerate(row):
            if alpha < OPAQUE_FROM:
                bits[x // 8] |= 0x80 >> (x % 8)
                continue
            index = nearest(palette, (red, green, blue))
            indices[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += indices
        mask += bits
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, PALETTE_SIZE, 0
    )
    colours = b"".join(bytes((blue, green, red, 0)) for red, green, blue in palette)
    return header + colours + bytes(pixels) + bytes(mask)


def icon_file(sizes, draw=None, bits=32):
    """An icon file with one image per size, `bits` (32 or 4) per pixel."""
    encode = icon_image if bits == 32 else icon_image_4bit
    images = [encode(render(size, draw)) for size in sizes]
    colours = PALETTE_SIZE if bits == 4 else 0
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack(
            "<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(image), offset
        )
        offset += len(image)
    return directory + entries + b"".join(images)


# The pictures of the buttons and the menu bar. Shapes are point tests in unit coordinates
# (0..1 across the image), painted from first to last like the program icon's.

WHITE = (255, 255, 255)
GREEN = (56, 160, 56)
GREEN_DARK = (24, 100, 28)
GREEN_LIGHT = (150, 220, 130)
RED = (214, 40, 36)
RED_DARK = (132, 16, 16)
BLUE = (44, 110, 210)
BLUE_DARK = (22, 60, 140)
DOOR = (150, 96, 48)
DOOR_DARK = (96, 56, 24)


def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def segment_distance(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length))
    return ((x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2) ** 0.5


def stroke(points, width):
    """A line through `points` with round ends and joints, `width` wide."""
    pairs = list(zip(points, points[1:]))

    def inside(x, y):
        return any(segment_distance(x, y, *a, *b) <= width / 2 for a, b in pairs)

    return inside


def polygon(points, grow=0.0):
    """A polygon (even-odd rule), optionally grown by `grow` all round for an outline."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        crossings = 0
        for (x0, y0), (x1, y1) in edges:
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                crossings += 1
        if crossings % 2:
            return True
        return grow > 0 and any(segment_distance(x, y, *a, *b) <= grow for a, b in edges)

    return inside


def arc(cx, cy, radius, width, start, end):
    """A band along a circle from angle `start` to `end` (degrees, counter-clockwise from
    three o'clock, as on a screen with y growing downwards: 90 is the top)."""

    def inside(x, y):
        distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if abs(distance - radius) > width / 2:
            return False
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (angle - start) % 360 <= (end - start) % 360

    return inside


def on_circle(cx, cy, radius, angle):
    return cx + radius * math.cos(math.radians(angle)), cy - radius * math.sin(math.radians(angle))


def arrow_head(cx, cy, radius, width, angle, clockwise):
    """A triangle at the end of an arc at `angle`, pointing along the circle."""
    tip_angle = angle - 40 if clockwise else angle + 40
    inner = on_circle(cx, cy, radius - width * 1.25, angle)
    outer = on_circle(cx, cy, radius + width * 1.25, angle)
    return [inner, outer, on_circle(cx, cy, radius, tip_angle)]


def apply_picture(size):
    """A green tick on a light disc."""
    px = 1.0 / size
    tick = [(0.24, 0.52), (0.43, 0.71), (0.78, 0.30)]
    return [
        (disc(0.5, 0.5, 0.47 + px), GREEN_DARK),
        (disc(0.5, 0.5, 0.47), GREEN_LIGHT),
        (stroke(tick, 0.19 + 2 * px), GREEN_DARK),
        (stroke(tick, 0.19), GREEN),
    ]


def refresh_picture(size):
    """Two blue arrows chasing each other round a circle."""
    px = 1.0 / size
    centre, radius, width = 0.5, 0.32, 0.14
    shapes = []
    for start, end in ((95, 215), (275, 35)):
        head = arrow_head(centre, centre, radius, width, end, clockwise=False)
        shapes += [
            (arc(centre, centre, radius, width + 2 * px, start, end + 2), BLUE_DARK),
            (polygon(head, px), BLUE_DARK),
            (arc(centre, centre, radius, width, start, end + 2), BLUE),
            (polygon(head), BLUE),
        ]
    return shapes


def octagon(cx, cy, radius):
    return [on_circle(cx, cy, radius, 22.5 + 45 * i) for i in range(8)]


def stop_picture(size):
    """A red stop sign with a white bar."""
    px = 1.0 / size
    return [
        (polygon(octagon(0.5, 0.5, 0.48), px), RED_DARK),
        (polygon(octagon(0.5, 0.5, 0.48)), RED),
        (rounded_rect(0.22, 0.42, 0.78, 0.58, 0.0), WHITE),
    ]


def folder(px, top=0.17, bottom=0.84):
    tab = (0.04, top - 0.06, 0.42, top + 0.10, 0.05)
    back = (0.04, top, 0.92, bottom, 0.05)
    front = (0.04, top + 0.11, 0.92, bottom, 0.05)
    return [
        (grown(*tab, px), OUTLINE),
        (grown(*back, px), OUTLINE),
        (rounded_rect(*tab), FOLDER_BACK),
        (rounded_rect(*back), FOLDER_BACK),
        (grown(*front, px), OUTLINE),
        (rounded_rect(*front), FOLDER_FRONT),
        (rounded_rect(front[0] + px, front[1] + px, front[2] - px, front[1] + 2 * px, 0.0), FOLDER_LIGHT),
    ]


def new_share_picture(size):
    """A folder with a green plus at its lower right."""
    px = 1.0 / size
    bar = 0.13
    cx, cy, arm = 0.72, 0.70, 0.26
    plus = [
        (cx - bar, cy - arm), (cx + bar, cy - arm), (cx + bar, cy - bar), (cx + arm, cy - bar),
        (cx + arm, cy + bar), (cx + bar, cy + bar), (cx + bar, cy + arm), (cx - bar, cy + arm),
        (cx - bar, cy + bar), (cx - arm, cy + bar), (cx - arm, cy - bar), (cx - bar, cy - bar),
    ]
    return folder(px, 0.14, 0.76) + [
        (polygon(plus, px), GREEN_DARK),
        (polygon(plus), GREEN),
    ]


def file_picture(size):
    """A plain folder, for the File menu."""
    return folder(1.0 / size)


def help_picture(size):
    """A white question mark on a blue disc."""
    px = 1.0 / size
    hook = [on_circle(0.5, 0.38, 0.15, angle) for angle in range(160, -100, -20)]
    hook.append((0.5, 0.62))
    return [
        (disc(0.5, 0.5, 0.48 + px), BLUE_DARK),
        (disc(0.5, 0.5, 0.48), BLUE),
        (stroke(hook, 0.13), WHITE),
        (disc(0.5, 0.79, 0.085), WHITE),
    ]


YELLOW = (250, 196, 40)
YELLOW_DARK = (150, 100, 10)
GREY = (150, 150, 150)
GREY_DARK = (90, 90, 90)
BLACK = (30, 30, 30)


def blocks_picture(size):
    """A white cross on a red disc: this keeps visitors out."""
    px = 1.0 / size
    return [
        (disc(0.5, 0.5, 0.47 + px), RED_DARK),
        (disc(0.5, 0.5, 0.47), RED),
        (stroke([(0.31, 0.31), (0.69, 0.69)], 0.15), WHITE),
        (stroke([(0.31, 0.69), (0.69, 0.31)], 0.15), WHITE),
    ]


def notice_picture(size):
    """A black exclamation mark on a yellow triangle: worth knowing."""
    px = 1.0 / size
    triangle = [(0.5, 0.04), (0.97, 0.92), (0.03, 0.92)]
    return [
        (polygon(triangle, px), YELLOW_DARK),
        (polygon(triangle), YELLOW),
        (stroke([(0.5, 0.34), (0.5, 0.62)], 0.13), BLACK),
        (disc(0.5, 0.77, 0.075), BLACK),
    ]


def unchecked_picture(size):
    """A white question mark on a grey disc: could not be checked."""
    px = 1.0 / size
    hook = [on_circle(0.5, 0.38, 0.15, angle) for angle in range(160, -100, -20)]
    hook.append((0.5, 0.62))
    return [
        (disc(0.5, 0.5, 0.48 + px), GREY_DARK),
        (disc(0.5, 0.5, 0.48), GREY),
        (stroke(hook, 0.13), WHITE),
        (disc(0.5, 0.79, 0.085), WHITE),
    ]


def holds_picture(size):
    """The green tick of "Apply", small: this holds."""
    return apply_picture(size)


# File name in pictures/, sizes, drawing. The resource script names each file.
PICTURES = (
    ("apply.ico", (32,), apply_picture),
    ("refresh.ico", (16,), refresh_picture),
    ("stop-share.ico", (16,), stop_picture),
    ("new-share.ico", (16,), new_share_picture),
    ("file.ico", (16,), file_picture),
    ("help.ico", (16,), help_picture),
    ("holds.ico", (16,), holds_picture),
    ("blocks.ico", (16,), blocks_picture),
    ("notice.ico", (16,), notice_picture),
    ("unchecked.ico", (16,), unchecked_picture),
)


def write(path, data):
    with open(path, "wb") as stream:
        stream.write(data)


def write_pictures(folder_path):
    os.makedirs(folder_path, exist_ok=True)
    for name, sizes, draw in PICTURES:
        write(os.path.join(folder_path, name), icon_file(sizes, draw, bits=4))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    if len(argv) == 1:
        write(os.path.join(here, "Plinvo.ico"), icon_file(SIZES))
        write_pictures(os.path.join(here, "pictures"))
        return 0
    if len(argv) == 3 and argv[1] == "--pictures":
        write_pictures(argv[2])
        return 0
    if len(argv) == 2 and not argv[1].startswith("-"):
        write(argv[1], icon_file(SIZES))
        return 0
    sys.stderr.write("usage: make_icon.py [output.ico | --pictures FOLDER]\n")
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
