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

testing::AssertionResult SamePixels(const FramePixels& actual, const FramePixels& expected)
{
    if (actual.width != expected.width || actual.height != expected.height)
        return testing::AssertionFailure() << "a " << actual.width << " x " << actual.height
                                           << " frame where " << expected.width << " x "
                                           << expected.height << " was expected";
    long differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < actual.rgba.size(); ++i) {
        if (actual.rgba[i] != expected.rgba[i] && differing++ == 0)
            first = i / 4;
    }
    if (differing == 0)
        return testing::AssertionSuccess();
    const int x = static_cast<int>(first % static_cast<std::size_t>(actual.width));
    const int y = static_cast<int>(first / static_cast<std::size_t>(actual.width));
    return testing::AssertionFailure() << differing << " channel values differ; the first at (" << x
                                       << ", " << y << "): " << PixelAt(actual, x, y) << " where "
                                       << PixelAt(expected, x, y) << " was expected";
}

// The game reads the environment as it starts; displays of the test itself take the call.
RedrawSwitch::RedrawSwitch(bool trackDamage)
{
    setenv("TINDLEWICK_FULL_REDRAW", trackDamage ? "0" : "1", 1);
    SetFullRedraw(!trackDamage);
}

RedrawSwitch::~RedrawSwitch()
{
    unsetenv("TINDLEWICK_FULL_REDRAW");
    SetFullRedraw(false);
}
