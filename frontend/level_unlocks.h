// Which levels may be played: the level numbers 0 to LastLevel, each unlocked by the key of
// its own number in "Settings.ini" (value 1). The level pages have room for 25 levels.
#pragma once

#include <array>

constexpr int LevelSlots = 25;

// The highest level number, from the key "Levels"; 0 to LevelSlots - 1.
extern int LastLevel;
// 1 when the level of that number may be played; entries past LastLevel stay 0.
extern std::array<int, LevelSlots> LevelUnlocked;

// From the current settings file ("Settings.ini"). A "Levels" value outside 0 to 24 ends the
// program with a message naming the key and the file.
void ReadLastLevel();
// The flags of levels 0 to LastLevel from the current settings file.
void ReadLevelFlags();
// Writes the key of the level after `level` as "1" into the current settings file, and
// unlocks it in the table if the table has a place for it.
void UnlockLevelAfter(int level);
