// Sounds and the channels they play on, mixed by our own mixer on the audio device. When
// no device can be opened, a silent one takes its place and everything still works. The
// first of these operations opens the device; program exit shuts it down.
#pragma once

#include <string>

#include "media/decode/sound_handles.h"

constexpr int SoundLoops = 1;  // flag of LoadSoundFile: play forever

// A RIFF WAVE (8- or 16-bit PCM, mono or stereo, any rate) or an Ogg Vorbis file, told
// apart by content. Null when the file is missing, cut short or cannot be decoded.
Sound LoadSoundFile(const std::string& path, int flags);
// Plays the sound from its start on `channel`, or on a fresh channel when that is Null, and
// returns the channel. A one-shot channel leaves the mix when its sound ends. A Null sound
// gives a channel that stays silent.
Channel StartSound(const Sound& sound, const Channel& channel = nullptr);
// The same, but paused: nothing is heard until ContinueChannel.
Channel PrepareSound(const Sound& sound, const Channel& channel = nullptr);
// Pause and un-pause; the channel keeps its place meanwhile.
void HaltChannel(const Channel& channel);
void ContinueChannel(const Channel& channel);
// 0 = silent, 1 = full; values outside are brought within.
void SetChannelLevel(const Channel& channel, float volume);
