// Reading captured frames in drawing tests: pixels by position, compared within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "media/platform/display.h"

struct Rgb {
    int red = 0, green = 0, blue = 0;
};
std::ostream& operator<<(std::ostream& out, const Rgb& color);

// The pixel at (x, y) of the frame, top-left origin.
Rgb PixelAt(const FramePixels& frame, int x, int y);

// Succeeds when every channel is within `tolerance` of the expected one.
testing::AssertionResult ColorNear(const Rgb& actual, const Rgb& expected, int tolerance = 0);

// Succeeds when both frames have the same size and every pixel alike; otherwise tells how
// many pixels differ and where the first is.
testing::AssertionResult SamePixels(const FramePixels& actual, const FramePixels& expected);

// Runs what follows with damage tracking on (the renderer redraws only what changed) or
// off (every frame drawn whole), for displays opened while it is in force.
class RedrawSwitch {
public:
    explicit RedrawSwitch(bool trackDamage);
    ~RedrawSwitch();
    RedrawSwitch(const RedrawSwitch&) = delete;
    RedrawSwitch& operator=(const RedrawSwitch&) = delete;
};
