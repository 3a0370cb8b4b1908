#include "framework/log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "media/core/file_stream.h"
#include "media/core/program.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace {

struct Fatal {
    std::string message;
};

[[noreturn]] void ThrowFatal(const std::string& message)
{
    throw Fatal {message};
}

// Each test starts with logging off, in a folder of its own.
struct LogTest : testing::Test {
    TempDir dir;
    WorkingDir inside {dir.Path()};

    ~LogTest() override
    {
        LogClose();
        SetFatalErrorHandler(nullptr);
    }

    static std::string Log() { return ReadFileBytes("WispLog.txt"); }

    // The lines of the log, each checked to end with CR LF.
    static std::vector<std::string> LogLines()
    {
        std::vector<std::string> lines;
        std::istringstream in(Log());
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(line.ends_with('\r')) << line;
            line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
};

const std::string Time = "[0-2][0-9]:[0-5][0-9]:[0-6][0-9]";

}  // namespace

TEST_F(LogTest, WhileLoggingIsOffNothingTouchesTheDisk)
{
    LogNote("never written");
    LogWarning("never written");
    LogError("never written");
    EXPECT_FALSE(FileExists("WispLog.txt"));

    LogOpen();
    const std::string opened = Log();
    LogClose();
    LogNote("after close");
    EXPECT_EQ(Log(), opened);
}

TEST_F(LogTest, OpenWritesTheBannerAndEntriesFollowWithTheirPrefixes)
{
    WriteFileBytes("WispLog.txt", "an older run\r\n");
    LogOpen();
    EXPECT_THAT(
        Log(), testing::MatchesRegex("-Wisp Framework Log file-\r\n"
                          "This file is created in: [0-3][0-9] [A-Z][a-z]{2} [0-9]{4} - " +
                          Time + "\r\n"))
        << Log();

    LogNote("Changing default config file to: Hiscores.dat");
    LogWarning("Requested data wasnt founded, so its added");
    LogError("Failed to open settings file from: Settings.ini");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_THAT(lines[2],
                testing::MatchesRegex("Note - " + Time + ": Changing default config file to: Hiscores.dat"));
    EXPECT_THAT(lines[3],
                testing::MatchesRegex("WARNING - " + Time + ": Requested data wasnt founded, so its added"));
    EXPECT_THAT(lines[4],
                testing::MatchesRegex("ERROR - " + Time + ": Failed to open settings file from: Settings.ini"));
}

TEST_F(LogTest, EmptyLinesDisappearAtTheNextAppend)
{
    LogOpen();
    WriteFileBytes("WispLog.txt", Log() + "\r\n\r\nadded by hand\r\n\r\n");
    LogNote("next");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "added by hand");
    EXPECT_TRUE(lines[3].ends_with(": next"));
}

TEST_F(LogTest, TheFileKeepsItsFirst200LinesAndTheNewestEntryAsLine201)
{
    LogOpen();
    for (int i = 1; i <= 250; ++i)
        LogNote("entry " + std::to_string(i));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(lines[0], "-Wisp Framework Log file-");
    EXPECT_TRUE(lines[2].ends_with(": entry 1"));
    EXPECT_TRUE(lines[199].ends_with(": entry 198"));
    EXPECT_TRUE(lines[200].ends_with(": entry 250"));
}

TEST_F(LogTest, AnAppendAfterTheFileWentMissingStartsItAgain)
{
    LogOpen();
    LogNote("before");
    RemoveFile("WispLog.txt");
    LogWarning("after");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], testing::MatchesRegex("WARNING - " + Time + ": after"));
}

TEST_F(LogTest, AnAppendThatCannotBeWrittenKeepsTheOldLogAndIsFatal)
{
    LogOpen();
    LogNote("kept");
    const std::string before = Log();
    SetFatalErrorHandler(ThrowFatal);
    try {
        // The disk fills up in the middle of the rewrite, on both tries.
        FileSizeLimit full(before.size() + 20);
        LogNote(std::string(100, 'x'));
        FAIL() << "the append succeeded";
    } catch (const Fatal& fatal) {
        EXPECT_EQ(fatal.message, "Failed to open Log file from: WispLog.txt");
    }
    EXPECT_EQ(Log(), before);
    EXPECT_FALSE(FileExists("WispLog.txt.tmp"));
}

TEST_F(LogTest, FatalLogsTheErrorBeforeItStops)
{
    SetFatalErrorHandler(ThrowFatal);
    EXPECT_THROW(LogFatal("Failed to load image Graphics/Key.gfx"), Fatal);
    EXPECT_FALSE(FileExists("WispLog.txt"));

    LogOpen();
    EXPECT_THROW(LogFatal("Failed to load image Graphics/Key.gfx"), Fatal);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_THAT(lines[2],
                testing::MatchesRegex("ERROR - " + Time + ": Failed to load image Graphics/Key.gfx"));
}

using LogDeathTest = LogTest;

TEST_F(LogDeathTest, FatalEndsTheProgramWithItsMessageAndStatusMinusOne)
{
    EXPECT_EXIT(LogFatal("Failed to load image Graphics/Key.gfx"), testing::ExitedWithCode(255),
                "^Failed to load image Graphics/Key.gfx\n$");
    EXPECT_EXIT(TWisp_Log::Fatal("Failed to open settings file from: Settings.ini"),
                testing::ExitedWithCode(255), "^Failed to open settings file from: Settings.ini\n$");
}

TEST_F(LogDeathTest, ALogThatCannotBeCreatedEndsTheProgram)
{
    // A folder in the way of the temporary file makes every write of the log fail.
    std::filesystem::create_directory("WispLog.txt.tmp");
    EXPECT_EXIT(LogOpen(), testing::ExitedWithCode(255),
                "^Failed to open Log file from: WispLog.txt\n$");
}
