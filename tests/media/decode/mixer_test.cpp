#include "media/decode/mixer.h"

#include <gtest/gtest.h>

namespace {

// Left sample i is first + i, so every sample tells where it came from.
Sound Ramp(int frames, bool loops = false, int first = 0)
{
    auto sound = std::make_shared<SoundData>();
    sound->loops = loops;
    for (int i = 0; i < frames; ++i)
        sound->frames.insert(sound->frames.end(), 2, static_cast<int16_t>(first + i));
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

    // The left samples of the next frames.
    std::vector<int> Mix(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
        mixer.Mix(out.data(), frames);
        std::vector<int> left;
        for (size_t i = 0; i < out.size(); i += 2)
            left.push_back(out[i]);
        return left;
    }
};

}  // namespace

TEST_F(MixerTest, APreparedChannelIsSilentUntilContinuedAndThenStartsAtItsFirstFrame)
{
    Channel channel = Start(Ramp(100), true);
    EXPECT_EQ(Mix(1500), std::vector<int>(1500, 0));
    EXPECT_EQ(channel->position, 0);
    channel->paused = false;
    EXPECT_EQ(Mix(3), (std::vector<int> {0, 1, 2}));
}

TEST_F(MixerTest, AHaltedLoopingChannelResumesWhereItStoppedAndWrapsToItsStart)
{
    Channel channel = Start(Ramp(100, true));
    Mix(130);
    channel->paused = true;
    EXPECT_EQ(Mix(700), std::vector<int>(700, 0));
    channel->paused = false;
    EXPECT_EQ(Mix(3), (std::vector<int> {30, 31, 32}));
    Mix(65);
    EXPECT_EQ(Mix(4), (std::vector<int> {98, 99, 0, 1}));
    EXPECT_EQ(mixer.MixingCount(), 1);
}

TEST_F(MixerTest, ChannelsSumScaledByTheirVolumesAndSaturateInsteadOfWrapping)
{
    const Sound sound = Ramp(1000);
    Start(sound);
    Start(sound)->volume = 0.5f;
    EXPECT_EQ(Mix(1000)[998], 998 + 499);

    for (int i = 0; i < 2; ++i)
        Start(Constant(30000, 2));
    for (int i = 0; i < 3; ++i)
        Start(Constant(-30000, 1));
    EXPECT_EQ(Mix(2), (std::vector<int> {-30000, 32767}));
    Start(Constant(-30000, 1));
    Start(Constant(-30000, 1));
    EXPECT_EQ(Mix(1)[0], -32768);
}

TEST_F(MixerTest, AnEndedOrUnreachableChannelLeavesTheMixAndIsFreedWhenNobodyHoldsIt)
{
    std::weak_ptr<ChannelData> dropped = Start(Ramp(700, false, 1));
    Channel held = Start(Ramp(300, false, 1));
    // Paused and held by nobody: nothing can ever continue it.
    std::weak_ptr<ChannelData> forgotten = Start(Ramp(100, true), true);
    const std::vector<int> left = Mix(1000);
    EXPECT_EQ(left[299], 300 + 300);
    EXPECT_EQ(left[300], 301);
    EXPECT_EQ(left[700], 0);
    EXPECT_EQ(mixer.MixingCount(), 0);
    EXPECT_TRUE(dropped.expired());
    EXPECT_TRUE(forgotten.expired());
    EXPECT_FALSE(held->mixing);
    EXPECT_EQ(held->position, 300);

    // An ended channel may be started again.
    Start(Ramp(100), false, held);
    EXPECT_EQ(Mix(2), (std::vector<int> {0, 1}));
}

TEST_F(MixerTest, StartingOnAChannelInUseReplacesItsSoundFromTheFirstFrame)
{
    Channel channel = Start(Ramp(100, true));
    Mix(50);
    Start(Constant(7, 100), false, channel);
    EXPECT_EQ(Mix(2), (std::vector<int> {7, 7}));
    EXPECT_EQ(mixer.MixingCount(), 1);
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
    Channel channel = std::make_shared<ChannelData>();
    channel->volume = 0.5f;
    mixer.Start(channel, std::make_shared<SoundData>(), std::make_unique<CountingStream>(600), false);
    const std::vector<int> left = Mix(1000);
    EXPECT_EQ(left[0], 1);
    EXPECT_EQ(left[599], 600);
    EXPECT_EQ(left[600], 0);
    EXPECT_EQ(mixer.MixingCount(), 0);
}
