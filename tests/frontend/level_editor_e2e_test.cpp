// The level editor, played through the real binary from the main menu: a level built with
// the mouse alone and one with the keyboard alone, saved into the player's "levels" folder
// through the one level format and compared byte for byte with the level they should be; the
// mouse-built one test-played to its goal in the real session, which stores no record and
// comes back to the editor. A level that cannot be played is kept as a draft.
#include <gtest/gtest.h>

#include "game/level_format.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

// The language screen, then the main menu's fourth entry.
const std::string ToEditor = "3 press Enter\n6 press Down\n8 press Down\n10 press Down\n12 press Enter\n";
// From the editor back to the menu, and the menu's last entry, past MY LEVELS.
std::string QuitFrom(int frame)
{
    return std::to_string(frame) + " press Escape\n" + std::to_string(frame + 4) + " press Down\n" +
           std::to_string(frame + 6) + " press Down\n" + std::to_string(frame + 8) + " press Enter\n";
}

// The middle of palette tool `index`, and of cell (column, row) of the field.
std::string Tool(int frame, int index)
{
    return std::to_string(frame) + " pointer " + std::to_string(25 + 34 * index) + " 559\n" +
           std::to_string(frame + 1) + " press mouse1\n";
}
std::string Pointer(int frame, int column, int row)
{
    return std::to_string(frame) + " pointer " + std::to_string(66 + 32 * column) + " " +
           std::to_string(41 + 32 * row) + "\n";
}

constexpr int FloorTool = 0, StartTool = 6, GoalTool = 7, CoinTool = 21;

TEST(LevelEditor, ALevelBuiltWithTheMouseIsSavedTestPlayedToItsGoalAndStoresNoRecord)
{
    GameFolder game;
    const std::string hiscores = game.Read("Hiscores.dat");
    const std::string script =
        ToEditor + Tool(15, FloorTool) + Pointer(18, 1, 1) + "19 down mouse1\n" + Pointer(21, 5, 1) + "22 up mouse1\n" +
        Tool(24, StartTool) + Pointer(26, 1, 1) + "27 press mouse1\n" + Tool(28, GoalTool) + Pointer(30, 5, 1) +
        "31 press mouse1\n" + Tool(32, CoinTool) + Pointer(34, 3, 1) + "35 press mouse1\n" + Pointer(36, 4, 1) +
        "37 press mouse1\n38 press mouse2\n40 press N\n42 type Mouse\n43 type Walk\n44 press Enter\n46 press S\n"
        "50 press T\n55 down Right\n130 up Right\n140 press Enter\n" + QuitFrom(150);
    const GameResult run = game.Run(script, "--frames 400 --screenshot 48:editor.png --screenshot 135:finish.png "
                                            "--screenshot 146:back.png");
    EXPECT_EQ(run.status, 0) << run.errors;

    LevelData expected;
    expected.title = "MouseWalk";
    expected.coins = 1;
    for (int column = 1; column <= 5; ++column)
        expected.At(column, 1).ground = GroundFloorCode;
    expected.At(1, 1).switches = SwitchStartCode;
    expected.At(5, 1).switches = SwitchCodeOf({SwitchKind::Goal, 0});
    expected.At(3, 1).item = ItemCoin;
    EXPECT_EQ(game.Read("levels/mousewalk.lev"), EncodeLevel(expected));
    EXPECT_EQ(game.Read("Hiscores.dat"), hiscores);
    EXPECT_FALSE(ReadFileBytes(game.Shot("finish.png")).empty());
}

TEST(LevelEditor, ALevelBuiltWithTheKeyboardAloneIsSavedWithItsUndoneStepMadeAgain)
{
    GameFolder game;
    // The cursor starts at column 11, row 8, on the first tool, a floor.
    const std::string script =
        ToEditor + "15 press Space\n16 press Right\n17 press Space\n18 press Right\n19 press Space\n"
        "20 press E\n21 press E\n22 press E\n23 press E\n24 press E\n25 press E\n26 press Left\n27 press Left\n"
        "28 press Space\n29 press E\n30 press Right\n31 press Right\n32 press Space\n33 press Z\n35 press Y\n"
        "36 press Q\n37 press X\n38 press Z\n40 press N\n42 type Keys\n44 press Enter\n46 press S\n" + QuitFrom(50);
    const GameResult run = game.Run(script, "--frames 200");
    EXPECT_EQ(run.status, 0) << run.errors;

    LevelData expected;
    expected.title = "Keys";
    for (int column = 11; column <= 13; ++column)
        expected.At(column, 8).ground = GroundFloorCode;
    expected.At(11, 8).switches = SwitchStartCode;
    expected.At(13, 8).switches = SwitchCodeOf({SwitchKind::Goal, 0});
    EXPECT_EQ(game.Read("levels/keys.lev"), EncodeLevel(expected));
}

TEST(LevelEditor, ALevelThatCannotBePlayedIsKeptAsADraftAndNotTestPlayed)
{
    GameFolder game;
    // The goal alone: no start.
    const std::string script = ToEditor + Tool(15, GoalTool) + Pointer(17, 2, 2) + "18 press mouse1\n"
                               "20 press T\n24 press S\n" + QuitFrom(40);
    const GameResult run = game.Run(script, "--frames 100 --screenshot 22:problem.png --screenshot 30:draft.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    LevelData expected;
    expected.At(2, 2).switches = SwitchCodeOf({SwitchKind::Goal, 0});
    EXPECT_EQ(game.Read("levels/untitled.lev"), EncodeLevel(expected));
}

}  // namespace
