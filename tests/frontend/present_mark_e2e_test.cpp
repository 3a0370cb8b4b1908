// The benchmarks' present mark: the real game, given a file descriptor in
// TINDLEWICK_PRESENT_FD, writes the time of each frame it presents there, and tells of a
// descriptor it cannot write to without stopping.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <unistd.h>

#include "tests/support/game_folder.h"

namespace {

// The game started with TINDLEWICK_PRESENT_FD set to `descriptor`.
GameResult RunMarked(const GameFolder& game, const std::string& descriptor, int frames)
{
    setenv("TINDLEWICK_PRESENT_FD", descriptor.c_str(), 1);
    const GameResult run = game.Run("", "--frames " + std::to_string(frames));
    unsetenv("TINDLEWICK_PRESENT_FD");
    return run;
}

TEST(PresentMark, EachPresentedFrameGetsALineWithItsTime)
{
    GameFolder game;
    const std::string marks = game.File("marks.txt");
    const int descriptor = open(marks.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    const GameResult run = RunMarked(game, std::to_string(descriptor), 6);
    close(descriptor);
    EXPECT_EQ(run.status, 0) << run.errors;

    std::istringstream lines(ReadFileBytes(marks));
    int count = 0;
    long long last = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << line;
        EXPECT_GE(std::stoll(line), last);
        last = std::stoll(line);
    }
    EXPECT_EQ(count, 6);
}

TEST(PresentMark, ADescriptorThatIsNotOpenIsReportedAndTheGameRunsToItsEnd)
{
    GameFolder game;
    const GameResult run = RunMarked(game, "987", 3);
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string message = "TINDLEWICK_PRESENT_FD: Bad file descriptor\n";
    EXPECT_EQ(run.errors, message + message + message);
}

}  // namespace
