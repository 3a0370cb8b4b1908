// The command line of tindlewick-sim.
#pragma once

#include <string>
#include <vector>

extern const char* const SimUsage;

// A hit of the undo, redo or restart key, as Z, Y and R are in the game.
enum class KeyHit { Undo, Redo, Restart };

// Arrow keys held together for a number of frames, and the key hits that land in the first
// of those frames.
struct HeldKeys {
    bool up = false;
    bool right = false;
    bool down = false;
    bool left = false;
    int frames = 0;
    std::vector<KeyHit> hits;
};

struct SimOptions {
    std::string level;
    bool replay = false;          // --moves given: the replay state, letters for the player
    std::string moves;            // --moves LETTERS
    std::vector<int> at;          // --at FRAMES: the frame of each letter, for a replay frame for frame
    std::vector<HeldKeys> keys;   // --keys SCRIPT
    std::vector<KeyHit> hitsAfter;  // hits at the end of the script: they land in the frame after it
    int frames = -1;              // --frames N; -1 when not given
};

// Reads the arguments after the program name. Returns the empty text, or a message naming
// the argument at fault.
std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options);
