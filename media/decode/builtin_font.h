// The built-in font: 8 x 16 pixel glyphs for the character codes 32 to 127, drawn from a
// 1-bit table. It stands in whenever no TrueType font is selected.
#pragma once

constexpr int BuiltinGlyphWidth = 8;
constexpr int BuiltinGlyphHeight = 16;
constexpr int BuiltinFirstCode = 32;
constexpr int BuiltinLastCode = 127;
// Capitals stand on the bottom of row 11; descenders reach down to row 14.
constexpr int BuiltinAscender = 12;

// Whether pixel (x, y) of the glyph for `code` is inked; code within the first..last codes.
bool BuiltinGlyphInk(int code, int x, int y);
