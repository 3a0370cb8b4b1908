// Saves that must lose nothing: "Settings.ini" and "Hiscores.dat" are rewritten whole on
// every change, so whatever stops a save (the process killed at any moment, a disk that is
// full) must leave the file with either its old or its new content, and the game able to
// read it. A read-only folder is covered with the other write failures in settings_test.
#include "framework/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "media/core/file_stream.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string DataFolder = TINDLEWICK_DATA_DIR;

// The settings of a player switching between two choices.
void SaveSettings(int round)
{
    WriteSettings({{"music", round % 2 ? "0" : "1"}, {"24", round % 2 ? "1" : "0"}});
}

// A record's steps and its holder's name, saved together.
void SaveRecord()
{
    WriteSettings({{"7.score", std::string(300, 'd')}, {"7.player", "anna"}});
}

class SaveFaults : public testing::Test {
protected:
    TempDir dir;
    WorkingDir inside {dir.Path()};

    void SetUp() override { SettingsFileName = "Settings.ini"; }
    void TearDown() override { SettingsFileName = "Settings.ini"; }
};

}  // namespace

// Killing the process at every moment of a save: before the temporary file, while it is
// written or synced, around the rename. The record store's kills are in record_faults_test.
TEST_F(SaveFaults, AKilledSaveLeavesTheOldOrTheNewSettingsNeverAMixOrATruncation)
{
    // What the file holds after each of the two saves, worked out by saving once.
    std::set<std::string> versions;
    for (int round : {0, 1}) {
        WriteFileBytes("Settings.ini", ReadFileBytes(DataFolder + "/Settings.ini"));
        SaveSettings(round);
        versions.insert(ReadFileBytes("Settings.ini"));
    }
    ASSERT_EQ(versions.size(), 2u);

    const KilledSaves outcome = KillWhileSaving("Settings.ini", SaveSettings, 60);
    for (const std::string& content : outcome.contents)
        EXPECT_TRUE(versions.contains(content)) << "Settings.ini was left as:\n" << content;
    // Otherwise the loop never caught a save in the act, and proved nothing.
    EXPECT_GT(outcome.midSave, 0);

    // The game still starts from what was left, and its next save clears the leftovers.
    EXPECT_EQ(ReadSettingInt("Graphics_width"), 800);
    SaveSettings(0);
    EXPECT_FALSE(FileExists("Settings.ini.tmp"));
}

// A real full disk, with nothing free at all or with room for part of the new file.
TEST_F(SaveFaults, AFullDiskLeavesTheOldFileAndTheNextSaveWithRoomSucceeds)
{
    std::filesystem::create_directory("disk");
    SmallDisk disk("disk", 256 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a small disk needs the right to mount a tmpfs in a namespace of our own";
    // Long records, so that a part of the file fits where the whole does not.
    const std::string old = ReadFileBytes(DataFolder + "/Hiscores.dat") + std::string(12000, '#') + "\r\n";
    SetSettingsFile("disk/Hiscores.dat");
    for (std::size_t free : {std::size_t {0}, std::size_t {8192}}) {
        WriteFileBytes("disk/Hiscores.dat", old);
        disk.FillLeaving(free);
        testing::internal::CaptureStderr();
        SaveRecord();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to write settings file to: disk/Hiscores.dat\n")
            << free << " bytes free";
        EXPECT_EQ(ReadFileBytes("disk/Hiscores.dat"), old) << free << " bytes free";
        EXPECT_FALSE(FileExists("disk/Hiscores.dat.tmp")) << free << " bytes free";
        EXPECT_EQ(ReadSettingStr("7.player"), "none");

        disk.Unfill();
        SaveRecord();
        EXPECT_EQ(ReadSettingStr("7.player"), "anna") << free << " bytes free";
    }
}

// A hostile file: one line of a megabyte among ordinary ones.
TEST_F(SaveFaults, AMegabyteLineIsReadAndKeptWholeAndTheLinesAroundItStillWork)
{
    const std::string moves(1 << 20, 'W');
    WriteFileBytes("Hiscores.dat", "0.player = ANNA\r\n0.score = " + moves + "\r\n1.player = none\r\n");
    SetSettingsFile("Hiscores.dat");
    EXPECT_EQ(ReadSettingStr("0.score"), std::string(1 << 20, 'w'));
    EXPECT_EQ(ReadSettingStr("1.player"), "none");
    WriteSetting("1.player", "bob");
    EXPECT_EQ(ReadFileBytes("Hiscores.dat"), "0.player = anna\r\n0.score = " + std::string(1 << 20, 'w') +
                                                  "\r\n1.player = bob\r\n");
}
