#include "media/platform/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "media/core/program.h"
#include "media/platform/sound_device.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_dir.h"

namespace {

struct SoundTest : testing::Test {
    TempDir dir;

    // Every test meets a freshly opened device.
    ~SoundTest() override { ShutSoundDown(); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        WriteFileBytes(dir.File(name), bytes);
        return dir.File(name);
    }

    // A quiet tone of the given length at the device's rate, 8-bit mono.
    Sound Tone(double seconds, int flags)
    {
        const auto frames = static_cast<int64_t>(seconds * 44100);
        std::string data;
        for (int64_t i = 0; i < frames; ++i)
            data += static_cast<char>(128 + std::lround(20 * std::sin(i * 0.06)));
        return LoadSoundFile(Write("tone.wav", PcmWave(44100, 1, 8, data)), flags);
    }
};

// Waits for something the audio thread brings about, with a deadline no healthy machine
// comes near.
bool Eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

TEST_F(SoundTest, FilesAreDecodedByTheirContentWhateverTheirName)
{
    EXPECT_TRUE(LoadSoundFile(Write("wave.ogg", PcmWave(22050, 2, 16, SixteenBitSamples({1, 2}))), 0));
    EXPECT_TRUE(LoadSoundFile(Write("vorbis.wav", OggVorbisFile(std::vector<float>(800, 0.1f), 1, 8000)), 0));
    EXPECT_FALSE(LoadSoundFile(dir.File("missing.wav"), 0));
    EXPECT_FALSE(LoadSoundFile(dir.Path(), 0));
    EXPECT_FALSE(LoadSoundFile(Write("empty.wav", ""), 0));
    EXPECT_EQ(CurrentSoundDevice().rate, 44100);
}

TEST_F(SoundTest, APreparedLoopingChannelStaysPutUntilContinuedAndResumesWhereItWasHalted)
{
    const Channel channel = PrepareSound(Tone(5, SoundLoops));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(InspectChannel(channel).position, 0);
    EXPECT_TRUE(InspectChannel(channel).mixing);

    ContinueChannel(channel);
    ASSERT_TRUE(Eventually([&] { return InspectChannel(channel).position > 0; }));
    HaltChannel(channel);
    const int64_t halted = InspectChannel(channel).position;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(InspectChannel(channel).position, halted);

    ContinueChannel(channel);
    EXPECT_TRUE(Eventually([&] { return InspectChannel(channel).position > halted; }));
}

TEST_F(SoundTest, TwoStartsOfOneSoundPlayOnTwoChannelsThatFreeThemselvesAtTheEnd)
{
    const Sound sound = Tone(0.05, 0);
    const Channel held = StartSound(sound);
    std::weak_ptr<ChannelData> dropped = StartSound(sound);
    EXPECT_NE(held, dropped.lock());
    EXPECT_TRUE(Eventually([&] { return dropped.expired() && !InspectChannel(held).mixing; }));
    EXPECT_EQ(MixingChannelCount(), 0);

    // The ended channel can play again.
    PrepareSound(sound, held);
    EXPECT_TRUE(InspectChannel(held).mixing);
}

TEST_F(SoundTest, NullSoundsAndChannelsAreHarmlessAndLevelsStayWithinZeroToOne)
{
    const Channel channel = StartSound(nullptr);
    ASSERT_TRUE(channel);
    EXPECT_FALSE(InspectChannel(channel).mixing);
    HaltChannel(nullptr);
    ContinueChannel(nullptr);
    SetChannelLevel(nullptr, 0.5f);

    for (auto [asked, kept] : {std::pair {0.75f, 0.75f}, {2.0f, 1.0f}, {-1.0f, 0.0f}, {std::nanf(""), 0.0f}}) {
        SetChannelLevel(channel, asked);
        EXPECT_EQ(InspectChannel(channel).volume, kept);
    }
}

TEST_F(SoundTest, WithoutAnAudioDeviceASilentOneTakesItsPlaceAndEverythingStillWorks)
{
    ShutSoundDown();
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = driver ? driver : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const SoundDeviceInfo device = CurrentSoundDevice();
    driver ? setenv("SDL_AUDIODRIVER", saved.c_str(), 1) : unsetenv("SDL_AUDIODRIVER");

    EXPECT_TRUE(device.substitute);
    const Channel channel = PrepareSound(Tone(0.05, 0));
    EXPECT_TRUE(InspectChannel(channel).mixing);
    ContinueChannel(channel);
    EXPECT_TRUE(Eventually([&] { return !InspectChannel(channel).mixing; }));
}

TEST_F(SoundTest, EndingTheProgramWhileSoundsPlayShutsTheDeviceDown)
{
    EXPECT_EXIT(
        {
            StartSound(Tone(1, SoundLoops));
            EndProgram();
        },
        testing::ExitedWithCode(0), "");
}
