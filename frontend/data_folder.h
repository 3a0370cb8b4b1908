// The game's working directory: everything it reads and writes is relative to it.
#pragma once

#include <string>

// Enters `asked` when it is not empty; else stays in the current folder when it holds
// "Settings.ini"; else enters the data folder the game was built with. Returns the empty
// text, or a message naming the folder that could not be entered.
std::string EnterDataFolder(const std::string& asked);
