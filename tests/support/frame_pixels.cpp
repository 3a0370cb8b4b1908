#include "tests/support/frame_pixels.h"

#include <cstdlib>

std::ostream& operator<<(std::ostream& out, const Rgb& color)
{
    return out << "(" << color.red << ", " << color.green << ", " << color.blue << ")";
}

Rgb PixelAt(const FramePixels& frame, int x, int y)
{
    if (x < 0 || y < 0 || x >= frame.width || y >= frame.height) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") lies outside the " << frame.width
                      << " x " << frame.height << " frame";
        return Rgb{-1, -1, -1};
    }
    const std::size_t at = (static_cast<std::size_t>(y) * frame.width + x) * 4;
    return Rgb{frame.rgba[at], frame.rgba[at + 1], frame.rgba[at + 2]};
}

testing::AssertionResult ColorNear(const Rgb& actual, const Rgb& expected, int tolerance)
{
    if (std::abs(actual.red - expected.red) <= tolerance &&
        std::abs(actual.green - expected.green) <= tolerance &&
        std::abs(actual.blue - expected.blue) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "colour " << actual << " is not within " << tolerance << " of " << expected;
}
