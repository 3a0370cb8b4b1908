// tindlewick --play FILE.lev: a level file played on its own, in the language chosen last,
// without the language screen; finishing or leaving it ends the program normally, and no
// record or unlock of the campaign is touched. A file that is no playable level is refused
// before anything opens, with a message naming the file and what is wrong.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

const std::vector<std::string> Corridor = {"#######", "#@$.*.#", "#######"};

TEST(PlayFile, FinishingTheLevelEndsTheGameAndStoresNothing)
{
    GameFolder game;
    WriteLevel(game.File("friend.lev"), Corridor, {}, "For a friend");
    const std::string settings = game.Read("Settings.ini");
    const std::string hiscores = game.Read("Hiscores.dat");
    // No language screen: the first Right walks. The frame limit lies far beyond the end.
    const GameResult run = game.Run("2 down Right\n50 up Right\n60 press Enter\n",
                                    "--frames 100000 --play " + game.File("friend.lev") + " --screenshot 56:done.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), settings);
    EXPECT_EQ(game.Read("Hiscores.dat"), hiscores);
    EXPECT_FALSE(ReadFileBytes(game.Shot("done.png")).empty());
}

TEST(PlayFile, LeavingThroughThePauseMenuEndsTheGame)
{
    GameFolder game;
    WriteLevel(game.File("friend.lev"), Corridor);
    const GameResult run =
        game.Run("5 press Escape\n8 press Down\n10 press Down\n12 press Enter\n",
                 "--frames 100000 --play " + game.File("friend.lev"));
    EXPECT_EQ(run.status, 0) << run.errors;
}

TEST(PlayFile, AFileThatIsNoPlayableLevelIsRefusedByName)
{
    GameFolder game;
    const std::string level = LevelBytes(Corridor);
    game.Write("short.lev", level.substr(0, 200));
    WriteLevel(game.File("nostart.lev"), {"#######", "#.$.*.#", "#######"});
    WriteLevel(game.File("nogoal.lev"), {"#######", "#@$...#", "#######"});
    WriteLevel(game.File("walled.lev"), {"#######", "#@$#*.#", "#######"});
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"short.lev", "is truncated: it holds 200 bytes where"},
        {"nostart.lev", "cannot be played: it has no start for the player."},
        {"nogoal.lev", "cannot be played: it has no goal."},
        {"walled.lev", "cannot be played: walls keep the player from the goal."},
        {"missing.lev", "Failed to open map file from: "},
    };
    for (const auto& c : cases) {
        const std::string settings = game.Read("Settings.ini");
        const GameResult run = game.Run("", "--frames 5 --play " + game.File(c.file));
        EXPECT_NE(run.status, 0) << c.file;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(game.File(c.file)), std::string::npos) << run.errors;
        EXPECT_EQ(game.Read("Settings.ini"), settings);
    }
}

}  // namespace
