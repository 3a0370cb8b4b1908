// The shipped levels proved in one go, for the people who make them: each level source
// NN.txt of a folder is checked against the level file the game loads, its par is proved,
// its run is played through the real rules and stored with the proof in solutions/NN.txt,
// "Levels/Par.dat" is written with every par proven, and a table says how it went: level,
// title, par, the share of walking in the par run and how long the proof took.
#pragma once

#include <string>

#include "game/par/par_search.h"

// 0 when every level was proved and stored; 1 otherwise (each failure is reported).
int ProveShippedLevels(const std::string& sourceFolder, const std::string& dataFolder,
                       const ParSearchOptions& options);
