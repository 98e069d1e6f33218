"""How the engine cuts each skin image into frames.

One entry per (section, image key): the frame count (a number, or the key
that gives it with its default), whether the frames are stacked rather
than side by side, and what each frame means.  The contact sheet and the
tests read this table; assets/skins/README.md shows the same table.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class Strip:
    frames: object            # int, or (key, default)
    vertical: bool
    meaning: str


CAPTION = "1 normal, 2 pressed, 3 hot, 4 disabled or inactive"
PUSH = "1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default"
COMBO = "1 normal, 2 pressed, 3 disabled, 4 hot or focused"
SPIN = "1-4 up/left button, 5-8 down/right button (normal, pressed, disabled, hot)"
THUMB = "1 hot, 2 normal (drawn by the engine in every state), 3 pressed, 4 focused, 5 disabled"

LAYOUT = {
    ("personality", "left"): Strip(("LeftFrame", 1), False, "1 active, 2 inactive"),
    ("personality", "right"): Strip(("RightFrame", 1), False, "1 active, 2 inactive"),
    ("personality", "top"): Strip(("TopFrame", 1), True, "1 active, 2 inactive"),
    ("personality", "bottom"): Strip(("BottomFrame", 1), True, "1 active, 2 inactive"),
    ("personality", "textback"): Strip(2, True, "1 active, 2 inactive"),
    ("personality", "menubar"): Strip(2, True, "1 active, 2 inactive"),
    ("button*", "buttonimage"): Strip(("frame", 0), False, CAPTION),
    ("mdicontrols", "image"): Strip(12, False,
                                    "minimise 1-4, restore 5-8, close 9-12 "
                                    "(normal, pressed, hot, hot in the menu band)"),
    ("buttons", "bitmap"): Strip(5, False, PUSH),
    ("buttons", "checkbutton"): Strip(("CheckButtonFrame", 0), False,
                                      "1 unchecked, 2 checked, 3 unchecked disabled, "
                                      "4 checked disabled or grayed, 5 indeterminate"),
    ("buttons", "radiobutton"): Strip(("RadioButtonFrame", 0), False,
                                      "1 unchecked, 2 checked, 3 unchecked disabled, "
                                      "4 checked disabled"),
    ("progress", "bitmap"): Strip("progress", False, "Style 0: 1 empty bar, 2 filled bar; "
                                                     "Style 1: 1 background"),
    ("progress.chunk", "image"): Strip(("Frame", 1), False, "one chunk with its gap"),
    ("groupboxedge", "image"): Strip(2, False, "1 enabled, 2 disabled"),
    ("groupbox", "image"): Strip(1, False, "caption background"),
    ("tabs", "image"): Strip(5, False, "1 tab, 2 current tab, 3 hot, 4 disabled, "
                                       "5 current with focus"),
    ("tabs", "border"): Strip(1, False, "page frame, margins 4, 5, 4, 4"),
    ("statusbaredges", "image"): Strip(3, False, "1 lowered, 2 raised, 3 no bevel"),
    ("tab.pane", "image"): Strip(1, False, "page (Tabs Style 1)"),
    ("toolbars", "image"): Strip(5, False, "1 normal, 2 pressed, 3 disabled, 4 hot, 5 checked"),
    ("combobutton", "image"): Strip(4, False, COMBO),
    ("sunkedge", "image"): Strip(4, False, COMBO),
    ("extraimages", "image"): Strip(5, False, "1-4 combo arrow (" + COMBO + "), 5 size grip"),
    ("headerbar", "image"): Strip(("Frame", 5), False, "1 normal, 2 hot, 3 pressed"),
    ("menuitem", "image"): Strip(5, False, "1 item, 2 separator, 3 unused, 4 selected, 5 unused"),
    ("menubackground", "image"): Strip(1, False, "popup menu window"),
    ("scrollbar", "image"): Strip(23, False,
                                  "arrows left 1-4, right 5-8, up 9-12, down 13-16 "
                                  "(normal, pressed, disabled, hot); grips horizontal "
                                  "17-19, vertical 20-22 (normal, pressed, hot); 23 corner"),
    ("horzscroll", "image"): Strip(4, False, "1 enabled, 2 (page pressed), 3 disabled, 4 (hot)"),
    ("vertscroll", "image"): Strip(4, False, "1 enabled, 2 (page pressed), 3 disabled, 4 (hot)"),
    ("horzscrollthumb", "image"): Strip(("FrameCount", 3), False, "1 normal, 2 pressed, 3 hot"),
    ("vertscrollthumb", "image"): Strip(("FrameCount", 3), False, "1 normal, 2 pressed, 3 hot"),
    ("trackbar.thumb*", "image"): Strip(5, False, THUMB),
    ("updown.*", "image"): Strip(8, False, SPIN),
    ("updown.*", "glyphimage"): Strip(8, False, SPIN),
    ("track", "image"): Strip(("Frame", 0), False, "channel, used whole"),
    ("trackvert", "image"): Strip(("Frame", 0), False, "channel, used whole"),
}


def _lookup(section, key):
    section, key = section.lower(), key.lower()
    if (section, key) in LAYOUT:
        return LAYOUT[(section, key)]
    for (pattern, pkey), strip in LAYOUT.items():
        if pattern.endswith("*") and section.startswith(pattern[:-1]) and key == pkey:
            return strip
    return None


def _int(text, default):
    try:
        return int(text, 0)
    except (TypeError, ValueError):
        return default


def strip_for(section, key, values, image_size):
    """(frame count, vertical, meaning) of one image as the engine reads it.

    values: the section's keys (lower case) -> text; image_size: (w, h).
    """
    strip = _lookup(section, key)
    if strip is None:
        return 1, False, "not read by the engine"
    frames = strip.frames
    if frames == "progress":
        frames = 2 if _int(values.get("style"), 0) == 0 else 1
    elif isinstance(frames, tuple):
        frames = _int(values.get(frames[0].lower()), frames[1])
    if frames <= 0 and section.lower().startswith("button") and key.lower() == "buttonimage":
        w, h = image_size
        frames = 3 if h and w / h <= 3.8 else 6
    elif frames <= 0 and key.lower() in ("checkbutton", "radiobutton"):
        cell = 13 if image_size[1] < 16 else 16
        frames = max(4, image_size[0] // cell)
    return max(frames, 1), strip.vertical, strip.meaning
