// A solution of a level as the par search finds it and a solution file holds it: the letters
// of its steps, the frame of each when the run depends on timing, and the proof that no
// shorter run exists. What the letters mean is told by tools/solve/solution_file.h, which
// reads and writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ParProof {
    long positions = 0;
    uint64_t level = 0;  // LevelFingerprint of the level proved on

    bool operator==(const ParProof&) const = default;
};

struct SolutionFile {
    std::string letters;
    std::vector<int> frames;  // empty: no timing
    std::optional<ParProof> proof;
};

// A step lasts this many frames: the next one can be taken no sooner.
constexpr int StepFrameCount = 16;

// Whether a letter is a step the rules take, not an arrow they refuse.
inline bool IsStepLetter(char letter)
{
    return letter == 'W' || letter == 'D' || letter == 'S' || letter == 'A';
}
