// Pictures decoded from files (PNG, JPEG, BMP or TGA, told apart by content), cut into
// cells and drawn under the drawing state. Images outlive displays: each cell keeps its
// pixels and makes its texture again on its first draw after a new display was opened.
#pragma once

#include <memory>
#include <string>

struct ImageData;
// An image, shared by everything that draws it; Null when a load failed.
using Image = std::shared_ptr<ImageData>;

// Image flags (bit values).
enum ImageFlags {
    ImageMasked = 1,     // pixels of the mask key colour become transparent at load
    ImageFiltered = 2,   // bilinear sampling when drawn scaled or rotated
    ImageMipmapped = 4,  // halved copies for drawing small
};
constexpr int DefaultImageFlags = -1;  // stands for the default flags, 3

Image LoadImageFile(const std::string& path, int flags);
Image LoadImageCells(const std::string& path, int cellW, int cellH, int firstCell, int cellCount,
                     int flags);
void CenterImageHandle(const Image& image);
void DrawImageFrame(const Image& image, float x, float y, int frame);

// The mask key applies to images loaded afterwards; images already loaded keep theirs.
void SetMaskKeyColor(int r, int g, int b);

// Size of one cell, and the number of cells; 0 for Null.
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
int ImageFrameCount(const Image& image);
