// Small picture files made by the tests, byte for byte, for the decoders and image loaders.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "media/decode/picture_decode.h"

// A picture of width x height with every pixel given, for tests to fill and compare.
Picture MakePicture(int width, int height, bool hasAlpha, uint8_t r, uint8_t g, uint8_t b,
                    uint8_t a = 255);
void SetPixel(Picture& picture, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255);
std::array<uint8_t, 4> PixelAt(const Picture& picture, int x, int y);

// PNG in any colour type and depth: `samples` holds every channel of every pixel, row by
// row, at the file's bit depth; a palette and tRNS bytes are written when given.
struct PngLayout {
    int width = 0;
    int height = 0;
    int colorType = 0;
    int bitDepth = 8;
    std::vector<uint16_t> samples;
    std::vector<std::array<uint8_t, 3>> palette;
    std::vector<uint8_t> transparency;  // palette alphas, or one grey/RGB key as 16-bit pairs
    bool interlaced = false;
};
std::string PngBytes(const PngLayout& layout);
// The picture as 8-bit RGBA, or as 8-bit RGB when it has no alpha.
std::string PngBytes(const Picture& picture);

std::string JpegBytes(const Picture& picture, bool grey);

// 24- or 32-bit bitmaps with a 40-byte header; 32 bits with `masks` get a 124-byte header
// with channel masks (BGRA order in the pixels).
std::string BmpBytes(const Picture& picture, int bitsPerPixel, bool topDown, bool masks = false);
// An 8-bit bitmap: one palette index a pixel.
std::string Bmp8Bytes(const std::vector<uint8_t>& indices, int width, int height,
                      const std::vector<std::array<uint8_t, 3>>& palette);

std::string TgaBytes(const Picture& picture, int bitsPerPixel, bool topOrigin, bool runLength);
