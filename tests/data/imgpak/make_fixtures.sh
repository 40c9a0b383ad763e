#!/usr/bin/env bash
# Writes the real-program bitmaps of imgpak's tests into this folder, from
# the same three pictures the tests build by hand (see
# tests/imgpak/test_pictures.h): ImageMagick 6 (`convert`) and Pillow
# (Debian's python3-pil, run with /usr/bin/python3). Run it from anywhere;
# the committed files were made with ImageMagick 6.9.11 and Pillow 9.4.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PY'
import sys
from PIL import Image

work = sys.argv[1]
# W white, L grey 0xC0, D grey 0x40, B black, M magenta.
colours = {'W': (255, 255, 255), 'L': (0xC0,) * 3, 'D': (0x40,) * 3, 'B': (0, 0, 0), 'M': (255, 0, 255)}
mono = ["B...............",
        ".B......B.......",
        "..B.....BB......",
        "...B....BBB.....",
        "....B...BBBB....",
        ".....B..BBBBB...",
        "......B.BBBBBB..",
        ".......BBBBBBBB."]
grey = ["WLDBWWWWBBBBBBBB",
        "BDLWBDLWWWWWWWWW",
        "WWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWW",
        "BBBBBBBBWWWWWWWB"]
colour = [row if y != 2 else "M" + row[1:] for y, row in enumerate(grey)]

def rgb(rows):
    image = Image.new("RGB", (len(rows[0]), len(rows)))
    image.putdata([colours[c] for row in rows for c in row])
    return image

def palette_image(rows, order, entries):
    # Mode P with the colours of `order` first in its palette, then unused
    # red entries up to `entries` in all.
    image = Image.new("P", (len(rows[0]), len(rows)))
    flat = [v for c in order for v in colours[c]] + [255, 0, 0] * (entries - len(order))
    image.putpalette(flat)
    image.putdata([order.index(c) for row in rows for c in row])
    return image

mono_image = Image.new("1", (16, 8))
mono_image.putdata([0 if c == 'B' else 255 for row in mono for c in row])
mono_image.save(f"{work}/pil_mono.bmp")
mono_image.convert("RGB").save(f"{work}/mono.ppm")
rgb(grey).save(f"{work}/grey.ppm")
rgb(colour).save(f"{work}/colour.ppm")
palette_image(grey, "BDLW", 5).save(f"{work}/pil_grey_short.bmp")
rgb(grey).convert("L").save(f"{work}/pil_grey_full.bmp")
palette_image(colour, "WMLDB", 6).save(f"{work}/pil_colour.bmp")
# ImageMagick keeps the 256-entry palette of these when it writes 8-bit BMPs.
palette_image(grey, "WLDB", 256).save(f"{work}/grey.png")
palette_image(colour, "BDLWM", 256).save(f"{work}/colour.png")
PY

convert "$work/mono.ppm" -monochrome BMP3:im_mono.bmp
convert "$work/grey.png" -type Palette -compress none BMP3:im_grey.bmp
convert "$work/colour.png" -type Palette -compress none BMP3:im_colour.bmp
# Variants imgpak refuses: the default BMP (version 5 header), the OS/2
# header (BMP2), run-length compression (ImageMagick's default for 8-bit
# BMP3) and 4 bits per pixel (its choice for a picture of few colours).
convert "$work/grey.png" -type Palette BMP:im_grey_v5.bmp
convert "$work/grey.png" -type Palette BMP2:im_grey_os2.bmp
convert "$work/grey.png" BMP3:im_grey_rle.bmp
convert "$work/grey.ppm" -type Palette BMP3:im_grey_4bit.bmp
cp "$work"/pil_*.bmp .
