// The two fonts, loaded as the game loads them, against the texts the game shows with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/settings.h"
#include "frontend/language.h"
#include "frontend/level_titles.h"
#include "frontend/level_unlocks.h"
#include "frontend/screen_text.h"
#include "frontend/screen_words.h"
#include "media/core/text.h"
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

// Where the screens put the texts added beside the menus, and the room each has there: a
// level page's title left of the best result and par right of it, both centred 115 pixels
// from the edge; the level's name on its band over the play field; the finish screen's
// values right of its widest label.
TEST_F(DataFonts, TheTextsAddedBesideTheMenusFitTheirRoomInBothLanguages)
{
    ASSERT_TRUE(large);
    SelectFont(large);
    LastLevel = LevelSlots - 1;
    for (const char* language : {"English", "Finnish"}) {
        Language = language;
        ReadScreenWords();
        ReadLevelTitles();
        std::string caption;
        {
            ScopedSettingsFile languageFile(LanguageFile());
            caption = UpperText(ReadSettingStr("Hiscore"));
        }
        const int captionLeft = CentredX(caption);
        for (int level = 0; level <= LastLevel; ++level) {
            const int width = TextWidthOf(LevelTitles[level]);
            EXPECT_NE(LevelTitles[level], "") << language << " level " << level;
            EXPECT_LE(115 + width / 2 + 10, captionLeft) << language << ": " << LevelTitles[level];
            EXPECT_GE(115 - width / 2, 0) << language << ": " << LevelTitles[level];
            EXPECT_LE(TextWidthOf(LevelName(level)) + 40, 736) << language << ": " << LevelName(level);
        }
        const int parWidth = TextWidthOf(Words.par + " 99999");
        EXPECT_GE(685 - parWidth / 2, ScreenWidth - captionLeft + 10) << language;
        EXPECT_LE(685 + parWidth / 2, ScreenWidth) << language;
        EXPECT_LE(TextWidthOf(Words.replayEnded), ScreenWidth - 20) << language;

        int labels = 0;
        for (const std::string* label : {&Words.moves, &Words.coins, &Words.keys, &Words.recordToBeat, &Words.par})
            labels = std::max(labels, TextWidthOf(*label));
        const int valueX = 150 + labels + 30;
        EXPECT_LE(valueX + TextWidthOf("WWWWWWWWWW - 9999"), ScreenWidth) << language;
        EXPECT_LE(valueX + TextWidthOf("9999") + 20 + TextWidthOf(Words.parMatched), ScreenWidth) << language;
    }
    Language = "";
    Words = ScreenWords();
    LevelTitles.fill("");
    LastLevel = 0;
}

}  // namespace
