// Whole rounds of the real game as a player plays them, from scripted key presses: choose a
// language, walk the menus, play a level, finish it, type a name, watch the record again;
// and the game closed in the middle of a level or of the finish screen.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

// Take the coin, step on the floor, then the goal: a record of two steps, "DD".
const std::vector<std::string> CoinInTheWay = {"#######", "#@$.*.#", "#######"};
// The coin lies below the way to the goal.
const std::vector<std::string> CoinAside = {"#######", "#@..*.#", "#.$...#", "#######"};

// The middle of cell (column, row) on the screen, and a square around it.
int CellX(int column)
{
    return 50 + 32 * column;
}
int CellY(int row)
{
    return 25 + 32 * row;
}
Rgb CellColor(const FramePixels& frame, int column, int row)
{
    return AverageColor(frame, CellX(column) + 4, CellY(row) + 4, 24, 24);
}

// "Hiscores.dat" after a record on level 0, the other two levels free; the frames of the
// record's steps come last, a key the shipped file does not have.
std::string RecordOnLevel0(const std::string& name, const std::string& steps, const std::string& frames)
{
    return CrLf({"0.player = " + name, "0.score = " + steps, "1.player = none", "1.score = ",
                 "2.player = none", "2.score = ", "0.frames = " + frames});
}

class GameRound : public testing::Test {
protected:
    GameFolder game;

    void SetUp() override
    {
        game.WriteLevel(0, CoinInTheWay);
        game.WriteLevel(1, CoinAside);
        game.WriteLevel(2, CoinAside);
    }
};

TEST_F(GameRound, EnglishRecordUnlockAndReplay)
{
    const GameResult run = game.Run(
        // English; PLAY; LEVEL 2 is locked and Enter does nothing; LEVEL 1.
        "3 press Enter\n6 press Enter\n9 press Down\n12 press Enter\n15 press Up\n18 press Enter\n"
        // Three steps right, the last onto the goal; the finish screen takes the name.
        "21 down Right\n60 up Right\n70 press A\n72 press N\n74 press N\n76 press A\n"
        "80 press Enter\n"
        // Back on the level page LEVEL 2 is highlighted; Up and F1 replay LEVEL 1's record.
        "85 press Up\n88 press F1\n"
        // Pause, "Exit to menu", then MAIN MENU and QUIT.
        "135 press Escape\n138 press Down\n140 press Down\n142 press Enter\n"
        "146 press Up\n149 press Enter\n152 press Up\n155 press Enter\n",
        "--frames 400 --screenshot 14:locked.png --screenshot 19:start.png "
        "--screenshot 80:left.png --screenshot 81:leaving.png --screenshot 130:replay.png "
        "--screenshot 144:menu.png --screenshot 155:quitting.png --screenshot 156:after.png");
    const auto ended = std::filesystem::file_time_type::clock::now();
    EXPECT_EQ(run.status, 0) << run.errors;

    EXPECT_EQ(game.Read("Hiscores.dat"), RecordOnLevel0("anna", "dd", "3 19"));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));

    // Enter on the locked level left the menu on the screen: blue, no green play field.
    const FramePixels locked = LoadScreenshot(game.Shot("locked.png"));
    const FramePixels start = LoadScreenshot(game.Shot("start.png"));
    ASSERT_EQ(locked.width, 800);
    ASSERT_EQ(start.width, 800);
    const Rgb menuBlue = AverageColor(locked, 620, 400, 100, 100);
    EXPECT_GT(menuBlue.blue, menuBlue.green) << menuBlue;
    const Rgb playGreen = AverageColor(start, 620, 400, 100, 100);
    EXPECT_GT(playGreen.green, playGreen.blue) << playGreen;

    // Between the finish screen and the menu the screen shows the menu's background: not the
    // level again, nor an empty white frame.
    for (const char* shot : {"left.png", "leaving.png"}) {
        const FramePixels frame = LoadScreenshot(game.Shot(shot));
        ASSERT_EQ(frame.width, 800) << shot;
        EXPECT_TRUE(ColorNear(AverageColor(frame, 620, 400, 100, 100), menuBlue, 8)) << shot;
        EXPECT_TRUE(ColorNear(AverageColor(frame, 60, 300, 100, 100),
                              AverageColor(locked, 60, 300, 100, 100), 8))
            << shot;
    }

    // The replay walked the player from its start to the cell before the goal, and stays
    // there under its caption.
    const FramePixels replay = LoadScreenshot(game.Shot("replay.png"));
    ASSERT_EQ(replay.width, 800);
    EXPECT_TRUE(ColorNear(CellColor(replay, 1, 1), CellColor(start, 3, 1), 6)) << "start left";
    EXPECT_TRUE(ColorNear(CellColor(replay, 3, 1), CellColor(start, 1, 1), 16)) << "player there";
    EXPECT_GT(BrightestIn(replay, 320, 310, 160, 30), 230) << "the replay caption";
    EXPECT_LT(BrightestIn(start, 320, 310, 160, 30), 150);

    // The pause menu's last entry led back to the level page.
    const FramePixels menu = LoadScreenshot(game.Shot("menu.png"));
    EXPECT_TRUE(ColorNear(AverageColor(menu, 620, 400, 100, 100), menuBlue, 8));

    // QUIT ended the game in the frame it was chosen, long before its 400 frames ran out,
    // after the farewell sound's 800 ms.
    ASSERT_TRUE(std::filesystem::exists(game.Shot("quitting.png")));
    EXPECT_FALSE(std::filesystem::exists(game.Shot("after.png"))) << "a frame after QUIT";
    const std::chrono::duration<double> farewell =
        ended - std::filesystem::last_write_time(game.Shot("quitting.png"));
    EXPECT_GE(farewell.count(), 0.8);
}

TEST_F(GameRound, FinnishRecordAfterARestartCountsOnlyTheStepsSinceIt)
{
    game.WriteLevel(0, CoinAside);
    const GameResult run = game.Run(
        // Suomi; PELAA; TASO 1.
        "2 press Right\n4 press Enter\n7 press Enter\n10 press Enter\n"
        // One step right, then pause and "Aloita rata alusta".
        "14 down Right\n16 up Right\n40 press Escape\n43 press Down\n46 press Enter\n"
        // Down, right over the coin, right, up, right onto the goal.
        "50 down Down\n52 up Down\n70 down Right\n72 up Right\n90 down Right\n92 up Right\n"
        "110 down Up\n112 up Up\n130 down Right\n132 up Right\n"
        "150 press O\n152 press L\n154 press L\n156 press I\n158 press Enter\n",
        "--frames 175 --screenshot 41:pause.png --screenshot 155:finish.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Hiscores.dat"), RecordOnLevel0("olli", "sddw", "4 24 44 64"));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));
}

TEST_F(GameRound, AGoalWithoutEveryCoinUnlocksButStoresNoRecord)
{
    game.WriteLevel(0, CoinAside);
    const GameResult run = game.Run(
        "3 press Enter\n6 press Enter\n9 press Enter\n12 down Right\n70 up Right\n"
        "80 press A\n82 press Enter\n",
        "--frames 90");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Hiscores.dat"), GameFolder::HiscoreLines(2));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));
}

TEST_F(GameRound, ClosingDuringPlayWritesNothing)
{
    const GameResult run =
        game.Run("3 press Enter\n6 press Enter\n9 press Enter\n12 down Right\n20 close\n",
                 "--frames 200");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
    EXPECT_EQ(game.Read("Hiscores.dat"), GameFolder::HiscoreLines(2));
}

TEST_F(GameRound, ClosingTheFinishScreenStillWritesTheUnlockAndTheRecord)
{
    const GameResult run = game.Run(
        "3 press Enter\n6 press Enter\n9 press Enter\n12 down Right\n70 up Right\n"
        "75 press B\n77 press O\n80 close\n",
        "--frames 200");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Hiscores.dat"), RecordOnLevel0("bo", "dd", "3 19"));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));
}

}  // namespace
