"""The pictures of whole screens: the background strip drawn ten times down every screen,
the logo that takes the place of the top two strips in the menus, and the two flags of the
language screen. The screens tint the strip and the logo (blue in the menus, green behind
the play field), so both are drawn light and nearly colourless: the tint gives the hue."""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from paint import Layer, rgb

STRIP_W, STRIP_H = 800, 60
STRIP_DARKENING = (100, 58, 45)
LOGO_H = 120
LOGO_FONT = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf"


def pattern(height):
    """Soft diamonds with a small sparkle in every other one; it repeats every 60 pixels
    down, so strips stacked 60 pixels apart join without a seam."""
    ys, xs = np.mgrid[0:height, 0:STRIP_W].astype(float)
    # Start the strip half a diamond down, so that its top and bottom rows are calm ones.
    ys += 15
    period = 60.0
    u = (xs + ys) / period
    v = (xs - ys) / period
    fu, fv = u - np.floor(u), v - np.floor(v)
    cell = (np.floor(u) + np.floor(v)) % 2
    value = 0.88 + 0.05 * cell
    # Light seams along the diamond edges, faded out towards the diamond centres.
    edge = np.minimum(np.minimum(fu, 1 - fu), np.minimum(fv, 1 - fv)) * period
    value += 0.06 * np.exp(-(edge ** 2) / 2.0)
    # A sparkle at the centre of every other diamond.
    cx = (np.floor(u) + 0.5 + np.floor(v) + 0.5) * period / 2
    cy = (np.floor(u) + 0.5 - (np.floor(v) + 0.5)) * period / 2
    dx, dy = np.abs(xs - cx), np.abs(ys - cy)
    sparkle = np.exp(-((dx * dy) / 3.0) - (dx + dy) / 7.0)
    value += 0.09 * sparkle * (cell == 0)
    value -= 0.05 * np.exp(-(dx ** 2 + dy ** 2) / 18.0) * (cell == 1)
    grey = np.clip(value, 0, 1)
    # A faint warmth, so the tints keep a little life.
    color = np.dstack([grey, grey * 0.99, grey * 0.97])
    # Darker where the blue tint shows most, in green and blue, so that the white captions
    # read on the menus' highlight, which lies at half strength over this pattern; red,
    # which neither tint shows much, darker still. Each channel by as much as leaves the
    # screens within a few steps of what they were.
    color = color - np.array(STRIP_DARKENING) / 255
    return Image.fromarray(np.round(np.clip(color, 0, 1) * 255).astype(np.uint8), "RGB")


def background():
    return pattern(STRIP_H)


def sparkle(draw, cx, cy, r, outline_width):
    """A four-pointed star like the ones in the background, white with a dark outline."""
    points = []
    for i in range(8):
        a = i * math.pi / 4
        d = r if i % 2 == 0 else r * 0.3
        points.append((cx + math.sin(a) * d, cy - math.cos(a) * d))
    draw.polygon(points, fill=(255, 255, 255, 255), outline=(28, 30, 52, 255), width=outline_width)


def logo():
    """The game's name over two strips of the background pattern, white with a dark outline
    and a soft shadow, between two candle flames."""
    base = pattern(LOGO_H).convert("RGBA")
    scale = 2
    big = Image.new("RGBA", (STRIP_W * scale, LOGO_H * scale), (0, 0, 0, 0))
    font = ImageFont.truetype(LOGO_FONT, 84 * scale)
    text = "Tindlewick"
    box = font.getbbox(text, stroke_width=7 * scale)
    x = (STRIP_W * scale - (box[2] - box[0])) // 2 - box[0]
    y = (LOGO_H * scale - (box[3] - box[1])) // 2 - box[1] + 4 * scale
    # A wide, faint halo of shade behind the title lets the white letters stand out
    # under the tint; it fades out long before the edges, which join the strips below.
    halo = Image.new("L", big.size, 0)
    ImageDraw.Draw(halo).text((x, y), text, font=font, fill=255, stroke_width=14 * scale)
    halo = np.asarray(halo.filter(ImageFilter.GaussianBlur(10 * scale)), dtype=float) / 255.0
    halo *= np.sin(np.linspace(0, math.pi, big.height))[:, None] ** 1.5
    big_halo = Image.fromarray(np.round(halo * 0.45 * 255).astype(np.uint8), "L")
    big.paste(Image.new("RGBA", big.size, (16, 18, 34, 255)), (0, 0), big_halo)
    shadow = Image.new("RGBA", big.size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((x + 5 * scale, y + 6 * scale), text, font=font, fill=(20, 24, 40, 150),
                                stroke_width=7 * scale, stroke_fill=(20, 24, 40, 150))
    shadow = shadow.filter(ImageFilter.GaussianBlur(4 * scale))
    big.alpha_composite(shadow)
    draw = ImageDraw.Draw(big)
    draw.text((x, y), text, font=font, fill=(255, 255, 255, 255), stroke_width=7 * scale,
              stroke_fill=(28, 30, 52, 255))
    # A band of shade on the lower half of the letters gives them body.
    letters = Image.new("L", big.size, 0)
    ImageDraw.Draw(letters).text((x, y), text, font=font, fill=255)
    ys = np.arange(big.height)[:, None]
    lower = np.clip((ys - (y + box[1] + (box[3] - box[1]) * 0.55)) / (30 * scale), 0, 1)
    shade = (np.asarray(letters, dtype=float) / 255.0) * lower * 0.22
    pixels = np.asarray(big, dtype=float)
    pixels[..., :3] *= (1 - shade)[..., None]
    big = Image.fromarray(np.round(pixels).astype(np.uint8), "RGBA")
    draw = ImageDraw.Draw(big)
    for side in (-1, 1):
        cx = STRIP_W * scale / 2 + side * ((box[2] - box[0]) / 2 + 48 * scale)
        sparkle(draw, cx, 54 * scale, 22 * scale, 4 * scale)
        sparkle(draw, cx + side * 26 * scale, 84 * scale, 11 * scale, 3 * scale)
    base.alpha_composite(big.resize(base.size, Image.LANCZOS))
    return base.convert("RGB")


FLAG_W, FLAG_H = 80, 48


def finnish_flag():
    layer = Layer(FLAG_W, FLAG_H, 4, background=(1, 1, 1))
    blue = rgb("#003580")
    bar = FLAG_H * 3 / 11
    left = FLAG_W * 5 / 18
    layer.paint(layer.rect(0, (FLAG_H - bar) / 2, FLAG_W, (FLAG_H + bar) / 2), blue)
    layer.paint(layer.rect(left, 0, left + bar, FLAG_H), blue)
    return framed(layer)


def british_flag():
    """The Union Flag drawn to 5:3 from its 1:2 construction, scaled to the height."""
    layer = Layer(FLAG_W, FLAG_H, 4, background=rgb("#012169"))
    red, white = rgb("#c8102e"), (1, 1, 1)
    unit = FLAG_H / 30.0
    x, y = layer.x - FLAG_W / 2, layer.y - FLAG_H / 2
    slope = FLAG_H / FLAG_W
    # Distances to the two diagonals, measured across them.
    norm = math.hypot(1, slope)
    d1 = (y - x * slope) / norm
    d2 = (y + x * slope) / norm
    layer.paint((np.abs(d1) <= 3 * unit).astype(float), white)
    layer.paint((np.abs(d2) <= 3 * unit).astype(float), white)
    # The red saltire lies off centre, each arm shifted anticlockwise: below the diagonal
    # on the hoist side, above it on the fly side.
    left = x < 0
    red1 = np.where(left, (d1 >= 0) & (d1 <= 2 * unit), (d1 <= 0) & (d1 >= -2 * unit))
    red2 = np.where(left, (d2 >= 0) & (d2 <= 2 * unit), (d2 <= 0) & (d2 >= -2 * unit))
    layer.paint(red1.astype(float), red)
    layer.paint(red2.astype(float), red)
    layer.paint(((np.abs(x) <= 5 * unit) | (np.abs(y) <= 5 * unit)).astype(float), white)
    layer.paint(((np.abs(x) <= 3 * unit) | (np.abs(y) <= 3 * unit)).astype(float), red)
    return framed(layer)


def framed(layer):
    image = layer.image().convert("RGB")
    draw = ImageDraw.Draw(image)
    draw.rectangle((0, 0, FLAG_W - 1, FLAG_H - 1), outline=(40, 40, 52))
    return image
