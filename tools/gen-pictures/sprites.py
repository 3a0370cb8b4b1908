"""The things on the ground: the player, coin, key, goal, the three blocks, the wood
splinters, the sparkle star, and the buttons and gates in three colours. All share one
dark outline and a light from the top left."""
import math

import numpy as np

from paint import Layer, mix, noise, rgb, side_by_side

INK = rgb("#3a2834")
WHITE = (1.0, 1.0, 1.0)

GOLD = rgb("#f6c53e")
GOLD_LIGHT = rgb("#fff0a0")
GOLD_DARK = rgb("#c98a1c")

# The three colours of buttons and gates, each with a mark of its own so that they are told
# apart without their hue: a circle, a triangle and a diamond.
COLOURS = [
    {"name": "red", "base": rgb("#e2453e"), "light": rgb("#ff9a86"), "dark": rgb("#98242a"), "mark": "circle"},
    {"name": "blue", "base": rgb("#3e78e2"), "light": rgb("#92c0ff"), "dark": rgb("#24428f"), "mark": "triangle"},
    {"name": "yellow", "base": rgb("#f2c22e"), "light": rgb("#fff08c"), "dark": rgb("#a8780e"), "mark": "diamond"},
]

STEEL = rgb("#8c93a8")
STEEL_LIGHT = rgb("#c4cad8")
STEEL_DARK = rgb("#5c6278")


def sphere_light(layer, cx, cy, r):
    """-1 (shadow) .. 1 (lit) over a ball of radius r lit from the top left."""
    dx = (layer.x - cx) / r
    dy = (layer.y - cy) / r
    dz = np.sqrt(np.clip(1 - dx * dx - dy * dy, 0, 1))
    return np.clip((-dx * 0.5 - dy * 0.6 + dz * 0.62), -1, 1) * 1.25 - 0.45


def mark(layer, kind, cx, cy, r):
    if kind == "circle":
        return layer.disc(cx, cy, r)
    if kind == "triangle":
        return layer.polygon([(cx, cy - r * 1.15), (cx + r * 1.1, cy + r * 0.8), (cx - r * 1.1, cy + r * 0.8)])
    return layer.polygon([(cx, cy - r * 1.2), (cx + r * 1.05, cy), (cx, cy + r * 1.2), (cx - r * 1.05, cy)])


# The player: a little ember with a wick flame on its head, seen from above, facing up.
def player_cell(blink):
    body = rgb("#f59a3a")
    body_light = rgb("#ffd08a")
    body_dark = rgb("#c9621e")
    layer = Layer(32, 32)
    for x in (10.5, 21.5):
        layer.outlined(layer.ellipse(x, 27.2, 3.6, 2.6), body_dark, INK)
    for x in (4.6, 27.4):
        layer.outlined(layer.disc(x, 19.5, 2.6), body, INK)
    torso = layer.disc(16, 17.5, 11.2)
    layer.outlined(torso, body, INK, 1.2)
    layer.shade(torso * np.clip(-sphere_light(layer, 16, 17.5, 11.2), 0, 1), 0.55 * -1)
    layer.paint(layer.ellipse(11.5, 12.5, 4.5, 3.2) * torso, body_light, 0.55)
    flame = layer.polygon([(16, 0.8), (19.6, 5.5), (19.2, 8.2), (16, 9.6), (12.8, 8.2), (12.4, 5.5)])
    layer.outlined(flame, rgb("#ffb02e"), INK, 1.0)
    layer.paint(layer.polygon([(16, 3.2), (18, 6.4), (17.4, 8.2), (16, 8.6), (14.6, 8.2), (14, 6.4)]),
                rgb("#fff1a8"))
    for x in (8.4, 23.6):
        layer.paint(layer.ellipse(x, 20.2, 2.4, 1.5), rgb("#ff7a6a"), 0.55)
    for x in (12.0, 20.0):
        if blink:
            lid = layer.line([(x - 2.8, 14.2), (x - 1.2, 15.4), (x + 1.2, 15.4), (x + 2.8, 14.2)], 1.2)
            layer.paint(lid, INK)
        else:
            eye = layer.ellipse(x, 14.2, 3.1, 3.7)
            layer.outlined(eye, WHITE, INK, 1.0)
            layer.paint(layer.disc(x + 0.3, 13.0, 1.8) * eye, INK)
            layer.paint(layer.disc(x - 0.3, 12.2, 0.7), WHITE)
    return layer.image()


def player():
    return side_by_side(player_cell(False), player_cell(True))


def coin():
    layer = Layer(32, 32)
    face = layer.disc(16, 16, 10.6)
    layer.outlined(face, GOLD, INK, 1.2)
    layer.shade(face * np.clip(-sphere_light(layer, 16, 16, 10.6), 0, 1), -0.45)
    layer.paint(face - layer.disc(16, 16, 7.6), GOLD_DARK, 0.35)
    layer.paint(layer.disc(16, 16, 7.6) - layer.disc(16.6, 16.6, 7.2), GOLD_LIGHT, 0.8)
    star = [(16 + math.sin(a) * (4.8 if i % 2 == 0 else 2.1), 16.3 - math.cos(a) * (4.8 if i % 2 == 0 else 2.1))
            for i, a in enumerate(np.linspace(0, 2 * math.pi, 11)[:-1])]
    layer.paint(layer.polygon([(x + 0.6, y + 0.6) for x, y in star]), GOLD_DARK)
    layer.paint(layer.polygon(star), GOLD_LIGHT)
    layer.paint(layer.ellipse(11.8, 10.4, 2.6, 1.5), WHITE, 0.7)
    return layer.image()


def key():
    layer = Layer(32, 32)
    ring = layer.disc(10, 10, 6.8) - layer.disc(10, 10, 3.0)
    shaft = layer.line([(14, 14), (26.5, 26.5)], 3.8)
    teeth = np.maximum(layer.line([(24.3, 24.3), (21.4, 27.2)], 3.4), layer.line([(20.2, 20.2), (17.8, 22.6)], 3.0))
    shape = np.clip(np.maximum(np.maximum(ring, shaft), teeth), 0, 1)
    layer.outlined(shape, GOLD, INK, 1.2)
    layer.paint(shape * layer.disc(8.2, 7.6, 3.4), GOLD_LIGHT, 0.9)
    layer.paint(shape * layer.line([(15, 13.6), (25.6, 24.2)], 1.0), GOLD_LIGHT, 0.8)
    layer.paint(shape * layer.disc(12.4, 12.8, 2.6) * (1 - layer.disc(10, 10, 4.4)), GOLD_DARK, 0.6)
    return layer.image()


def goal():
    """A swirling portal in a golden ring; it turns slowly in the game."""
    layer = Layer(32, 32)
    dx, dy = layer.x - 16, layer.y - 16
    rho = np.hypot(dx, dy)
    theta = np.arctan2(dy, dx)
    rim = layer.disc(16, 16, 14.6)
    layer.outlined(rim, GOLD, INK, 1.0)
    inner = layer.disc(16, 16, 11.6)
    layer.paint(layer.disc(16, 16, 12.4), INK)
    swirl = 0.5 + 0.5 * np.sin(3 * theta + rho * 0.55)
    deep, light = np.array(rgb("#5a3aa8")), np.array(rgb("#9fd2ff"))
    color = deep + (light - deep) * (swirl ** 1.6)[..., None]
    glow = np.exp(-(rho ** 2) / 14.0)[..., None]
    color = color + (np.array([1.0, 0.98, 0.85]) - color) * glow
    layer.paint(inner, color)
    for i in range(8):
        a = i * math.pi / 4
        stud = layer.disc(16 + math.cos(a) * 13.1, 16 + math.sin(a) * 13.1, 1.1)
        layer.paint(stud, GOLD_LIGHT if i % 2 == 0 else GOLD_DARK)
    return layer.image()


def boulder():
    layer = Layer(32, 32)
    ball = layer.disc(16, 16, 13.6)
    stone = np.array(rgb("#a59a8c"))
    spots = noise(32 * 4, 32 * 4, 5, 10)
    color = stone * (0.88 + 0.24 * spots)[..., None]
    layer.outlined(ball, color, INK, 1.2)
    layer.shade(ball * np.clip(sphere_light(layer, 16, 16, 13.6), -1, 1) * 0.35, 0.01)
    light = sphere_light(layer, 16, 16, 13.6)
    layer.shade(ball * np.clip(-light, 0, 1), -0.45)
    layer.shade(ball * np.clip(light - 0.3, 0, 1), 0.35)
    for cx, cy, r in [(20.5, 10.5, 2.2), (10.5, 20, 1.8), (21, 21.5, 1.5), (12, 9.5, 1.2)]:
        layer.paint(layer.disc(cx, cy, r) * ball, rgb("#7b7064"), 0.8)
        layer.paint(layer.disc(cx - 0.6, cy - 0.6, r * 0.6) * ball, rgb("#c9bfb2"), 0.5)
    crack = layer.line([(6, 14), (9.5, 15.5), (11.5, 14.2), (14.5, 16.5)], 0.9)
    layer.paint(crack * ball, INK, 0.7)
    return layer.image()


WOOD = rgb("#d08a4a")
WOOD_LIGHT = rgb("#eeb878")
WOOD_DARK = rgb("#9a5a2c")


def woody():
    """A wooden crate: a frame of boards around three planks; a boulder smashes it."""
    layer = Layer(32, 32)
    box = layer.rect(1, 1, 31, 31, 2.5)
    grain = 0.92 + 0.16 * noise(32 * 4, 32 * 4, 9, 3)
    stripes = 0.94 + 0.06 * np.sin(layer.y * 2.2 + 3 * noise(32 * 4, 32 * 4, 11, 12))
    layer.outlined(box, np.array(WOOD)[None, None, :] * (grain * stripes)[..., None], INK, 1.0)
    for y in (11.0, 21.0):
        layer.paint(layer.rect(6, y - 0.5, 26, y + 0.5), WOOD_DARK)
    frame = box - layer.rect(6, 6, 26, 26)
    layer.shade(np.clip(frame, 0, 1), 0.18)
    layer.paint(layer.rect(6, 6, 26, 26) - layer.rect(7, 7, 26, 26), WOOD_DARK)
    layer.paint(layer.rect(6, 25.5, 26, 26.5), WOOD_LIGHT, 0.7)
    layer.paint(layer.rect(1.5, 1.5, 30.5, 2.5), WOOD_LIGHT, 0.8)
    for cx, cy in [(3.6, 3.6), (28.4, 3.6), (3.6, 28.4), (28.4, 28.4)]:
        layer.paint(layer.disc(cx, cy, 1.0), rgb("#5a3a28"))
    return layer.image()


def boxy():
    """A steel box with rivets: heavy, pushes nothing, and a boulder stops at it."""
    layer = Layer(32, 32)
    box = layer.rect(1.5, 1.5, 30.5, 30.5, 3)
    layer.outlined(box, STEEL, INK, 1.0)
    layer.paint(box - layer.rect(2.5, 2.5, 30.5, 30.5, 3), STEEL_LIGHT)
    layer.paint(box - layer.rect(1.5, 1.5, 29.5, 29.5, 3), STEEL_DARK)
    panel = layer.rect(6, 6, 26, 26, 1.5)
    layer.paint(panel, mix(STEEL, STEEL_DARK, 0.25))
    layer.paint(layer.rect(6, 6, 26, 7), STEEL_DARK)
    layer.paint(layer.rect(6, 25, 26, 26), STEEL_LIGHT, 0.8)
    band = layer.rect(1.5, 13.5, 30.5, 18.5)
    layer.paint(band, STEEL_DARK)
    layer.paint(layer.rect(1.5, 13.5, 30.5, 14.5), STEEL_LIGHT, 0.7)
    layer.outlined(layer.rect(12.5, 12, 19.5, 20, 1), STEEL_LIGHT, INK, 0.8)
    layer.paint(layer.disc(16, 16, 1.2), STEEL_DARK)
    for cx, cy in [(4.2, 4.2), (27.8, 4.2), (4.2, 27.8), (27.8, 27.8)]:
        layer.paint(layer.disc(cx, cy, 1.4), STEEL_DARK)
        layer.paint(layer.disc(cx - 0.4, cy - 0.4, 0.7), WHITE, 0.9)
    return layer.image()


def splinter(index):
    shapes = [
        [(1, 6), (8, 2), (11, 3), (4, 9)],
        [(2, 2), (6, 1), (10, 9), (7, 11)],
        [(1, 4), (11, 5), (10, 7), (2, 8)],
    ]
    layer = Layer(12, 12)
    shard = layer.polygon(shapes[index])
    layer.outlined(shard, [WOOD, WOOD_LIGHT, WOOD_DARK][index], INK, 0.9)
    return layer.image()


def star():
    """A golden four-pointed sparkle with a white heart, bright on sand and on stone."""
    layer = Layer(12, 12)
    points = [(6 + math.sin(a) * (5.8 if i % 2 == 0 else 1.7), 6 - math.cos(a) * (5.8 if i % 2 == 0 else 1.7))
              for i, a in enumerate(np.linspace(0, 2 * math.pi, 9)[:-1])]
    layer.outlined(layer.polygon(points), rgb("#ffd23c"), rgb("#d9791a"), 0.6)
    layer.paint(layer.disc(6, 6, 1.7), WHITE)
    return layer.image()


def active_button_cell(colour, pressed):
    """Round: holds its gates open while something rests on it."""
    layer = Layer(32, 32)
    base = layer.disc(16, 16.5, 12.5)
    layer.outlined(base, STEEL, INK, 1.0)
    layer.paint(base - layer.disc(16, 15.5, 12.5), STEEL_DARK)
    layer.paint(base * (1 - layer.disc(16, 17.5, 12.5)), STEEL_LIGHT, 0.8)
    drop = 1.5 if pressed else 0.0
    dome = layer.disc(16, 15.5 + drop, 8.8 if not pressed else 8.4)
    layer.paint(layer.disc(16, 17.5, 9.6), INK, 0.6)
    fill = colour["base"] if not pressed else mix(colour["base"], colour["dark"], 0.55)
    layer.outlined(dome, fill, INK, 1.0)
    if not pressed:
        layer.paint(dome * layer.ellipse(12.8, 11.8, 3.4, 2.2), colour["light"], 0.9)
        layer.paint(dome - layer.disc(16, 14.0, 8.8), colour["dark"], 0.8)
    symbol = mark(layer, colour["mark"], 16, 15.8 + drop, 3.6)
    layer.outlined(symbol, WHITE if not pressed else mix(WHITE, colour["base"], 0.5), INK, 0.9)
    return layer.image()


def static_button_cell(colour, pressed):
    """Square: once pressed it clears its gates for good, and stays down."""
    layer = Layer(32, 32)
    base = layer.rect(2.5, 2.5, 29.5, 29.5, 2.5)
    layer.outlined(base, STEEL, INK, 1.0)
    layer.paint(base - layer.rect(2.5, 2.5, 29.5, 28.5, 2.5), STEEL_DARK)
    layer.paint(base - layer.rect(2.5, 3.5, 29.5, 29.5, 2.5), STEEL_LIGHT, 0.8)
    for cx, cy in [(5.2, 5.2), (26.8, 5.2), (5.2, 26.8), (26.8, 26.8)]:
        layer.paint(layer.disc(cx, cy, 1.1), STEEL_DARK)
    drop = 1.0 if pressed else 0.0
    top = layer.rect(8, 7.5 + drop, 24, 23.5 + drop, 1.5)
    layer.paint(layer.rect(8, 9, 24, 25, 1.5), INK, 0.6)
    fill = colour["base"] if not pressed else mix(colour["base"], colour["dark"], 0.55)
    layer.outlined(top, fill, INK, 1.0)
    if not pressed:
        layer.paint(top - layer.rect(8, 9, 24, 23.5, 1.5), colour["light"], 0.9)
        layer.paint(top - layer.rect(8, 7.5, 24, 22, 1.5), colour["dark"], 0.9)
    symbol = mark(layer, colour["mark"], 16, 15.5 + drop, 3.6)
    layer.outlined(symbol, WHITE if not pressed else mix(WHITE, colour["base"], 0.5), INK, 0.9)
    return layer.image()


def active_button(index):
    return side_by_side(active_button_cell(COLOURS[index], False), active_button_cell(COLOURS[index], True))


def static_button(index):
    return side_by_side(static_button_cell(COLOURS[index], False), static_button_cell(COLOURS[index], True))


def gate(index):
    """Bars in the gate's colour with its mark on a plate; the floor shows between the bars."""
    colour = COLOURS[index]
    layer = Layer(32, 32)
    bars = np.zeros_like(layer.x)
    for x in (5.5, 12.5, 19.5, 26.5):
        bars = np.maximum(bars, layer.rect(x - 1.8, 2, x + 1.8, 30, 1))
    rails = np.maximum(layer.rect(1, 3, 31, 7.5, 1.5), layer.rect(1, 24.5, 31, 29, 1.5))
    frame = np.maximum(bars, rails)
    layer.outlined(frame, colour["base"], INK, 1.0)
    layer.paint(frame * layer.rect(0, 0, 32, 32) * (np.sin(layer.x * 1.2) > 0.6), colour["light"], 0.0)
    for x in (5.5, 12.5, 19.5, 26.5):
        layer.paint(layer.rect(x - 1.0, 8, x - 0.2, 24), colour["light"], 0.9)
    layer.paint(rails * (layer.y % 21.5 < 4.6) * (layer.y < 5.2) + rails * (layer.y > 24.5) * (layer.y < 26), colour["light"], 0.7)
    plate = layer.disc(16, 16, 7.2)
    layer.outlined(plate, colour["dark"], INK, 1.0)
    symbol = mark(layer, colour["mark"], 16, 16, 3.8)
    layer.outlined(symbol, WHITE, INK, 0.8)
    return layer.image()
