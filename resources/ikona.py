#!/usr/bin/env python3
"""Draws the ZENTA icon RUR1A.png: a bar held by a hatched wall, pulled by an arrow."""
import struct
import sys
import zlib

N = 64
px = [[(0, 0, 0, 0)] * N for _ in range(N)]


def put(x, y, c):
    if 0 <= x < N and 0 <= y < N:
        px[y][x] = c


def rect(x0, y0, x1, y1, c):
    for y in range(y0, y1):
        for x in range(x0, x1):
            put(x, y, c)


def line(x0, y0, x1, y1, c, w=1):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for k in range(steps + 1):
        x = round(x0 + (x1 - x0) * k / steps)
        y = round(y0 + (y1 - y0) * k / steps)
        rect(x - w // 2, y - w // 2, x - w // 2 + w, y - w // 2 + w, c)


BLACK, GREY, GREEN = (0, 0, 0, 255), (128, 128, 128, 255), (0, 170, 0, 255)
RED, ORANGE, BLUE = (203, 0, 0, 255), (255, 160, 0, 255), (0, 120, 242, 255)

line(8, 8, 8, 56, BLACK, 2)                      # the wall
for y in range(10, 56, 8):
    line(8, y, 3, y + 5, BLACK)                  # its hatching
rect(9, 22, 24, 42, RED)                         # a stepped bar, coloured by stress
rect(24, 26, 38, 38, ORANGE)
rect(38, 28, 50, 36, BLUE)
for (x0, y0, x1, y1) in ((9, 22, 24, 42), (24, 26, 38, 38), (38, 28, 50, 36)):
    line(x0, y0, x1 - 1, y0, GREY); line(x0, y1 - 1, x1 - 1, y1 - 1, GREY)
    line(x1 - 1, y0, x1 - 1, y1 - 1, GREY)
line(50, 32, 61, 32, GREEN, 3)                   # the force
line(61, 32, 55, 26, GREEN, 3)
line(61, 32, 55, 38, GREEN, 3)

raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in px)
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", N, N, 8, 6, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
open(sys.argv[1] if len(sys.argv) > 1 else "RUR1A.png", "wb").write(png)
