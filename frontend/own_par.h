// The solver at work on one of the player's levels at a time, on a thread of its own so that
// the screens stay responsive while it searches; what it finds is kept in "MyRecords.dat".
#pragma once

#include <optional>

#include "frontend/own_records.h"
#include "game/level_format.h"

struct OwnParAnswer {
    LevelData level;
    OwnParState state = OwnParState::Unknown;
    int par = 0;
    bool refused = false;  // the solver cannot take the level at all (stored as TooHard)
};

// Starts on the level, leaving any other it was solving.
void SolveOwnPar(const LevelData& level);
// Positions looked at so far while the solver works on this level; -1 while it does not.
long OwnParPositions(const LevelData& level);
// Whether it works on any level.
bool SolvingOwnPar();
// Once a frame: when the solver has finished, its answer, stored and given out once.
std::optional<OwnParAnswer> CollectOwnPar();
