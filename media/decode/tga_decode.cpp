// Truevision TGA, true-colour with 24 or 32 bits a pixel, uncompressed or run-length
// encoded, rows stored from the bottom or from the top.
#include <algorithm>
#include <cstring>

#include "media/decode/picture_decode.h"

namespace {

constexpr size_t HeaderSize = 18;
constexpr uint8_t Uncompressed = 2;
constexpr uint8_t RunLength = 10;
constexpr uint8_t RightToLeft = 0x10;
constexpr uint8_t TopToBottom = 0x20;

struct TgaLayout {
    int width = 0;
    int height = 0;
    size_t bytesPerPixel = 0;
    bool runLength = false;
    bool hasAlpha = false;
    uint8_t descriptor = 0;
    size_t pixelOffset = 0;
};

std::optional<TgaLayout> ReadLayout(ByteSpan file)
{
    if (file.size() < HeaderSize)
        return std::nullopt;
    uint8_t idLength = file[0];
    uint8_t colorMapType = file[1];
    uint8_t imageType = file[2];
    uint32_t colorMapLength = ReadLittle16(file, 5);
    uint8_t colorMapBits = file[7];
    TgaLayout layout;
    layout.width = static_cast<int>(ReadLittle16(file, 12));
    layout.height = static_cast<int>(ReadLittle16(file, 14));
    uint8_t bits = file[16];
    layout.descriptor = file[17];
    if (colorMapType > 1 || (imageType != Uncompressed && imageType != RunLength) ||
        (bits != 24 && bits != 32) || !PictureSizeAllowed(layout.width, layout.height))
        return std::nullopt;
    layout.bytesPerPixel = bits / 8;
    layout.runLength = imageType == RunLength;
    // A 32-bit picture whose header counts no alpha bits keeps its fourth byte unused.
    layout.hasAlpha = bits == 32 && (layout.descriptor & 0x0f) != 0;
    // A true-colour picture may still carry a colour map, which it does not use.
    size_t colorMapSize = colorMapType ? colorMapLength * ((colorMapBits + 7) / 8) : 0;
    layout.pixelOffset = HeaderSize + idLength + colorMapSize;
    if (layout.pixelOffset > file.size())
        return std::nullopt;
    return layout;
}

void StorePixel(const TgaLayout& layout, const uint8_t* in, uint8_t* out)
{
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
    out[3] = layout.hasAlpha ? in[3] : 255;
}

// Pixels in file order. Runs may cross the end of a row; a run past the last pixel is cut.
bool ReadRunLengthPixels(const TgaLayout& layout, ByteSpan file, uint8_t* out, size_t pixelCount)
{
    size_t at = layout.pixelOffset;
    size_t pixel = 0;
    while (pixel < pixelCount) {
        if (at >= file.size())
            return false;
        uint8_t packet = file[at++];
        size_t count = std::min<size_t>((packet & 0x7f) + 1, pixelCount - pixel);
        bool repeated = (packet & 0x80) != 0;
        size_t needed = (repeated ? 1 : count) * layout.bytesPerPixel;
        if (needed > file.size() - at)
            return false;
        for (size_t i = 0; i < count; ++i, ++pixel) {
            StorePixel(layout, file.data() + at, out + pixel * 4);
            if (!repeated)
                at += layout.bytesPerPixel;
        }
        if (repeated)
            at += layout.bytesPerPixel;
    }
    return true;
}

// The caller has checked that the file holds every pixel.
void ReadPlainPixels(const TgaLayout& layout, ByteSpan file, uint8_t* out, size_t pixelCount)
{
    const uint8_t* in = file.data() + layout.pixelOffset;
    for (size_t pixel = 0; pixel < pixelCount; ++pixel, in += layout.bytesPerPixel)
        StorePixel(layout, in, out + pixel * 4);
}

// Turns file order (rows from the bottom unless the descriptor says otherwise) into ours.
void PutInReadingOrder(const TgaLayout& layout, Picture& picture)
{
    size_t rowBytes = size_t{static_cast<uint32_t>(layout.width)} * 4;
    if (!(layout.descriptor & TopToBottom))
        for (int top = 0, bottom = layout.height - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(picture.rgba.begin() + top * rowBytes,
                             picture.rgba.begin() + (top + 1) * rowBytes,
                             picture.rgba.begin() + bottom * rowBytes);
    if (layout.descriptor & RightToLeft)
        for (int y = 0; y < layout.height; ++y)
            for (int left = 0, right = layout.width - 1; left < right; ++left, --right)
                std::swap_ranges(picture.rgba.begin() + y * rowBytes + left * 4,
                                 picture.rgba.begin() + y * rowBytes + left * 4 + 4,
                                 picture.rgba.begin() + y * rowBytes + right * 4);
}

// Whether the bytes after the header can hold that many pixels at all: plain pixels take
// their bytes each, and a run-length packet of a header byte and one pixel gives at most 128.
bool PixelsCanFit(const TgaLayout& layout, ByteSpan file, size_t pixelCount)
{
    const size_t bytes = file.size() - layout.pixelOffset;
    if (!layout.runLength)
        return bytes / layout.bytesPerPixel >= pixelCount;
    return (bytes / (1 + layout.bytesPerPixel)) * 128 >= pixelCount;
}

}  // namespace

std::optional<Picture> DecodeTga(ByteSpan file)
{
    std::optional<TgaLayout> layout = ReadLayout(file);
    if (!layout)
        return std::nullopt;
    // A few bytes claiming a large picture are refused before its pixels are allocated.
    const size_t pixelCount = size_t{static_cast<uint32_t>(layout->width)} * layout->height;
    if (!PixelsCanFit(*layout, file, pixelCount))
        return std::nullopt;
    Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    picture.hasAlpha = layout->hasAlpha;
    picture.rgba.resize(pixelCount * 4);
    if (!layout->runLength)
        ReadPlainPixels(*layout, file, picture.rgba.data(), pixelCount);
    else if (!ReadRunLengthPixels(*layout, file, picture.rgba.data(), pixelCount))
        return std::nullopt;
    PutInReadingOrder(*layout, picture);
    return picture;
}
