// Choosing the working directory: the asked folder, the current one when it holds the
// settings, else the data folder the game was built with.
#include "frontend/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace {

std::string Here()
{
    return std::filesystem::current_path().string();
}

TEST(DataFolder, TheAskedFolderWins)
{
    TempDir start, asked;
    WriteFileBytes(start.File("Settings.ini"), "");
    WorkingDir inStart(start.Path());
    EXPECT_EQ(EnterDataFolder(asked.Path()), "");
    EXPECT_EQ(Here(), std::filesystem::canonical(asked.Path()).string());
}

TEST(DataFolder, AFolderWithSettingsIsKept)
{
    TempDir start;
    WriteFileBytes(start.File("Settings.ini"), "");
    WorkingDir inStart(start.Path());
    EXPECT_EQ(EnterDataFolder(""), "");
    EXPECT_EQ(Here(), std::filesystem::canonical(start.Path()).string());
}

TEST(DataFolder, ElseTheBuiltInDataFolderIsEntered)
{
    TempDir start;
    WorkingDir inStart(start.Path());
    const std::string error = EnterDataFolder("");
    if (std::filesystem::is_directory(TINDLEWICK_DATA_DIR))
        EXPECT_EQ(Here(), std::filesystem::canonical(TINDLEWICK_DATA_DIR).string());
    else
        EXPECT_NE(error.find(TINDLEWICK_DATA_DIR), std::string::npos) << error;
}

TEST(DataFolder, AMissingFolderIsNamedAndNotEntered)
{
    TempDir start;
    WorkingDir inStart(start.Path());
    const std::string error = EnterDataFolder(start.File("nowhere"));
    EXPECT_EQ(error.rfind("Cannot enter the data folder " + start.File("nowhere") + ":", 0), 0u)
        << error;
    EXPECT_EQ(Here(), std::filesystem::canonical(start.Path()).string());
}

}  // namespace
