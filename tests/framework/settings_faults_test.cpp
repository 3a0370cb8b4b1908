// Saves that must lose nothing: "Settings.ini" and "Hiscores.dat" are rewritten whole on
// every change, so whatever stops a save (the process killed at any moment, a disk that is
// full) must leave the file with either its old or its new content, and the game able to
// read it. A read-only folder is covered with the other write failures in settings_test.
#include "framework/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "media/file_stream.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string DataFolder = TINDLEWICK_DATA_DIR;

using Save = std::function<void(int round)>;

// The settings of a player moving between two choices, and the record store's two keys
// (steps and name) for one level, alternating between two records.
void SaveSettings(int round)
{
    WriteSettings({{"music", round % 2 ? "0" : "1"}, {"24", round % 2 ? "1" : "0"}});
}

void SaveRecord(int round)
{
    if (round % 2)
        WriteSettings({{"7.score", std::string(300, 'd')}, {"7.player", "anna"}});
    else
        WriteSettings({{"7.score", "wdsa"}, {"7.player", "bob"}});
}

struct KillOutcome {
    std::set<std::string> contents;  // every content the file was found with
    int midSave = 0;                 // kills that caught a save with its temporary file written
};

class SaveFaults : public testing::Test {
protected:
    TempDir dir;
    WorkingDir inside {dir.Path()};

    void SetUp() override { SettingsFileName = "Settings.ini"; }
    void TearDown() override { SettingsFileName = "Settings.ini"; }

    // What the file holds after save(round) from the shipped file, worked out by saving once.
    static std::string Version(const std::string& file, const Save& save, int round)
    {
        WriteFileBytes(file, ReadFileBytes(DataFolder + "/" + file));
        SetSettingsFile(file);
        save(round);
        return ReadFileBytes(file);
    }

    // A child saves over and over, switching between two versions of the file; it is
    // killed at a random moment after its first save, many times over.
    static KillOutcome KillWhileSaving(const std::string& file, const Save& save, int kills)
    {
        KillOutcome outcome;
        std::mt19937 random(7);
        std::uniform_int_distribution<int> microseconds(0, 10000);
        for (int round = 0; round < kills; ++round) {
            int ready[2];
            if (pipe(ready) != 0)
                throw std::runtime_error("no pipe");
            const pid_t child = fork();
            if (child == 0) {
                close(ready[0]);
                SetSettingsFile(file);
                for (int round = 0;; ++round) {
                    save(round);
                    if (round == 0 && write(ready[1], "!", 1) != 1)
                        _exit(1);
                }
            }
            close(ready[1]);
            char signal = 0;
            EXPECT_EQ(read(ready[0], &signal, 1), 1) << "the child made its first save";
            close(ready[0]);
            usleep(static_cast<useconds_t>(microseconds(random)));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            outcome.midSave += FileExists(file + ".tmp") ? 1 : 0;
            outcome.contents.insert(ReadFileBytes(file));
        }
        return outcome;
    }
};

}  // namespace

TEST_F(SaveFaults, SeveralKeysAreSavedInOneRewriteEachAsASingleWriteWouldSaveIt)
{
    WriteFileBytes("Settings.ini", "# Display\r\nMusic = 1\r\n1 = 0\r\n");
    WriteSettings({{"music", "0"}, {"2", "1"}, {"1", "1"}});
    EXPECT_EQ(ReadFileBytes("Settings.ini"), "# display\r\nmusic = 0\r\n1 = 1\r\n2 = 1\r\n");
}

// Killing the process at every moment of a save, a few hundred times: before the temporary
// file, while it is written or synced, around the rename.
TEST_F(SaveFaults, AKilledSaveLeavesTheOldOrTheNewFileNeverAMixOrATruncation)
{
    const struct {
        const char* file;
        Save save;
    } cases[] = {{"Settings.ini", SaveSettings}, {"Hiscores.dat", SaveRecord}};
    for (const auto& c : cases) {
        const std::set<std::string> versions = {Version(c.file, c.save, 0), Version(c.file, c.save, 1)};
        ASSERT_EQ(versions.size(), 2u) << c.file;
        WriteFileBytes(c.file, ReadFileBytes(DataFolder + "/" + c.file));
        RemoveFile(std::string(c.file) + ".tmp");

        const KillOutcome outcome = KillWhileSaving(c.file, c.save, 60);
        for (const std::string& content : outcome.contents)
            EXPECT_TRUE(versions.contains(content)) << c.file << " was left as:\n" << content;
        // Otherwise the loop never caught a save in the act, and proved nothing.
        EXPECT_GT(outcome.midSave, 0) << c.file;

        // The game still starts from what was left, and its next save clears the leftovers.
        SetSettingsFile(c.file);
        EXPECT_NE(ReadSettingStr(c.file == std::string("Settings.ini") ? "music" : "7.player"), "");
        c.save(0);
        EXPECT_EQ(ReadFileBytes(c.file), Version(c.file, c.save, 0));
        EXPECT_FALSE(FileExists(std::string(c.file) + ".tmp"));
    }
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
        SaveRecord(1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to write settings file to: disk/Hiscores.dat\n")
            << free << " bytes free";
        EXPECT_EQ(ReadFileBytes("disk/Hiscores.dat"), old) << free << " bytes free";
        EXPECT_FALSE(FileExists("disk/Hiscores.dat.tmp")) << free << " bytes free";
        EXPECT_EQ(ReadSettingStr("7.player"), "none");

        disk.Unfill();
        SaveRecord(1);
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
