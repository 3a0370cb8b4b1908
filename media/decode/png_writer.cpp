#include "media/decode/png_writer.h"

#include <png.h>

std::string WritePngFile(const std::string& path, const FramePixels& frame)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(frame.width);
    image.height = static_cast<png_uint_32>(frame.height);
    // The captured alpha is always opaque, so it is left out of the file.
    image.format = PNG_FORMAT_RGB;
    std::string rgb;
    rgb.reserve(frame.rgba.size() / 4 * 3);
    for (std::size_t i = 0; i + 3 < frame.rgba.size(); i += 4)
        rgb.append(reinterpret_cast<const char*>(&frame.rgba[i]), 3);
    if (frame.width <= 0 || frame.height <= 0 ||
        !png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr))
        return "Could not write the screenshot " + path + ".";
    return "";
}
