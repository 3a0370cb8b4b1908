#include "game/par/level_cells.h"

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
