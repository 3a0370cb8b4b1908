// Each level's best result: the fewest counted steps in which the goal was reached with
// every coin taken, by whom, and the run's steps for the replay. Kept in "Hiscores.dat" as
// L.player (the name, "none" while the level is free), L.score (one letter a step) and
// L.frames (the frame of each step, for a replay frame for frame; none in older files).
#pragma once

#include <array>
#include <string>

#include "frontend/level_unlocks.h"

inline constexpr char HiscoresFile[] = "Hiscores.dat";

// Per level number: the name in upper case, and the move record as read (lower case). The
// score shown is the length of the move record. Filled at start-up and after every record.
extern std::array<std::array<std::string, 2>, LevelSlots> LevelHiscore;

// Whether the run that just reached the goal of CurrentLevel is a new record: it took every
// coin and the level is free or its record has more steps. Leaves "Settings.ini" current.
int DecideRecord();

// The L.frames of the run that just reached the goal of the level in `levelPath` (StepFrames
// as text), once a replay of them on that file, headless, has ended where the run did; the
// empty text, with a warning in the log naming the record of `level`, when it has not.
// Asked inside the finish sequence, while the player still stands before the goal.
std::string CheckedStepFrames(const std::string& levelPath, const std::string& level);
// The same for the run on CurrentLevel's file.
std::string CheckedStepFrames();

// Writes the run's record when there is one, with `frames` as its L.frames (none when it is
// empty), all in one rewrite, then reads the table of every level again. Leaves
// "Settings.ini" the current settings file.
void StoreRecord(int newRecord, const std::string& name, const std::string& frames = "");

// LevelHiscore of levels 0 to LastLevel from "Hiscores.dat". Leaves "Settings.ini" current.
void ReadHiscoreTable();

// Plays the stored record of `level` back: frame for frame when its L.frames fit its letters,
// otherwise by handing the player its letters one a frame.
void StartReplay(int level);
