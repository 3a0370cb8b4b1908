// Par read from "Levels/Par.dat" files written by the tests: good values, values that are
// no number of steps, a missing file and a folder in its place, none of which ends the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "framework/settings.h"
#include "frontend/level_unlocks.h"
#include "frontend/par_table.h"
#include "media/core/program.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

void ThrowFatal(const std::string& message)
{
    throw std::runtime_error(message);
}

class ParTable : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        SetFatalErrorHandler(ThrowFatal);
        std::filesystem::create_directory("Levels");
        WriteFileBytes("Settings.ini", GameFolder::SettingsLines(4, 0, 0));
        LastLevel = 4;
    }
    void TearDown() override
    {
        SetFatalErrorHandler(nullptr);
        LastLevel = 0;
        LevelPar.fill(UnknownPar);
    }
};

TEST_F(ParTable, AValueIsDecimalDigitsOnlyAndAtMostFiveOfThem)
{
    EXPECT_EQ(ParseParValue("25"), 25);
    EXPECT_EQ(ParseParValue("0"), 0);
    EXPECT_EQ(ParseParValue("007"), 7);
    EXPECT_EQ(ParseParValue("99999"), 99999);
    for (const char* bad : {"", "100000", "-3", "+3", "2 5", "25 ", " 25", "x", "0x10", "2.5", "25\t"})
        EXPECT_EQ(ParseParValue(bad), UnknownPar) << '"' << bad << '"';
}

TEST_F(ParTable, TheFileGivesParByLevelNumberAndABadValueOnlyLeavesItsLevelWithout)
{
    // Level 3's line is a comment; level 6 lies past the last level; the first line of a key
    // wins, as in every settings file.
    WriteFileBytes(ParFile, CrLf({"0 = 25", "1 = many", "2 = 7", "2 = 9", "# 3 = 4", "4 = -1", "6 = 8"}));
    ReadParTable();
    EXPECT_EQ(LevelPar[0], 25);
    EXPECT_EQ(LevelPar[1], UnknownPar);
    EXPECT_EQ(LevelPar[2], 7);
    EXPECT_EQ(LevelPar[3], UnknownPar);
    EXPECT_EQ(LevelPar[4], UnknownPar);
    EXPECT_EQ(LevelPar[6], UnknownPar);
    EXPECT_EQ(SettingsFileName, SettingsIniFile);
}

TEST_F(ParTable, NoFileOrAFolderInItsPlaceLeavesEveryParUnknown)
{
    WriteFileBytes(ParFile, CrLf({"0 = 25"}));
    ReadParTable();
    ASSERT_EQ(LevelPar[0], 25);
    std::filesystem::remove(ParFile);
    ReadParTable();
    EXPECT_EQ(LevelPar[0], UnknownPar) << "a second read starts afresh";

    std::filesystem::create_directory(ParFile);
    EXPECT_NO_THROW(ReadParTable());
    EXPECT_EQ(LevelPar[0], UnknownPar);
    EXPECT_EQ(SettingsFileName, SettingsIniFile);
}

TEST_F(ParTable, AnEmptyOrBinaryFileGivesNoPar)
{
    for (const std::string& bytes : {std::string(), std::string("\0\0\0 = 3\r\n", 10), std::string("0=25\r\n"),
                                    std::string(100000, 'x')}) {
        WriteFileBytes(ParFile, bytes);
        ReadParTable();
        EXPECT_EQ(LevelPar[0], UnknownPar) << bytes.size() << " bytes";
    }
}

}  // namespace
