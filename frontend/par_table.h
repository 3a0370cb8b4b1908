// Par: the fewest steps in which a level has been proven to be finished with every coin,
// from "Levels/Par.dat" (key = value lines, the level number as the key, par as the value).
// A level whose par is not there has none to show; the game needs no par at all.
#pragma once

#include <array>
#include <string>

#include "frontend/level_unlocks.h"

inline constexpr char ParFile[] = "Levels/Par.dat";
inline constexpr int UnknownPar = -1;

// By level number; UnknownPar where the file gives none. Read once for the run.
extern std::array<int, LevelSlots> LevelPar;

// Par as written in the file: decimal digits only, at most five. UnknownPar for anything
// else.
int ParseParValue(const std::string& value);

// The par of levels 0 to LastLevel. A missing file leaves every par unknown; a value that is
// no number of steps leaves its level's par unknown, with a warning in the log naming the
// file and the key. Leaves "Settings.ini" current.
void ReadParTable();
