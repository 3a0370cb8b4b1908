// The search for par over every way to play, on levels drawn here: the shortest way with or
// without the coins, waits and steps while the world moves, a limit that makes it give up,
// and the run it finds played through the real rules at its frames.
#include "game/par/par_search.h"
#include "tests/game/world_fixture.h"
#include "tools/levelc/level_source.h"
#include "tools/solve/real_run.h"

namespace {

LevelData Drawn(const std::vector<std::string>& rows, const std::vector<std::string>& legend = {})
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows, legend), "drawn level", level);
    EXPECT_EQ(problem, "");
    return level;
}

ParSearchResult Prove(const LevelData& level, bool allCoins = true, long limit = 1000000)
{
    ModelLevel model;
    ModelState start;
    EXPECT_EQ(MakeModel(level, model, start), "");
    ParSearchOptions options;
    options.allCoins = allCoins;
    options.positionLimit = limit;
    return ProvePar(model, start, options);
}

// The run played through the real rules at its frames: the goal with every coin after
// exactly par steps.
void ExpectReplays(const LevelData& level, const ParSearchResult& result)
{
    TempDir folder;
    WriteFileBytes(folder.File("level.lev"), EncodeLevel(level));
    const RealRun run = RunAtFrames(folder.File("level.lev"), result.run);
    EXPECT_EQ(run.stuck, "") << result.run.letters;
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.steps, result.par + 1);
    EXPECT_EQ(run.coinsTaken, run.coinsInLevel);
}

}  // namespace

TEST(ParSearch, FindsTheShortestWayWithOrWithoutTheCoins)
{
    const LevelData level = Drawn({"#########", "#$@..*..#", "#.####..#", "#......$#", "#########"});
    const ParSearchResult any = Prove(level, false);
    ASSERT_TRUE(any.found);
    EXPECT_EQ(any.run.letters, "DDD");
    EXPECT_EQ(any.par, 2);
    const ParSearchResult allCoins = Prove(level);
    ASSERT_TRUE(allCoins.found);
    EXPECT_EQ(allCoins.par, 12) << allCoins.run.letters;
    EXPECT_EQ(allCoins.run.letters.front(), 'A');
    ExpectReplays(level, allCoins);
    const ParSearchResult cut = Prove(level, true, 3);
    EXPECT_FALSE(cut.found);
    EXPECT_TRUE(cut.gaveUp);
}

TEST(ParSearch, StepsIntoAGateInTheFramesARollingBoulderHoldsItOpen)
{
    // The boulder presses the button as it rolls over it; the gate stands open for 30 frames,
    // and only then can the player pass it.
    const LevelData level = Drawn({"#########", "#@o..a..#", "#A#######", "#*#", "###"});
    const ParSearchResult result = Prove(level);
    ASSERT_TRUE(result.found);
    EXPECT_EQ(result.run.letters, "DASS");
    ExpectReplays(level, result);
    EXPECT_GT(result.run.frames[2], result.run.frames[1] + 16) << "the step into the gate waits for the roll";
}
