// The finish sequence run to its end without a display: what it writes and where it leaves
// the game, closed by a key hit made during play, and after the last level.
#include <gtest/gtest.h>

#include "framework/settings.h"
#include "frontend/finish_screen.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "frontend/menus.h"
#include "game/game_state.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "media/core/text.h"
#include "media/platform/input.h"
#include "media/platform/input_state.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

class FinishScreen : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        WriteFileBytes("English.dat", "fin.0 = goal\r\nfin.1 = no record\r\n");
        WriteFileBytes("Hiscores.dat", GameFolder::HiscoreLines(2));
        Language = "English";
        UseLevels(2);
        CurrentLevel = 0;
        MenuChoice = 0;
        GameState = StatePlay;
        CoinsInLevel = 1;
        CoinsTaken = 1;
        MoveCount = 3;
        ReplayString = "DDW";
        ResetKeyboard();
    }
    void TearDown() override
    {
        Language = "";
        CoinsInLevel = CoinsTaken = MoveCount = 0;
        ReplayString = "";
        LevelUnlocked.fill(0);
        ResetKeyboard();
        CloseWasRequested();
        SetSettingsFile("Settings.ini");
    }

    static void UseLevels(int last)
    {
        WriteFileBytes("Settings.ini", GameFolder::SettingsLines(last, 0, 0));
        LastLevel = last;
        LevelUnlocked.fill(0);
        LevelUnlocked[0] = 1;
    }
};

TEST_F(FinishScreen, AnEnterHitDuringPlayClosesItAtOnceAndTheRecordIsStoredUnnamed)
{
    Input.KeyDown(KeyEnter, false);
    RunFinishSequence();
    EXPECT_EQ(GameState, StateLeaveLevel);
    EXPECT_EQ(MenuChoice, 1) << "the next level is highlighted";
    EXPECT_EQ(LevelUnlocked[1], 1);
    EXPECT_EQ(ReadFileBytes("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"),
              CrLf({"0.player = ", "0.score = ddw", "1.player = none", "1.score = ",
                    "2.player = none", "2.score = "}));
    EXPECT_EQ(LevelHiscore[0][1], "ddw");
    EXPECT_EQ(SettingsFileName, "Settings.ini");
}

TEST_F(FinishScreen, TheLastLevelUnlocksNothingPastTheTable)
{
    UseLevels(24);
    CurrentLevel = 24;
    Input.KeyDown(KeyEscape, false);
    RunFinishSequence();
    EXPECT_EQ(GameState, StateLeaveLevel);
    // Its key is written, where it does no harm; the table keeps what the file says.
    const std::string settings = ReadFileBytes("Settings.ini");
    EXPECT_EQ(settings.substr(settings.size() - 8), "25 = 1\r\n");
    EXPECT_EQ(LevelUnlocked[0], 1);
    for (int level = 1; level < LevelSlots; ++level)
        EXPECT_EQ(LevelUnlocked[level], 0) << level;
}

}  // namespace
