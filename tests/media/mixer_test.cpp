#include "media/mixer.h"

#include <gtest/gtest.h>

namespace {

// Frame i holds i on the left and -i on the right, so every sample tells where it came from.
Sound Ramp(int frames, bool loops)
{
    auto sound = std::make_shared<SoundData>();
    sound->loops = loops;
    for (int i = 0; i < frames; ++i) {
        sound->frames.push_back(static_cast<int16_t>(i));
        sound->frames.push_back(static_cast<int16_t>(-i));
    }
    return sound;
}

Sound Constant(int16_t value, int frames)
{
    auto sound = std::make_shared<SoundData>();
    sound->frames.assign(static_cast<size_t>(frames) * 2, value);
    return sound;
}

struct MixerTest : testing::Test {
    Mixer mixer;

    Channel Start(const Sound& sound, bool paused = false, Channel channel = std::make_shared<ChannelData>())
    {
        mixer.Start(channel, sound, nullptr, paused);
        return channel;
    }

    std::vector<int16_t> Mix(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
        mixer.Mix(out.data(), frames);
        return out;
    }

    // The left samples of the next frames.
    std::vector<int> MixLeft(int frames)
    {
        std::vector<int> left;
        const std::vector<int16_t> out = Mix(frames);
        for (size_t i = 0; i < out.size(); i += 2)
            left.push_back(out[i]);
        return left;
    }
};

}  // namespace

TEST_F(MixerTest, APreparedChannelIsSilentUntilContinuedAndThenStartsAtItsFirstFrame)
{
    Channel channel = Start(Ramp(100, false), true);
    EXPECT_EQ(Mix(1500), std::vector<int16_t>(3000, 0));
    EXPECT_EQ(channel->position, 0);
    channel->paused = false;
    EXPECT_EQ(MixLeft(3), (std::vector<int> {0, 1, 2}));
}

TEST_F(MixerTest, AHaltedLoopingChannelResumesWhereItStoppedAndWrapsToItsStart)
{
    Channel channel = Start(Ramp(100, true));
    Mix(130);
    EXPECT_EQ(channel->position, 30);
    channel->paused = true;
    EXPECT_EQ(Mix(700), std::vector<int16_t>(1400, 0));
    channel->paused = false;
    EXPECT_EQ(MixLeft(3), (std::vector<int> {30, 31, 32}));
    Mix(65);
    EXPECT_EQ(MixLeft(4), (std::vector<int> {98, 99, 0, 1}));
    EXPECT_EQ(mixer.MixingCount(), 1);
}

TEST_F(MixerTest, TwoStartsOfOneSoundSumAndVolumeScalesEachChannel)
{
    const Sound sound = Ramp(1000, false);
    Start(sound);
    Channel quiet = Start(sound);
    quiet->volume = 0.5f;
    const std::vector<int16_t> out = Mix(1000);
    EXPECT_EQ(out[2 * 10], 15);
    EXPECT_EQ(out[2 * 10 + 1], -15);
    EXPECT_EQ(out[2 * 998], 1497);
    EXPECT_EQ(mixer.MixingCount(), 0);
}

TEST_F(MixerTest, LoudChannelsSaturateInsteadOfWrappingAround)
{
    Start(Constant(30000, 10));
    Start(Constant(30000, 10));
    Start(Constant(-30000, 5));
    Start(Constant(-30000, 5));
    Start(Constant(-30000, 5));
    const std::vector<int16_t> out = Mix(10);
    EXPECT_EQ(out[0], -30000);
    EXPECT_EQ(out[2 * 5], 32767);

    Start(Constant(-30000, 1));
    Start(Constant(-30000, 1));
    EXPECT_EQ(Mix(1)[0], -32768);
}

TEST_F(MixerTest, AOneShotChannelLeavesTheMixAtItsEndAndIsFreedWhenNobodyHoldsIt)
{
    std::weak_ptr<ChannelData> dropped = Start(Ramp(700, false));
    Channel held = Start(Ramp(300, false));
    EXPECT_EQ(mixer.MixingCount(), 2);
    const std::vector<int> left = MixLeft(1000);
    EXPECT_EQ(left[299], 299 + 299);
    EXPECT_EQ(left[300], 300);
    EXPECT_EQ(left[700], 0);
    EXPECT_EQ(mixer.MixingCount(), 0);
    EXPECT_TRUE(dropped.expired());
    EXPECT_FALSE(held->mixing);
    EXPECT_EQ(held->position, 300);
}

TEST_F(MixerTest, APausedChannelNobodyHoldsIsDroppedSinceNothingCanContinueIt)
{
    std::weak_ptr<ChannelData> dropped = Start(Ramp(100, true), true);
    Channel held = Start(Ramp(100, true), true);
    Mix(1);
    EXPECT_TRUE(dropped.expired());
    EXPECT_EQ(mixer.MixingCount(), 1);
}

TEST_F(MixerTest, StartingOnAChannelInUseReplacesItsSoundFromTheFirstFrame)
{
    Channel channel = Start(Ramp(100, true));
    Mix(50);
    Start(Constant(7, 100), false, channel);
    EXPECT_EQ(MixLeft(2), (std::vector<int> {7, 7}));
    EXPECT_EQ(mixer.MixingCount(), 1);
    // An ended channel may be started again.
    Mix(200);
    EXPECT_EQ(mixer.MixingCount(), 0);
    Start(Ramp(100, false), false, channel);
    EXPECT_EQ(MixLeft(2), (std::vector<int> {0, 1}));
}

namespace {

// Counts up in steps of 2 from 2 for `frames` frames, then ends.
struct CountingStream : FrameStream {
    int frames;
    int next = 1;
    explicit CountingStream(int frames) : frames(frames) {}
    int Read(float* out, int count) override
    {
        int done = 0;
        for (; done < count && next <= frames; ++done, ++next)
            out[done * 2] = out[done * 2 + 1] = 2 * next / 32768.0f;
        return done;
    }
};

}  // namespace

TEST_F(MixerTest, AStreamedChannelPlaysWhatItsStreamReadsUntilTheStreamEnds)
{
    auto sound = std::make_shared<SoundData>();
    Channel channel = std::make_shared<ChannelData>();
    channel->volume = 0.5f;
    mixer.Start(channel, sound, std::make_unique<CountingStream>(600), false);
    const std::vector<int> left = MixLeft(1000);
    EXPECT_EQ(left[0], 1);
    EXPECT_EQ(left[599], 600);
    EXPECT_EQ(left[600], 0);
    EXPECT_EQ(channel->position, 600);
    EXPECT_EQ(mixer.MixingCount(), 0);
}
