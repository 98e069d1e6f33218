"""Draws every image of a skin and the INI keys that describe it.

One function per INI section (or group of sections).  Each returns the
section's keys and registers its images with the SkinBuilder; frame order
and orientation follow what the engine's consumers expect (see
assets/skins/README.md for the table).
"""

from raster import Canvas, MAGENTA, hstrip, vstrip, mix, rounded_mask
import glyphs


class SkinBuilder:
    """Collects the member images and the INI sections of one skin."""

    def __init__(self, theme):
        self.theme = theme
        self.images = {}
        self.sections = []

    def image(self, name, canvas):
        if name in self.images:
            raise ValueError("image %s drawn twice" % name)
        self.images[name] = canvas
        return name

    def section(self, name, keys):
        self.sections.append((name, list(keys)))


def colour_text(rgb):
    return "%d %d %d" % rgb


# -- window frame ---------------------------------------------------------

class FrameGeometry:
    """A tiny whole window frame; the four edge images are cut out of it,
    so arcs and lines run on across the cuts."""

    def __init__(self, t):
        self.side = t.side_width
        self.bottom = t.bottom_height
        self.caption = t.caption_height
        self.fixed = max(t.corner_radius - t.side_width + 2, 4)
        self.bottom_fixed = max(t.bottom_height, t.corner_radius + 1)
        self.width = 2 * self.side + 2 * self.fixed + 4
        self.height = self.caption + 4 + self.bottom_fixed


def frame_prototype(t, geo, active):
    cv = Canvas(geo.width, geo.height, t.caption)
    w, h, s, cap = geo.width, geo.height, geo.side, geo.caption
    # client edge: a line that frames the client area (and the caption's
    # lower edge), one pixel inside the border
    edge = t.client_edge
    cv.hline(s - 1, cap - 1, w - 2 * s + 2, edge)
    cv.hline(s - 1, h - geo.bottom, w - 2 * s + 2, edge)
    cv.vline(s - 1, cap - 1, h - geo.bottom - cap + 2, edge)
    cv.vline(w - s, cap - 1, h - geo.bottom - cap + 2, edge)
    cv.fill_rect(s, cap, w - 2 * s, h - geo.bottom - cap, t.face)
    cv.round_outline(0, 0, w, h, t.corner_radius,
                     t.outline if active else t.outline_inactive)
    return cv


def build_frame(b, geo):
    t = b.theme
    protos = [frame_prototype(t, geo, True), frame_prototype(t, geo, False)]
    s = geo.side
    span = geo.width - 2 * s
    left = hstrip([p.crop(0, 0, s, geo.height) for p in protos])
    right = hstrip([p.crop(geo.width - s, 0, s, geo.height) for p in protos])
    top = vstrip([p.crop(s, 0, span, geo.caption) for p in protos])
    bottom = vstrip([p.crop(s, geo.height - geo.bottom, span, geo.bottom) for p in protos])
    keys = []
    for edge, canvas, first, second in (
            ("Left", left, geo.caption, geo.bottom_fixed),
            ("Right", right, geo.caption, geo.bottom_fixed),
            ("Top", top, geo.fixed, geo.fixed),
            ("Bottom", bottom, geo.fixed, geo.fixed)):
        keys += [(edge, b.image(edge.lower() + ".bmp", canvas)),
                 (edge + "TopHeight", first), (edge + "BotHeight", second),
                 (edge + "Frame", 2), (edge + "Stretch", 1), (edge + "Trans", 1)]
    return keys, protos


def build_text_back(b):
    """Frame 1 (active) above frame 2 (inactive), as tall as the caption."""
    t = b.theme
    h = t.caption_height
    frames = []
    if t.text_alignment == 0:
        # an accent underline that starts just left of the text
        left, mid, right = 8, 4, 4
        for colour in (t.accent, t.line_soft):
            cv = Canvas(left + mid + right, h)
            cv.fill_rect(left - 1, h - 5, mid + 3, 2, colour)
            frames.append(cv)
    else:
        # a rounded plate behind the centred title
        left = right = 11
        mid = 2
        plate_h = 22
        for colour in (mix(t.caption, t.text, 0.10), mix(t.caption, t.text, 0.04)):
            cv = Canvas(left + mid + right, h)
            cv.round_rect(0, (h - plate_h) // 2, left + mid + right, plate_h, 11, colour)
            frames.append(cv)
    name = b.image("textback.bmp", vstrip(frames))
    return [("TextBack", name), ("TextShift", t.text_shift), ("TextShiftVert", 0),
            ("TextRightClip", t.text_right_clip), ("TextAlignment", t.text_alignment),
            ("Textbackground", 1), ("TXTBackleft", left), ("TXTBackRight", right)]


MENU_BAND_HEIGHT = 18


def menu_band_colour(t, active):
    return t.caption if active else mix(t.caption, t.face, 0.5)


def build_menu_bar(b):
    """Two stacked frames (active, inactive) of the menu band."""
    t = b.theme
    frames = []
    for active in (True, False):
        cv = Canvas(12, MENU_BAND_HEIGHT, menu_band_colour(t, active))
        cv.hline(0, MENU_BAND_HEIGHT - 1, 12, t.client_edge)
        frames.append(cv)
    name = b.image("menubar.bmp", vstrip(frames))
    return [("menuBar", name), ("TileMenu", 1), ("TileLeftMenu", 4), ("TileRightMenu", 4)]


def build_personality(b):
    t = b.theme
    geo = FrameGeometry(t)
    keys, protos = build_frame(b, geo)
    keys += build_text_back(b)
    keys += build_menu_bar(b)
    for prefix, rgb in (("ActiveText", t.text), ("InActiveText", t.text_dim)):
        keys += [(prefix + "R", rgb[0]), (prefix + "G", rgb[1]), (prefix + "B", rgb[2])]
    b.section("Personality", keys)
    b.section("Fonts", [("FontHeight", t.font_height)])
    return geo, protos


# -- caption buttons ------------------------------------------------------

def caption_button_frames(t, kind, geo, protos, x_from_right):
    """Frames 1 normal, 2 pressed, 3 hot, 4 disabled or inactive.

    Caption buttons are drawn unkeyed over the caption, so their idle
    frames repeat the caption behind them; where a button reaches into the
    window's rounded corner the frame outline is copied in as well.
    """
    st = t.caption_buttons
    closing = kind == "close"
    plates = (None,
              t.danger_press if closing else mix(t.caption, t.accent, 0.25),
              t.danger if closing else mix(t.caption, t.accent, 0.12),
              None)
    inks = (t.glyph,
            (255, 255, 255) if closing else t.glyph,
            (255, 255, 255) if closing else t.glyph,
            t.glyph_disabled)
    shape = glyphs.CAPTION_GLYPHS[kind](st.glyph)
    frames = []
    for i, (plate, ink) in enumerate(zip(plates, inks)):
        cv = Canvas(st.width, st.height, t.caption)
        if plate is not None:
            if st.radius:
                cv.round_rect(0, 0, st.width, st.height, st.radius, plate)
            else:
                cv.fill_rect(0, 0, st.width, st.height, plate)
        gx = (st.width - st.glyph) // 2
        gy = (st.height - st.glyph) // 2
        cv.points(shape, ink, gx, gy)
        copy_frame_corner(cv, protos[1 if i == 3 else 0], geo, x_from_right, st.y)
        frames.append(cv)
    return hstrip(frames)


def copy_frame_corner(cv, proto, geo, x_from_right, y):
    """Copy the outline and cut pixels of the window's top-right corner."""
    for yy in range(cv.height):
        for xx in range(cv.width):
            dx = x_from_right - xx          # distance from the right window edge
            px, py = geo.width - dx, y + yy
            if dx > geo.side + geo.fixed or not proto.inside(px, py):
                continue
            if py >= geo.caption:
                continue
            colour = proto.get(px, py)
            if colour != proto.get(geo.width // 2, geo.caption // 2):
                cv.put(xx, yy, colour)


CAPTION_BUTTONS = (
    # kind, action, visibility, visibility1, slot from the right
    ("close", 0, 0, 0, 0),
    ("maximise", 1, 2, 6, 1),
    ("restore", 1, 1, 6, 1),
    ("minimise", 2, 6, 6, 2),
    ("help", 4, 10, 10, 1),
)


def build_caption_buttons(b, geo, protos):
    t = b.theme
    st = t.caption_buttons
    index = 0
    for kind, action, vis, vis1, slot in CAPTION_BUTTONS:
        x_from_right = st.right_inset + (slot + 1) * st.width + slot * st.gap
        strip = caption_button_frames(t, kind, geo, protos, x_from_right)
        name = b.image("btn_%s.bmp" % kind, strip)
        b.section("BUTTON%d" % index, [
            ("ButtonImage", name), ("frame", 4), ("Action", action), ("Align", 1),
            ("Xcoord", x_from_right), ("Ycoord", st.y),
            ("Visibility", vis), ("Visibility1", vis1)])
        index += 1
    # the window icon: the engine paints the application icon itself
    icon_y = (t.caption_height - 16) // 2
    b.section("BUTTON%d" % index, [
        ("Action", 3), ("Align", 0), ("Xcoord", 8), ("Ycoord", icon_y),
        ("Visibility", 0), ("Visibility1", 0)])


def build_mdi_controls(b):
    """12 frames: minimise, restore, close of a maximised MDI child, four
    frames each (normal, pressed, hot, hot as shown in the menu band)."""
    t = b.theme
    w, h, g = 16, 14, 8
    band = menu_band_colour(t, True)
    frames = []
    for kind in ("minimise", "restore", "close"):
        shape = glyphs.CAPTION_GLYPHS[kind](g)
        for plate in (None, t.accent_press, t.accent_soft, t.accent_soft):
            cv = Canvas(w, h, band)
            if plate is not None:
                cv.round_rect(0, 0, w, h, 3, plate, border=t.selection_line)
            cv.points(shape, t.glyph, (w - g) // 2, (h - g) // 2)
            frames.append(cv)
    b.section("MDICONTROLS", [("Image", b.image("mdicontrols.bmp", hstrip(frames)))])


# -- push buttons, check boxes, radio buttons ------------------------------

def plate_frame(t, w, h, fill, border, inner=None, radius=None):
    cv = Canvas(w, h)
    cv.round_rect(0, 0, w, h, t.radius if radius is None else radius, fill,
                  border=border, inner=inner)
    return cv


def button_states(t, w, h, radius=None):
    """Frames 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default."""
    return [
        plate_frame(t, w, h, t.control, t.line, radius=radius),
        plate_frame(t, w, h, t.accent_press, t.accent, radius=radius),
        plate_frame(t, w, h, t.field_disabled, t.line_soft, radius=radius),
        plate_frame(t, w, h, t.control_hot, mix(t.line, t.accent, 0.6), radius=radius),
        plate_frame(t, w, h, t.control, t.accent, inner=mix(t.control, t.accent, 0.35),
                    radius=radius),
    ]


def check_strip(t):
    """Frames 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked
    disabled (also shown for an indeterminate box), 5 indeterminate."""
    s = 13
    box = lambda fill, border: plate_frame(t, s, s, fill, border, radius=2)
    on_ink = t.field if t.field[0] > 128 else (20, 24, 28)
    frames = [box(t.field, t.line)]
    checked = box(t.accent, t.accent)
    checked.points(glyphs.check_mark(), on_ink)
    frames.append(checked)
    frames.append(box(t.field_disabled, t.line_soft))
    dim = box(t.line_soft, t.line_soft)
    dim.points(glyphs.check_mark(), t.glyph_disabled)
    frames.append(dim)
    mixed = box(t.field, t.accent)
    mixed.points(glyphs.dash_mark(), t.accent)
    frames.append(mixed)
    return hstrip(frames)


def radio_strip(t):
    """Frames 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled."""
    s = 13
    frames = []
    for fill, border, dot in ((t.field, t.line, None),
                              (t.field, t.accent, t.accent),
                              (t.field_disabled, t.line_soft, None),
                              (t.field_disabled, t.line_soft, t.glyph_disabled)):
        cv = plate_frame(t, s, s, fill, border, radius=6)
        if dot is not None:
            cv.round_rect(4, 4, 5, 5, 2, dot)
        frames.append(cv)
    return hstrip(frames)


def build_buttons(b):
    t = b.theme
    bitmap = b.image("button.bmp", hstrip(button_states(t, 20, 24)))
    check = b.image("check.bmp", check_strip(t))
    radio = b.image("radio.bmp", radio_strip(t))
    b.section("Buttons", [
        ("Bitmap", bitmap), ("LeftWidth", 4), ("RightWidth", 4), ("TopHeight", 4),
        ("BottomHeight", 4), ("Trans", 1), ("Tile", 0),
        ("CheckButton", check), ("CheckButtonFrame", 5),
        ("RadioButton", radio), ("RadioButtonFrame", 4),
        ("NormalColour2", colour_text(t.text)),
        ("MouseOverColour2", colour_text(mix(t.text, t.accent, 0.6))),
        ("PressedColour2", colour_text(mix(t.text, t.accent, 0.8)))])


def build_toolbar_buttons(b):
    """Frames 1 normal (flat), 2 pressed, 3 disabled (flat), 4 hot, 5 checked."""
    t = b.theme
    s = 22
    flat = Canvas(s, s)
    frames = [flat,
              plate_frame(t, s, s, t.accent_press, t.accent),
              flat.copy(),
              plate_frame(t, s, s, t.accent_soft, mix(t.line, t.accent, 0.6)),
              plate_frame(t, s, s, mix(t.accent_soft, t.accent_press, 0.5), t.accent)]
    b.section("ToolBars", [
        ("Image", b.image("toolbar.bmp", hstrip(frames))), ("LeftWidth", 4),
        ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 1), ("Tile", 0)])


# -- progress, group box ----------------------------------------------------

def build_progress(b):
    t = b.theme
    s = 16
    track = plate_frame(t, s, s, t.track, t.line_soft, radius=4)
    if t.progress_style == 0:
        bar = plate_frame(t, s, s, t.accent, mix(t.accent, t.text, 0.25), radius=4)
        bar.hline(2, 1, s - 4, mix(t.accent, (255, 255, 255), 0.3))
        image = hstrip([track, bar])
    else:
        image = track
    b.section("Progress", [
        ("Bitmap", b.image("progress.bmp", image)), ("Style", t.progress_style),
        ("LeftWidth", 4), ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4),
        ("Trans", 1), ("Tile", 0)])
    # one chunk with its gap; repeated along the filled length
    chunk = Canvas(8, 10, t.track)
    chunk.round_rect(0, 0, 6, 10, 1, t.accent)
    b.section("Progress.Chunk", [
        ("Image", b.image("progresschunk.bmp", chunk)), ("Frame", 1),
        ("LeftWidth", 0), ("RightWidth", 0), ("Tile", 1), ("Trans", 0)])


def build_group_box(b):
    t = b.theme
    s = 16
    frames = []
    for colour in (t.line, t.line_soft):
        cv = Canvas(s, s)
        cv.round_outline(0, 0, s, s, t.radius + 1, colour)
        frames.append(cv)
    b.section("GroupBoxEdge", [
        ("Image", b.image("groupedge.bmp", hstrip(frames))), ("LeftWidth", 5),
        ("RightWidth", 5), ("TopHeight", 5), ("BottomHeight", 5), ("Trans", 1), ("Tile", 0)])
    label = Canvas(16, 18)
    label.round_rect(0, 0, 16, 18, 6, mix(t.face, t.accent, 0.12))
    b.section("GroupBox", [
        ("Image", b.image("grouplabel.bmp", label)), ("LeftWidth", 6), ("RightWidth", 6),
        ("TopHeight", 0), ("BottomHeight", 0), ("Trans", 1), ("Tile", 0),
        ("BackgroundAlignment", 0), ("BackgroundLeftShift", 6),
        ("BackgroundRightShift", 6)])


# -- tabs -----------------------------------------------------------------

def tab_frame(t, fill, border, top_bar=None):
    w, h = 24, 22
    cv = Canvas(w, h)
    cv.round_rect(0, 0, w, h + t.radius + 1, t.radius, fill, border=border,
                  corners="1100")
    if top_bar is not None:
        cv.round_rect(0, 0, w, 3, min(t.radius, 1), top_bar, corners="1100")
        cv.cut_outside(0, 0, w, h + t.radius + 1, t.radius, corners="1100")
    return cv


def page_border(t, size, line):
    cv = Canvas(size, size, t.face)
    cv.frame_rect(0, 0, size, size, line)
    return cv


def build_tabs(b):
    """Tab strip frames: 1 tab, 2 current tab, 3 hot, 4 disabled, 5 current
    with focus; the Border image frames the page (margins 4, 5, 4, 4)."""
    t = b.theme
    frames = [
        tab_frame(t, mix(t.face, t.line, 0.18), t.line),
        tab_frame(t, t.face, t.line, top_bar=t.accent),
        tab_frame(t, mix(t.face, t.accent_soft, 0.7), mix(t.line, t.accent, 0.5)),
        tab_frame(t, t.field_disabled, t.line_soft),
        tab_frame(t, t.face, t.accent, top_bar=t.accent),
    ]
    b.section("Tabs", [
        ("Image", b.image("tabs.bmp", hstrip(frames))),
        ("Border", b.image("tabpage.bmp", page_border(t, 16, t.line))),
        ("Style", 0), ("LeftWidth", 5), ("RightWidth", 5), ("TopHeight", 5),
        ("BottomHeight", 2), ("Trans", 1), ("Tile", 0),
        ("NormalColour2", colour_text(mix(t.text, t.face, 0.3))),
        ("MouseOverColour2", colour_text(t.text))])
    b.section("Tab.Pane", [
        ("Image", b.image("tabpane.bmp", page_border(t, 12, t.line))), ("LeftWidth", 4),
        ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 0), ("Tile", 0)])


# -- status bar, header, menus ----------------------------------------------

def build_status_bar(b):
    """Frames 1 lowered, 2 raised, 3 without bevel."""
    t = b.theme
    w, h = 12, 22
    base = mix(t.face, t.caption, 0.5)
    frames = []
    for fill, separator in ((base, True), (mix(base, t.field, 0.4), True), (base, False)):
        cv = Canvas(w, h, fill)
        cv.hline(0, 0, w, t.line_soft)
        if separator:
            cv.vline(w - 1, 4, h - 8, t.line)
        frames.append(cv)
    b.section("StatusBarEdges", [
        ("Image", b.image("statusbar.bmp", hstrip(frames))), ("LeftWidth", 2),
        ("RightWidth", 2), ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 0), ("Tile", 0),
        ("NormalColour2", colour_text(mix(t.text, t.face, 0.25)))])


def build_header(b):
    """Frames 1 normal, 2 hot, 3 pressed."""
    t = b.theme
    w, h = 16, 20
    frames = []
    for fill in (mix(t.field, t.face, 0.5), t.accent_soft, t.accent_press):
        cv = Canvas(w, h, fill)
        cv.hline(0, h - 1, w, t.line)
        cv.vline(w - 1, 3, h - 6, t.line_soft)
        frames.append(cv)
    b.section("Headerbar", [
        ("Image", b.image("header.bmp", hstrip(frames))), ("Frame", 3), ("LeftWidth", 2),
        ("RightWidth", 2), ("TopHeight", 2), ("BottomHeight", 2), ("Trans", 0), ("Tile", 0)])


def build_menus(b):
    """MenuItem frames: 1 item, 2 separator, 3 unused, 4 selected item,
    5 unused; the menu background is one nine-sliced frame."""
    t = b.theme
    w, h = 20, 20
    plain = Canvas(w, h)
    separator = Canvas(w, h)
    separator.hline(2, h - 5, w - 4, t.menu_line)
    selected = Canvas(w, h)
    selected.round_rect(2, 1, w - 4, h - 2, 3, t.selection, border=t.selection_line)
    frames = [plain, separator, plain.copy(), selected, selected.copy()]
    b.section("MenuItem", [
        ("Image", b.image("menuitem.bmp", hstrip(frames))), ("LeftWidth", 4),
        ("RightWidth", 4), ("TopHeight", 3), ("BottomHeight", 3), ("Trans", 1), ("Tile", 0)])
    bg = Canvas(16, 16, t.menu)
    bg.frame_rect(0, 0, 16, 16, t.menu_line)
    b.section("MenuBackground", [
        ("Image", b.image("menubg.bmp", bg)), ("LeftWidth", 3), ("RightWidth", 3),
        ("TopHeight", 3), ("BottomHeight", 3), ("Trans", 0), ("Tile", 1)])
