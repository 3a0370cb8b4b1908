#include "media/decode/sound_load.h"

#include <gtest/gtest.h>

#include <cmath>

#include "media/decode/mixer.h"
#include "media/decode/ogg_decode.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int MixerRate = 44100;

Sound Load(const std::string& bytes, bool loops = false)
{
    return LoadSoundBytes(std::make_shared<const std::string>(bytes), MixerRate, loops);
}

DecodedAudio Tone(int rate, int64_t frames, double hertz, double amplitude = 0.5)
{
    DecodedAudio audio;
    audio.rate = rate;
    audio.channels = 1;
    audio.samples = MakeSamples(frames, 1, [&](int64_t frame, int) {
        return static_cast<float>(amplitude * std::sin(2 * M_PI * hertz * frame / rate));
    });
    return audio;
}

// The left samples of `frames` frames of the sound mixed on its own, full scale 1.
std::vector<double> Play(const Sound& sound, int frames, std::unique_ptr<FrameStream> stream = nullptr)
{
    Mixer mixer;
    mixer.Start(std::make_shared<ChannelData>(), sound, std::move(stream), false);
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    mixer.Mix(out.data(), frames);
    std::vector<double> left;
    for (int i = 0; i < frames; ++i)
        left.push_back(out[static_cast<size_t>(i) * 2] / 32768.0);
    return left;
}

double WorstDeviation(const std::vector<double>& played, int from, int to, const std::function<double(int)>& expected)
{
    double worst = 0;
    for (int i = from; i < to; ++i)
        worst = std::max(worst, std::abs(played[static_cast<size_t>(i)] - expected(i)));
    return worst;
}

double LargestStep(const std::vector<double>& played, int from, int to)
{
    double largest = 0;
    for (int i = from + 1; i < to; ++i)
        largest = std::max(largest, std::abs(played[static_cast<size_t>(i)] - played[static_cast<size_t>(i - 1)]));
    return largest;
}

}  // namespace

TEST(SoundLoad, WaveSamplesAtTheMixerRateArriveUnchangedAndMonoSoundsOnBothSides)
{
    const Sound stereo = Load(PcmWave(MixerRate, 2, 16, SixteenBitSamples({-32768, 32767, 5, -5})));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->frames, (std::vector<int16_t> {-32768, 32767, 5, -5}));
    const Sound mono = Load(PcmWave(MixerRate, 1, 8, std::string("\x00\x81", 2)), true);
    ASSERT_TRUE(mono);
    EXPECT_TRUE(mono->loops);
    EXPECT_EQ(mono->frames, (std::vector<int16_t> {-32768, -32768, 256, 256}));
}

TEST(SoundLoad, ContentDecidesTheDecoderAndAnythingElseIsRefused)
{
    const Sound shortOgg = Load(OggVorbisFile(std::vector<float>(1000, 0.25f), 1, MixerRate));
    ASSERT_TRUE(shortOgg);
    EXPECT_EQ(shortOgg->frames.size(), 2u * 1000);
    EXPECT_FALSE(Load(""));
    EXPECT_FALSE(Load("ID3\x03 not a sound we know"));
    EXPECT_FALSE(Load(PcmWave(MixerRate, 1, 16, "").substr(0, 30)));
}

TEST(SoundLoad, ARateChangeKeepsTheWaveformAndItsLength)
{
    for (int rate : {11111, 22050, 48000}) {
        const int64_t frames = rate / 5;
        const Sound sound = ConvertSound(Tone(rate, frames, 1000), MixerRate, false);
        const auto length = static_cast<int>(sound->frames.size() / 2);
        EXPECT_EQ(length, (frames * MixerRate + rate - 1) / rate) << rate;
        const std::vector<double> played = Play(sound, length);
        // Away from the ends, where the filter meets the silence around the sound.
        const double deviation = WorstDeviation(played, 100, length - 100, [](int i) {
            return 0.5 * std::sin(2 * M_PI * 1000 * i / MixerRate);
        });
        EXPECT_LT(deviation, 0.001) << rate;
    }
}

TEST(SoundLoad, TonesAboveTheNewNyquistFrequencyVanishInsteadOfFoldingDown)
{
    const Sound sound = ConvertSound(Tone(96000, 9600, 30000), MixerRate, false);
    const std::vector<double> played = Play(sound, static_cast<int>(sound->frames.size() / 2));
    EXPECT_LT(WorstDeviation(played, 100, 4000, [](int) { return 0.0; }), 0.0005);
}

TEST(SoundLoad, AResampledLoopContinuesItsWaveformAcrossTheWrap)
{
    // Ten periods in 1111 frames at 11111 Hz become ten periods in 4410 whole frames.
    const Sound sound = ConvertSound(Tone(11111, 1111, 10.0 * 11111 / 1111), MixerRate, true);
    ASSERT_EQ(sound->frames.size(), 2u * 4410);
    const std::vector<double> played = Play(sound, 3 * 4410);
    const double deviation = WorstDeviation(played, 0, 3 * 4410, [](int i) {
        return 0.5 * std::sin(2 * M_PI * 10 * i / 4410);
    });
    EXPECT_LT(deviation, 0.0005);
}

TEST(SoundLoad, ALongOggIsDecodedAsItPlaysAndItsLoopJoinsWithoutAClick)
{
    // Eleven seconds of 441 Hz at 22050 Hz: 50 frames a period, so the loop is seamless.
    const int rate = 22050;
    const int64_t frames = static_cast<int64_t>(StreamedAfterSeconds + 1) * rate;
    const Sound sound = Load(OggVorbisFile(Tone(rate, frames, 441).samples, 1, rate), true);
    ASSERT_TRUE(sound);
    EXPECT_TRUE(sound->frames.empty());
    ASSERT_TRUE(sound->openStream);
    const int wrap = static_cast<int>(frames * 2);
    const std::vector<double> played = Play(sound, wrap + 4410, sound->openStream());
    // The steps around the wrap are no larger than the steps of the tone elsewhere.
    const double usual = LargestStep(played, 44100, 88200);
    EXPECT_NEAR(usual, 0.5 * 2 * M_PI * 441 / MixerRate, 0.01);
    EXPECT_LT(LargestStep(played, wrap - 2000, wrap + 2000), usual * 1.5);
}

TEST(SoundLoad, TheGamesOwnSoundsLoadAndItsMusicLoopsWithoutAClick)
{
    const std::string folder = std::string(TINDLEWICK_DATA_DIR) + "/Sounds/";
    for (const char* effect : {"Select", "Enter", "Bye", "Pickie", "Steps", "Pushy", "Button"})
        EXPECT_TRUE(Load(ReadFileBytes(folder + effect + ".wav"))) << effect;

    const auto bytes = std::make_shared<const std::string>(ReadFileBytes(folder + "Music(Canon).ogg"));
    const Sound music = LoadSoundBytes(bytes, MixerRate, true);
    ASSERT_TRUE(music);
    ASSERT_TRUE(music->openStream);
    std::unique_ptr<OggDecoder> decoder = OggDecoder::Open(bytes);
    const auto wrap = static_cast<int>(decoder->Frames());
    const std::vector<double> played = Play(music, wrap + 4410, music->openStream());
    EXPECT_LT(LargestStep(played, wrap - 100, wrap + 100), LargestStep(played, wrap - MixerRate, wrap - 100));
}
