// PNG through libpng: every colour type and bit depth, palettes and tRNS transparency,
// interlaced or not, expanded to RGBA with 8 bits a channel.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "media/decode/picture_decode.h"

namespace {

struct PngSource {
    ByteSpan bytes;
    size_t position = 0;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t count)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->position)
        png_error(png, "truncated");
    std::memcpy(out, source->bytes.data() + source->position, count);
    source->position += count;
}

// libpng leaves through these; our own failure report is the missing picture.
void LeaveQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp back to the setjmp here, so this frame holds no object
// with a destructor: the picture and the row table live in the caller's frame.
bool DecodeInto(png_structp png, png_infop info, PngSource& source, Picture& picture,
                std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &source, ReadFromSource);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    png_read_info(png, info);

    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (!PictureSizeAllowed(width, height))
        return false;
    int colorType = png_get_color_type(png, info);
    picture.hasAlpha =
        (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;

    // Palettes, small grey depths and tRNS become 8-bit channels with alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width * 4)
        return false;

    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.rgba.resize(size_t{width} * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = picture.rgba.data() + size_t{y} * width * 4;
    png_read_image(png, rows.data());
    // Reading to the end checks the checksums of everything after the pixels too.
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

std::optional<Picture> DecodePng(ByteSpan file)
{
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, LeaveQuietly, IgnoreWarning);
    if (!png)
        return std::nullopt;
    png_infop info = png_create_info_struct(png);
    PngSource source{file};
    Picture picture;
    std::vector<png_bytep> rows;
    bool decoded = info && DecodeInto(png, info, source, picture, rows);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!decoded)
        return std::nullopt;
    return picture;
}
