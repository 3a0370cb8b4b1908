// The screens' added texts read from language files written by the tests: in capitals, empty
// where a key is missing, and keys of their own, apart from every key the menus and the
// finish messages read.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "framework/settings.h"
#include "frontend/language.h"
#include "frontend/screen_words.h"
#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

class ScreenWordsTest : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        WriteFileBytes("Settings.ini", GameFolder::SettingsLines(2, 0, 0));
        Language = "Finnish";
    }
    void TearDown() override
    {
        Language = "";
        Words = ScreenWords();
    }
};

TEST_F(ScreenWordsTest, TextsComeInCapitalsAndAMissingKeyLeavesItsTextEmpty)
{
    WriteFileBytes("Finnish.dat", CrLf({"Play.Level = rata", "fin.moves = Siirrot", "fin.cursor = _",
                                        "title.0 = ENSIASKELEET", "title.24 = viimeinen", "title.25 = liikaa"}));
    ReadScreenWords();
    EXPECT_EQ(Words.level, "RATA");
    EXPECT_EQ(Words.moves, "SIIRROT");
    EXPECT_EQ(Words.cursor, "_");
    EXPECT_EQ(Words.par, "");
    EXPECT_EQ(Words.replayEnded, "");
    EXPECT_EQ(Words.titles[0], "ENSIASKELEET");
    EXPECT_EQ(Words.titles[1], "");
    EXPECT_EQ(Words.titles[24], "VIIMEINEN");
    EXPECT_EQ(SettingsFileName, SettingsIniFile);
}

TEST_F(ScreenWordsTest, AFileWithoutTheKeysGivesNoTextAtAll)
{
    WriteFileBytes("Finnish.dat", CrLf({"Number_of_menus = 0", "fin.0 = maalissa"}));
    ReadScreenWords();
    for (const std::string* word : {&Words.level, &Words.par, &Words.moves, &Words.coins, &Words.keys,
                                    &Words.recordToBeat, &Words.noRecord, &Words.parMatched, &Words.cursor,
                                    &Words.replayEnded})
        EXPECT_EQ(*word, "");
    EXPECT_TRUE(std::all_of(Words.titles.begin(), Words.titles.end(), [](const std::string& t) { return t.empty(); }));
}

// The kept screens are taken without these keys, which must then be all the difference.
TEST_F(ScreenWordsTest, TheKeysAreTheirOwnAndNoneIsOneTheMenusOrFinishMessagesRead)
{
    std::vector<std::string> keys = ScreenWordKeys();
    for (int level = 0; level < LevelSlots; ++level)
        keys.push_back(TitleKey(level));
    const std::set<std::string> distinct(keys.begin(), keys.end());
    EXPECT_EQ(distinct.size(), keys.size());
    EXPECT_EQ(TitleKey(7), "title.7");
    for (const std::string& key : keys) {
        EXPECT_EQ(key, LowerText(key));
        EXPECT_FALSE(key.starts_with("menu") || key == "hiscore" || key == "number_of_menus") << key;
        EXPECT_FALSE(key.size() > 0 && key[0] >= '0' && key[0] <= '9') << key << " reads like a menu key";
        for (int i = 0; i < 4; ++i)
            EXPECT_NE(key, "fin." + IntToText(i));
    }
}

}  // namespace
