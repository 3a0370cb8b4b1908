// Pictures decoded from the bytes of a file, told apart by their content (PNG, JPEG, BMP or
// TGA), into RGBA with 8 bits a channel. Every decoder checks each size the file claims
// against the bytes that are really there, so a damaged file gives nothing rather than a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A decoded picture, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    // Whether the file gave the pixels an alpha channel of their own (masking leaves those alone).
    bool hasAlpha = false;
    std::vector<uint8_t> rgba;
};

// The largest picture we agree to decode. The game's largest is its 800 x 600 background;
// the limits keep a file that lies about its size from allocating gigabytes.
constexpr int MaxPictureSide = 8192;
constexpr int64_t MaxPicturePixels = int64_t{4096} * 4096;
bool PictureSizeAllowed(int64_t width, int64_t height);

using ByteSpan = std::span<const uint8_t>;

// Nothing when the bytes are no picture we can read, or a damaged one.
std::optional<Picture> DecodePicture(ByteSpan file);
std::optional<Picture> LoadPictureFile(const std::string& path);

// The formats one by one; each gives nothing for bytes that are not its own.
std::optional<Picture> DecodePng(ByteSpan file);
std::optional<Picture> DecodeJpeg(ByteSpan file);
std::optional<Picture> DecodeBmp(ByteSpan file);
std::optional<Picture> DecodeTga(ByteSpan file);

// Little-endian fields of BMP and TGA headers; the caller has checked that they lie in the file.
inline uint32_t ReadLittle16(ByteSpan bytes, size_t at)
{
    return bytes[at] | uint32_t{bytes[at + 1]} << 8;
}
inline uint32_t ReadLittle32(ByteSpan bytes, size_t at)
{
    return ReadLittle16(bytes, at) | ReadLittle16(bytes, at + 2) << 16;
}
