// "Levels/Par.dat": par read back as it was written, the game's line ends and plain LF, and
// a message naming the file, the line and the fault for every kind of bad file.
#include "tools/solve/par_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/level_unlocks.h"
#include "frontend/par_table.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

TEST(ParFile, WritesOneLinePerLevelAndReadsItBack)
{
    const std::map<int, int> pars = {{0, 14}, {1, 0}, {24, 311}};
    const std::string text = FormatParFile(pars);
    EXPECT_EQ(text, "0 = 14\r\n1 = 0\r\n24 = 311\r\n");
    std::map<int, int> read;
    ASSERT_EQ(ParseParFile(text, "Par.dat", read), "");
    EXPECT_EQ(read, pars);
    ASSERT_EQ(ParseParFile("\n3 = 9\n\n7 = 12", "Par.dat", read), "");
    EXPECT_EQ(read, (std::map<int, int>{{3, 9}, {7, 12}}));
    ASSERT_EQ(ParseParFile("", "Par.dat", read), "");
    EXPECT_TRUE(read.empty());
}

// The solver writes the file and the game reads it: every par the solver may write, for every
// level the game has, must reach the game's screens as it was written.
TEST(ParFile, TheGameReadsEveryParTheSolverWrites)
{
    TempDir folder;
    WorkingDir inFolder(folder.Path());
    std::filesystem::create_directory("Levels");
    WriteFileBytes("Settings.ini", GameFolder::SettingsLines(LevelSlots - 1, 0, 0));
    std::map<int, int> pars;
    static_assert(ParLevelLimit == LevelSlots);
    for (int level = 0; level < LevelSlots; level += 2)
        pars[level] = level == 0 ? 0 : level == 2 ? LargestPar : level * 7;
    WriteFileBytes(ParFileName, FormatParFile(pars));
    LastLevel = LevelSlots - 1;
    ReadParTable();
    for (int level = 0; level < LevelSlots; ++level)
        EXPECT_EQ(LevelPar[level], pars.count(level) != 0 ? pars[level] : UnknownPar) << "level " << level;
    LastLevel = 0;
    LevelPar.fill(UnknownPar);
}

TEST(ParFile, RefusesEveryBadFileWithItsLineAndFault)
{
    const std::pair<const char*, const char*> bad[] = {
        {"0 = 1\r\n0=2\r\n", "Par.dat, line 2: \"0=2\" is not LEVEL = PAR"},
        {"1 = 2\n1 = 3\n", "Par.dat, line 2: level 1 is given par twice"},
        {"01 = 2\n", "Par.dat, line 1: \"01\" is no level number from 0 to 24"},
        {"25 = 2\n", "Par.dat, line 1: \"25\" is no level number from 0 to 24"},
        {"-1 = 2\n", "Par.dat, line 1: \"-1\" is no level number"},
        {" 1 = 2\n", "Par.dat, line 1: \" 1\" is no level number"},
        {"level = 2\n", "Par.dat, line 1: \"level\" is no level number"},
        {"1 = \n", "Par.dat, line 1: \"\" is no par from 0 to 99999"},
        {"1 = -3\n", "Par.dat, line 1: \"-3\" is no par"},
        {"1 = 007\n", "Par.dat, line 1: \"007\" is no par"},
        {"1 = 100000\n", "Par.dat, line 1: \"100000\" is no par"},
        {"1 = 99999999999999\n", "Par.dat, line 1: \"99999999999999\" is no par"},
        {"1 = 12 steps\n", "Par.dat, line 1: \"12 steps\" is no par"},
        {"1 = 2\n\n\n4 = x\n", "Par.dat, line 4: \"x\" is no par"},
    };
    for (const auto& [text, expected] : bad) {
        std::map<int, int> pars = {{9, 9}};
        const std::string problem = ParseParFile(text, "Par.dat", pars);
        EXPECT_EQ(problem.rfind(expected, 0), 0u) << "for " << text << ": " << problem;
        EXPECT_EQ(pars, (std::map<int, int>{{9, 9}})) << "a refused file leaves the table as it was";
    }
    // A NUL byte is no digit.
    std::map<int, int> pars;
    EXPECT_EQ(ParseParFile(std::string("1 = 2\0", 6), "Par.dat", pars).rfind("Par.dat, line 1: ", 0), 0u);
}
