#include "media/platform/font.h"

#include <gtest/gtest.h>

#include "media/decode/builtin_font.h"
#include "media/platform/font_data.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct FontTest : testing::Test {
    ~FontTest() override { SelectFont(nullptr); }
};

bool RowHasInk(int code, int y)
{
    for (int x = 0; x < BuiltinGlyphWidth; ++x)
        if (BuiltinGlyphInk(code, x, y))
            return true;
    return false;
}

TEST(BuiltinFontTable, EveryPrintableCharacterHasInkWithinItsLineAndCapitalsShareOneBaseline)
{
    for (int code = BuiltinFirstCode; code < BuiltinLastCode; ++code) {
        bool ink = false;
        for (int y = 0; y < BuiltinGlyphHeight; ++y)
            ink = ink || RowHasInk(code, y);
        EXPECT_EQ(ink, code != ' ') << char(code);
        // Rows 0, 1 and 15 keep lines apart.
        EXPECT_FALSE(RowHasInk(code, 0) || RowHasInk(code, 1) || RowHasInk(code, 15)) << char(code);
    }
    int baseline = BuiltinAscender - 1;
    for (char c : std::string("ABCDEFGHIJKLMNOPRSTUVWXYZ0123456789acemnosuvwxz")) {
        EXPECT_TRUE(RowHasInk(c, baseline)) << c;
        EXPECT_FALSE(RowHasInk(c, baseline + 1)) << c;
    }
    for (char c : std::string("gjpqy,;"))
        EXPECT_TRUE(RowHasInk(c, baseline + 2)) << c;
}

TEST_F(FontTest, TheBuiltinFontIsEightPixelsACharacterAndSixteenALine)
{
    SelectFont(nullptr);
    EXPECT_EQ(CurrentFont(), nullptr);
    EXPECT_EQ(TextWidthOf(""), 0);
    EXPECT_EQ(TextWidthOf("Hello, world"), 96);
    EXPECT_EQ(TextWidthOf(" ~\x7f"), 24);
    // ä, ö and control characters have no glyph and add nothing.
    EXPECT_EQ(TextWidthOf("P\xe4iv\xf6\x01\n"), 24);
    EXPECT_EQ(TextHeightOf(""), 16);
    EXPECT_EQ(TextHeightOf("Any text at all"), 16);
}

TEST_F(FontTest, MissingUnreadableOrSizelessFontsGiveNull)
{
    TempDir dir;
    WriteFileBytes(dir.File("kc.TTF"), "not a font at all");
    EXPECT_FALSE(LoadTrueTypeFont(dir.File("missing.TTF"), 20, FontSmooth));
    EXPECT_FALSE(LoadTrueTypeFont(dir.File("kc.TTF"), 20, FontSmooth));
    EXPECT_FALSE(LoadTrueTypeFont(DejaVuSans, 0, FontSmooth));
}

TEST_F(FontTest, TrueTypeWidthsAreWholePixelAdvancesAndLatin1FindsTheFinnishLetters)
{
    Font font = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    ASSERT_TRUE(font);
    SelectFont(font);
    EXPECT_EQ(CurrentFont(), font);
    int a = TextWidthOf("a");
    EXPECT_GT(a, 0);
    EXPECT_EQ(TextWidthOf("\xe4"), a);
    EXPECT_EQ(TextWidthOf("\xf6"), TextWidthOf("o"));
    EXPECT_GT(TextWidthOf("\xc4\xd6"), 0);
    EXPECT_EQ(TextWidthOf("AVA"), 2 * TextWidthOf("A") + TextWidthOf("V"));
    EXPECT_EQ(TextWidthOf("a\x01\x02"), a);
    EXPECT_EQ(TextHeightOf(""), TextHeightOf("\xc4gypt"));
    EXPECT_GE(TextHeightOf(""), 20);
}

TEST_F(FontTest, GlyphsStandOnTheBaselineAndSmoothOnesGetAClearBorder)
{
    Font plain = LoadTrueTypeFont(DejaVuSans, 26, 0);
    Font smooth = LoadTrueTypeFont(DejaVuSans, 26, FontSmooth);
    ASSERT_TRUE(plain && smooth);
    EXPECT_EQ(plain->glyphFlags, 0);
    EXPECT_EQ(smooth->glyphFlags, TextureFiltered);

    const Glyph& h = GlyphOf(*plain, 'H');
    ASSERT_TRUE(h.hasPicture);
    EXPECT_EQ(h.yOffset + h.height, plain->ascender);
    EXPECT_FALSE(GlyphOf(*plain, ' ').hasPicture);
    EXPECT_TRUE(GlyphOf(*plain, ' ').present);

    const Glyph& border = GlyphOf(*smooth, 'H');
    EXPECT_EQ(border.width, h.width + 2);
    EXPECT_EQ(border.height, h.height + 2);
    EXPECT_EQ(border.xOffset, h.xOffset - 1);
    EXPECT_EQ(border.yOffset, h.yOffset - 1);
    EXPECT_EQ(border.advance, h.advance);

    // White everywhere, coverage in alpha: the clear border, and full cover in the stems.
    const std::vector<uint8_t>& page = smooth->atlas.PagePixels(border.place.page);
    int side = smooth->atlas.PageSide();
    int fullyCovered = 0;
    for (int y = 0; y < border.height; ++y) {
        for (int x = 0; x < border.width; ++x) {
            const uint8_t* p = &page[((border.place.y + y) * side + border.place.x + x) * 4];
            EXPECT_EQ(p[0] & p[1] & p[2], 255);
            bool edge = x == 0 || y == 0 || x == border.width - 1 || y == border.height - 1;
            if (edge) {
                EXPECT_EQ(p[3], 0) << x << "," << y;
            }
            fullyCovered += p[3] == 255;
        }
    }
    EXPECT_GT(fullyCovered, 2 * (border.height - 2));
}

}  // namespace
