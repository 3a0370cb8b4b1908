// A level file of anyone's, played on its own (tindlewick --play FILE.lev): read, decoded
// and checked before the game opens its window, so that a file that is no playable level is
// refused with a message naming the file and what is wrong, and nothing else happens.
#pragma once

#include <string>

#include "game/level_checks.h"
#include "game/level_format.h"

// The English sentence, without a full stop, that says what a problem is.
std::string ProblemSentence(LevelProblem problem);

// Returns the empty text and fills `level`, or the message.
std::string ReadPlayableLevel(const std::string& path, LevelData& level);
