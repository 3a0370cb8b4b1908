// Long Ogg sounds, such as the music, decoded on the audio thread as they play.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "media/decode/mixer.h"
#include "media/decode/ogg_decode.h"
#include "media/decode/resampler.h"

class OggStream : public FrameStream {
public:
    OggStream(std::unique_ptr<OggDecoder> decoder, int mixerRate, bool loops);
    int Read(float* frames, int count) override;

private:
    // Stereo frames at the file's rate; a loop goes on from the first frame at the end.
    int ReadStereo(float* frames, int count);

    std::unique_ptr<OggDecoder> decoder_;
    bool loops_;
    std::vector<float> decoded_;
    std::optional<Resampler> resampler_;
    Resampler::Pull pull_;
};

// A sound whose channels each decode `bytes` as they play; the bytes must hold an Ogg
// Vorbis stream that OggDecoder::Open accepts.
Sound StreamedOggSound(std::shared_ptr<const std::string> bytes, int mixerRate, bool loops);
