#include "frontend/own_par.h"

#include "game/par/par_job.h"

namespace {

// One search at a time for the whole run: a screen left while it works lets it go on, so
// that MY LEVELS and the editor share its answer.
ParJob Job;
LevelData Solving;
bool Working = false;

OwnParAnswer AnswerOf(const ParJobState& state)
{
    OwnParAnswer answer;
    answer.level = Solving;
    switch (state.phase) {
    case ParJobState::Phase::Finished:
        answer.state = OwnParState::Proven;
        answer.par = state.par;
        break;
    case ParJobState::Phase::NoWayWithEveryCoin: answer.state = OwnParState::NoWayWithEveryCoin; break;
    case ParJobState::Phase::Refused:
        answer.state = OwnParState::TooHard;
        answer.refused = true;
        break;
    default: answer.state = OwnParState::TooHard; break;
    }
    return answer;
}

}  // namespace

void SolveOwnPar(const LevelData& level)
{
    Solving = level;
    Working = true;
    Job.Start(level);
}

long OwnParPositions(const LevelData& level)
{
    if (!Working || level != Solving)
        return -1;
    const ParJobState state = Job.Poll();
    return state.phase == ParJobState::Phase::Running ? state.positions : -1;
}

bool SolvingOwnPar()
{
    return Working;
}

std::optional<OwnParAnswer> CollectOwnPar()
{
    if (!Working)
        return std::nullopt;
    const ParJobState state = Job.Poll();
    if (state.phase == ParJobState::Phase::Running)
        return std::nullopt;
    Working = false;
    // A search stopped for another level has nothing to say of this one.
    if (state.phase == ParJobState::Phase::Stopped || state.phase == ParJobState::Phase::Idle)
        return std::nullopt;
    const OwnParAnswer answer = AnswerOf(state);
    StoreOwnPar(answer.level, answer.state, answer.par);
    return answer;
}
