#!/usr/bin/env python3
"""Draws the gallery's button glyphs and its tool bar images as 24-bit
Windows bitmaps, with the skin art's raster and bitmap writer.

    make_glyphs.py OUTPUT_FOLDER

Writes ok.bmp, close.bmp, left.bmp, right.bmp (two 16 x 16 cells side by
side: enabled and disabled, as NumGlyphs = 2 reads them) and toolbar.bmp
(four 16 x 16 images in a row for the tool bar's image list). Magenta is
the transparent colour: the bottom-left pixel of every cell is magenta.
The same bytes come out on every run.
"""

import os
import sys

SKINART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "skinart")
sys.path.insert(0, SKINART)

import bmpfile                         # noqa: E402
import glyphs                          # noqa: E402
from raster import MAGENTA, Canvas     # noqa: E402

CELL = 16
DISABLED = (160, 160, 160)
DISABLED_SHADOW = (255, 255, 255)


def tick(canvas, left, colour):
    for x, y in glyphs.check_mark():
        canvas.put(left + x + 1, y + 2, colour)


def cross(canvas, left, colour):
    for x, y in glyphs.close_glyph(9):
        canvas.put(left + x + 3, y + 3, colour)
        canvas.put(left + x + 4, y + 3, colour)


def arrow(direction):
    def draw(canvas, left, colour):
        for x, y in glyphs.chevron(direction, span=9):
            for thick in range(2):
                dx, dy = (thick, 0) if direction in ("left", "right") else (0, thick)
                canvas.put(left + x + 5 + dx, y + 3 + dy, colour)
    return draw


def page(canvas, left, colour):
    canvas.frame_rect(left + 3, 1, 10, 14, colour)
    for y in (4, 7, 10):
        canvas.hline(left + 5, y, 6, colour)


def two_state_glyph(draw, colour):
    """An enabled cell and a disabled one (grey with a light shadow)."""
    canvas = Canvas(2 * CELL, CELL, MAGENTA)
    draw(canvas, 0, colour)
    shadow = Canvas(CELL, CELL, MAGENTA)
    draw(shadow, 0, DISABLED_SHADOW)
    canvas.blit(shadow, CELL + 1, 1, key=MAGENTA)
    draw(canvas, CELL, DISABLED)
    return canvas


def image_strip(draws):
    canvas = Canvas(len(draws) * CELL, CELL, MAGENTA)
    for index, (draw, colour) in enumerate(draws):
        draw(canvas, index * CELL, colour)
    return canvas


def pictures():
    green, red, blue, ink = (0, 128, 0), (192, 0, 0), (0, 64, 160), (48, 48, 48)
    return {
        "ok.bmp": two_state_glyph(tick, green),
        "close.bmp": two_state_glyph(cross, red),
        "left.bmp": two_state_glyph(arrow("left"), blue),
        "right.bmp": two_state_glyph(arrow("right"), blue),
        "toolbar.bmp": image_strip([(page, ink), (tick, green), (cross, red), (arrow("right"), blue)]),
    }


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_glyphs.py OUTPUT_FOLDER")
    os.makedirs(argv[1], exist_ok=True)
    for name, canvas in pictures().items():
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(bmpfile.encode_24(canvas))


if __name__ == "__main__":
    main(sys.argv)
