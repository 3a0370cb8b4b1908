// The real tindlewick binary driven from its command line: scripted input, screenshots and
// the messages and exit statuses of bad arguments.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/temp_dir.h"

namespace {

struct GameRun {
    int status = -1;
    std::string errors;
};

// Runs the game in `folder` with the arguments, its output kept in the folder.
GameRun RunGame(const TempDir& folder, const std::string& arguments)
{
    const std::string command = "cd '" + folder.Path() + "' && '" TINDLEWICK_BUILD_DIR
                                "/frontend/tindlewick' " + arguments + " >out.txt 2>errors.txt";
    const int result = std::system(command.c_str());
    GameRun run;
    run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    run.errors = ReadFileBytes(folder.File("errors.txt"));
    return run;
}

TEST(CommandLine, ABadOptionGivesTheMessageTheUsageAndStatus2)
{
    TempDir folder;
    const GameRun run = RunGame(folder, "--frames soon");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors.rfind("--frames needs a whole number, not: soon\nusage: tindlewick", 0), 0u)
        << run.errors;
}

TEST(CommandLine, ABadScriptNamesTheFileAndLine)
{
    TempDir folder;
    WriteFileBytes(folder.File("walk.txt"), "# walk\n3 press Jump\n");
    const GameRun run = RunGame(folder, "--script walk.txt --data .");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors, "walk.txt, line 2: unknown key \"Jump\".\n");
}

TEST(CommandLine, AScriptedCloseEndsTheRunAfterTheScreenshotsDue)
{
    TempDir folder, data;
    WriteFileBytes(folder.File("close.txt"), "6 close\n");
    const GameRun run = RunGame(folder, "--data '" + data.Path() +
                                        "' --script close.txt --frames 600"
                                        " --screenshot 3:early.png --screenshot 500:late.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    // Written where the game was started, not in its data folder.
    const std::string png = ReadFileBytes(folder.File("early.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x20\0\0\x02\x58", 8)) << "800 x 600";
    EXPECT_TRUE(ReadFileBytes(folder.File("late.png")).empty());
}

}  // namespace
