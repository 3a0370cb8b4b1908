// JPEG through libjpeg, grey or colour, decoded straight into RGBA.
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "media/decode/picture_decode.h"

namespace {

// The error manager comes first, so libjpeg's pointer to it is a pointer to the whole.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf leave;
};

[[noreturn]] void LeaveOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->leave, 1);
}

// libjpeg pads a file that ends early with grey and calls it a warning; for us the
// picture is damaged. Other warnings are left unsaid.
void LeaveOnTruncation(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        LeaveOnError(info);
}

// libjpeg reports errors by longjmp back to the setjmp here, so this frame holds no object
// with a destructor: the picture lives in the caller's frame.
bool DecodeInto(jpeg_decompress_struct& info, JpegErrors& errors, ByteSpan file, Picture& picture)
{
    if (setjmp(errors.leave))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    if (!PictureSizeAllowed(info.image_width, info.image_height))
        return false;
    // CMYK needs a colour conversion libjpeg does not offer; no picture of ours uses it.
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return false;
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);

    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.rgba.resize(size_t{info.output_width} * info.output_height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.rgba.data() + size_t{info.output_scanline} * info.output_width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(ByteSpan file)
{
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveOnError;
    errors.manager.emit_message = LeaveOnTruncation;
    Picture picture;
    bool decoded = DecodeInto(info, errors, file, picture);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return std::nullopt;
    return picture;
}
