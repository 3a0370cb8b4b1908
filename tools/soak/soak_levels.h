// The levels a soak plays: the shipped ones, or levels made up from a seed while there are
// none.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The level files (*.lev) in `folder`, in the order of their numbers; none when the folder
// does not exist.
std::vector<std::string> ShippedLevels(const std::string& folder);

// Writes `count` made-up levels into `folder` and returns their paths. Each is walled in and
// holds a start, a goal, keys, coins, every kind of block and buttons with their gates, at
// places chosen by `random`.
std::vector<std::string> MakeUpLevels(const std::string& folder, int count, std::mt19937& random);
