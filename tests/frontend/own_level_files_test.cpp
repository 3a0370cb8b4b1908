// The player's levels folder: levels saved through the one level format and listed back
// byte for byte, new levels never written over others, and files that are no level listed
// with their fault instead of stopping the game.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/settings.h"
#include "frontend/own_level_files.h"
#include "game/level_format.h"
#include "tests/support/temp_dir.h"

namespace {

class OwnLevelFiles : public ::testing::Test {
protected:
    void SetUp() override { KeepSettingsFilesIn(saves.Path(), {SettingsIniFile}); }
    void TearDown() override { KeepSettingsFilesIn("", {}); }

    std::string InFolder(const std::string& name) const { return saves.File("levels/" + name); }

    static LevelData Playable(const std::string& title)
    {
        LevelData level;
        level.title = title;
        level.At(1, 1).ground = GroundFloorCode;
        level.At(2, 1).ground = GroundFloorCode;
        level.At(1, 1).switches = SwitchStartCode;
        level.At(2, 1).switches = SwitchCodeOf({SwitchKind::Goal, 0});
        return level;
    }

    TempDir saves;
};

TEST(OwnLevelFileNames, ComeFromTheTitleInLowerCase)
{
    EXPECT_EQ(OwnLevelFileName("Lumber Mill"), "lumber-mill.lev");
    EXPECT_EQ(OwnLevelFileName("  ..Box/Stop!  "), "box-stop.lev");
    EXPECT_EQ(OwnLevelFileName("\xC4\xD6"), "untitled.lev");
    EXPECT_EQ(OwnLevelFileName(""), "untitled.lev");
}

TEST_F(OwnLevelFiles, ASavedLevelIsListedBackAsItWasWritten)
{
    const LevelData level = Playable("Twin");
    ASSERT_EQ(SaveOwnLevel(level, "twin.lev"), "");
    EXPECT_EQ(ReadFileBytes(InFolder("twin.lev")), EncodeLevel(level));
    EXPECT_FALSE(std::filesystem::exists(InFolder("twin.lev.new")));

    const std::vector<OwnLevelFile> files = ListOwnLevels();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "twin.lev");
    EXPECT_EQ(files[0].fault, "");
    EXPECT_TRUE(files[0].problems.empty());
    EXPECT_EQ(EncodeLevel(files[0].level), EncodeLevel(level));
}

TEST_F(OwnLevelFiles, ANewLevelNeverTakesTheFileOfAnother)
{
    EXPECT_EQ(FreeOwnLevelFileName("Twin"), "twin.lev");
    ASSERT_EQ(SaveOwnLevel(Playable("Twin"), FreeOwnLevelFileName("Twin")), "");
    EXPECT_EQ(FreeOwnLevelFileName("twin"), "twin-2.lev");
    ASSERT_EQ(SaveOwnLevel(Playable("twin"), FreeOwnLevelFileName("twin")), "");
    EXPECT_EQ(FreeOwnLevelFileName("TWIN"), "twin-3.lev");
    EXPECT_EQ(ListOwnLevels().size(), 2u);
}

TEST_F(OwnLevelFiles, FilesThatAreNoPlayableLevelAreListedWithWhatIsWrong)
{
    EXPECT_TRUE(ListOwnLevels().empty());
    ASSERT_EQ(SaveOwnLevel(LevelData{}, "draft.lev"), "");
    WriteFileBytes(InFolder("short.lev"), "not a level");
    WriteFileBytes(InFolder("huge.lev"), std::string(200 * 1024, 'x'));
    WriteFileBytes(InFolder("notes.txt"), "not listed");
    std::filesystem::create_directory(InFolder("folder.lev"));

    const std::vector<OwnLevelFile> files = ListOwnLevels();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "draft.lev");
    EXPECT_EQ(files[0].fault, "");
    EXPECT_FALSE(files[0].problems.empty());
    EXPECT_EQ(files[1].name, "huge.lev");
    EXPECT_NE(files[1].fault.find("huge.lev"), std::string::npos) << files[1].fault;
    EXPECT_EQ(files[2].name, "short.lev");
    EXPECT_NE(files[2].fault.find("short.lev"), std::string::npos) << files[2].fault;
}

TEST_F(OwnLevelFiles, DeletingTakesTheFileAwayAndSaysWhenItCannot)
{
    ASSERT_EQ(SaveOwnLevel(Playable("Gone"), "gone.lev"), "");
    EXPECT_EQ(DeleteOwnLevelFile("gone.lev"), "");
    EXPECT_FALSE(std::filesystem::exists(InFolder("gone.lev")));
    const std::string again = DeleteOwnLevelFile("gone.lev");
    EXPECT_NE(again.find("gone.lev"), std::string::npos) << again;
}

TEST_F(OwnLevelFiles, AFolderThatCannotBeMadeIsNamed)
{
    WriteFileBytes(saves.File("levels"), "a file where the folder should be");
    const std::string error = SaveOwnLevel(Playable("X"), "x.lev");
    EXPECT_NE(error.find("levels"), std::string::npos) << error;
    EXPECT_TRUE(ListOwnLevels().empty());
}

}  // namespace
