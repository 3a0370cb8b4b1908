// The real game saving when it must not lose anything: killed while it saves, on a full
// disk, in a folder it may not write. "Settings.ini" and "Hiscores.dat" keep their old or
// their new content whole, the game goes on without the save, and it starts again as before.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "media/core/text.h"
#include "tests/support/child_process.h"
#include "tests/support/file_faults.h"
#include "tests/support/game_folder.h"

namespace {

namespace fs = std::filesystem;

// English, SETTINGS, then Enter on the music switch every other frame: a save of
// "Settings.ini" every other frame, as fast as the game runs.
std::string SwitchingMusic(int frames)
{
    std::string script = "2 press Enter\n5 press Down\n7 press Down\n9 press Enter\n";
    for (int frame = 12; frame < frames; frame += 2)
        script += std::to_string(frame) + " press Enter\n";
    return script;
}

// English, PLAY, LEVEL 1; right over the coin onto the goal; the name BO; back to the menu.
const char* const FinishWithARecord =
    "3 press Enter\n6 press Enter\n9 press Enter\n12 down Right\n70 up Right\n"
    "75 press B\n77 press O\n80 press Enter\n";

// The game as it plays the script, quiet.
ChildProcess StartGame(const std::string& data, const std::string& script, int frames)
{
    ChildSetup quiet;
    quiet.output = quiet.errors = "/dev/null";
    return ChildProcess({TINDLEWICK_BUILD_DIR "/frontend/tindlewick", "--data", data, "--script", script, "--frames",
                         std::to_string(frames)},
                        quiet);
}

// A copy of the game's folder (its pictures, sounds and fonts stay links) on `disk`.
void CopyFolder(const GameFolder& game, const std::string& disk)
{
    fs::copy(game.Path(), disk, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

class SaveFaultsE2E : public testing::Test {
protected:
    GameFolder game;
    TempDir run;

    void SetUp() override { game.WriteLevel(0, {"#######", "#@$.*.#", "#######"}); }
};

}  // namespace

TEST_F(SaveFaultsE2E, KilledWhileSavingTheGameStartsAgainWithItsSettingsWhole)
{
    const std::string settings = game.File("Settings.ini");
    const std::set<std::string> whole = {GameFolder::SettingsLines(2, 0, 0),
                                         LowerText(GameFolder::SettingsLines(2, 0, 0)),
                                         LowerText(GameFolder::SettingsLines(2, 0, 1))};
    WriteFileBytes(run.File("script.txt"), SwitchingMusic(100000));
    std::mt19937 random(11);
    int midSave = 0;
    for (int round = 0; round < 8; ++round) {
        ChildProcess child = StartGame(game.Path(), run.File("script.txt"), 100000);
        ASSERT_TRUE(child.Started());
        // Wait for the first save, then kill the game at a random moment of the saves that
        // follow; every other time right in the middle of one, while its temporary file is there.
        const std::string before = game.Read("Settings.ini");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (game.Read("Settings.ini") == before && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (round % 2) {
            const auto soon = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (!fs::exists(settings + ".tmp") && std::chrono::steady_clock::now() < soon)
                continue;
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(random)));
        }
        child.Kill(SIGKILL);
        midSave += fs::exists(settings + ".tmp") ? 1 : 0;
        EXPECT_TRUE(whole.contains(game.Read("Settings.ini"))) << "left as:\n" << game.Read("Settings.ini");
    }
    EXPECT_GT(midSave, 0) << "no kill caught a save in the act";
    const GameResult again = game.Run("", "--frames 3");
    EXPECT_EQ(again.status, 0) << again.errors;
}

// A real full disk needs the right to mount one; the full disk without it is in settings_test.
TEST_F(SaveFaultsE2E, OnAFullDiskOrInAReadOnlyFolderTheGameGoesOnWithoutTheSaves)
{
    for (const bool readOnly : {false, true}) {
        const std::string disk = run.File(readOnly ? "read-only" : "full");
        fs::create_directory(disk);
        SmallDisk small(disk, 1 << 20);
        if (!small.Mounted())
            GTEST_SKIP() << "a small disk needs the right to mount a tmpfs in a namespace of our own";
        CopyFolder(game, disk);
        if (readOnly)
            small.MakeReadOnly();
        else
            small.FillLeaving(0);
        WriteFileBytes(run.File("script.txt"), FinishWithARecord);
        GameResult played = RunTindlewick(run.Path(), "--data '" + disk + "' --script script.txt --frames 100");
        EXPECT_EQ(played.status, 0) << played.errors;
        EXPECT_NE(played.errors.find("Failed to write settings file to: Settings.ini"), std::string::npos)
            << played.errors;
        EXPECT_NE(played.errors.find("Failed to write settings file to: Hiscores.dat"), std::string::npos)
            << played.errors;
        EXPECT_EQ(ReadFileBytes(disk + "/Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
        EXPECT_EQ(ReadFileBytes(disk + "/Hiscores.dat"), GameFolder::HiscoreLines(2));

        WriteFileBytes(run.File("script.txt"), "");
        played = RunTindlewick(run.Path(), "--data '" + disk + "' --script script.txt --frames 3");
        EXPECT_EQ(played.status, 0) << played.errors;
    }
}
