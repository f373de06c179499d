#!/usr/bin/env python3
"""make_corpus.py: writes a corpus of valid and hostile BMP files for the loader tests.

Usage: make_corpus.py OUTDIR

Every file is listed in OUTDIR/MANIFEST.txt as "name verdict [width height]".
The verdict is "ok" for a file the loader must accept, or the name of the
reason it must be refused with. Each accepted file has NAME.ppm beside it with
the pixels it must decode to. All valid variants draw the same 11 x 7 picture
(odd width, so row padding and half-filled bytes are exercised), reduced to
what the variant can hold.
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmpwrite as bw  # noqa: E402

W, H = 11, 7
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
             (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
             (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
             (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
PALETTE2 = [(20, 40, 200), (250, 220, 30)]


def indices(colours=16):
    """Runs of three pixels, shifted by one on every row."""
    return [[((x // 3) + y) % colours for x in range(W)] for y in range(H)]


def colours_of(rows, palette):
    return [[palette[i] for i in row] for row in rows]


def full_scale(value, bits):
    """An n-bit channel value at full scale: the top 8 bits of a wider one,
    the bits of a narrower one repeated down the byte (5-bit 31 is 255)."""
    if bits >= 8:
        return value >> (bits - 8)
    out, at = 0, 8 - bits
    while at > -bits:
        out |= value << at if at >= 0 else value >> -at
        at -= bits
    return out & 0xFF


def channel_value(channel, bits):
    """An 8-bit channel stored in n bits: its top bits, or below 8 bits of
    its own a wider channel's low bits, which the decoder must drop."""
    if bits <= 8:
        return channel >> (8 - bits)
    return (channel << (bits - 8)) | ((channel * 0x9D) & ((1 << (bits - 8)) - 1))


def pack_full(rows, masks):
    out = []
    for row in rows:
        line = []
        for rgb in row:
            v = 0
            for channel, mask in zip(rgb, masks):
                shift = (mask & -mask).bit_length() - 1
                v |= channel_value(channel, bin(mask).count("1")) << shift
            line.append(v)
        out.append(line)
    return out


def decoded(rows, masks):
    """What a masked pixel decodes to: every channel at full scale."""
    out = []
    for row in rows:
        line = []
        for rgb in row:
            line.append(tuple(full_scale(channel_value(c, bin(m).count("1")), bin(m).count("1"))
                              for c, m in zip(rgb, masks)))
        out.append(line)
    return out


class Corpus:
    def __init__(self, folder):
        self.folder = folder
        self.lines = []
        os.makedirs(folder, exist_ok=True)

    def ok(self, name, data, expected):
        bw.write(os.path.join(self.folder, name), data)
        height, width = len(expected), len(expected[0])
        self.lines.append("%s ok %d %d" % (name, width, height))
        ppm = bytearray(b"P6\n%d %d\n255\n" % (width, height))
        for row in expected:
            for rgb in row:
                ppm += bytes(rgb)
        bw.write(os.path.join(self.folder, name + ".ppm"), bytes(ppm))

    def bad(self, name, data, reason):
        bw.write(os.path.join(self.folder, name), data)
        self.lines.append("%s %s" % (name, reason))

    def finish(self):
        with open(os.path.join(self.folder, "MANIFEST.txt"), "w") as f:
            f.write("\n".join(self.lines) + "\n")


def packed(rows, masks):
    return [[bw.pack_masked(rgb, masks) for rgb in row] for row in rows]


def valid_palette_variants(c):
    idx16, idx2 = indices(16), indices(2)
    pic16, pic2 = colours_of(idx16, PALETTE16), colours_of(idx2, PALETTE2)
    c.ok("pal1.bmp", bw.build(W, H, bw.pack_pixels(idx2, 1), 1, palette=PALETTE2), pic2)
    c.ok("pal4.bmp", bw.build(W, H, bw.pack_pixels(idx16, 4), 4, palette=PALETTE16), pic16)
    idx12 = indices(12)
    c.ok("pal4_12colours.bmp", bw.build(W, H, bw.pack_pixels(idx12, 4), 4, palette=PALETTE16[:12]),
         colours_of(idx12, PALETTE16))
    c.ok("pal8_16colours.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, palette=PALETTE16), pic16)
    full = PALETTE16 + [(i, 255 - i, i // 2) for i in range(240)]
    c.ok("pal8_256colours.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, palette=full,
                                         colours_used=0), pic16)
    c.ok("pal8_topdown.bmp", bw.build(W, -H, bw.pack_pixels(idx16, 8, top_down=True), 8,
                                      palette=PALETTE16), pic16)
    c.ok("rle8.bmp", bw.build(W, H, bw.encode_rle8(idx16), 8, bw.BI_RLE8, palette=PALETTE16), pic16)
    c.ok("rle4.bmp", bw.build(W, H, bw.encode_rle4(idx16), 4, bw.BI_RLE4, palette=PALETTE16), pic16)
    c.ok("core1.bmp", bw.build(W, H, bw.pack_pixels(idx2, 1), 1, header=12, palette=PALETTE2), pic2)
    c.ok("core8.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, header=12,
                               palette=PALETTE16 + [(0, 0, 0)] * 240), pic16)
    c.ok("v124_8.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, header=124, palette=PALETTE16), pic16)


def rle_special_cases(c):
    # Absolute blocks, an odd count in 4 bits, a jump, an early end of row
    # and an early end of picture; skipped pixels take palette entry 0.
    small = [(9, 9, 9), (255, 0, 0), (0, 0, 255), (0, 255, 0)]
    stream8 = bytes([0, 3, 1, 2, 3, 0,   # absolute: 1 2 3, padded
                     2, 2, 0, 0,         # two of 2, end of row
                     0, 2, 1, 1,         # jump one right, one up
                     1, 3, 0, 1])        # one 3, end of picture
    rows8 = [[0] * 5, [0, 3, 0, 0, 0], [0] * 5, [1, 2, 3, 2, 2]]  # bottom row last
    c.ok("rle8_jump.bmp", bw.build(5, 4, stream8, 8, bw.BI_RLE8, palette=small),
         colours_of(rows8, small))
    stream4 = bytes([0, 5, 0x12, 0x31, 0x20, 0,   # absolute: 1 2 3 1 2, padded
                     0, 0, 4, 0x33, 0, 1])        # four of 3, end of picture
    rows4 = [[3, 3, 3, 3, 0], [1, 2, 3, 1, 2]]
    c.ok("rle4_absolute.bmp", bw.build(5, 2, stream4, 4, bw.BI_RLE4, palette=small),
         colours_of(rows4, small))


def valid_direct_variants(c):
    pic = colours_of(indices(16), PALETTE16)
    c.ok("rgb24.bmp", bw.build(W, H, bw.pack_pixels(pic, 24), 24), pic)
    c.ok("rgb24_topdown.bmp", bw.build(W, -H, bw.pack_pixels(pic, 24, top_down=True), 24), pic)
    c.ok("core24.bmp", bw.build(W, H, bw.pack_pixels(pic, 24), 24, header=12), pic)
    c.ok("v108_24.bmp", bw.build(W, H, bw.pack_pixels(pic, 24), 24, header=108), pic)
    c.ok("rgb16_555.bmp", bw.build(W, H, bw.pack_pixels(packed(pic, bw.MASKS_555), 16), 16),
         decoded(pic, bw.MASKS_555))
    for header in (40, 52, 124):
        c.ok("bf16_565_h%d.bmp" % header,
             bw.build(W, H, bw.pack_pixels(packed(pic, bw.MASKS_565), 16), 16, bw.BI_BITFIELDS,
                      header=header, masks=bw.MASKS_565), decoded(pic, bw.MASKS_565))
    # The fourth byte of an uncompressed 32-bit pixel is unused, whatever it holds.
    junk = [[v | (0x5A << 24) for v in row] for row in packed(pic, bw.MASKS_888)]
    c.ok("rgb32.bmp", bw.build(W, H, bw.pack_pixels(junk, 32), 32), pic)
    swapped = (0x0000FF00, 0x00FF0000, 0xFF000000)
    c.ok("bf32_swapped.bmp", bw.build(W, H, bw.pack_pixels(packed(pic, swapped), 32), 32,
                                      bw.BI_BITFIELDS, masks=swapped), pic)
    alpha = [[v | (0x10 << 24) for v in row] for row in packed(pic, bw.MASKS_888)]
    c.ok("bf32_alpha_h56.bmp", bw.build(W, H, bw.pack_pixels(alpha, 32), 32, bw.BI_BITFIELDS,
                                        header=56, masks=bw.MASKS_888, alpha_mask=0xFF000000), pic)
    c.ok("bf32_alpha_c6.bmp", bw.build(W, H, bw.pack_pixels(alpha, 32), 32, bw.BI_ALPHABITFIELDS,
                                       masks=bw.MASKS_888, alpha_mask=0xFF000000), pic)
    base = bw.build(W, H, bw.pack_pixels(pic, 24), 24)
    c.ok("trailing_garbage.bmp", base + b"\xde\xad\xbe\xef" * 40, pic)
    c.ok("gap_before_pixels.bmp", with_gap(base, 10), pic)
    c.ok("rgb24_with_colour_table.bmp",
         bw.build(W, H, bw.pack_pixels(pic, 24), 24, palette=PALETTE16[:4]), pic)


def channel_widths(c):
    """One channel of every width a 16 or 32-bit pixel can hold beside two
    1-bit ones, taking turns at red, green and blue."""
    pic = colours_of(indices(16), PALETTE16)
    for bits, most in ((16, 14), (32, 30)):
        for n in range(1, most + 1):
            wide = ((1 << n) - 1) << (bits - n if bits == 16 else 2)
            masks = [0x2, 0x1]
            masks.insert(n % 3, wide)
            c.ok("bf%d_width_%d.bmp" % (bits, n),
                 bw.build(W, H, bw.pack_pixels(pack_full(pic, masks), bits), bits,
                          bw.BI_BITFIELDS, masks=tuple(masks)), decoded(pic, masks))


def os2_and_palettes(c):
    idx16 = indices(16)
    pic16 = colours_of(idx16, PALETTE16)
    for header in (16, 64):
        c.ok("os2v2_h%d_8.bmp" % header, bw.build(W, H, bw.pack_pixels(idx16, 8), 8, header=header,
                                                   palette=PALETTE16), pic16)
        c.ok("os2v2_h%d_24.bmp" % header, bw.build(W, H, bw.pack_pixels(pic16, 24), 24,
                                                    header=header), pic16)
    c.ok("os2v2_h64_rle8.bmp", bw.build(W, H, bw.encode_rle8(idx16), 8, bw.BI_RLE8, header=64,
                                        palette=PALETTE16), pic16)
    c.ok("os2v2_h64_rle4.bmp", bw.build(W, H, bw.encode_rle4(idx16), 4, bw.BI_RLE4, header=64,
                                        palette=PALETTE16), pic16)
    # The core header has no colour count: 16 of 256 colours, told by the offset.
    c.ok("core8_16colours.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, header=12,
                                         palette=PALETTE16), pic16)
    full = PALETTE16 + [(i % 256, 255 - i % 256, i // 2) for i in range(284)]
    c.ok("pal8_300colours.bmp", bw.build(W, H, bw.pack_pixels(idx16, 8), 8, palette=full), pic16)
    c.ok("pal4_17colours.bmp", bw.build(W, H, bw.pack_pixels(idx16, 4), 4,
                                        palette=PALETTE16 + [(1, 2, 3)]), pic16)


def finished_streams(c):
    """Streams that are done before their bytes are: the rest is not read."""
    idx16 = indices(16)
    pic16 = colours_of(idx16, PALETTE16)
    whole = bw.encode_rle8(idx16)
    open_end = whole[:-2]  # the last row done, no end of picture
    def rle8(stream, header=40):
        return bw.build(W, H, stream, 8, bw.BI_RLE8, header=header, palette=PALETTE16)
    c.ok("rle8_stray_byte.bmp", rle8(whole + b"\x07"), pic16)
    c.ok("rle8_no_end_padded.bmp", rle8(open_end + bytes(6)), pic16)
    c.ok("rle8_no_end_profile_v5.bmp", rle8(open_end + b"\x00\x00\x02\x30ADBE mntr", 124), pic16)
    c.ok("rle8_trailing_row.bmp", rle8(open_end + bytes([W, 1, 0, 0, 0, 1])), pic16)
    c.ok("rle4_no_end.bmp", bw.build(W, H, bw.encode_rle4(idx16)[:-2], 4, bw.BI_RLE4,
                                     palette=PALETTE16), pic16)
    for bits, rows in ((24, pic16), (1, indices(2)), (4, idx16)):
        data = bw.build(W, H, bw.pack_pixels(rows, bits), bits,
                        palette=PALETTE2 if bits == 1 else PALETTE16 if bits == 4 else ())
        pad = bw.row_stride(W, bits) - (W * bits + 7) // 8
        c.ok("last_row_unpadded_%d.bmp" % bits, data[:len(data) - pad],
             colours_of(rows, PALETTE2) if bits == 1 else pic16)


def with_gap(data, gap):
    """Moves the pixel data `gap` bytes further from the headers."""
    offset = struct.unpack_from("<I", data, 10)[0]
    out = bytearray(data[:offset] + bytes(gap) + data[offset:])
    struct.pack_into("<II", out, 2, len(out), 0)
    struct.pack_into("<I", out, 10, offset + gap)
    return bytes(out)


def patched(data, at, fmt, value):
    out = bytearray(data)
    struct.pack_into(fmt, out, at, value)
    return bytes(out)


def tiny_png():
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", 1, 1, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"\x00\xff\x00\x00")) + chunk(b"IEND", b""))


def broken_files(c):
    pic = colours_of(indices(16), PALETTE16)
    good24 = bw.build(W, H, bw.pack_pixels(pic, 24), 24)
    good8 = bw.build(W, H, bw.pack_pixels(indices(16), 8), 8, palette=PALETTE16)
    c.bad("empty.bmp", b"", "Empty")
    c.bad("bm_only.bmp", b"BM", "Truncated")
    c.bad("file_header_only.bmp", good24[:14], "Truncated")
    c.bad("info_header_cut.bmp", good24[:30], "Truncated")
    c.bad("palette_cut.bmp", good8[:54 + 30], "Truncated")
    c.bad("pixels_cut.bmp", good24[:-5], "PixelDataShort")
    c.bad("pixels_missing.bmp", good24[:54], "PixelDataShort")
    c.bad("png_named_bmp.bmp", tiny_png(), "NotBmp")
    c.bad("text_named_bmp.bmp", "これは画像ではありません。\n".encode("utf-8"), "NotBmp")
    c.bad("signature_swapped.bmp", b"MB" + good24[2:], "NotBmp")
    c.bad("offset_past_end.bmp", patched(good24, 10, "<I", len(good24) + 100), "BadOffset")
    c.bad("offset_in_header.bmp", patched(good24, 10, "<I", 20), "BadOffset")
    c.bad("offset_in_palette.bmp", patched(good8, 10, "<I", 54 + 8), "BadOffset")
    c.bad("info_size_60.bmp", patched(good24, 14, "<I", 60), "BadHeader")
    c.bad("info_size_huge.bmp", patched(good24, 14, "<I", 0x7FFFFFFF), "BadHeader")
    c.bad("planes_0.bmp", patched(good24, 26, "<H", 0), "BadHeader")
    c.bad("width_0.bmp", patched(good24, 18, "<i", 0), "BadSize")
    c.bad("width_negative.bmp", patched(good24, 18, "<i", -11), "BadSize")
    c.bad("height_0.bmp", patched(good24, 22, "<i", 0), "BadSize")
    c.bad("height_most_negative.bmp", patched(good24, 22, "<i", -0x80000000), "BadSize")
    c.bad("size_overflow.bmp", patched(patched(good24, 18, "<i", 0x7FFFFFFF), 22, "<i", 0x7FFFFFFF),
          "TooLarge")
    c.bad("huge_over_budget.bmp", patched(patched(good24, 18, "<i", 8193), 22, "<i", 8192), "TooLarge")
    c.bad("huge_within_budget.bmp", patched(patched(good24, 18, "<i", 8192), 22, "<i", 8192),
          "PixelDataShort")
    for bits in (0, 2, 7, 64):
        c.bad("depth_%d.bmp" % bits, patched(good24, 28, "<H", bits), "BadDepth")
    core24 = bw.build(W, H, bw.pack_pixels(pic, 24), 24, header=12)
    c.bad("core_depth_16.bmp", patched(core24, 24, "<H", 16), "BadDepth")
    for name, comp in (("jpeg", 4), ("png", 5), ("unknown", 99)):
        c.bad("compression_%s.bmp" % name, patched(good24, 30, "<I", comp), "BadCompression")
    c.bad("rle8_on_24.bmp", patched(good24, 30, "<I", bw.BI_RLE8), "BadCompression")
    c.bad("bitfields_on_8.bmp", patched(good8, 30, "<I", bw.BI_BITFIELDS), "BadCompression")
    rle8 = bw.build(W, H, bw.encode_rle8(indices(16)), 8, bw.BI_RLE8, palette=PALETTE16)
    c.bad("rle8_topdown.bmp", patched(rle8, 22, "<i", -H), "BadCompression")
    # 300 colours declared, 16 stored: the first 256 are not there.
    c.bad("palette_300_not_stored.bmp", patched(good8, 46, "<I", 300), "Truncated")
    core8 = bw.build(W, H, bw.pack_pixels(indices(16), 8), 8, header=12, palette=PALETTE16[:4])
    c.bad("core_palette_short_of_index.bmp", core8, "BadColourIndex")
    for name, comp in (("huffman", 3), ("rle24", 4)):
        c.bad("os2v2_%s.bmp" % name, bw.build(W, H, bytes(bw.row_stride(W, 24) * H), 24, comp,
                                              header=64), "BadCompression")
    c.bad("os2v2_depth_16.bmp", bw.build(W, H, bytes(bw.row_stride(W, 16) * H), 16, header=16),
          "BadDepth")
    pad24 = bw.row_stride(W, 24) - W * 3
    c.bad("last_row_cut.bmp", good24[:-(pad24 + 1)], "PixelDataShort")
    broken_masks(c, pic)
    bad_indices(c)
    broken_rle(c)


def broken_masks(c, pic):
    cases = {"zero": (0xF800, 0x07E0, 0), "overlapping": (0xF800, 0x0FE0, 0x001F),
             "gappy": (0xF800, 0x07E0, 0x0015), "outside_pixel": (0xF8000, 0x07E0, 0x001F),
             "gappy_32": (0x3FF00000, 0x000FFC00, 0x000002FF)}
    for name, masks in cases.items():
        bits = 32 if name.endswith("32") else 16
        c.bad("masks_%s.bmp" % name,
              bw.build(W, H, bytes(bw.row_stride(W, bits) * H), bits, bw.BI_BITFIELDS, masks=masks),
              "BadMasks")


def bad_indices(c):
    rows = indices(4)
    rows[3][5] = 200
    c.bad("index_past_palette_8.bmp", bw.build(W, H, bw.pack_pixels(rows, 8), 8,
                                               palette=PALETTE16[:4]), "BadColourIndex")
    c.bad("index_past_palette_1.bmp", bw.build(W, H, bw.pack_pixels(indices(2), 1), 1,
                                               palette=PALETTE2[:1]), "BadColourIndex")
    c.bad("index_past_palette_rle8.bmp", bw.build(W, H, bw.encode_rle8(rows), 8, bw.BI_RLE8,
                                                  palette=PALETTE16[:4]), "BadColourIndex")


def broken_rle(c):
    def rle(stream, bits=8, width=W, height=H):
        comp = bw.BI_RLE8 if bits == 8 else bw.BI_RLE4
        return bw.build(width, height, stream, bits, comp, palette=PALETTE16)
    row = bytes([W, 1, 0, 0])
    c.bad("rle8_run_past_row.bmp", rle(bytes([W + 1, 1, 0, 1])), "BadRle")
    c.bad("rle4_run_past_row.bmp", rle(bytes([W + 1, 0x11, 0, 1]), 4), "BadRle")
    c.bad("rle8_absolute_past_row.bmp", rle(bytes([0, 4, 1, 1, 1, 1, 0, 1]), width=3), "BadRle")
    c.bad("rle8_run_past_picture.bmp", rle(row * (H - 1) + bytes([W + 1, 1])), "BadRle")
    c.bad("rle8_jump_past_picture.bmp", rle(bytes([0, 2, 0, H, 0, 1])), "BadRle")
    c.bad("rle8_jump_past_row.bmp", rle(bytes([0, 2, W + 1, 0, 0, 1])), "BadRle")
    c.bad("rle8_jump_nowhere.bmp", rle(bytes([0, 2, 0, 0]) * 8 + b"\x00\x01"), "BadRle")
    c.bad("rle8_cut_short.bmp", rle(row * 3), "PixelDataShort")
    c.bad("rle8_cut_in_literal.bmp", rle(bytes([0, 5, 1, 2])), "PixelDataShort")
    c.bad("rle8_cut_in_escape.bmp", rle(row + b"\x00"), "PixelDataShort")
    c.bad("rle8_no_stream.bmp", rle(b""), "PixelDataShort")


def main():
    global W, H
    if len(sys.argv) not in (2, 4):
        sys.exit("usage: make_corpus.py OUTDIR [WIDTH HEIGHT]")
    if len(sys.argv) == 4:
        W, H = int(sys.argv[2]), int(sys.argv[3])
    c = Corpus(sys.argv[1])
    valid_palette_variants(c)
    rle_special_cases(c)
    valid_direct_variants(c)
    channel_widths(c)
    os2_and_palettes(c)
    finished_streams(c)
    broken_files(c)
    c.finish()


if __name__ == "__main__":
    main()
