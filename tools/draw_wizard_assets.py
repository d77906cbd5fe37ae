#!/usr/bin/env python3
"""Draws the wizard's and the quit dialog's pictures (faces, picture buttons,
logo, program-group icon, pointing-hand pointer) and writes them into
assets/wizard/. The shapes are rasterised here, with smoothed edges; the
lettering is rendered by ImageMagick's `convert` from the Liberation Sans
Bold font into a grey coverage mask that is blended in here, so the output
depends only on those two and is the same at every run.

    python3 tools/draw_wizard_assets.py [ASSETS_DIR]

The file writers and the 16-colour palette are shared with draw_assets.py.
"""
import math
import os
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_assets as base  # noqa: E402

FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

# Colours of the skin. The wizard's panel has the back colour of the check
# boxes and option buttons that stand on it, so they blend into the face.
PANEL = (62, 101, 137)
QUIT_PANEL = (0, 0, 128)  # the quit dialog's back colour &H00800000&
STRIP = (226, 229, 234)
STRIP_LINE = (140, 152, 166)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY_TEXT = (150, 150, 150)
BUTTON_EDGE = (110, 120, 132)
LIGHT_BLUE = (102, 168, 230)
LIGHT_BLUE_EDGE = (40, 96, 160)
BLUE_SHADOW = (30, 70, 120)
RED = (204, 30, 30)
RED_EDGE = (120, 10, 10)
YELLOW = (255, 230, 90)
FOLDER = (236, 176, 60)
FOLDER_EDGE = (120, 80, 20)
TREE_LINE = (60, 60, 60)


# --- shapes: each is a test inside(x, y) in pixel coordinates, where a
# pixel (px, py) covers px <= x < px + 1 and py <= y < py + 1.

def rect_shape(l, t, r, b):
    return lambda x, y: l <= x < r and t <= y < b


def round_rect_shape(l, t, r, b, ew, eh):
    """A rectangle with corners rounded by an ellipse of ew x eh."""
    rx, ry = ew / 2.0, eh / 2.0

    def inside(x, y):
        if not (l <= x < r and t <= y < b):
            return False
        cx = min(max(x, l + rx), r - rx)
        cy = min(max(y, t + ry), b - ry)
        dx, dy = (x - cx) / rx, (y - cy) / ry
        return dx * dx + dy * dy <= 1.0
    return inside


def circle_shape(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def polygon_shape(pts):
    return lambda x, y: base.inside_polygon(x, y, pts)


def line_shape(x1, y1, x2, y2, half_width):
    """A stroke from (x1, y1) to (x2, y2) with round ends."""
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = ((x - x1) * dx + (y - y1) * dy) / length2
        t = min(max(t, 0.0), 1.0)
        ex, ey = x1 + t * dx - x, y1 + t * dy - y
        return ex * ex + ey * ey <= half_width * half_width
    return inside


class Picture:
    """A picture of width x height pixels, each an (r, g, b) of floats."""

    SAMPLES = 4  # per side of a pixel on the edges of a shape

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.px = [[tuple(map(float, colour)) for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old = self.px[y][x]
        self.px[y][x] = tuple(o + (c - o) * alpha for o, c in zip(old, colour))

    def fill(self, inside, colour, box=None):
        """Fills the shape, smoothing its edges: a pixel whose corners and
        centre all agree is taken whole, another is sampled on a grid."""
        l, t, r, b = box if box else (0, 0, self.width, self.height)
        l, t = max(0, int(l)), max(0, int(t))
        r, b = min(self.width, int(math.ceil(r))), min(self.height, int(math.ceil(b)))
        n = self.SAMPLES
        for py in range(t, b):
            for px in range(l, r):
                probes = [inside(px + 0.5, py + 0.5), inside(px + 0.01, py + 0.01),
                          inside(px + 0.99, py + 0.01), inside(px + 0.01, py + 0.99),
                          inside(px + 0.99, py + 0.99)]
                if all(probes):
                    self.blend(px, py, colour, 1.0)
                elif any(probes) or self._near_edge(inside, px, py):
                    hits = sum(inside(px + (i + 0.5) / n, py + (j + 0.5) / n)
                               for i in range(n) for j in range(n))
                    self.blend(px, py, colour, hits / (n * n))

    @staticmethod
    def _near_edge(inside, px, py):
        # Thin strokes can pass between the probes of a pixel.
        return inside(px + 0.5, py + 0.01) or inside(px + 0.01, py + 0.5) or \
            inside(px + 0.99, py + 0.5) or inside(px + 0.5, py + 0.99)

    def fill_rect(self, l, t, r, b, colour):
        for py in range(max(0, t), min(self.height, b)):
            row = self.px[py]
            for px in range(max(0, l), min(self.width, r)):
                row[px] = tuple(map(float, colour))

    def mask(self, x0, y0, width, height, coverage, colour):
        """Blends colour through a coverage mask (bytes, 0..255, row by row)."""
        for j in range(height):
            for i in range(width):
                a = coverage[j * width + i]
                if a:
                    self.blend(x0 + i, y0 + j, colour, a / 255.0)

    def paste(self, x0, y0, other):
        for j in range(other.height):
            for i in range(other.width):
                self.blend(x0 + i, y0 + j, other.px[j][i], 1.0)

    def rows(self):
        return [[tuple(int(round(c)) for c in p) for p in row] for row in self.px]


# --- lettering

def text_coverage(text, width, height, size, dx=0, dy=0):
    """The coverage of text centred in a width x height box (shifted by dx,
    dy), size in pixels, as width * height bytes."""
    cmd = ["convert", "-size", "%dx%d" % (width, height), "xc:black",
           "-font", FONT, "-pointsize", str(size), "-fill", "white",
           "-gravity", "center", "-annotate", "%+d%+d" % (dx, dy), text,
           "-colorspace", "gray", "-depth", "8", "gray:-"]
    data = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    if len(data) != width * height:
        raise RuntimeError("convert gave %d bytes for %r" % (len(data), text))
    return data


def letter(pic, text, size, colour, shadow=None, box=None, dx=0, dy=0):
    l, t, r, b = box if box else (0, 0, pic.width, pic.height)
    w, h = r - l, b - t
    if shadow:
        pic.mask(l + 1, t + 1, w, h, text_coverage(text, w, h, size, dx, dy), shadow)
    pic.mask(l, t, w, h, text_coverage(text, w, h, size, dx, dy), colour)


# --- picture buttons

BUTTON_TEXT_SIZE = 14

PLAIN = dict(fill=WHITE, edge=BUTTON_EDGE, text=BLACK, shadow=None)
GREYED = dict(fill=WHITE, edge=(170, 176, 184), text=GREY_TEXT, shadow=None)
HIGHLIGHT = dict(fill=LIGHT_BLUE, edge=LIGHT_BLUE_EDGE, text=WHITE, shadow=BLUE_SHADOW)
EXIT = dict(fill=RED, edge=RED_EDGE, text=WHITE, shadow=RED_EDGE)


def button(width, height, text, look, back):
    """A rounded button face on the colour of the panel it stands on."""
    pic = Picture(width, height, back)
    pic.fill(round_rect_shape(0, 0, width, height, 12, 12), look["edge"])
    pic.fill(round_rect_shape(1.5, 1.5, width - 1.5, height - 1.5, 9, 9), look["fill"])
    letter(pic, text, BUTTON_TEXT_SIZE, look["text"], look["shadow"])
    return pic


def close_cross(width=27, height=24):
    """A white cross on a red square: the small close picture."""
    pic = Picture(width, height, RED_EDGE)
    pic.fill(rect_shape(1, 1, width - 1, height - 1), RED)
    m = 7.0
    cy0, cy1 = height / 2.0 - (width / 2.0 - m), height / 2.0 + (width / 2.0 - m)
    pic.fill(line_shape(m, cy0, width - m, cy1, 1.7), WHITE)
    pic.fill(line_shape(m, cy1, width - m, cy0, 1.7), WHITE)
    return pic


def folder(pic, l, t, w, h, face):
    """A small folder with its tab, outlined."""
    pic.fill(round_rect_shape(l, t, l + w * 0.45, t + 4, 2, 2), FOLDER_EDGE)
    pic.fill(round_rect_shape(l, t + 2, l + w, t + h, 2, 2), FOLDER_EDGE)
    pic.fill(rect_shape(l + 1, t + 3, l + w - 1, t + h - 1), face)


def browse(back):
    """The folder-tree symbol: a folder with two folders below it on a
    branching line, on a rounded face of the given colour."""
    pic = Picture(45, 32, PANEL)
    pic.fill(round_rect_shape(0, 0, 45, 32, 10, 10), BUTTON_EDGE)
    pic.fill(round_rect_shape(1.5, 1.5, 43.5, 30.5, 7, 7), back)
    pic.fill(rect_shape(12, 11, 14, 26), TREE_LINE)
    pic.fill(rect_shape(12, 16, 22, 18), TREE_LINE)
    pic.fill(rect_shape(12, 24, 22, 26), TREE_LINE)
    folder(pic, 8, 4, 13, 9, FOLDER)
    folder(pic, 21, 12, 12, 8, FOLDER)
    folder(pic, 21, 21, 12, 8, FOLDER)
    return pic


# --- logo and faces

def logo(back):
    """The word-mark: a small diamond emblem and the name, 195 x 42."""
    pic = Picture(195, 42, back)
    pic.fill(polygon_shape([(17, 5), (32, 21), (17, 37), (2, 21)]), WHITE)
    pic.fill(polygon_shape([(17, 11), (26, 21), (17, 31), (8, 21)]), LIGHT_BLUE)
    pic.fill(polygon_shape([(12, 14), (17, 27), (22, 14), (19.5, 14), (17, 21), (14.5, 14)]), WHITE)
    letter(pic, "Velmarind", 27, WHITE, box=(36, 0, 178, 42), dy=1)
    return pic


def setup_face():
    """The wizard's face, 547 x 405: panel, strip, close cross, disc motif
    on the right and the logo on the tab. The outline's cut-away parts keep
    the panel colour so that no other colour shows at the cut."""
    pic = Picture(547, 405, PANEL)
    # the light strip along the top of the panel, under its rounded corners
    pic.fill(round_rect_shape(0, 4, 547, 60, 26, 12), STRIP, box=(0, 4, 547, 34))
    pic.fill_rect(0, 34, 547, 35, STRIP_LINE)
    pic.paste(518, 8, close_cross())
    # an install disc in the free right part of the panel
    cx, cy = 452, 178
    pic.fill(circle_shape(cx, cy, 74), (82, 124, 162), box=(cx - 75, cy - 75, cx + 75, cy + 75))
    pic.fill(circle_shape(cx, cy, 52), (74, 114, 151), box=(cx - 53, cy - 53, cx + 53, cy + 53))
    pic.fill(circle_shape(cx, cy, 24), (96, 140, 178), box=(cx - 25, cy - 25, cx + 25, cy + 25))
    pic.fill(circle_shape(cx, cy, 9), PANEL, box=(cx - 10, cy - 10, cx + 10, cy + 10))
    pic.fill(polygon_shape([(cx - 7, 64), (cx + 7, 64), (cx + 7, 96), (cx + 18, 96), (cx, 116),
                            (cx - 18, 96), (cx - 7, 96)]), (200, 220, 236), box=(cx - 19, 63, cx + 19, 117))
    pic.paste(6, 350, logo(PANEL))
    return pic


def quit_face():
    """The quit dialog's face, 350 x 358: the light strip with the close
    cross above the dark-blue panel; the top corners follow the dialog's
    rounded outline."""
    pic = Picture(350, 358, QUIT_PANEL)
    pic.fill(round_rect_shape(0, -1, 350, 60, 30, 32), STRIP, box=(0, 0, 350, 32))
    pic.fill_rect(0, 32, 350, 33, STRIP_LINE)
    pic.paste(314, 4, close_cross())
    return pic


# --- the program-group icon (16 colours): a program group window in front
# of a folder, on a 32 x 32 grid.
def program_group_pixels():
    r = base.rect
    shapes = [
        (r(1, 4, 13, 8), base.OLIVE),
        (r(1, 6, 29, 26), base.OLIVE),
        (r(2, 7, 28, 25), base.YELLOW),
        (r(7, 12, 31, 31), base.BLACK),
        (r(8, 13, 30, 30), base.SILVER),
        (r(8, 13, 30, 17), base.NAVY),
        (r(26, 14, 29, 16), base.SILVER),
        (r(9, 18, 29, 29), base.WHITE),
        (r(10, 20, 14, 25), base.RED),
        (r(17, 20, 21, 25), base.GREEN),
        (r(24, 20, 28, 25), base.BLUE),
        (r(10, 26, 14, 27), base.GREY),
        (r(17, 26, 21, 27), base.GREY),
        (r(24, 26, 28, 27), base.GREY),
    ]
    return base.render(shapes, 32, 32, 32, 32, None)


# --- the pointing hand (a monochrome 32 x 32 cursor)

HAND_HOTSPOT = (11, 1)  # the tip of the index finger


def hand_mask():
    """The hand's silhouette: index finger up, three fingers folded, thumb
    on the left; a set of (x, y) pixels."""
    parts = [
        round_rect_shape(9, 1, 14, 20, 5, 5),     # index finger
        round_rect_shape(13, 10, 18, 20, 5, 5),   # folded fingers
        round_rect_shape(17, 11, 22, 21, 5, 5),
        round_rect_shape(21, 12, 26, 22, 5, 5),
        round_rect_shape(9, 15, 26, 30, 8, 8),    # palm
        line_shape(4.5, 16.5, 10.5, 24.5, 2.6),   # thumb
    ]
    return {(x, y) for y in range(32) for x in range(32)
            if any(p(x + 0.5, y + 0.5) for p in parts)}


def hand_pixels():
    """Rows of 'o' (white), 'X' (black) and '.' (transparent)."""
    fill = hand_mask()
    black = {(x, y) for (x, y) in fill
             if any((x + dx, y + dy) not in fill for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}
    # the creases between the folded fingers and below the index finger
    black |= {(x, y) for x, y in fill if x in (13, 17, 21) and 12 <= y <= 17}
    return ["".join("." if (x, y) not in fill else "X" if (x, y) in black else "o"
                    for x in range(32)) for y in range(32)]


def cur(rows, hotspot):
    """A .cur file with one 32 x 32 monochrome image."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(rows):
        line, bits = bytearray(stride), bytearray(stride)
        for x, c in enumerate(row):
            if c == "o":
                line[x // 8] |= 0x80 >> (x % 8)
            if c == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    blob = header + palette + bytes(xor) + bytes(mask)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 2, 0, hotspot[0], hotspot[1], len(blob), 6 + 16)
    return out + blob


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    out_dir = os.path.join(root, "wizard")
    os.makedirs(out_dir, exist_ok=True)
    bmp = lambda pic: base.bmp24(pic.rows())  # noqa: E731
    files = {
        # FrmSetup
        "SetupFace.bmp": bmp(setup_face()),
        "NextStep.bmp": bmp(button(96, 34, "Avanti >>", PLAIN, PANEL)),
        "Avanti_Blu.bmp": bmp(button(97, 35, "Avanti >>", HIGHLIGHT, PANEL)),
        "Previous.bmp": bmp(button(96, 34, "<< Indietro", PLAIN, PANEL)),
        "Previus_Blu.bmp": bmp(button(95, 34, "<< Indietro", HIGHLIGHT, PANEL)),
        "Previous_Disabilitato.bmp": bmp(button(96, 34, "<< Indietro", GREYED, PANEL)),
        "EndSetup.bmp": bmp(button(98, 32, "Esci", EXIT, PANEL)),
        "EndSetup_giallo.bmp": bmp(button(97, 33, "Esci", HIGHLIGHT, PANEL)),
        "Browse.bmp": bmp(browse(WHITE)),
        "BrowseColor.bmp": bmp(browse(YELLOW)),
        "ESCI_ORA.bmp": bmp(close_cross()),
        "Logo.bmp": bmp(logo(PANEL)),
        "PrgIco.ico": base.ico([program_group_pixels()]),
        "Hand.cur": cur(hand_pixels(), HAND_HOTSPOT),
        # FrmQuit
        "QuitFace.bmp": bmp(quit_face()),
        "Quit_EndSetup.bmp": bmp(button(98, 36, "Uscita", EXIT, QUIT_PANEL)),
        "Quit_EndSetup_giallo.bmp": bmp(button(97, 34, "Uscita", HIGHLIGHT, QUIT_PANEL)),
        "Quit_BackToSetup.bmp": bmp(button(96, 34, "<< Indietro", PLAIN, QUIT_PANEL)),
        "Quit_BackToSetup_Blu.bmp": bmp(button(95, 34, "<< Indietro", HIGHLIGHT, QUIT_PANEL)),
        "Quit_Previus_Blu.bmp": bmp(button(95, 34, "<< Indietro", HIGHLIGHT, QUIT_PANEL)),
    }
    for name, data in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
