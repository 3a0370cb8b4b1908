// The record decision and the record store on "Hiscores.dat" files written by the tests.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/menus.h"
#include "game/game_object.h"
#include "game/game_state.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "tests/support/game_folder.h"
#include "tests/support/level_builder.h"
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
        StepFrames.clear();
        Player->ReplayMoves.clear();
        Player->ReplayFrames.clear();
        TGameObject::ClearAll();
        GameState = StateMenu;
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

// Level 1 with the record "dd", and `frames` as its L.frames.
void WriteRecordWithFrames(const std::string& frames)
{
    WriteFileBytes("Hiscores.dat", CrLf({"0.player = none", "0.score = ", "1.player = anna", "1.score = dd",
                                         "1.frames = " + frames, "2.player = none", "2.score = "}));
}

TEST_F(Hiscores, TheFramesOfARecordGoInTheSameRewriteAndReplaceOlderOnes)
{
    Decide("DDSA", 2);
    StoreRecord(1, "ANNA", "3 19 40 56");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"),
              CrLf({"0.player = none", "0.score = ", "1.player = anna", "1.score = ddsa", "2.player = none",
                    "2.score = ", "1.frames = 3 19 40 56"}));
    Decide("DDS", 2);
    StoreRecord(1, "BEN", "5 21 37");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"),
              CrLf({"0.player = none", "0.score = ", "1.player = ben", "1.score = dds", "2.player = none",
                    "2.score = ", "1.frames = 5 21 37"}));
    // A record that did not replay as played must not keep the frames of the one before.
    Decide("DD", 2);
    StoreRecord(1, "CY", "");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"),
              CrLf({"0.player = none", "0.score = ", "1.player = cy", "1.score = dd", "2.player = none",
                    "2.score = ", "1.frames = "}));
}

class HiscoreReplays : public Hiscores {
protected:
    void SetUp() override
    {
        Hiscores::SetUp();
        std::filesystem::create_directory("Levels");
        WriteLevel(LevelFilePath(1), {"######", "#@$.*#", "######"});
    }
};

TEST_F(HiscoreReplays, FramesThatFitTheLettersReplayFrameForFrame)
{
    WriteRecordWithFrames("3 40");
    StartReplay(1);
    EXPECT_EQ(GameState, StateReplay);
    EXPECT_EQ(Player->ReplayMoves, "DD");
    EXPECT_EQ(Player->ReplayFrames, (std::vector<int>{3, 40}));
    EXPECT_EQ(Player->NextReplayLetter(), "") << "the player takes the steps itself";
    // Blanks the hand of a player who edited the file may leave.
    WriteRecordWithFrames(" 3   40 ");
    StartReplay(1);
    EXPECT_EQ(Player->ReplayFrames, (std::vector<int>{3, 40}));
}

TEST_F(HiscoreReplays, FramesThatDoNotFitOrAreMissingFallBackToTheLetters)
{
    for (const char* frames : {"3", "3 40 50", "40 3", "3 3", "0 40", "3 x", "3 -40", "3,40", "3 99999999999"}) {
        WriteRecordWithFrames(frames);
        StartReplay(1);
        EXPECT_EQ(Player->ReplayMoves, "DD") << frames;
        EXPECT_TRUE(Player->ReplayFrames.empty()) << frames;
        EXPECT_EQ(Player->NextReplayLetter(), "D") << frames;
    }
    WriteFileBytes("Hiscores.dat", CrLf({"1.player = anna", "1.score = dd"}));
    Player->ReplayFrames = {1, 2};
    StartReplay(1);
    EXPECT_TRUE(Player->ReplayFrames.empty()) << "an older file without frames";
}

TEST_F(HiscoreReplays, TheRunsFramesAreStoredOnlyWhenTheyReplayAsPlayed)
{
    // The run that has just entered the goal, as the finish sequence asks: two steps, the
    // coin taken, the player before the goal.
    CurrentLevel = 1;
    ReplayString = "DD";
    StepFrames = {3, 40};
    CoinsTaken = 1;
    Player->X = 50 + 32 * 3;
    Player->Y = 25 + 32;
    EXPECT_EQ(CheckedStepFrames(), "3 40");
    EXPECT_EQ(ReplayString, "DD") << "the run is left as it was";
    EXPECT_EQ(StepFrames, (std::vector<int>{3, 40}));
    EXPECT_EQ(Player->X, 50 + 32 * 3);
    StepFrames = {3, 10};
    EXPECT_EQ(CheckedStepFrames(), "") << "a step taken while the last still went on";
    StepFrames = {3, 40};
    Player->X = 50 + 32 * 2;
    EXPECT_EQ(CheckedStepFrames(), "") << "not where the run ended";
}

}  // namespace
