#include "game/par/par_job.h"

#include <utility>

#include "game/par/par_search.h"
#include "game/par/world_model.h"

namespace {

ParJobState AnswerOf(const ParSearchResult& result, bool stopped)
{
    ParJobState answer;
    answer.positions = result.positions;
    if (result.found) {
        answer.phase = ParJobState::Phase::Finished;
        answer.par = result.par;
    } else if (!result.gaveUp) {
        answer.phase = ParJobState::Phase::NoWayWithEveryCoin;
    } else {
        answer.phase = stopped ? ParJobState::Phase::Stopped : ParJobState::Phase::GaveUp;
    }
    return answer;
}

}  // namespace

ParJob::~ParJob()
{
    Cancel();
}

void ParJob::Start(const LevelData& level, const ParJobBudget& budget)
{
    Cancel();
    ModelLevel model;
    ModelState start;
    ParJobState begun;
    begun.refusal = MakeModel(level, model, start);
    begun.phase = begun.refusal.empty() ? ParJobState::Phase::Running : ParJobState::Phase::Refused;
    {
        const std::lock_guard lock(mutex_);
        state_ = begun;
    }
    if (begun.phase == ParJobState::Phase::Refused)
        return;
    stop_.store(false);
    progress_.store(0);
    ParSearchOptions options;
    options.allCoins = true;
    options.positionLimit = budget.positions;
    options.secondsLimit = budget.seconds;
    options.stop = &stop_;
    options.progress = &progress_;
    thread_ = std::thread([this, model = std::move(model), start, options] {
        const ParSearchResult result = ProvePar(model, start, options);
        const ParJobState answer = AnswerOf(result, stop_.load());
        const std::lock_guard lock(mutex_);
        state_ = answer;
    });
}

ParJobState ParJob::Poll() const
{
    const std::lock_guard lock(mutex_);
    ParJobState state = state_;
    if (state.phase == ParJobState::Phase::Running)
        state.positions = progress_.load(std::memory_order_relaxed);
    return state;
}

void ParJob::Cancel()
{
    if (!thread_.joinable())
        return;
    stop_.store(true);
    thread_.join();
}
