// Text drawn on a real OpenGL context, in the built-in font and in a TrueType font, checked
// against the font's metrics on the pixels read back.
#include "media/platform/font.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/platform/display.h"
#include "media/platform/font_data.h"
#include "media/platform/renderer.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

const char* const DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The smallest rectangle holding every pixel brighter than the black backdrop.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right and bottom inclusive
};

InkBox InkIn(const FramePixels& frame, int x0, int y0, int x1, int y1)
{
    InkBox box;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (PixelAt(frame, x, y).red > 100) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

struct FontRenderTest : DisplayTest {
    void SetUp() override
    {
        DisplayTest::SetUp();
        ClearFrame();
        SetBlendMode(BlendAlpha);
    }
    void TearDown() override
    {
        SelectFont(nullptr);
        DisplayTest::TearDown();
    }

    // The top-left texels of a glyph page, drawn at their own size from `shift` pixels right
    // and half as far down, over a coloured backdrop.
    FramePixels DrawPageCorner(unsigned texture, int side, float shift)
    {
        SetBackdropColor(30, 60, 90);
        ClearFrame();
        SetBlendMode(BlendAlpha);
        SetDrawColor(250, 240, 120);
        const float w = Width, h = Height, u = w / static_cast<float>(side), v = h / static_cast<float>(side);
        const QuadCorner corners[4] = {{0, 0, 0, 0}, {w, 0, u, 0}, {w, h, u, v}, {0, h, 0, v}};
        DrawQuad(texture, shift, shift / 2, corners);
        return CaptureFrame();
    }
};

TEST_F(FontRenderTest, BuiltinGlyphsLandInTheirEightBySixteenCells)
{
    SelectFont(nullptr);
    DrawString("I", 10, 5);
    DrawString("I", 10.0f + float(TextWidthOf("AB")), 5);
    DrawString("\xe4_", 40, 5);  // ä has no glyph: the underscore takes its place
    FramePixels frame = CaptureFrame();
    // I: a bar of three on row 2, a stem in column 3 down to row 11.
    InkBox first = InkIn(frame, 0, 0, 20, Height);
    EXPECT_EQ(first.left, 12);
    EXPECT_EQ(first.right, 14);
    EXPECT_EQ(first.top, 7);
    EXPECT_EQ(first.bottom, 16);
    InkBox second = InkIn(frame, 20, 0, 40, Height);
    EXPECT_EQ(second.left, 28);
    EXPECT_EQ(second.top, 7);
    InkBox underscore = InkIn(frame, 40, 0, Width, Height);
    EXPECT_EQ(underscore.left, 40);
    EXPECT_EQ(underscore.right, 47);
    EXPECT_EQ(underscore.top, 18);
}

TEST_F(FontRenderTest, TrueTypeGlyphsLandWhereTheirMetricsSay)
{
    Font font = LoadTrueTypeFont(DejaVuSans, 20, 0);
    ASSERT_TRUE(font);
    SelectFont(font);
    DrawString("HH", 4, 6);
    FramePixels frame = CaptureFrame();
    const Glyph& h = GlyphOf(*font, 'H');
    // Hinting snaps the H vertically, so its ink fills its picture's rows and stands on the
    // baseline at y + ascender; sideways its outer columns may be faint.
    InkBox ink = InkIn(frame, 0, 0, 4 + int(h.advance), Height);
    EXPECT_NEAR(ink.left, 4 + h.xOffset, 1);
    EXPECT_EQ(ink.top, 6 + h.yOffset);
    EXPECT_EQ(ink.bottom, 6 + font->ascender - 1);
    EXPECT_NEAR(ink.right, 4 + h.xOffset + h.width - 1, 1);
    InkBox next = InkIn(frame, 4 + int(h.advance), 0, Width, Height);
    EXPECT_EQ(next.left, ink.left + int(h.advance));
    EXPECT_EQ(next.top, ink.top);
}

TEST_F(FontRenderTest, SmoothGlyphsLandInTheSamePlaceAndFinnishLettersHaveTheirDots)
{
    Font plain = LoadTrueTypeFont(DejaVuSans, 20, 0);
    Font smooth = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    SelectFont(plain);
    DrawString("H", 4, 4);
    SelectFont(smooth);
    DrawString("H", 4, 26);
    DrawString("a\xe4", 34, 4);
    FramePixels frame = CaptureFrame();
    InkBox sharp = InkIn(frame, 0, 0, 30, 26);
    InkBox soft = InkIn(frame, 0, 26, 30, Height);
    EXPECT_EQ(soft.left, sharp.left);
    EXPECT_EQ(soft.right, sharp.right);
    EXPECT_EQ(soft.top, sharp.top + 22);
    EXPECT_EQ(soft.bottom, sharp.bottom + 22);
    int a = TextWidthOf("a");
    InkBox plainA = InkIn(frame, 34, 0, 34 + a, 26);
    InkBox umlaut = InkIn(frame, 34 + a, 0, 34 + 2 * a, 26);
    EXPECT_EQ(umlaut.bottom, plainA.bottom);
    EXPECT_LT(umlaut.top, plainA.top - 1);
}

// Smooth glyph pages are not mipmapped, because text is never drawn smaller than its size:
// at its own size, wherever it lands between pixels (the help line scrolls by fractions),
// a mipmapped page gives exactly the same pixels.
TEST_F(FontRenderTest, SmoothTextAtItsOwnSizeLooksTheSameWithoutMipmaps)
{
    Font smooth = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    for (char c : std::string("Tindlewick \xe4\xf6 &@%"))
        GlyphOf(*smooth, static_cast<unsigned char>(c));
    const int side = smooth->atlas.PageSide();
    const std::vector<uint8_t>& page = smooth->atlas.PagePixels(0);
    Texture plain = CreateTexture(page.data(), side, side, smooth->glyphFlags);
    Texture mipmapped = CreateTexture(page.data(), side, side, TextureFiltered | TextureMipmapped);
    for (float shift : {0.0f, 0.25f, 0.5f, 0.7f, 3.4f}) {
        const FramePixels withoutMipmaps = DrawPageCorner(plain.id, side, shift);
        EXPECT_TRUE(SamePixels(DrawPageCorner(mipmapped.id, side, shift), withoutMipmaps)) << "shifted " << shift;
        // Partly covered pixels at the glyphs' edges: the comparison sees filtering at work.
        int partly = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                partly += PixelAt(withoutMipmaps, x, y).red > 40 && PixelAt(withoutMipmaps, x, y).red < 240;
        EXPECT_GT(partly, 20) << "shifted " << shift;
    }
    DestroyTexture(plain);
    DestroyTexture(mipmapped);
}

TEST_F(FontRenderTest, ANewDisplayStartsWithTheBuiltinFontAndKeepsLoadedFontsUsable)
{
    Font font = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    SelectFont(font);
    DrawString("H", 4, 4);
    CaptureFrame();
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr);
    EXPECT_EQ(CurrentFont(), nullptr);
    EXPECT_EQ(TextHeightOf("H"), 16);
    SelectFont(font);
    ClearFrame();
    SetBlendMode(BlendAlpha);
    DrawString("H", 4, 4);
    FramePixels frame = CaptureFrame();
    EXPECT_GE(InkIn(frame, 0, 0, Width, Height).right, 0);
}

}  // namespace
