#include "media/decode/picture_decode.h"

#include <algorithm>
#include <cstdio>
#include <memory>

bool PictureSizeAllowed(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

std::optional<Picture> DecodePicture(ByteSpan file)
{
    static const uint8_t pngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (file.size() >= sizeof pngSignature &&
        std::equal(std::begin(pngSignature), std::end(pngSignature), file.begin()))
        return DecodePng(file);
    if (file.size() >= 3 && file[0] == 0xff && file[1] == 0xd8 && file[2] == 0xff)
        return DecodeJpeg(file);
    if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
        return DecodeBmp(file);
    // TGA has no signature: it is whatever passes its header checks.
    return DecodeTga(file);
}

std::optional<Picture> LoadPictureFile(const std::string& path)
{
    std::unique_ptr<FILE, int (*)(FILE*)> in(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!in || std::fseek(in.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    long size = std::ftell(in.get());
    // A picture file bigger than the largest picture we accept, uncompressed, is no picture.
    if (size <= 0 || size > MaxPicturePixels * 4 + 65536 || std::fseek(in.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), in.get()) != bytes.size())
        return std::nullopt;
    return DecodePicture(bytes);
}
