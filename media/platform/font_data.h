// What a Font holds, for the media layer and its tests.
#pragma once

#include <array>
#include <memory>
#include <string>

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

// The font's glyphs rendered at the size a scaled picture is shown at, so that text stays
// sharp: their pictures and offsets count pixels of the shown picture, while the pen still
// moves by the advances of the layout's own size. Made again when the scale changes.
struct ShownGlyphs {
    float scale = 1;
    TrueTypeFacePtr face;  // none for the built-in font, whose pictures are magnified whole
    std::array<Glyph, 256> glyphs;
    std::array<bool, 256> looked{};
    GlyphAtlas atlas;

    ShownGlyphs(float shownScale, int pageSide, int textureFlags, int gap)
        : scale(shownScale), atlas(pageSide, textureFlags, gap)
    {
    }
};

struct FontData {
    TrueTypeFacePtr face;  // none for the built-in font
    // Where the face came from and at what size, for the glyphs of a scaled picture.
    std::string path;
    int pixelSize = 0;
    int lineHeight = 0;
    int ascender = 0;
    int descender = 0;
    int glyphFlags = 0;  // texture flags of the glyph pictures
    bool smooth = false;
    // Indexed by Latin-1 code; filled as characters are first met. These glyphs, at the
    // font's own size, measure every text and draw it where the picture is not scaled.
    std::array<Glyph, 256> glyphs;
    std::array<bool, 256> looked{};
    GlyphAtlas atlas;
    std::unique_ptr<ShownGlyphs> shown;

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
// The same glyph rendered for a picture shown at `scale`; its `present` and `advance` are
// those of GlyphOf.
const Glyph& ShownGlyphOf(FontData& font, unsigned char character, float scale);
// The font text is drawn and measured with: the selected one, or the built-in font.
FontData& FontInUse();
