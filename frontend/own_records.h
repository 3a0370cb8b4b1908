// What the game knows of each of the player's own levels, kept apart from the campaign's
// "Hiscores.dat" in "MyRecords.dat" beside it: the record (holder, steps and their frames,
// like the campaign's) and what the solver proved. The keys are a fingerprint of the level's
// bytes, F.player, F.score, F.frames and F.par: a level changed in the editor is another
// level, with neither record nor par until it earns them, while a renamed or copied file
// keeps its own.
#pragma once

#include <string>

#include "game/level_format.h"

inline constexpr char OwnRecordsFile[] = "MyRecords.dat";

// What the solver said of a level; Unknown until it has said it.
enum class OwnParState { Unknown, Proven, NoWayWithEveryCoin, TooHard };

struct OwnLevelFacts {
    OwnParState parState = OwnParState::Unknown;
    int par = 0;          // with Proven
    std::string holder;   // upper case; may be empty: a player may type no name
    std::string steps;    // the record's steps, one letter each; empty while it has none
    std::string frames;   // their frames, as L.frames; may be empty
};

// Sixteen hexadecimal digits from the level's bytes as its file holds them.
std::string LevelFingerprintText(const LevelData& level);

// Where the file lives: beside "Settings.ini".
std::string OwnRecordsPath();

// The facts stored for the level; none when the file is missing. Values that are not what
// the game writes (a par that is no number of steps, steps that are no steps) count as
// missing.
OwnLevelFacts ReadOwnLevelFacts(const LevelData& level);

// The stored value of F.par: digits (proven), "none" or "hard"; Unknown for anything else.
OwnLevelFacts ParFromText(const std::string& value);

// Each writes in one rewrite; a file that cannot be written keeps its old content, and the
// failure is reported on standard error and in the log.
void StoreOwnPar(const LevelData& level, OwnParState state, int par);
void StoreOwnRecord(const LevelData& level, const std::string& holder, const std::string& steps,
                    const std::string& frames);
// Every fact of a level that is deleted or replaced.
void ForgetOwnLevel(const LevelData& level);
