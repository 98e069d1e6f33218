"""Tests of the skin art: the generator's files, the layout the engine
relies on, the bitmap format and the contact sheet."""

import os
import struct
import sys
import tempfile
import unittest

ROOT = os.environ.get("LANVERO_SOURCE_DIR") or os.path.abspath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "skinart"))

import bmpfile          # noqa: E402
import contact_sheet    # noqa: E402
import generate         # noqa: E402
import layout           # noqa: E402
import skinini          # noqa: E402
from raster import Canvas, MAGENTA, split_frames  # noqa: E402
from themes import THEMES  # noqa: E402

SKINS_DIR = os.path.join(ROOT, "assets", "skins")
ENGINE_DIR = os.path.join(ROOT, "assets", "engine")

GENERIC_SECTIONS = (
    "Buttons", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs",
    "StatusBarEdges", "Tab.Pane", "ToolBars", "ComboButton", "SunkEdge", "ExtraImages",
    "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll",
    "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert",
    "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown",
    "UpDown.Horz", "UpDown.Vert")

SCHEME_KEYS = (
    "WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
    "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText",
    "Hilight", "Menubar", "MenuBarText", "MenuText", "Menu", "Scrollbar")

PERSONALITY_KEYS = tuple(
    edge + suffix
    for edge in ("Left", "Right", "Top", "Bottom")
    for suffix in ("", "TopHeight", "BotHeight", "Frame", "Stretch", "Trans")) + (
    "TextBack", "TextShift", "TextShiftVert", "TextRightClip", "TextAlignment",
    "Textbackground", "TXTBackleft", "TXTBackRight", "menuBar", "TileMenu",
    "TileLeftMenu", "TileRightMenu", "ActiveTextR", "ActiveTextG", "ActiveTextB",
    "InActiveTextR", "InActiveTextG", "InActiveTextB")


class Skin:
    """A skin folder as the engine would see it."""

    def __init__(self, folder):
        self.folder = folder
        self.sections, self.images = contact_sheet.load_folder(folder)
        self.by_name = {}
        for name, keys in self.sections:
            self.by_name.setdefault(name.lower(), keys)

    def keys(self, section):
        return self.by_name.get(section.lower(), {})

    def int(self, section, key):
        return int(self.keys(section)[key.lower()], 0)

    def image(self, section, key):
        return self.images[self.keys(section)[key.lower()].lower()]

    def frames(self, section, key):
        image = self.image(section, key)
        count, vertical, _ = layout.strip_for(section, key, self.keys(section),
                                              (image.width, image.height))
        return split_frames(image, count, vertical), count, vertical


def skins():
    return [(theme, Skin(os.path.join(SKINS_DIR, theme.folder))) for theme in THEMES]


class GeneratorOutput(unittest.TestCase):
    def test_committed_files_are_what_the_generator_draws(self):
        with tempfile.TemporaryDirectory() as scratch:
            self.assertEqual(generate.sync(scratch, check=False) != [], True)
            self.assertEqual(generate.sync(scratch, check=True), [],
                             "a second run must give the same bytes")
        self.assertEqual(generate.sync(ROOT, check=True), [],
                         "run python3 tools/skinart/generate.py and commit the result")

    def test_skin_folders_hold_only_members(self):
        for theme, skin in skins():
            names = os.listdir(skin.folder)
            self.assertEqual([n for n in names if n.endswith(".ini")], [theme.folder + ".ini"])
            for name in names:
                self.assertTrue(name.endswith(".bmp") or name.endswith(".ini"), name)
                self.assertEqual(name, name.lower(), name)


class IniContent(unittest.TestCase):
    def test_every_section_and_key_the_engine_reads_is_present(self):
        for theme, skin in skins():
            with self.subTest(skin=theme.name):
                self.assertEqual(skin.keys("TitlebarSkin")["skinname"], theme.name)
                for key in PERSONALITY_KEYS:
                    self.assertIn(key.lower(), skin.keys("Personality"), key)
                self.assertIn("fontheight", skin.keys("Fonts"))
                for section in GENERIC_SECTIONS + ("MDICONTROLS", "Colours"):
                    self.assertTrue(skin.keys(section), section)
                for key in SCHEME_KEYS:
                    self.assertIn(key.lower(), skin.keys("Colours"), key)
                for preset in ("Colour0", "Colour1"):
                    self.assertRegex(skin.keys(preset).get("color", ""), r"^\d+ \d+ \d+$")
                self.assertIn("border", skin.keys("Tabs"))
                for section in ("UpDown.Horz", "UpDown.Vert"):
                    self.assertIn("glyphimage", skin.keys(section))

    def test_caption_buttons_cover_every_window_command(self):
        for theme, skin in skins():
            buttons = [(name, keys) for name, keys in skin.sections
                       if name.upper().startswith("BUTTON") and name.upper() != "BUTTONS"]
            actions = [(int(k["action"]), int(k.get("visibility", "-1"))) for _, k in buttons]
            with self.subTest(skin=theme.name):
                self.assertIn((0, 0), actions)            # close
                self.assertIn((1, 2), actions)            # maximise while not maximised
                self.assertIn((1, 1), actions)            # restore while maximised
                self.assertIn(2, [a for a, _ in actions])  # minimise
                self.assertIn(4, [a for a, _ in actions])  # context help
                icon = [k for _, k in buttons if k["action"] == "3"]
                self.assertEqual(len(icon), 1)
                self.assertNotIn("buttonimage", icon[0])
                # help takes the maximise button's place, so maximise comes first
                order = [a for a, _ in actions]
                self.assertLess(actions.index((1, 2)), order.index(4))

    def test_colour_values_are_three_numbers(self):
        for _, skin in skins():
            for name, keys in skin.sections:
                for key, value in keys.items():
                    if "colour" in key or name.lower() in ("colours",) or key == "color":
                        self.assertRegex(value, r"^\d{1,3} \d{1,3} \d{1,3}$", (name, key))


class ImageLayout(unittest.TestCase):
    def test_every_named_image_exists_and_splits_into_whole_frames(self):
        for _, skin in skins():
            for section, keys in skin.sections:
                for key, value in keys.items():
                    if not value.endswith(".bmp"):
                        continue
                    image = skin.images[value]
                    count, vertical, _ = layout.strip_for(section, key, keys,
                                                          (image.width, image.height))
                    extent = image.height if vertical else image.width
                    self.assertEqual(extent % count, 0, (section, key, value, count))

    def test_fixed_frame_counts(self):
        expected = {("Buttons", "Bitmap"): 5, ("MDICONTROLS", "Image"): 12,
                    ("Scrollbar", "Image"): 23, ("StatusBarEdges", "Image"): 3,
                    ("Tabs", "Image"): 5, ("ExtraImages", "Image"): 5,
                    ("MenuItem", "Image"): 5, ("UpDown.Vert", "Image"): 8,
                    ("UpDown.Vert", "GlyphImage"): 8, ("HorzScroll", "Image"): 4}
        for _, skin in skins():
            for (section, key), count in expected.items():
                frames, found, _ = skin.frames(section, key)
                self.assertEqual(found, count, (section, key))
                self.assertEqual(len({(f.width, f.height) for f in frames}), 1)
            # the check strip has 5 cells of 13 pixels, the radio strip 4
            self.assertEqual(skin.image("Buttons", "CheckButton").width, 5 * 13)
            self.assertEqual(skin.image("Buttons", "RadioButton").width, 4 * 13)

    def test_frame_edges_match_the_caption_and_each_other(self):
        for theme, skin in skins():
            p = "Personality"
            left, right = skin.image(p, "Left"), skin.image(p, "Right")
            top, bottom = skin.image(p, "Top"), skin.image(p, "Bottom")
            with self.subTest(skin=theme.name):
                self.assertEqual(top.height // 2, theme.caption_height)
                self.assertEqual(left.width // 2, theme.side_width)
                self.assertEqual(right.width // 2, theme.side_width)
                self.assertEqual(bottom.height // 2, theme.bottom_height)
                self.assertEqual(left.height, right.height)
                self.assertEqual(top.width, bottom.width)
                self.assertEqual(skin.image(p, "TextBack").height, 2 * theme.caption_height)

    def test_cut_pixels_lie_only_in_the_parts_that_are_never_stretched(self):
        for theme, skin in skins():
            p = "Personality"
            for edge in ("Left", "Right", "Top", "Bottom"):
                frames, _, vertical = skin.frames(p, edge)
                first, second = skin.int(p, edge + "TopHeight"), skin.int(p, edge + "BotHeight")
                for frame in frames:
                    for y in range(frame.height):
                        for x in range(frame.width):
                            if frame.get(x, y) != MAGENTA:
                                continue
                            along = y if edge in ("Left", "Right") else x
                            length = frame.height if edge in ("Left", "Right") else frame.width
                            self.assertTrue(along < first or along >= length - second,
                                            (theme.name, edge, x, y))

    def test_outer_corners_are_cut_and_the_frame_is_solid_inside(self):
        for theme, skin in skins():
            frames, _, _ = skin.frames("Personality", "Left")
            for frame in frames:
                self.assertEqual(frame.get(0, 0), MAGENTA)
                self.assertEqual(frame.get(0, frame.height - 1), MAGENTA)
                self.assertNotEqual(frame.get(0, frame.height // 2), MAGENTA)
                for y in range(theme.caption_height, frame.height - theme.corner_radius):
                    self.assertNotEqual(frame.get(0, y), MAGENTA,
                                        "the cut must stay within the corner radius")

    def test_caption_buttons_repeat_the_caption_behind_them(self):
        """Caption buttons are drawn without the magenta key, so the idle
        frames must show the caption's own colour around the glyph."""
        for theme, skin in skins():
            top_frames, _, _ = skin.frames("Personality", "Top")
            for name, keys in skin.sections:
                if "buttonimage" not in keys:
                    continue
                frames, count, _ = skin.frames(name, "ButtonImage")
                self.assertEqual(count, 4)
                y = skin.int(name, "Ycoord")
                height = frames[0].height
                self.assertLessEqual(y + height, theme.caption_height - 1,
                                     "buttons keep the caption's lower edge line")
                for index, top_index in ((0, 0), (3, 1)):
                    caption = top_frames[top_index]
                    mid = caption.width // 2
                    for row in (0, height // 2, height - 1):
                        self.assertEqual(frames[index].get(2, row), caption.get(mid, y + row),
                                         (theme.name, name, index, row))

    def test_hover_and_pressed_frames_differ_visibly(self):
        for _, skin in skins():
            for section, key, group in (("Buttons", "Bitmap", (0, 1, 2, 3, 4)),
                                        ("BUTTON0", "ButtonImage", (0, 1, 2, 3)),
                                        ("ComboButton", "Image", (0, 1, 3)),
                                        ("Tabs", "Image", (0, 1, 2))):
                frames, _, _ = skin.frames(section, key)
                pixels = [tuple(frames[i].pixels) for i in group]
                self.assertEqual(len(set(pixels)), len(pixels), (section, key))


class BitmapFiles(unittest.TestCase):
    def test_24_bit_round_trip_and_header(self):
        cv = Canvas(5, 3, (1, 2, 3))
        cv.put(4, 0, (250, 0, 7))
        data = bmpfile.encode_24(cv)
        self.assertEqual(data[:2], b"BM")
        size, = struct.unpack_from("<I", data, 2)
        self.assertEqual(size, len(data))
        width, height, planes, bits = struct.unpack_from("<iiHH", data, 18)
        self.assertEqual((width, height, planes, bits), (5, 3, 1, 24))   # bottom-up
        self.assertEqual(len(data), 54 + 3 * 16)                         # rows padded to 4
        back, bits = bmpfile.decode(data)
        self.assertEqual((bits, back.pixels), (24, cv.pixels))

    def test_indexed_images_round_trip(self):
        cv = Canvas(9, 2, (0, 0, 0))
        cv.put(8, 1, (255, 255, 255))
        for bits in (1, 4, 8):
            back, got = bmpfile.decode(bmpfile.encode_indexed(cv, ((0, 0, 0), (255, 255, 255)), bits))
            self.assertEqual((got, back.pixels), (bits, cv.pixels))
        with self.assertRaises(ValueError):
            bmpfile.encode_indexed(cv, ((0, 0, 0),), 1)

    def test_engine_resources(self):
        def load(name):
            with open(os.path.join(ENGINE_DIR, name), "rb") as fh:
                return bmpfile.decode(fh.read())

        menu, bits = load("tessalymenu.bmp")
        self.assertEqual((menu.width, menu.height, bits), (64, 16, 1))
        for glyph in split_frames(menu, 4):
            self.assertIn((0, 0, 0), glyph.pixels)
            self.assertEqual(glyph.get(0, 0), (255, 255, 255))      # white is transparent
        track, bits = load("track.bmp")
        self.assertEqual((track.width, track.height, bits), (16, 4, 4))
        self.assertEqual(track.get(0, 0), (192, 192, 192))
        self.assertEqual(set(track.row(0)[1:]), {(128, 128, 128)})
        self.assertEqual({p for y in range(1, 4) for p in track.row(y)}, {(255, 255, 255)})
        vert, bits = load("trackvert.bmp")
        self.assertEqual((vert.width, vert.height, bits), (4, 16, 4))
        self.assertEqual(vert.pixels, track.transposed().pixels)

    def test_media_player_glyphs(self):
        olive = (128, 128, 0)
        folder = os.path.join(ROOT, "assets", "framework")
        buttons = ("play", "pause", "stop", "next", "prev", "step", "back", "record", "eject")
        pictures = {}
        for button in buttons:
            for kind in ("en", "di", "cl"):
                with open(os.path.join(folder, "%s_mp%s.bmp" % (kind, button)), "rb") as fh:
                    cv, bits = bmpfile.decode(fh.read())
                self.assertEqual((cv.width, cv.height, bits), (16, 12, 24))
                self.assertEqual(cv.get(0, 0), olive)      # olive is transparent
                pictures[kind, button] = cv
            # the same shape in every kind: black, grey with a white relief, a colour
            shape = {i for i, p in enumerate(pictures["en", button].pixels) if p != olive}
            self.assertEqual(set(pictures["en", button].pixels), {olive, (0, 0, 0)})
            self.assertEqual(shape, {i for i, p in enumerate(pictures["cl", button].pixels) if p != olive})
            self.assertEqual(shape, {i for i, p in enumerate(pictures["di", button].pixels)
                                     if p == (128, 128, 128)})
            self.assertIn((255, 255, 255), pictures["di", button].pixels)
            self.assertNotIn((0, 0, 0), pictures["cl", button].pixels)
        # every button has a picture of its own
        self.assertEqual(len({tuple(pictures["en", b].pixels) for b in buttons}), len(buttons))


class ContactSheet(unittest.TestCase):
    def test_sheet_shows_every_image_and_is_a_png(self):
        skin = Skin(os.path.join(SKINS_DIR, THEMES[0].folder))
        named = sum(1 for _, keys in skin.sections for v in keys.values() if v.endswith(".bmp"))
        self.assertEqual(len(contact_sheet.entries(skin.sections, skin.images)), named)
        with tempfile.TemporaryDirectory() as scratch:
            out = os.path.join(scratch, "sheet.png")
            self.assertEqual(contact_sheet.main([skin.folder, "-o", out, "--scale", "2"]), 0)
            with open(out, "rb") as fh:
                data = fh.read()
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        width, height = struct.unpack_from(">II", data, 16)
        self.assertGreaterEqual(width, 665)
        self.assertGreater(height, 612)

    def test_caption_button_frame_count_follows_the_width_rule(self):
        # without a "frame" key the engine takes 3 frames up to a ratio of 3.8, else 6
        self.assertEqual(layout.strip_for("BUTTON9", "ButtonImage", {}, (38, 10))[0], 3)
        self.assertEqual(layout.strip_for("BUTTON9", "ButtonImage", {}, (39, 10))[0], 6)
        self.assertEqual(layout.strip_for("Headerbar", "Image", {"frame": "3"}, (48, 20))[0], 3)
        self.assertEqual(layout.strip_for("Progress", "Bitmap", {"style": "1"}, (16, 16))[0], 1)

    def test_ini_reader_keeps_the_first_key_and_skips_comments(self):
        sections = skinini.parse(b"; note\r\n[A]\r\nKey=1\r\nkey=2\r\n\r\n[B]\nx = y z \n")
        self.assertEqual(sections, [("A", {"key": "1"}), ("B", {"x": "y z"})])
        self.assertEqual(skinini.image_member("Skins\\Blue\\Close.bmp"), "close.bmp")


if __name__ == "__main__":
    unittest.main()
