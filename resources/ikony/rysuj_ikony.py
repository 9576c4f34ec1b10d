#!/usr/bin/env python3
"""Draws the ZENTA icon for the desktop: a stepped bar held by a hatched wall,
coloured by stress and pulled by an arrow (the design of RUR1A.png). Writes
zenta.svg and zenta-N.png for the hicolor sizes; run it here after a change."""
import struct
import zlib

BLACK, GREY, GREEN = (0, 0, 0), (128, 128, 128), (0, 170, 0)
RED, ORANGE, BLUE = (203, 0, 0), (255, 160, 0), (0, 120, 242)

# On a 64-unit square: filled rectangles and stroked lines.
RECTS = [((9, 22, 24, 42), RED), ((24, 26, 38, 38), ORANGE), ((38, 28, 50, 36), BLUE)]
LINES = [((8, 8, 8, 56), BLACK, 2.5)]
LINES += [((8, y, 3, y + 5), BLACK, 1.5) for y in range(10, 56, 8)]
for (x0, y0, x1, y1), _ in RECTS:
    LINES += [((x0, y0, x1, y0), GREY, 1), ((x0, y1, x1, y1), GREY, 1), ((x1, y0, x1, y1), GREY, 1)]
LINES += [((50, 32, 61, 32), GREEN, 3), ((61, 32, 55, 26), GREEN, 3), ((61, 32, 55, 38), GREEN, 3)]


def svg():
    hexc = lambda c: "#%02x%02x%02x" % c
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    for (x0, y0, x1, y1), c in RECTS:
        out.append(f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{hexc(c)}"/>')
    for (x0, y0, x1, y1), c, w in LINES:
        out.append(f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="{hexc(c)}" '
                   f'stroke-width="{w}" stroke-linecap="round"/>')
    return "\n".join(out) + "\n</svg>\n"


def coverage(px, py, shape):
    """Whether the point (in 64 units) lies in the shape."""
    kind, geom, w = shape
    if kind == "rect":
        x0, y0, x1, y1 = geom
        return x0 <= px < x1 and y0 <= py < y1
    x0, y0, x1, y1 = geom
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy or 1)))
    ex, ey = x0 + t * dx - px, y0 + t * dy - py
    return ex * ex + ey * ey <= (w / 2) ** 2


def png(n, ss=8):
    shapes = [("rect", g, 0, c) for g, c in RECTS] + [("line", g, w, c) for g, c, w in LINES]
    rows = []
    for y in range(n):
        row = bytearray(b"\0")
        for x in range(n):
            acc, alpha = [0.0, 0.0, 0.0], 0.0
            for sy in range(ss):
                for sx in range(ss):
                    px, py = (x + (sx + 0.5) / ss) * 64 / n, (y + (sy + 0.5) / ss) * 64 / n
                    colour = None
                    for kind, g, w, c in shapes:  # later shapes paint over earlier ones
                        if coverage(px, py, (kind, g, w)):
                            colour = c
                    if colour:
                        acc = [a + v for a, v in zip(acc, colour)]
                        alpha += 1
            k = ss * ss
            row += bytes([round(a / alpha) if alpha else 0 for a in acc] + [round(255 * alpha / k)])
        rows.append(bytes(row))
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    open("zenta.svg", "w").write(svg())
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        open(f"zenta-{n}.png", "wb").write(png(n))
