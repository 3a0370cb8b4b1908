// The par of a level proved on a thread of its own and within a budget, so that a screen can
// go on drawing while the search runs and show how far it has got. The search wants every
// coin taken, as a level's par does.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "game/level_format.h"

// Some one and a half seconds of search on a desktop machine, and some 130 MB for a level of
// a dozen boxes (each thing that moves adds a few bytes to every position); the time limit
// is for slower machines.
constexpr long ParJobPositionLimit = 2'000'000;
constexpr double ParJobSecondsLimit = 20;

struct ParJobBudget {
    long positions = ParJobPositionLimit;
    double seconds = ParJobSecondsLimit;
};

struct ParJobState {
    enum class Phase {
        Idle,                // no job was started
        Running,             // `positions` seen so far
        Finished,            // `par` is the level's par
        NoWayWithEveryCoin,  // every way to play was tried: the goal cannot be reached with every coin
        GaveUp,              // the budget ran out first
        Stopped,             // cancelled before it knew
        Refused,             // the search cannot take the level, for the reason in `refusal`
    };
    Phase phase = Phase::Idle;
    long positions = 0;
    // The fewest steps before the one into the goal.
    int par = 0;
    std::string refusal;
};

// Owned and called by one thread, the screen's; only the search runs on a thread of its own.
class ParJob {
public:
    ParJob() = default;
    // Stops a running search and waits for its thread.
    ~ParJob();
    ParJob(const ParJob&) = delete;
    ParJob& operator=(const ParJob&) = delete;

    // Begins to prove the par of `level`, after cancelling the job before it. A level the
    // search cannot take is Refused at once, and no thread is started.
    void Start(const LevelData& level, const ParJobBudget& budget = {});
    // Never waits for the search.
    ParJobState Poll() const;
    // Stops the search and waits the few milliseconds its thread takes to end; a job that was
    // still running is Stopped, one that had ended keeps its answer.
    void Cancel();

private:
    std::atomic<bool> stop_{false};
    std::atomic<long> progress_{0};
    mutable std::mutex mutex_;
    // Written by the search's thread when it ends, under `mutex_`.
    ParJobState state_;
    std::thread thread_;
};
