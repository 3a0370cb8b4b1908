// The first screen: the two flags, English on the left and Finnish on the right, chosen
// with Left and Right and taken with Enter. Escape or closing the window ends the program.
#pragma once

// Runs the screen, starting on `selection`, until Enter and returns the choice: 0 English,
// 1 Finnish.
int RunLanguageScreen(int selection);

// "English" or "Finnish".
const char* LanguageOfSelection(int selection);

// Makes the chosen language's file the current settings file and sets Language.
void ChooseLanguage(int selection);
