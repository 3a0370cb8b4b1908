// Samples as a decoder hands them over, before they are fitted to the mixer.
#pragma once

#include <cstdint>
#include <vector>

struct DecodedAudio {
    int rate = 0;                // frames per second
    int channels = 0;            // 1 (mono) or 2 (stereo, left first)
    std::vector<float> samples;  // interleaved, full scale is -1..1

    int64_t Frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// Rates a sound may have: anything a recorder or converter would plausibly write. Far lower
// rates would make the converted sound hundreds of times longer than the file.
constexpr int LowestSoundRate = 1000;
constexpr int HighestSoundRate = 384000;
