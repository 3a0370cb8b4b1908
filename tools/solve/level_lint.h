// Plain mistakes a level can hold although the game loads it: no start or two, a field the
// player can walk off, gates no button opens, buttons that open nothing, codes that make no
// object, counts that disagree with the field.
#pragma once

#include <string>
#include <vector>

#include "tools/levelc/level_source.h"

// One message per mistake, naming the cell where there is one; empty for a sound level.
std::vector<std::string> LintLevel(const LevelData& level);
