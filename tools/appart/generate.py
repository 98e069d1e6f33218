#!/usr/bin/env python3
"""Draws Lanvero's own banner (665 x 130 baseline JPEG) and window icon
(nine images: 16 colours at 16 and 32 px; 256 colours at 16, 32 and 48 px;
32-bit at 16, 32, 48 and 64 px) into assets/app/.

ImageMagick renders the shapes and the text (WenQuanYi Zen Hei, Debian's
fonts-wqy-zenhei); this script quantises the icon images and writes the ICO
file itself so that every image has exactly the colour depth asked for.
Run: python3 tools/appart/generate.py
"""
import os
import struct
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "assets", "app")
FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

SEAL_RED = "#B8232F"
INK = "#1F2A36"


def magick(args, stdout=False):
    result = subprocess.run(["convert"] + args, check=True, capture_output=True)
    return result.stdout if stdout else None


def draw_banner(path):
    """A paper-coloured band with a red seal, the product name and a motto."""
    magick([
        "-size", "665x130", "gradient:#F7F1E3-#E9DDC3", "-rotate", "-90", "-rotate", "90",
        # faint horizontal rules, like the lines of a register
        "-stroke", "#E0D2B4", "-strokewidth", "1",
        "-draw", "line 0,28 665,28", "-draw", "line 0,102 665,102",
        # the seal
        "-stroke", "none", "-fill", SEAL_RED,
        "-draw", "roundrectangle 28,25 108,105 10,10",
        "-fill", "#F7F1E3", "-font", FONT, "-pointsize", "58",
        "-gravity", "NorthWest", "-annotate", "+39+30", "姓",
        # the name and the motto
        "-fill", INK, "-font", LATIN_FONT, "-pointsize", "40", "-annotate", "+132+22", "Lanvero",
        "-fill", "#5B4A36", "-font", FONT, "-pointsize", "22", "-annotate", "+134+74", "中华姓氏 · 源流查询",
        "-fill", SEAL_RED, "-font", FONT, "-pointsize", "15", "-annotate", "+470+92", "百家姓 · 复姓 · 读音 · 部首",
        "-strip", "-interlace", "none", "-sampling-factor", "2x2", "-quality", "88",
        path,
    ])


def icon_rgba(size, smooth):
    """RGBA bytes of the seal icon drawn at `size` pixels; without smoothing
    every pixel is pure seal red, white or transparent, which a 16-colour
    palette can show without stray tints."""
    radius = max(2, size // 6)
    point = {16: 13, 32: 25, 48: 38, 64: 51}[size]
    return magick([
        "-size", f"{size}x{size}", "xc:none", "-antialias" if smooth else "+antialias",
        "-fill", SEAL_RED, "-draw", f"roundrectangle 0,0 {size - 1},{size - 1} {radius},{radius}",
        "-fill", "white", "-font", FONT, "-pointsize", str(point),
        "-gravity", "center", "-annotate", "+0+0", "姓",
        "-depth", "8", "rgba:-",
    ], stdout=True)


def vga_palette():
    """The 16 colours of the standard Windows 4-bit palette."""
    return [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
            (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
            (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def cube_palette():
    """A 256-colour palette: the 6x6x6 colour cube, a grey ramp and the reds of the seal."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(v, v, v) for v in range(8, 248, 10)][:24]
    colours += [(184 + i * 2, 35 + i, 47 + i) for i in range(256 - len(colours))]
    return colours[:256]


def nearest(palette, rgb, cache):
    if rgb not in cache:
        cache[rgb] = min(range(len(palette)),
                         key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))
    return cache[rgb]


def and_mask(size, pixels):
    """1-bit transparency mask rows, bottom-up, padded to 32 bits."""
    stride = ((size + 31) // 32) * 4
    rows = []
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if pixels[y * size + x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b"".join(rows)


def composite_on_white(pixel):
    r, g, b, a = pixel
    return tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b))


def indexed_image(size, pixels, palette, bits):
    cache = {}
    per_byte = 8 // bits
    stride = (((size * bits) + 31) // 32) * 4
    rows = []
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            p = pixels[y * size + x]
            index = nearest(palette, composite_on_white(p), cache) if p[3] >= 128 else 0
            shift = (per_byte - 1 - x % per_byte) * bits
            row[x // per_byte] |= index << shift
        rows.append(bytes(row))
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return colour_table + b"".join(rows)


def true_colour_image(size, pixels):
    rows = []
    for y in reversed(range(size)):
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in pixels[y * size:(y + 1) * size]))
    return b"".join(rows)


def icon_entry(size, bits):
    raw = icon_rgba(size, smooth=bits != 4)
    pixels = [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]
    if bits == 4:
        body, colours = indexed_image(size, pixels, vga_palette(), 4), 16
    elif bits == 8:
        body, colours = indexed_image(size, pixels, cube_palette(), 8), 256
    else:
        body, colours = true_colour_image(size, pixels), 0
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)
    return header + body + and_mask(size, pixels), colours


def write_icon(path):
    entries = [(16, 4), (32, 4), (16, 8), (32, 8), (48, 8), (16, 32), (32, 32), (48, 32), (64, 32)]
    images = [(size, bits) + icon_entry(size, bits) for size, bits in entries]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, bits, data, colours in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits, len(data), offset)
        offset += len(data)
        blobs.append(data)
    with open(path, "wb") as f:
        f.write(directory + b"".join(blobs))


def main():
    os.makedirs(OUT, exist_ok=True)
    draw_banner(os.path.join(OUT, "banner.jpg"))
    write_icon(os.path.join(OUT, "lanvero.ico"))
    print("wrote", os.path.join(OUT, "banner.jpg"), "and", os.path.join(OUT, "lanvero.ico"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
