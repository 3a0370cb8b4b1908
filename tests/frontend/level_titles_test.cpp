// Level titles from level files and language files written by the tests, and the level's
// name the screens show.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/level_titles.h"
#include "frontend/level_unlocks.h"
#include "frontend/screen_words.h"
#include "game/level_format.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

class LevelTitlesTest : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        std::filesystem::create_directory("Levels");
        LastLevel = 3;
        Words.level = "LEVEL";
    }
    void TearDown() override
    {
        LastLevel = 0;
        Words = ScreenWords();
        LevelTitles.fill("");
    }
};

const std::vector<std::string> Room = {"#####", "#@.*#", "#####"};

TEST_F(LevelTitlesTest, TheLanguageFilesTitleWinsOverTheLevelFilesWhichComesInCapitals)
{
    WriteLevel(LevelFilePath(0), Room, {}, "Doorstop");
    WriteLevel(LevelFilePath(1), Room, {}, "Lumber Mill");
    WriteLevel(LevelFilePath(2), Room, {}, "");
    Words.titles[1] = "SAHA";
    ReadLevelTitles();
    EXPECT_EQ(LevelTitles[0], "DOORSTOP");
    EXPECT_EQ(LevelTitles[1], "SAHA");
    EXPECT_EQ(LevelTitles[2], "");
    EXPECT_EQ(LevelName(0), "LEVEL 1: DOORSTOP");
    EXPECT_EQ(LevelName(2), "LEVEL 3") << "a level without a title has its number";
}

TEST_F(LevelTitlesTest, ALevelFileThatCannotBeReadGivesNoTitleAndStopsNothing)
{
    WriteLevel(LevelFilePath(0), Room, {}, "Doorstop");
    WriteFileBytes(LevelFilePath(1), "\x05\0\0\0Tr");
    std::filesystem::create_directory(LevelFilePath(2));
    // Level 3 has no file at all; its language title still stands.
    Words.titles[3] = "HOLVI";
    ReadLevelTitles();
    EXPECT_EQ(LevelTitles[0], "DOORSTOP");
    EXPECT_EQ(LevelTitles[1], "");
    EXPECT_EQ(LevelTitles[2], "");
    EXPECT_EQ(LevelTitles[3], "HOLVI");
    EXPECT_EQ(LevelTitles[4], "") << "past the last level";
}

TEST_F(LevelTitlesTest, WithoutTheLanguagesWordForALevelThereIsNoName)
{
    WriteLevel(LevelFilePath(0), Room, {}, "Doorstop");
    ReadLevelTitles();
    Words.level = "";
    EXPECT_EQ(LevelName(0), "");
    Words.level = "RATA";
    EXPECT_EQ(LevelName(-1), "");
    EXPECT_EQ(LevelName(LevelSlots), "");
}

}  // namespace
