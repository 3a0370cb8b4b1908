// The command line of tindlewick-sim.
#pragma once

#include <string>
#include <vector>

extern const char* const SimUsage;

// Arrow keys held together for a number of frames.
struct HeldKeys {
    bool up = false;
    bool right = false;
    bool down = false;
    bool left = false;
    int frames = 0;
};

struct SimOptions {
    std::string level;
    bool replay = false;          // --moves given: the replay state, letters for the player
    std::string moves;            // --moves LETTERS
    std::vector<HeldKeys> keys;   // --keys SCRIPT
    int frames = -1;              // --frames N; -1 when not given
};

// Reads the arguments after the program name. Returns the empty text, or a message naming
// the argument at fault.
std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options);
