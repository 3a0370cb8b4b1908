// How the editor shows a level: every part with the game's own pictures, at the cell of the
// game's lattice, so that the field looks as it will in play.
#pragma once

#include "game/level_format.h"

// The goal, the player, the boulder and the coin are drawn from their centre, as their
// objects draw them once spawned.
void CentreRoundPictures();
// The part a layer's code stands for, drawn with its top-left corner at (x, y).
void DrawLevelPart(LevelLayer layer, int code, float x, float y);
// The field: a dark lattice, then every cell's ground, switch and item.
void DrawEditedLevel(const LevelData& level);
// A one-pixel frame just inside the cell-sized square at (x, y).
void DrawCellFrame(float x, float y, int size);
