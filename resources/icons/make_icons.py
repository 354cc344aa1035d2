#!/usr/bin/env python3
"""Draws Tivrel's icons (a processor package with pins and a die) and writes them as .ico files.

Writes, beside this folder:
  tivrel.ico   icon group 500: 32x32 and 16x16 in 16 colours (4 bpp), 48x48 in 256 colours (8 bpp)
  message.ico  icon group 502: one 32x32 image in 16 colours (4 bpp)
Each image is a BITMAPINFOHEADER, a palette, the colour (XOR) bitmap and the 1-bpp AND mask,
rows bottom-up, each padded to 4 bytes. Standard library only; the output is deterministic.
Usage: python3 make_icons.py [output-directory]
"""
import os
import struct
import sys

# The 16-colour VGA palette of Windows, in index order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, YELLOW, BLUE, WHITE = (
    VGA[0], VGA[4], VGA[7], VGA[8], VGA[11], VGA[12], VGA[15])

# Extra shades for the 256-colour image, appended after the VGA entries.
RICH = {
    "body": (48, 52, 60), "bodyLight": (92, 98, 110), "bodyDark": (20, 22, 26),
    "pin": (204, 204, 200), "pinDark": (112, 112, 108),
    "die": (70, 110, 190), "dieLight": (130, 170, 235), "dieDark": (30, 60, 120),
    "gold": (228, 184, 60),
}


def NewCanvas(size):
    return [[None] * size for _ in range(size)]


def Fill(canvas, x0, y0, x1, y1, colour):
    """Fills the inclusive rectangle x0..x1, y0..y1."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            canvas[y][x] = colour


def Bevel(canvas, x0, y0, x1, y1, light, dark):
    """A one-pixel frame: light on top and left, dark on bottom and right."""
    Fill(canvas, x0, y0, x1, y0, light)
    Fill(canvas, x0, y0, x0, y1, light)
    Fill(canvas, x0, y1, x1, y1, dark)
    Fill(canvas, x1, y0, x1, y1, dark)


def PinPositions(bodyStart, bodyEnd, count, width):
    """Left or top edges of count pins of the given width spread evenly along the body side."""
    span = bodyEnd - bodyStart + 1
    gap = (span - count * width) / (count + 1)
    return [bodyStart + round(gap * (i + 1) + width * i) for i in range(count)]


def DrawChip(size, geometry, colours, letter=None):
    """A square package with pins on all four sides and a die in its middle."""
    c = NewCanvas(size)
    margin, pinLength, pinCount, pinWidth, dieMargin = geometry
    b0, b1 = margin, size - 1 - margin                 # body, inclusive
    p0, p1 = margin - pinLength, size - 1 - margin + pinLength
    for start in PinPositions(b0, b1, pinCount, pinWidth):
        end = start + pinWidth - 1
        Fill(c, start, p0, end, b0 - 1, colours["pin"])       # top
        Fill(c, start, b1 + 1, end, p1, colours["pin"])       # bottom
        Fill(c, p0, start, b0 - 1, end, colours["pin"])       # left
        Fill(c, b1 + 1, start, p1, end, colours["pin"])       # right
        if pinWidth > 1:                                      # shade the far edge of each pin
            Fill(c, end, p0, end, b0 - 1, colours["pinDark"])
            Fill(c, end, b1 + 1, end, p1, colours["pinDark"])
            Fill(c, p0, end, b0 - 1, end, colours["pinDark"])
            Fill(c, b1 + 1, end, p1, end, colours["pinDark"])
    Fill(c, b0, b0, b1, b1, colours["body"])
    Bevel(c, b0, b0, b1, b1, colours["bodyLight"], colours["bodyDark"])
    d0, d1 = b0 + dieMargin, b1 - dieMargin
    Fill(c, d0, d0, d1, d1, colours["die"])
    Bevel(c, d0, d0, d1, d1, colours["dieLight"], colours["dieDark"])
    if dieMargin >= 3:                                        # pin-1 mark in the body's corner
        m = b0 + max(2, dieMargin // 2 - 1)
        Fill(c, m, m, m + (size // 32), m + (size // 32), colours["gold"])
    if letter:
        DrawLetter(c, d0, d1, letter, colours["letter"])
    return c


# "T" for Tivrel, as rows of a 5x5 and a 7x7 pixel font ('#' set).
LETTER_T = {
    5: ["#####", "..#..", "..#..", "..#..", "..#.."],
    7: ["#######", "#######", "..###..", "..###..", "..###..", "..###..", "..###.."],
}


def DrawLetter(canvas, d0, d1, glyphs, colour):
    inner = d1 - d0 - 1
    rows = glyphs[7] if inner >= 11 else glyphs[5]
    n = len(rows)
    ox = d0 + 1 + (inner - n + 1) // 2
    oy = ox
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                canvas[oy + y][ox + x] = colour


def DrawMessage(size):
    """The message dialog's icon: a speech bubble with an 'i', in 16 colours."""
    c = NewCanvas(size)
    # Bubble: a rounded rectangle 2..29 x 2..22, with a tail down to the left.
    x0, y0, x1, y1 = 2, 2, 29, 22
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            corner = min(x - x0, x1 - x) + min(y - y0, y1 - y)
            if (x - x0 < 2 or x1 - x < 2) and (y - y0 < 2 or y1 - y < 2) and corner < 2:
                continue
            c[y][x] = WHITE
    for y, left, right in ((23, 8, 14), (24, 8, 13), (25, 7, 12), (26, 7, 11),
                           (27, 6, 9), (28, 6, 8), (29, 5, 6)):      # tail, to the lower left
        Fill(c, left, y, right, y, WHITE)
    # Outline: every set pixel with an empty neighbour becomes navy.
    outline = []
    for y in range(size):
        for x in range(size):
            if c[y][x] is None:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < size and 0 <= ny < size) or c[ny][nx] is None:
                    outline.append((x, y))
                    break
    for x, y in outline:
        c[y][x] = NAVY
    # The letter i: a dot and a stem with serifs, in blue.
    Fill(c, 14, 5, 17, 7, BLUE)
    Fill(c, 14, 10, 17, 18, BLUE)
    Fill(c, 12, 10, 13, 11, BLUE)
    Fill(c, 12, 18, 19, 19, BLUE)
    return c


def EncodeImage(canvas, palette, bpp):
    """BITMAPINFOHEADER + palette + XOR bitmap + AND mask for one icon image."""
    size = len(canvas)
    index = {colour: i for i, colour in enumerate(palette)}
    xorStride = ((size * bpp + 31) // 32) * 4
    andStride = ((size + 31) // 32) * 4
    xorRows, andRows = [], []
    for y in reversed(range(size)):                        # bottom-up
        bits, mask = [], bytearray(andStride)
        for x in range(size):
            colour = canvas[y][x]
            if colour is None:
                bits.append(0)                             # transparent: black under a set mask bit
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                bits.append(index[colour])
        row = bytearray(xorStride)
        if bpp == 4:
            for x in range(0, size, 2):
                row[x // 2] = (bits[x] << 4) | bits[x + 1]
        else:
            row[:size] = bytes(bits)
        xorRows.append(bytes(row))
        andRows.append(bytes(mask))
    pixels = b"".join(xorRows) + b"".join(andRows)
    colourCount = 1 << bpp
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(pixels), 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in
                     (palette + [(0, 0, 0)] * colourCount)[:colourCount])
    return header + table + pixels


def WriteIco(path, images):
    """images: list of (size, bpp, encoded image)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        colourCount = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colourCount, 0, 1, bpp,
                           len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in images)
    with open(path, "wb") as f:
        f.write(out)


def VgaColours():
    return {"body": GREY, "bodyLight": SILVER, "bodyDark": BLACK,
            "pin": SILVER, "pinDark": GREY,
            "die": NAVY, "dieLight": BLUE, "dieDark": BLACK,
            "gold": YELLOW, "letter": WHITE}


def RichColours():
    colours = dict(RICH)
    colours["letter"] = WHITE
    return colours


def RichPalette():
    palette = list(VGA)
    for colour in RICH.values():
        if colour not in palette:
            palette.append(colour)
    return palette + [(0, 0, 0)] * (256 - len(palette))


def Main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    vga = VgaColours()
    #            size  geometry: margin, pin length, pins per side, pin width, die margin
    chip32 = DrawChip(32, (6, 4, 5, 2, 4), vga, LETTER_T)
    chip16 = DrawChip(16, (3, 2, 3, 2, 2), vga)
    chip48 = DrawChip(48, (9, 6, 7, 3, 6), RichColours(), LETTER_T)
    WriteIco(os.path.join(target, "tivrel.ico"), [
        (32, 4, EncodeImage(chip32, VGA, 4)),
        (16, 4, EncodeImage(chip16, VGA, 4)),
        (48, 8, EncodeImage(chip48, RichPalette(), 8)),
    ])
    WriteIco(os.path.join(target, "message.ico"), [
        (32, 4, EncodeImage(DrawMessage(32), VGA, 4)),
    ])


if __name__ == "__main__":
    Main()
