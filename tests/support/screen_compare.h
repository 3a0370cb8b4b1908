// Screenshots of the real game read back: regions sampled, and whole pictures compared with
// the ones kept beside the tests within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "media/platform/display.h"
#include "tests/support/frame_pixels.h"

// The PNG file as a frame; an empty frame (0 x 0) when it cannot be read.
FramePixels LoadScreenshot(const std::string& path);

// The mean colour of a rectangle, and the brightest channel value found in it.
Rgb AverageColor(const FramePixels& frame, int x, int y, int w, int h);
int BrightestIn(const FramePixels& frame, int x, int y, int w, int h);

// Succeeds when at most 1 pixel in 200 differs from the kept picture by more than
// `tolerance` in a channel. On failure the screenshot is copied to build/screenshots so it
// can be looked at, and kept in place of the old picture if it is right.
testing::AssertionResult MatchesKeptScreen(const std::string& shot, const std::string& kept,
                                           int tolerance = 40);
