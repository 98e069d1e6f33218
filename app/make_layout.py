#!/usr/bin/env python3
"""Turns the readable main-window layout (UTF-8, Chinese text in quotes) into
the stored layout the program embeds: every non-ASCII character of a quoted
string becomes #nnnn (a UTF-16 code unit in decimal), and every binary
placeholder {@file:NAME} becomes the hexadecimal bytes of that file.

Usage: make_layout.py TEMPLATE OUTPUT NAME=PATH [NAME=PATH ...]
Picture data get the graphic's class name in front, as the picture
property stores it: {@picture:TJPEGImage:NAME}; a skin file gets its 32-bit
length in front, as the skin component stores it: {@skinstream:NAME}.
"""
import re
import sys

QUOTED = re.compile(r"'((?:[^']|'')*)'")
BINARY = re.compile(r"\{@(file|skinstream|picture:(\w+)):(\w+)\}")


def encode_string(match):
    text = match.group(1).replace("''", "'")
    if text.isascii():
        return match.group(0)
    parts, run = [], ""
    encoded = text.encode("utf-16-le")
    units = [int.from_bytes(encoded[i:i + 2], "little") for i in range(0, len(encoded), 2)]
    for unit in units:
        if 0x20 <= unit < 0x80:
            run += chr(unit)
            continue
        if run:
            parts.append("'" + run.replace("'", "''") + "'")
            run = ""
        parts.append(f"#{unit}")
    if run:
        parts.append("'" + run.replace("'", "''") + "'")
    return "".join(parts)


def hex_block(data, indent):
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)] or [""]
    return "{\n" + "\n".join(indent + "  " + line for line in lines) + "}"


def main(template, output, assignments):
    files = dict(a.split("=", 1) for a in assignments)
    result = []
    for line in open(template, encoding="utf-8").read().splitlines():
        indent = line[: len(line) - len(line.lstrip())]

        def embed(match):
            with open(files[match.group(3)], "rb") as f:
                data = f.read()
            if match.group(2):
                name = match.group(2).encode("ascii")
                data = bytes([len(name)]) + name + data
            elif match.group(1) == "skinstream":
                data = len(data).to_bytes(4, "little") + data
            return hex_block(data, indent)

        line = BINARY.sub(embed, line)
        if not line.lstrip().startswith("//"):
            line = QUOTED.sub(encode_string, line)
        result.append(line)
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(result) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
