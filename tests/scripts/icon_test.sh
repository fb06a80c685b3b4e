#!/bin/bash
# Checks app/win32/Plinvo.ico and the pictures in app/win32/pictures/: they are what
# make_icon.py draws now (so the committed files are not stale), their directories and images
# are well formed (the program icon 16x16 and 32x32, 32-bit with alpha, the mask transparent
# exactly where alpha is 0, see-through top corners, an opaque middle; each picture one 4-bit
# image of its size with a 16-colour palette, black under every masked pixel, see-through top
# corners and mostly opaque), and the mingw resource compiler takes them all.
#
# Needs: python3, i686-w64-mingw32-windres. Usage: tests/scripts/icon_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
icon=$repo/app/win32/Plinvo.ico
pictures=$repo/app/win32/pictures
work=$(mktemp -d /tmp/icon-test.XXXXXX)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

python3 "$repo/app/win32/make_icon.py" "$work/fresh.ico" || fail "make_icon.py failed"
cmp -s "$work/fresh.ico" "$icon" || fail "Plinvo.ico differs from what make_icon.py draws: run it and commit"

python3 - "$icon" <<'PY' || fail "Plinvo.ico is not well formed"
import struct, sys
data = open(sys.argv[1], "rb").read()
reserved, kind, count = struct.unpack_from("<HHH", data, 0)
assert (reserved, kind) == (0, 1), "not an icon file"
sizes = []
for i in range(count):
    w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
    size = w or 256
    assert w == h and colours == 0 and planes == 1 and bits == 32, "entry %d: %r" % (i, (w, h, planes, bits))
    assert offset + length <= len(data), "entry %d runs past the end" % i
    hsize, bw, bh, bplanes, bbits, compression = struct.unpack_from("<IiiHHI", data, offset)
    assert (hsize, bw, bh, bplanes, bbits, compression) == (40, size, 2 * size, 1, 32, 0), "image %d header" % i
    stride = ((size + 31) // 32) * 4
    assert length == 40 + size * size * 4 + stride * size, "image %d length %d" % (i, length)
    pixels = offset + 40
    mask = pixels + size * size * 4
    opaque = 0
    for y in range(size):
        for x in range(size):
            alpha = data[pixels + (y * size + x) * 4 + 3]
            masked = data[mask + y * stride + x // 8] & (0x80 >> (x % 8))
            assert bool(masked) == (alpha == 0), "image %d: mask and alpha disagree at %d,%d" % (i, x, y)
            opaque += alpha == 255
    # Rows are stored bottom-up; alpha_at takes x and y from the top left.
    alpha_at = lambda x, y: data[pixels + ((size - 1 - y) * size + x) * 4 + 3]
    assert alpha_at(0, 0) <= 32 and alpha_at(size - 1, 0) <= 32, "image %d: top corners are not see-through" % i
    middle = size // 2
    assert alpha_at(middle, middle) == 255, "image %d: middle is not opaque" % i
    assert opaque > size * size // 3, "image %d is mostly empty" % i
    sizes.append(size)
assert sorted(sizes) == [16, 32], "sizes %r" % sizes
PY

python3 "$repo/app/win32/make_icon.py" --pictures "$work/pictures" || fail "make_icon.py --pictures failed"
for fresh in "$work"/pictures/*.ico; do
    name=$(basename "$fresh")
    cmp -s "$fresh" "$pictures/$name" ||
        fail "pictures/$name differs from what make_icon.py draws: run it and commit"
done
[ "$(ls "$pictures" | wc -l)" -eq "$(ls "$work/pictures" | wc -l)" ] ||
    fail "pictures/ holds files make_icon.py does not draw"

python3 - "$pictures" <<'PY' || fail "a picture is not well formed"
import os, struct, sys
folder = sys.argv[1]
# The Apply button's picture is large; the buttons, the menu bar and the sharing check's rows
# take small ones.
large = {"apply.ico"}
names = sorted(os.listdir(folder))
assert len(names) == 10, "pictures %r" % names
for name in names:
    data = open(os.path.join(folder, name), "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, 1), "%s: not an icon file of one image" % name
    w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6)
    size = 32 if name in large else 16
    assert (w, h, colours, planes, bits) == (size, size, 16, 1, 4), "%s entry: %r" % (
        name, (w, h, colours, planes, bits))
    assert offset + length == len(data), "%s: image length %d at %d" % (name, length, offset)
    hsize, bw, bh, bplanes, bbits, compression, _, _, _, used = struct.unpack_from(
        "<IiiHHIIiiI", data, offset)
    assert (hsize, bw, bh, bplanes, bbits, compression, used) == (
        40, size, 2 * size, 1, 4, 0, 16), "%s header" % name
    stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    assert length == 40 + 16 * 4 + stride * size + mask_stride * size, "%s length %d" % (name, length)
    palette = offset + 40
    pixels = palette + 16 * 4
    mask = pixels + stride * size
    # Rows are stored bottom-up; these take x and y from the top left.
    index_at = lambda x, y: (data[pixels + (size - 1 - y) * stride + x // 2] >> (0 if x % 2 else 4)) & 15
    masked_at = lambda x, y: data[mask + (size - 1 - y) * mask_stride + x // 8] & (0x80 >> (x % 8))
    colour_of = lambda index: tuple(data[palette + 4 * index: palette + 4 * index + 3])
    see_through = 0
    for y in range(size):
        for x in range(size):
            if masked_at(x, y):
                see_through += 1
                # Drawn by ANDing the mask, then XORing the colour: only black keeps the background.
                assert colour_of(index_at(x, y)) == (0, 0, 0), "%s: colour under the mask at %d,%d" % (name, x, y)
    assert masked_at(0, 0) and masked_at(size - 1, 0), "%s: top corners are not see-through" % name
    assert see_through < size * size * 2 // 3, "%s is mostly empty" % name
    used_colours = {colour_of(index_at(x, y)) for y in range(size) for x in range(size) if not masked_at(x, y)}
    assert len(used_colours) >= 3, "%s has %d colours" % (name, len(used_colours))
PY

{
    printf '1 ICON "%s"\n' "$icon"
    for picture in "$pictures"/*.ico; do
        printf 'PICTURE_%s ICON "%s"\n' "$(basename "$picture" .ico | tr a-z- A-Z_)" "$picture"
    done
} >"$work/icon.rc"
i686-w64-mingw32-windres "$work/icon.rc" -O coff -o "$work/icon.o" || fail "windres refuses an icon"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "icon_test: all checks passed"
