#!/usr/bin/env python3
"""Draw the Memolux application icon and write it as memolux.ico.

The motif is a memory chip (dark body, gold pins on both sides) carrying a
three-column level gauge.  The layout is defined on a 16-unit grid; every
image size used here is a multiple of 16, so edges land on whole pixels and
stay crisp at 16 px.  Rounded corners are anti-aliased by supersampling.

Output: classic ICO container, one 32-bit BGRA DIB (BITMAPINFOHEADER with
doubled height, bottom-up rows, straight alpha) plus a 1-bit AND mask per
image.  Standard library only.
"""

import os
import struct

SIZES = (16, 32, 48, 64)
SUPERSAMPLE = 4  # samples per pixel along each axis

# Colours as (r, g, b) in 0..255.
BODY_TOP = (62, 74, 94)
BODY_BOTTOM = (34, 41, 54)
BODY_RIM = (14, 18, 24)
BODY_HIGHLIGHT = (110, 126, 150)
PIN = (222, 176, 64)
PIN_SHADE = (160, 118, 30)
TRACK = (20, 25, 33)
DOT = (120, 134, 156)
# Gauge columns, left to right: (fill colour, fill height in grid units).
COLUMNS = (
    ((72, 214, 110), 4.0),
    ((170, 222, 64), 6.0),
    ((255, 168, 48), 8.0),
)


class Canvas:
    """Straight-alpha RGBA canvas with float channels (0..1)."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def fill(self, inside, colour, alpha=1.0):
        """Composite a shape over the canvas.

        inside(x, y) says whether a point (pixel units, origin top-left)
        is part of the shape; colour is an (r, g, b) tuple or a function of
        (x, y) returning one.
        """
        n = SUPERSAMPLE
        step = 1.0 / n
        offs = [(i + 0.5) * step for i in range(n)]
        for py in range(self.size):
            row = self.px[py]
            for px in range(self.size):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if inside(px + ox, py + oy):
                            hits += 1
                if not hits:
                    continue
                a = alpha * hits / (n * n)
                c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                sr, sg, sb = (v / 255.0 for v in c)
                dr, dg, db, da = row[px]
                oa = a + da * (1.0 - a)
                if oa <= 0.0:
                    continue
                k = da * (1.0 - a)
                row[px] = (
                    (sr * a + dr * k) / oa,
                    (sg * a + dg * k) / oa,
                    (sb * a + db * k) / oa,
                    oa,
                )

    def bgra_rows_bottom_up(self):
        """Yield rows of 8-bit (b, g, r, a) tuples, bottom row first."""
        for row in reversed(self.px):
            out = []
            for r, g, b, a in row:
                a8 = int(round(a * 255))
                if a8 == 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append((int(round(b * 255)), int(round(g * 255)),
                                int(round(r * 255)), a8))
            yield out


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def round_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def circle(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def lerp(c0, c1, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def draw(size):
    u = size // 16  # pixels per grid unit
    cv = Canvas(size)

    # Pins: four per side, 1 unit thick, reaching from the image edge into
    # the body so there is no gap under anti-aliased corners.
    for gy in (3, 6, 9, 12):
        y0, y1 = gy * u, (gy + 1) * u
        cv.fill(rect(0, y0, 3 * u, y1), PIN)
        cv.fill(rect(13 * u, y0, 16 * u, y1), PIN)
        if u >= 2:
            # Darker lower edge gives the pins a little depth.
            shade = u // 2
            cv.fill(rect(0, y1 - shade, 3 * u, y1), PIN_SHADE)
            cv.fill(rect(13 * u, y1 - shade, 16 * u, y1), PIN_SHADE)

    # Chip body: dark rim, then a vertical gradient fill inset by the rim.
    radius = 1.0 * u
    b0, b1 = 2 * u, 14 * u
    cv.fill(round_rect(b0, b0, b1, b1, radius), BODY_RIM)
    rim = max(1, u // 2)
    body_fill = lambda x, y: lerp(BODY_TOP, BODY_BOTTOM, (y - b0) / (b1 - b0))
    cv.fill(round_rect(b0 + rim, b0 + rim, b1 - rim, b1 - rim,
                       max(radius - rim, 0.5)), body_fill)
    if u >= 2:
        # Thin highlight along the top edge of the body.
        cv.fill(rect(b0 + radius, b0 + rim,
                     b1 - radius, b0 + rim + max(1, u // 2)),
                BODY_HIGHLIGHT, alpha=0.55)
        # Pin-1 marker in the top-left corner.
        cv.fill(circle(b0 + 1.5 * u, b0 + 1.5 * u, 0.5 * u), DOT)

    # Gauge: three 2-unit columns with a dark track and a coloured fill
    # rising from the bottom, taller to the right.
    top, bottom = 4 * u, 12 * u
    for i, (colour, height) in enumerate(COLUMNS):
        x0 = (4 + 3 * i) * u
        x1 = x0 + 2 * u
        cv.fill(rect(x0, top, x1, bottom), TRACK)
        fill_top = bottom - height * u
        if u >= 2:
            # Whole-pixel inset keeps the column edges sharp.
            inset = u // 4
            light = lerp(colour, (255, 255, 255), 0.35)
            cv.fill(rect(x0 + inset, fill_top + inset, x1 - inset,
                         bottom - inset),
                    lambda x, y, c=colour, l=light, t=fill_top:
                    lerp(l, c, (y - t) / (2.0 * u)))
        else:
            cv.fill(rect(x0, fill_top, x1, bottom), colour)
    return cv


def dib(canvas):
    """32-bit DIB for one ICO entry: header, XOR (BGRA) data, AND mask."""
    size = canvas.size
    rows = list(canvas.bgra_rows_bottom_up())
    xor = bytearray()
    for row in rows:
        for pixel in row:
            xor += bytes(pixel)
    mask_stride = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for row in rows:
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # fully transparent: let the background through
                line[x // 8] |= 0x80 >> (x % 8)
        and_mask += line
    header = struct.pack(
        "<IiiHHIIiiII",
        40,                      # biSize
        size,                    # biWidth
        size * 2,                # biHeight: XOR image + AND mask
        1,                       # biPlanes
        32,                      # biBitCount
        0,                       # biCompression = BI_RGB
        len(xor) + len(and_mask),  # biSizeImage
        0, 0, 0, 0)
    return header + bytes(xor) + bytes(and_mask)


def build_ico(sizes=SIZES):
    images = [dib(draw(s)) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII",
                           s % 256, s % 256,  # 0 would mean 256
                           0, 0,              # no palette, reserved
                           1, 32,             # planes, bits per pixel
                           len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def check_ico(blob, sizes=SIZES):
    reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
    assert (reserved, kind, count) == (0, 1, len(sizes))
    for i, s in enumerate(sizes):
        w, h, _, _, planes, bpp, length, offset = struct.unpack_from(
            "<BBBBHHII", blob, 6 + 16 * i)
        assert (w, h, planes, bpp) == (s, s, 1, 32)
        hdr = struct.unpack_from("<IiiHHI", blob, offset)
        assert hdr == (40, s, 2 * s, 1, 32, 0)
        assert length == 40 + s * s * 4 + ((s + 31) // 32) * 4 * s
        assert offset + length <= len(blob)
    assert offset + length == len(blob)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "memolux.ico")
    blob = build_ico()
    check_ico(blob)
    with open(path, "wb") as f:
        f.write(blob)
    print("wrote %s (%d bytes, sizes %s)" % (path, len(blob), SIZES))


if __name__ == "__main__":
    main()
