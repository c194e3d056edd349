#!/usr/bin/env python3
"""Converts a 24-bit uncompressed BMP (as Geoweave writes them) to PNG.

Usage: bmp_to_png.py IN.bmp OUT.png   (standard library only)
"""
import struct
import sys
import zlib

USAGE = "usage: bmp_to_png.py IN.bmp OUT.png"
HEADER_BYTES = 54


class BadInput(Exception):
    """The input is not a BMP this script can read; the text says why."""


def read_bmp(data):
    """Returns (width, height, rows of RGB bytes top to bottom) of a 24-bit BMP."""
    if len(data) < HEADER_BYTES or data[:2] != b"BM":
        raise BadInput("not a BMP file")
    offset = struct.unpack("<I", data[10:14])[0]
    width, height = struct.unpack("<ii", data[18:26])
    bits, compression = struct.unpack("<HI", data[28:34])
    if bits != 24 or compression != 0:
        raise BadInput("not a 24-bit uncompressed BMP")
    # PNG has no empty images, and Geoweave writes its rows bottom-up (a
    # positive height); anything else did not come from it.
    if width <= 0 or height <= 0:
        raise BadInput("size %d x %d cannot be converted" % (width, height))
    pad = (4 - (3 * width) % 4) % 4
    if len(data) < offset + (3 * width + pad) * height:
        raise BadInput("file is shorter than its %d x %d pixels" % (width, height))
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows are stored bottom-up
        start = offset + y * (3 * width + pad)
        row = bytearray(b"\x00")
        for x in range(width):
            blue, green, red = data[start + 3 * x : start + 3 * x + 3]
            row += bytes((red, green, blue))
        rows.append(bytes(row))
    return width, height, rows


def png_bytes(width, height, rows):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    return png + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")


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
        print("bmp_to_png.py: cannot read %s: %s" % (source, e.strerror), file=sys.stderr)
        return 2
    try:
        png = png_bytes(*read_bmp(data))
    except BadInput as e:
        print("bmp_to_png.py: %s: %s" % (source, e), file=sys.stderr)
        return 1
    try:
        with open(target, "wb") as f:
            f.write(png)
    except OSError as e:
        print("bmp_to_png.py: cannot write %s: %s" % (target, e.strerror), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
