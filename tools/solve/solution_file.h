// A stored solution of a level (levels/solutions/NN.txt): the letters of its steps on the
// first line, "W", "D", "S" and "A", the step into the goal included; and, where the run
// depends on timing, a second line with the frame each step is taken in, counted from 1
// (the first frame after the level was loaded), separated by blanks, each at least a step's
// 16 frames after the one before. Without the second line the run plays the same whenever
// its steps are taken. Lines end in LF or CR LF; nothing follows but empty lines.
//
//     DDSAAW
//     1 17 33 80 96 112
#pragma once

#include <string>
#include <vector>

struct SolutionFile {
    std::string letters;
    std::vector<int> frames;  // empty: no timing
};

// A step lasts this many frames: the next one can be taken no sooner.
constexpr int StepFrameCount = 16;
// The latest frame a solution may name, some nine hours of play.
constexpr int LatestSolutionFrame = 2'000'000;

// The empty text, or what is wrong, naming the file and the line.
std::string ParseSolutionFile(const std::string& text, const std::string& fileName, SolutionFile& solution);
std::string FormatSolutionFile(const SolutionFile& solution);
