#include "framework/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "framework/log.h"
#include "media/core/file_stream.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace {

// Each test works in a folder of its own with the log switched on, so that the warnings
// can be read back.
struct SettingsTest : testing::Test {
    TempDir dir;
    WorkingDir inside {dir.Path()};

    SettingsTest()
    {
        LogOpen();
        SettingsFileName = "Settings.ini";
    }
    ~SettingsTest() override { LogClose(); }

    static std::string Log() { return ReadFileBytes("WispLog.txt"); }
    static bool Logged(const std::string& entry) { return Log().find(entry) != std::string::npos; }
};

const std::string IntWarning =
    "Returning zero value from 'ReadSettingInt'-function, while searching for: ";
const std::string StrWarning =
    "Returning zero value from 'ReadSettingStr'-function, while searching for: ";

struct ReadCase {
    const char* file;
    const char* key;
    bool asInt;
    const char* value;  // for an integer read, its decimal digits
    bool warns;
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << '"' << c.file << "\" key \"" << c.key << '"';
}

struct SettingsReadTest : SettingsTest, testing::WithParamInterface<ReadCase> {};

}  // namespace

TEST_P(SettingsReadTest, ReadsTheFirstMatchingLineInLowerCase)
{
    const ReadCase& c = GetParam();
    WriteFileBytes("Settings.ini", c.file);
    if (c.asInt) {
        EXPECT_EQ(ReadSettingInt(c.key), std::stoi(c.value));
        EXPECT_EQ(Logged(IntWarning + c.key + "\r\n"), c.warns);
    } else {
        EXPECT_EQ(ReadSettingStr(c.key), c.value);
        EXPECT_EQ(Logged(StrWarning + c.key + "\r\n"), c.warns);
    }
    EXPECT_EQ(ReadFileBytes("Settings.ini"), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsReadTest,
    testing::Values(
        ReadCase {"Graphics_width = 640\r\n", "graphics_WIDTH", true, "640", false},
        ReadCase {"Driver = OpenGL\r\n", "Driver", false, "opengl", false},
        ReadCase {"Music = 1\r\nmusic = 0\r\n", "Music", true, "1", false},
        ReadCase {"Music=1\r\n", "Music", true, "0", true},
        ReadCase {"music  =  1\r\n music = 1\r\n", "music", true, "0", true},
        ReadCase {"#Music = 1\r\n", "#Music", true, "0", true},
        ReadCase {"Levels = 12abc\r\n", "Levels", true, "12", false},
        ReadCase {"Levels = abc\r\n", "Levels", true, "0", false},
        ReadCase {"music = 1\r\n", "Driver", false, "", true},
        ReadCase {"music = 1\r\n", "Levels", true, "0", true},
        ReadCase {"a = b a = c\r\n", "a", false, "b c", false},
        ReadCase {"a = ba = c\r\n", "a", false, "bc", false},
        ReadCase {"0.player = \xc4NNI  \r\n", "0.player", false, "\xc4nni  ", false},
        ReadCase {"Driver = Open\rGL", "driver", false, "opengl", false},
        ReadCase {"x = 1\ny = 2\n", "y", true, "2", false}));

TEST_F(SettingsTest, ALineEndsAtANulByte)
{
    WriteFileBytes("Settings.ini", std::string("x = 1\0y = 2\r\n", 13));
    EXPECT_EQ(ReadSettingInt("x"), 1);
    EXPECT_EQ(ReadSettingInt("y"), 2);
}

TEST_F(SettingsTest, SetFileNotesTheChangeAndEveryReadSeesTheDiskAsItIsNow)
{
    WriteFileBytes("Hiscores.dat", "1.score = 40\r\n");
    SetSettingsFile("Hiscores.dat");
    EXPECT_EQ(SettingsFileName, "Hiscores.dat");
    EXPECT_TRUE(Logged(": Changing default config file to: Hiscores.dat\r\n"));
    EXPECT_EQ(ReadSettingInt("1.score"), 40);
    WriteFileBytes("Hiscores.dat", "1.score = 38\r\n");
    EXPECT_EQ(TWisp_Config::ReadSettingInt("1.score"), 38);
    TWisp_Config::SetFile("Settings.ini");
    EXPECT_EQ(SettingsFileName, "Settings.ini");
}

using SettingsDeathTest = SettingsTest;

TEST_F(SettingsDeathTest, ReadingAMissingFileEndsTheProgram)
{
    SetSettingsFile("Missing.ini");
    EXPECT_EXIT(ReadSettingInt("music"), testing::ExitedWithCode(255),
                "^Failed to open settings file from: Missing.ini\n$");
    EXPECT_EXIT(ReadSettingStr("driver"), testing::ExitedWithCode(255),
                "^Failed to open settings file from: Missing.ini\n$");
}

namespace {

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: the file does not exist
    const char* key;
    const char* value;
    const char* after;
    bool warns;
};

void PrintTo(const WriteCase& c, std::ostream* out)
{
    *out << c.name;
}

struct SettingsWriteTest : SettingsTest, testing::WithParamInterface<WriteCase> {};

}  // namespace

TEST_P(SettingsWriteTest, RewritesTheWholeFileInLowerCase)
{
    const WriteCase& c = GetParam();
    if (c.before)
        WriteFileBytes("Settings.ini", c.before);
    WriteSetting(c.key, c.value);
    EXPECT_EQ(ReadFileBytes("Settings.ini"), c.after);
    EXPECT_EQ(Logged(": Requested data wasnt founded, so its added\r\n"), c.warns);
    EXPECT_FALSE(FileExists("Settings.ini.tmp"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsWriteTest,
    testing::Values(
        WriteCase {"OnlyTheExactKeyIsReplaced", "1 = 1\r\n10 = 1\r\n", "1", "5",
                   "1 = 5\r\n10 = 1\r\n", false},
        WriteCase {"CommentsStayAndEverythingIsLowered",
                   "# Display\r\nGraphics_width = 640\r\nmusic = 1\r\n", "music", "0",
                   "# display\r\ngraphics_width = 640\r\nmusic = 0\r\n", false},
        WriteCase {"AMissingKeyIsAppended", "music = 1\r\n", "2.player", "ANNA",
                   "music = 1\r\n2.player = anna\r\n", true},
        WriteCase {"EveryMatchingLineIsReplaced", "music = 1\r\nx = 2\r\nmusic = 1\r\n", "music",
                   "0", "music = 0\r\nx = 2\r\nmusic = 0\r\n", false},
        WriteCase {"BlankAndUnrecognisedLinesStay", "\r\nMusic=1\r\n  music = 1\n\nmusic = 1",
                   "music", "0", "\r\nmusic=1\r\n  music = 1\r\n\r\nmusic = 0\r\n", false},
        WriteCase {"FinnishLettersKeepTheirCase", "0.player = x\r\n", "0.player", "\xc4NNI",
                   "0.player = \xc4nni\r\n", false},
        WriteCase {"AKeyWithCapitalsReplacesItsLine", "music = 1\r\n", "Music", "0",
                   "music = 0\r\n", false},
        WriteCase {"AMissingFileIsCreatedWithTheOneLine", nullptr, "Music", "1", "music = 1\r\n",
                   true}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST_F(SettingsTest, SeveralKeysAreSavedInOneRewriteEachAsASingleWriteWouldSaveIt)
{
    WriteFileBytes("Settings.ini", "# Display\r\nMusic = 1\r\n1 = 0\r\n");
    WriteSettings({{"music", "0"}, {"2", "1"}, {"1", "1"}});
    EXPECT_EQ(ReadFileBytes("Settings.ini"), "# display\r\nmusic = 0\r\n1 = 1\r\n2 = 1\r\n");
}

TEST_F(SettingsTest, AWriteKeepsEveryLineOfALongFile)
{
    std::string before;
    for (int level = 0; level < 500; ++level)
        before += std::to_string(level) + " = 1\r\n";
    WriteFileBytes("Settings.ini", before);
    WriteSetting("music", "1");
    WriteSetting("499", "0");
    EXPECT_EQ(ReadFileBytes("Settings.ini"),
              before.substr(0, before.size() - 9) + "499 = 0\r\nmusic = 1\r\n");
}

namespace {

const std::string OldSettings = "music = 1\r\ngraphics_width = 800\r\n";

}  // namespace

TEST_F(SettingsTest, AFullDiskLeavesTheOldFileAndTheGameGoesOn)
{
    // Long enough that the rewrite cannot fit under the limit, while the log still can.
    const std::string old = OldSettings + std::string(3000, '#') + "\r\n";
    WriteFileBytes("Settings.ini", old);
    testing::internal::CaptureStderr();
    {
        FileSizeLimit full(2048);
        WriteSetting("music", "0");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Failed to write settings file to: Settings.ini\n");
    EXPECT_EQ(ReadFileBytes("Settings.ini"), old);
    EXPECT_FALSE(FileExists("Settings.ini.tmp"));
    EXPECT_TRUE(Logged("ERROR - "));
    EXPECT_TRUE(Logged(": Failed to write settings file to: Settings.ini\r\n"));
    EXPECT_EQ(ReadSettingInt("music"), 1);
}

// Permissions hold for root too: the writes are made as an unprivileged user.
TEST_F(SettingsTest, AFileThatMayNotBeReadOrReplacedStaysAsItWas)
{
    const struct {
        const char* why;
        mode_t folder;
        mode_t file;
    } cases[] = {
        {"a read-only folder", 0555, 0644},
        {"a file that may not be read", 0777, 0200},
    };
    chmod(dir.Path().c_str(), 0711);
    LogClose();
    SetSettingsFile("locked/Settings.ini");
    for (const auto& c : cases) {
        std::filesystem::create_directory("locked");
        WriteFileBytes("locked/Settings.ini", OldSettings);
        chmod("locked/Settings.ini", c.file);
        chmod("locked", c.folder);
        testing::internal::CaptureStderr();
        {
            UnprivilegedUser user;
            WriteSetting("music", "0");
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Failed to write settings file to: locked/Settings.ini\n")
            << c.why;
        chmod("locked", 0755);
        chmod("locked/Settings.ini", 0644);
        EXPECT_EQ(ReadFileBytes("locked/Settings.ini"), OldSettings) << c.why;
        EXPECT_FALSE(FileExists("locked/Settings.ini.tmp")) << c.why;
        std::filesystem::remove_all("locked");
    }
}

TEST_F(SettingsTest, ARenameThatFailsLeavesWhatWasThereAndNoTemporaryFile)
{
    // A folder where the file should be cannot be replaced by the new file.
    std::filesystem::create_directory("Settings.ini");
    testing::internal::CaptureStderr();
    WriteSetting("music", "1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Failed to write settings file to: Settings.ini\n");
    EXPECT_TRUE(std::filesystem::is_directory("Settings.ini"));
    EXPECT_FALSE(FileExists("Settings.ini.tmp"));
}

namespace {

TEST_F(SettingsTest, AnOptionalKeyReadsWithoutAWarning)
{
    WriteFileBytes("Settings.ini", "Music = 1\r\nFullscreen = Desktop\r\n");
    EXPECT_EQ(ReadOptionalSetting("fullscreen"), "desktop");
    EXPECT_EQ(ReadOptionalSetting("Window_scale"), std::nullopt);
    EXPECT_FALSE(Logged("Window_scale"));
}

TEST_F(SettingsTest, ThePlayersFilesAreReadAndWrittenInTheirFolder)
{
    std::filesystem::create_directory("saves");
    WriteFileBytes("Settings.ini", "music = 1\r\n");
    WriteFileBytes("saves/Settings.ini", "music = 0\r\n");
    WriteFileBytes("English.dat", "menu0 = main\r\n");
    KeepSettingsFilesIn(dir.Path() + "/saves", {"Settings.ini", "Hiscores.dat"});
    EXPECT_EQ(SettingsFilePath("Settings.ini"), dir.Path() + "/saves/Settings.ini");
    EXPECT_EQ(SettingsFilePath("English.dat"), "English.dat");
    EXPECT_EQ(ReadSettingInt("music"), 0);
    WriteSetting("music", "1");
    EXPECT_EQ(ReadFileBytes("saves/Settings.ini"), "music = 1\r\n");
    EXPECT_EQ(ReadFileBytes("Settings.ini"), "music = 1\r\n");
    SetSettingsFile("English.dat");
    EXPECT_EQ(ReadSettingStr("menu0"), "main");
    // A file of the folder that is missing is named where it was looked for.
    SetSettingsFile("Hiscores.dat");
    WriteSetting("0.player", "anna");
    EXPECT_EQ(ReadFileBytes("saves/Hiscores.dat"), "0.player = anna\r\n");
    EXPECT_FALSE(std::filesystem::exists("Hiscores.dat"));
    KeepSettingsFilesIn("", {});
    EXPECT_EQ(SettingsFilePath("Settings.ini"), "Settings.ini");
    SetSettingsFile("Settings.ini");
}

}  // namespace
