// The record decision and the record store on "Hiscores.dat" files written by the tests.
#include <gtest/gtest.h>

#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/menus.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

class Hiscores : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        WriteFileBytes("Settings.ini", GameFolder::SettingsLines(2, 0, 0));
        WriteFileBytes("Hiscores.dat", GameFolder::HiscoreLines(2));
        LastLevel = 2;
        CurrentLevel = 1;
        CoinsInLevel = 2;
    }
    void TearDown() override
    {
        SetSettingsFile("Settings.ini");
        CoinsInLevel = CoinsTaken = MoveCount = 0;
        ReplayString = "";
    }

    // The run that just entered the goal: its counted steps (without the step onto the goal)
    // and its coins.
    static int Decide(const std::string& steps, int coins)
    {
        ReplayString = steps;
        MoveCount = static_cast<int>(steps.size());
        CoinsTaken = coins;
        SetSettingsFile("Hiscores.dat");
        return DecideRecord();
    }
};

TEST_F(Hiscores, ARecordNeedsEveryCoinAndFewerStepsThanTheStoredOne)
{
    EXPECT_EQ(Decide("DDS", 1), 0) << "a coin was left";
    EXPECT_EQ(Decide("DDSSSSSSSS", 2), 1) << "a free level takes any run with every coin";

    StoreRecord(1, "ANNA");
    EXPECT_EQ(Decide("DDSSSSSSSS", 2), 0) << "as many steps leave the older record";
    EXPECT_EQ(Decide("DDSSSSSSS", 2), 1);
    EXPECT_EQ(Decide("DDS", 1), 0);
}

TEST_F(Hiscores, TheStoreWritesLowerCaseLinesAndReloadsTheTable)
{
    Decide("DDSA", 2);
    StoreRecord(1, "ANNA B");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"),
              CrLf({"0.player = none", "0.score = ", "1.player = anna b", "1.score = ddsa",
                    "2.player = none", "2.score = "}));
    EXPECT_EQ(LevelHiscore[1][0], "ANNA B");
    EXPECT_EQ(LevelHiscore[1][1], "ddsa");
    EXPECT_EQ(LevelHiscore[0][0], "NONE");
    EXPECT_EQ(SettingsFileName, "Settings.ini");

    // No record: nothing is written, the table is read again all the same.
    const std::string before = ReadFileBytes("Hiscores.dat");
    StoreRecord(0, "BEN");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"), before);
}

TEST_F(Hiscores, ANameTypedAsNoneLeavesTheLevelFree)
{
    Decide("DDSA", 2);
    StoreRecord(1, "NONE");
    EXPECT_EQ(Decide("DDSAAAAAAAA", 2), 1);
    // A level whose name line is missing can never be given a record.
    WriteFileBytes("Hiscores.dat", CrLf({"1.score = "}));
    EXPECT_EQ(Decide("D", 2), 0);
}

}  // namespace
