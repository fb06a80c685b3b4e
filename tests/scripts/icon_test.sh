#!/bin/bash
# Checks app/win32/Plinvo.ico: it is what make_icon.py draws now (so the committed file is
# not stale), its directory and images are well formed (16x16 and 32x32, 32-bit with alpha,
# the mask transparent exactly where alpha is 0, see-through top corners, an opaque middle),
# and the mingw resource compiler takes it as the program's icon.
#
# Needs: python3, i686-w64-mingw32-windres. Usage: tests/scripts/icon_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
icon=$repo/app/win32/Plinvo.ico
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

printf '1 ICON "%s"\n' "$icon" >"$work/icon.rc"
i686-w64-mingw32-windres "$work/icon.rc" -O coff -o "$work/icon.o" || fail "windres refuses Plinvo.ico"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "icon_test: all checks passed"
