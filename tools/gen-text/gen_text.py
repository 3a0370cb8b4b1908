#!/usr/bin/python3
"""Writes the game's text files into data/: the two language files (with the Finnish
titles of the levels in levels/), the shipped Settings.ini and the empty hiscore table. Run from the repository root:

    /usr/bin/python3 tools/gen-text/gen_text.py

The files are 8-bit Latin-1 with CR LF line ends, as the game reads and writes them. The
game lowers every value it reads and raises it again with a converter that knows only A to
Z, so the Finnish letters are written here in capitals (Ä, Ö) to be shown as capitals.
"""
import os
import sys

LEVEL_COUNT = 25
LEVELS_PER_PAGE = 5
FIRST_LEVEL_PAGE = 3
LAST_LEVEL_PAGE = FIRST_LEVEL_PAGE + LEVEL_COUNT // LEVELS_PER_PAGE - 1

# The words the game puts behind the switch captions and swaps in place with a blind
# replace over the whole caption: they must stand nowhere else.
SWITCH_WORDS = {
    "English": ["ON", "OFF", "WINDOWED", "FULLSCREEN"],
    "Finnish": ["ON", "EI", "IKKUNA", "KOKORUUTU"],
}

ENGLISH = {
    "main": ("MAIN MENU",
             "WELCOME TO TINDLEWICK!   THE UP AND DOWN ARROWS CHOOSE, ENTER ACCEPTS.   "
             "NEW HERE? READ HOW TO PLAY FIRST.",
             ["PLAY", "HOW TO PLAY", "SETTINGS", "LEVEL EDITOR", "MY LEVELS", "QUIT"]),
    "help": ("HOW TO PLAY",
             "WALK WITH THE ARROW KEYS AND PUSH WOODEN BLOCKS, BOXES AND BOULDERS.   "
             "TAKE EVERY KEY TO OPEN THE SPINNING GOAL, THEN STEP IN.   "
             "YOU CAN FINISH WITHOUT THE COINS, BUT A RECORD NEEDS EVERY COIN.   "
             "A ROUND SWITCH HOLDS THE GATES OF ITS COLOUR OPEN WHILE SOMETHING RESTS THERE; "
             "A SQUARE SWITCH CLEARS THEM FOR GOOD.   "
             "A BOULDER ROLLS UNTIL IT HITS SOMETHING AND SMASHES WOODEN BLOCKS IN ITS WAY.   "
             "STUCK? PRESS ESC AND RESTART THE LEVEL.",
             ["ARROWS: WALK AND PUSH", "KEYS OPEN THE GOAL", "RECORDS NEED ALL COINS",
              "BOULDERS ROLL FAR", "ESC: PAUSE OR RESTART", "F1: WATCH THE RECORD"],
             "BACK"),
    "settings": ("SETTINGS",
                 "PRESS ENTER TO SWITCH THE MUSIC, OR TO CHANGE BETWEEN A WINDOW AND THE FULL SCREEN.",
                 ["MUSIC:", "DISPLAY:", "BACK"]),
    "page_title": "LEVELS {first}-{last}",
    "page_help": "CHOOSE A LEVEL AND PRESS ENTER.   GREY LEVELS ARE LOCKED UNTIL YOU FINISH "
                 "THE LEVEL BEFORE THEM.   PRESS F1 TO WATCH THE BEST RUN OF THE CHOSEN LEVEL.",
    "level": "LEVEL {n}",
    "more": "MORE LEVELS",
    "earlier": "EARLIER LEVELS",
    "to_main": "MAIN MENU",
    "Hiscore": "BEST RUN (F1 REPLAYS IT)",
    "fin": ["GOAL! TAKE EVERY COIN NEXT TIME FOR A RECORD.",
            "EVERY COIN TAKEN, BUT THE RECORD STILL STANDS.",
            "NEW RECORD! TYPE YOUR NAME AND PRESS ENTER.",
            "NAME:"],
    "screen": {
        "play.level": "LEVEL",
        "par": "PAR",
        "fin.moves": "MOVES",
        "fin.coins": "COINS",
        "fin.keys": "KEYS",
        "fin.record": "RECORD TO BEAT",
        "fin.norecord": "NONE YET",
        "fin.parmet": "PAR MATCHED!",
        "fin.cursor": "_",
        "replay.end": "THE REPLAY HAS ENDED.   ESC: MENU   R: WATCH AGAIN",
    },
    # The words of the player's own levels: the editor's (ed.) and those of MY LEVELS (ml.).
    "own": {
        "fin.own": "LEVEL FINISHED WITH EVERY COIN!",
        "ed.help": "SPACE/X: PAINT/ERASE  Q/E: TOOL  Z/Y: UNDO  N: TITLE  T: TEST  S: SAVE",
        "ed.title": "TITLE:",
        "ed.keys": "KEYS",
        "ed.coins": "COINS",
        "ed.saved": "SAVED AS",
        "ed.draft": "KEPT AS A DRAFT IN",
        "ed.problem.nostart": "THE LEVEL HAS NO START: PLACE THE PLAYER.",
        "ed.problem.nogoal": "THE LEVEL HAS NO GOAL.",
        "ed.problem.boxedin": "WALLS BOX THE PLAYER IN AT THE START.",
        "ed.problem.goalwalled": "WALLS KEEP THE PLAYER FROM THE GOAL.",
        "ed.problem.keywalled": "WALLS KEEP THE PLAYER FROM A KEY: THE GOAL CAN NEVER OPEN.",
        "ed.problem.keys": "THE GOAL ASKS FOR MORE KEYS THAN THE LEVEL HOLDS.",
        "ed.solving": "LOOKING FOR THE FEWEST MOVES:",
        "ed.positions": "POSITIONS",
        "ed.par": "IT CAN BE DONE WITH EVERY COIN. PAR:",
        "ed.nopar": "THE LEVEL CANNOT BE FINISHED WITH EVERY COIN.",
        "ed.hard": "TOO MANY WAYS TO PLAY: THE SOLVER GAVE UP BEFORE IT FOUND PAR.",
        "ed.refused": "THE SOLVER CANNOT TAKE THIS LEVEL: TOO MANY PARTS, OR AN OPEN EDGE.",
        "ml.title": "MY LEVELS",
        "ml.help": "ENTER: PLAY   E: EDIT   N: NEW LEVEL   DEL: DELETE   ESC: BACK",
        "ml.empty": "NO LEVELS OF YOUR OWN YET. PRESS N TO MAKE ONE.",
        "ml.draft": "DRAFT",
        "ml.damaged": "DAMAGED FILE",
        "ml.solving": "SOLVING...",
        "ml.nopar": "NOT WITH EVERY COIN",
        "ml.hard": "PAR UNKNOWN",
        "ml.delete": "DELETE",
        "ml.confirm": "ENTER: DELETE   ESC: KEEP IT",
        "ml.undeleted": "THE FILE COULD NOT BE DELETED:",
    },
    # The level files' own titles are English.
    "titles": {},
}

FINNISH = {
    "main": ("PÄÄVALIKKO",
             "TERVETULOA TINDLEWICKIIN!   VALITSE YLÄ- JA ALANUOLILLA, HYVÄKSY ENTERILLÄ.   "
             "UUSI PELAAJA? LUE ENSIN PELIOHJEET.",
             ["PELAA", "PELIOHJEET", "ASETUKSET", "KENTTÄEDITORI", "OMAT KENTÄT", "LOPETA"]),
    "help": ("PELIOHJEET",
             "KÄVELE NUOLINÄPPÄIMILLÄ JA TYÖNNÄ PUUPALIKOITA, LAATIKOITA JA KIVIÄ.   "
             "KERÄÄ KAIKKI AVAIMET, NIIN PYÖRIVÄ MAALI AUKEAA, JA ASTU SISÄÄN.   "
             "RADAN PÄÄSEE LÄPI ILMAN KOLIKOITA, MUTTA ENNÄTYKSEEN TARVITAAN KAIKKI KOLIKOT.   "
             "PYÖREÄ KYTKIN PITÄÄ SAMANVÄRISET PORTIT AUKI NIIN KAUAN KUIN JOKIN PAINAA SITÄ; "
             "NELIÖKYTKIN AVAA NE PYSYVÄSTI.   "
             "KIVI VIERII, KUNNES SE TÖRMÄÄ ESTEESEEN, JA MURSKAA TIELTÄÄN PUUPALIKAT.   "
             "JUMISSA? PAINA ESC JA ALOITA RATA ALUSTA.",
             ["NUOLET: KÄVELE JA TYÖNNÄ", "AVAIMET AVAAVAT MAALIN", "ENNÄTYS VAATII KAIKKI KOLIKOT",
              "KIVET VIERIVÄT KAUAS", "ESC: TAUKO JA VALIKKO", "F1: KATSO ENNÄTYS"],
             "TAKAISIN"),
    "settings": ("ASETUKSET",
                 "ENTERILLÄ KYTKET MUSIIKIN PÄÄLLE TAI POIS JA VAIHDAT NÄYTTÖTILAA.",
                 ["MUSIIKKI:", "NÄYTTÖ:", "TAKAISIN"]),
    "page_title": "RADAT {first}-{last}",
    "page_help": "VALITSE RATA JA PAINA ENTERIÄ.   HARMAAT RADAT OVAT VIELÄ LUKOSSA: NE AUKEAVAT "
                 "YKSI KERRALLAAN, KUN LÄPÄISET EDELLISEN RADAN.   "
                 "F1 NÄYTTÄÄ VALITUN RADAN PARHAAN SUORITUKSEN.",
    "level": "RATA {n}",
    "more": "LISÄÄ RATOJA",
    "earlier": "EDELLISET RADAT",
    "to_main": "PÄÄVALIKKO",
    "Hiscore": "PARAS SUORITUS (F1: UUSINTA)",
    "fin": ["MAALISSA! ENNÄTYKSEEN TARVITAAN KAIKKI KOLIKOT.",
            "KAIKKI KOLIKOT KERÄTTY, MUTTA ENNÄTYS PYSYY.",
            "UUSI ENNÄTYS! KIRJOITA NIMESI JA PAINA ENTERIÄ.",
            "NIMI:"],
    "screen": {
        "play.level": "RATA",
        "par": "PAR",
        "fin.moves": "SIIRROT",
        "fin.coins": "KOLIKOT",
        "fin.keys": "AVAIMET",
        "fin.record": "LYÖTÄVÄ ENNÄTYS",
        "fin.norecord": "EI VIELÄ",
        "fin.parmet": "PAR SAAVUTETTU!",
        "fin.cursor": "_",
        "replay.end": "UUSINTA PÄÄTTYI.   ESC: VALIKKO   R: KATSO UUDELLEEN",
    },
    "own": {
        "fin.own": "KENTTÄ LÄPÄISTY JOKA KOLIKON KANSSA!",
        "ed.help": "VÄLI/X: PIIRRÄ/POISTA  Q/E: OSA  Z/Y: KUMOA  N: NIMI  T: KOKEILE  S: TALLENNA",
        "ed.title": "NIMI:",
        "ed.keys": "AVAIMET",
        "ed.coins": "KOLIKOT",
        "ed.saved": "TALLENNETTU:",
        "ed.draft": "LUONNOKSENA:",
        "ed.problem.nostart": "KENTÄLLÄ EI OLE ALKUA: SIJOITA PELAAJA.",
        "ed.problem.nogoal": "KENTÄLLÄ EI OLE MAALIA.",
        "ed.problem.boxedin": "SEINÄT SULKEVAT PELAAJAN ALKURUUTUUN.",
        "ed.problem.goalwalled": "SEINÄT ESTÄVÄT PÄÄSYN MAALIIN.",
        "ed.problem.keywalled": "SEINÄT ESTÄVÄT PÄÄSYN AVAIMEEN: MAALI EI AUKEA KOSKAAN.",
        "ed.problem.keys": "MAALI VAATII ENEMMÄN AVAIMIA KUIN KENTÄLLÄ ON.",
        "ed.solving": "ETSITÄÄN VÄHIMPIÄ SIIRTOJA:",
        "ed.positions": "ASEMAA",
        "ed.par": "KENTÄN VOI LÄPÄISTÄ JOKA KOLIKON KANSSA. PAR:",
        "ed.nopar": "KENTTÄÄ EI VOI LÄPÄISTÄ JOKA KOLIKON KANSSA.",
        "ed.hard": "PELITAPOJA ON LIIKAA: RATKAISIJA LUOVUTTI ENNEN PAR-ARVOA.",
        "ed.refused": "RATKAISIJA EI PYSTY KÄSITTELEMÄÄN KENTTÄÄ: LIIKAA OSIA TAI AVOIN REUNA.",
        "ml.title": "OMAT KENTÄT",
        "ml.help": "ENTER: PELAA   E: MUOKKAA   N: UUSI KENTTÄ   DEL: POISTA   ESC: TAKAISIN",
        "ml.empty": "SINULLA EI OLE VIELÄ OMIA KENTTIÄ. TEE UUSI PAINAMALLA N.",
        "ml.draft": "LUONNOS",
        "ml.damaged": "VIALLINEN TIEDOSTO",
        "ml.solving": "RATKAISTAAN...",
        "ml.nopar": "EI JOKA KOLIKON KANSSA",
        "ml.hard": "PAR TUNTEMATON",
        "ml.delete": "POISTETAANKO",
        "ml.confirm": "ENTER: POISTA   ESC: SÄILYTÄ",
        "ml.undeleted": "TIEDOSTOA EI VOITU POISTAA:",
    },
    # By the English title of the level source, so that a level whose title changes has to
    # be given its Finnish title anew.
    "titles": {
        "First Steps": "ENSIASKELEET",
        "Woodpile": "HALKOPINO",
        "Boxed In": "LAATIKKOLOUKKU",
        "Rolling Stones": "VIERIVÄT KIVET",
        "Square Button": "NELIÖKYTKIN",
        "Hold the Door": "PIDÄ OVI AUKI",
        "Coin Stop": "KOLIKKO ESTEENÄ",
        "Cradle": "KEHTO",
        "Box Stop": "LAATIKKO ESTEENÄ",
        "Thirty Frames": "PUOLI SEKUNTIA",
        "Sliding Row": "LIUKUVA RIVI",
        "Two Ways Out": "KAKSI TIETÄ ULOS",
        "Square and Round": "NELIÖ JA YMPYRÄ",
        "Knock-Off": "TÖNÄISY",
        "Splinters": "LASTUJA",
        "Race": "KILPAJUOKSU",
        "Long Arm": "PITKÄ KÄSI",
        "Keyhole": "AVAIMENREIKÄ",
        "Warehouse": "VARASTO",
        "Switchyard": "RATAPIHA",
        "Relay": "VIESTIJUOKSU",
        "Crossing": "RISTEYS",
        "Timber Mill": "SAHA",
        "Clockwork": "KELLOPELI",
        "Tindlewick": "TINDLEWICK",
    },
}


def menus(words):
    """The menu table: (title, help line, [(caption, action), ...]) for menus 0 to 7."""
    title, help_line, captions = words["main"]
    table = [(title, help_line, list(zip(captions, ["3", "1", "2", "EDITOR", "MY_LEVELS", "END"])))]
    title, help_line, tips, back = words["help"]
    # The tips are entries so that they stand in the menu band; taking one stays here.
    table.append((title, help_line, [(tip, "1") for tip in tips] + [(back, "0")]))
    title, help_line, captions = words["settings"]
    table.append((title, help_line, list(zip(captions, ["CHANGE_MUS", "CHANGE_DISP", "0"]))))
    for page in range(FIRST_LEVEL_PAGE, LAST_LEVEL_PAGE + 1):
        first = (page - FIRST_LEVEL_PAGE) * LEVELS_PER_PAGE + 1
        entries = [(words["level"].format(n=first + e), "START") for e in range(LEVELS_PER_PAGE)]
        if page < LAST_LEVEL_PAGE:
            entries.append((words["more"], str(page + 1)))
        if page > FIRST_LEVEL_PAGE:
            entries.append((words["earlier"], str(page - 1)))
        entries.append((words["to_main"], "0"))
        title = words["page_title"].format(first=first, last=first + LEVELS_PER_PAGE - 1)
        table.append((title, words["page_help"], entries))
    return table


def check_language(language, table):
    """Stops with a message when a text would break the caption switches."""
    problems = []
    for m, (title, help_line, entries) in enumerate(table):
        texts = [("Menu%d" % m, title), ("%d.ltext" % m, help_line)]
        texts += [("%d.%d" % (m, e), caption) for e, (caption, _) in enumerate(entries)]
        for key, text in texts:
            for word in SWITCH_WORDS[language]:
                if word in text:
                    problems.append("%s %s holds the switch word %s: %s" % (language, key, word, text))
        if len(entries) > 12:
            problems.append("%s menu %d has more than 12 entries" % (language, m))
    if len(table) > 8:
        problems.append("%s has more than 8 menus" % language)
    if problems:
        sys.exit("\n".join(problems))


def level_titles():
    """The title line of each level source, levels/00.txt on, in level order."""
    titles = []
    for n in range(LEVEL_COUNT):
        with open("levels/%02d.txt" % n, encoding="latin-1") as source:
            titles.append(source.readline().rstrip("\r\n").split("title: ", 1)[1])
    return titles


def title_lines(language, words):
    """title.N for every level the language titles itself; stops on a level it lacks."""
    if not words["titles"]:
        return []
    lines = []
    for n, title in enumerate(level_titles()):
        if title not in words["titles"]:
            sys.exit("%s has no title for level %d, \"%s\"" % (language, n, title))
        lines.append("title.%d = %s" % (n, words["titles"][title]))
    return lines


def language_lines(language, words, table):
    lines = ["Number_of_menus = %d" % len(table)]
    for m, (title, help_line, entries) in enumerate(table):
        lines += ["", "Menu%d = %s" % (m, title), "%d.c = %d" % (m, len(entries)),
                  "%d.ltext = %s" % (m, help_line)]
        for e, (caption, action) in enumerate(entries):
            lines += ["%d.%d = %s" % (m, e, caption), "%d.%d.action = %s" % (m, e, action)]
    lines += ["", "Hiscore = %s" % words["Hiscore"], ""]
    lines += ["fin.%d = %s" % (i, text) for i, text in enumerate(words["fin"])]
    lines += [""] + ["%s = %s" % (key, text) for key, text in words["screen"].items()]
    lines += [""] + ["%s = %s" % (key, text) for key, text in words["own"].items()]
    titles = title_lines(language, words)
    return lines + ([""] + titles if titles else [])


def settings_lines():
    lines = ["Graphics_width = 800", "Graphics_height = 600", "Color_depth = 0",
             "Refresh_rate = 60", "Driver = OpenGL",
             # The largest whole window the desktop has room for, and a full screen at the
             # desktop's own mode.
             "Window_scale = 0", "Fullscreen = desktop", "Music = 1",
             "Levels = %d" % (LEVEL_COUNT - 1)]
    # The language screen starts on the language chosen last, kept here.
    lines += ["Language = english"]
    return lines + ["%d = %d" % (n, 1 if n == 0 else 0) for n in range(LEVEL_COUNT)]


def hiscore_lines():
    lines = []
    for n in range(LEVEL_COUNT):
        lines += ["%d.player = none" % n, "%d.score = " % n]
    return lines


def report_widths(language, table, words):
    """Prints the widest caption in the 26-pixel menu font: the menu band is 400 pixels."""
    try:
        from PIL import ImageFont
    except ImportError:
        return
    font = ImageFont.truetype("data/Fonts/ame.TTF", 26)
    captions = [c for _, _, entries in table for c, _ in entries]
    widest = max(captions, key=font.getlength)
    print("%s: widest caption %d px: %s" % (language, font.getlength(widest), widest))
    for i, text in enumerate(words["fin"][:3]):
        print("%s: fin.%d %d px" % (language, i, font.getlength(text)))


def write(path, lines):
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("latin-1"))


def main():
    os.makedirs("data", exist_ok=True)
    for language, words in (("English", ENGLISH), ("Finnish", FINNISH)):
        table = menus(words)
        check_language(language, table)
        write("data/%s.dat" % language, language_lines(language, words, table))
        report_widths(language, table, words)
    write("data/Settings.ini", settings_lines())
    write("data/Hiscores.dat", hiscore_lines())


if __name__ == "__main__":
    main()
