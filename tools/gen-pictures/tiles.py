"""The ground: three floors and three walls, 32 x 32, opaque. Every variant keeps the same
edges (grout on the top and left, shade on the bottom and right; brick courses every 8
pixels), so any mix of them tiles without a seam."""
import numpy as np
from PIL import Image

from paint import noise, rgb

SIZE = 32

SAND = rgb("#dfcca8")
SAND_LIGHT = rgb("#efe2c6")
SAND_SHADE = rgb("#cdb68e")
GROUT = rgb("#a98f6e")
SPECK = rgb("#bfa682")
GRASS = rgb("#7fae4e")
GRASS_LIGHT = rgb("#a8d06a")
PETAL = rgb("#fff4e0")
HEART = rgb("#f2b63c")

BRICK = rgb("#857a9e")
BRICK_LIGHT = rgb("#a79dc0")
BRICK_SHADE = rgb("#6a6083")
MORTAR = rgb("#4c4460")
MOSS = rgb("#6f9a48")
MOSS_LIGHT = rgb("#96c060")


# The pause menu's choice is dark blue over the level dimmed to 40 %: a little darker
# ground lets it stand out more, while the level still looks as it did.
GROUND_DARKENING = 36 / 255


def to_image(color):
    return Image.fromarray(np.round(np.clip(color - GROUND_DARKENING, 0, 1) * 255).astype(np.uint8), "RGB")


def grain(seed, strength):
    """Fine mottling around 1, the same on every tile of a variant."""
    return 1 + (noise(SIZE, SIZE, seed, 4) - 0.5) * strength + \
        (noise(SIZE, SIZE, seed + 1, 1) - 0.5) * strength * 0.5


def slab(color, x0, y0, x1, y1):
    """A flagstone from (x0, y0) to (x1, y1) inclusive: grout top and left, lit inner edge,
    shaded bottom and right."""
    color[y0:y1 + 1, x0:x1 + 1] = SAND
    color[y0 + 1, x0 + 1:x1 + 1] = SAND_LIGHT
    color[y0 + 1:y1 + 1, x0 + 1] = SAND_LIGHT
    color[y1, x0 + 1:x1 + 1] = SAND_SHADE
    color[y0 + 1:y1 + 1, x1] = SAND_SHADE
    color[y0, x0:x1 + 1] = GROUT
    color[y0:y1 + 1, x0] = GROUT


def floor(variant):
    color = np.zeros((SIZE, SIZE, 3))
    if variant == 1:
        for y in (0, 16):
            for x in (0, 16):
                slab(color, x, y, x + 15, y + 15)
    else:
        slab(color, 0, 0, SIZE - 1, SIZE - 1)
    inner = np.zeros((SIZE, SIZE), bool)
    inner[2:SIZE - 1, 2:SIZE - 1] = True
    color[inner] *= grain(10 + variant, 0.07)[inner][:, None]
    for x, y in [(7, 9), (22, 6), (12, 24), (26, 21), (18, 14)][: 5 - 2 * variant]:
        color[y, x] = SPECK
    if variant == 2:
        # A crack and a small clover of flowers, kept inside the slab.
        for x, y in [(5, 20), (6, 21), (7, 21), (8, 22), (9, 23), (9, 24), (10, 25)]:
            color[y, x] = np.asarray(SAND_SHADE) * 0.9
        for x, y in [(22, 8), (24, 7), (26, 8), (23, 10), (25, 10), (21, 11), (24, 12), (27, 11)]:
            color[y, x] = GRASS
        for x, y in [(23, 7), (25, 9), (22, 10), (26, 10)]:
            color[y, x] = GRASS_LIGHT
        for cx, cy in [(24, 8), (20, 10)]:
            for dx, dy in [(0, -1), (-1, 0), (1, 0), (0, 1)]:
                color[cy + dy, cx + dx] = PETAL
            color[cy, cx] = HEART
    return to_image(color)


def bricks(color, rows, seed):
    """Courses `rows` pixels high with bricks of 16 (or 32 for tall courses), offset by half
    a brick from course to course."""
    rng = np.random.default_rng(seed)
    width = 16 if rows == 8 else 32
    for course, y0 in enumerate(range(0, SIZE, rows)):
        offset = (width // 2) * (course % 2)
        for x0 in range(-offset, SIZE, width):
            tone = 1 + (rng.random() - 0.5) * 0.12
            for y in range(y0, y0 + rows):
                for x in range(max(x0, 0), min(x0 + width, SIZE)):
                    top, left = y == y0, x == x0
                    if top or left:
                        color[y, x] = MORTAR
                    elif y == y0 + 1 or x == x0 + 1:
                        color[y, x] = BRICK_LIGHT
                    elif y == y0 + rows - 1 or x == x0 + width - 1:
                        color[y, x] = BRICK_SHADE
                    else:
                        color[y, x] = np.asarray(BRICK) * tone


def wall(variant):
    color = np.zeros((SIZE, SIZE, 3))
    bricks(color, 16 if variant == 2 else 8, 20 + variant)
    color *= grain(30 + variant, 0.08)[..., None]
    if variant == 1:
        # Moss in the joints, as if the wall were old and damp.
        moss = noise(SIZE, SIZE, 77, 8) * 0.8 + noise(SIZE, SIZE, 79, 2) * 0.2
        patch = moss > 0.66
        color[patch] = MOSS
        color[patch & (noise(SIZE, SIZE, 78, 1) > 0.6)] = MOSS_LIGHT
    return to_image(color)
