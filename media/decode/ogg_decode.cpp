#include "media/decode/ogg_decode.h"

#include <algorithm>
#include <cstring>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

namespace {

// The largest Ogg page: header, 255 lacing values and 255 segments of 255 bytes.
constexpr size_t MaxPageBytes = 27 + 255 + 255 * 255;

// A stream that was cut short does not end with a complete page marked as its last.
bool EndsWithLastPage(std::string_view bytes)
{
    const size_t tail = std::min(bytes.size(), MaxPageBytes);
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    char* buffer = ogg_sync_buffer(&sync, static_cast<long>(tail));
    std::memcpy(buffer, bytes.data() + bytes.size() - tail, tail);
    ogg_sync_wrote(&sync, static_cast<long>(tail));
    ogg_page page;
    bool lastPageSeen = false;
    size_t consumed = 0;
    for (long step; (step = ogg_sync_pageseek(&sync, &page)) != 0;) {
        consumed += static_cast<size_t>(step < 0 ? -step : step);
        if (step > 0)
            lastPageSeen = ogg_page_eos(&page);
    }
    ogg_sync_clear(&sync);
    return lastPageSeen && consumed == tail;
}

}  // namespace

bool IsOggData(std::string_view bytes)
{
    return bytes.substr(0, 4) == "OggS";
}

OggDecoder::OggDecoder(std::shared_ptr<const std::string> bytes)
    : bytes_(std::move(bytes)), file_(std::make_unique<OggVorbis_File>())
{
}

OggDecoder::~OggDecoder()
{
    if (opened_)
        ov_clear(file_.get());
}

std::unique_ptr<OggDecoder> OggDecoder::Open(std::shared_ptr<const std::string> bytes)
{
    if (!bytes || !IsOggData(*bytes) || !EndsWithLastPage(*bytes))
        return nullptr;
    std::unique_ptr<OggDecoder> decoder(new OggDecoder(std::move(bytes)));
    // libvorbisfile reads through these with the decoder as its source, which stays in place
    // for as long as the handle is open.
    ov_callbacks callbacks {};
    callbacks.read_func = [](void* out, size_t size, size_t count, void* source) -> size_t {
        auto& self = *static_cast<OggDecoder*>(source);
        const size_t items = size == 0 ? 0 : std::min((self.bytes_->size() - self.position_) / size, count);
        std::memcpy(out, self.bytes_->data() + self.position_, items * size);
        self.position_ += items * size;
        return items;
    };
    callbacks.seek_func = [](void* source, ogg_int64_t offset, int whence) -> int {
        auto& self = *static_cast<OggDecoder*>(source);
        const auto size = static_cast<ogg_int64_t>(self.bytes_->size());
        const ogg_int64_t base = whence == SEEK_SET ? 0
                                 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(self.position_)
                                                      : size;
        if (base + offset < 0 || base + offset > size)
            return -1;
        self.position_ = static_cast<size_t>(base + offset);
        return 0;
    };
    callbacks.tell_func = [](void* source) -> long {
        return static_cast<long>(static_cast<OggDecoder*>(source)->position_);
    };
    if (ov_open_callbacks(decoder.get(), decoder->file_.get(), nullptr, 0, callbacks) != 0)
        return nullptr;
    decoder->opened_ = true;
    const vorbis_info* info = ov_info(decoder->file_.get(), -1);
    const ogg_int64_t frames = ov_pcm_total(decoder->file_.get(), -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate < LowestSoundRate ||
        info->rate > HighestSoundRate || frames <= 0)
        return nullptr;
    decoder->rate_ = static_cast<int>(info->rate);
    decoder->channels_ = info->channels;
    decoder->frames_ = frames;
    return decoder;
}

int OggDecoder::Read(float* out, int count)
{
    int done = 0;
    while (done < count && !damaged_) {
        float** planes = nullptr;
        int link = 0;
        const long got = ov_read_float(file_.get(), &planes, count - done, &link);
        if (got == OV_HOLE)
            continue;
        if (got == 0)
            break;
        // A chained file may change its layout from one link to the next; we play only the
        // part that matches the first.
        const vorbis_info* info = ov_info(file_.get(), link);
        if (got < 0 || !info || info->channels != channels_ || info->rate != rate_) {
            damaged_ = got < 0;
            break;
        }
        for (long frame = 0; frame < got; ++frame)
            for (int channel = 0; channel < channels_; ++channel)
                out[(done + frame) * channels_ + channel] = planes[channel][frame];
        done += static_cast<int>(got);
    }
    return done;
}

bool OggDecoder::Rewind()
{
    return ov_pcm_seek(file_.get(), 0) == 0;
}

std::optional<DecodedAudio> DecodeOgg(OggDecoder& decoder)
{
    DecodedAudio audio;
    audio.rate = decoder.Rate();
    audio.channels = decoder.Channels();
    audio.samples.resize(static_cast<size_t>(decoder.Frames() * audio.channels));
    constexpr int Block = 4096;
    int64_t frames = 0;
    for (;;) {
        const auto needed = static_cast<size_t>((frames + Block) * audio.channels);
        if (audio.samples.size() < needed)
            audio.samples.resize(needed);
        const int got = decoder.Read(audio.samples.data() + frames * audio.channels, Block);
        frames += got;
        if (got < Block)
            break;
    }
    if (decoder.Damaged() || frames == 0)
        return {};
    audio.samples.resize(static_cast<size_t>(frames * audio.channels));
    return audio;
}
