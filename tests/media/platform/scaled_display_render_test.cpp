// Displays that show the layout scaled: windows made a whole factor larger, a full screen at
// the desktop's own mode with the picture centred, pictures magnified crisply pixel for
// pixel, text rendered sharp at the shown size while measuring as before, the layout's own
// picture for screenshots, and damage tracking at every scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/renderer.h"
#include "tests/support/frame_pixels.h"

namespace {

constexpr int Width = 64;
constexpr int Height = 48;
const char* const DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A picture with a different colour in every texel and a see-through corner.
Texture MakeChequer(int flags)
{
    std::vector<uint8_t> rgba(8 * 8 * 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t* p = &rgba[static_cast<std::size_t>(y * 8 + x) * 4];
            p[0] = static_cast<uint8_t>(x * 32);
            p[1] = static_cast<uint8_t>(y * 32);
            p[2] = static_cast<uint8_t>((x + y) % 2 ? 220 : 40);
            p[3] = static_cast<uint8_t>(x + y < 3 ? 0 : 255);
        }
    return CreateTexture(rgba.data(), 8, 8, flags);
}

void DrawPicture(const Texture& picture, float x, float y, float size)
{
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {size, 0, 1, 0}, {size, size, 1, 1}, {0, size, 0, 1}};
    DrawQuad(picture.id, x, y, corners);
}

// Everything but text, in every blend mode, placed on whole layout pixels: filtered and
// plain pictures at their own size, a picture drawn twice as large, bands, a line.
void DrawPictures(int frame)
{
    const Texture plain = MakeChequer(0);
    const Texture smooth = MakeChequer(TextureFiltered);
    SetBackdropColor(10, 20, 30);
    ClearFrame();
    SetBlendMode(BlendAlpha);
    SetDrawColor(20, 152, 200);
    FillRect(0, 0, Width, 20);
    SetDrawColor(255, 255, 255);
    DrawPicture(smooth, 3, 3, 8);
    DrawPicture(plain, 14, 3, 16);
    SetBlendMode(BlendMasked);
    DrawPicture(smooth, 33.0f + static_cast<float>(frame), 5, 8);
    SetBlendMode(BlendLight);
    SetDrawAlpha(0.5f);
    DrawPicture(plain, 44, 22, 8);
    SetBlendMode(BlendShade);
    DrawPicture(smooth, 2, 30, 8);
    SetBlendMode(BlendAlpha);
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.4f);
    FillRect(0, 40, Width, 6);
    SetDrawAlpha(1);
    SetDrawColor(250, 200, 0);
    DrawSegment(0, 25, 40, 25, 1);
    DrawSegment(50, 2, 50, 40, 1);
}

// Opens the layout shown as asked; fails the test when it cannot.
const Display* OpenShown(const DisplayShape& shape, int depth = 0)
{
    SetDisplayShape(shape);
    const Display* display = OpenDisplay(Width, Height, depth, 0, 2);
    EXPECT_NE(display, nullptr) << DisplayError();
    return display;
}

class ScaledDisplay : public testing::Test {
protected:
    void TearDown() override
    {
        CloseDisplay();
        SetDisplayShape(DisplayShape());
        RecordLayoutPicture(false);
        SelectFont(nullptr);
    }
};

TEST_F(ScaledDisplay, AWindowIsTheLayoutTimesItsWholeFactor)
{
    for (int scale = 1; scale <= 3; ++scale) {
        const Display* display = OpenShown({scale, false, false});
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->width, Width) << "drawing stays in layout pixels";
        EXPECT_EQ(display->windowScale, scale);
        EXPECT_EQ(display->drawableWidth, Width * scale);
        EXPECT_EQ(display->drawableHeight, Height * scale);
        EXPECT_EQ(display->picture, (PictureArea{static_cast<float>(scale), 0, 0, Width * scale, Height * scale, scale > 1}));
        EXPECT_EQ(CaptureFrame().width, Width * scale);
    }
}

TEST_F(ScaledDisplay, EveryScaledPixelHasTheColourOfItsLayoutPixel)
{
    ASSERT_NE(OpenShown(DisplayShape()), nullptr);
    DrawPictures(0);
    const FramePixels layout = CaptureFrame();
    for (int scale = 2; scale <= 3; ++scale) {
        ASSERT_NE(OpenShown({scale, false, false}), nullptr);
        DrawPictures(0);
        const FramePixels shown = CaptureFrame();
        ASSERT_EQ(shown.width, Width * scale);
        int differing = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x)
                if (!ColorNear(PixelAt(shown, x, y), PixelAt(layout, x / scale, y / scale), 1) && differing++ < 3)
                    ADD_FAILURE() << "scale " << scale << ": pixel (" << x << ", " << y << ") is "
                                  << PixelAt(shown, x, y) << ", its layout pixel " << PixelAt(layout, x / scale, y / scale);
        EXPECT_EQ(differing, 0) << "scale " << scale;
    }
}

TEST_F(ScaledDisplay, TextIsRenderedAtTheShownSizeAndMeasuresAsUnscaled)
{
    const Font font = LoadTrueTypeFont(DejaVuSans, 14, FontSmooth);
    ASSERT_NE(font, nullptr);
    ASSERT_NE(OpenShown(DisplayShape()), nullptr);
    SelectFont(font);
    const int width = TextWidthOf("Sharp");
    const int height = TextHeightOf("Sharp");
    ASSERT_NE(OpenShown({2, false, false}), nullptr);
    SelectFont(font);
    EXPECT_EQ(TextWidthOf("Sharp"), width);
    EXPECT_EQ(TextHeightOf("Sharp"), height);
    ClearFrame();
    SetBlendMode(BlendAlpha);
    DrawString("Sharp", 2, 10);
    const FramePixels shown = CaptureFrame();
    // A picture magnified twice would repeat every pixel in its square of four; glyphs
    // rendered at the shown size have edges inside those squares.
    int splitSquares = 0, inked = 0;
    for (int y = 0; y + 1 < shown.height; y += 2)
        for (int x = 0; x + 1 < shown.width; x += 2) {
            const Rgb corner = PixelAt(shown, x, y);
            inked += corner.red > 60;
            splitSquares += !ColorNear(PixelAt(shown, x + 1, y + 1), corner, 8);
        }
    EXPECT_GT(inked, 20);
    EXPECT_GT(splitSquares, 20);
    // The text spans what it measures, at twice the pixels.
    int right = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (PixelAt(shown, x, y).red > 60)
                right = std::max(right, x);
    EXPECT_NEAR(right, (2 + width) * 2, 6);
}

TEST_F(ScaledDisplay, TheLayoutPictureOfAScaledFrameIsTheUnscaledFrame)
{
    const Font font = LoadTrueTypeFont(DejaVuSans, 12, FontSmooth);
    ASSERT_NE(font, nullptr);
    const auto drawFrame = [&] {
        DrawPictures(1);
        SelectFont(font);
        SetDrawColor(255, 255, 255);
        DrawString("Moves: 12", 4, 28);
        SelectFont(nullptr);
        DrawString("ok", 40, 30);
    };
    ASSERT_NE(OpenShown(DisplayShape()), nullptr);
    drawFrame();
    const FramePixels unscaled = CaptureFrame();
    EXPECT_TRUE(SamePixels(CapturePicture(), unscaled)) << "unscaled, the picture is the frame";
    for (int scale = 2; scale <= 3; ++scale) {
        ASSERT_NE(OpenShown({scale, false, false}), nullptr);
        RecordLayoutPicture(true);
        drawFrame();
        EXPECT_TRUE(SamePixels(CapturePicture(), unscaled)) << "scale " << scale;
        EXPECT_EQ(CaptureFrame().width, Width * scale) << "the shown frame is as it was";
    }
}

TEST_F(ScaledDisplay, ADesktopFullScreenCentresThePictureAtAWholeFactorInTheBackdrop)
{
    // A layout that no whole factor makes as large as the screen.
    constexpr int layoutWidth = 100, layoutHeight = 70;
    SetDisplayShape({1, true, false});
    const Display* display = OpenDisplay(layoutWidth, layoutHeight, 32, 0, 2);
    ASSERT_NE(display, nullptr) << DisplayError();
    EXPECT_TRUE(display->desktopFullScreen);
    const int factor = std::min(display->drawableWidth / layoutWidth, display->drawableHeight / layoutHeight);
    ASSERT_GE(factor, 2);
    const PictureArea& area = display->picture;
    EXPECT_EQ(area.scale, static_cast<float>(factor));
    EXPECT_EQ(area.width, layoutWidth * factor);
    EXPECT_EQ(area.left, (display->drawableWidth - area.width) / 2);
    EXPECT_EQ(area.top, (display->drawableHeight - area.height) / 2);
    ASSERT_TRUE(area.left > 0 || area.top > 0);
    RecordLayoutPicture(true);
    SetBackdropColor(90, 0, 40);
    ClearFrame();
    SetDrawColor(0, 200, 0);
    FillRect(0, 0, layoutWidth, layoutHeight);
    const FramePixels shown = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(shown, 0, 0), {90, 0, 40}));
    EXPECT_TRUE(ColorNear(PixelAt(shown, area.left, area.top), {0, 200, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(shown, area.left + area.width - 1, area.top + area.height - 1), {0, 200, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(shown, display->drawableWidth - 1, display->drawableHeight - 1), {90, 0, 40}));
    if (area.left > 0) {
        EXPECT_TRUE(ColorNear(PixelAt(shown, area.left - 1, area.top), {90, 0, 40}));
    }
    if (area.top > 0) {
        EXPECT_TRUE(ColorNear(PixelAt(shown, area.left, area.top - 1), {90, 0, 40}));
    }
    const FramePixels picture = CapturePicture();
    ASSERT_EQ(picture.width, layoutWidth);
    ASSERT_EQ(picture.height, layoutHeight);
    EXPECT_TRUE(ColorNear(PixelAt(picture, 0, 0), {0, 200, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(picture, layoutWidth - 1, layoutHeight - 1), {0, 200, 0}));
}

// Frames redrawn only where they changed come out as drawn whole, at a whole factor.
TEST_F(ScaledDisplay, DamageTrackingRedrawsAScaledFrameAsIfWhole)
{
    std::vector<FramePixels> frames[2];
    for (int tracked = 0; tracked < 2; ++tracked) {
        RedrawSwitch redraw(tracked == 1);
        ASSERT_NE(OpenShown({2, false, false}), nullptr);
        EXPECT_EQ(DamageTracked(), tracked == 1);
        for (int frame = 0; frame < 6; ++frame) {
            DrawPictures(frame % 3);
            frames[tracked].push_back(CaptureFrame());
            PresentFrame(0);
        }
        if (tracked == 1) {
            EXPECT_GE(RendererCounters().partialFrames, 3);
        }
    }
    for (std::size_t frame = 0; frame < frames[0].size(); ++frame)
        EXPECT_TRUE(SamePixels(frames[1][frame], frames[0][frame])) << "frame " << frame;
}

}  // namespace
