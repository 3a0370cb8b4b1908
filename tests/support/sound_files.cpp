#include "tests/support/sound_files.h"

#include <algorithm>
#include <stdexcept>

#include <vorbis/vorbisenc.h>

std::string LittleEndian32(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

namespace {

std::string LittleEndian16(uint16_t value)
{
    return LittleEndian32(value).substr(0, 2);
}

}  // namespace

std::string RiffChunk(const std::string& id, const std::string& body)
{
    std::string chunk = id + LittleEndian32(static_cast<uint32_t>(body.size())) + body;
    if (body.size() % 2)
        chunk += '\0';
    return chunk;
}

std::string WaveFormatChunk(int rate, int channels, int bits)
{
    const int blockAlign = channels * bits / 8;
    return RiffChunk("fmt ", LittleEndian16(1) + LittleEndian16(static_cast<uint16_t>(channels)) +
                                 LittleEndian32(static_cast<uint32_t>(rate)) +
                                 LittleEndian32(static_cast<uint32_t>(rate * blockAlign)) +
                                 LittleEndian16(static_cast<uint16_t>(blockAlign)) +
                                 LittleEndian16(static_cast<uint16_t>(bits)));
}

std::string WaveFile(const std::string& chunks)
{
    return "RIFF" + LittleEndian32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

std::string PcmWave(int rate, int channels, int bits, const std::string& data)
{
    return WaveFile(WaveFormatChunk(rate, channels, bits) + RiffChunk("data", data));
}

std::string SixteenBitSamples(const std::vector<int16_t>& samples)
{
    std::string bytes;
    for (int16_t sample : samples)
        bytes += LittleEndian16(static_cast<uint16_t>(sample));
    return bytes;
}

std::vector<float> MakeSamples(int64_t frames, int channels, const std::function<float(int64_t, int)>& sample)
{
    std::vector<float> samples;
    samples.reserve(static_cast<size_t>(frames * channels));
    for (int64_t frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channels; ++channel)
            samples.push_back(sample(frame, channel));
    return samples;
}

namespace {

void AppendPages(ogg_stream_state& stream, std::string& file, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        file.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
        file.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
    }
}

}  // namespace

std::string OggVorbisFile(const std::vector<float>& samples, int channels, int rate)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0)
        throw std::runtime_error("libvorbisenc refused the layout");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string file;
    ogg_packet header, commentHeader, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codebooks);
    AppendPages(stream, file, true);

    const auto encodeWritten = [&] {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                AppendPages(stream, file, false);
            }
        }
    };
    const int64_t frames = static_cast<int64_t>(samples.size()) / channels;
    constexpr int64_t Block = 4096;
    for (int64_t at = 0; at < frames; at += Block) {
        const int count = static_cast<int>(std::min(Block, frames - at));
        float** planes = vorbis_analysis_buffer(&dsp, count);
        for (int frame = 0; frame < count; ++frame)
            for (int channel = 0; channel < channels; ++channel)
                planes[channel][frame] = samples[static_cast<size_t>((at + frame) * channels + channel)];
        vorbis_analysis_wrote(&dsp, count);
        encodeWritten();
    }
    // Writing nothing marks the end, which gives the last page its end-of-stream flag.
    vorbis_analysis_wrote(&dsp, 0);
    encodeWritten();
    AppendPages(stream, file, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return file;
}
