// MY LEVELS, shown while the game state is StateOwnLevels: the player's own level files with
// their titles, par and records. Up and Down choose (or a click on a row), Enter plays the
// chosen level, E opens it in the editor, N makes a new one, Delete deletes the chosen file
// once Enter confirms it, Escape goes back to the menu. While the screen is shown, the solver
// works out the par of each level that has none yet, one after the other.
#pragma once

#include <string>

// The list read afresh from the folder, with the file `chosen` chosen when it is there, and
// otherwise the one chosen before.
void EnterOwnLevels(const std::string& chosen = "");
// One frame of the screen.
void RunOwnLevelsFrame();
