#!/usr/bin/env python3
"""draw_pictures.py: draws every picture of the program into resources/*.xpm.

Run from anywhere: python3 tools/draw_pictures.py [output folder]. The
pictures use only the 16 standard colours; XPM keeps them reviewable as
text, one character per pixel, and Qt reads the format natively.
"""

import os
import sys

import pixel_font

# Legend characters of the 16 standard colours, plus the transparent one.
PALETTE = [
    ("#", "#000000"),  # black
    ("m", "#800000"),  # maroon
    ("g", "#008000"),  # green
    ("o", "#808000"),  # olive
    ("n", "#000080"),  # navy
    ("p", "#800080"),  # purple
    ("t", "#008080"),  # teal
    (".", "#C0C0C0"),  # silver
    ("+", "#808080"),  # grey
    ("r", "#FF0000"),  # red
    ("l", "#00FF00"),  # lime
    ("y", "#FFFF00"),  # yellow
    ("b", "#0000FF"),  # blue
    ("f", "#FF00FF"),  # fuchsia
    ("a", "#00FFFF"),  # aqua
    ("w", "#FFFFFF"),  # white
    (" ", "None"),     # transparent
]


class Canvas:
    """A grid of legend characters, addressed as [y][x]."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def Set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def Fill(self, left, top, right, bottom, colour):
        """Fills the inclusive rectangle left..right, top..bottom."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.Set(x, y, colour)

    def Frame(self, left, top, right, bottom, light, dark):
        """A 1-pixel 3-D edge: light top and left, dark bottom and right."""
        self.Fill(left, top, right, top, light)
        self.Fill(left, top, left, bottom, light)
        self.Fill(left, bottom, right, bottom, dark)
        self.Fill(right, top, right, bottom, dark)

    def Art(self, left, top, rows):
        """Copies ASCII art whose characters are legend characters."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                self.Set(left + dx, top + dy, ch)

    def Paint(self, mask, left, top, colour):
        """Paints the set pixels of a mask (a list of bool rows)."""
        for dy, row in enumerate(mask):
            for dx, on in enumerate(row):
                if on:
                    self.Set(left + dx, top + dy, colour)


def Xpm(canvas, name):
    """The canvas as XPM text, listing only the colours it uses."""
    used = {ch for row in canvas.rows for ch in row}
    unknown = used - {ch for ch, _ in PALETTE}
    if unknown:
        raise ValueError("%s uses unknown colours %r" % (name, sorted(unknown)))
    legend = [(ch, value) for ch, value in PALETTE if ch in used]
    lines = ["/* XPM */", "static const char *%s[] = {" % name,
             '"%d %d %d 1",' % (canvas.width, canvas.height, len(legend))]
    lines += ['"%s c %s",' % (ch, value) for ch, value in legend]
    lines += ['"%s",' % "".join(row) for row in canvas.rows]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    return "\n".join(lines) + "\n"


# ------------------------------------------------------- tool-bar glyphs
# 16 x 16 each; the colour of the bottom-left pixel is the transparent one.

OPEN_FOLDER = [
    "gggggggggggggggg",
    "gggggggggggggggg",
    "ggg####ggggggggg",
    "gg#yyyy#gggggggg",
    "g#yyyyyy######gg",
    "g#yyyyyyyyyyyy#g",
    "g#yyyyyyyyyyyy#g",
    "g#yyy###########",
    "g#yyy#ooooooooo#",
    "g#yy#ooooooooo#g",
    "g#yy#oooooooo#gg",
    "g#y#oooooooo#ggg",
    "g#y#ooooooo#gggg",
    "g##ooooooo#ggggg",
    "g##########ggggg",
    "gggggggggggggggg",
]

# Lime upper half, green lower half; the stripe and highlight are lime
# and white.
SHUFFLE_ARROW = [
    "o##ooooooooooooo",
    "o#l##ooooooooooo",
    "o#wll##ooooooooo",
    "o#wllll##ooooooo",
    "o#lllllll##ooooo",
    "o#lllllllll##ooo",
    "o#lllllllllll##o",
    "o#lllllllllllll#",
    "o#ggggggggggggg#",
    "o#ggggggggggg##o",
    "o#ggggggggg##ooo",
    "o#lllllll##ooooo",
    "o#ggggg##ooooooo",
    "o#ggg##ooooooooo",
    "o#g##ooooooooooo",
    "o##ooooooooooooo",
]

# A blue door 12 wide at x 2..13 on white.
DOOR = [
    "ww############ww",
    "ww#bbbbbbbbbb#ww",
    "ww#baaaaaaaab#ww",
    "ww#baaaaaaaab#ww",
    "ww#baaaaaaaab#ww",
    "ww#battaaatab#ww",
    "ww#bttttttttb#ww",
    "ww#yyybbbbbbb#ww",
    "ww#yoybbbbbbb#ww",
    "ww#yyybbbbbbb#ww",
    "ww#bbbbbbbbbb#ww",
    "ww#bbbbbbbbbb#ww",
    "ww#nnnnnnnnnn#ww",
    "ww#bbbbbbbbbb#ww",
    "ww#nnnnnnnnnn#ww",
    "ww############ww",
]


def ArtPicture(rows):
    if any(len(row) != len(rows[0]) for row in rows):
        raise ValueError("art rows differ in length")
    canvas = Canvas(len(rows[0]), len(rows), " ")
    canvas.Art(0, 0, rows)
    return canvas


# ---------------------------------------------------------------- lettering

def TextMask(font, text, gap, space):
    """Lays out upright glyphs bottom-aligned; returns rows of bools."""
    height = max(len(glyph) for glyph in font.values())
    columns = []
    for index, ch in enumerate(text):
        if ch == " ":
            columns += [[False] * height] * (space - gap)
            continue
        glyph = font[ch]
        pad = height - len(glyph)
        for x in range(pixel_font.Width(glyph)):
            columns.append([False] * pad + [row[x] == "#" for row in glyph])
        if index + 1 < len(text):
            columns += [[False] * height] * gap
    return [[column[y] for column in columns] for y in range(height)]


def Shear(mask, run):
    """Italic: each row moves right by one pixel for every `run` rows it
    stands above the baseline (the last row), rounded to the nearest."""
    height = len(mask)
    lean = (height - 1 + run // 2) // run
    sheared = []
    for y, row in enumerate(mask):
        shift = (height - 1 - y + run // 2) // run
        sheared.append([False] * shift + row + [False] * (lean - shift))
    return sheared


def Lettering(canvas, mask, left, top, colour):
    """Coloured letters backed by a white copy 1 pixel right and down."""
    canvas.Paint(mask, left + 1, top + 1, "w")
    canvas.Paint(mask, left, top, colour)


def InkBounds(mask):
    """(left, top, right, bottom) of the set pixels of a mask."""
    xs = [x for row in mask for x, on in enumerate(row) if on]
    ys = [y for y, row in enumerate(mask) if any(row)]
    return min(xs), min(ys), max(xs), max(ys)


def CaptionPicture(text, left):
    """Teal caption words on 120 x 32, their ink starting at x = left."""
    canvas = Canvas(120, 32, ".")
    mask = Shear(TextMask(pixel_font.CAPTION, text, pixel_font.CAPTION_GAP,
                          pixel_font.CAPTION_SPACE), 4)
    inkLeft = InkBounds(mask)[0]
    Lettering(canvas, mask, left - inkLeft, 8, "t")
    return canvas


def LogoPicture():
    """The program name centred on 200 x 50, with a red bar over the e."""
    canvas = Canvas(200, 50, ".")
    mask = Shear(TextMask(pixel_font.LOGO, "Tessra", pixel_font.LOGO_GAP, 0), 4)
    left, _, right, _ = InkBounds(mask)
    # The white copy makes the lettering one pixel wider.
    Lettering(canvas, mask, (200 - (right - left + 2)) // 2 - left, 9, "n")
    canvas.Fill(70, 10, 78, 13, "r")
    return canvas


# ------------------------------------------------------------ number glyphs

def NumberGlyph(canvas, left, number):
    """Black digits on rows 3..11 inside a white 1-pixel outline (rows
    2..12); the rest of the 16 x 16 cell stays transparent. One digit stands
    in the middle, two digits fill the width."""
    text = str(number)
    if len(text) == 1:
        # Centre the ink, not the 5-pixel cell: the "1" is only 4 wide.
        used = [x for row in pixel_font.DIGITS[text] for x, ch in enumerate(row) if ch == "#"]
        starts = [(16 - (max(used) + 1 + min(used))) // 2]
    else:
        starts = [2, 9]
    ink = set()
    for start, digit in zip(starts, text):
        for dy, row in enumerate(pixel_font.DIGITS[digit]):
            ink |= {(left + start + dx, 3 + dy)
                    for dx, ch in enumerate(row) if ch == "#"}
    for x, y in ink:
        for ny in (y - 1, y, y + 1):
            for nx in (x - 1, x, x + 1):
                canvas.Set(nx, ny, "w")
    for x, y in ink:
        canvas.Set(x, y, "#")


def NumberStrip():
    """25 glyphs of 16 x 16 side by side; glyph k shows k + 1."""
    canvas = Canvas(16 * 25, 16, " ")
    for k in range(25):
        NumberGlyph(canvas, 16 * k, k + 1)
    return canvas


# -------------------------------------------------------------------- icons

def TileIcon(size, margin, edge, square, line):
    """A raised tile holding a 3 x 3 grid of squares: aqua, then teal with
    the blank at the right, then blue."""
    canvas = Canvas(size, size, " ")
    far = size - 1 - margin
    canvas.Fill(margin, margin, far, far, ".")
    for i in range(edge):
        canvas.Frame(margin + i, margin + i, far - i, far - i, "w", "+")
    rows = ["aaa", "tt.", "bbb"]
    origin = margin + edge
    for r, colours in enumerate(rows):
        for c, colour in enumerate(colours):
            x = origin + c * (square + line)
            y = origin + r * (square + line)
            canvas.Fill(x, y, x + square - 1, y + square - 1, colour)
    return canvas


# --------------------------------------------------------- About-box pictures

def AboutBack():
    """Silver panel framed by a raised and a sunken edge and a band of
    embossed studs; the plain centre is x 10..229, y 10..149."""
    canvas = Canvas(240, 160, ".")
    canvas.Frame(0, 0, 239, 159, "w", "+")
    canvas.Frame(1, 1, 238, 158, "+", "w")
    # Each 4 x 4 repeat: a 2 x 2 silver stud, white above and left of it,
    # grey below and right. 236 x 156 pixels hold 59 x 39 repeats exactly.
    for top in range(2, 158, 4):
        for left in range(2, 238, 4):
            if 10 <= left < 230 and 10 <= top < 150:
                continue
            canvas.Frame(left, top, left + 3, top + 3, "w", "+")
    return canvas


def Engrave(canvas, mask, left, top):
    """Cuts a mask into the silver surface: grey where its top or left
    border meets the surface, white where its bottom or right border does."""
    def Inside(x, y):
        return 0 <= y < len(mask) and 0 <= x < len(mask[0]) and mask[y][x]
    for y, row in enumerate(mask):
        for x, on in enumerate(row):
            if not on:
                continue
            if not Inside(x, y - 1) or not Inside(x - 1, y):
                canvas.Set(left + x, top + y, "+")
            elif not Inside(x, y + 1) or not Inside(x + 1, y):
                canvas.Set(left + x, top + y, "w")


def Emblem():
    """Silver square with a 2-pixel sunken edge and two engraved capitals."""
    canvas = Canvas(32, 32, ".")
    canvas.Frame(0, 0, 31, 31, "+", "w")
    canvas.Frame(1, 1, 30, 30, "+", "w")
    for name, left in (("T", 4), ("S", 17)):
        mask = [[ch == "#" for ch in row] for row in pixel_font.EMBLEM[name]]
        Engrave(canvas, mask, left, 7)
    return canvas


# ------------------------------------------------------------ main pictures

def Pictures():
    return {
        "open": ArtPicture(OPEN_FOLDER),
        "shuffle": ArtPicture(SHUFFLE_ARROW),
        "exit": ArtPicture(DOOR),
        "hintview": CaptionPicture("Hint View", 6),
        "mainview": CaptionPicture("Main View", 2),
        "logo": LogoPicture(),
        "numbers": NumberStrip(),
        "mainicon16": TileIcon(16, 0, 1, 4, 1),
        "mainicon32": TileIcon(32, 1, 2, 8, 1),
        "mainicon48": TileIcon(48, 1, 3, 12, 2),
        "aboutback": AboutBack(),
        "emblem": Emblem(),
    }


def Main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    folder = argv[1] if len(argv) > 1 else os.path.join(here, "..", "resources")
    pixel_font.Check(pixel_font.CAPTION)
    pixel_font.Check(pixel_font.LOGO)
    pixel_font.Check(pixel_font.DIGITS)
    pixel_font.Check(pixel_font.EMBLEM)
    for name, canvas in Pictures().items():
        with open(os.path.join(folder, name + ".xpm"), "w") as out:
            out.write(Xpm(canvas, name + "_xpm"))


if __name__ == "__main__":
    Main(sys.argv)
