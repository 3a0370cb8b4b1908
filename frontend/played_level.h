// The level in play: its file, and where it was started from, which decides what finishing
// or leaving it leads to. A campaign level goes back to the menus with its record and the
// next level unlocked; a level of the player's own goes back to the screen it came from and
// touches neither the campaign's records nor its unlocks.
#pragma once

#include <string>

#include "game/level_format.h"

enum class LevelOrigin {
    Campaign,     // a level page of the menus, by number
    Editor,       // the editor's test play
    OwnLevels,    // the player's saved levels
    CommandLine,  // --play FILE: the program ends with the level
};

// Set whenever a level is entered, and kept through its restarts: a campaign level is read
// from its file again, any other is built again from the level kept here.
extern LevelOrigin PlayedFrom;
extern LevelData PlayedLevel;
// The file name in the player's levels folder of a level played from MY LEVELS.
extern std::string PlayedFile;

// The game state that leaving the level leads to.
int StateAfterLevel();
// The name the banner and the pause menu show: a campaign level's number and title, or the
// title of a level of the player's own, in upper case.
std::string PlayedLevelName();
