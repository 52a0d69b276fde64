#!/usr/bin/env python3
"""Draws the program's icon and writes it as a 32 x 32, 24-bit Windows .ico and,
for the Linux desktop, as a PNG with the same pixels.

The picture: two overlapping discs, a pair, on a rounded dark-blue tile; the
lens where they overlap is light. Each pixel is the average of 4 x 4 samples,
and the tile's rounded corners are transparent through the AND mask.

Usage: make_icon.py   (writes FindMinimalPairs.ico and FindMinimalPairs.png beside itself)
"""
import os
import struct
import zlib

SIZE = 32
SAMPLES = 4

TILE = (0x1F, 0x3A, 0x5F)
LEFT_DISC = (0xF2, 0x8C, 0x28)
RIGHT_DISC = (0x3C, 0xAE, 0xA3)
LENS = (0xFB, 0xF5, 0xE6)

TILE_RADIUS = 6.0
DISC_RADIUS = 9.5
LEFT_CENTRE = (12.0, 16.0)
RIGHT_CENTRE = (20.0, 16.0)


def inside_tile(x, y):
    """True when (x, y) lies on the tile, a square with rounded corners."""
    cx = min(max(x, TILE_RADIUS), SIZE - TILE_RADIUS)
    cy = min(max(y, TILE_RADIUS), SIZE - TILE_RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= TILE_RADIUS ** 2


def inside_disc(x, y, centre):
    return (x - centre[0]) ** 2 + (y - centre[1]) ** 2 <= DISC_RADIUS ** 2


def sample_colour(x, y):
    """The colour at one sample point, or None outside the tile."""
    if not inside_tile(x, y):
        return None
    in_left = inside_disc(x, y, LEFT_CENTRE)
    in_right = inside_disc(x, y, RIGHT_CENTRE)
    if in_left and in_right:
        return LENS
    if in_left:
        return LEFT_DISC
    if in_right:
        return RIGHT_DISC
    return TILE


def pixel(px, py):
    """The averaged colour of one pixel and whether it is opaque."""
    colours = []
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = sample_colour(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour is not None:
                colours.append(colour)
    if len(colours) * 2 < SAMPLES * SAMPLES:
        return (0, 0, 0), False
    # Edge pixels of the tile are blended with the tile colour, not with black.
    colours += [TILE] * (SAMPLES * SAMPLES - len(colours))
    return tuple(round(sum(c[i] for c in colours) / len(colours)) for i in range(3)), True


def icon_bytes():
    xor_rows, and_rows = [], []
    for py in reversed(range(SIZE)):  # bottom-up, as in every Windows bitmap
        row = bytearray()
        mask = 0
        for px in range(SIZE):
            (r, g, b), opaque = pixel(px, py)
            row += bytes((b, g, r))
            if not opaque:
                mask |= 1 << (SIZE - 1 - px)
        xor_rows.append(bytes(row))  # 96 bytes: already a multiple of 4
        and_rows.append(struct.pack(">I", mask))  # 32 bits: one 4-byte row
    pixels = b"".join(xor_rows) + b"".join(and_rows)

    # BITMAPINFOHEADER: the height counts the colour image and the AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    image = header + pixels
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes():
    rows = bytearray()
    for py in range(SIZE):
        rows.append(0)  # no filter
        for px in range(SIZE):
            (r, g, b), opaque = pixel(px, py)
            rows += bytes((r, g, b, 255 if opaque else 0))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + png_chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "FindMinimalPairs.ico"), "wb") as file:
        file.write(icon_bytes())
    with open(os.path.join(here, "FindMinimalPairs.png"), "wb") as file:
        file.write(png_bytes())


if __name__ == "__main__":
    main()
