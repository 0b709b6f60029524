#!/usr/bin/env python3
"""Draws the program icons (a mouse outline in the skin's red on a dark
rounded square) and writes them as Windows icon files with 16x16, 32x32 and
48x48 images. Deterministic: the same files every time.

    resources/make_icons.py            writes helper.ico and option.ico here
"""
import math
import os
import struct

DARK = (0x1F, 0x1F, 0x1F)
RED = (0xD0, 0x1C, 0x1F)
LIGHT = (0xF0, 0xF0, 0xF0)


def coverage(inside, x, y, samples=4):
    """Fraction of pixel (x, y) covered by the shape `inside(px, py)`."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            if inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def rounded_square(size, radius):
    def inside(px, py):
        cx = min(max(px, radius), size - radius)
        cy = min(max(py, radius), size - radius)
        return (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2
    return inside


def mouse_body(size, accent):
    """A mouse seen from above: an ellipse, the wheel and the button split."""
    cx, cy = size / 2, size * 0.53
    rx, ry = size * 0.27, size * 0.38

    def ellipse(px, py, shrink=0.0):
        return ((px - cx) / (rx - shrink)) ** 2 + ((py - cy) / (ry - shrink)) ** 2 <= 1

    line = max(1.0, size / 16)

    def outline(px, py):
        return ellipse(px, py) and not ellipse(px, py, line)

    def split(px, py):
        return abs(px - cx) <= line / 2 and cy - ry <= py <= cy - ry * 0.15 and ellipse(px, py)

    def wheel(px, py):
        return abs(px - cx) <= line * 0.9 and cy - ry * 0.62 <= py <= cy - ry * 0.32

    def cross(px, py):
        return abs(py - (cy - ry * 0.15)) <= line / 2 and ellipse(px, py)

    return outline, split, wheel, cross


def render(size, accent):
    background = rounded_square(size, size * 0.2)
    outline, split, wheel, cross = mouse_body(size, accent)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            alpha = coverage(background, x, y)
            color = DARK
            for shape, shade in ((outline, accent), (split, accent), (cross, accent),
                                 (wheel, LIGHT)):
                c = coverage(shape, x, y)
                if c > 0:
                    color = tuple(round(a * c + b * (1 - c)) for a, b in zip(shade, color))
            row.append((*color, round(alpha * 255)))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray(mask_row * size)  # all opaque: alpha decides
    return header + bytes(data) + bytes(mask)


def write_icon(path, accent):
    sizes = (16, 32, 48)
    images = [icon_image(render(s, accent)) for s in sizes]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(os.path.join(here, 'helper.ico'), RED)
    write_icon(os.path.join(here, 'option.ico'), (0xE8, 0x3A, 0x3C))
