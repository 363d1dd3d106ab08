#!/usr/bin/env python3
"""Builds a Windows .ico of 16-colour images from character pictures.

usage: make_icon.py PALETTE OUTPUT PICTURE...

PALETTE holds 16 lines "<char> <rrggbb> <name>" in palette order; '.' in a
picture is transparent. Each PICTURE is a square of N lines of N characters
(N = 16, 32, 48 or 64); lines starting with '#' are comments. The images go
into the .ico in the order given.
"""
import struct
import sys

TRANSPARENT = "."
BITMAPINFOHEADER_SIZE = 40


def fail(message):
    sys.exit(f"make_icon: {message}")


def read_palette(path):
    chars, colours = {}, []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split(maxsplit=2)
            if len(fields) < 2 or len(fields[0]) != 1 or len(fields[1]) != 6:
                fail(f"{path}:{number}: expected '<char> <rrggbb> <name>'")
            char = fields[0]
            if char == TRANSPARENT or char in chars:
                fail(f"{path}:{number}: character '{char}' is reserved or repeated")
            try:
                rgb = int(fields[1], 16)
            except ValueError:
                fail(f"{path}:{number}: '{fields[1]}' is not a hexadecimal colour")
            chars[char] = len(colours)
            colours.append(rgb)
    if len(colours) != 16:
        fail(f"{path}: {len(colours)} colours, a 4-bit palette needs 16")
    return chars, colours


def read_picture(path, chars):
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\n") for line in f if not line.startswith("#")]
    size = len(rows)
    if size not in (16, 32, 48, 64):
        fail(f"{path}: {size} rows; an icon is 16, 32, 48 or 64 pixels high")
    for number, row in enumerate(rows, 1):
        if len(row) != size:
            fail(f"{path}: row {number} is {len(row)} characters wide, not {size}")
        for char in row:
            if char != TRANSPARENT and char not in chars:
                fail(f"{path}: row {number}: '{char}' is not in the palette")
    return rows


def row_stride(width, bits_per_pixel):
    # Bitmap rows are padded to whole 32-bit words.
    return (width * bits_per_pixel + 31) // 32 * 4


def icon_image(rows, chars, colours):
    size = len(rows)
    colour_rows, mask_rows = [], []
    for row in reversed(rows):  # bitmaps are stored bottom-up
        colour = bytearray(row_stride(size, 4))
        mask = bytearray(row_stride(size, 1))
        for x, char in enumerate(row):
            index = chars.get(char, 0)
            colour[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if char == TRANSPARENT:
                mask[x // 8] |= 0x80 >> (x % 8)
        colour_rows.append(bytes(colour))
        mask_rows.append(bytes(mask))
    pixels = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, size, 2 * size, 1, 4, 0,
                         len(pixels), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0)
                       for rgb in colours)
    return header + palette + pixels


def main(argv):
    if len(argv) < 4:
        fail("usage: make_icon.py PALETTE OUTPUT PICTURE...")
    chars, colours = read_palette(argv[1])
    pictures = [read_picture(path, chars) for path in argv[3:]]
    images = [icon_image(rows, chars, colours) for rows in pictures]

    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for rows, image in zip(pictures, images):
        size = len(rows)
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(argv[2], "wb") as f:
        f.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv)
