// A picture as the display captures it and the PNG writer takes it.
#pragma once

#include <cstdint>
#include <vector>

// Top row first, RGBA with 8 bits a channel.
struct FramePixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};
