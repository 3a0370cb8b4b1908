// The twenty-five levels the game ships: each level file is exactly what its source compiles
// to, each level is free of plain mistakes, each stored solution takes every coin and enters
// the goal through the real rules after exactly its level's par (one without frames taking
// the same course whether it is replayed, played with the keys held from the first frame,
// or played with waits between the steps; one with frames at its frames), and "Par.dat"
// holds for every level the par that the solver proves, proved again here.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "game/level_format.h"
#include "game/par/par_search.h"
#include "tests/support/temp_dir.h"
#include "tools/levelc/level_source.h"
#include "tools/solve/level_lint.h"
#include "tools/solve/par_file.h"
#include "tools/solve/real_run.h"

namespace {

namespace fs = std::filesystem;

constexpr int LevelCount = 25;
// The first levels teach walking and keys; from here on coins make the records.
constexpr int FirstLevelWithCoins = 2;
// A title fits the level pages and reads as a name, not a sentence.
constexpr std::size_t LongestTitle = 20;
// The positions a proof may take here. Every shipped proof fits it, in either build, within
// seconds; a level whose proof would not must have its proof checked by its fingerprint.
constexpr long ProofBudget = 2'000'000;

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

SolutionFile Solution(int number)
{
    const std::string path = SourceFolder + "/solutions/" + Two(number) + ".txt";
    SolutionFile solution;
    EXPECT_EQ(ParseSolutionFile(ReadFileBytes(path), path, solution), "");
    return solution;
}

std::map<int, int> Pars()
{
    const std::string path = DataFolder + "/" + ParFileName;
    std::map<int, int> pars;
    EXPECT_EQ(ParseParFile(ReadFileBytes(path), path, pars), "");
    return pars;
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
    std::set<std::string> levels = {fs::path(ParFileName).filename().string()}, sources, solutions;
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
    const SolutionFile solution = Solution(GetParam());
    ASSERT_FALSE(solution.letters.empty());
    for (const std::string& problem : CheckSolutionFile(copy, solution))
        ADD_FAILURE() << "solution " << Two(GetParam()) << ", " << problem;
    if (GetParam() >= FirstLevelWithCoins) {
        EXPECT_GT(Parsed(GetParam()).coins, 0);
    }
}

TEST_P(ShippedLevel, SolutionIsAsLongAsParAndEntersTheGoalAfterPar)
{
    const std::map<int, int> pars = Pars();
    ASSERT_TRUE(pars.contains(GetParam())) << "no par for level " << GetParam() << " in " << ParFileName;
    const int par = pars.at(GetParam());
    const SolutionFile solution = Solution(GetParam());
    EXPECT_EQ(StepCount(solution), par + 1) << "the solution's steps, the one into the goal included";
    TempDir folder;
    WriteFileBytes(folder.File("level.lev"), ReadFileBytes(LevelPath(GetParam())));
    // A run without frames is played by holding each arrow until its step is taken.
    const RealRun run = solution.frames.empty()
                            ? RunThroughRules(folder.File("level.lev"), solution.letters, RunMode::KeysAtOnce)
                            : RunAtFrames(folder.File("level.lev"), solution);
    EXPECT_EQ(run.stuck, "");
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.steps, par + 1);
}

TEST_P(ShippedLevel, ParIsWhatTheSolverProves)
{
    const LevelData level = Parsed(GetParam());
    const SolutionFile solution = Solution(GetParam());
    ASSERT_TRUE(solution.proof) << "the solution of level " << GetParam() << " holds no proof: "
                                << "prove the levels again with tindlewick-solve --shipped levels data";
    EXPECT_EQ(solution.proof->level, LevelFingerprint(level))
        << "the proof was made on another level or another model of the rules: "
        << "prove the levels again with tindlewick-solve --shipped levels data";
    ModelLevel model;
    ModelState start;
    ASSERT_EQ(MakeModel(level, model, start), "");
    if (solution.proof->positions > ProofBudget)
        return;
    ParSearchOptions options;
    options.positionLimit = ProofBudget;
    const ParSearchResult result = ProvePar(model, start, options);
    ASSERT_TRUE(result.found) << (result.gaveUp ? "the proof did not fit the budget" : "no way to the goal");
    EXPECT_EQ(result.par, Pars()[GetParam()]);
    EXPECT_EQ(result.positions, solution.proof->positions);
}

TEST(ShippedLevels, ParDatNamesEveryShippedLevelAndNoOther)
{
    const std::map<int, int> pars = Pars();
    ASSERT_EQ(pars.size(), static_cast<std::size_t>(LevelCount));
    EXPECT_EQ(pars.begin()->first, 0);
    EXPECT_EQ(pars.rbegin()->first, LevelCount - 1);
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevel, ::testing::Range(0, LevelCount),
                         [](const ::testing::TestParamInfo<int>& info) { return "Level" + Two(info.param); });
