#!/usr/bin/env python3
"""Draws Velmora's icons and writes them to resources/icons/.

The program mark is a window whose client area holds a bar graph of process
load. The run dialog shows a window with an arrow going into it.

  run48.png    48 x 48 RGBA, run dialog
  about32.png  32 x 32 RGBA, about dialog (the program mark)
  Velmora.ico  the program mark at 32 x 32 and 16 x 16 in 16 colours

Only the standard library is used. The RGBA pictures are rendered with 8 x 8
samples per pixel, which gives anti-aliased edges and real alpha. The
16-colour icon entries are sampled at pixel centres in the standard palette,
with a 1-bit mask for transparency; the 16 x 16 one is drawn pixel by pixel,
as small icons need. Output is deterministic: running the script again gives
the same bytes.

Usage: scripts/draw-icons.py [output folder]
"""

import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 8

# The standard 16-colour palette in the order 4-bit Windows bitmaps use.
PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREEN, NAVY, SILVER, GREY, LIME, BLUE, WHITE = 0, 2, 4, 7, 8, 10, 12, 15

# ---------------------------------------------------------------- shapes


class Shape:
    """An area with a fill. `fill(x, y)` gives straight (r, g, b, a), each 0..1;
    `index` is its colour in the 16-colour palette, None to leave it out there."""

    def __init__(self, contains, box, fill, index=None):
        self.contains = contains
        self.box = box  # x0, y0, x1, y1: nothing of the shape lies outside
        self.fill = fill
        self.index = index


def rounded_rect(x0, y0, x1, y1, r):
    def contains(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return contains, (x0, y0, x1, y1)


def polygon(points):
    def contains(x, y):
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            if (ay > y) != (by > y):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
        return inside

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return contains, (min(xs), min(ys), max(xs), max(ys))


def clipped(area, x0, y0, x1, y1):
    """The part of an area inside a rectangle."""
    contains, box = area

    def inside(x, y):
        return x0 <= x < x1 and y0 <= y < y1 and contains(x, y)

    return inside, (max(box[0], x0), max(box[1], y0), min(box[2], x1), min(box[3], y1))


def hex_colour(text, alpha=1.0):
    return (int(text[1:3], 16) / 255, int(text[3:5], 16) / 255, int(text[5:7], 16) / 255, alpha)


def solid(text, alpha=1.0):
    colour = hex_colour(text, alpha)
    return lambda x, y: colour


def vertical(top_text, bottom_text, y0, y1):
    top, bottom = hex_colour(top_text), hex_colour(bottom_text)

    def fill(x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))

    return fill


def arrow(tail, tip, shaft, head, head_length):
    """An arrow from tail to tip as a polygon."""
    dx, dy = tip[0] - tail[0], tip[1] - tail[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux

    def at(along, across):
        return (tail[0] + ux * along + nx * across, tail[1] + uy * along + ny * across)

    neck = length - head_length
    return polygon([
        at(0, -shaft / 2), at(neck, -shaft / 2), at(neck, -head / 2), at(length, 0),
        at(neck, head / 2), at(neck, shaft / 2), at(0, shaft / 2),
    ])


# ---------------------------------------------------------------- artwork

FRAME = "#1F3350"
TITLE_TOP, TITLE_BOTTOM = "#5B9BEA", "#2563C4"
CLIENT_TOP, CLIENT_BOTTOM = "#FFFFFF", "#E6ECF4"
BAR_TOP, BAR_BOTTOM = "#7BD88A", "#2C9148"
BASELINE = "#8A97A8"


def window(x0, y0, x1, y1, title_height, radius, scale):
    """A window with shadow, frame, title bar and client area. Returns the
    shapes and the client rectangle."""
    s = scale
    shapes = [
        Shape(*rounded_rect(x0 + s, y0 + 2 * s, x1 + s, y1 + 1.5 * s, radius + s),
              solid("#000000", 0.22)),
        Shape(*rounded_rect(x0, y0, x1, y1, radius), solid(FRAME), NAVY),
    ]
    ix0, iy0, ix1, iy1 = x0 + s, y0 + s, x1 - s, y1 - s
    inner = rounded_rect(ix0, iy0, ix1, iy1, max(radius - s, 0.5))
    split = iy0 + title_height
    shapes.append(Shape(*clipped(inner, ix0, iy0, ix1, split),
                        vertical(TITLE_TOP, TITLE_BOTTOM, iy0, split), BLUE))
    # A lighter first line gives the title bar its gloss.
    shapes.append(Shape(*clipped(inner, ix0, iy0, ix1, iy0 + s), solid("#FFFFFF", 0.28)))
    shapes.append(Shape(*clipped(inner, ix0, split, ix1, iy1),
                        vertical(CLIENT_TOP, CLIENT_BOTTOM, split, iy1), WHITE))
    # The title bar's close box.
    bw = 2.5 * s
    bx1, by0 = ix1 - 1.5 * s, iy0 + (title_height - bw) / 2
    shapes.append(Shape(*rounded_rect(bx1 - bw, by0, bx1, by0 + bw, 0.5 * s),
                        solid("#EAF2FF"), WHITE))
    return shapes, (ix0, split, ix1, iy1)


def bar_graph(x0, width, gap, base, heights, scale):
    shapes = []
    for i, height in enumerate(heights):
        bx = x0 + i * (width + gap)
        top = base - height
        shapes.append(Shape(*rounded_rect(bx, top, bx + width, base, 0.6 * scale),
                            vertical(BAR_TOP, BAR_BOTTOM, top, base), GREEN))
        # A light left edge, as if lit from the top left.
        shapes.append(Shape(*rounded_rect(bx, top, bx + scale, base, 0.5 * scale),
                            solid("#FFFFFF", 0.3), LIME))
    return shapes


def program_mark(size):
    """The window with the bar graph, drawn on a 32-unit grid."""
    s = size / 32
    shapes, (cx0, cy0, cx1, cy1) = window(1 * s, 3 * s, 31 * s, 29 * s, 6 * s, 3 * s, s)
    base = cy1 - 3 * s
    shapes += bar_graph(cx0 + 3 * s, 4 * s, 2 * s, base, [5 * s, 10 * s, 7 * s, 12 * s], s)
    shapes.append(Shape(*rounded_rect(cx0 + 2 * s, base, cx1 - 2 * s, base + s, 0),
                        solid(BASELINE), GREY))
    return shapes


def run_picture(size):
    """A window with text lines and an arrow going into it, on a 48-unit grid."""
    s = size / 48
    shapes, (cx0, cy0, cx1, cy1) = window(14 * s, 5 * s, 46 * s, 37 * s, 7 * s, 3 * s, s)
    for i, right in enumerate((40, 35, 38)):
        y = cy0 + (5 + 5 * i) * s
        shapes.append(Shape(*rounded_rect(cx0 + 4 * s, y, right * s, y + 2 * s, 1 * s),
                            solid("#93A2B7")))
    tail, tip = (6 * s, 42 * s), (27 * s, 21 * s)
    # A white halo parts the arrow from the window; the dark rim and the
    # gradient body sit on it.
    shapes.append(Shape(*arrow((tail[0] - 2 * s, tail[1] + 2 * s), (tip[0] + 2.6 * s, tip[1] - 2.6 * s),
                               11 * s, 21 * s, 15.5 * s), solid("#FFFFFF", 0.9)))
    shapes.append(Shape(*arrow((tail[0] - 0.7 * s, tail[1] + 0.7 * s), (tip[0] + 1.2 * s, tip[1] - 1.2 * s),
                               8 * s, 17.5 * s, 13.2 * s), solid("#8C3F00")))
    shapes.append(Shape(*arrow(tail, tip, 5.6 * s, 14.5 * s, 11 * s),
                        lambda x, y: diagonal_orange(x / s, y / s)))
    return shapes


def diagonal_orange(x, y):
    # Light at the tip (upper right), deep at the tail.
    t = min(max(((x - 5) - (y - 43)) / 44, 0.0), 1.0)
    low, high = hex_colour("#E0620A"), hex_colour("#FFC247")
    return tuple(a + (b - a) * t for a, b in zip(low, high))


# ---------------------------------------------------------------- rendering


def render(shapes, size):
    """Anti-aliased straight RGBA rows, each value 0..255."""
    n = SUPERSAMPLE
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            here = [sh for sh in shapes if sh.box[0] < px + 1 and sh.box[2] > px and
                    sh.box[1] < py + 1 and sh.box[3] > py]
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied sum over the samples
            for sy in range(n):
                y = py + (sy + 0.5) / n
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    r = g = b = a = 0.0
                    for shape in here:
                        if shape.contains(x, y):
                            fr, fg, fb, fa = shape.fill(x, y)
                            r = fr * fa + r * (1 - fa)
                            g = fg * fa + g * (1 - fa)
                            b = fb * fa + b * (1 - fa)
                            a = fa + a * (1 - fa)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            count = n * n
            alpha = acc[3] / count
            if alpha <= 0:
                row.append((0, 0, 0, 0))
                continue
            row.append(tuple(round(min(c / acc[3], 1.0) * 255) for c in acc[:3]) +
                       (round(alpha * 255),))
        rows.append(row)
    return rows


def render_indexed(shapes, size):
    """Palette indices sampled at pixel centres; None where transparent."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            index = None
            for shape in shapes:
                if shape.index is not None and shape.contains(px + 0.5, py + 0.5):
                    index = shape.index
            row.append(index)
        rows.append(row)
    return rows


# The small icon, pixel by pixel: N navy frame, B blue title, W white,
# L lime, G green, S grey, . transparent.
SMALL_MARK = [
    "................",
    ".NNNNNNNNNNNNNN.",
    ".NBBBBBBBBBBBBN.",
    ".NBBBBBBBBBWWBN.",
    ".NBBBBBBBBBBBBN.",
    ".NWWWWWWWWWWWWN.",
    ".NWWWWWWWWWLGWN.",
    ".NWWWLGWWWWLGWN.",
    ".NWWWLGWWWWLGWN.",
    ".NWWWLGWLGWLGWN.",
    ".NLGWLGWLGWLGWN.",
    ".NLGWLGWLGWLGWN.",
    ".NLGWLGWLGWLGWN.",
    ".NSSSSSSSSSSSWN.",
    ".NNNNNNNNNNNNNN.",
    "................",
]
SMALL_KEY = {".": None, "N": NAVY, "B": BLUE, "W": WHITE, "L": LIME, "G": GREEN, "S": GREY}


# ---------------------------------------------------------------- file formats


def png_bytes(rows):
    """An 8-bit RGBA PNG, each row filtered by whichever filter packs best."""
    width, height = len(rows[0]), len(rows)
    raw = [bytes(v for pixel in row for v in pixel) for row in rows]
    stride = 4
    filtered = bytearray()
    previous = bytes(len(raw[0]))
    for line in raw:
        best = None
        for kind in range(5):
            out = bytearray([kind])
            for i, value in enumerate(line):
                a = line[i - stride] if i >= stride else 0
                b = previous[i]
                c = previous[i - stride] if i >= stride else 0
                if kind == 1:
                    pred = a
                elif kind == 2:
                    pred = b
                elif kind == 3:
                    pred = (a + b) // 2
                elif kind == 4:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                else:
                    pred = 0
                out.append((value - pred) & 0xFF)
            cost = sum(v if v < 128 else 256 - v for v in out[1:])
            if best is None or cost < best[0]:
                best = (cost, out)
        filtered += best[1]
        previous = line

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(filtered), 9)) + chunk(b"IEND", b""))


def icon_image(rows):
    """One icon entry: BITMAPINFOHEADER, palette, 4-bit colours, 1-bit mask.
    Rows are stored bottom-up, each padded to four bytes."""
    size = len(rows)
    colour_stride = (size * 4 + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(colour_stride)
        bits = bytearray(mask_stride)
        for x, index in enumerate(row):
            if index is None:
                bits[x // 8] |= 0x80 >> (x % 8)  # keep the screen; colour stays black
                index = BLACK
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colours += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE16)
    return header + palette + bytes(colours) + bytes(mask)


def ico_bytes(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for rows in images:
        size = len(rows)
        image = icon_image(rows)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    small = [[SMALL_KEY[c] for c in line] for line in SMALL_MARK]
    outputs = {
        "run48.png": png_bytes(render(run_picture(48), 48)),
        "about32.png": png_bytes(render(program_mark(32), 32)),
        "Velmora.ico": ico_bytes([render_indexed(program_mark(32), 32), small]),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
