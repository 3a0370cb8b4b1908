// Our own mixer: sums every playing channel into 16-bit stereo frames at one rate. It knows
// nothing of the audio device, so tests mix into a plain buffer; the device calls Mix from
// its own thread while the program holds the device's lock around every other call.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "media/decode/sound_handles.h"

// Frames of a sound decoded as it plays, already at the mixer's rate.
class FrameStream {
public:
    virtual ~FrameStream() = default;
    // Fills up to `count` interleaved stereo frames, full scale -1..1; fewer only at the
    // end of a sound that does not loop.
    virtual int Read(float* frames, int count) = 0;
};

// Loaded once and never changed afterwards, so the audio thread reads it without the lock.
struct SoundData {
    bool loops = false;
    // Interleaved stereo frames at the mixer's rate, decoded at load; never empty...
    std::vector<int16_t> frames;
    // ...unless the sound is long and decoded as it plays: every channel gets its own stream.
    std::function<std::unique_ptr<FrameStream>()> openStream;
};

// Shared with the audio thread: changed only under the device's lock.
struct ChannelData {
    Sound sound;
    std::unique_ptr<FrameStream> stream;
    // Frames played since the sound started; a decoded looping sound counts from its start
    // again at each wrap.
    int64_t position = 0;
    float volume = 1;
    bool paused = false;
    // Listed by the mixer: from a start until the sound ends.
    bool mixing = false;
};

class Mixer {
public:
    Mixer();
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Plays `sound` on `channel` from its first frame (reading `stream` when the sound is
    // streamed), paused or not. Returns the channel's previous stream so that the caller
    // can let it go outside the lock.
    std::unique_ptr<FrameStream> Start(const Channel& channel, const Sound& sound,
                                       std::unique_ptr<FrameStream> stream, bool paused);
    void Mix(int16_t* out, int frames);
    // Channels listed: playing, or paused and still held by someone.
    int MixingCount() const { return static_cast<int>(channels_.size()); }

private:
    static constexpr int ChunkFrames = 512;

    bool MixChannel(ChannelData& channel, int frames);
    bool MixDecoded(ChannelData& channel, int frames);
    bool MixStreamed(ChannelData& channel, int frames);

    std::vector<Channel> channels_;
    std::array<float, ChunkFrames * 2> sum_ {};
    std::array<float, ChunkFrames * 2> streamed_ {};
};
