// The cell lattice and the four directions shared by every movement rule.
#pragma once

#include <string>

constexpr int CellSize = 32;
constexpr int MapOffsetX = 50;  // pixel x of column 0
constexpr int MapOffsetY = 25;  // pixel y of row 0
// Objects drawn rotated or scaled are drawn at their centre, this far from the cell's corner.
constexpr int HalfCell = CellSize / 2;
constexpr float MoveSpeed = 2.0f;  // pixels a frame of a stepping or rolling object

constexpr unsigned short MapWidth = 23;
constexpr unsigned short MapHeight = 16;

// Direction codes; each has a move-record letter and an arrow key.
enum Direction { DirUp = 0, DirRight = 1, DirDown = 2, DirLeft = 3 };

// "W", "D", "S", "A" for the codes 0 to 3; the empty text for any other.
std::string DirectionLetter(int direction);
// 0 to 3 for "W", "D", "S", "A" (exact, case-sensitive); -1 for any other text.
int DirectionOfLetter(const std::string& letter);
// Moves (x, y) by `distance` pixels in a direction; a code outside 0..3 moves nothing.
void Offset(int direction, float distance, float& x, float& y);
// The top-left pixel of the cell one step from (x, y); (x, y) itself for a code outside 0..3.
void StepTarget(int direction, float x, float y, float& tx, float& ty);
