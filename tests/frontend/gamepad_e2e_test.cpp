// Rounds of the real game driven by the gamepad alone, through SDL's virtual joystick: the
// language screen, the menus with the d-pad and the stick, a level, a name typed with the
// pad, the record's replay and the pause menu; and a pad pulled out and plugged in again.
#include <gtest/gtest.h>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

// Take the coin, step on the floor, then the goal: a record of two steps, "DD".
const std::vector<std::string> CoinInTheWay = {"#######", "#@$.*.#", "#######"};

class GamepadRound : public testing::Test {
protected:
    GameFolder game;

    void SetUp() override
    {
        for (int level = 0; level <= 2; ++level)
            game.WriteLevel(level, CoinInTheWay);
    }
};

TEST_F(GamepadRound, APadAlonePlaysALevelTypesTheNameAndWatchesTheReplay)
{
    const GameResult run = game.Run(
        // B on the language screen does not end the game; A takes English, PLAY, LEVEL 1.
        "1 press pad:b\n3 press pad:a\n6 press pad:a\n9 press pad:a\n"
        // The d-pad walks three steps right, the last onto the goal.
        "12 down pad:dpright\n58 up pad:dpright\n"
        // A adds the A offered first; down offers B, right adds it; down twice offers D, A
        // adds it and B takes it back; up offers C, A adds it; Start ends: "ABC".
        "70 press pad:a\n72 press pad:dpdown\n74 press pad:dpright\n76 press pad:dpdown\n"
        "78 press pad:dpdown\n80 press pad:a\n82 press pad:b\n84 press pad:dpup\n86 press pad:a\n"
        "90 press pad:start\n"
        // LEVEL 2 is highlighted; the stick pushed up comes back to LEVEL 1, Y replays it.
        "95 down pad:lefty-\n97 up pad:lefty-\n100 press pad:y\n"
        // Start pauses the replay; the d-pad and A take "Exit to menu".
        "140 press pad:start\n143 press pad:dpdown\n146 press pad:dpdown\n149 press pad:a\n",
        "--frames 170 --screenshot 2:language.png --screenshot 20:play.png --screenshot 88:name.png "
        "--screenshot 135:replay.png --screenshot 145:pause.png --screenshot 165:menu.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Hiscores.dat"),
              CrLf({"0.player = abc", "0.score = dd", "1.player = none", "1.score = ", "2.player = none", "2.score = ",
                    "0.frames = 3 19"}));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 1, 0)));

    const FramePixels language = LoadScreenshot(game.Shot("language.png"));
    const FramePixels play = LoadScreenshot(game.Shot("play.png"));
    const FramePixels name = LoadScreenshot(game.Shot("name.png"));
    const FramePixels replay = LoadScreenshot(game.Shot("replay.png"));
    const FramePixels menu = LoadScreenshot(game.Shot("menu.png"));
    ASSERT_EQ(language.width, 800);
    ASSERT_EQ(play.width, 800);
    ASSERT_EQ(name.width, 800);
    ASSERT_EQ(menu.width, 800);
    const Rgb playGreen = AverageColor(play, 620, 400, 100, 100);
    EXPECT_GT(playGreen.green, playGreen.blue) << playGreen;
    // While a pad is plugged in, the finish screen says how to type with it, at the bottom.
    EXPECT_GT(BrightestIn(name, 100, 535, 600, 25), 230);
    EXPECT_LT(BrightestIn(language, 100, 535, 600, 25), 230);
    EXPECT_GT(BrightestIn(replay, 320, 310, 160, 30), 230) << "the replay caption";
    const Rgb menuBlue = AverageColor(menu, 620, 400, 100, 100);
    EXPECT_GT(menuBlue.blue, menuBlue.green) << "back on the level page";
}

TEST_F(GamepadRound, APadPulledOutLetsGoOfItsKeysAndWorksWhenPluggedInAgain)
{
    const GameResult run = game.Run(
        // English, PLAY, LEVEL 1; the pad is pulled out while the d-pad holds Right, after
        // one step: the player stops.
        "3 press pad:a\n6 press pad:a\n9 press pad:a\n12 down pad:dpright\n20 up pad\n"
        // Plugged in again, it walks the other two steps onto the goal; Start ends unnamed.
        "60 down pad\n62 down pad:dpright\n100 up pad:dpright\n110 press pad:start\n",
        "--frames 130 --screenshot 50:stopped.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Hiscores.dat"),
              CrLf({"0.player = ", "0.score = dd", "1.player = none", "1.score = ", "2.player = none", "2.score = ",
                    "0.frames = 3 53"}));
    // Stopped after one step, long before the goal: the level is still played.
    const FramePixels stopped = LoadScreenshot(game.Shot("stopped.png"));
    ASSERT_EQ(stopped.width, 800);
    const Rgb playGreen = AverageColor(stopped, 620, 400, 100, 100);
    EXPECT_GT(playGreen.green, playGreen.blue) << "the finish screen is blue";
}

}  // namespace
