#include "media/platform/font.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "media/decode/builtin_font.h"
#include "media/platform/font_data.h"
#include "media/platform/renderer.h"
#include "media/platform/texture.h"

namespace {

// The selected font belongs to the drawing state of the display it was selected on; a new
// display starts with the built-in font again.
Font selectedFont;
int selectedGeneration = 0;

FontData& BuiltinFont()
{
    // 96 glyphs of 8 x 16 with a texel between them fit a 128-texel page. The font lives
    // until the process ends, past every display and every global that may draw text.
    static FontData& font = *new FontData(
        {BuiltinGlyphHeight, BuiltinAscender, BuiltinAscender - BuiltinGlyphHeight}, false, 128);
    return font;
}

Glyph BuiltinGlyph(FontData& font, int code)
{
    Glyph glyph;
    if (code < BuiltinFirstCode || code > BuiltinLastCode)
        return glyph;
    glyph.present = true;
    glyph.advance = BuiltinGlyphWidth;
    uint8_t coverage[BuiltinGlyphWidth * BuiltinGlyphHeight];
    bool inked = false;
    for (int y = 0; y < BuiltinGlyphHeight; ++y)
        for (int x = 0; x < BuiltinGlyphWidth; ++x) {
            bool ink = BuiltinGlyphInk(code, x, y);
            coverage[y * BuiltinGlyphWidth + x] = ink ? 255 : 0;
            inked = inked || ink;
        }
    if (inked) {
        glyph.width = BuiltinGlyphWidth;
        glyph.height = BuiltinGlyphHeight;
        glyph.hasPicture =
            font.atlas.Add(coverage, glyph.width, glyph.height, glyph.width, glyph.place);
    }
    return glyph;
}

Glyph TrueTypeGlyph(FontData& font, int code)
{
    Glyph glyph;
    RenderedGlyph rendered;
    if (!RenderGlyph(*font.face, static_cast<unsigned>(code), rendered))
        return glyph;
    glyph.present = true;
    glyph.advance = static_cast<float>(rendered.advance);
    glyph.xOffset = rendered.left;
    glyph.yOffset = font.ascender - rendered.top;
    glyph.width = rendered.width;
    glyph.height = rendered.height;
    if (glyph.width == 0 || glyph.height == 0)
        return glyph;
    const uint8_t* coverage = rendered.coverage.data();
    int pitch = rendered.width;
    std::vector<uint8_t> bordered;
    // A clear border lets filtering fade the edges out instead of cutting them.
    if (font.smooth) {
        pitch = rendered.width + 2;
        bordered.assign(static_cast<size_t>(pitch) * (rendered.height + 2), 0);
        for (int y = 0; y < rendered.height; ++y)
            std::copy_n(coverage + y * rendered.width, rendered.width,
                        bordered.begin() + (y + 1) * pitch + 1);
        coverage = bordered.data();
        glyph.xOffset -= 1;
        glyph.yOffset -= 1;
        glyph.width += 2;
        glyph.height += 2;
    }
    glyph.hasPicture = font.atlas.Add(coverage, glyph.width, glyph.height, pitch, glyph.place);
    return glyph;
}

// Room for a good part of Latin-1 on one page.
int PageSideFor(int lineHeight)
{
    return static_cast<int>(std::bit_ceil(static_cast<unsigned>(std::clamp(lineHeight * 16, 128, 4096))));
}

}  // namespace

const Glyph& GlyphOf(FontData& font, unsigned char character)
{
    if (!font.looked[character]) {
        font.glyphs[character] = font.face ? TrueTypeGlyph(font, character) : BuiltinGlyph(font, character);
        font.looked[character] = true;
    }
    return font.glyphs[character];
}

FontData& FontInUse()
{
    Font font = CurrentFont();
    return font ? *font : BuiltinFont();
}

Font LoadTrueTypeFont(const std::string& path, int pixelSize, int style)
{
    TrueTypeFacePtr face = OpenTrueTypeFace(path, pixelSize);
    if (!face)
        return nullptr;
    FaceMetrics metrics = MetricsOf(*face);
    auto font = std::make_shared<FontData>(metrics, (style & FontSmooth) != 0,
                                           PageSideFor(metrics.lineHeight));
    font->face = std::move(face);
    return font;
}

void SelectFont(const Font& font)
{
    selectedFont = font;
    selectedGeneration = DisplayGeneration();
}

Font CurrentFont()
{
    return selectedGeneration == DisplayGeneration() ? selectedFont : nullptr;
}

void DrawString(const std::string& text, float x, float y)
{
    FontData& font = FontInUse();
    // Characters met for the first time go into the atlas before anything is drawn, so a
    // page's texture is made once for the line, not once per new character.
    for (char c : text)
        GlyphOf(font, static_cast<unsigned char>(c));
    float pen = 0;
    float texel = 1.0f / static_cast<float>(font.atlas.PageSide());
    for (char c : text) {
        const Glyph& glyph = GlyphOf(font, static_cast<unsigned char>(c));
        if (!glyph.present)
            continue;
        unsigned texture = glyph.hasPicture ? font.atlas.TextureOf(glyph.place.page) : 0;
        if (texture != 0) {
            float left = pen + static_cast<float>(glyph.xOffset);
            float top = static_cast<float>(glyph.yOffset);
            float right = left + static_cast<float>(glyph.width);
            float bottom = top + static_cast<float>(glyph.height);
            float u0 = static_cast<float>(glyph.place.x) * texel;
            float v0 = static_cast<float>(glyph.place.y) * texel;
            float u1 = u0 + static_cast<float>(glyph.width) * texel;
            float v1 = v0 + static_cast<float>(glyph.height) * texel;
            const QuadCorner corners[4] = {
                {left, top, u0, v0}, {right, top, u1, v0}, {right, bottom, u1, v1}, {left, bottom, u0, v1}};
            DrawQuad(texture, x, y, corners);
        }
        pen += glyph.advance;
    }
}

int TextWidthOf(const std::string& text)
{
    FontData& font = FontInUse();
    float width = 0;
    for (char c : text) {
        const Glyph& glyph = GlyphOf(font, static_cast<unsigned char>(c));
        if (glyph.present)
            width = std::trunc(width + glyph.advance);
    }
    return static_cast<int>(width);
}

int TextHeightOf(const std::string&)
{
    return FontInUse().lineHeight;
}
