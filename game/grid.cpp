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

void Offset(int direction, float distance, float& x, float& y)
{
    switch (direction) {
    case DirUp: y -= distance; break;
    case DirRight: x += distance; break;
    case DirDown: y += distance; break;
    case DirLeft: x -= distance; break;
    default: break;
    }
}

void StepTarget(int direction, float x, float y, float& tx, float& ty)
{
    tx = x;
    ty = y;
    Offset(direction, CellSize, tx, ty);
}
