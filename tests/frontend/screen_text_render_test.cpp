// The shadowed text every screen uses, drawn on a real display.
#include <gtest/gtest.h>

#include "frontend/screen_text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

class ScreenText : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        SelectFont(nullptr);  // the built-in 8 x 16 font: every glyph pixel is solid
        SetBackdropColor(0, 0, 255);
        ClearFrame();
    }
};

TEST_F(ScreenText, TheShadowLiesOnePixelRightAndBelowAndTheColourIsKept)
{
    SetDrawColor(255, 255, 0);
    TMenu::DrawShadowText("|", 10, 10);
    int r, g, b;
    GetDrawColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 0);

    const FramePixels frame = CaptureFrame();
    // Find the bar's column: the text's own pixels are yellow, the shadow's near black.
    int textColumn = -1;
    for (int x = 10; x < 18 && textColumn < 0; ++x) {
        if (ColorNear(PixelAt(frame, x, 18), {255, 255, 0}, 0))
            textColumn = x;
    }
    ASSERT_GE(textColumn, 0);
    EXPECT_TRUE(ColorNear(PixelAt(frame, textColumn + 1, 19), {20, 20, 20}, 0));
    EXPECT_TRUE(ColorNear(PixelAt(frame, textColumn - 1, 18), {0, 0, 255}, 0));
}

}  // namespace
