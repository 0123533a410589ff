"""A classic skin archive (.wsz) made for the end-to-end tests: flat-coloured
bitmaps in a zip file, so a screenshot pixel tells which sprite shows."""

import struct
import zipfile

MAIN = (80, 80, 80)
STOPPED = (0, 0, 255)
PLAYING = (255, 0, 0)
WORK_LAMP = (0, 255, 0)
PLAY_PRESSED = (200, 200, 0)

# Where the window shows them.
STATUS_MARK = (30, 32)      # inside the play status at 24,28 (11 x 9)
PLAY_BUTTON = (50, 97)      # the play button at 39,88 (23 x 18)


def bmp(width, height, fill, rects=()):
    """A 24-bit BMP filled with `fill`, with (x, y, w, h, colour) rectangles."""
    pixels = [[fill] * width for _ in range(height)]
    for x, y, w, h, colour in rects:
        for row in range(y, min(y + h, height)):
            for column in range(x, min(x + w, width)):
                pixels[row][column] = colour
    stride = (width * 3 + 3) & ~3
    data = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def write_wsz(path):
    files = {
        # Names in other cases and inside a folder, as archives have them.
        "Classic/Main.BMP": bmp(275, 116, MAIN),
        "Classic/PLAYPAUS.bmp": bmp(42, 9, (10, 10, 10), [
            (1, 0, 8, 9, PLAYING), (18, 0, 9, 9, STOPPED), (36, 0, 3, 9, WORK_LAMP)]),
        "Classic/cbuttons.bmp": bmp(136, 36, (30, 30, 120), [(0, 18, 136, 18, PLAY_PRESSED)]),
        "Classic/region.txt": b"[Normal]\r\nNumPoints=4\r\nPointList=0,0, 275,0, 275,116, 0,116\r\n",
    }
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in files.items():
            archive.writestr(name, data)
    return path
