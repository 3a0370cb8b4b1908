// What keeps a level from being played: checks made on the level as data, before it is
// offered for play. The walls are the only thing that never moves or opens, so a cell walled
// off from the player's start can never be reached, whatever else the level holds.
#pragma once

#include <vector>

#include "game/level_format.h"

enum class LevelProblem {
    NoStart,          // no cell holds the player's start
    NoGoal,           // no cell holds the goal
    BoxedIn,          // walls on all four sides of the start
    GoalWalledOff,    // the goal lies where the player can never walk
    KeyWalledOff,     // a key lies where the player can never walk
    TooFewKeys,       // the goal asks for more keys than the field holds
};

// Every problem, in the order above; none for a level that may be played.
std::vector<LevelProblem> CheckLevel(const LevelData& level);

// The keys and coins lying on the field, which the editor gives the level as its counts.
int KeysOnField(const LevelData& level);
int CoinsOnField(const LevelData& level);
