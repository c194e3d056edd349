#!/usr/bin/env python3
"""Lays geoweave's six ground cube faces out as the usual cube-map cross.

Usage: cube_cross.py CUBE_DIR OUT.png   (standard library only)

CUBE_DIR holds ground-px.png ... ground-nz.png (8-bit RGB, all the same
size N). The picture is 4N x 3N, the faces as they are stored, none turned:

          +Y
    -X    +Z    +X    -Z
          -Y

In OpenGL's orientation these edges meet without a seam, so the cross shows
both where each face lies and that the faces join. The cells left over are
transparent.
"""
import struct
import sys
import zlib

USAGE = "usage: cube_cross.py CUBE_DIR OUT.png"
SIGNATURE = b"\x89PNG\r\n\x1a\n"
# (face, column, row) of the cross in units of one face.
LAYOUT = [("py", 1, 0), ("nx", 0, 1), ("pz", 1, 1), ("px", 2, 1), ("nz", 3, 1), ("ny", 1, 2)]


class BadInput(Exception):
    """A face is not a PNG this script can read; the text says why."""


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


def read_rgb8(data):
    """Returns (width, height, rows of RGB bytes) of an 8-bit RGB PNG."""
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
    if depth != 8 or color != 2 or interlace != 0:
        raise BadInput("not an 8-bit RGB, non-interlaced PNG")
    raw = zlib.decompress(compressed)
    stride = 3 * width
    if len(raw) != (stride + 1) * height:
        raise BadInput("pixel data does not fit %d x %d" % (width, height))
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        row = bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = row[i - 3] if i >= 3 else 0
            up = previous[i]
            corner = previous[i - 3] if i >= 3 else 0
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
        rows.append(bytes(row))
        previous = row
    return width, height, rows


def rgba8_png(width, height, rows):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    pixels = b"".join(b"\x00" + bytes(row) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) +
            chunk(b"IEND", b""))


def cross(faces):
    """The 4N x 3N RGBA rows of the cross from {name: (N, rows)}."""
    size = faces["px"][0]
    rows = [bytearray(4 * 4 * size) for _ in range(3 * size)]
    for name, column, band in LAYOUT:
        for y, row in enumerate(faces[name][1]):
            rgba = bytearray(4 * size)
            rgba[0::4] = row[0::3]
            rgba[1::4] = row[1::3]
            rgba[2::4] = row[2::3]
            rgba[3::4] = b"\xff" * size
            target = rows[band * size + y]
            target[4 * column * size : 4 * (column + 1) * size] = rgba
    return 4 * size, 3 * size, rows


def main(argv):
    if len(argv) == 2 and argv[1] in ("-h", "--help"):
        print(USAGE)
        return 0
    if len(argv) != 3 or any(a.startswith("-") for a in argv[1:]):
        print(USAGE, file=sys.stderr)
        return 2
    source, target = argv[1], argv[2]
    faces = {}
    for name, _, _ in LAYOUT:
        path = "%s/ground-%s.png" % (source, name)
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as e:
            print("cube_cross.py: cannot read %s: %s" % (path, e.strerror), file=sys.stderr)
            return 2
        try:
            width, height, rows = read_rgb8(data)
        except (BadInput, zlib.error) as e:
            print("cube_cross.py: %s: %s" % (path, e), file=sys.stderr)
            return 1
        if width != height:
            print("cube_cross.py: %s is %d x %d, not square" % (path, width, height),
                  file=sys.stderr)
            return 1
        faces[name] = (width, rows)
    if len({size for size, _ in faces.values()}) != 1:
        print("cube_cross.py: the faces in %s differ in size" % source, file=sys.stderr)
        return 1
    try:
        with open(target, "wb") as f:
            f.write(rgba8_png(*cross(faces)))
    except OSError as e:
        print("cube_cross.py: cannot write %s: %s" % (target, e.strerror), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
