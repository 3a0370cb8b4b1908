// The player's own levels: ".lev" files in the folder "levels" of the player's saves (beside
// "Settings.ini"), written through the one level format. A level is saved under a file name
// made from its title, so that saving it again replaces it.
#pragma once

#include <string>

#include "game/level_format.h"

// The folder, made when a level is first saved.
std::string OwnLevelsFolder();
// "levels/TITLE.lev" with the title's letters and digits in lower case and every other
// character a "-"; "untitled" for a title without any.
std::string OwnLevelFileName(const std::string& title);
// Writes the level, kill-safe. Returns the empty text and the file written, or a message
// naming the file or folder at fault.
std::string SaveOwnLevel(const LevelData& level, std::string& file);
