// Windows bitmaps, uncompressed: 8-bit with a palette, 24-bit, and 32-bit (plain or with
// channel masks); rows stored bottom-up or, with a negative height, top-down.
#include <bit>
#include <cstdlib>

#include "media/decode/picture_decode.h"

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t PlainRgb = 0;
constexpr uint32_t ChannelMasks = 3;
constexpr uint32_t ChannelMasksWithAlpha = 6;

// One channel of a 32-bit pixel as given by its mask, scaled to 0..255.
struct MaskedChannel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maximum = 0;

    explicit MaskedChannel(uint32_t m)
        : mask(m), shift(m ? std::countr_zero(m) : 0), maximum(m ? m >> shift : 0)
    {
    }
    uint8_t From(uint32_t pixel) const
    {
        return maximum ? static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / maximum) : 0;
    }
};

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    size_t pixelOffset = 0;
    size_t stride = 0;
    // Blue, green, red, alpha (32-bit pixels only).
    uint32_t masks[4] = {0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000};
    size_t paletteOffset = 0;
    size_t paletteSize = 0;
};

std::optional<BmpLayout> ReadLayout(ByteSpan file)
{
    if (file.size() < FileHeaderSize + 40 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    BmpLayout layout;
    uint32_t headerSize = ReadLittle32(file, 14);
    int32_t width = static_cast<int32_t>(ReadLittle32(file, 18));
    int32_t height = static_cast<int32_t>(ReadLittle32(file, 22));
    uint32_t planes = ReadLittle16(file, 26);
    layout.bitsPerPixel = static_cast<int>(ReadLittle16(file, 28));
    uint32_t compression = ReadLittle32(file, 30);
    uint32_t colorsUsed = ReadLittle32(file, 46);
    layout.pixelOffset = ReadLittle32(file, 10);

    int64_t rows = std::abs(int64_t{height});
    if (headerSize < 40 || headerSize > file.size() - FileHeaderSize || planes != 1 ||
        !PictureSizeAllowed(width, rows))
        return std::nullopt;
    layout.width = width;
    layout.height = static_cast<int>(rows);
    layout.topDown = height < 0;

    bool masked = compression == ChannelMasks || compression == ChannelMasksWithAlpha;
    if (layout.bitsPerPixel == 32 && masked) {
        // The masks follow the 40-byte header, inside a longer header or after a short one.
        size_t maskCount = compression == ChannelMasksWithAlpha || headerSize >= 56 ? 4 : 3;
        if (FileHeaderSize + 40 + maskCount * 4 > file.size())
            return std::nullopt;
        const int order[4] = {2, 1, 0, 3};  // the file gives red, green, blue, alpha
        for (size_t i = 0; i < 4; ++i)
            layout.masks[order[i]] = i < maskCount ? ReadLittle32(file, 54 + 4 * i) : 0;
    } else if (compression != PlainRgb ||
               (layout.bitsPerPixel != 8 && layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32)) {
        return std::nullopt;
    }

    if (layout.bitsPerPixel == 8) {
        layout.paletteOffset = FileHeaderSize + headerSize;
        layout.paletteSize = colorsUsed == 0 ? 256 : colorsUsed;
        if (layout.paletteSize > 256 || layout.paletteOffset + layout.paletteSize * 4 > file.size())
            return std::nullopt;
    }
    layout.stride = (size_t{static_cast<uint32_t>(width)} * layout.bitsPerPixel + 31) / 32 * 4;
    if (layout.pixelOffset > file.size() || (file.size() - layout.pixelOffset) / layout.stride < static_cast<uint64_t>(rows))
        return std::nullopt;
    return layout;
}

void DecodeRow8(const BmpLayout& layout, ByteSpan file, const uint8_t* in, uint8_t* out)
{
    for (int x = 0; x < layout.width; ++x, out += 4) {
        size_t index = in[x];
        // An index past a short palette counts as black rather than reading beyond it.
        if (index >= layout.paletteSize) {
            out[0] = out[1] = out[2] = 0;
        } else {
            size_t entry = layout.paletteOffset + index * 4;
            out[0] = file[entry + 2];
            out[1] = file[entry + 1];
            out[2] = file[entry];
        }
        out[3] = 255;
    }
}

void DecodeRow24(const BmpLayout& layout, const uint8_t* in, uint8_t* out)
{
    for (int x = 0; x < layout.width; ++x, in += 3, out += 4) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
        out[3] = 255;
    }
}

void DecodeRow32(const BmpLayout& layout, const uint8_t* in, uint8_t* out)
{
    const MaskedChannel blue(layout.masks[0]), green(layout.masks[1]), red(layout.masks[2]),
        alpha(layout.masks[3]);
    for (int x = 0; x < layout.width; ++x, in += 4, out += 4) {
        uint32_t pixel = in[0] | uint32_t{in[1]} << 8 | uint32_t{in[2]} << 16 | uint32_t{in[3]} << 24;
        out[0] = red.From(pixel);
        out[1] = green.From(pixel);
        out[2] = blue.From(pixel);
        out[3] = alpha.From(pixel);
    }
}

// Many writers leave the fourth byte of 32-bit pixels at zero: such a picture is opaque.
void DecideAlpha(Picture& picture)
{
    picture.hasAlpha = false;
    for (size_t i = 3; i < picture.rgba.size() && !picture.hasAlpha; i += 4)
        picture.hasAlpha = picture.rgba[i] != 0;
    if (!picture.hasAlpha)
        for (size_t i = 3; i < picture.rgba.size(); i += 4)
            picture.rgba[i] = 255;
}

}  // namespace

std::optional<Picture> DecodeBmp(ByteSpan file)
{
    std::optional<BmpLayout> layout = ReadLayout(file);
    if (!layout)
        return std::nullopt;
    Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    picture.rgba.resize(size_t{static_cast<uint32_t>(layout->width)} * layout->height * 4);
    for (int y = 0; y < layout->height; ++y) {
        int fileRow = layout->topDown ? y : layout->height - 1 - y;
        const uint8_t* in = file.data() + layout->pixelOffset + fileRow * layout->stride;
        uint8_t* out = picture.rgba.data() + size_t{static_cast<uint32_t>(y)} * layout->width * 4;
        if (layout->bitsPerPixel == 8)
            DecodeRow8(*layout, file, in, out);
        else if (layout->bitsPerPixel == 24)
            DecodeRow24(*layout, in, out);
        else
            DecodeRow32(*layout, in, out);
    }
    if (layout->bitsPerPixel == 32)
        DecideAlpha(picture);
    return picture;
}
