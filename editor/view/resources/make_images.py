#!/usr/bin/env python3
"""Draws the editor's built-in pictures as 24-bit BMP files beside this script.

The pictures are small pixel drawings made here from a 3x5 digit font and a
few lines, so that the files can be rebuilt and checked at any time:

    python3 editor/view/resources/make_images.py

internal_images.bmp  "SynTextInternalImages": ten bookmark markers 0-9, each
                     12 x 16 pixels, side by side (120 x 16). Drawn opaquely.
wrapped.bmp          "SynTextWrapped": the word-wrap glyph, 12 x 12 pixels;
                     lime (0x00FF00) is its transparent mask colour.
"""
import os
import struct

DIGITS = [
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001010010", "111101111101111", "111101111001111",
]

FACE = (0xF0, 0xF0, 0xF0)
BORDER = (0x80, 0x00, 0x00)
PAPER = (0xE0, 0xFF, 0xFF)
INK = (0x00, 0x00, 0x80)
LIME = (0x00, 0xFF, 0x00)
ARROW = (0x80, 0x00, 0x00)


def write_bmp(path, pixels):
    """pixels: rows top to bottom of (r, g, b); stored bottom-up as BGR."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def bookmark_strip():
    width, height = 12, 16
    pixels = [[FACE] * (width * 10) for _ in range(height)]
    for n in range(10):
        x0 = n * width
        for y in range(1, 15):
            for x in range(1, 11):
                edge = y in (1, 14) or x in (1, 10)
                pixels[y][x0 + x] = BORDER if edge else PAPER
        # The digit at twice its size, centred in the paper.
        for i, bit in enumerate(DIGITS[n]):
            if bit == "1":
                dx, dy = i % 3, i // 3
                for sy in range(2):
                    for sx in range(2):
                        pixels[3 + dy * 2 + sy][x0 + 3 + dx * 2 + sx] = INK
    return pixels


def wrap_glyph():
    size = 12
    pixels = [[LIME] * size for _ in range(size)]
    # Down the right side, then back to the left: the line goes on below.
    for y in range(1, 9):
        pixels[y][9] = pixels[y][10] = ARROW
    for x in range(2, 11):
        pixels[8][x] = pixels[9][x] = ARROW
    for d in range(3):
        for y in range(8 - d, 10 + d):
            pixels[y][1 + d] = ARROW
    return pixels


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "internal_images.bmp"), bookmark_strip())
    write_bmp(os.path.join(here, "wrapped.bmp"), wrap_glyph())
