#include "tests/support/picture_files.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <png.h>

Picture MakePicture(int width, int height, bool hasAlpha, uint8_t r, uint8_t g, uint8_t b,
                    uint8_t a)
{
    Picture picture{width, height, hasAlpha, {}};
    for (int i = 0; i < width * height; ++i)
        picture.rgba.insert(picture.rgba.end(), {r, g, b, a});
    return picture;
}

void SetPixel(Picture& picture, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    uint8_t* p = picture.rgba.data() + (y * picture.width + x) * 4;
    p[0] = r, p[1] = g, p[2] = b, p[3] = a;
}

std::array<uint8_t, 4> PixelAt(const Picture& picture, int x, int y)
{
    const uint8_t* p = picture.rgba.data() + (y * picture.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

int ChannelsOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGBA: return 4;
    default: return 1;
    }
}

// Samples packed at the file's depth, most significant bits first, 16-bit big-endian.
std::vector<uint8_t> PackRow(const PngLayout& layout, int y)
{
    size_t perRow = size_t(layout.width) * ChannelsOf(layout.colorType);
    std::vector<uint8_t> row((perRow * layout.bitDepth + 7) / 8);
    for (size_t i = 0; i < perRow; ++i) {
        unsigned sample = layout.samples[y * perRow + i];
        if (layout.bitDepth == 16) {
            row[2 * i] = uint8_t(sample >> 8);
            row[2 * i + 1] = uint8_t(sample);
        } else {
            size_t bit = i * layout.bitDepth;
            row[bit / 8] |= uint8_t(sample << (8 - layout.bitDepth - bit % 8));
        }
    }
    return row;
}

void Little(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i)));
}

}  // namespace

std::string PngBytes(const PngLayout& layout)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToString, nullptr);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colorType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(layout.palette.data()),
                     int(layout.palette.size()));
    if (!layout.transparency.empty()) {
        png_color_16 key{};
        const auto& t = layout.transparency;
        if (layout.colorType == PNG_COLOR_TYPE_GRAY)
            key.gray = uint16_t(t[0] << 8 | t[1]);
        if (layout.colorType == PNG_COLOR_TYPE_RGB) {
            key.red = uint16_t(t[0] << 8 | t[1]);
            key.green = uint16_t(t[2] << 8 | t[3]);
            key.blue = uint16_t(t[4] << 8 | t[5]);
        }
        bool palette = layout.colorType == PNG_COLOR_TYPE_PALETTE;
        png_set_tRNS(png, info, palette ? t.data() : nullptr, palette ? int(t.size()) : 0, &key);
    }
    png_write_info(png, info);
    std::vector<std::vector<uint8_t>> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < layout.height; ++y)
        rows.push_back(PackRow(layout, y));
    for (auto& row : rows)
        rowPointers.push_back(row.data());
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string PngBytes(const Picture& picture)
{
    PngLayout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.colorType = picture.hasAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB;
    for (size_t i = 0; i < picture.rgba.size(); ++i)
        if (picture.hasAlpha || i % 4 != 3)
            layout.samples.push_back(picture.rgba[i]);
    return PngBytes(layout);
}

std::string JpegBytes(const Picture& picture, bool grey)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = picture.width;
    info.image_height = picture.height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    while (info.next_scanline < info.image_height) {
        row.clear();
        for (int x = 0; x < picture.width; ++x) {
            auto p = PixelAt(picture, x, int(info.next_scanline));
            if (grey)
                row.push_back(p[0]);
            else
                row.insert(row.end(), {p[0], p[1], p[2]});
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

namespace {

std::string BmpFile(int width, int height, int bits, uint32_t compression, int headerSize,
                    const std::string& extra, const std::string& pixels)
{
    std::string out = "BM";
    uint32_t offset = 14 + uint32_t(headerSize) + uint32_t(extra.size());
    Little(out, offset + uint32_t(pixels.size()), 4);
    Little(out, 0, 4);
    Little(out, offset, 4);
    Little(out, uint32_t(headerSize), 4);
    Little(out, uint32_t(width), 4);
    Little(out, uint32_t(height), 4);
    Little(out, 1, 2);
    Little(out, uint32_t(bits), 2);
    Little(out, compression, 4);
    Little(out, uint32_t(pixels.size()), 4);
    Little(out, 2835, 4);
    Little(out, 2835, 4);
    Little(out, bits == 8 ? uint32_t(extra.size() / 4) : 0, 4);
    Little(out, 0, 4);
    // A longer header starts with the channel masks: red, green, blue, alpha.
    if (headerSize > 40) {
        Little(out, 0x00ff0000, 4);
        Little(out, 0x0000ff00, 4);
        Little(out, 0x000000ff, 4);
        Little(out, 0xff000000, 4);
        out.append(size_t(headerSize - 56), '\0');
    }
    return out + extra + pixels;
}

std::string BmpRows(int width, int height, bool topDown, int bytesPerPixel,
                    const std::function<std::string(int x, int y)>& pixel)
{
    std::string rows;
    size_t stride = (size_t(width) * bytesPerPixel + 3) / 4 * 4;
    for (int i = 0; i < height; ++i) {
        int y = topDown ? i : height - 1 - i;
        std::string row;
        for (int x = 0; x < width; ++x)
            row += pixel(x, y);
        row.resize(stride, '\0');
        rows += row;
    }
    return rows;
}

}  // namespace

std::string BmpBytes(const Picture& picture, int bitsPerPixel, bool topDown, bool masks)
{
    std::string pixels = BmpRows(picture.width, picture.height, topDown, bitsPerPixel / 8,
                                 [&](int x, int y) {
                                     auto p = PixelAt(picture, x, y);
                                     std::string bgr = {char(p[2]), char(p[1]), char(p[0])};
                                     return bitsPerPixel == 32 ? bgr + char(p[3]) : bgr;
                                 });
    return BmpFile(picture.width, topDown ? -picture.height : picture.height, bitsPerPixel,
                   masks ? 3 : 0, masks ? 124 : 40, "", pixels);
}

std::string Bmp8Bytes(const std::vector<uint8_t>& indices, int width, int height,
                      const std::vector<std::array<uint8_t, 3>>& palette)
{
    std::string entries;
    for (auto& c : palette)
        entries += {char(c[2]), char(c[1]), char(c[0]), '\0'};
    std::string pixels = BmpRows(width, height, false, 1, [&](int x, int y) {
        return std::string(1, char(indices[y * width + x]));
    });
    return BmpFile(width, height, 8, 0, 40, entries, pixels);
}

std::string TgaBytes(const Picture& picture, int bitsPerPixel, bool topOrigin, bool runLength)
{
    std::string out;
    out += {'\0', '\0', char(runLength ? 10 : 2)};
    out.append(9, '\0');
    Little(out, uint32_t(picture.width), 2);
    Little(out, uint32_t(picture.height), 2);
    out += char(bitsPerPixel);
    out += char((bitsPerPixel == 32 ? 8 : 0) | (topOrigin ? 0x20 : 0));
    std::vector<std::string> stream;
    for (int i = 0; i < picture.height; ++i) {
        int y = topOrigin ? i : picture.height - 1 - i;
        for (int x = 0; x < picture.width; ++x) {
            auto p = PixelAt(picture, x, y);
            std::string bgr = {char(p[2]), char(p[1]), char(p[0])};
            stream.push_back(bitsPerPixel == 32 ? bgr + char(p[3]) : bgr);
        }
    }
    if (!runLength) {
        for (auto& pixel : stream)
            out += pixel;
        return out;
    }
    // Runs of equal pixels become run packets, the pixels between them raw packets; both may
    // cross the end of a row.
    auto runAt = [&](size_t i) {
        size_t run = 1;
        while (i + run < stream.size() && run < 128 && stream[i + run] == stream[i])
            ++run;
        return run;
    };
    for (size_t i = 0; i < stream.size();) {
        size_t run = runAt(i);
        if (run > 1) {
            out += char(0x80 | (run - 1));
            out += stream[i];
            i += run;
            continue;
        }
        size_t raw = 1;
        while (i + raw < stream.size() && raw < 128 && runAt(i + raw) == 1)
            ++raw;
        out += char(raw - 1);
        for (size_t j = 0; j < raw; ++j)
            out += stream[i + j];
        i += raw;
    }
    return out;
}
