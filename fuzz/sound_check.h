// What a sound loader promises, whatever the bytes: nothing, or a sound that the mixer can
// play. The sound is loaded at the device's usual rate and mixed for a moment, so that a
// streamed one is really decoded and resampled.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "media/decode/decoded_audio.h"
#include "media/decode/mixer.h"
#include "media/decode/sound_load.h"

constexpr int FuzzMixerRate = 44100;

inline void CheckDecodedAudio(const DecodedAudio& audio)
{
    FuzzCheck(audio.channels == 1 || audio.channels == 2, "one or two channels");
    FuzzCheck(audio.rate >= LowestSoundRate && audio.rate <= HighestSoundRate, "a rate we accept");
    FuzzCheck(!audio.samples.empty() && audio.samples.size() % audio.channels == 0, "whole frames");
}

inline Sound LoadAndPlay(const std::string& bytes, bool loops)
{
    const Sound sound = LoadSoundBytes(std::make_shared<const std::string>(bytes), FuzzMixerRate, loops);
    if (!sound)
        return nullptr;
    FuzzCheck(sound->frames.empty() == static_cast<bool>(sound->openStream), "decoded at load or streamed");
    FuzzCheck(sound->frames.size() % 2 == 0, "stereo frames");
    std::unique_ptr<FrameStream> stream;
    if (sound->openStream) {
        stream = sound->openStream();
        FuzzCheck(stream != nullptr, "a streamed sound opens for every channel");
    }
    Mixer mixer;
    mixer.Start(std::make_shared<ChannelData>(), sound, std::move(stream), false);
    std::vector<int16_t> out(4096 * 2);
    mixer.Mix(out.data(), 4096);
    return sound;
}
