// Opening and closing the display: the fresh drawing state, the generation counter, the
// backdrop, failures and screenshots.
#include "media/platform/display.h"

#include <gtest/gtest.h>

#include <climits>
#include <iostream>

#include "media/platform/renderer.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/temp_dir.h"

namespace {

class DisplayLifeTest : public testing::Test {
protected:
    void TearDown() override { CloseDisplay(); }
};

TEST_F(DisplayLifeTest, OpensAWindowOfTheAskedSizeStartingInTheBackdropColour)
{
    const Display* display = OpenDisplay(40, 30, 0, 60, 2);
    ASSERT_NE(display, nullptr) << DisplayError();
    std::cout << "OpenGL renderer: " << DisplayRendererName() << "\n";
    RecordProperty("renderer", DisplayRendererName());
    EXPECT_EQ(CurrentDisplay(), display);
    EXPECT_EQ(display->width, 40);
    EXPECT_EQ(display->height, 30);
    EXPECT_EQ(display->depth, 0);
    EXPECT_EQ(display->hertz, 60);
    EXPECT_TRUE(DisplayError().empty());

    // Both buffers were cleared at opening, so a flip shows no leftovers either.
    PresentFrame(0);
    const FramePixels frame = CaptureFrame();
    ASSERT_EQ(frame.width, 40);
    ASSERT_EQ(frame.height, 30);
    EXPECT_TRUE(ColorNear(PixelAt(frame, 0, 0), {0, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 39, 29), {0, 0, 0}));
}

TEST_F(DisplayLifeTest, ReopeningStartsFromTheDefaultDrawingState)
{
    ASSERT_NE(OpenDisplay(40, 30, 0, 0, 2), nullptr) << DisplayError();
    SetDrawColor(10, 20, 30);
    SetDrawAlpha(0.25f);
    SetBlendMode(BlendLight);
    SetDrawRotation(45);
    SetDrawScale(3, 3);
    SetBackdropColor(200, 0, 0);

    ASSERT_NE(OpenDisplay(40, 30, 0, 0, 2), nullptr) << DisplayError();
    int r, g, b;
    GetDrawColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(GetDrawAlpha(), 1.0f);
    SetDrawColor(0, 0, 100);
    FillRect(0, 0, 40, 30);
    // Masked and opaque, unturned and unscaled: a light-blended quarter-alpha grey square
    // would not replace the blue below it.
    SetDrawColor(128, 128, 128);
    FillRect(10, 10, 4, 4);
    FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 10, 10), {128, 128, 128}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 13, 13), {128, 128, 128}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 14, 14), {0, 0, 100}));
    ClearFrame();
    frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 20, 20), {0, 0, 0}));
}

TEST_F(DisplayLifeTest, EachOpeningAndClosingRaisesTheGenerationAndOldTexturesStayDead)
{
    const int before = DisplayGeneration();
    EXPECT_NE(before, 0);
    ASSERT_NE(OpenDisplay(20, 20, 0, 0, 2), nullptr) << DisplayError();
    EXPECT_EQ(DisplayGeneration(), NextDisplayGeneration(before));
    const uint8_t red[4] = {255, 0, 0, 255};
    Texture old = CreateTexture(red, 1, 1, 0);

    ASSERT_NE(OpenDisplay(20, 20, 0, 0, 2), nullptr) << DisplayError();
    EXPECT_EQ(DisplayGeneration(), before + 3);
    // The new context may hand out the same texture name again; freeing the dead texture
    // must not free the live one.
    const uint8_t green[4] = {0, 255, 0, 255};
    Texture live = CreateTexture(green, 1, 1, 0);
    DestroyTexture(old);
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {8, 0, 1, 0}, {8, 8, 1, 1}, {0, 8, 0, 1}};
    DrawQuad(live.id, 0, 0, corners);
    EXPECT_TRUE(ColorNear(PixelAt(CaptureFrame(), 4, 4), {0, 255, 0}));

    CloseDisplay();
    EXPECT_EQ(DisplayGeneration(), before + 4);
    EXPECT_EQ(CurrentDisplay(), nullptr);
    EXPECT_EQ(CreateTexture(green, 1, 1, 0).id, 0u);
    EXPECT_TRUE(CaptureFrame().rgba.empty());
}

TEST(DisplayGenerationCounter, SkipsZeroWhenItWraps)
{
    EXPECT_EQ(NextDisplayGeneration(1), 2);
    EXPECT_EQ(NextDisplayGeneration(-1), 1);
    EXPECT_EQ(NextDisplayGeneration(INT_MAX), INT_MIN);
}

TEST_F(DisplayLifeTest, AFailedOpeningSaysWhyAndLeavesNoDisplayOpen)
{
    ASSERT_NE(OpenDisplay(20, 20, 0, 0, 2), nullptr) << DisplayError();
    EXPECT_EQ(OpenDisplay(0, 20, 0, 0, 2), nullptr);
    EXPECT_EQ(DisplayError(), "A display of 0 x 20 pixels cannot be opened.");
    EXPECT_EQ(CurrentDisplay(), nullptr);
    // The offscreen screen has no modes to switch to.
    EXPECT_EQ(OpenDisplay(640, 480, 32, 60, 2), nullptr);
    EXPECT_EQ(DisplayError(), "The screen cannot be switched to 640 x 480 x 32 at 60 Hz.");
    EXPECT_EQ(CurrentDisplay(), nullptr);
    EXPECT_NE(OpenDisplay(20, 20, 0, 0, 2), nullptr) << DisplayError();
}

TEST_F(DisplayLifeTest, AScreenshotHoldsThePicturePresentedWithItsNumber)
{
    ASSERT_NE(OpenDisplay(24, 16, 0, 0, 2), nullptr) << DisplayError();
    TempDir folder;
    const std::string path = folder.File("shot.png");
    RequestScreenshot(PresentCount() + 1, path);
    FillRect(0, 0, 24, 16);
    PresentFrame(-1);
    EXPECT_TRUE(ReadFileBytes(path).empty()) << "written one present early";
    PresentFrame(-1);

    const std::string png = ReadFileBytes(path);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x18\0\0\0\x10", 8));
}

}  // namespace
