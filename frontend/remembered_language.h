// The language chosen last, kept in "Settings.ini" under the key "Language" ("english" or
// "finnish"), so that the language screen starts on it. Only a settings file that has the
// key keeps the choice: without it the screen starts on English every time, and the file
// is left as it was.
#pragma once

#include <string>

inline constexpr char LanguageKey[] = "Language";

// The selection of the language screen for a value of the key: 0 English, 1 Finnish. Any
// value but "finnish" is English; one that names neither is warned of in the log.
int LanguageSelectionOf(const std::string& value);

// From the current settings file, "Settings.ini".
int RememberedLanguage();
// Writes the selection into the current settings file if it has the key and holds another
// value there.
void RememberLanguage(int selection);
