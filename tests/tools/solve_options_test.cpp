// The solver's command line: each option taken as it is meant, and a message for every
// argument that cannot be, before anything is read or searched.
#include "tools/solve/solve_options.h"

#include <gtest/gtest.h>

namespace {

std::string Fault(const std::vector<std::string>& args)
{
    SolveOptions options;
    options.level = "untouched";
    const std::string problem = ParseSolveOptions(args, options);
    EXPECT_EQ(options.level, "untouched") << "refused arguments leave the options as they were";
    return problem;
}

}  // namespace

TEST(SolveOptions, TakesALevelWithItsSearchAndWhatToDoWithTheRun)
{
    SolveOptions options;
    ASSERT_EQ(ParseSolveOptions({"07.txt", "--any", "--limit", "500", "--seconds", "30", "--write", "s.txt", "--show"},
                                options),
              "");
    EXPECT_EQ(options.level, "07.txt");
    EXPECT_FALSE(options.search.allCoins);
    EXPECT_EQ(options.search.positionLimit, 500);
    EXPECT_EQ(options.search.secondsLimit, 30.0);
    EXPECT_EQ(options.write, "s.txt");
    EXPECT_TRUE(options.show);
    EXPECT_FALSE(options.checking);
}

TEST(SolveOptions, TakesASolutionToCheck)
{
    SolveOptions options;
    ASSERT_EQ(ParseSolveOptions({"7.lev", "--check", "DDsW", "--frames", "1 17 33 34"}, options), "");
    EXPECT_TRUE(options.checking);
    EXPECT_EQ(options.solution.letters, "DDsW");
    EXPECT_EQ(options.solution.frames, (std::vector<int>{1, 17, 33, 34}));
    SolveOptions file;
    ASSERT_EQ(ParseSolveOptions({"--check-file", "07.txt", "7.lev"}, file), "");
    EXPECT_TRUE(file.checking);
    EXPECT_EQ(file.solutionFile, "07.txt");
    SolveOptions shipped;
    ASSERT_EQ(ParseSolveOptions({"--shipped", "levels", "data", "--limit", "9"}, shipped), "");
    EXPECT_EQ(shipped.shippedSources, "levels");
    EXPECT_EQ(shipped.shippedData, "data");
}

TEST(SolveOptions, RefusesEveryArgumentItCannotTake)
{
    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{}, "no level given"},
        {{"--any"}, "no level given"},
        {{"a.lev", "b.lev"}, "unexpected argument: b.lev"},
        {{"a.lev", "--fast"}, "unexpected argument: --fast"},
        {{"a.lev", "--limit"}, "missing value after --limit"},
        {{"a.lev", "--limit", "0"}, "--limit needs a whole number above 0, not: 0"},
        {{"a.lev", "--limit", "12x"}, "--limit needs a whole number above 0, not: 12x"},
        {{"a.lev", "--limit", "99999999999999999999"}, "--limit needs a whole number above 0"},
        {{"a.lev", "--seconds", "-5"}, "--seconds needs a whole number from 1 to 1000000, not: -5"},
        {{"a.lev", "--seconds", "1000001"}, "--seconds needs a whole number from 1 to 1000000"},
        {{"a.lev", "--write", ""}, "--write needs a value"},
        {{"a.lev", "--check", "DDX"}, "--check, line 1: letter 3 is not one of W, D, S and A"},
        {{"a.lev", "--check", "DsD"}, "--check, line 1: a refused arrow (lower case) needs the frames"},
        {{"a.lev", "--check", "DD", "--frames", "1 5"}, "--check, line 2: frame 5 comes less than 16 frames"},
        {{"a.lev", "--frames", "1 17"}, "--frames goes with --check"},
        {{"a.lev", "--check", "DD", "--check-file", "s.txt"}, "--check and --check-file exclude each other"},
        {{"--shipped", "levels"}, "--shipped needs the folder of the level sources and the data folder"},
        {{"--shipped", "levels", "data", "a.lev"}, "--shipped takes only --limit and --seconds"},
        {{"--shipped", "levels", "data", "--show"}, "--shipped takes only --limit and --seconds"},
    };
    for (const auto& [args, expected] : bad) {
        const std::string problem = Fault(args);
        EXPECT_EQ(problem.rfind(expected, 0), 0u) << problem;
    }
}
