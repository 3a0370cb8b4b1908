// What an Image holds, for the media layer and its tests.
#pragma once

#include <cstdint>
#include <vector>

#include "media/decode/picture_mask.h"
#include "media/platform/image.h"
#include "media/platform/texture.h"

// One frame of an image: its pixels, kept for the life of the image, and the texture made
// from them for one display (made again on the first draw after a new display opened).
struct ImageCell {
    std::vector<uint8_t> rgba;
    Texture texture;
};

struct ImageData {
    int cellWidth = 0;
    int cellHeight = 0;
    int flags = 0;
    // The mask key in force when the image was loaded.
    MaskKey maskKey;
    // The point of a cell that lands on the drawing position.
    float handleX = 0;
    float handleY = 0;
    std::vector<ImageCell> cells;

    ImageData() = default;
    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;
    ~ImageData();
};
