"""Prints the rows a list shows on the screen, top to bottom, one a line: "highlighted" or
"plain", and how far right its text reaches (pixels from the picture's left edge).

Usage: list_rows.py PICTURE WIDTH HEIGHT. The picture is raw 24-bit RGB of the list's inside
only. A line of pixels mostly in the highlight's blue belongs to a highlighted row, whose text
is white; a line with green text pixels on it to a plain row; a run of such lines is one row.
"""
import sys


def is_blue(r, g, b):
    return b > 150 and b > r + 60 and g > 80


def is_green(r, g, b):
    return g > 150 and r < 120 and b < 120


def is_white(r, g, b):
    return r > 200 and g > 200 and b > 200


def line_kind(pixels):
    if sum(1 for p in pixels if is_blue(*p)) * 2 > len(pixels):
        return "highlighted", is_white
    if sum(1 for p in pixels if is_green(*p)) >= 2:
        return "plain", is_green
    return None, None


def rows(path, width, height):
    with open(path, "rb") as f:
        data = f.read()
    stride = width * 3
    found = []  # [kind, right edge]
    last = None
    for y in range(height):
        line = data[y * stride:(y + 1) * stride]
        pixels = [tuple(line[i:i + 3]) for i in range(0, len(line), 3)]
        kind, text = line_kind(pixels)
        if kind is not None:
            if kind != last:
                found.append([kind, -1])
            right = max((x for x, p in enumerate(pixels) if text(*p)), default=-1)
            found[-1][1] = max(found[-1][1], right)
        last = kind
    return found


if __name__ == "__main__":
    for kind, right in rows(sys.argv[1], int(sys.argv[2]), int(sys.argv[3])):
        print(kind, right)
