// The player's saves of an installed game: where they are kept, the first run's copy of the
// installed defaults, keys a later version ships added without losing the player's, and
// files that cannot be read or written.
#include "frontend/user_saves.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "tests/support/file_faults.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SavesFolder, FollowsTheXdgRules)
{
    EXPECT_EQ(SavesFolderFrom("/data", "/home/anna", "/home/x"), "/data/tindlewick");
    EXPECT_EQ(SavesFolderFrom(nullptr, "/home/anna", "/home/x"), "/home/anna/.local/share/tindlewick");
    // A relative or empty XDG_DATA_HOME is to be ignored.
    EXPECT_EQ(SavesFolderFrom("data", "/home/anna", nullptr), "/home/anna/.local/share/tindlewick");
    EXPECT_EQ(SavesFolderFrom("", "/home/anna", nullptr), "/home/anna/.local/share/tindlewick");
    // Without HOME, the account's home folder.
    EXPECT_EQ(SavesFolderFrom(nullptr, nullptr, "/home/x"), "/home/x/.local/share/tindlewick");
    EXPECT_EQ(SavesFolderFrom(nullptr, "", "/home/x"), "/home/x/.local/share/tindlewick");
    EXPECT_EQ(SavesFolderFrom(nullptr, "relative", nullptr), "");
    EXPECT_EQ(SavesFolderFrom(nullptr, nullptr, nullptr), "");
}

TEST(SaveMerge, AddsTheShippedKeysThePlayerLacksAndKeepsThePlayers)
{
    const std::vector<std::string> player = {"graphics_width = 800", "music = 0", "levels = 24", "0 = 1", "1 = 1",
                                             "# the player's note", "odd line"};
    const std::vector<std::string> shipped = {"# Display", "Graphics_width = 640", "Window_scale = 0",
                                              "Fullscreen = desktop", "Music = 1", "Levels = 26", "0 = 1", "1 = 0",
                                              "25 = 0", "26 = 0", "Window_scale = 3"};
    const std::vector<std::string> merged = MergedSaveLines(player, shipped);
    EXPECT_EQ(merged, (std::vector<std::string>{"graphics_width = 800", "music = 0", "Levels = 26", "0 = 1", "1 = 1",
                                                "# the player's note", "odd line", "Window_scale = 0",
                                                "Fullscreen = desktop", "25 = 0", "26 = 0"}));
    EXPECT_EQ(MergedSaveLines(merged, shipped), merged) << "merging twice adds nothing";
    // Fewer levels shipped never hide levels the player has.
    EXPECT_EQ(MergedSaveLines({"levels = 30"}, {"Levels = 24"}), (std::vector<std::string>{"levels = 30"}));
    EXPECT_EQ(MergedSaveLines({}, {"a = 1", "# c", " = x"}), (std::vector<std::string>{"a = 1"}));
}

class SavesPreparation : public testing::Test {
protected:
    TempDir shipped, home;
    std::string saves = home.File("share/tindlewick");

    void SetUp() override
    {
        WriteFileBytes(shipped.File("Settings.ini"), CrLf({"Music = 1", "Levels = 1", "0 = 1", "1 = 0"}));
        WriteFileBytes(shipped.File("Hiscores.dat"), CrLf({"0.player = none", "0.score = ", "1.player = none", "1.score = "}));
    }
    std::string Prepare() { return PrepareSaves(shipped.Path(), saves, {"Settings.ini", "Hiscores.dat"}); }
};

TEST_F(SavesPreparation, TheFirstRunCopiesTheShippedFiles)
{
    EXPECT_EQ(Prepare(), "");
    EXPECT_EQ(ReadFileBytes(saves + "/Settings.ini"), ReadFileBytes(shipped.File("Settings.ini")));
    EXPECT_EQ(ReadFileBytes(saves + "/Hiscores.dat"), ReadFileBytes(shipped.File("Hiscores.dat")));
}

TEST_F(SavesPreparation, ALaterVersionsKeysJoinThePlayersRecords)
{
    ASSERT_EQ(Prepare(), "");
    WriteFileBytes(saves + "/Hiscores.dat", CrLf({"0.player = anna", "0.score = dd", "1.player = none", "1.score = "}));
    WriteFileBytes(shipped.File("Hiscores.dat"),
                   CrLf({"0.player = none", "0.score = ", "1.player = none", "1.score = ", "2.player = none", "2.score = "}));
    WriteFileBytes(shipped.File("Settings.ini"), CrLf({"Music = 1", "Fullscreen = desktop", "Levels = 2", "0 = 1", "1 = 0", "2 = 0"}));
    WriteFileBytes(saves + "/Settings.ini", CrLf({"music = 0", "levels = 1", "0 = 1", "1 = 1"}));
    EXPECT_EQ(Prepare(), "");
    EXPECT_EQ(ReadFileBytes(saves + "/Hiscores.dat"),
              CrLf({"0.player = anna", "0.score = dd", "1.player = none", "1.score = ", "2.player = none", "2.score = "}));
    EXPECT_EQ(ReadFileBytes(saves + "/Settings.ini"),
              CrLf({"music = 0", "Levels = 2", "0 = 1", "1 = 1", "Fullscreen = desktop", "2 = 0"}));
}

TEST_F(SavesPreparation, FilesUpToDateAreNotRewritten)
{
    ASSERT_EQ(Prepare(), "");
    // Written as LF only: a rewrite would end its lines with CR LF.
    WriteFileBytes(saves + "/Settings.ini", "Music = 0\nLevels = 1\n0 = 1\n1 = 1\n");
    EXPECT_EQ(Prepare(), "");
    EXPECT_EQ(ReadFileBytes(saves + "/Settings.ini"), "Music = 0\nLevels = 1\n0 = 1\n1 = 1\n");
}

TEST_F(SavesPreparation, WhatCannotBeReadOrWrittenIsNamedAndNothingIsLost)
{
    EXPECT_EQ(PrepareSaves(shipped.Path(), "", {"Settings.ini"}), "Neither XDG_DATA_HOME nor HOME names a folder for the saves.");
    EXPECT_EQ(PrepareSaves(shipped.File("nowhere"), saves, {"Settings.ini"}),
              "Cannot read the game's own " + shipped.File("nowhere") + "/Settings.ini.");
    // A file where the folder should be.
    WriteFileBytes(home.File("blocked"), "");
    EXPECT_EQ(PrepareSaves(shipped.Path(), home.File("blocked/tindlewick"), {"Settings.ini"}).rfind(
                  "Cannot make the folder for the saves " + home.File("blocked/tindlewick") + ": ", 0),
              0u);
    ASSERT_EQ(Prepare(), "");
    // A player's file that cannot be read is left as it is.
    std::filesystem::remove(saves + "/Settings.ini");
    std::filesystem::create_directory(saves + "/Settings.ini");
    EXPECT_EQ(Prepare(), "Cannot read the saves file " + saves + "/Settings.ini.");
    std::filesystem::remove(saves + "/Settings.ini");
    // A saves folder that may not be written: the first file is named, the others untouched.
    const std::string hiscores = ReadFileBytes(saves + "/Hiscores.dat");
    for (const std::string& folder : {home.Path(), home.File("share"), shipped.Path()})
        chmod(folder.c_str(), 0755);
    chmod(saves.c_str(), 0555);
    {
        UnprivilegedUser others;
        EXPECT_EQ(Prepare(), "Cannot write the saves file " + saves + "/Settings.ini.");
    }
    chmod(saves.c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(saves + "/Hiscores.dat"), hiscores);
}

}  // namespace
