#include "game/grid.h"

std::string DirectionLetter(int direction)
{
    switch (direction) {
    case DirUp: return "W";
    case DirRight: return "D";
    case DirDown: return "S";
    case DirLeft: return "A";
    default: return "";
    }
}

int DirectionOfLetter(const std::string& letter)
{
    if (letter == "W")
        return DirUp;
    if (letter == "D")
        return DirRight;
    if (letter == "S")
        return DirDown;
    if (letter == "A")
        return DirLeft;
    return -1;
}

void StepTarget(int direction, float x, float y, float& tx, float& ty)
{
    tx = x;
    ty = y;
    switch (direction) {
    case DirUp: ty -= CellSize; break;
    case DirRight: tx += CellSize; break;
    case DirDown: ty += CellSize; break;
    case DirLeft: tx -= CellSize; break;
    default: break;
    }
}
