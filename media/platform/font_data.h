// What a Font holds, for the media layer and its tests.
#pragma once

#include <array>

#include "media/decode/truetype_face.h"
#include "media/platform/font.h"
#include "media/platform/glyph_atlas.h"

// One character of a font, rendered on first use.
struct Glyph {
    bool present = false;     // the font has a glyph for the character
    bool hasPicture = false;  // false for blanks such as the space
    float advance = 0;        // whole pixels
    int xOffset = 0;          // picture's left side from the pen
    int yOffset = 0;          // picture's top from the top of the line
    int width = 0;
    int height = 0;
    AtlasPlace place;
};

struct FontData {
    TrueTypeFacePtr face;  // none for the built-in font
    int lineHeight = 0;
    int ascender = 0;
    int descender = 0;
    int glyphFlags = 0;  // texture flags of the glyph pictures
    bool smooth = false;
    // Indexed by Latin-1 code; filled as characters are first met.
    std::array<Glyph, 256> glyphs;
    std::array<bool, 256> looked{};
    GlyphAtlas atlas;

    // Smooth glyphs are filtered, and kept further apart on their pages. Text is always drawn
    // at its own size, so mipmaps would never be sampled; making them costs a software
    // driver a shader compile before the first frame.
    FontData(FaceMetrics metrics, bool smoothGlyphs, int pageSide)
        : lineHeight(metrics.lineHeight),
          ascender(metrics.ascender),
          descender(metrics.descender),
          glyphFlags(smoothGlyphs ? TextureFiltered : 0),
          smooth(smoothGlyphs),
          atlas(pageSide, glyphFlags, smoothGlyphs ? 2 : 1)
    {
    }
};

// The glyph of a character in the font (the built-in font for Null), rendered if needed.
const Glyph& GlyphOf(FontData& font, unsigned char character);
// The font text is drawn and measured with: the selected one, or the built-in font.
FontData& FontInUse();
