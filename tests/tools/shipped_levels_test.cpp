// The twenty-five levels the game ships: each level file is exactly what its source compiles
// to, each level is free of plain mistakes, and each stored solution takes every coin and
// enters the goal through the real rules, taking the same course whether it is replayed,
// played with the keys held from the first frame, or played with waits between the steps.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "game/level_format.h"
#include "tests/support/temp_dir.h"
#include "tools/levelc/level_source.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/real_run.h"

namespace {

namespace fs = std::filesystem;

constexpr int LevelCount = 25;
// The first levels teach walking and keys; from here on coins make the records.
constexpr int FirstLevelWithCoins = 2;
// A title fits the level pages and reads as a name, not a sentence.
constexpr std::size_t LongestTitle = 20;

const std::string DataFolder = TINDLEWICK_DATA_DIR;
const std::string SourceFolder = DataFolder + "/../levels";

std::string Two(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string SourcePath(int number)
{
    return SourceFolder + "/" + Two(number) + ".txt";
}

std::string LevelPath(int number)
{
    return DataFolder + "/" + LevelFilePath(number);
}

std::string Letters(int number)
{
    std::string letters = ReadFileBytes(SourceFolder + "/solutions/" + Two(number) + ".txt");
    while (!letters.empty() && (letters.back() == '\n' || letters.back() == '\r'))
        letters.pop_back();
    return letters;
}

LevelData Parsed(int number)
{
    LevelData level;
    const std::string problem = ParseLevelText(ReadFileBytes(SourcePath(number)), SourcePath(number), level);
    EXPECT_EQ(problem, "");
    return level;
}

std::set<std::string> FileNames(const std::string& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file())
            names.insert(entry.path().filename().string());
    }
    return names;
}

class ShippedLevel : public ::testing::TestWithParam<int> {};

}  // namespace

TEST(ShippedLevels, EveryLevelHasItsSourceAndSolutionAndNothingElseShips)
{
    std::set<std::string> levels, sources, solutions;
    for (int number = 0; number < LevelCount; ++number) {
        levels.insert(std::to_string(number) + ".lev");
        sources.insert(Two(number) + ".txt");
        solutions.insert(Two(number) + ".txt");
    }
    EXPECT_EQ(FileNames(DataFolder + "/Levels"), levels);
    std::set<std::string> found = FileNames(SourceFolder);
    found.erase("README.md");
    EXPECT_EQ(found, sources);
    EXPECT_EQ(FileNames(SourceFolder + "/solutions"), solutions);
}

TEST_P(ShippedLevel, IsWhatItsSourceCompilesTo)
{
    EXPECT_EQ(EncodeLevel(Parsed(GetParam())), ReadFileBytes(LevelPath(GetParam())))
        << "compile " << SourcePath(GetParam()) << " again with tindlewick-levelc";
}

TEST_P(ShippedLevel, HasNoPlainMistakeAndAShortTitle)
{
    const LevelData level = Parsed(GetParam());
    for (const std::string& mistake : LintLevel(level))
        ADD_FAILURE() << SourcePath(GetParam()) << ": " << mistake;
    EXPECT_FALSE(level.title.empty());
    EXPECT_LE(level.title.size(), LongestTitle) << level.title;
}

TEST_P(ShippedLevel, SolutionTakesEveryCoinAndPlaysTheSameWithOrWithoutWaits)
{
    // The game's loader opens a level for writing too: the runs get a copy.
    TempDir folder;
    const std::string copy = folder.File("level.lev");
    WriteFileBytes(copy, ReadFileBytes(LevelPath(GetParam())));
    const std::string letters = Letters(GetParam());
    ASSERT_FALSE(letters.empty());
    for (const std::string& problem : CheckSolution(copy, letters))
        ADD_FAILURE() << "solution " << Two(GetParam()) << ", " << problem;
    if (GetParam() >= FirstLevelWithCoins) {
        EXPECT_GT(Parsed(GetParam()).coins, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevel, ::testing::Range(0, LevelCount),
                         [](const ::testing::TestParamInfo<int>& info) { return "Level" + Two(info.param); });
