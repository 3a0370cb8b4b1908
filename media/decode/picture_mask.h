// Masking: turning pixels of a key colour transparent in a picture without alpha.
#pragma once

#include <cstdint>

struct MaskKey {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Every pixel whose red, green and blue equal the key exactly gets alpha 0 and, as its
// colour, the integer mean of the non-key pixels among its eight neighbours and itself
// (black if there are none), so that filtering shows no fringe of the key colour. Every
// other pixel gets alpha 255.
void MaskPixels(uint8_t* rgba, int width, int height, MaskKey key);
