"""bmpwrite.py: BMP file bytes built by hand, shared by our picture tools.

Rows are given top row first, as lists of palette indices (1, 4 and 8 bits),
(r, g, b) tuples (24 bits) or already packed pixel values (16 and 32 bits,
see pack_masked). The writer stores them bottom-up unless asked for a
top-down file, pads every row to a multiple of 4 bytes and fills in both
headers. Nothing here checks its input: the hostile-picture tool relies on
that to write broken files.
"""

import struct

BI_RGB = 0
BI_RLE8 = 1
BI_RLE4 = 2
BI_BITFIELDS = 3
BI_ALPHABITFIELDS = 6

MASKS_555 = (0x7C00, 0x03E0, 0x001F)
MASKS_565 = (0xF800, 0x07E0, 0x001F)
MASKS_888 = (0x00FF0000, 0x0000FF00, 0x000000FF)


def row_stride(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def pack_masked(rgb, masks):
    """Packs an (r, g, b) colour into a pixel value with the given channel masks,
    keeping the top bits of each 8-bit channel."""
    value = 0
    for channel, mask in zip(rgb, masks):
        shift = (mask & -mask).bit_length() - 1
        bits = (mask >> shift).bit_length()
        value |= ((channel >> (8 - bits)) << shift) & mask
    return value


def pack_row(values, bpp):
    out = bytearray()
    if bpp in (1, 4, 8):
        per_byte = 8 // bpp
        for start in range(0, len(values), per_byte):
            byte = 0
            chunk = values[start:start + per_byte]
            for i, v in enumerate(chunk):
                byte |= (v & ((1 << bpp) - 1)) << (8 - bpp * (i + 1))
            out.append(byte)
    elif bpp == 24:
        for r, g, b in values:
            out += bytes((b, g, r))
    elif bpp == 16:
        for v in values:
            out += struct.pack("<H", v & 0xFFFF)
    elif bpp == 32:
        for v in values:
            out += struct.pack("<I", v & 0xFFFFFFFF)
    else:
        raise ValueError("no packing for %d bits" % bpp)
    return bytes(out)


def pack_pixels(rows, bpp, top_down=False):
    width = len(rows[0]) if rows else 0
    stride = row_stride(width, bpp)
    ordered = rows if top_down else list(reversed(rows))
    out = bytearray()
    for row in ordered:
        packed = pack_row(row, bpp)
        out += packed + bytes(stride - len(packed))
    return bytes(out)


def _runs(row):
    start = 0
    while start < len(row):
        end = start
        while end < len(row) and row[end] == row[start] and end - start < 255:
            end += 1
        yield end - start, row[start]
        start = end


def encode_rle8(rows):
    """Encoded runs only, bottom row first; each row ends with an end-of-line
    escape and the last with end-of-bitmap."""
    out = bytearray()
    for row in reversed(rows):
        for count, value in _runs(row):
            out += bytes((count, value))
        out += b"\x00\x00"
    return bytes(out[:-2]) + b"\x00\x01"


def encode_rle4(rows):
    out = bytearray()
    for row in reversed(rows):
        for count, value in _runs(row):
            out += bytes((count, (value << 4) | value))
        out += b"\x00\x00"
    return bytes(out[:-2]) + b"\x00\x01"


def file_header(file_size, pixel_offset):
    return b"BM" + struct.pack("<IHHI", file_size, 0, 0, pixel_offset)


def info_header(size, width, height, bpp, compression=BI_RGB, image_size=0,
                colours_used=0, masks=(0, 0, 0), alpha_mask=0, planes=1):
    """A 12, 16, 40, 52, 56, 64, 108 or 124-byte info header (16 and 64: the
    OS/2 2.x forms, whose own fields after the common 40 bytes stay zero)."""
    if size == 12:
        return struct.pack("<IHHHH", 12, width & 0xFFFF, height & 0xFFFF, planes, bpp)
    if size == 16:
        return struct.pack("<IiiHH", 16, width, height, planes, bpp)
    head = struct.pack("<IiiHHIIiiII", size, width, height, planes, bpp,
                       compression, image_size, 2835, 2835, colours_used, 0)
    if size in (40, 64):
        return head + bytes(size - 40)
    head += struct.pack("<III", *masks)
    if size == 52:
        return head
    head += struct.pack("<I", alpha_mask)
    if size == 56:
        return head
    # Colour space "sRGB", then endpoints and gammas left zero.
    head += b"BGRs" + bytes(36 + 12)
    if size == 108:
        return head
    return head + struct.pack("<IIII", 4, 0, 0, 0)


def palette_bytes(palette, entry_size=4):
    out = bytearray()
    for r, g, b in palette:
        out += bytes((b, g, r)) + (b"\x00" if entry_size == 4 else b"")
    return bytes(out)


def build(width, height, pixel_data, bpp, compression=BI_RGB, header=40,
          palette=(), masks=None, alpha_mask=0, colours_used=None):
    """A whole file: headers, the masks after a 40-byte header when bit fields
    are used (with the alpha mask for compression 6), the palette, then the pixel data. `height` is stored as given,
    so a negative one makes a top-down file."""
    entry = 3 if header == 12 else 4
    extra = b""
    if masks is not None and header == 40:
        extra = struct.pack("<III", *masks)
        if compression == BI_ALPHABITFIELDS:
            extra += struct.pack("<I", alpha_mask)
    used = len(palette) if colours_used is None else colours_used
    info = info_header(header, width, height, bpp, compression, len(pixel_data),
                       used, masks or (0, 0, 0), alpha_mask)
    table = palette_bytes(palette, entry)
    offset = 14 + len(info) + len(extra) + len(table)
    return file_header(offset + len(pixel_data), offset) + info + extra + table + pixel_data


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
