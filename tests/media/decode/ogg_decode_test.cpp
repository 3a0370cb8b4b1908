#include "media/decode/ogg_decode.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/sound_files.h"

namespace {

constexpr int Rate = 22050;

constexpr int Frames = Rate / 2;

// A 441 Hz tone on the left, silence on the right.
const std::string& StereoFile()
{
    static const std::string file = OggVorbisFile(
        MakeSamples(Frames, 2, [](int64_t frame, int channel) {
            return channel == 0 ? 0.5f * static_cast<float>(std::sin(2 * M_PI * 441 * frame / Rate)) : 0.0f;
        }),
        2, Rate);
    return file;
}

std::unique_ptr<OggDecoder> Open(const std::string& bytes)
{
    return OggDecoder::Open(std::make_shared<const std::string>(bytes));
}

}  // namespace

TEST(OggDecode, DecodesTheWaveformItWasEncodedFromChannelByChannel)
{
    std::unique_ptr<OggDecoder> decoder = Open(StereoFile());
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->Rate(), Rate);
    EXPECT_EQ(decoder->Channels(), 2);
    const std::optional<DecodedAudio> audio = DecodeOgg(*decoder);
    ASSERT_TRUE(audio);
    ASSERT_EQ(audio->Frames(), Frames);
    double worstLeft = 0;
    double worstRight = 0;
    for (int64_t frame = 0; frame < audio->Frames(); ++frame) {
        const double expected = 0.5 * std::sin(2 * M_PI * 441 * frame / Rate);
        worstLeft = std::max(worstLeft, std::abs(audio->samples[frame * 2] - expected));
        worstRight = std::max(worstRight, std::abs(static_cast<double>(audio->samples[frame * 2 + 1])));
    }
    // Vorbis is lossy, but a plain tone comes back within a few percent.
    EXPECT_LT(worstLeft, 0.03);
    EXPECT_LT(worstRight, 0.03);
}

TEST(OggDecode, AFileCutShortAnywhereIsRefused)
{
    // Noise takes several pages, so that a cut can leave whole pages of sound behind.
    uint32_t noise = 1;
    const std::string file = OggVorbisFile(MakeSamples(Rate, 2, [&](int64_t, int) {
        noise = noise * 1664525u + 1013904223u;
        return static_cast<float>(noise >> 8) / (1 << 24) * 0.4f - 0.2f;
    }), 2, Rate);
    ASSERT_TRUE(Open(file));
    for (size_t length = 0; length < file.size(); length += 97)
        EXPECT_FALSE(Open(file.substr(0, length))) << "cut to " << length << " of " << file.size();
    EXPECT_FALSE(Open(file.substr(0, file.size() - 1)));
}

TEST(OggDecode, GarbageAndMoreThanTwoChannelsAreRefused)
{
    EXPECT_FALSE(Open("OggS" + std::string(5000, '\x5a')));
    EXPECT_FALSE(Open(std::string(StereoFile()).replace(28, 40, std::string(40, '\x33'))));
    EXPECT_FALSE(Open(OggVorbisFile(std::vector<float>(3 * 1000, 0.1f), 3, Rate)));
    EXPECT_FALSE(IsOggData("RIFF"));
}
