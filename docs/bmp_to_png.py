#!/usr/bin/env python3
"""Converts a 24-bit uncompressed BMP (as Geoweave writes them) to PNG.

Usage: bmp_to_png.py IN.bmp OUT.png   (standard library only)
"""
import struct
import sys
import zlib


def bmp_to_png(source, target):
    data = open(source, "rb").read()
    width, height = struct.unpack("<ii", data[18:26])
    pad = (4 - (3 * width) % 4) % 4
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows are stored bottom-up
        offset = 54 + y * (3 * width + pad)
        row = bytearray(b"\x00")
        for x in range(width):
            blue, green, red = data[offset + 3 * x : offset + 3 * x + 3]
            row += bytes((red, green, blue))
        rows.append(bytes(row))

    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
    open(target, "wb").write(png)


if __name__ == "__main__":
    bmp_to_png(sys.argv[1], sys.argv[2])
