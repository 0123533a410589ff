"""A small skin for the end-to-end tests: plain colours at known places, so a
screenshot tells which lights show and where the buttons are."""

import struct
from pathlib import Path

WIDTH, HEIGHT = 300, 200
BACKGROUND = (40, 40, 48)
PRESSED = (200, 200, 60)

# Lights: index -> (rect, colour). Each colour is unique in the picture.
LIGHTS = {
    2: ((10, 40, 12, 12), (255, 0, 0)),      # playing
    5: ((30, 40, 12, 12), (0, 255, 0)),      # intro
    7: ((50, 40, 12, 12), (0, 0, 255)),      # repeat
    10: ((70, 40, 12, 12), (255, 255, 0)),   # shuffle
    6: ((90, 40, 12, 12), (0, 255, 255)),    # stop after each
}

# Buttons: command -> (rect, key letter).
BUTTONS = {
    1: ((270, 5, 20, 20), "Q"),
    3: ((240, 5, 20, 20), "L"),
    4: ((210, 5, 20, 20), "N"),
    10: ((70, 5, 20, 20), "V"),
    11: ((40, 5, 20, 20), "C"),
    12: ((10, 5, 20, 20), "X"),
    14: ((100, 5, 20, 20), "Z"),
    15: ((130, 5, 20, 20), "B"),
    25: ((10, 60, 20, 12), "T"),
    26: ((90, 60, 20, 12), "Y"),
    27: ((50, 60, 20, 12), "R"),
    28: ((70, 60, 20, 12), "U"),
}

SIZES = [(300, 200), (300, 100), (300, 40)]
PLAYLIST_BOX = (10, 110, 280, 80)


def bmp_bytes(width, height, pixel):
    """A 24-bit BMP whose colour at (x, y) is pixel(x, y)."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def main_pixel(x, y):
    for (bx, by, bw, bh), _ in BUTTONS.values():
        if bx <= x < bx + bw and by <= y < by + bh:
            return (90, 90, 110)
    return BACKGROUND


def write_skin(folder: Path) -> Path:
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "e2e-main.bmp").write_bytes(bmp_bytes(WIDTH, HEIGHT, main_pixel))
    (folder / "e2e-res.bmp").write_bytes(bmp_bytes(WIDTH, HEIGHT, lambda x, y: PRESSED))
    lines = ["Kavoro Skin,end-to-end test skin"]
    lines.append(",".join(f"{w},{h}" for w, h in SIZES))
    lines.append("e2e-main.bmp,e2e-res.bmp")
    lines.append("0,0,40,40,48,0,0,0")
    for code, ((x, y, w, h), key) in sorted(BUTTONS.items()):
        lines.append(f"B{code},{x},{y},{w},{h},{x},{y},{key},button {code}")
    for index, ((x, y, w, h), (r, g, b)) in sorted(LIGHTS.items()):
        lines.append(f"I{index},{x},{y},{w},{h},{r},{g},{b},0,light {index}")
    bx, by, bw, bh = PLAYLIST_BOX
    lines.append(f"X1,{bx},{by},{bw},{bh},220,220,220,20,20,24,9,DejaVu Sans,~")
    lines.append(f"L2,10,80,280,16,230,230,230,9,DejaVu Sans,~")
    lines.append("E")
    path = folder / "e2e.skin"
    path.write_text("\r\n".join(lines) + "\r\n")
    return path
