// A run of the model drawn as text, for the people who design levels: the field at the start
// and after every step that sets a block moving, as it comes to rest if the player waits, in the characters of the level sources
// (tools/levelc/level_source.h), a gate shown only while it stands on its cell.
#pragma once

#include <string>

#include "game/par/world_model.h"
#include "tools/solve/solution_file.h"

// The field of `state`, row by row; what is in mid-step stands nowhere.
std::string PictureOf(const ModelLevel& level, const ModelState& state);

std::string PicturesOfRun(const ModelLevel& level, const ModelState& start, const SolutionFile& run);
