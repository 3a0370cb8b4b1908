// The check a record's frames pass before they are stored: replayed frame for frame, headless,
// they must give the run as it was played, so that a replay from them is never wrong.
#pragma once

#include <string>
#include <vector>

// Whether replaying `letters` frame for frame at `frames` on the level file at `path` takes
// every step in its own frame, does not enter the goal, and leaves the player at rest on the
// cell at (x, y) with every key and every coin of the level taken. False too when the frames
// do not fit the letters or the file cannot be loaded. Runs beside the world, so it may be
// asked inside the finish sequence; afterwards everything is as it was. The letters and frames
// are copied: they are often the run's own, ReplayString and StepFrames, which the replay
// starts again from nothing.
bool ReplaysAsPlayed(const std::string& path, std::string letters, std::vector<int> frames, float x, float y);
