// The cells of a level as the solver and the checks read them: numbering, neighbours, what a
// switch code stands for, and where the player can get to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/grid.h"

constexpr int LevelCellCount = MapWidth * MapHeight;

// Cells are numbered as in a level file: column * MapHeight + row.
constexpr int CellOf(int column, int row)
{
    return column * MapHeight + row;
}

// "column C, row R".
std::string CellName(int cell);

// The neighbour of `cell` in a direction (0 up, 1 right, 2 down, 3 left); -1 off the field.
int NeighbourCell(int cell, int direction);

enum class SwitchKind { None, Start, Goal, Static, Active, Gate, Unknown };

struct Switch {
    SwitchKind kind = SwitchKind::None;
    int color = 0;  // 0 red, 1 blue, 2 yellow: for buttons and gates
};

Switch SwitchOf(uint8_t code);

bool IsWallCode(uint8_t ground);

// Every cell the player could ever reach from `start` if nothing but walls stood in the way,
// and the first cell on the edge of the field among them (-1 when the walls close it in).
struct Reach {
    std::vector<bool> cells;
    int edge = -1;
};

Reach ReachFrom(const uint8_t* ground, int start);
