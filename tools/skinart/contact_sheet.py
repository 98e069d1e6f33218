#!/usr/bin/env python3
"""Renders every image of a skin folder, magnified, to one PNG.

    python3 tools/skinart/contact_sheet.py assets/skins/paleglass -o out/paleglass-sheet.png

Each image is labelled with its section, key and member file, cut into the
frames the engine sees (numbered, with a gap between frames), and shown at
the chosen scale with nearest-neighbour magnification.  Above the images a
mock window composed from the skin shows the parts together.  A folder
without an INI (assets/engine) is shown image by image.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfile                      # noqa: E402
import layout                       # noqa: E402
import pngfile                      # noqa: E402
import preview                      # noqa: E402
import skinini                      # noqa: E402
import tinyfont                     # noqa: E402
from raster import Canvas, split_frames  # noqa: E402

BACKGROUND = (250, 250, 250)
INK = (20, 20, 20)
NOTE = (90, 90, 90)
GAP_COLOUR = (0, 190, 255)
GAP = 3
SHEET_WIDTH = 1400
MARGIN = 16

ENGINE_FRAMES = {"tessalymenu.bmp": (4, "restore, maximise, minimise, close")}


def load_folder(folder):
    names = sorted(os.listdir(folder))
    images = {}
    for name in names:
        if name.lower().endswith(".bmp"):
            with open(os.path.join(folder, name), "rb") as fh:
                images[name.lower()], _bits = bmpfile.decode(fh.read())
    ini = [n for n in names if n.lower().endswith(".ini")]
    sections = None
    if ini:
        with open(os.path.join(folder, ini[0]), "rb") as fh:
            sections = skinini.parse(fh.read())
    return sections, images


def entries(sections, images):
    """(title, meaning, image, frames, vertical) for every image shown."""
    shown = []
    if sections is None:
        for name, image in sorted(images.items()):
            frames, meaning = ENGINE_FRAMES.get(name, (1, "used whole"))
            shown.append((name, meaning, image, frames, False))
        return shown
    for section, values in sections:
        for key, value in values.items():
            if not value.lower().endswith(".bmp"):
                continue
            image = images.get(skinini.image_member(value))
            if image is None:
                raise SystemExit("%s/%s names %s, which is not in the folder" % (section, key, value))
            frames, vertical, meaning = layout.strip_for(section, key, values,
                                                        (image.width, image.height))
            title = "[%s] %s" % (section, key)
            facts = "%s  %d X %d  %d FRAME%s%s" % (
                value, image.width, image.height, frames, "S" if frames != 1 else "",
                " STACKED" if vertical and frames > 1 else "")
            shown.append((title, facts + ": " + meaning, image, frames, vertical))
    return shown


def magnified(image, scale):
    return image.scaled(image.width * scale, image.height * scale)


def frame_tiles(image, frames, vertical, scale):
    """Magnified frames, each with its number below (or beside) it."""
    tiles = []
    for i, frame in enumerate(split_frames(image, frames, vertical)):
        big = magnified(frame, scale)
        tile = Canvas(max(big.width, tinyfont.text_width(str(i + 1)) + 2), big.height + 10, BACKGROUND)
        tile.blit(big, 0, 0)
        if frames > 1:
            tinyfont.draw_text(tile, 0, big.height + 2, str(i + 1), NOTE)
        tiles.append(tile)
    return tiles


def arrange(tiles, vertical, width):
    """Positions of the tiles: a row that wraps, or a column for stacked frames."""
    positions, x, y, row_h = [], 0, 0, 0
    for tile in tiles:
        if vertical:
            positions.append((0, y))
            y += tile.height + GAP
            continue
        if x and x + tile.width > width:
            x, y = 0, y + row_h + GAP
            row_h = 0
        positions.append((x, y))
        x += tile.width + GAP
        row_h = max(row_h, tile.height)
    w = max(px + t.width for (px, _), t in zip(positions, tiles))
    h = max(py + t.height for (_, py), t in zip(positions, tiles))
    return positions, w, h


def draw_block(title, meaning, image, frames, vertical, scale, width):
    tiles = frame_tiles(image, frames, vertical, scale)
    positions, w, h = arrange(tiles, vertical, width)
    block = Canvas(max(w, tinyfont.text_width(title, 2), tinyfont.text_width(meaning)),
                   h + 34, BACKGROUND)
    tinyfont.draw_text(block, 0, 0, title, INK, 2)
    tinyfont.draw_text(block, 0, 16, meaning, NOTE)
    top = 28
    if frames > 1:
        # the gap between frames marks the frame boundaries
        for (px, py), tile in zip(positions, tiles):
            block.fill_rect(px - GAP if px else px, top + py - (GAP if vertical and py else 0),
                            tile.width + (GAP if px else 0),
                            tile.height - 10 + (GAP if vertical and py else 0), GAP_COLOUR)
    for (px, py), tile in zip(positions, tiles):
        block.blit(tile, px, top + py)
    return block


def engine_track():
    """The engine's default channel, for skins that bring none."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                        "assets", "engine", "track.bmp")
    if not os.path.exists(path):
        return None
    with open(path, "rb") as fh:
        return bmpfile.decode(fh.read())[0]


def write_png(path, canvas):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as fh:
        fh.write(pngfile.encode(canvas))


def render_sheet(folder, scale, with_preview):
    sections, images = load_folder(folder)
    blocks = [draw_block(*entry, scale, SHEET_WIDTH - 2 * MARGIN)
              for entry in entries(sections, images)]
    header = []
    if sections is not None and with_preview:
        header.append(preview.render(preview.Skin(sections, images), engine_track()))
    width = max([SHEET_WIDTH] + [h.width + 2 * MARGIN for h in header])
    # pack blocks into rows
    rows, row, row_w = [], [], 0
    for block in blocks:
        if row and row_w + block.width + MARGIN > width - 2 * MARGIN:
            rows.append(row)
            row, row_w = [], 0
        row.append(block)
        row_w += block.width + MARGIN
    if row:
        rows.append(row)
    title_h = 30
    height = MARGIN + title_h + sum(h.height + MARGIN for h in header)
    height += sum(max(b.height for b in r) + MARGIN for r in rows) + MARGIN
    sheet = Canvas(width, height, BACKGROUND)
    name = os.path.basename(os.path.normpath(folder))
    skin_name = name
    if sections:
        skin_name = dict(sections).get("TitlebarSkin", {}).get("skinname", name)
    tinyfont.draw_text(sheet, MARGIN, MARGIN, "%s  (%s, %d IMAGES, SCALE %d)" % (
        skin_name, folder, len(blocks), scale), INK, 3)
    y = MARGIN + title_h
    for h in header:
        sheet.blit(h, MARGIN, y)
        y += h.height + MARGIN
    for r in rows:
        x = MARGIN
        for block in r:
            sheet.blit(block, x, y)
            x += block.width + MARGIN
        y += max(b.height for b in r) + MARGIN
    return sheet


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", help="skin folder (INI and bitmaps) or assets/engine")
    parser.add_argument("-o", "--output", required=True, help="PNG file to write")
    parser.add_argument("--scale", type=int, default=3, help="magnification (default 3)")
    parser.add_argument("--no-preview", action="store_true", help="leave out the mock window")
    parser.add_argument("--preview", help="also write the mock window alone to this PNG")
    args = parser.parse_args(argv)
    if args.preview:
        sections, images = load_folder(args.folder)
        write_png(args.preview, preview.render(preview.Skin(sections, images), engine_track()))
    sheet = render_sheet(args.folder, args.scale, not args.no_preview)
    write_png(args.output, sheet)
    print("%s: %d x %d" % (args.output, sheet.width, sheet.height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
