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
};

const LanguageTexts Finnish{
    "Siirrot: ", 555, "Huipputuloksen Uusinta", "-TAUKO-",
    {"Takaisin peliin", "Aloita rata alusta", "Poistu valikkoon"},
    "ON", "EI", "IKKUNA", "KOKORUUTU",
};

}  // namespace

const LanguageTexts& Texts()
{
    return Language == "Finnish" ? Finnish : English;
}
