"""Pixel glyphs: caption-button symbols, arrows, check marks, grips.

Each function returns the glyph's pixels as (x, y) points inside a box of
the given size, so one glyph serves every state colour.
"""


def close_glyph(size):
    pts = set()
    for i in range(size):
        pts.add((i, i))
        pts.add((size - 1 - i, i))
    return sorted(pts)


def maximise_glyph(size):
    pts = set()
    for i in range(size):
        pts.update({(i, 0), (i, size - 1), (0, i), (size - 1, i)})
    return sorted(pts)


def restore_glyph(size):
    """Two overlapping window outlines: the back one peeks out top right."""
    inner = size - 2
    front = {(x, y + 2) for x, y in maximise_glyph(inner)}
    back = {(x + 2, y) for x, y in maximise_glyph(inner)}
    hidden = {(x, y) for x in range(inner) for y in range(2, size)}
    return sorted(front | (back - hidden))


def minimise_glyph(size):
    return [(x, size // 2) for x in range(size)]


_QUESTION = (
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    "..#..",
    ".....",
    "..#..",
)


def help_glyph(size):
    top = max(0, (size - len(_QUESTION)) // 2)
    left = (size - 5) // 2
    return [(left + x, top + y) for y, row in enumerate(_QUESTION)
            for x, ch in enumerate(row) if ch == "#"]


CAPTION_GLYPHS = {
    "close": close_glyph,
    "maximise": maximise_glyph,
    "restore": restore_glyph,
    "minimise": minimise_glyph,
    "help": help_glyph,
}


def chevron(direction, span=7):
    """An open arrow head of 1-pixel lines pointing up, down, left or right.

    span is the width of the head across the pointing direction; the glyph
    box is span x (span // 2 + 1) for up and down, transposed for left/right.
    """
    half = span // 2
    pts = []
    for i in range(span):
        depth = half - abs(i - half)
        pts.append((i, depth))
        if 0 < i < span - 1:
            pts.append((i, depth - 1 if depth > 0 else depth))
    pts = sorted(set((x, y) for x, y in pts if y >= 0))
    if direction == "down":
        return pts
    if direction == "up":
        return [(x, half - y) for x, y in pts]
    if direction == "right":
        return [(y, x) for x, y in pts]
    if direction == "left":
        return [(half - y, x) for x, y in pts]
    raise ValueError(direction)


def check_mark():
    """A two-pixel tick for a 13 x 13 box, drawn from (3, 6) to (9, 3)."""
    base = [(3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)]
    return sorted(set(base + [(x, y - 1) for x, y in base]))


def dash_mark():
    return [(x, y) for x in range(3, 10) for y in (6, 7)]


def size_grip(cell):
    """Six dots in a triangle at the bottom right of a cell, with highlights."""
    dots = []
    for row in range(3):
        for col in range(3 - row):
            x = cell - 3 - 4 * col
            y = cell - 3 - 4 * row
            dots.append((x, y))
    return dots
