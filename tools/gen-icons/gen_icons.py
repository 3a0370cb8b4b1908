#!/usr/bin/python3
"""Draws the game's menu icon at the usual sizes of the hicolor theme into packaging/icons,
from the game's own pictures: the figure standing on a floor tile, with rounded corners.
Pixels stay crisp where a size is a whole multiple of the pictures' 32; the smaller and the
odd sizes are averaged down. Needs nothing beyond Python's standard library. Run from the
repository root:

    /usr/bin/python3 tools/gen-icons/gen_icons.py
"""
import struct
import zlib

SIZES = (16, 32, 48, 64, 128, 256)


def read_png(path):
    """(width, height, rows of RGBA tuples) of an 8-bit, non-interlaced RGB or RGBA PNG."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    at, chunks, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, path
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(chunks)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                pick = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - corner), 2, corner))[2]
                line[i] = (line[i] + pick) & 255
        previous = line
        pixels = []
        for x in range(width):
            p = line[x * channels:(x + 1) * channels]
            pixels.append(tuple(p) + ((255,) if channels == 3 else ()))
        rows.append(pixels)
    return width, height, rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)
    chunk = lambda kind, body: struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    open(path, "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                           chunk(b"IEND", b""))


def over(top, bottom):
    a = top[3] / 255
    return tuple(round(t * a + b * (1 - a)) for t, b in zip(top[:3], bottom[:3])) + (255,)


def resized(rows, size):
    """Each output pixel the area-weighted mean of the source pixels it covers."""
    source = len(rows)
    if size % source == 0:
        k = size // source
        return [[rows[y // k][x // k] for x in range(size)] for y in range(size)]
    out = []
    for y in range(size):
        line = []
        for x in range(size):
            total, weights = [0.0] * 4, 0.0
            for sy in range(source):
                wy = max(0.0, min((y + 1) * source / size, sy + 1) - max(y * source / size, sy))
                for sx in range(source):
                    wx = max(0.0, min((x + 1) * source / size, sx + 1) - max(x * source / size, sx))
                    w = wx * wy
                    if w:
                        weights += w
                        total = [t + c * w for t, c in zip(total, rows[sy][sx])]
            line.append(tuple(round(t / weights) for t in total))
        out.append(line)
    return out


def rounded(rows):
    """Corners cut on a circle of an eighth of the size, their edge pixels partly covered."""
    size = len(rows)
    radius = size / 8
    out = []
    for y, row in enumerate(rows):
        line = []
        for x, p in enumerate(row):
            cx = min(max(x + 0.5, radius), size - radius)
            cy = min(max(y + 0.5, radius), size - radius)
            distance = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            cover = max(0.0, min(1.0, radius - distance + 0.5))
            line.append(p[:3] + (round(p[3] * cover),))
        out.append(line)
    return out


def main():
    _, _, floor = read_png("data/Graphics/Floor.0.gfx")
    _, _, player = read_png("data/Graphics/Player.gfx")
    icon = [[over(player[y][x], floor[y][x]) for x in range(32)] for y in range(32)]
    for size in SIZES:
        write_png("packaging/icons/%dx%d.png" % (size, size), rounded(resized(icon, size)))


if __name__ == "__main__":
    main()
