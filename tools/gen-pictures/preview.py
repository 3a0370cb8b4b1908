"""Pictures to judge the art by, made from the files as the game loads them (magenta
becomes transparent, the tints multiply): a contact sheet of every picture at its own size
and enlarged, and mock screens of a level, the menus and the language screen, with their
text in the game's fonts."""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_LARGE = "data/Fonts/ame.TTF"
FONT_SMALL = "data/Fonts/kc.TTF"
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BLUE = (20, 152, 200)
GREEN = (15, 100, 15)


def load(folder, name):
    """The picture as the game's loader makes it: alpha kept, or magenta made clear."""
    image = Image.open(os.path.join(folder, name))
    if image.mode == "RGBA":
        return image
    data = np.asarray(image.convert("RGB"))
    alpha = np.where(np.all(data == (255, 0, 255), axis=-1), 0, 255).astype(np.uint8)
    return Image.fromarray(np.dstack([data, alpha]), "RGBA")


def cell(image, frame):
    return image.crop((32 * frame, 0, 32 * frame + 32, 32)) if image.width > 32 else image


def tinted(image, color):
    data = np.asarray(image.convert("RGBA")).astype(float)
    data[..., :3] *= np.asarray(color) / 255.0
    return Image.fromarray(np.round(data).astype(np.uint8), "RGBA")


def shadow_text(draw, xy, text, font, fill=(255, 255, 255)):
    x, y = xy
    draw.text((x + 1, y + 1), text, font=font, fill=(20, 20, 20))
    draw.text((x, y), text, font=font, fill=fill)


def centred(font, text):
    return 400 - int(font.getlength(text)) // 2


def strips(screen, folder, color, first=0):
    strip = tinted(load(folder, "background.gfx"), color)
    for i in range(first, 10):
        screen.alpha_composite(strip, (0, 60 * i))


def contact_sheet(folder, out):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".gfx"))
    small = [n for n in names if Image.open(os.path.join(folder, n)).width <= 64]
    large = [n for n in names if n not in small]
    label = ImageFont.truetype(LABEL_FONT, 11)
    sheet = Image.new("RGBA", (1120, 1600), (70, 72, 84, 255))
    draw = ImageDraw.Draw(sheet)
    x, y = 10, 10
    for name in small:
        image = load(folder, name)
        w = max(image.width * 3, 100)
        if x + w > sheet.width - 10:
            x, y = 10, y + 130
        # The picture on a light and a dark ground, at its size and three times enlarged.
        draw.rectangle((x, y, x + image.width * 3 + 1, y + image.height * 3 + 1), fill=(214, 200, 170))
        sheet.alpha_composite(image.resize((image.width * 3, image.height * 3), Image.NEAREST), (x + 1, y + 1))
        draw.rectangle((x, y + 100, x + image.width + 1, y + 101 + image.height), fill=(30, 30, 36))
        sheet.alpha_composite(image, (x + 1, y + 100 - image.height // 2 + 12 if image.height < 32 else y + 101 - 0))
        draw.text((x + image.width + 6, y + 104), name, font=label, fill=(255, 255, 255))
        x += w + 14
    y += 150
    for name in large:
        image = load(folder, name)
        if image.width >= 800:
            draw.text((10, y), name, font=label, fill=(255, 255, 255))
            # As it is, then tinted blue as in the menus and green as behind the play field.
            for i, color in enumerate(((255, 255, 255), BLUE, GREEN)):
                sheet.alpha_composite(tinted(image, color), (10, y + 14 + i * (image.height + 4)))
            y += 3 * (image.height + 4) + 24
        else:
            draw.text((10, y), name, font=label, fill=(255, 255, 255))
            sheet.alpha_composite(image, (10, y + 14))
            sheet.alpha_composite(image.resize((image.width * 3, image.height * 3), Image.NEAREST), (100, y + 14))
            y += image.height * 3 + 24
    sheet.crop((0, 0, 1120, y + 10)).save(out)


LEVEL = [
    "#######################",
    "#.....#.....c....#.k..#",
    "#.@...#..........#....#",
    "#.....#..WWW..O..g....#",
    "#..c..#..........#..c.#",
    "#.....%%%h%%%%%%%#....#",
    "#..a........x.........#",
    "#....B.........&&&&i&&#",
    "#........c.....&......#",
    "#..O...........&..k...#",
    "#######.b......h......#",
    "#.....#.....W..&...G..#",
    "#..y..#.....W..&......#",
    "#.....i.....W..&..z.c.#",
    "#.....#........&......#",
    "#######################",
]


def mock_level(folder, out):
    screen = Image.new("RGBA", (800, 600), (0, 0, 0, 255))
    strips(screen, folder, GREEN)
    images = {name: load(folder, name) for name in os.listdir(folder) if name.endswith(".gfx")}
    walls = {"#": 0, "%": 1, "&": 2}
    things = {"W": "Woody.gfx", "B": "Boxy.gfx", "k": "Key.gfx"}
    for r, row in enumerate(LEVEL):
        assert len(row) == 23, row
        for c, ch in enumerate(row):
            x, y = 50 + 32 * c, 25 + 32 * r
            if ch in walls:
                screen.alpha_composite(images["Wall.%d.gfx" % walls[ch]], (x, y))
                continue
            screen.alpha_composite(images["Floor.%d.gfx" % ((c * 7 + r * 3) % 5 % 3)], (x, y))
            if ch in things:
                screen.alpha_composite(images[things[ch]], (x, y))
            elif ch in "hgi":
                screen.alpha_composite(images["CGate.%d.gfx" % "hgi".index(ch)], (x, y))
            elif ch in "abd":
                screen.alpha_composite(cell(images["Buttya.%d.gfx" % "abd".index(ch)], 0), (x, y))
            elif ch in "xyz":
                pressed = 1 if ch == "y" else 0
                screen.alpha_composite(cell(images["Buttys.%d.gfx" % "xyz".index(ch)], pressed), (x, y))
            elif ch == "c":
                coin = images["Coin.gfx"].resize((35, 35), Image.BILINEAR) if (r + c) % 2 else images["Coin.gfx"]
                screen.alpha_composite(coin, (x + 16 - coin.width // 2, y + 16 - coin.height // 2))
            elif ch == "O":
                screen.alpha_composite(images["Boulder.gfx"].rotate(-30, Image.BILINEAR), (x, y))
            elif ch == "G":
                screen.alpha_composite(images["Goal.gfx"].rotate(-40, Image.BILINEAR), (x, y))
            elif ch == "@":
                screen.alpha_composite(cell(images["Player.gfx"], 0).rotate(-90), (x, y))
    # A burst of sparkles where a coin was just taken.
    for dx, dy in [(0, -14), (-14, 0), (0, 14), (14, 0), (0, -9), (-9, 0), (0, 9), (9, 0)]:
        screen.alpha_composite(images["Ministar.0.gfx"], (50 + 32 * 4 + 16 + dx - 6, 25 + 32 * 2 + 16 + dy - 6))
    bar = Image.new("RGBA", (800, 30), (0, 0, 0, 77))
    screen.alpha_composite(bar, (0, 570))
    draw = ImageDraw.Draw(screen)
    draw.line((0, 570, 800, 570), fill=(255, 255, 255))
    screen.alpha_composite(images["Key.gfx"], (155, 570))
    screen.alpha_composite(images["Coin.gfx"], (370 - 16, 585 - 16))
    font = ImageFont.truetype(FONT_LARGE, 26)
    draw.text((559, 575), "Moves: 12", font=font, fill=(255, 255, 255))
    draw.text((205, 575), "1 / 2", font=font, fill=(255, 255, 255))
    draw.text((395, 575), "2 / 5", font=font, fill=(255, 255, 255))
    screen.convert("RGB").save(out)


def read_language(path):
    values = {}
    for line in open(path, "rb").read().decode("latin-1").split("\r\n"):
        if " = " in line:
            key, value = line.split(" = ", 1)
            # The game lowers A to Z only; the Finnish letters keep their case.
            values.setdefault(lower(key), lower(value))
    return values


def lower(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def upper(text):
    return "".join(chr(ord(c) - 32) if "a" <= c <= "z" else c for c in text)


def mock_menu(folder, out, language, menu, choice):
    texts = read_language("data/%s.dat" % language)
    screen = Image.new("RGBA", (800, 600), (255, 255, 255, 255))
    screen.alpha_composite(tinted(load(folder, "logo.gfx"), BLUE), (0, 0))
    strips(screen, folder, BLUE, 2)
    screen = screen.convert("RGB")
    draw = ImageDraw.Draw(screen, "RGBA")
    large = ImageFont.truetype(FONT_LARGE, 26)
    small = ImageFont.truetype(FONT_SMALL, 20)
    credit = "Tindlewick - made by the Tindlewick team"
    shadow_text(draw, (795 - int(small.getlength(credit)), 595 - 20), credit, small)
    help_line = upper(texts["%d.ltext" % menu])
    draw.rectangle((0, 516, 800, 516 + 26), fill=(0, 0, 0, 102))
    shadow_text(draw, (180, 520), help_line, large)
    shadow_text(draw, (200, 120), upper(texts["menu%d" % menu]), large)
    count = int(texts["%d.c" % menu])
    switch = {(2, 0): {"English": " ON", "Finnish": " ON"}, (2, 1): {"English": " WINDOWED", "Finnish": " IKKUNA"}}
    for i in range(count):
        draw.rectangle((200, 143 + 35 * i, 600, 178 + 35 * i), fill=(0, 0, 0, 102))
        if i == choice:
            draw.rectangle((200, 145 + 35 * i, 600, 177 + 35 * i), fill=(255, 255, 255, 128))
        caption = upper(texts["%d.%d" % (menu, i)]) + switch.get((menu, i), {}).get(language, "")
        grey = menu >= 3 and i < 5 and i > 1
        shadow_text(draw, (centred(large, caption), 150 + 35 * i), caption, large,
                    (125, 125, 125) if grey else (255, 255, 255))
    if menu >= 3:
        shadow_text(draw, (centred(large, upper(texts["hiscore"])), 430), upper(texts["hiscore"]), large)
        shadow_text(draw, (centred(large, "ANNA - 37"), 470), "ANNA - 37", large)
    draw.rectangle((200, 143, 600, 144), fill=(0, 0, 0))
    draw.rectangle((200, 142 + 35 * count, 600, 143 + 35 * count), fill=(0, 0, 0))
    screen.save(out)


def mock_language(folder, out):
    screen = Image.new("RGBA", (800, 600), (255, 255, 255, 255))
    strips(screen, folder, BLUE)
    draw = ImageDraw.Draw(screen)
    large = ImageFont.truetype(FONT_LARGE, 26)
    title = "Select Language , Valitse kieli"
    shadow_text(draw, (centred(large, title), 125), title, large)
    shadow_text(draw, (centred(large, "Suomi"), 400), "Suomi", large)
    screen.alpha_composite(tinted(load(folder, "Flag_Gb.gfx"), (100, 100, 100)), (300, 238))
    screen.alpha_composite(load(folder, "Flag_Fin.gfx"), (420, 238))
    screen.convert("RGB").save(out)


def write_all(folder, out):
    os.makedirs(out, exist_ok=True)
    contact_sheet(folder, os.path.join(out, "contact-sheet.png"))
    mock_level(folder, os.path.join(out, "mock-level.png"))
    mock_menu(folder, os.path.join(out, "mock-menu-english.png"), "English", 3, 1)
    mock_menu(folder, os.path.join(out, "mock-menu-finnish.png"), "Finnish", 1, 0)
    mock_language(folder, os.path.join(out, "mock-language.png"))
