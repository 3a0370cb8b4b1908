// The real tindlewick binary driven from its command line: scripted input, screenshots, the
// frame limit, and the messages and exit statuses of bad arguments.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(CommandLine, ABadOptionGivesTheMessageTheUsageAndStatus2)
{
    TempDir folder;
    const GameResult run = RunTindlewick(folder.Path(), "--frames soon");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors.rfind("--frames needs a whole number, not: soon\nusage: tindlewick", 0), 0u)
        << run.errors;
}

TEST(CommandLine, HelpListsTheOptions)
{
    TempDir folder;
    const GameResult run = RunTindlewick(folder.Path(), "--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(ReadFileBytes(folder.File("out.txt")).find("--screenshot FRAME:FILE"),
              std::string::npos);
}

TEST(CommandLine, ABadScriptNamesTheFileAndLine)
{
    TempDir folder;
    WriteFileBytes(folder.File("walk.txt"), "# walk\n3 press Jump\n");
    const GameResult run = RunTindlewick(folder.Path(), "--script walk.txt --data .");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors, "walk.txt, line 2: unknown key \"Jump\".\n");
}

TEST(CommandLine, AScriptedCloseEndsTheRunAfterTheScreenshotsDue)
{
    GameFolder game;
    const GameResult run = game.Run("6 close\n", "--frames 600 --screenshot 3:early.png "
                                                 "--screenshot 500:late.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    // Written where the game was started, not in its data folder.
    const std::string png = ReadFileBytes(game.Shot("early.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x20\0\0\x02\x58", 8)) << "800 x 600";
    EXPECT_TRUE(ReadFileBytes(game.Shot("late.png")).empty());
}

TEST(CommandLine, TheFrameLimitEndsTheGameAsACloseRequestWould)
{
    // In the menu: the main loop ends and the game exits normally, without the farewell.
    GameFolder game;
    const GameResult run = game.Run("2 press Enter\n", "--frames 10 --screenshot 9:last.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(ReadFileBytes(game.Shot("last.png")).empty());
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
}

}  // namespace
