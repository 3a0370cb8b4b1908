#include "media/decode/picture_mask.h"

#include <cstddef>
#include <vector>

namespace {

bool IsKey(const uint8_t* pixel, MaskKey key)
{
    return pixel[0] == key.r && pixel[1] == key.g && pixel[2] == key.b;
}

}  // namespace

void MaskPixels(uint8_t* rgba, int width, int height, MaskKey key)
{
    // Key pixels are found first: once recoloured they no longer look like the key.
    std::vector<uint8_t> keyed(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < keyed.size(); ++i)
        keyed[i] = IsKey(rgba + i * 4, key);

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = rgba + (static_cast<size_t>(y) * width + x) * 4;
            if (!keyed[static_cast<size_t>(y) * width + x]) {
                pixel[3] = 255;
                continue;
            }
            int sum[3] = {0, 0, 0};
            int count = 0;
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    size_t n = static_cast<size_t>(ny) * width + nx;
                    if (keyed[n])
                        continue;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += rgba[n * 4 + c];
                    ++count;
                }
            }
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<uint8_t>(count ? sum[c] / count : 0);
            pixel[3] = 0;
        }
    }
}
