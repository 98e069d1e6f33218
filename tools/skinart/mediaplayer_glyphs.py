"""The media player's button glyphs: 27 bitmaps, one per button and kind.

Buttons, in the control's order: play, pause, stop, next, prev, step, back,
record, eject. Kinds: EN (enabled: black), DI (disabled: grey with a white
relief one pixel below and to the right), CL (coloured). Every glyph is
16 x 12, 24-bit, on olive (128, 128, 0), the colour the control and the
skin engine replace by the button face.
"""

from raster import Canvas

OLIVE = (128, 128, 0)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
WHITE = (255, 255, 255)
WIDTH, HEIGHT = 16, 12

BUTTONS = ("play", "pause", "stop", "next", "prev", "step", "back", "record", "eject")

COLOURS = {
    "play": (0, 160, 0), "pause": (0, 64, 200), "stop": (0, 0, 128),
    "next": (0, 128, 128), "prev": (0, 128, 128), "step": (0, 128, 128),
    "back": (0, 128, 128), "record": (220, 0, 0), "eject": (128, 0, 128),
}


def _triangle_right(cv, x, y, w, colour):
    """A triangle pointing right, w columns wide and 2w - 1 rows high."""
    for i in range(w):
        cv.vline(x + i, y + i, 2 * (w - i) - 1, colour)


def _triangle_left(cv, x, y, w, colour):
    for i in range(w):
        cv.vline(x + w - 1 - i, y + i, 2 * (w - i) - 1, colour)


def _disc(cv, cx, cy, r, colour):
    for y in range(-r, r + 1):
        for x in range(-r, r + 1):
            if x * x + y * y <= r * r + r // 2:
                cv.put(cx + x, cy + y, colour)


def _shape(cv, button, colour):
    """Draws one button's picture in one colour."""
    if button == "play":
        _triangle_right(cv, 5, 1, 5, colour)
    elif button == "pause":
        cv.fill_rect(4, 2, 3, 8, colour)
        cv.fill_rect(9, 2, 3, 8, colour)
    elif button == "stop":
        cv.fill_rect(4, 2, 8, 8, colour)
    elif button == "next":
        _triangle_right(cv, 4, 1, 5, colour)
        cv.fill_rect(10, 1, 2, 9, colour)
    elif button == "prev":
        cv.fill_rect(4, 1, 2, 9, colour)
        _triangle_left(cv, 7, 1, 5, colour)
    elif button == "step":
        _triangle_right(cv, 3, 2, 4, colour)
        _triangle_right(cv, 8, 2, 4, colour)
    elif button == "back":
        _triangle_left(cv, 3, 2, 4, colour)
        _triangle_left(cv, 8, 2, 4, colour)
    elif button == "record":
        _disc(cv, 7, 5, 4, colour)
    elif button == "eject":
        for i in range(5):
            cv.hline(3 + i, 5 - i, 10 - 2 * i, colour)
        cv.fill_rect(3, 7, 10, 2, colour)
    else:
        raise ValueError("no such button: " + button)


def glyph(button, kind):
    cv = Canvas(WIDTH, HEIGHT, OLIVE)
    if kind == "EN":
        _shape(cv, button, BLACK)
    elif kind == "DI":
        relief = Canvas(WIDTH, HEIGHT, OLIVE)
        _shape(relief, button, WHITE)
        cv.blit(relief, 1, 1, key=OLIVE)
        _shape(cv, button, GREY)
    elif kind == "CL":
        _shape(cv, button, COLOURS[button])
    else:
        raise ValueError("no such kind: " + kind)
    return cv


def build():
    """File name -> canvas: "en_mpplay.bmp", "di_mpplay.bmp", "cl_mpplay.bmp", ..."""
    return {"%s_mp%s.bmp" % (kind.lower(), button): glyph(button, kind)
            for button in BUTTONS for kind in ("EN", "DI", "CL")}
