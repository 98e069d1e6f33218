#!/usr/bin/env python3
"""Draws both shipped skins, the engine's and the framework's bitmap resources.

    python3 tools/skinart/generate.py            write everything
    python3 tools/skinart/generate.py --check     compare with the files on
                                                 disk, change nothing

Output: assets/skins/<skin>/ (one INI and its bitmaps), assets/engine/ and
assets/framework/ (the media player's button glyphs).
The same bytes come out on every run.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfile                      # noqa: E402
import controls                     # noqa: E402
import elements                     # noqa: E402
import engine_bitmaps               # noqa: E402
import mediaplayer_glyphs           # noqa: E402
import skinini                      # noqa: E402
from themes import THEMES           # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def build_skin(theme):
    """All member files of one skin: file name -> bytes."""
    b = elements.SkinBuilder(theme)
    b.section("TitlebarSkin", [("SkinName", theme.name)])
    geo, protos = elements.build_personality(b)
    elements.build_caption_buttons(b, geo, protos)
    elements.build_mdi_controls(b)
    elements.build_buttons(b)
    elements.build_progress(b)
    elements.build_group_box(b)
    elements.build_tabs(b)
    elements.build_status_bar(b)
    elements.build_toolbar_buttons(b)
    controls.build_combo(b)
    elements.build_header(b)
    elements.build_menus(b)
    controls.build_scrollbar(b)
    controls.build_trackbar_thumbs(b)
    controls.build_updown(b)
    controls.build_track_channels(b)
    controls.build_colours(b)
    files = {name: bmpfile.encode_24(canvas) for name, canvas in b.images.items()}
    files[theme.folder + ".ini"] = skinini.render(b.sections, (
        "%s skin for Lanvero." % theme.name,
        "Drawn by tools/skinart/generate.py; edit the generator, not this file.",
    ))
    return files


def build_engine():
    return {name: bmpfile.encode_indexed(canvas, palette, bits)
            for name, (canvas, bits, palette) in engine_bitmaps.build().items()}


def outputs():
    """Folder (relative to the repository) -> {file name: bytes}."""
    result = {os.path.join("assets", "skins", t.folder): build_skin(t) for t in THEMES}
    result[os.path.join("assets", "engine")] = build_engine()
    result[os.path.join("assets", "framework")] = {
        name: bmpfile.encode_24(canvas) for name, canvas in mediaplayer_glyphs.build().items()}
    return result


def generated_kind(name):
    return name.endswith(".bmp") or name.endswith(".ini")


def sync(root, check):
    differences = []
    for folder, files in outputs().items():
        path = os.path.join(root, folder)
        present = set(os.listdir(path)) if os.path.isdir(path) else set()
        for stale in sorted(n for n in present if generated_kind(n) and n not in files):
            differences.append(os.path.join(folder, stale) + " is not generated")
            if not check:
                os.remove(os.path.join(path, stale))
        for name, data in sorted(files.items()):
            target = os.path.join(path, name)
            current = None
            if os.path.exists(target):
                with open(target, "rb") as fh:
                    current = fh.read()
            if current == data:
                continue
            differences.append(os.path.join(folder, name) + " differs")
            if not check:
                os.makedirs(path, exist_ok=True)
                with open(target, "wb") as fh:
                    fh.write(data)
    return differences


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="report files that differ from a fresh run and change nothing")
    parser.add_argument("--root", default=REPO, help="repository root (default: this tree)")
    args = parser.parse_args(argv)
    differences = sync(args.root, args.check)
    for line in differences:
        print(line)
    if args.check:
        print("up to date" if not differences else "%d file(s) out of date" % len(differences))
        return 1 if differences else 0
    print("%d file(s) written or removed" % len(differences))
    return 0


if __name__ == "__main__":
    sys.exit(main())
