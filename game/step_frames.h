// The frame of each step of a record, for replaying it frame for frame: kept beside the
// record's letters in "Hiscores.dat" (L.frames, numbers separated by blanks) and given to the
// simulator (--at, separated by commas). Frames count as WorldFrame does, from 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The frames as L.frames holds them: "17 33 80".
std::string StepFramesText(const std::vector<int>& frames);

// Reads whole numbers from 0 up, each separated from the next by one or more `separator`s,
// which may also stand at either end. Returns the empty text, or what is wrong with `text`;
// `frames` then holds what was read before.
std::string ReadStepFrames(std::string_view text, char separator, std::vector<int>& frames);

// Whether the frames fit a record of `steps` letters: one for each, from 1 up, each after the
// one before. Returns the empty text, or why not.
std::string StepFramesMisfit(const std::vector<int>& frames, std::size_t steps);
