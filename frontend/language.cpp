#include "frontend/language.h"

std::string Language;

std::string LanguageFile()
{
    return Language + ".dat";
}

namespace {

const LanguageTexts English{
    "Moves: ", 559, "Hiscore Replay", "-PAUSED-", {"Resume game", "Restart level", "Exit to menu"},
    "ON", "OFF", "WINDOWED", "FULLSCREEN",
    "PAD: UP/DOWN CHOOSE, A ADDS, B ERASES, START ENDS",
};

const LanguageTexts Finnish{
    "Siirrot: ", 555, "Huipputuloksen Uusinta", "-TAUKO-",
    {"Takaisin peliin", "Aloita rata alusta", "Poistu valikkoon"},
    "ON", "EI", "IKKUNA", "KOKORUUTU",
    "OHJAIN: YL\xD6S/ALAS VALITSEE, A LIS\xC4\xC4, B POISTAA, START LOPETTAA",
};

}  // namespace

const LanguageTexts& Texts()
{
    return Language == "Finnish" ? Finnish : English;
}
