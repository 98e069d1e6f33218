"""Windows bitmap files: writing 24-bit and palette images, reading them back.

Files are bottom-up DIBs with a 40-byte BITMAPINFOHEADER, rows padded to
four bytes, and fixed header values (no resolution, no compression), so the
same picture always gives the same bytes.
"""

import struct

from raster import Canvas

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _headers(width, height, bits, palette_len, image_size):
    offset = FILE_HEADER.size + INFO_HEADER.size + 4 * palette_len
    file_header = FILE_HEADER.pack(b"BM", offset + image_size, 0, 0, offset)
    info = INFO_HEADER.pack(INFO_HEADER.size, width, height, 1, bits, 0,
                            image_size, 0, 0, palette_len, 0)
    return file_header + info


def encode_24(canvas):
    stride = _row_stride(canvas.width, 24)
    pad = bytes(stride - canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray()
        for r, g, b in canvas.row(y):
            line += bytes((b, g, r))
        rows.append(bytes(line) + pad)
    data = b"".join(rows)
    return _headers(canvas.width, canvas.height, 24, 0, len(data)) + data


def encode_indexed(canvas, palette, bits):
    """A 1-, 4- or 8-bit image; every pixel colour must be in palette."""
    if bits not in (1, 4, 8) or len(palette) > (1 << bits):
        raise ValueError("palette does not fit %d bits" % bits)
    index = {colour: i for i, colour in enumerate(palette)}
    stride = _row_stride(canvas.width, bits)
    per_byte = 8 // bits
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray(stride)
        for x, colour in enumerate(canvas.row(y)):
            if colour not in index:
                raise ValueError("colour %r is not in the palette" % (colour,))
            shift = 8 - bits * (x % per_byte + 1)
            line[x // per_byte] |= index[colour] << shift
        rows.append(bytes(line))
    data = b"".join(rows)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return _headers(canvas.width, canvas.height, bits, len(palette), len(data)) + quads + data


def decode(data):
    """Read an uncompressed 1/4/8/24-bit Windows bitmap file into a Canvas."""
    magic, _size, _r1, _r2, offset = FILE_HEADER.unpack_from(data, 0)
    if magic != b"BM":
        raise ValueError("not a bitmap file")
    (hsize, width, height, _planes, bits, compression, _isize, _xr, _yr,
     colours, _important) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
    if compression != 0 or bits not in (1, 4, 8, 24):
        raise ValueError("unsupported bitmap: %d bits, compression %d" % (bits, compression))
    bottom_up = height > 0
    height = abs(height)
    palette = []
    if bits <= 8:
        count = colours or (1 << bits)
        base = FILE_HEADER.size + hsize
        for i in range(count):
            b, g, r, _ = data[base + 4 * i:base + 4 * i + 4]
            palette.append((r, g, b))
    stride = _row_stride(width, bits)
    canvas = Canvas(width, height)
    for row in range(height):
        y = height - 1 - row if bottom_up else row
        start = offset + row * stride
        line = data[start:start + stride]
        for x in range(width):
            if bits == 24:
                b, g, r = line[3 * x:3 * x + 3]
                canvas.put(x, y, (r, g, b))
            else:
                per_byte = 8 // bits
                shift = 8 - bits * (x % per_byte + 1)
                idx = (line[x // per_byte] >> shift) & ((1 << bits) - 1)
                canvas.put(x, y, palette[idx])
    return canvas, bits
