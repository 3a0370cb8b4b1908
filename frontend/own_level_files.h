// The player's own levels: ".lev" files in the folder "levels" of the player's saves (beside
// "Settings.ini"), written through the one level format. A new level is saved under a file
// name made from its title that no other level has, and keeps that file from then on.
#pragma once

#include <string>
#include <vector>

#include "game/level_checks.h"
#include "game/level_format.h"

// The folder, made when a level is first saved.
std::string OwnLevelsFolder();
// "TITLE.lev" with the title's letters and digits in lower case and every other character a
// "-"; "untitled" for a title without any.
std::string OwnLevelFileName(const std::string& title);
// OwnLevelFileName, or with "-2", "-3", ... before ".lev" when a file of that name exists,
// so that a new level never replaces another.
std::string FreeOwnLevelFileName(const std::string& title);

// Writes the level as `fileName` in the folder, kill-safe. Returns the empty text, or a
// message naming the file or folder at fault.
std::string SaveOwnLevel(const LevelData& level, const std::string& fileName);

struct OwnLevelFile {
    std::string name;  // the file's name in the folder
    LevelData level;   // as read, when the file is a level
    std::string fault;  // why the file is no level; empty when it is one
    std::vector<LevelProblem> problems;  // what keeps it from play: a draft's
};

// Every ".lev" file in the folder, by name; a folder that does not exist has none. A file
// that cannot be read is listed with its fault, so that it can be deleted.
std::vector<OwnLevelFile> ListOwnLevels();

// Returns the empty text, or a message naming the file.
std::string DeleteOwnLevelFile(const std::string& fileName);
