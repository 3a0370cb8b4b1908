// Sound files made on the spot for tests and benchmarks: WAVE files of any layout and Ogg
// Vorbis files encoded with libvorbisenc.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A RIFF chunk: its four-letter id, size and body, padded to an even length.
std::string RiffChunk(const std::string& id, const std::string& body);
// The "fmt " chunk of a PCM WAVE.
std::string WaveFormatChunk(int rate, int channels, int bits);
// A whole WAVE file from chunks, with a RIFF size that matches them.
std::string WaveFile(const std::string& chunks);
// A plain PCM WAVE: format chunk, then the data chunk.
std::string PcmWave(int rate, int channels, int bits, const std::string& data);

// Little-endian samples as a WAVE data chunk holds them.
std::string SixteenBitSamples(const std::vector<int16_t>& samples);
std::string LittleEndian32(uint32_t value);

// Interleaved samples from a function of the frame index, one value per channel.
std::vector<float> MakeSamples(int64_t frames, int channels, const std::function<float(int64_t frame, int channel)>& sample);

// An Ogg Vorbis file of the interleaved samples (full scale -1..1).
std::string OggVorbisFile(const std::vector<float>& samples, int channels, int rate);
