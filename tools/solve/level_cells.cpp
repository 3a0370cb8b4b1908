#include "tools/solve/level_cells.h"

#include "game/level_loader.h"

std::string CellName(int cell)
{
    return "column " + std::to_string(cell / MapHeight) + ", row " + std::to_string(cell % MapHeight);
}

int NeighbourCell(int cell, int direction)
{
    int column = cell / MapHeight;
    int row = cell % MapHeight;
    switch (direction) {
    case DirUp: --row; break;
    case DirRight: ++column; break;
    case DirDown: ++row; break;
    case DirLeft: --column; break;
    default: return -1;
    }
    if (column < 0 || row < 0 || column >= MapWidth || row >= MapHeight)
        return -1;
    return CellOf(column, row);
}

// Codes 2..10 run static, active, gate for colour 0, then colour 1, then colour 2.
Switch SwitchOf(uint8_t code)
{
    if (code == 0)
        return {};
    if (code == SwitchGoalCode)
        return {SwitchKind::Goal, 0};
    if (code == SwitchStartCode)
        return {SwitchKind::Start, 0};
    if (code > SwitchGateCode + 6)
        return {SwitchKind::Unknown, 0};
    const int offset = code - SwitchStaticCode;
    const SwitchKind kinds[3] = {SwitchKind::Static, SwitchKind::Active, SwitchKind::Gate};
    return {kinds[offset % 3], offset / 3};
}

bool IsWallCode(uint8_t ground)
{
    return ground >= GroundWallCode;
}

Reach ReachFrom(const uint8_t* ground, int start)
{
    Reach reach;
    reach.cells.assign(LevelCellCount, false);
    std::vector<int> open = {start};
    reach.cells[start] = true;
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        const int column = cell / MapHeight;
        const int row = cell % MapHeight;
        if (column == 0 || row == 0 || column == MapWidth - 1 || row == MapHeight - 1) {
            if (reach.edge < 0 || cell < reach.edge)
                reach.edge = cell;
            continue;
        }
        for (int direction = 0; direction < 4; ++direction) {
            const int next = NeighbourCell(cell, direction);
            if (!reach.cells[next] && !IsWallCode(ground[next])) {
                reach.cells[next] = true;
                open.push_back(next);
            }
        }
    }
    return reach;
}
