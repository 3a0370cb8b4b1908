#include "media/decode/wave_decode.h"

#include <gtest/gtest.h>

#include "tests/support/sound_files.h"

TEST(WaveDecode, EightBitSamplesAreUnsignedAroundTheMiddle)
{
    const std::optional<DecodedAudio> audio = DecodeWave(PcmWave(11025, 1, 8, std::string("\x80\xff\x00\x40", 4)));
    ASSERT_TRUE(audio);
    EXPECT_EQ(audio->rate, 11025);
    EXPECT_EQ(audio->channels, 1);
    EXPECT_EQ(audio->samples, (std::vector<float> {0.0f, 127 / 128.0f, -1.0f, -0.5f}));
}

TEST(WaveDecode, SixteenBitStereoKeepsLeftBeforeRightAndAnOddRate)
{
    const std::optional<DecodedAudio> audio =
        DecodeWave(PcmWave(22222, 2, 16, SixteenBitSamples({-32768, 16384, 32767, -1})));
    ASSERT_TRUE(audio);
    EXPECT_EQ(audio->rate, 22222);
    EXPECT_EQ(audio->Frames(), 2);
    EXPECT_EQ(audio->samples, (std::vector<float> {-1.0f, 0.5f, 32767 / 32768.0f, -1 / 32768.0f}));
}

TEST(WaveDecode, OtherChunksInAnyOrderAndBytesAfterTheRiffChunkAreSkipped)
{
    // The data ends with a partial frame, which is dropped.
    const std::string data = RiffChunk("data", SixteenBitSamples({100, 200, 300}) + "\x01");
    const std::string list = RiffChunk("LIST", "odd");
    for (const std::string& file : {WaveFile(list + WaveFormatChunk(8000, 2, 16) + list + data + list),
                                    WaveFile(data + RiffChunk("fact", "abcd") + WaveFormatChunk(8000, 2, 16)) + "JUNK" + LittleEndian32(1000)}) {
        const std::optional<DecodedAudio> audio = DecodeWave(file);
        ASSERT_TRUE(audio);
        EXPECT_EQ(audio->samples, (std::vector<float> {100 / 32768.0f, 200 / 32768.0f}));
    }
}

TEST(WaveDecode, ExtensibleFormatWithPcmInsideIsPcm)
{
    std::string format = WaveFormatChunk(48000, 1, 16).substr(8, 16);
    format.replace(0, 2, "\xfe\xff");
    format += std::string("\x16\x00\x10\x00\x04\x00\x00\x00", 8) + std::string("\x01\x00\x00\x00", 4) +
              std::string(12, 'g');
    const std::optional<DecodedAudio> audio =
        DecodeWave(WaveFile(RiffChunk("fmt ", format) + RiffChunk("data", SixteenBitSamples({5}))));
    ASSERT_TRUE(audio);
    EXPECT_EQ(audio->samples, std::vector<float> {5 / 32768.0f});
}

TEST(WaveDecode, EveryCutOfAFileIsRefusedNotOverrun)
{
    const std::string file = WaveFile(WaveFormatChunk(8000, 2, 16) + RiffChunk("LIST", "info") +
                                      RiffChunk("data", SixteenBitSamples({1, 2, 3, 4, 5, 6})));
    ASSERT_TRUE(DecodeWave(file));
    for (size_t length = 0; length < file.size(); ++length) {
        // A copy of exactly that length, so that the sanitizers see a read past its end.
        const std::string cut = file.substr(0, length);
        EXPECT_FALSE(DecodeWave(cut)) << "cut to " << length << " bytes";
    }
}

TEST(WaveDecode, SizesThatLieAboutTheFileAreRefused)
{
    const std::string good = PcmWave(8000, 1, 16, SixteenBitSamples({1, 2, 3, 4}));
    // Offsets: RIFF size 4, fmt size 16, data size 40.
    for (auto [offset, size] : {std::pair {4, 0xFFFFFFFFu}, {4, 2u}, {16, 0xFFFFFFF8u}, {16, 40u}, {40, 9u}, {40, 0x7FFFFFFFu}}) {
        std::string lying = good;
        lying.replace(static_cast<size_t>(offset), 4, LittleEndian32(size));
        EXPECT_FALSE(DecodeWave(lying)) << "size " << size << " at " << offset;
    }
}

TEST(WaveDecode, WhatIsNotEightOrSixteenBitMonoOrStereoPcmIsRefused)
{
    const std::string samples(24, '\x10');
    EXPECT_FALSE(DecodeWave(PcmWave(44100, 1, 24, samples)));
    EXPECT_FALSE(DecodeWave(PcmWave(44100, 3, 16, samples)));
    EXPECT_FALSE(DecodeWave(PcmWave(0, 1, 16, samples)));
    EXPECT_FALSE(DecodeWave(PcmWave(44100, 0, 16, samples)));
    std::string floats = PcmWave(44100, 1, 16, samples);
    floats[20] = 3;
    EXPECT_FALSE(DecodeWave(floats));
    std::string misaligned = PcmWave(44100, 2, 16, samples);
    misaligned[32] = 2;
    EXPECT_FALSE(DecodeWave(misaligned));

    EXPECT_FALSE(DecodeWave(PcmWave(44100, 2, 16, "")));
    EXPECT_FALSE(DecodeWave(WaveFile(WaveFormatChunk(44100, 1, 8))));
    EXPECT_FALSE(DecodeWave(WaveFile(RiffChunk("data", samples))));
    EXPECT_FALSE(DecodeWave("RIFF\x04\x00\x00\x00WAVX"));
}
