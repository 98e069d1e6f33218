"""Minimal PNG writer (8-bit RGB, no filtering) using zlib from the stdlib."""

import struct
import zlib


def _chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode(canvas):
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for r, g, b in canvas.row(y):
            raw += bytes((r, g, b))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b""))
