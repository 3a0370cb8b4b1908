// The world as the simulator prints it: one JSON object.
#pragma once

#include <string>

// The finish seam's record of the goal being entered.
struct FinishRecord {
    int frame = 0;
    int moves = 0;
    std::string record;
    int keysTaken = 0;
    int coinsTaken = 0;
};

// The level, the counters, the finish record (Null when the goal was not entered) and every
// object of LevelObjects in list order.
std::string WorldJson(int frames, const FinishRecord* finished);
