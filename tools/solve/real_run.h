// Move letters played through the game's real rules, frame by frame, the three ways a run can
// reach the rules: as a replay hands them over, as a player holding each arrow key from the
// first frame it can act, and as a player who waits until everything has come to rest. A
// record replays faithfully when all three take the same course.
#pragma once

#include <string>
#include <vector>

#include "tools/solve/solution_file.h"

enum class RunMode {
    Replay,           // one letter a frame, before the world moves, as the replay driver does
    KeysAtOnce,       // the arrow key held from the first frame the player stands still
    KeysWhenSettled,  // the arrow key held only once the world is at rest (Rest::NothingPending)
};

struct RealRun {
    bool finished = false;  // the goal was entered
    int coinsTaken = 0;     // at the goal, as the finish sequence sees them
    int coinsInLevel = 0;
    int steps = 0;          // steps made, the one into the goal included
    // The cell (column * 16 + row) each step started from, and the frame it was taken in
    // (counted from 1 after the load), in order.
    std::vector<int> stepCells;
    std::vector<int> stepFrames;
    // Empty, or why the run stopped short: a letter the rules would not take.
    std::string stuck;
};

// Loads the level file at `levelPath` (it must be writable, as the game's loader opens it for
// reading and writing) and plays `letters` ("W", "D", "S", "A") through it.
RealRun RunThroughRules(const std::string& levelPath, const std::string& letters, RunMode mode);

const char* RunModeName(RunMode mode);

// Plays a solution with frames as a player holding each letter's arrow in its frame only:
// an upper-case letter must be taken as a step in its frame, a lower-case one refused.
RealRun RunAtFrames(const std::string& levelPath, const SolutionFile& solution);

// Plays `letters` in all three ways. Returns one message per way that misses the goal or a
// coin, and one when the ways part (the cells the steps start from differ); empty when the
// letters are a faithful all-coin solution.
std::vector<std::string> CheckSolution(const std::string& levelPath, const std::string& letters);

// A stored solution played through the real rules: one with frames at its frames, one
// without in all three ways (CheckSolution). Empty when it enters the goal with every coin
// (and, without frames, takes the same course every way).
std::vector<std::string> CheckSolutionFile(const std::string& levelPath, const SolutionFile& solution);
