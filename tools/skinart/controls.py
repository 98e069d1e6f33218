"""Scroll bars, combo box parts, track bar thumbs, up-down buttons and the
colour scheme: the sections the control skinners read."""

from raster import Canvas, hstrip, mix, rounded_mask
from elements import colour_text, plate_frame
import glyphs


def _glyph_frame(size_w, size_h, shape, colour, plate=None, t=None):
    cv = Canvas(size_w, size_h)
    if plate is not None:
        cv.round_rect(1, 1, size_w - 2, size_h - 2, 3, plate)
    xs = [x for x, _ in shape]
    ys = [y for _, y in shape]
    gx = (size_w - (max(xs) + 1)) // 2
    gy = (size_h - (max(ys) + 1)) // 2
    cv.points(shape, colour, gx, gy)
    return cv


# -- scroll bars ------------------------------------------------------------

SCROLL = 16


def arrow_frames(t, direction):
    """Four frames of one arrow: normal, pressed, disabled, hot."""
    shape = glyphs.chevron(direction)
    return [
        _glyph_frame(SCROLL, SCROLL, shape, t.glyph),
        _glyph_frame(SCROLL, SCROLL, shape, t.glyph, plate=t.thumb_hot),
        _glyph_frame(SCROLL, SCROLL, shape, t.glyph_disabled),
        _glyph_frame(SCROLL, SCROLL, shape, t.accent, plate=t.accent_soft),
    ]


def grip_frame(t, thumb_colour, vertical):
    cv = Canvas(SCROLL, SCROLL)
    ink = mix(thumb_colour, t.field, 0.55)
    for x in (5, 7, 9):
        cv.vline(x + 1, 5, 6, ink)
    return cv.transposed() if vertical else cv


def build_scrollbar(b):
    """23 frames: arrows left 1-4, right 5-8, up 9-12, down 13-16 (each
    normal, pressed, disabled, hot), thumb grips horizontal 17-19 and
    vertical 20-22 (normal, pressed, hot), 23 the corner square."""
    t = b.theme
    frames = []
    for direction in ("left", "right", "up", "down"):
        frames += arrow_frames(t, direction)
    for vertical in (False, True):
        for colour in (t.thumb, t.thumb_press, t.thumb_hot):
            frames.append(grip_frame(t, colour, vertical))
    frames.append(Canvas(SCROLL, SCROLL, t.track))
    b.section("Scrollbar", [
        ("Image", b.image("scrollbar.bmp", hstrip(frames))), ("LeftWidth", 2),
        ("RightWidth", 2), ("TopHeight", 2), ("BottomHeight", 2), ("Trans", 1), ("Tile", 0)])

    def shaft(vertical):
        frames = []
        for fill in (t.track, mix(t.track, t.line_soft, 0.5), t.face,
                     mix(t.track, t.accent_soft, 0.5)):
            cv = Canvas(SCROLL, SCROLL, fill)
            cv.hline(0, 0, SCROLL, t.line_soft)
            frames.append(cv.transposed() if vertical else cv)
        return hstrip(frames)

    b.section("HorzScroll", [
        ("Image", b.image("hscroll.bmp", shaft(False))), ("LeftWidth", 0),
        ("RightWidth", 0), ("TopHeight", 1), ("BottomHeight", 0), ("Trans", 0), ("Tile", 0)])
    b.section("VertScroll", [
        ("Image", b.image("vscroll.bmp", shaft(True))), ("LeftWidth", 1),
        ("RightWidth", 0), ("TopHeight", 0), ("BottomHeight", 0), ("Trans", 0), ("Tile", 0)])

    def thumb(vertical):
        frames = []
        for fill in (t.thumb, t.thumb_press, t.thumb_hot):
            cv = Canvas(SCROLL, SCROLL)
            cv.round_rect(0, 3, SCROLL, SCROLL - 6, 4, fill)
            frames.append(cv.transposed() if vertical else cv)
        return hstrip(frames)

    b.section("HorzScrollThumb", [
        ("Image", b.image("hthumb.bmp", thumb(False))), ("FrameCount", 3),
        ("LeftWidth", 5), ("RightWidth", 5), ("TopHeight", 0), ("BottomHeight", 0),
        ("Trans", 1), ("Tile", 0)])
    b.section("VertScrollThumb", [
        ("Image", b.image("vthumb.bmp", thumb(True))), ("FrameCount", 3),
        ("LeftWidth", 0), ("RightWidth", 0), ("TopHeight", 5), ("BottomHeight", 5),
        ("Trans", 1), ("Tile", 0)])


# -- combo box --------------------------------------------------------------

def build_combo(b):
    """ComboButton and SunkEdge: 1 normal, 2 pressed, 3 disabled, 4 hot or
    focused; ExtraImages 1-4 the drop arrow in those states, 5 the size grip."""
    t = b.theme
    w, h = 18, 21
    frames = []
    for plate in (None, t.accent_press, None, t.accent_soft):
        cv = Canvas(w, h)
        if plate is None:
            cv.vline(0, 4, h - 8, t.line_soft)
        else:
            cv.round_rect(1, 2, w - 3, h - 4, 2, plate)
        frames.append(cv)
    b.section("ComboButton", [
        ("Image", b.image("combobutton.bmp", hstrip(frames))), ("LeftWidth", 3),
        ("RightWidth", 3), ("TopHeight", 3), ("BottomHeight", 3), ("Trans", 1), ("Tile", 0)])

    edges = [plate_frame(t, 12, h, t.field, t.line, radius=2),
             plate_frame(t, 12, h, t.field, t.accent, radius=2),
             plate_frame(t, 12, h, t.field_disabled, t.line_soft, radius=2),
             plate_frame(t, 12, h, t.field, mix(t.line, t.accent, 0.7), radius=2)]
    b.section("SunkEdge", [
        ("Image", b.image("sunkedge.bmp", hstrip(edges))), ("LeftWidth", 3),
        ("RightWidth", 3), ("TopHeight", 3), ("BottomHeight", 3), ("Trans", 1), ("Tile", 0)])

    cell = 12
    arrow = glyphs.chevron("down")
    extra = [_glyph_frame(cell, cell, arrow, colour)
             for colour in (t.glyph, t.accent, t.glyph_disabled, t.accent)]
    grip = Canvas(cell, cell)
    for x, y in glyphs.size_grip(cell):
        grip.fill_rect(x, y, 2, 2, t.line)
    extra.append(grip)
    b.section("ExtraImages", [
        ("Image", b.image("extra.bmp", hstrip(extra))), ("Trans", 1), ("Tile", 0)])


# -- track bar --------------------------------------------------------------

def pointer_mask(w, h, point):
    """A thumb whose lower end narrows to a point point pixels long."""
    body = rounded_mask(w, h - point, 2, corners="1100")
    half = w // 2
    tip = []
    for i in range(point):
        reach = half * (point - 1 - i) // max(1, point - 1)
        tip.append([abs(x - half) <= reach for x in range(w)])
    return body + tip


def thumb_states(t):
    """Frame colours in order: 1 hot, 2 normal (the one the engine draws),
    3 pressed, 4 focused, 5 disabled."""
    return [(t.control_hot, t.accent),
            (t.control, mix(t.line, t.text, 0.3)),
            (t.accent_press, t.accent),
            (t.control, t.accent),
            (t.field_disabled, t.line_soft)]


def thumb_strip(t, mask):
    frames = []
    for fill, border in thumb_states(t):
        cv = Canvas(len(mask[0]), len(mask))
        cv.paint_mask(0, 0, mask, fill, border)
        frames.append(cv)
    return hstrip(frames)


def build_trackbar_thumbs(b):
    t = b.theme
    plain = rounded_mask(11, 19, 3)
    down = pointer_mask(11, 19, 6)
    shapes = {}
    shapes["Horz"] = thumb_strip(t, plain)
    shapes["Down"] = thumb_strip(t, down)
    shapes["Up"] = thumb_strip(t, down[::-1])
    turned = [list(col) for col in zip(*down)]          # point to the right
    shapes["Vert"] = thumb_strip(t, [list(col) for col in zip(*plain)])
    shapes["Right"] = thumb_strip(t, turned)
    shapes["Left"] = thumb_strip(t, [row[::-1] for row in turned])
    for suffix in ("Horz", "Vert", "Left", "Right", "Up", "Down"):
        b.section("Trackbar.Thumb" + suffix, [
            ("Image", b.image("thumb%s.bmp" % suffix.lower(), shapes[suffix])),
            ("Trans", 1), ("Tile", 0)])


def build_track_channels(b):
    """Channels of the dark skin; the light skin uses the engine's own."""
    t = b.theme
    if not t.own_track_images:
        return
    channel = Canvas(16, 4, mix(t.track, t.client_edge, 0.5))
    channel.hline(0, 0, 16, t.client_edge)
    channel.hline(0, 3, 16, t.line_soft)
    b.section("Track", [
        ("Image", b.image("track.bmp", channel)), ("Frame", 1), ("LeftWidth", 3),
        ("RightWidth", 3), ("TopHeight", 0), ("BottomHeight", 0)])
    b.section("TRACKVERT", [
        ("Image", b.image("trackvert.bmp", channel.transposed())), ("Frame", 1),
        ("LeftWidth", 0), ("RightWidth", 0), ("TopHeight", 3), ("BottomHeight", 3)])


# -- up-down ----------------------------------------------------------------

def spin_frames(t, w, h, corners):
    return [_spin_plate(t, w, h, fill, border, corners)
            for fill, border in ((mix(t.field, t.face, 0.5), t.line),
                                 (t.accent_press, t.accent),
                                 (t.field_disabled, t.line_soft),
                                 (t.accent_soft, mix(t.line, t.accent, 0.6)))]


def _spin_plate(t, w, h, fill, border, corners):
    cv = Canvas(w, h)
    cv.round_rect(0, 0, w, h, 3, fill, border=border, corners=corners)
    return cv


def build_updown(b):
    """8 frames: the first button (up or left) 1-4, the second (down or
    right) 5-8, each normal, pressed, disabled, hot.  GlyphImage holds the
    arrow for the same eight frames."""
    t = b.theme
    inks = (t.glyph, t.accent, t.glyph_disabled, t.accent)

    def glyph_strip(first, second, cw, ch):
        return hstrip([_glyph_frame(cw, ch, glyphs.chevron(d), ink)
                       for d in (first, second) for ink in inks])

    vert = hstrip(spin_frames(t, 16, 11, "0100") + spin_frames(t, 16, 11, "0010"))
    horz = hstrip(spin_frames(t, 11, 16, "1001") + spin_frames(t, 11, 16, "0110"))
    b.section("UpDown.Horz", [
        ("Image", b.image("spinhorz.bmp", horz)),
        ("GlyphImage", b.image("spinhorzglyph.bmp", glyph_strip("left", "right", 6, 9))),
        ("Trans", 1), ("Tile", 0)])
    b.section("UpDown.Vert", [
        ("Image", b.image("spinvert.bmp", vert)),
        ("GlyphImage", b.image("spinvertglyph.bmp", glyph_strip("up", "down", 9, 6))),
        ("Trans", 1), ("Tile", 0)])


# -- colours ----------------------------------------------------------------

def scheme(t):
    """Every key of the colour scheme, in the table's order."""
    return [
        ("WindowText", t.text),
        ("TitleTextActive", t.text),
        ("TitleTextNoActive", t.text_dim),
        ("ButtonFace", t.face),
        ("ButtonText", t.text),
        ("ButtonHilight", mix(t.line, t.accent, 0.6)),
        ("Buttonlight", mix(t.face, t.field, 0.5)),
        ("ButtonShadow", t.line),
        ("ButtonDkShadow", mix(t.line, t.text, 0.5)),
        ("HilightText", t.selection_text),
        ("Hilight", t.selection),
        ("Menubar", t.caption),
        ("MenuBarText", t.text),
        ("MenuText", t.text),
        ("Menu", t.menu),
        ("Scrollbar", t.track),
    ]


def build_colours(b):
    t = b.theme
    b.section("Colours", [(key, colour_text(rgb)) for key, rgb in scheme(t)])
    for i, rgb in enumerate(t.presets):
        b.section("Colour%d" % i, [("color", colour_text(rgb))])
