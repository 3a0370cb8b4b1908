// The long script the real game is soaked with. It is written by following what each key
// does to the game: the menus as the language file lays them out, levels played with random
// held keys, pauses with their resume, restart and leave, levels played by their solutions
// to the finish screen with a name for the record, records replayed to the end or left
// halfway, and both switches of the settings menu. Each part ends where the next can
// start from, so the whole run goes through all of it, not only the first menu.
#pragma once

#include <random>
#include <set>
#include <string>
#include <vector>

#include "tools/solve/solution_file.h"

// Each menu's entries by their actions ("3", "START", "CHANGE_DISP", ...), in the order of
// the language file.
using MenuActions = std::vector<std::vector<std::string>>;

// The menus of a language file's text.
MenuActions ReadMenuActions(const std::string& languageText);

struct SoakScript {
    std::string text;  // the lines of the script
    int frames = 0;    // after the last line
    int levelsPlayed = 0;
    int restarts = 0;
    int stepKeys = 0;  // rounds of undo and redo hits
    int solutionsPlayed = 0;
    int replaysWatched = 0;
    int replaysLeft = 0;
    int displaySwitches = 0;
    int musicSwitches = 0;
    // The levels that hold a record once the script has run as written.
    std::set<int> records;
};

// A script of at least `frames` frames, English chosen on the language screen. `levelFiles` and
// `solutions` hold the file of each level, by number, and a solution of it with the frames of
// its letters; levels played at random are rehearsed from their files so that random keys
// never enter the goal.
SoakScript WriteSoakScript(const MenuActions& menus, const std::vector<std::string>& levelFiles,
                           const std::vector<SolutionFile>& solutions,
                           int frames, std::mt19937& random);
