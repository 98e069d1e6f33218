"""A mock window drawn from a skin folder the way the engine composes it.

Not the engine: a reviewing aid for the contact sheet, so that the parts
can be judged together at the main window's size (665 x 612 client).  The
nine-slice, tiling and magenta-key rules follow the engine's drawing
routines closely enough for that.
"""

from raster import Canvas, MAGENTA, split_frames
import skinini
import tinyfont

CLIENT_W, CLIENT_H = 665, 612


def colour(text):
    parts = [int(p) for p in text.split()]
    return tuple(parts[:3])


class Skin:
    def __init__(self, sections, images):
        self.sections = {name.lower(): keys for name, keys in sections}
        self.order = [name for name, _ in sections]
        self.images = images

    def value(self, section, key, default=None):
        return self.sections.get(section.lower(), {}).get(key.lower(), default)

    def int(self, section, key, default=0):
        try:
            return int(self.value(section, key, default), 0)
        except (TypeError, ValueError):
            return default

    def image(self, section, key):
        name = self.value(section, key)
        return self.images.get(skinini.image_member(name)) if name else None

    def colour(self, key, default=(0, 0, 0)):
        text = self.value("Colours", key)
        return colour(text) if text else default

    def margins(self, section):
        return tuple(self.int(section, k) for k in
                     ("LeftWidth", "TopHeight", "RightWidth", "BottomHeight"))


def nine_slice(frame, w, h, margins, tile=False):
    """The frame scaled to w x h: fixed corners, stretched edges and centre."""
    left, top, right, bottom = margins
    if w < left + right:
        left = right = 0
    if h < top + bottom:
        top = bottom = 0
    fw, fh = frame.width, frame.height
    out = Canvas(w, h)
    cols = ((0, left, 0, left), (left, w - right, left, fw - right), (w - right, w, fw - right, fw))
    rows = ((0, top, 0, top), (top, h - bottom, top, fh - bottom), (h - bottom, h, fh - bottom, fh))
    for dy0, dy1, sy0, sy1 in rows:
        for dx0, dx1, sx0, sx1 in cols:
            if dx1 <= dx0 or dy1 <= dy0 or sx1 <= sx0 or sy1 <= sy0:
                continue
            piece = frame.crop(sx0, sy0, sx1 - sx0, sy1 - sy0)
            if tile and (dx0, dy0) == (left, top):
                for ty in range(dy0, dy1, piece.height):
                    for tx in range(dx0, dx1, piece.width):
                        out.blit(piece.crop(0, 0, min(piece.width, dx1 - tx),
                                            min(piece.height, dy1 - ty)), tx, ty)
            else:
                out.blit(piece.scaled(dx1 - dx0, dy1 - dy0), dx0, dy0)
    return out


def frame_of(image, count, index, vertical=False):
    return split_frames(image, count, vertical)[index - 1]


def tiled_three(frame, w, left, right):
    """Fixed ends and a repeated middle (caption text back)."""
    out = Canvas(w, frame.height)
    out.blit(frame.crop(0, 0, left, frame.height), 0, 0)
    mid = frame.crop(left, 0, frame.width - left - right, frame.height)
    x = left
    while x < w - right:
        out.blit(mid.crop(0, 0, min(mid.width, w - right - x), mid.height), x, 0)
        x += mid.width
    out.blit(frame.crop(frame.width - right, 0, right, frame.height), w - right, 0)
    return out


class Painter:
    def __init__(self, skin, canvas):
        self.s = skin
        self.cv = canvas

    def put(self, img, x, y, key=True):
        self.cv.blit(img, x, y, MAGENTA if key else None)

    def text(self, x, y, text, rgb, scale=1):
        tinyfont.draw_text(self.cv, x, y, text, rgb, scale)

    def part(self, section, key, index, count, x, y, w, h, vertical=False, key_on=True):
        img = self.s.image(section, key)
        if img is None:
            return
        frame = frame_of(img, count, index, vertical)
        tile = self.s.int(section, "Tile") == 1
        self.put(nine_slice(frame, w, h, self.s.margins(section), tile), x, y, key_on)

    # -- window frame ---------------------------------------------------
    def window(self, x, y, cw, ch, title, active, buttons, menu=None):
        s = self.s
        frame_no = 1 if active else 2
        edges = {}
        for edge in ("Left", "Right", "Top", "Bottom"):
            img = s.image("Personality", edge)
            count = s.int("Personality", edge + "Frame", 1)
            edges[edge] = (frame_of(img, count, min(frame_no, count), edge in ("Top", "Bottom")),
                           s.int("Personality", edge + "TopHeight"),
                           s.int("Personality", edge + "BotHeight"))
        bl, br = edges["Left"][0].width, edges["Right"][0].width
        bt, bb = edges["Top"][0].height, edges["Bottom"][0].height
        band = 19 if menu else 0
        w, h = cw + bl + br, ch + bt + bb + band
        self.cv.fill_rect(x + bl, y + bt + band, cw, ch, s.colour("ButtonFace"))
        for edge, (fr, a, b) in edges.items():
            if edge in ("Left", "Right"):
                img = nine_slice(fr, fr.width, h, (0, a, 0, b))
                self.put(img, x if edge == "Left" else x + w - br, y)
            elif edge == "Top":
                self.put(nine_slice(fr, w - bl - br, bt, (a, 0, b, 0)), x + bl, y)
            else:
                self.put(nine_slice(fr, w - bl - br, bb, (a, 0, b, 0)), x + bl, y + h - bb)
        self.caption_text(x + bl, y, w - bl - br, bt, title, active)
        self.caption_buttons(x, y, w, active, buttons)
        if menu:
            self.menu_band(x + bl, y + bt, w - bl - br, band, active, menu)
        return x + bl, y + bt + band

    def caption_text(self, x, y, rw, bt, title, active):
        s = self.s
        scale = 2
        text = "  " + title + " "
        tw0 = tinyfont.text_width(text, scale)
        back_l = s.int("Personality", "TXTBackleft")
        back_r = s.int("Personality", "TXTBackRight")
        tw = tw0 + back_l + back_r
        align = s.int("Personality", "TextAlignment")
        if align == 0:
            tx = s.int("Personality", "TextShift")
        elif align == 1:
            tx = (rw - tw) // 2
        else:
            tx = rw - s.int("Personality", "TextRightClip") - tw
        back = s.image("Personality", "TextBack")
        if back is not None:
            fr = frame_of(back, 2, 1 if active else 2, True)
            self.put(tiled_three(fr.scaled(fr.width, bt), tw, back_l, back_r), x + tx, y)
        ink = s.colour("TitleTextActive" if active else "TitleTextNoActive")
        ty = (bt - 7 * scale) // 2 + s.int("Personality", "TextShiftVert") // 2
        self.text(x + tx + back_l, y + ty, text, ink, scale)

    def caption_buttons(self, x, y, w, active, states):
        """states: action -> frame to show (None hides the button)."""
        s = self.s
        for name in s.order:
            if not name.upper().startswith("BUTTON") or name.upper() in ("BUTTONS",):
                continue
            action = s.int(name, "Action")
            vis = s.int(name, "Visibility", -1)
            img = s.image(name, "ButtonImage")
            bx, by = s.int(name, "Xcoord"), s.int(name, "Ycoord")
            if action == 3:
                self.cv.round_rect(x + 8, y + by, 16, 16, 4, (58, 112, 200))
                self.text(x + 11, y + by + 5, "L", (255, 255, 255))
                continue
            frame = states.get((action, vis))
            if img is None or frame is None:
                continue
            count = s.int(name, "frame", 4)
            fr = frame_of(img, count, frame if active else 4)
            left = x + w - bx if s.int(name, "Align") == 1 else x + bx
            self.put(fr, left, y + by, key=False)

    def menu_band(self, x, y, w, h, active, items):
        s = self.s
        img = s.image("Personality", "menuBar")
        margins = (s.int("Personality", "TileLeftMenu", 1), 0,
                   s.int("Personality", "TileRightMenu", 1), 0)
        fr = frame_of(img, 2, 1 if active else 2, True)
        self.put(nine_slice(fr, w, h, margins), x, y, key=False)
        tx = x + margins[0] + 4
        ink = s.colour("MenuBarText")
        for i, item in enumerate(items):
            iw = tinyfont.text_width(item) + 10
            if i == 1:
                self.cv.frame_rect(tx, y, iw, h - 1, s.colour("ButtonHilight"))
            self.text(tx + 5, y + (h - 7) // 2, item, ink)
            tx += iw

    # -- controls -------------------------------------------------------
    def push_button(self, x, y, w, h, frame, label):
        self.part("Buttons", "Bitmap", frame, 5, x, y, w, h)
        ink = colour(self.s.value("Buttons", "NormalColour2", "0 0 0"))
        if frame == 4:
            ink = colour(self.s.value("Buttons", "MouseOverColour2", "0 0 0"))
        elif frame == 2:
            ink = colour(self.s.value("Buttons", "PressedColour2", "0 0 0"))
        elif frame == 3:
            ink = (160, 160, 160)
        self.text(x + (w - tinyfont.text_width(label)) // 2, y + (h - 7) // 2, label, ink)

    def marks(self, x, y, key, count, label):
        img = self.s.image("Buttons", key)
        if img is None:
            return
        for i in range(count):
            self.put(frame_of(img, count, i + 1), x + i * 22, y)
        self.text(x + count * 22 + 4, y + 3, label, self.s.colour("ButtonText"))

    def tabs(self, x, y, w, h, labels):
        s = self.s
        tab_h = 21
        border = s.image("Tabs", "Border")
        if border is not None:
            self.put(nine_slice(border, w, h - tab_h, (4, 5, 4, 4)), x, y + tab_h, key=False)
        tx = x + 2
        for i, label in enumerate(labels):
            tw = tinyfont.text_width(label) + 24
            current = i == 0
            ty = y if current else y + 2
            self.part("Tabs", "Image", 2 if current else 1, 5, tx - (2 if current else 0), ty,
                      tw + (4 if current else 0), tab_h - (ty - y))
            key = "MouseOverColour2" if current else "NormalColour2"
            self.text(tx + 12, ty + 7, label, colour(s.value("Tabs", key, "0 0 0")))
            tx += tw + 2

    def scrollbar(self, x, y, length, vertical, thumb_at, thumb_len):
        s = self.s
        arrows = s.image("Scrollbar", "Image")
        t = arrows.height
        shaft = "VertScroll" if vertical else "HorzScroll"
        slider = "VertScrollThumb" if vertical else "HorzScrollThumb"
        if vertical:
            self.part(shaft, "Image", 1, 4, x, y + t, t, length - 2 * t)
            first, second, grip = 9, 13, 20
            self.put(frame_of(arrows, 23, first), x, y)
            self.put(frame_of(arrows, 23, second + 3), x, y + length - t)
            self.part(slider, "Image", 1, 3, x, y + t + thumb_at, t, thumb_len)
            self.put(frame_of(arrows, 23, grip), x, y + t + thumb_at + (thumb_len - t) // 2)
        else:
            self.part(shaft, "Image", 1, 4, x + t, y, length - 2 * t, t)
            first, second, grip = 1, 5, 17
            self.put(frame_of(arrows, 23, first + 1), x, y)
            self.put(frame_of(arrows, 23, second), x + length - t, y)
            self.part(slider, "Image", 3, 3, x + t + thumb_at, y, thumb_len, t)
            self.put(frame_of(arrows, 23, grip + 2), x + t + thumb_at + (thumb_len - t) // 2, y)

    def combo(self, x, y, w, frame):
        """The combo box as the engine composes it: edge, button, arrow."""
        s = self.s
        h, b = 21, 18
        self.part("SunkEdge", "Image", frame, 4, x, y, w, h)
        self.part("ComboButton", "Image", frame, 4, x + w - b, y, b, h)
        extra = s.image("ExtraImages", "Image")
        if extra is not None:
            cell = frame_of(extra, 5, frame)
            self.put(cell, x + w - b + (b - cell.width) // 2, y + (h - cell.height) // 2)
        self.text(x + 6, y + 7, "COMBO", s.colour("WindowText"))

    def status_bar(self, x, y, w, h, panels):
        s = self.s
        self.cv.fill_rect(x, y, w, h, s.colour("ButtonFace"))
        px = x
        ink = colour(s.value("StatusBarEdges", "NormalColour2", "0 0 0"))
        for i, (pw, label) in enumerate(panels):
            pw = pw if i < len(panels) - 1 else x + w - px
            self.part("StatusBarEdges", "Image", 1, 3, px, y, pw, h, key_on=False)
            self.text(px + 6, y + (h - 7) // 2, label, ink)
            px += pw
        extra = s.image("ExtraImages", "Image")
        if extra is not None:
            grip = frame_of(extra, 5, 5)
            self.put(grip, x + w - grip.width - 1, y + h - grip.height - 1)

    def popup_menu(self, x, y, w, items):
        s = self.s
        item_h, sep_h = 20, 9
        h = 6 + sum(sep_h if it == "-" else item_h for it in items)
        bg = s.image("MenuBackground", "Image")
        self.put(nine_slice(bg, w, h, s.margins("MenuBackground"),
                            s.int("MenuBackground", "Tile") == 1), x, y, key=False)
        iy = y + 3
        mi = s.image("MenuItem", "Image")
        ml, mt, mr, mb = s.margins("MenuItem")
        for i, item in enumerate(items):
            if item == "-":
                sep = frame_of(mi, 5, 2)
                self.put(nine_slice(sep.crop(0, sep.height - sep_h, sep.width, sep_h),
                                    w - 6, sep_h, (ml, 0, mr, 0)), x + 3, iy)
                iy += sep_h
                continue
            selected = i == 1
            self.part("MenuItem", "Image", 4 if selected else 1, 5, x + 3, iy, w - 6, item_h)
            ink = s.colour("HilightText" if selected else "MenuText")
            self.text(x + 3 + ml + 24, iy + 7, item, ink)
            iy += item_h

    def progress(self, x, y, w, h, percent):
        s = self.s
        style = s.int("Progress", "Style")
        img = s.image("Progress", "Bitmap")
        count = 2 if style == 0 else 1
        margins = s.margins("Progress")
        self.put(nine_slice(frame_of(img, count, 1), w, h, margins), x, y)
        fill = w * percent // 100
        if style == 0:
            self.put(nine_slice(frame_of(img, 2, 2), fill, h, margins), x, y)
            return
        chunk = s.image("Progress.Chunk", "Image")
        cy = y + (h - chunk.height) // 2
        cx = x + 2
        while cx + chunk.width <= x + fill:
            self.put(chunk, cx, cy, key=False)
            cx += chunk.width

    def trackbar(self, x, y, w, engine_track):
        s = self.s
        channel = s.image("Track", "Image") or engine_track
        if channel is not None:
            self.put(nine_slice(channel, w, channel.height, (3, 0, 3, 0)), x, y + 8, key=False)
        thumb = s.image("Trackbar.ThumbDown", "Image")
        fr = frame_of(thumb, 5, 2)
        self.put(fr, x + w // 3, y + 10 - fr.height // 2 + 1)
        fr = frame_of(s.image("Trackbar.ThumbHorz", "Image"), 5, 2)
        self.put(fr, x + 2 * w // 3, y + 10 - fr.height // 2 + 1)

    def updown(self, x, y, w, h):
        s = self.s
        img = s.image("UpDown.Vert", "Image")
        glyph = s.image("UpDown.Vert", "GlyphImage")
        half = h // 2
        for i, (frame, top) in enumerate(((1, y), (5 + 3, y + half))):
            self.put(frame_of(img, 8, frame).scaled(w, half), x, top)
            g = frame_of(glyph, 8, frame)
            self.put(g, x + (w - g.width) // 2, top + (half - g.height) // 2)

    def header(self, x, y, widths, labels):
        hx = x
        for i, (w, label) in enumerate(zip(widths, labels)):
            self.part("Headerbar", "Image", 2 if i == 1 else 1,
                      self.s.int("Headerbar", "Frame", 5), hx, y, w, 20, key_on=False)
            self.text(hx + 6, y + 7, label, self.s.colour("WindowText"))
            hx += w


def render(skin, engine_track=None):
    """The preview picture: the main window, active, and an inactive dialog."""
    face = skin.colour("ButtonFace")
    cv = Canvas(CLIENT_W + 360, CLIENT_H + 90, (120, 124, 130))
    p = Painter(skin, cv)
    buttons = {(0, 0): 1, (1, 2): 3, (2, 6): 1}
    cx, cy = p.window(10, 10, CLIENT_W, CLIENT_H, "Lanvero V1.0", True, buttons,
                      menu=["FILE", "VIEW", "HELP"])
    # banner placeholder, tabs, page content
    cv.fill_rect(cx, cy, CLIENT_W, 110, _blend(face, skin.colour("Hilight"), 0.6))
    p.text(cx + 20, cy + 50, "BANNER 665 X 130", skin.colour("WindowText"), 2)
    p.tabs(cx, cy + 112, CLIENT_W, 400, ["TAB ONE", "TAB TWO", "THIRD"])
    px, py = cx + 10, cy + 145
    for i, (frame, label) in enumerate(((1, "NORMAL"), (4, "HOT"), (2, "PRESSED"),
                                        (3, "DISABLED"), (5, "DEFAULT"))):
        p.push_button(px + i * 84, py, 75, 25, frame, label)
    p.marks(px, py + 40, "CheckButton", 5, "CHECK 1-5")
    p.marks(px + 200, py + 40, "RadioButton", 4, "RADIO 1-4")
    for i in range(4):
        p.combo(px + i * 130, py + 70, 120, i + 1)
    p.progress(px, py + 105, 300, 17, 60)
    p.trackbar(px + 320, py + 100, 200, engine_track)
    p.updown(px + 540, py + 100, 16, 22)
    p.header(px, py + 140, (120, 120, 140), ("NAME", "HOT", "VALUE"))
    cv.fill_rect(px, py + 160, 380, 150, skin.colour("Menu"))
    p.scrollbar(px + 380 - 16, py + 160, 134, True, 30, 50)
    p.scrollbar(px, py + 294, 364, False, 100, 80)
    p.popup_menu(px + 420, py + 150, 180, ["OPEN", "SELECTED", "-", "SAVE AS", "CLOSE"])
    p.status_bar(cx, cy + CLIENT_H - 23, CLIENT_W, 23, [(300, "RECORDS: 1024"), (150, "PANEL")])
    # an inactive dialog with only a close button
    p.window(CLIENT_W + 40, 10, 300, 150, "Dialog", False, {(0, 0): 1})
    hot = {(0, 0): 3, (1, 2): 2, (2, 6): 1}
    p.window(CLIENT_W + 40, 230, 300, 120, "Hover", True, hot)
    return cv


def _blend(a, b, weight):
    return tuple(int(x + (y - x) * weight) for x, y in zip(a, b))
