// Presents that send the window only what changed, under an X server of the test's own with
// Mesa's software renderer: after frames that change a little, much, or nothing, at scale 1
// and 2, the window shows exactly the picture the back buffer holds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "media/platform/display.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/virtual_screen.h"

namespace {

constexpr int Width = 160;
constexpr int Height = 120;

// A moving block over bands, a frame that changes nothing, and one that changes everything.
void DrawFrame(int frame)
{
    SetBackdropColor(frame == 5 ? 90 : 10, 20, 30);
    ClearFrame();
    SetBlendMode(BlendAlpha);
    for (int band = 0; band < 4; ++band) {
        SetDrawColor(20 + band * 40, 152, 200);
        FillRect(0, band * 30.0f, Width, 30);
    }
    SetDrawColor(250, 200, 0);
    const int at = frame == 3 ? 2 : frame;
    FillRect(10.0f + at * 7, 40, 12, 12);
    SetDrawAlpha(0.5f);
    SetDrawColor(0, 0, 0);
    FillRect(0, 100, static_cast<float>(20 + at * 3), 10);
    SetDrawAlpha(1);
}

TEST(PartialPresents, TheWindowShowsWhatTheBackBufferHolds)
{
    VirtualScreen screen(800, 600);
    ASSERT_TRUE(screen.Running()) << "Xvfb could not be started";
    setenv("DISPLAY", screen.Name().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    for (int scale = 1; scale <= 2; ++scale) {
        SetDisplayShape({scale, false, false});
        ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError();
        ASSERT_TRUE(PresentsSendOnlyChanges()) << "GLX_MESA_copy_sub_buffer under Mesa's software renderer";
        for (int frame = 0; frame < 8; ++frame) {
            DrawFrame(frame);
            PresentFrame(0);
            EXPECT_TRUE(SamePixels(CaptureWindow(), CaptureFrame())) << "scale " << scale << ", frame " << frame;
        }
        CloseDisplay();
    }
}

}  // namespace
