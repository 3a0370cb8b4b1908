// The shortest way through a puzzle (an A* search whose estimate is the walk to the farthest
// coin or key and on to the goal), among the solutions that play out the same whether the
// player waits between steps or not: while a boulder may still be rolling, the player only
// walks, and never into a cell the roll scans.
#pragma once

#include <string>

#include "tools/solve/puzzle.h"

struct SearchResult {
    bool found = false;
    std::string moves;  // every step's letter, the step into the goal included
    long states = 0;    // positions seen
    bool gaveUp = false;  // the limit on positions was reached first
};

// `allCoins`: only a solution that takes every coin before entering the goal counts.
SearchResult FindShortestSolution(const Puzzle& puzzle, const PuzzleState& start, bool allCoins,
                                  long stateLimit);
