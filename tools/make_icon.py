#!/usr/bin/env python3
"""make_icon.py OUT.ico IN.xpm...: the program's icon for Windows, one image
per XPM file (16, 32 and 48 pixels), each 32 bits a pixel with its mask;
the XPM colour None, and fuchsia as the program takes it, is transparent."""
import re
import struct
import sys


def read_xpm(path):
    text = open(path, encoding="ascii").read()
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    width, height, ncolours, cpp = (int(v) for v in strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + ncolours]:
        key, rest = line[:cpp], line[cpp:].split()
        value = rest[rest.index("c") + 1]
        colours[key] = None if value.lower() == "none" else int(value.lstrip("#"), 16)
    # Fuchsia is transparent too, as the program shows the icon.
    colours = {k: (None if v == 0xFF00FF else v) for k, v in colours.items()}
    rows = strings[1 + ncolours:1 + ncolours + height]
    pixels = [[colours[row[x * cpp:(x + 1) * cpp]] for x in range(width)] for row in rows]
    return width, height, pixels


def image_entry(width, height, pixels):
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):
        for p in row:
            colour += struct.pack("<I", 0 if p is None else (p | 0xFF000000))
    mask_stride = (width + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + colour + mask


def main():
    out, inputs = sys.argv[1], sys.argv[2:]
    images = [read_xpm(path) for path in inputs]
    blobs = [image_entry(*image) for image in images]
    data = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (width, height, _), blob in zip(images, blobs):
        data += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        data += blob
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
