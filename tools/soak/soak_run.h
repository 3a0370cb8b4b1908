// The soak itself: levels played one after another through the real rules, each attempt
// for a random number of frames with random held keys, undos and redos, or by the level's
// solution, then restarted, left, or finished by entering the goal, as a player might.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/solve/solution_file.h"

struct SoakReport {
    int64_t frames = 0;
    int attempts = 0;
    int restarts = 0;
    int finishes = 0;
    int undos = 0;
    int redos = 0;
    int mostObjects = 0;
    int mostParticles = 0;
    // Resident memory once the first attempt has run, and at the end.
    int64_t startKilobytes = 0;
    int64_t endKilobytes = 0;
    // What went wrong, with the frame it was seen in; empty when all held.
    std::vector<std::string> failures;
};

// The level files (*.lev) in `folder`, in the order of their numbers; none when the folder
// does not exist.
std::vector<std::string> ShippedLevels(const std::string& folder);

struct SoakLevel {
    std::string path;       // of the level file
    SolutionFile solution;  // to the goal; no letters when there is none
};

// Plays `frames` frames over `levels`, drawing every random choice from `random`, so that a
// seed always gives the same run.
SoakReport RunSoak(const std::vector<SoakLevel>& levels, int64_t frames, std::mt19937& random);
