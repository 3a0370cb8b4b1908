// The two fonts, loaded as the game loads them, against the texts the game shows with them.
#include <gtest/gtest.h>

#include <string>

#include "media/platform/font.h"
#include "media/platform/font_data.h"
#include "tests/support/temp_dir.h"

namespace {

class DataFonts : public testing::Test {
protected:
    WorkingDir data{TINDLEWICK_DATA_DIR};
    Font large = LoadTrueTypeFont("Fonts/ame.TTF", 26, FontSmooth);
    Font small = LoadTrueTypeFont("Fonts/kc.TTF", 20, FontSmooth);
};

TEST_F(DataFonts, BothLoadAtTheirSizesWithTheFinnishLetters)
{
    ASSERT_TRUE(large);
    ASSERT_TRUE(small);
    for (const Font& font : {large, small}) {
        for (unsigned char c : std::string("\xC4\xD6\xE4\xF6"))
            EXPECT_TRUE(GlyphOf(*font, c).present) << "character " << int(c);
    }
}

TEST_F(DataFonts, TheMenuFontHasAGlyphForEveryCharacterOfBothLanguageFiles)
{
    // A character without a glyph is skipped when drawn, and would vanish from a caption.
    ASSERT_TRUE(large);
    for (const char* file : {"English.dat", "Finnish.dat"}) {
        for (unsigned char c : ReadFileBytes(file)) {
            if (c >= 32) {
                EXPECT_TRUE(GlyphOf(*large, c).present) << file << ": character " << int(c);
            }
        }
    }
}

TEST_F(DataFonts, AMenuTitleClearsTheFrameLineBelowIt)
{
    // Titles stand at y = 120 and the menu's frame line starts at y = 143: the capitals,
    // which rest on the baseline, must end above it.
    ASSERT_TRUE(large);
    EXPECT_LE(120 + large->ascender, 143);
    // The status bar's texts stand at y = 575 on a 600-pixel screen.
    EXPECT_LE(575 + large->ascender, 600);
}

}  // namespace
