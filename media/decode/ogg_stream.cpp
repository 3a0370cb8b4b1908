#include "media/decode/ogg_stream.h"

#include <algorithm>

namespace {

constexpr int DecodeFrames = 1024;

}  // namespace

OggStream::OggStream(std::unique_ptr<OggDecoder> decoder, int mixerRate, bool loops)
    : decoder_(std::move(decoder)), loops_(loops),
      decoded_(static_cast<size_t>(DecodeFrames * decoder_->Channels()))
{
    if (decoder_->Rate() != mixerRate)
        resampler_.emplace(decoder_->Rate(), mixerRate);
    pull_ = [this](float* frames, int count) { return ReadStereo(frames, count); };
}

int OggStream::Read(float* frames, int count)
{
    return resampler_ ? resampler_->Read(frames, count, pull_) : ReadStereo(frames, count);
}

int OggStream::ReadStereo(float* frames, int count)
{
    const int channels = decoder_->Channels();
    int done = 0;
    bool rewound = false;
    while (done < count) {
        const int got = decoder_->Read(decoded_.data(), std::min(DecodeFrames, count - done));
        if (got == 0) {
            // A stream that yields nothing even right after a rewind would spin for ever.
            if (!loops_ || rewound || decoder_->Damaged() || !decoder_->Rewind())
                break;
            rewound = true;
            continue;
        }
        rewound = false;
        for (int i = 0; i < got; ++i) {
            frames[(done + i) * 2] = decoded_[static_cast<size_t>(i * channels)];
            frames[(done + i) * 2 + 1] = decoded_[static_cast<size_t>(i * channels + channels - 1)];
        }
        done += got;
    }
    return done;
}

Sound StreamedOggSound(std::shared_ptr<const std::string> bytes, int mixerRate, bool loops)
{
    auto sound = std::make_shared<SoundData>();
    sound->loops = loops;
    sound->openStream = [bytes = std::move(bytes), mixerRate, loops]() -> std::unique_ptr<FrameStream> {
        std::unique_ptr<OggDecoder> decoder = OggDecoder::Open(bytes);
        if (!decoder)
            return nullptr;
        return std::make_unique<OggStream>(std::move(decoder), mixerRate, loops);
    };
    return sound;
}
