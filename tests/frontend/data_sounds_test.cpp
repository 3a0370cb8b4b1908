// The sound effects and the music as shipped: the effects are short 16-bit PCM WAVE files,
// the music an Ogg Vorbis file small enough to ship.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "media/platform/sound.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const Effects[] = {"Select", "Enter", "Bye", "Pickie", "Steps", "Pushy", "Button"};

std::string SoundFile(const std::string& name)
{
    return std::string(TINDLEWICK_DATA_DIR) + "/Sounds/" + name;
}

uint32_t Le(const std::string& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; i--)
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

struct WaveFormat {
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

// Walks the chunks of a RIFF WAVE file; an unreadable file gives format 0.
WaveFormat ReadWaveFormat(const std::string& bytes)
{
    WaveFormat wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return wave;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        std::string id = bytes.substr(at, 4);
        uint32_t size = Le(bytes, at + 4, 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            wave.format = Le(bytes, at + 8, 2);
            wave.channels = Le(bytes, at + 10, 2);
            wave.rate = Le(bytes, at + 12, 4);
            wave.bits = Le(bytes, at + 22, 2);
        } else if (id == "data" && wave.rate && wave.channels && wave.bits) {
            wave.seconds = double(size) / (wave.rate * wave.channels * wave.bits / 8);
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

TEST(DataSounds, EffectsAreShort16BitPcm)
{
    for (const char* name : Effects) {
        WaveFormat wave = ReadWaveFormat(ReadFileBytes(SoundFile(std::string(name) + ".wav")));
        EXPECT_EQ(wave.format, 1) << name;
        EXPECT_EQ(wave.bits, 16) << name;
        EXPECT_GT(wave.seconds, 0.02) << name;
        EXPECT_LT(wave.seconds, 1.0) << name;
    }
    // The game waits 800 ms after starting the farewell, then ends.
    EXPECT_LE(ReadWaveFormat(ReadFileBytes(SoundFile("Bye.wav"))).seconds, 0.8);
}

TEST(DataSounds, MusicIsOggVorbisUnderTwoMegabytes)
{
    std::string music = ReadFileBytes(SoundFile("Music(Canon).ogg"));
    ASSERT_GT(music.size(), 64u);
    EXPECT_EQ(music.substr(0, 4), "OggS");
    EXPECT_NE(music.find("\x01vorbis"), std::string::npos);
    EXPECT_LT(music.size(), 2u * 1024 * 1024);
}

TEST(DataSounds, EverySoundLoadsAsTheGameLoadsIt)
{
    WorkingDir data(TINDLEWICK_DATA_DIR);
    for (const char* name : Effects)
        EXPECT_TRUE(LoadSoundFile(std::string("Sounds/") + name + ".wav", 0)) << name;
    EXPECT_TRUE(LoadSoundFile("Sounds/Music(Canon).ogg", SoundLoops));
}

}  // namespace
