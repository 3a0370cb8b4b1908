// Typing the record holder's name on the finish screen: one frame at a time, upper-case
// letters, digits and blanks, at most one character a frame, Backspace to take one back.
#pragma once

#include <string>

// One frame of typing: the text with the character of the first key hit in the game's key
// order added (while it is shorter than maxLength), then its last character removed if
// Backspace was hit. Either discards every other key hit of the frame.
std::string NameEntry(const std::string& text, int maxLength);

// Drops the hits of the keys that type a name (letters, digits and the blank), made before
// its entry began.
void ForgetTypingHits();
