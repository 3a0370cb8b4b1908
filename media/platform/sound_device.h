// The audio device behind the sound operations, as tools and tests see it.
#pragma once

#include <cstdint>
#include <string>

#include "media/platform/sound.h"

struct SoundDeviceInfo {
    std::string driver;       // SDL's name of the driver; empty when none could be opened
    int rate = 0;             // frames per second the mixer makes and sounds are loaded at
    bool substitute = false;  // no real device could be opened: a silent one took its place
};

// Opens the device, if no sound operation has yet.
SoundDeviceInfo CurrentSoundDevice();
// Closes the device, which the next sound operation opens again. Runs at program exit.
void ShutSoundDown();

// A channel as the mixer sees it at this moment.
struct ChannelInfo {
    int64_t position = 0;
    float volume = 0;
    bool paused = false;
    bool mixing = false;  // started and not yet ended
};
ChannelInfo InspectChannel(const Channel& channel);
// Channels the mixer lists: playing ones, and paused ones somebody still holds.
int MixingChannelCount();
