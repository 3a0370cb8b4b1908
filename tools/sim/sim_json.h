// The world as the simulator prints it: one JSON object.
#pragma once

#include <string>

#include "game/headless_world.h"

// The level, the counters, the finish moment (Null when the goal was not entered) and every
// object of LevelObjects in list order.
std::string WorldJson(int frames, const FinishMoment* finished);
