#include "media/platform/font.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

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

// The built-in glyph with each of its pixels made a square of `magnify` pixels.
Glyph BuiltinGlyph(GlyphAtlas& atlas, int code, int magnify)
{
    Glyph glyph;
    if (code < BuiltinFirstCode || code > BuiltinLastCode)
        return glyph;
    glyph.present = true;
    glyph.advance = BuiltinGlyphWidth;
    const int width = BuiltinGlyphWidth * magnify;
    const int height = BuiltinGlyphHeight * magnify;
    std::vector<uint8_t> coverage(static_cast<size_t>(width) * height);
    bool inked = false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool ink = BuiltinGlyphInk(code, x / magnify, y / magnify);
            coverage[static_cast<size_t>(y) * width + x] = ink ? 255 : 0;
            inked = inked || ink;
        }
    if (inked) {
        glyph.width = width;
        glyph.height = height;
        glyph.hasPicture = atlas.Add(coverage.data(), width, height, width, glyph.place);
    }
    return glyph;
}

// A TrueType glyph whose top counts from the top of a line with this ascender.
Glyph TrueTypeGlyph(TrueTypeFace& face, int code, int ascender, bool smooth, GlyphAtlas& atlas)
{
    Glyph glyph;
    RenderedGlyph rendered;
    if (!RenderGlyph(face, static_cast<unsigned>(code), rendered))
        return glyph;
    glyph.present = true;
    glyph.advance = static_cast<float>(rendered.advance);
    glyph.xOffset = rendered.left;
    glyph.yOffset = ascender - rendered.top;
    glyph.width = rendered.width;
    glyph.height = rendered.height;
    if (glyph.width == 0 || glyph.height == 0)
        return glyph;
    const uint8_t* coverage = rendered.coverage.data();
    int pitch = rendered.width;
    std::vector<uint8_t> bordered;
    // A clear border lets filtering fade the edges out instead of cutting them.
    if (smooth) {
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
    glyph.hasPicture = atlas.Add(coverage, glyph.width, glyph.height, pitch, glyph.place);
    return glyph;
}

// Room for a good part of Latin-1 on one page.
int PageSideFor(int lineHeight)
{
    return static_cast<int>(std::bit_ceil(static_cast<unsigned>(std::clamp(lineHeight * 16, 128, 4096))));
}

// The glyphs of the shown size, made afresh for a new scale.
ShownGlyphs& ShownGlyphsAt(FontData& font, float scale)
{
    if (!font.shown || font.shown->scale != scale) {
        const float height = static_cast<float>(font.lineHeight) * scale;
        font.shown = std::make_unique<ShownGlyphs>(scale, PageSideFor(static_cast<int>(std::ceil(height))),
                                                   font.glyphFlags, font.smooth ? 2 : 1);
        if (!font.path.empty())
            font.shown->face = OpenTrueTypeFace(font.path, static_cast<int>(std::lround(font.pixelSize * scale)));
    }
    return *font.shown;
}

// A face that cannot be opened again at the shown size leaves no picture: the picture of
// the font's own size is drawn magnified instead.
Glyph RenderShownGlyph(FontData& font, ShownGlyphs& shown, unsigned char character)
{
    const Glyph& own = GlyphOf(font, character);
    Glyph glyph;
    if (!font.face) {
        glyph = BuiltinGlyph(shown.atlas, character, std::max(1, static_cast<int>(std::lround(shown.scale))));
    } else if (shown.face) {
        // The baseline stays where the layout's own size puts it.
        const int ascender = static_cast<int>(std::lround(font.ascender * shown.scale));
        glyph = TrueTypeGlyph(*shown.face, character, ascender, font.smooth, shown.atlas);
    }
    glyph.present = own.present;
    glyph.advance = own.advance;
    return glyph;
}

// Draws the glyph's picture from the atlas with its top-left corner `pictureScale` layout
// pixels a picture pixel.
void DrawGlyph(GlyphAtlas& atlas, const Glyph& glyph, float pen, float x, float y, float pictureScale,
               DrawTarget target)
{
    const unsigned texture = glyph.hasPicture ? atlas.TextureOf(glyph.place.page) : 0;
    if (texture == 0)
        return;
    const float texel = 1.0f / static_cast<float>(atlas.PageSide());
    const float left = pen + static_cast<float>(glyph.xOffset) * pictureScale;
    const float top = static_cast<float>(glyph.yOffset) * pictureScale;
    const float right = left + static_cast<float>(glyph.width) * pictureScale;
    const float bottom = top + static_cast<float>(glyph.height) * pictureScale;
    const float u0 = static_cast<float>(glyph.place.x) * texel;
    const float v0 = static_cast<float>(glyph.place.y) * texel;
    const float u1 = u0 + static_cast<float>(glyph.width) * texel;
    const float v1 = v0 + static_cast<float>(glyph.height) * texel;
    const QuadCorner corners[4] = {
        {left, top, u0, v0}, {right, top, u1, v0}, {right, bottom, u1, v1}, {left, bottom, u0, v1}};
    DrawQuad(texture, x, y, corners, target);
}

}  // namespace

const Glyph& GlyphOf(FontData& font, unsigned char character)
{
    if (!font.looked[character]) {
        font.glyphs[character] = font.face ? TrueTypeGlyph(*font.face, character, font.ascender, font.smooth, font.atlas)
                                           : BuiltinGlyph(font.atlas, character, 1);
        font.looked[character] = true;
    }
    return font.glyphs[character];
}

const Glyph& ShownGlyphOf(FontData& font, unsigned char character, float scale)
{
    ShownGlyphs& shown = ShownGlyphsAt(font, scale);
    if (!shown.looked[character]) {
        shown.glyphs[character] = RenderShownGlyph(font, shown, character);
        shown.looked[character] = true;
    }
    return shown.glyphs[character];
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
    font->path = path;
    font->pixelSize = pixelSize;
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
    const float scale = RendererPictureArea().scale;
    const bool scaled = scale != 1;
    const bool layoutToo = scaled && LayoutPictureRecorded();
    // Characters met for the first time go into the atlas before anything is drawn, so a
    // page's texture is made once for the line, not once per new character.
    for (char c : text) {
        GlyphOf(font, static_cast<unsigned char>(c));
        if (scaled)
            ShownGlyphOf(font, static_cast<unsigned char>(c), scale);
    }
    float pen = 0;
    for (char c : text) {
        const auto character = static_cast<unsigned char>(c);
        const Glyph& glyph = GlyphOf(font, character);
        if (!glyph.present)
            continue;
        if (!scaled) {
            DrawGlyph(font.atlas, glyph, pen, x, y, 1, DrawTarget::Both);
        } else {
            const Glyph& shown = ShownGlyphOf(font, character, scale);
            if (shown.hasPicture)
                DrawGlyph(font.shown->atlas, shown, pen, x, y, 1 / scale, DrawTarget::Shown);
            else
                DrawGlyph(font.atlas, glyph, pen, x, y, 1, DrawTarget::Shown);
            if (layoutToo)
                DrawGlyph(font.atlas, glyph, pen, x, y, 1, DrawTarget::Layout);
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
