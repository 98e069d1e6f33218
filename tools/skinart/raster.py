"""A small RGB raster with the drawing operations the skin art needs.

Pixels are (r, g, b) tuples of 0..255 stored row by row, top row first.
Everything is integer arithmetic so that the output is the same on every
run and every machine.
"""

MAGENTA = (255, 0, 255)


def mix(a, b, weight):
    """Colour between a and b: weight 0 gives a, weight 1 gives b."""
    return tuple(int(round(x + (y - x) * weight)) for x, y in zip(a, b))


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


class Canvas:
    def __init__(self, width, height, fill=MAGENTA):
        if width <= 0 or height <= 0:
            raise ValueError("canvas must not be empty: %dx%d" % (width, height))
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    # -- pixel access -------------------------------------------------
    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, colour):
        if self.inside(x, y):
            self.pixels[y * self.width + x] = colour

    def row(self, y):
        return self.pixels[y * self.width:(y + 1) * self.width]

    # -- filled shapes --------------------------------------------------
    def fill_rect(self, x, y, w, h, colour):
        for yy in range(max(0, y), min(self.height, y + h)):
            base = yy * self.width
            for xx in range(max(0, x), min(self.width, x + w)):
                self.pixels[base + xx] = colour

    def hline(self, x, y, w, colour):
        self.fill_rect(x, y, w, 1, colour)

    def vline(self, x, y, h, colour):
        self.fill_rect(x, y, 1, h, colour)

    def frame_rect(self, x, y, w, h, colour):
        self.hline(x, y, w, colour)
        self.hline(x, y + h - 1, w, colour)
        self.vline(x, y, h, colour)
        self.vline(x + w - 1, y, h, colour)

    def vgradient(self, x, y, w, h, top, bottom):
        for i in range(h):
            weight = i / (h - 1) if h > 1 else 0
            self.hline(x, y + i, w, mix(top, bottom, weight))

    def points(self, pts, colour, dx=0, dy=0):
        for px, py in pts:
            self.put(px + dx, py + dy, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham line, both end points included (crisp, no smoothing)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    # -- rounded rectangles ---------------------------------------------
    def round_rect(self, x, y, w, h, radius, fill, border=None, corners="1111",
                   inner=None):
        """Rounded rectangle drawn over whatever is there.

        corners: four flags for top-left, top-right, bottom-right,
        bottom-left; a "0" keeps that corner square.  The outline is one
        pixel thick and 8-connected (a pixel is outline when one of its four
        neighbours lies outside), so arcs stay crisp.  inner draws a second
        outline one pixel further in (a highlight or a focus ring).
        """
        mask = rounded_mask(w, h, radius, corners)
        for yy in range(h):
            for xx in range(w):
                if not mask[yy][xx]:
                    continue
                colour = fill
                if border is not None and _on_edge(mask, xx, yy, w, h):
                    colour = border
                elif inner is not None and _near_edge(mask, xx, yy, w, h):
                    colour = inner
                self.put(x + xx, y + yy, colour)

    def paint_mask(self, x, y, mask, fill, border=None):
        """Fill the True cells of a mask; its edge cells take border."""
        h, w = len(mask), len(mask[0])
        for yy in range(h):
            for xx in range(w):
                if mask[yy][xx]:
                    edge = border is not None and _on_edge(mask, xx, yy, w, h)
                    self.put(x + xx, y + yy, border if edge else fill)

    def round_outline(self, x, y, w, h, radius, colour, corners="1111",
                      outside=MAGENTA):
        """Outline of a rounded rectangle; pixels outside it take outside."""
        mask = rounded_mask(w, h, radius, corners)
        for yy in range(h):
            for xx in range(w):
                if not mask[yy][xx]:
                    self.put(x + xx, y + yy, outside)
                elif _on_edge(mask, xx, yy, w, h):
                    self.put(x + xx, y + yy, colour)

    def cut_outside(self, x, y, w, h, radius, corners="1111", colour=MAGENTA):
        """Paint the pixels that a rounded rectangle leaves out."""
        mask = rounded_mask(w, h, radius, corners)
        for yy in range(h):
            for xx in range(w):
                if not mask[yy][xx]:
                    self.put(x + xx, y + yy, colour)

    # -- composition ----------------------------------------------------
    def copy(self):
        out = Canvas(self.width, self.height)
        out.pixels = list(self.pixels)
        return out

    def blit(self, src, x, y, key=None):
        """Copy src onto this canvas at (x, y); pixels equal to key are skipped."""
        for sy in range(src.height):
            for sx in range(src.width):
                colour = src.pixels[sy * src.width + sx]
                if colour != key:
                    self.put(x + sx, y + sy, colour)

    def crop(self, x, y, w, h):
        out = Canvas(w, h)
        for yy in range(h):
            for xx in range(w):
                out.pixels[yy * w + xx] = self.get(x + xx, y + yy)
        return out

    def mirrored(self):
        out = Canvas(self.width, self.height)
        for y in range(self.height):
            out.pixels[y * self.width:(y + 1) * self.width] = self.row(y)[::-1]
        return out

    def flipped(self):
        out = Canvas(self.width, self.height)
        for y in range(self.height):
            out.pixels[y * self.width:(y + 1) * self.width] = self.row(self.height - 1 - y)
        return out

    def transposed(self):
        """Swap x and y (a mirror along the main diagonal)."""
        out = Canvas(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.pixels[x * self.height + y] = self.get(x, y)
        return out

    def scaled(self, w, h):
        """Nearest-neighbour resize, as the platform's COLORONCOLOR stretch."""
        out = Canvas(w, h)
        for y in range(h):
            sy = y * self.height // h
            for x in range(w):
                out.pixels[y * w + x] = self.get(x * self.width // w, sy)
        return out

    def replace(self, old, new):
        self.pixels = [new if p == old else p for p in self.pixels]


def rounded_mask(w, h, radius, corners="1111"):
    """Rows of booleans: True where a pixel centre lies inside the shape."""
    r = max(0, min(radius, w // 2, h // 2))
    centres = [(r, r), (w - r, r), (w - r, h - r), (r, h - r)]
    mask = []
    for yy in range(h):
        row = []
        for xx in range(w):
            inside = True
            if r:
                px2, py2 = 2 * xx + 1, 2 * yy + 1
                for flag, (cx, cy), (ox, oy) in zip(corners, centres,
                                                    ((-1, -1), (1, -1), (1, 1), (-1, 1))):
                    if flag != "1":
                        continue
                    in_zone = (px2 < 2 * cx if ox < 0 else px2 > 2 * cx) and \
                              (py2 < 2 * cy if oy < 0 else py2 > 2 * cy)
                    if in_zone:
                        ddx, ddy = px2 - 2 * cx, py2 - 2 * cy
                        inside = ddx * ddx + ddy * ddy <= 4 * r * r + 2 * r
            row.append(inside)
        mask.append(row)
    return mask


def _on_edge(mask, x, y, w, h):
    for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
        if not (0 <= nx < w and 0 <= ny < h) or not mask[ny][nx]:
            return True
    return False


def _near_edge(mask, x, y, w, h):
    for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
        if 0 <= nx < w and 0 <= ny < h and _on_edge(mask, nx, ny, w, h):
            return True
    return False


def hstrip(frames):
    """Frames of equal size side by side, frame 1 at the left."""
    w, h = frames[0].width, frames[0].height
    out = Canvas(w * len(frames), h)
    for i, frame in enumerate(frames):
        if (frame.width, frame.height) != (w, h):
            raise ValueError("frames of a strip must share one size")
        out.blit(frame, i * w, 0)
    return out


def vstrip(frames):
    """Frames of equal size stacked, frame 1 at the top."""
    w, h = frames[0].width, frames[0].height
    out = Canvas(w, h * len(frames))
    for i, frame in enumerate(frames):
        if (frame.width, frame.height) != (w, h):
            raise ValueError("frames of a strip must share one size")
        out.blit(frame, 0, i * h)
    return out


def split_frames(image, count, vertical=False):
    """The frames of a strip, cut the way the engine cuts them."""
    if count <= 0:
        return [image]
    if vertical:
        fh = image.height // count
        return [image.crop(0, i * fh, image.width, fh) for i in range(count)]
    fw = image.width // count
    return [image.crop(i * fw, 0, fw, image.height) for i in range(count)]
