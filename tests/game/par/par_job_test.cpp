// The par search run as a job beside the screen, on levels drawn here: the answers it gives
// (the par, no way with every coin, the budget spent, a level the search cannot take), and
// a running search watched, cancelled, replaced and dropped.
#include "game/par/par_job.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "game/par/par_search.h"
#include "game/par/world_model.h"
#include "tests/support/level_builder.h"
#include "tools/levelc/level_source.h"

namespace {

using Phase = ParJobState::Phase;

LevelData Drawn(const std::vector<std::string>& rows)
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows), "drawn level", level);
    EXPECT_EQ(problem, "");
    return level;
}

// The two boxes in the passage can never be pushed (a box does not push a box), so the coin
// behind them is out of reach; the search learns it only by trying the millions of ways to
// arrange the boxes of the room.
LevelData LongSearch()
{
    return Drawn({"################", "#..x.....x..####", "#.x...x.....####", "#....@...x..xx$#",
                  "#..x....x...####", "#......*....####", "################"});
}

void Pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Polls until the job has its answer; the job's own budget bounds the wait.
ParJobState Answer(const ParJob& job)
{
    ParJobState state = job.Poll();
    for (; state.phase == Phase::Running; state = job.Poll())
        Pause();
    return state;
}

// Polls until the search has reported seeing positions, so that it surely runs.
ParJobState UnderWay(const ParJob& job)
{
    ParJobState state = job.Poll();
    for (; state.phase == Phase::Running && state.positions == 0; state = job.Poll())
        Pause();
    EXPECT_EQ(state.phase, Phase::Running);
    return state;
}

}  // namespace

TEST(ParJobAnswers, TheParTheSearchProves)
{
    const LevelData level = Drawn({"#########", "#$@..*..#", "#.####..#", "#......$#", "#########"});
    ModelLevel model;
    ModelState start;
    ASSERT_EQ(MakeModel(level, model, start), "");
    const ParSearchResult direct = ProvePar(model, start, ParSearchOptions());
    ASSERT_TRUE(direct.found);

    ParJob job;
    EXPECT_EQ(job.Poll().phase, Phase::Idle);
    job.Start(level);
    const ParJobState answer = Answer(job);
    EXPECT_EQ(answer.phase, Phase::Finished);
    EXPECT_EQ(answer.par, direct.par);
    EXPECT_EQ(answer.positions, direct.positions);
    job.Cancel();
    EXPECT_EQ(job.Poll().phase, Phase::Finished) << "a job that has ended keeps its answer";
}

TEST(ParJobAnswers, NoWayWithEveryCoin)
{
    // A coin walled in, and a coin behind a box that has a box behind it.
    for (const LevelData& level : {Drawn({"########", "#@..*#$#", "########"}),
                                   Drawn({"#########", "#@...xx$#", "#..*#####", "#########"})}) {
        ParJob job;
        job.Start(level);
        EXPECT_EQ(Answer(job).phase, Phase::NoWayWithEveryCoin);
    }
}

TEST(ParJobAnswers, TheBudgetSpent)
{
    ParJob job;
    ParJobBudget budget;
    budget.positions = 20'000;
    job.Start(LongSearch(), budget);
    const ParJobState answer = Answer(job);
    EXPECT_EQ(answer.phase, Phase::GaveUp);
    EXPECT_GE(answer.positions, budget.positions);
}

TEST(ParJobAnswers, ALevelTheSearchCannotTake)
{
    struct Unfit {
        LevelData level;
        std::string reason;
    };
    const std::string coins = std::string(15, '$') + "#";
    const std::vector<Unfit> unfit = {
        {Drawn({"#####", "#.*.#", "#####"}), "no player start"},
        {Drawn({"#####", "#@..*", "#####"}), "the player or a block can reach the edge of the field"},
        {Drawn({"##################", "#@" + coins, "#." + coins, "#." + coins, "#." + coins, "#*" + coins,
                "##################"}),
         "more than 64 items"},
    };
    for (const Unfit& level : unfit) {
        ParJob job;
        job.Start(level.level);
        const ParJobState answer = job.Poll();
        EXPECT_EQ(answer.phase, Phase::Refused) << "known at once, without a search";
        EXPECT_NE(answer.refusal.find(level.reason), std::string::npos) << answer.refusal;
    }
}

TEST(ParJobRunning, ProgressRises)
{
    ParJob job;
    job.Start(LongSearch());
    const long first = UnderWay(job).positions;
    ParJobState later = job.Poll();
    for (; later.phase == Phase::Running && later.positions == first; later = job.Poll())
        Pause();
    EXPECT_EQ(later.phase, Phase::Running);
    EXPECT_GT(later.positions, first);
}

TEST(ParJobRunning, CancelStopsTheSearch)
{
    ParJob job;
    job.Start(LongSearch());
    UnderWay(job);
    job.Cancel();
    const ParJobState answer = job.Poll();
    EXPECT_EQ(answer.phase, Phase::Stopped);
    EXPECT_LT(answer.positions, ParJobPositionLimit) << "stopped before the budget ran out";
    EXPECT_GT(answer.positions, 0);
}

TEST(ParJobRunning, ANewLevelReplacesTheSearch)
{
    ParJob job;
    job.Start(LongSearch());
    UnderWay(job);
    job.Start(Drawn({"#######", "#@.$.*#", "#######"}));
    const ParJobState answer = Answer(job);
    EXPECT_EQ(answer.phase, Phase::Finished);
    EXPECT_EQ(answer.par, 3);
}

TEST(ParJobRunning, DroppedWhileItSearches)
{
    auto job = std::make_unique<ParJob>();
    job->Start(LongSearch());
    UnderWay(*job);
    job.reset();
    SUCCEED() << "the search's thread was stopped and joined";
}
