#!/usr/bin/python3
"""Draws every picture of the game into data/Graphics, then a contact sheet and mock
screens into tools/gen-pictures/preview to judge them by. Run from the repository root:

    /usr/bin/python3 tools/gen-pictures/gen_pictures.py

Needs python3-pil, python3-numpy and fonts-comfortaa (the logo's letters). The output is
the same on every run. The pictures are PNG, except the background, which is a JPEG; the
pictures with hard edges are saved without alpha, with magenta as the transparent colour,
and the round ones that the game turns or scales keep a soft alpha edge."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import preview  # noqa: E402
import screens  # noqa: E402
import sprites  # noqa: E402
import tiles  # noqa: E402
from paint import keyed  # noqa: E402

OUT = "data/Graphics"


def pictures():
    """File name, picture, and whether it keeps its alpha channel."""
    yield "Player.gfx", sprites.player(), True
    yield "Coin.gfx", sprites.coin(), True
    yield "Goal.gfx", sprites.goal(), True
    yield "Boulder.gfx", sprites.boulder(), True
    yield "Key.gfx", sprites.key(), False
    yield "Woody.gfx", sprites.woody(), False
    yield "Boxy.gfx", sprites.boxy(), False
    for i in range(3):
        yield "Woodypart.%d.gfx" % i, sprites.splinter(i), False
    # The coin and the key sparkle with the same star under two spellings of its name.
    yield "Ministar.0.gfx", sprites.star(), True
    yield "ministar.0.gfx", sprites.star(), True
    for i in range(3):
        yield "Buttya.%d.gfx" % i, sprites.active_button(i), False
        yield "Buttys.%d.gfx" % i, sprites.static_button(i), False
        yield "CGate.%d.gfx" % i, sprites.gate(i), False
        yield "Floor.%d.gfx" % i, tiles.floor(i), False
        yield "Wall.%d.gfx" % i, tiles.wall(i), False
    yield "logo.gfx", screens.logo(), False
    yield "Flag_Fin.gfx", screens.finnish_flag(), False
    yield "Flag_Gb.gfx", screens.british_flag(), False


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, image, alpha in pictures():
        if not alpha and image.mode == "RGBA":
            image = keyed(image)
        image.save(os.path.join(OUT, name), "PNG", optimize=True)
    screens.background().save(os.path.join(OUT, "background.gfx"), "JPEG", quality=92,
                              subsampling=0, optimize=True)
    preview.write_all(OUT, "tools/gen-pictures/preview")


if __name__ == "__main__":
    main()
