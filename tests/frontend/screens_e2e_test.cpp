// The real game's screens as a player sees them, compared with the pictures kept in
// tests/frontend/screens: the language screen, a level page, a level, the pause menu over it
// and the finish screen of a new record. A screen that changes on purpose is kept anew from
// build/screenshots after a look at it. These are the screens as the menus and the finish
// messages of the language files draw them, without the texts added beside them.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

const std::string Kept = TINDLEWICK_SOURCE_DIR "/tests/frontend/screens/";

TEST(Screens, LanguageScreenLevelAndPauseMenu)
{
    GameFolder game;
    game.DropScreenWords();
    game.WriteLevel(0, {"#######################", "#@....w....#.....k....#",
                        "#.$...w....A.........##", "#.....x....#....o.....#",
                        "#####.##########......#", "#.........a.....$...*.#",
                        "#######################"});
    const GameResult run = game.Run(
        "3 press Enter\n6 press Enter\n9 press Enter\n30 press Escape\n33 press Down\n",
        "--frames 40 --screenshot 1:language.png --screenshot 25:level.png "
        "--screenshot 35:pause.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("language.png"), Kept + "language.png"));
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("level.png"), Kept + "level.png"));
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("pause.png"), Kept + "pause.png"));
}

TEST(Screens, FinishScreenOfANewRecord)
{
    GameFolder game;
    game.DropScreenWords();
    game.WriteLevel(0, {"#######", "#@$.*.#", "#######"});
    const GameResult run = game.Run(
        "3 press Enter\n6 press Enter\n9 press Enter\n12 down Right\n50 up Right\n"
        "60 press A\n62 press N\n64 press N\n66 press A\n",
        "--frames 75 --screenshot 70:finish.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("finish.png"), Kept + "finish.png"));
}

TEST(Screens, LevelPageWithALockedLevelTheHighlightAndABestResult)
{
    GameFolder game;
    game.DropScreenWords();
    game.WriteLevel(0, {"#######", "#@$.*.#", "#######"});
    game.Write("Hiscores.dat", CrLf({"0.player = mira", "0.score = ddsaw", "1.player = none", "1.score = ",
                                     "2.player = none", "2.score = "}));
    const GameResult run = game.Run("3 press Enter\n6 press Enter\n", "--frames 15 --screenshot 10:levels.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("levels.png"), Kept + "levels.png"));
}

}  // namespace
