// The language chosen on the language screen, and the few texts the program itself shows in
// it. Everything else the menus and the finish screen say comes from the language file.
#pragma once

#include <string>

// "English" or "Finnish"; empty until the language screen has been left. Chosen once: it
// cannot change during a run.
extern std::string Language;

// The menus and messages of the chosen language: Language + ".dat".
std::string LanguageFile();

struct LanguageTexts {
    // The move counter of the status bar, and where it starts so that it ends at the edge.
    const char* moves;
    int movesX;
    const char* replayCaption;
    const char* pauseTitle;
    const char* pauseEntries[3];  // resume, restart, leave
    // The words the music and display switches put at the end of their captions.
    const char* musicOn;
    const char* musicOff;
    const char* windowed;
    const char* fullScreen;
    // Below the name being typed on the finish screen, while a gamepad is plugged in.
    const char* padNameHint;
};

// The texts of the current language; English until Finnish is chosen.
const LanguageTexts& Texts();
