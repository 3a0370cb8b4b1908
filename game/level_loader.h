// Level files: "Levels/" + level number + ".lev", binary and little-endian. A title length N
// (signed 32-bit), N character codes (32-bit each), the keys byte, the coins byte, then three
// layers of one byte per cell (ground, switches, items), each stored column by column from
// the top: byte k is column k / 16, row k mod 16.
#pragma once

#include <string>

#include "game/grid.h"

// The size of a level file with an empty title.
constexpr int LevelFileBaseSize = 4 + 2 + 3 * MapWidth * MapHeight;

// Ground codes: 0 nothing, 1..3 floor variants 0..2, 4..6 wall variants 0..2.
constexpr int GroundFloorCode = 1;
constexpr int GroundWallCode = 4;
constexpr int GroundLastCode = 6;
// Switch codes: 1 goal; 2, 5, 8 static buttons, 3, 6, 9 active buttons and 4, 7, 10 gates
// of colours 0, 1, 2; 11 the player's start; anything else nothing.
constexpr int SwitchGoalCode = 1;
constexpr int SwitchStaticCode = 2;
constexpr int SwitchActiveCode = 3;
constexpr int SwitchGateCode = 4;
constexpr int SwitchStartCode = 11;
// Item codes: 1 wooden block, 2 box, 3 boulder, 4 key, 5 coin; anything else nothing.
enum ItemCode { ItemWoody = 1, ItemBoxy, ItemBoulder, ItemKey, ItemCoin };

// Kept from the last level loaded.
extern std::string LevelTitle;
extern int KeysInLevel;   // keys to take before the goal opens
extern int CoinsInLevel;  // coins a record needs

namespace Map {
// Empties LevelObjects without running any hooks, then creates the level's objects in file
// order (ground layer, switch layer, item layer; each column by column from the top) and
// spawns the player last. A file that cannot be opened or is damaged is a fatal error.
void Load(const std::string& path);
}  // namespace Map
