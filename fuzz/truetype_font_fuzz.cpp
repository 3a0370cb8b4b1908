// TrueType fonts: opened at a pixel size chosen by the first byte (smooth or not by the
// second), then every Latin-1 character is measured, which renders its glyph into the
// font's atlas pages.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/platform/font.h"
#include "media/platform/font_data.h"

FUZZ_TARGET(truetype_font)
{
    FuzzInput input(data, size);
    const int pixelSize = 1 + input.Byte() % 64;
    const int style = input.Byte() & FontSmooth;
    const std::string file = input.Rest();
    const std::string path =
        WriteFuzzFile("font.ttf", reinterpret_cast<const uint8_t*>(file.data()), file.size());
    const Font font = LoadTrueTypeFont(path, pixelSize, style);
    if (!font)
        return;
    SelectFont(font);
    std::string latin1;
    for (int code = 1; code < 256; ++code)
        latin1 += static_cast<char>(code);
    TextWidthOf(latin1);
    FuzzCheck(TextHeightOf(latin1) == font->lineHeight, "the height is the font's line height");
    const int side = font->atlas.PageSide();
    for (const Glyph& glyph : font->glyphs) {
        if (glyph.hasPicture) {
            FuzzCheck(glyph.place.x >= 0 && glyph.place.y >= 0 && glyph.place.x + glyph.width <= side &&
                          glyph.place.y + glyph.height <= side,
                      "a glyph picture lies within its atlas page");
        }
    }
    SelectFont(nullptr);
}
