// A stored solution of a level (levels/solutions/NN.txt), in up to three lines:
//
//     DDSaAW
//     1 17 33 49 50 66
//     proof 1234 positions, level 0123456789abcdef
//
// The first holds the letters of the steps, "W", "D", "S" and "A", the step into the goal
// last. Where the run depends on timing, the second gives the frame of each letter, counted
// from 1 (the first frame after the level was loaded), separated by blanks; such a run may
// also hold an arrow in a frame where the rules refuse the step, when the refusal itself
// does something (it presses a button under a block that cannot move), written in lower
// case. A step lasts 16 frames, so the letter after a step comes 16 frames or more after it,
// the one after a refusal a frame or more. A run without frames takes the same course
// whether it is replayed or played by a player who holds each arrow until its step is
// taken, at once or after waiting. The last line, when there is one, says that the solver proved the run
// the shortest there is: how many positions its search saw, and the fingerprint of the level
// (and of the solver's model of the rules) it proved it on. Lines end in LF or CR LF;
// nothing follows but empty lines.
#pragma once

#include <cstdint>
#include <string>

#include "game/level_format.h"
#include "game/par/solution.h"

// The latest frame a solution may name, some nine hours of play.
constexpr int LatestSolutionFrame = 2'000'000;

// The steps of a solution: its upper-case letters.
int StepCount(const SolutionFile& solution);

// A level's bytes and the version of the solver's model, hashed: a proof holds for the level
// it was made on, by the model it was made with.
uint64_t LevelFingerprint(const LevelData& level);

// The empty text, or what is wrong, naming the file and the line.
std::string ParseSolutionFile(const std::string& text, const std::string& fileName, SolutionFile& solution);
std::string FormatSolutionFile(const SolutionFile& solution);
