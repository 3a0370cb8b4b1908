// The cells of a level as the solver and the checks read them: neighbours, walls, and where
// the player can get to. Cells are numbered as in a level file (level_format.h).
#pragma once

#include <cstdint>
#include <vector>

#include "game/level_format.h"

// The neighbour of `cell` in a direction (0 up, 1 right, 2 down, 3 left); -1 off the field.
int NeighbourCell(int cell, int direction);

inline bool IsWallCode(uint8_t ground)
{
    return GroundOf(ground).kind == GroundKind::Wall;
}

// Every cell the player could ever reach from `start` if nothing but walls stood in the way,
// and the first cell on the edge of the field among them (-1 when the walls close it in).
struct Reach {
    std::vector<bool> cells;
    int edge = -1;
};

Reach ReachFrom(const uint8_t* ground, int start);
