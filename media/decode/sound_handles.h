// The handles the program holds on sounds and channels; what they point to belongs to the
// mixer.
#pragma once

#include <memory>

struct SoundData;
struct ChannelData;
// A decoded sound; Null when a load failed.
using Sound = std::shared_ptr<SoundData>;
// One playing or paused instance of a sound.
using Channel = std::shared_ptr<ChannelData>;
