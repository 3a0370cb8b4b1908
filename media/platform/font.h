// Fonts and text: TrueType faces rendered at a pixel size, and a built-in 8 x 16 font for
// the codes 32 to 127. Text is 8-bit: each character is its Latin-1 code point.
#pragma once

#include <memory>
#include <string>

struct FontData;
// A font; Null stands for the built-in font.
using Font = std::shared_ptr<FontData>;

constexpr int FontSmooth = 4;  // style bit: anti-aliased glyphs with a transparent border

Font LoadTrueTypeFont(const std::string& path, int pixelSize, int style);
void SelectFont(const Font& font);
Font CurrentFont();

void DrawString(const std::string& text, float x, float y);
int TextWidthOf(const std::string& text);
int TextHeightOf(const std::string& text);
