"""A small painting kit for the picture generator: shapes are coverage masks drawn at a
supersampled size, composited with straight colours, and brought down to the picture's
size with premultiplied averaging, so every edge is smooth and every picture is exact and
repeatable (no randomness without a seed)."""
import numpy as np
from PIL import Image, ImageDraw

MAGENTA = (255, 0, 255)


def rgb(hex_text):
    """(r, g, b) floats 0..1 from "#rrggbb"."""
    return tuple(int(hex_text[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


class Layer:
    """A picture of w x h pixels painted at s times the size."""

    def __init__(self, w, h, s=4, background=None):
        self.w, self.h, self.s = w, h, s
        self.color = np.zeros((h * s, w * s, 3))
        self.alpha = np.zeros((h * s, w * s))
        if background is not None:
            self.color[:] = background
            self.alpha[:] = 1.0
        ys, xs = np.mgrid[0:h * s, 0:w * s]
        # Pixel centres in picture units.
        self.x = (xs + 0.5) / s
        self.y = (ys + 0.5) / s

    # Shapes: coverage masks 0..1 at the painting size.
    def disc(self, cx, cy, r):
        return (np.hypot(self.x - cx, self.y - cy) <= r).astype(float)

    def ellipse(self, cx, cy, rx, ry):
        return ((((self.x - cx) / rx) ** 2 + ((self.y - cy) / ry) ** 2) <= 1).astype(float)

    def rect(self, x0, y0, x1, y1, radius=0.0):
        """The rectangle from (x0, y0) to (x1, y1), corners rounded by radius."""
        qx = np.maximum(np.maximum(x0 + radius - self.x, self.x - (x1 - radius)), 0)
        qy = np.maximum(np.maximum(y0 + radius - self.y, self.y - (y1 - radius)), 0)
        inside = (self.x >= x0) & (self.x <= x1) & (self.y >= y0) & (self.y <= y1)
        return (inside & (np.hypot(qx, qy) <= radius + 1e-9)).astype(float)

    def polygon(self, points):
        image = Image.new("L", (self.w * self.s, self.h * self.s), 0)
        ImageDraw.Draw(image).polygon([(x * self.s, y * self.s) for x, y in points], fill=255)
        return np.asarray(image, dtype=float) / 255.0

    def line(self, points, width):
        image = Image.new("L", (self.w * self.s, self.h * self.s), 0)
        draw = ImageDraw.Draw(image)
        scaled = [(x * self.s, y * self.s) for x, y in points]
        draw.line(scaled, fill=255, width=max(1, int(round(width * self.s))), joint="curve")
        r = width * self.s / 2
        for x, y in scaled:
            draw.ellipse((x - r, y - r, x + r, y + r), fill=255)
        return np.asarray(image, dtype=float) / 255.0

    def grow(self, mask, by):
        """The mask widened by `by` pixels in every direction (an outline's footprint)."""
        steps = int(round(by * self.s))
        out = mask.copy()
        for dy in range(-steps, steps + 1):
            for dx in range(-steps, steps + 1):
                if dx * dx + dy * dy <= steps * steps:
                    out = np.maximum(out, np.roll(np.roll(mask, dy, 0), dx, 1))
        return out

    # Painting.
    def paint(self, mask, color, opacity=1.0):
        """Straight colour over what is there; color is a triple or an (H, W, 3) array."""
        a = np.clip(mask * opacity, 0, 1)
        new_alpha = a + self.alpha * (1 - a)
        color = np.broadcast_to(np.asarray(color, dtype=float), self.color.shape)
        blended = color * a[..., None] + self.color * (self.alpha * (1 - a))[..., None]
        safe = np.where(new_alpha > 0, new_alpha, 1)[..., None]
        self.color = np.where(new_alpha[..., None] > 0, blended / safe, self.color)
        self.alpha = new_alpha

    def shade(self, mask, amount):
        """Lightens (amount > 0) or darkens the colour already painted, within mask."""
        m = np.clip(mask, 0, 1)[..., None]
        if isinstance(amount, np.ndarray):
            amount = amount[..., None]
        target = np.where(np.asarray(amount) > 0, 1.0, 0.0)
        self.color = self.color + (target - self.color) * m * np.abs(amount)

    def outlined(self, mask, fill, outline, width=1.0):
        self.paint(self.grow(mask, width), outline)
        self.paint(mask, fill)

    def image(self):
        """The picture at its own size, RGBA."""
        s = self.s
        pre = self.color * self.alpha[..., None]
        pre = pre.reshape(self.h, s, self.w, s, 3).mean(axis=(1, 3))
        alpha = self.alpha.reshape(self.h, s, self.w, s).mean(axis=(1, 3))
        color = pre / np.where(alpha > 0, alpha, 1)[..., None]
        out = np.dstack([color, alpha])
        return Image.fromarray(np.round(np.clip(out, 0, 1) * 255).astype(np.uint8), "RGBA")


def keyed(image):
    """A picture without alpha: pixels at most half covered become magenta, the mask key."""
    data = np.asarray(image.convert("RGBA")).copy()
    clear = data[..., 3] < 128
    out = data[..., :3].copy()
    out[clear] = MAGENTA
    # No opaque pixel may happen to be the key colour.
    hits = (~clear) & np.all(out == MAGENTA, axis=-1)
    out[hits] = (254, 0, 254)
    return Image.fromarray(out, "RGB")


def side_by_side(*cells):
    out = Image.new(cells[0].mode, (sum(c.width for c in cells), cells[0].height))
    x = 0
    for cell in cells:
        out.paste(cell, (x, 0))
        x += cell.width
    return out


def noise(h, w, seed, scale=1):
    """Repeatable value noise, smooth over `scale` pixels, wrapping at the edges."""
    rng = np.random.default_rng(seed)
    gh, gw = max(1, h // scale), max(1, w // scale)
    grid = rng.random((gh, gw))
    ys = np.arange(h) * gh / h
    xs = np.arange(w) * gw / w
    y0 = np.floor(ys).astype(int)
    x0 = np.floor(xs).astype(int)
    fy = (ys - y0)[:, None]
    fx = (xs - x0)[None, :]
    fy = fy * fy * (3 - 2 * fy)
    fx = fx * fx * (3 - 2 * fx)
    y1 = (y0 + 1) % gh
    x1 = (x0 + 1) % gw
    a = grid[y0][:, x0]
    b = grid[y0][:, x1]
    c = grid[y1][:, x0]
    d = grid[y1][:, x1]
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy
