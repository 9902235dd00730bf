#!/usr/bin/env python3
"""Draws the library's icon: a hue ring around a calibration target, at 16, 32
and 48 pixels, written as a 32-bit ICO. Run it to regenerate
src/resources/VerihueCalibratedIcon.ico; the result is committed."""
import colorsys
import math
import struct
import sys


def pixel(x, y, n):
    c = (n - 1) / 2.0
    dx, dy = x - c, y - c
    r = math.hypot(dx, dy) / (n / 2.0)
    if r > 0.98:
        return (0, 0, 0, 0)
    if r > 0.62:  # hue ring
        hue = (math.atan2(-dy, dx) / (2 * math.pi)) % 1.0
        red, green, blue = colorsys.hsv_to_rgb(hue, 0.85, 0.95)
        return (int(blue * 255), int(green * 255), int(red * 255), 255)
    if r > 0.52:  # dark gap
        return (40, 40, 40, 255)
    # calibration target: four grey quadrants
    level = 235 if (dx < 0) == (dy < 0) else 90
    return (level, level, level, 255)


def image(n):
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("<BBBB", *pixel(x, y, n)) for x in range(n)))
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/resources/VerihueCalibratedIcon.ico")
