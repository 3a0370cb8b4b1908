// Typing the record holder's name with the gamepad: up and down choose the character offered
// (the letters, the digits and the blank, round and round), right or A adds it, left or B
// takes the last one back. The keyboard's name entry stays as it is beside it.
#pragma once

#include <string>

struct PadNameEntry {
    int offered = 0;  // which character of the offer, A first

    // The character up and down now stand on.
    char Offered() const;
    // One frame: the pad's hits applied to `text`, which grows to at most maxLength.
    std::string Type(const std::string& text, int maxLength);
};
