// Writing captured frames as PNG files, for screenshots.
#pragma once

#include <string>

#include "media/decode/frame_pixels.h"

// Writes the frame as an 8-bit RGB PNG. Returns the empty text, or a message naming the
// file that could not be written.
std::string WritePngFile(const std::string& path, const FramePixels& frame);
