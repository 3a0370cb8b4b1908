// Each level's title as the screens show it: the language file's own title for the level
// where it has one, otherwise the title the level file carries; in upper case.
#pragma once

#include <array>
#include <string>

#include "frontend/level_unlocks.h"

// By level number, for levels 0 to LastLevel; empty where no title is known.
extern std::array<std::string, LevelSlots> LevelTitles;

// Once the screen words have been read. A level file that cannot be read gives its level no
// title, with a warning in the log: only playing that level stops the game.
void ReadLevelTitles();

// "LEVEL 4: DOORSTOP" for level 3: the language file's word, the number the menus give the
// level, and its title. Empty when the language file has no word for it.
std::string LevelName(int level);
