#include "media/decode/wave_decode.h"

#include <cstdint>

namespace {

constexpr uint16_t FormatPcm = 1;
// WAVE_FORMAT_EXTENSIBLE: the real format is the first two bytes of a sub-format GUID.
constexpr uint16_t FormatExtensible = 0xFFFE;

uint16_t ReadU16(std::string_view bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

uint32_t ReadU32(std::string_view bytes, size_t at)
{
    return static_cast<uint32_t>(ReadU16(bytes, at)) |
           static_cast<uint32_t>(ReadU16(bytes, at + 2)) << 16;
}

struct WaveFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<WaveFormat> ReadFormat(std::string_view chunk)
{
    if (chunk.size() < 16)
        return {};
    uint16_t tag = ReadU16(chunk, 0);
    if (tag == FormatExtensible) {
        if (chunk.size() < 26)
            return {};
        tag = ReadU16(chunk, 24);
    }
    const WaveFormat format {ReadU16(chunk, 2), static_cast<int>(ReadU32(chunk, 4)), ReadU16(chunk, 14)};
    const uint16_t blockAlign = ReadU16(chunk, 12);
    const bool supported = tag == FormatPcm && (format.channels == 1 || format.channels == 2) &&
                           (format.bits == 8 || format.bits == 16) &&
                           blockAlign == format.channels * format.bits / 8 &&
                           format.rate >= LowestSoundRate && format.rate <= HighestSoundRate;
    if (!supported)
        return {};
    return format;
}

// 8-bit samples are unsigned around 128, 16-bit ones signed little-endian.
std::vector<float> ReadSamples(std::string_view data, int bits)
{
    std::vector<float> samples;
    if (bits == 8) {
        samples.reserve(data.size());
        for (char byte : data)
            samples.push_back((static_cast<uint8_t>(byte) - 128) / 128.0f);
    } else {
        samples.reserve(data.size() / 2);
        for (size_t at = 0; at + 1 < data.size(); at += 2)
            samples.push_back(static_cast<int16_t>(ReadU16(data, at)) / 32768.0f);
    }
    return samples;
}

}  // namespace

bool IsWaveData(std::string_view bytes)
{
    return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

std::optional<DecodedAudio> DecodeWave(std::string_view bytes)
{
    if (!IsWaveData(bytes))
        return {};
    // A RIFF size beyond the end of the file means the file was cut short; bytes after it
    // are not part of the sound.
    const uint32_t riffSize = ReadU32(bytes, 4);
    if (riffSize < 4 || riffSize > bytes.size() - 8)
        return {};
    const std::string_view body = bytes.substr(12, riffSize - 4);

    std::optional<std::string_view> formatChunk;
    std::optional<std::string_view> dataChunk;
    size_t at = 0;
    while (body.size() - at >= 8) {
        const std::string_view id = body.substr(at, 4);
        const uint32_t size = ReadU32(body, at + 4);
        if (size > body.size() - at - 8)
            return {};
        const std::string_view chunk = body.substr(at + 8, size);
        if (id == "fmt " && !formatChunk)
            formatChunk = chunk;
        else if (id == "data" && !dataChunk)
            dataChunk = chunk;
        // Chunks start on even offsets; the pad byte after the last chunk may be missing.
        at += 8 + size + (size & 1);
        if (at > body.size())
            break;
    }
    if (!formatChunk || !dataChunk)
        return {};
    const std::optional<WaveFormat> format = ReadFormat(*formatChunk);
    if (!format)
        return {};

    // A partial frame at the end of the data is dropped.
    const size_t frameBytes = static_cast<size_t>(format->channels * format->bits / 8);
    const size_t frames = dataChunk->size() / frameBytes;
    if (frames == 0)
        return {};
    DecodedAudio audio;
    audio.rate = format->rate;
    audio.channels = format->channels;
    audio.samples = ReadSamples(dataChunk->substr(0, frames * frameBytes), format->bits);
    return audio;
}
