#!/usr/bin/env python3
"""Makes an 8-bit grey preview of a 16-bit grey PNG (geoweave's height.png).

Usage: height_preview.py IN.png OUT.png   (standard library only)

Each 16-bit value v becomes round(v * 255 / 65535): the same linear scale,
so sea level and the heights keep their places, in a file any viewer shows.
"""
import struct
import sys
import zlib

USAGE = "usage: height_preview.py IN.png OUT.png"
SIGNATURE = b"\x89PNG\r\n\x1a\n"


class BadInput(Exception):
    """The input is not a PNG this script can read; the text says why."""


def chunks(data):
    """Yields (kind, body) of every chunk after the signature."""
    at = len(SIGNATURE)
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at : at + 8])
        body = data[at + 8 : at + 8 + length]
        if len(body) != length:
            raise BadInput("chunk %r is cut short" % kind)
        yield kind, body
        at += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_gray16(data):
    """Returns (width, height, values row by row) of a 16-bit grey PNG."""
    if not data.startswith(SIGNATURE):
        raise BadInput("not a PNG file")
    header = None
    compressed = b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    if header is None:
        raise BadInput("no IHDR chunk")
    width, height, depth, color, _, _, interlace = header
    if depth != 16 or color != 0 or interlace != 0:
        raise BadInput("not a 16-bit grey, non-interlaced PNG")
    raw = zlib.decompress(compressed)
    stride = 2 * width
    if len(raw) != (stride + 1) * height:
        raise BadInput("pixel data does not fit %d x %d" % (width, height))
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        row = bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = row[i - 2] if i >= 2 else 0
            up = previous[i]
            corner = previous[i - 2] if i >= 2 else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                row[i] = (row[i] + paeth(left, up, corner)) & 0xFF
            elif kind != 0:
                raise BadInput("unknown filter %d in row %d" % (kind, y))
        rows.append(struct.unpack(">%dH" % width, bytes(row)))
        previous = row
    return width, height, rows


def gray8_png(width, height, rows):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    pixels = b"".join(b"\x00" + bytes((v * 255 + 32767) // 65535 for v in row) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    return (SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) +
            chunk(b"IEND", b""))


def main(argv):
    if len(argv) == 2 and argv[1] in ("-h", "--help"):
        print(USAGE)
        return 0
    if len(argv) != 3 or any(a.startswith("-") for a in argv[1:]):
        print(USAGE, file=sys.stderr)
        return 2
    source, target = argv[1], argv[2]
    try:
        with open(source, "rb") as f:
            data = f.read()
    except OSError as e:
        print("height_preview.py: cannot read %s: %s" % (source, e.strerror), file=sys.stderr)
        return 2
    try:
        png = gray8_png(*read_gray16(data))
    except (BadInput, zlib.error) as e:
        print("height_preview.py: %s: %s" % (source, e), file=sys.stderr)
        return 1
    try:
        with open(target, "wb") as f:
            f.write(png)
    except OSError as e:
        print("height_preview.py: cannot write %s: %s" % (target, e.strerror), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
