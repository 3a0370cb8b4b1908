// The batching renderer on a real OpenGL context: colours, blend modes, the drawing
// transform, lines and textures, checked on the pixels read back.
#include "media/renderer.h"

#include <gtest/gtest.h>

#include "media/display.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

using RendererTest = DisplayTest;

TEST_F(RendererTest, ColoursAndAlphaAreClamped)
{
    SetBackdropColor(300, 20, -4);
    ClearFrame();
    SetDrawColor(300, -5, 128);
    FillRect(0, 0, 10, 10);
    SetBlendMode(BlendAlpha);
    SetDrawColor(0, 255, 0);
    SetDrawAlpha(1.5f);
    FillRect(10, 0, 10, 10);
    SetDrawAlpha(-1.0f);
    FillRect(20, 0, 10, 10);

    int r, g, b;
    GetDrawColor(r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 5, 5), {255, 0, 128}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 5), {0, 255, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 25, 5), {255, 20, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 40, 40), {255, 20, 0}));
}

}  // namespace
