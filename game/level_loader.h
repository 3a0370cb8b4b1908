// The level loader: turns a level file (level_format.h) into the objects of LevelObjects.
#pragma once

#include <string>

#include "game/level_format.h"

// Kept from the last level loaded.
extern std::string LevelTitle;
extern int KeysInLevel;   // keys to take before the goal opens
extern int CoinsInLevel;  // coins a record needs

// Reads and decodes the level file at `path`. Returns the empty text, or the message with
// which Map::Load stops the program: the file cannot be opened, or it is damaged.
std::string ReadLevelFile(const std::string& path, LevelData& level);

namespace Map {
// Empties LevelObjects without running any hooks, then creates the level's objects in file
// order (ground layer, switch layer, item layer; each column by column from the top) and
// spawns the player last; WorldFrame starts again from 0. A file that cannot be opened or
// is damaged is a fatal error.
void Load(const std::string& path);
// The same for a level already read, as the editor and a level file of the player's give.
void Build(const LevelData& level);
}  // namespace Map
