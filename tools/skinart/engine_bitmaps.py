"""The engine's own bitmap resources.

TESSALYMENU: 64 x 16, 1 bit per pixel, four 16-pixel glyphs for the
system menu (restore, maximise, minimise, close), black on white; white is
the transparent colour of the image list made from it.
TRACK and TRACKVERT: the default track bar channel, 16 colours, 16 x 4 and
4 x 16: a groove whose first row (column) is mid grey with a light grey
start, the rest white.
"""

from raster import Canvas

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
MID_GREY = (128, 128, 128)
LIGHT_GREY = (192, 192, 192)

# the standard 16-colour palette in its usual order
VGA16 = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)


def _window_outline(cv, x, y, w, h):
    cv.frame_rect(x, y, w, h, BLACK)
    cv.hline(x, y + 1, w, BLACK)          # a two-pixel title bar


def menu_glyphs():
    cv = Canvas(64, 16, WHITE)
    # restore: two overlapping window outlines
    _window_outline(cv, 6, 3, 7, 7)
    cv.fill_rect(4, 6, 7, 7, WHITE)
    _window_outline(cv, 4, 6, 7, 7)
    # maximise: one window outline
    _window_outline(cv, 16 + 3, 3, 10, 10)
    # minimise: a short bar at the bottom
    cv.fill_rect(32 + 4, 11, 7, 2, BLACK)
    # close: an X, two pixels wide
    for i in range(8):
        for dx in (0, 1):
            cv.put(48 + 4 + i + dx, 4 + i, BLACK)
            cv.put(48 + 11 - i + dx, 4 + i, BLACK)
    return cv


def track_horizontal():
    cv = Canvas(16, 4, WHITE)
    cv.hline(0, 0, 16, MID_GREY)
    cv.put(0, 0, LIGHT_GREY)
    return cv


def build():
    """Files of the engine resources: name -> (canvas, bits, palette)."""
    return {
        "tessalymenu.bmp": (menu_glyphs(), 1, (BLACK, WHITE)),
        "track.bmp": (track_horizontal(), 4, VGA16),
        "trackvert.bmp": (track_horizontal().transposed(), 4, VGA16),
    }
