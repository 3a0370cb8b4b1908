// Ogg Vorbis streams of one or two channels, decoded from bytes held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "media/decode/decoded_audio.h"

struct OggVorbis_File;

// Whether the bytes start like an Ogg file; says nothing about the rest.
bool IsOggData(std::string_view bytes);

// An open Vorbis stream; reads frames onward from its current position.
class OggDecoder {
public:
    // Null when the bytes are not a complete Ogg Vorbis stream with one or two channels.
    // A stream cut short counts as incomplete: its last page is missing or unfinished.
    static std::unique_ptr<OggDecoder> Open(std::shared_ptr<const std::string> bytes);
    ~OggDecoder();
    OggDecoder(const OggDecoder&) = delete;
    OggDecoder& operator=(const OggDecoder&) = delete;

    int Rate() const { return rate_; }
    int Channels() const { return channels_; }
    // The length the stream declares, in frames.
    int64_t Frames() const { return frames_; }

    // Fills up to `count` interleaved frames; fewer only at the end of the stream or where
    // it is damaged (then Damaged() tells).
    int Read(float* out, int count);
    bool Damaged() const { return damaged_; }
    // Back to the first frame, exactly, so that a loop joins without a gap.
    bool Rewind();

private:
    OggDecoder(std::shared_ptr<const std::string> bytes);

    std::shared_ptr<const std::string> bytes_;
    size_t position_ = 0;
    std::unique_ptr<OggVorbis_File> file_;
    bool opened_ = false;
    int rate_ = 0;
    int channels_ = 0;
    int64_t frames_ = 0;
    bool damaged_ = false;
};

// The whole stream, or nothing when it is damaged.
std::optional<DecodedAudio> DecodeOgg(OggDecoder& decoder);
