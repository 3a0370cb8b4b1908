// Sounds and the channels they play on, mixed by our own mixer on the audio device. When
// no device can be opened, a silent one takes its place and everything still works.
#pragma once

#include <memory>
#include <string>

struct SoundData;
struct ChannelData;
// A decoded sound; Null when a load failed.
using Sound = std::shared_ptr<SoundData>;
// One playing or paused instance of a sound.
using Channel = std::shared_ptr<ChannelData>;

constexpr int SoundLoops = 1;  // flag of LoadSoundFile: play forever

Sound LoadSoundFile(const std::string& path, int flags);
Channel StartSound(const Sound& sound, const Channel& channel = nullptr);
Channel PrepareSound(const Sound& sound, const Channel& channel = nullptr);
void HaltChannel(const Channel& channel);
void ContinueChannel(const Channel& channel);
void SetChannelLevel(const Channel& channel, float volume);
