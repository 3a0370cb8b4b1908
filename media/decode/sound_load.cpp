#include "media/decode/sound_load.h"

#include <algorithm>
#include <cmath>

#include "media/decode/mixer.h"
#include "media/decode/ogg_decode.h"
#include "media/decode/ogg_stream.h"
#include "media/decode/resampler.h"
#include "media/decode/wave_decode.h"

namespace {

std::vector<float> ToStereo(const DecodedAudio& audio)
{
    if (audio.channels == 2)
        return audio.samples;
    std::vector<float> stereo(audio.samples.size() * 2);
    for (size_t i = 0; i < audio.samples.size(); ++i)
        stereo[i * 2] = stereo[i * 2 + 1] = audio.samples[i];
    return stereo;
}

std::vector<int16_t> ToSixteenBits(const std::vector<float>& samples)
{
    std::vector<int16_t> converted(samples.size());
    std::transform(samples.begin(), samples.end(), converted.begin(), [](float sample) {
        return static_cast<int16_t>(std::clamp(std::lrint(sample * 32768.0f), -32768L, 32767L));
    });
    return converted;
}

std::vector<float> ResampleOnce(const std::vector<float>& stereo, int rate, int mixerRate)
{
    const auto frames = static_cast<int64_t>(stereo.size() / 2);
    Resampler resampler(rate, mixerRate);
    int64_t next = 0;
    const Resampler::Pull pull = [&](float* out, int count) {
        const int taken = static_cast<int>(std::min<int64_t>(count, frames - next));
        std::copy_n(stereo.begin() + next * 2, taken * 2, out);
        next += taken;
        return taken;
    };
    std::vector<float> converted(static_cast<size_t>(frames * mixerRate / rate + 1) * 2);
    const int got = resampler.Read(converted.data(), static_cast<int>(converted.size() / 2), pull);
    converted.resize(static_cast<size_t>(got) * 2);
    return converted;
}

// One period of an endless repetition: the filter sees the loop's end before its start and
// its start after its end, and the length is whole, so the wrap continues the waveform. The
// pitch changes by less than one frame per loop instead.
std::vector<float> ResampleLoop(const std::vector<float>& stereo, int rate, int mixerRate)
{
    const auto frames = static_cast<int64_t>(stereo.size() / 2);
    const int64_t length = std::max<int64_t>(1, std::llround(static_cast<double>(frames) * mixerRate / rate));
    Resampler resampler(frames, length);
    int64_t next = 0;
    const Resampler::Pull pull = [&](float* out, int count) {
        for (int i = 0; i < count; ++i, next = (next + 1) % frames)
            std::copy_n(stereo.begin() + next * 2, 2, out + i * 2);
        return count;
    };
    std::vector<float> history(static_cast<size_t>(resampler.HistoryFrames()) * 2);
    next = (frames - resampler.HistoryFrames() % frames) % frames;
    pull(history.data(), resampler.HistoryFrames());
    resampler.SetHistory(history);
    next = 0;
    std::vector<float> converted(static_cast<size_t>(length) * 2);
    resampler.Read(converted.data(), static_cast<int>(length), pull);
    return converted;
}

Sound LoadOgg(std::shared_ptr<const std::string> bytes, int mixerRate, bool loops)
{
    std::unique_ptr<OggDecoder> decoder = OggDecoder::Open(bytes);
    if (!decoder)
        return nullptr;
    if (decoder->Frames() > static_cast<int64_t>(StreamedAfterSeconds) * decoder->Rate())
        return StreamedOggSound(std::move(bytes), mixerRate, loops);
    const std::optional<DecodedAudio> audio = DecodeOgg(*decoder);
    return audio ? ConvertSound(*audio, mixerRate, loops) : nullptr;
}

}  // namespace

Sound LoadSoundBytes(std::shared_ptr<const std::string> bytes, int mixerRate, bool loops)
{
    if (IsWaveData(*bytes)) {
        const std::optional<DecodedAudio> audio = DecodeWave(*bytes);
        return audio ? ConvertSound(*audio, mixerRate, loops) : nullptr;
    }
    if (IsOggData(*bytes))
        return LoadOgg(std::move(bytes), mixerRate, loops);
    return nullptr;
}

Sound ConvertSound(const DecodedAudio& audio, int mixerRate, bool loops)
{
    std::vector<float> stereo = ToStereo(audio);
    if (audio.rate != mixerRate)
        stereo = loops ? ResampleLoop(stereo, audio.rate, mixerRate) : ResampleOnce(stereo, audio.rate, mixerRate);
    auto sound = std::make_shared<SoundData>();
    sound->loops = loops;
    sound->frames = ToSixteenBits(stereo);
    return sound;
}
