// The installed game: "cmake --install" into a folder of its own, the installed program
// started from an unrelated folder with a home of its own, a level played to a record. The
// player's files land in the home's saves folder, made on the first run from the installed
// defaults, and nothing under the install changes, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "media/core/text.h"
#include "tests/support/child_process.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Every file under the folder, with its bytes.
std::map<std::string, std::string> FilesUnder(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path().string());
    return files;
}

// The keys of one step, a letter of a solution, each step in frames of its own.
std::string StepsScript(const std::string& letters, int frame)
{
    std::string script;
    for (const char letter : letters) {
        const char* key = letter == 'W' ? "Up" : letter == 'D' ? "Right" : letter == 'S' ? "Down" : "Left";
        script += std::to_string(frame) + " down " + key + "\n" + std::to_string(frame + 2) + " up " + key + "\n";
        frame += 18;
    }
    return script;
}

class InstalledGame : public testing::Test {
protected:
    TempDir prefix, home, elsewhere;

    void SetUp() override
    {
        const ChildRun install = RunToEnd({TINDLEWICK_CMAKE_COMMAND, "--install", TINDLEWICK_BUILD_DIR, "--prefix", prefix.Path()});
        ASSERT_EQ(install.status, 0) << install.output;
    }

    GameResult Run(const std::string& script, const std::string& arguments)
    {
        WriteFileBytes(elsewhere.File("script.txt"), script);
        return RunTindlewick(elsewhere.Path(), "--script script.txt " + arguments, {"HOME=" + home.Path(), "XDG_DATA_HOME"},
                             prefix.Path() + "/bin/tindlewick");
    }
    std::string Saved(const std::string& name) const { return ReadFileBytes(home.File(".local/share/tindlewick/" + name)); }
};

TEST_F(InstalledGame, KeepsThePlayersRecordInTheHomeAndLeavesTheInstallAlone)
{
    const std::string data = prefix.Path() + "/share/tindlewick";
    ASSERT_TRUE(fs::is_regular_file(prefix.Path() + "/bin/tindlewick"));
    ASSERT_TRUE(fs::is_regular_file(data + "/Levels/0.lev"));
    const std::map<std::string, std::string> installed = FilesUnder(prefix.Path());

    // The first run makes the player's files from the installed ones.
    GameResult run = Run("3 press Enter\n", "--frames 8 --screenshot 6:menu.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Saved("Settings.ini"), ReadFileBytes(data + "/Settings.ini"));
    EXPECT_EQ(Saved("Hiscores.dat"), ReadFileBytes(data + "/Hiscores.dat"));
    EXPECT_EQ(LoadScreenshot(elsewhere.File("menu.png")).width, 800);

    // The player's own change stays: unpaced, the round goes quickly.
    WriteFileBytes(home.File(".local/share/tindlewick/Settings.ini"),
                   ReplaceAll(Saved("Settings.ini"), "Refresh_rate = 60", "Refresh_rate = 0"));
    const std::string solution = ReadFileBytes(TINDLEWICK_SOURCE_DIR "/levels/solutions/00.txt");
    const std::string steps = solution.substr(0, solution.find_first_of("\r\n"));
    ASSERT_FALSE(steps.empty());
    // English, PLAY, LEVEL 1; the solution; the name.
    const int named = 20 + 18 * static_cast<int>(steps.size()) + 20;
    run = Run("3 press Enter\n6 press Enter\n9 press Enter\n" + StepsScript(steps, 14) + std::to_string(named) +
                  " press X\n" + std::to_string(named + 2) + " press Y\n" + std::to_string(named + 4) + " press Enter\n",
              "--frames " + std::to_string(named + 20));
    ASSERT_EQ(run.status, 0) << run.errors;

    const std::string hiscores = Saved("Hiscores.dat");
    EXPECT_NE(hiscores.find("0.player = xy\r\n"), std::string::npos) << hiscores;
    EXPECT_NE(hiscores.find("0.score = " + LowerText(steps.substr(0, steps.size() - 1)) + "\r\n"), std::string::npos)
        << hiscores;
    const std::string settings = Saved("Settings.ini");
    EXPECT_NE(settings.find("1 = 1\r\n"), std::string::npos) << "the next level unlocked";
    EXPECT_NE(settings.find("refresh_rate = 0\r\n"), std::string::npos);
    EXPECT_TRUE(FilesUnder(prefix.Path()) == installed) << "the install changed";
    EXPECT_EQ(FilesUnder(elsewhere.Path()).count("Settings.ini"), 0u);
}

}  // namespace
