// The game from start to end: loading, the language screen and the main loop.
#pragma once

#include "game/level_format.h"

// Runs the whole game and returns 0 when it ends normally. A second call returns at once.
// With `playOnly`, the game starts in that level, in the language chosen last, and ends
// when the level is finished or left.
int Main(const LevelData* playOnly = nullptr);
