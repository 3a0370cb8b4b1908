#include "media/decode/mixer.h"

#include <algorithm>
#include <cmath>

namespace {

int16_t Saturate(float sample)
{
    return static_cast<int16_t>(std::clamp(std::lrint(sample), -32768L, 32767L));
}

}  // namespace

Mixer::Mixer()
{
    // Room for the channels of a busy scene, so that starting one seldom allocates under
    // the lock.
    channels_.reserve(64);
}

Mixer::~Mixer()
{
    // Channels outlive the mixer in the program's hands; a later mixer must list them anew.
    for (const Channel& channel : channels_)
        channel->mixing = false;
}

std::unique_ptr<FrameStream> Mixer::Start(const Channel& channel, const Sound& sound,
                                          std::unique_ptr<FrameStream> stream, bool paused)
{
    channel->sound = sound;
    std::swap(channel->stream, stream);
    channel->position = 0;
    channel->paused = paused;
    if (sound && !channel->mixing) {
        channel->mixing = true;
        channels_.push_back(channel);
    }
    return stream;
}

void Mixer::Mix(int16_t* out, int frames)
{
    for (int done = 0; done < frames; done += ChunkFrames) {
        const int chunk = std::min(ChunkFrames, frames - done);
        std::fill_n(sum_.begin(), chunk * 2, 0.0f);
        for (size_t i = 0; i < channels_.size();) {
            // A paused channel nobody holds can never be continued, so it goes too.
            const bool keep = channels_[i]->paused ? channels_[i].use_count() > 1
                                                   : MixChannel(*channels_[i], chunk);
            if (keep) {
                ++i;
                continue;
            }
            channels_[i]->mixing = false;
            channels_[i] = std::move(channels_.back());
            channels_.pop_back();
        }
        std::transform(sum_.begin(), sum_.begin() + chunk * 2, out + done * 2, Saturate);
    }
}

// Adds `frames` frames of the channel to the sum; false once its sound has ended.
bool Mixer::MixChannel(ChannelData& channel, int frames)
{
    if (!channel.sound)
        return false;
    return channel.stream ? MixStreamed(channel, frames) : MixDecoded(channel, frames);
}

bool Mixer::MixDecoded(ChannelData& channel, int frames)
{
    const SoundData& sound = *channel.sound;
    const auto length = static_cast<int64_t>(sound.frames.size() / 2);
    if (length == 0)
        return false;
    for (int done = 0; done < frames;) {
        if (channel.position >= length) {
            if (!sound.loops)
                return false;
            channel.position = 0;
        }
        const int take = static_cast<int>(std::min<int64_t>(frames - done, length - channel.position));
        const int16_t* from = sound.frames.data() + channel.position * 2;
        float* to = sum_.data() + done * 2;
        for (int i = 0; i < take * 2; ++i)
            to[i] += from[i] * channel.volume;
        channel.position += take;
        done += take;
    }
    return sound.loops || channel.position < length;
}

bool Mixer::MixStreamed(ChannelData& channel, int frames)
{
    const int got = channel.stream->Read(streamed_.data(), frames);
    const float gain = 32768.0f * channel.volume;
    for (int i = 0; i < got * 2; ++i)
        sum_[i] += streamed_[i] * gain;
    channel.position += got;
    return got == frames;
}
