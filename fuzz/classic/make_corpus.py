#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_classic_skin into fuzz/corpus/fuzz_classic_skin:
small generated skin archives and region.txt / pledit.txt texts."""

import io
import struct
import zipfile
from pathlib import Path


def bmp(width, height, colour):
    stride = (width * 3 + 3) & ~3
    row = bytes(colour[::-1]) * width
    data = (row + b"\0" * (stride - len(row))) * height
    return (struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0) + data)


def archive(files):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in files.items():
            z.writestr(name, data)
    return out.getvalue()


REGION = b"[Normal]\nNumPoints=4,3\nPointList=0,0,275,0,275,116,0,116, 1,1 5,1,5 5\n"
PLEDIT = b"[Text]\nNormal=#00FF00\nCurrent=FFFFFF\nNormalBG=#000000\nSelectedBG=#0000FF\nFont=Arial\n"

SEEDS = {
    "skin_small.wsz": archive({
        "Skin/MAIN.BMP": bmp(275, 116, (40, 40, 40)),
        "skin/playpaus.bmp": bmp(42, 9, (200, 0, 0)),
        "skin/volume.bmp": bmp(68, 430, (0, 90, 0)),
        "skin/text.bmp": bmp(155, 18, (9, 9, 9)),
        "skin/nums_ex.bmp": bmp(108, 13, (1, 2, 3)),
        "skin/region.txt": REGION,
        "skin/pledit.txt": PLEDIT,
    }),
    "skin_tiny_main.wsz": archive({"main.bmp": bmp(3, 2, (1, 1, 1)), "../titlebar.bmp": bmp(5, 5, (2, 2, 2))}),
    "region.txt": REGION,
    "region_odd.txt": b"[normal]\nnumpoints = 2, 4 ,,3\npointlist=1 2,3,4,,5 6 7 8 9 10 11 12 x 13\n",
    "pledit.txt": PLEDIT,
}

if __name__ == "__main__":
    folder = Path(__file__).resolve().parent.parent / "corpus" / "fuzz_classic_skin"
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (folder / name).write_bytes(data)
