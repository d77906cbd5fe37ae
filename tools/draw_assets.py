#!/usr/bin/env python3
"""Draws the program's window pictures and icons and writes them as .bmp and
.ico files into assets/. Standard library only: the shapes are sampled at
each pixel's centre and the files are written byte by byte.

    python3 tools/draw_assets.py [ASSETS_DIR]
"""
import os
import struct
import sys

# The 16 colours of the classic 16-colour icon palette, as (r, g, b).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

LAUNCH_BACK = (57, 98, 137)  # the launcher window's back colour


def inside_polygon(x, y, pts):
    """Even-odd test of the point (x, y) against the polygon pts."""
    inside = False
    j = len(pts) - 1
    for i, (xi, yi) in enumerate(pts):
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def render(shapes, width, height, design_w, design_h, background):
    """Rasterises shapes (a list of (polygon, colour), later ones on top)
    given in a design_w x design_h space into width x height pixels."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            x = (px + 0.5) * design_w / width
            y = (py + 0.5) * design_h / height
            colour = background
            for pts, c in shapes:
                if inside_polygon(x, y, pts):
                    colour = c
            row.append(colour)
        rows.append(row)
    return rows


def rect(l, t, r, b):
    return [(l, t), (r, t), (r, b), (l, b)]


# --- the launcher's window icon: an open cardboard box with an arrow into it,
# designed on a 32 x 32 grid.
def setup_box_shapes():
    return [
        # back flaps, seen through the opening
        ([(6, 12), (11, 5), (21, 5), (26, 12)], OLIVE),
        # box body outline and front
        (rect(4, 12, 28, 30), BLACK),
        (rect(5, 13, 20, 29), YELLOW),
        (rect(20, 13, 27, 29), OLIVE),
        # opening
        ([(5, 12), (27, 12), (24, 15), (8, 15)], BLACK),
        # open front flaps
        ([(4, 12), (1, 18), (9, 18), (12, 12)], YELLOW),
        ([(28, 12), (31, 18), (23, 18), (20, 12)], OLIVE),
        # tape stripe on the front
        (rect(11, 18, 14, 29), SILVER),
        # green arrow pointing down into the box
        (rect(13, 1, 19, 8), GREEN),
        ([(9, 8), (23, 8), (16, 14)], GREEN),
        (rect(14, 2, 16, 8), LIME),
    ]


def setup_box_pixels(size):
    shapes = setup_box_shapes()
    return render(shapes, size, size, 32, 32, None)


# --- the launcher's picture Image2: a floppy disk on the window's back colour,
# 33 x 35 pixels.
def launch_disk_pixels():
    dark = (40, 40, 48)
    metal = (200, 204, 210)
    label = (250, 250, 250)
    line = (120, 140, 200)
    shapes = [
        ([(4, 4), (26, 4), (30, 8), (30, 32), (4, 32)], dark),
        (rect(10, 4, 24, 13), metal),
        (rect(19, 6, 22, 11), dark),
        (rect(8, 18, 27, 32), label),
        (rect(10, 21, 25, 22), line),
        (rect(10, 25, 25, 26), line),
        (rect(10, 29, 21, 30), line),
        (rect(5, 28, 7, 30), metal),
    ]
    return render(shapes, 33, 35, 33, 35, LAUNCH_BACK)


# --- file writers

def bmp24(rows):
    """A bottom-up 24-bit BMP file of rows of (r, g, b)."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def ico_image16(pixels):
    """One 16-colour icon image: pixels holds palette indexes, None for transparent."""
    size = len(pixels)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            index = 0 if c is None else c
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    return header + palette + bytes(xor) + bytes(mask)


def ico(images):
    """An .ico file of 16-colour images (lists of rows of palette indexes)."""
    blobs = [ico_image16(p) for p in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for pixels, blob in zip(images, blobs):
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    files = {
        "Launch.ico": ico([setup_box_pixels(32), setup_box_pixels(16)]),
        "LaunchImage2.bmp": bmp24(launch_disk_pixels()),
    }
    for name, data in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
