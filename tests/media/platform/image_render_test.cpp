// Images drawn on a real OpenGL context under the drawing state, checked on the pixels
// read back.
#include "media/platform/image.h"

#include <gtest/gtest.h>

#include "media/platform/display.h"
#include "media/platform/image_data.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

const Rgb Backdrop{0, 0, 200};
const Rgb Red{255, 0, 0};
const Rgb Green{0, 255, 0};

struct ImageRenderTest : DisplayTest {
    TempDir dir;

    void SetUp() override
    {
        DisplayTest::SetUp();
        SetMaskKeyColor(255, 0, 255);
        SetBackdropColor(Backdrop.red, Backdrop.green, Backdrop.blue);
        ClearFrame();
    }

    Image Load(const Picture& picture, int flags)
    {
        WriteFileBytes(dir.File("picture.gfx"), PngBytes(picture));
        return LoadImageFile(dir.File("picture.gfx"), flags);
    }

    // 16 x 8: the left half red, the right half green.
    Image RedGreen()
    {
        Picture picture = MakePicture(16, 8, false, 255, 0, 0);
        for (int y = 0; y < 8; ++y)
            for (int x = 8; x < 16; ++x)
                SetPixel(picture, x, y, 0, 255, 0);
        return Load(picture, 0);
    }
};

TEST_F(ImageRenderTest, TheDrawingColourTintsAndTheAlphaBlendsOverTheFrame)
{
    Image white = Load(MakePicture(8, 8, false, 255, 255, 255), 0);
    SetBlendMode(BlendAlpha);
    SetDrawColor(255, 128, 0);
    SetDrawAlpha(0.5f);
    DrawImageFrame(white, 10, 10, 0);
    FramePixels frame = CaptureFrame();
    // Alpha 0.5 is stored as the byte 127.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 13, 13), {127, 64, 100}, 2));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 9, 13), Backdrop));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 18, 13), Backdrop));
}

TEST_F(ImageRenderTest, MaskedPixelsShowTheBackdropInTheMaskedAndAlphaBlendModes)
{
    Picture picture = MakePicture(8, 8, false, 255, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            SetPixel(picture, x, y, 255, 0, 255);
    Image image = Load(picture, ImageMasked);
    DrawImageFrame(image, 0, 0, 0);
    SetBlendMode(BlendAlpha);
    DrawImageFrame(image, 20, 0, 0);
    FramePixels frame = CaptureFrame();
    for (int left : {0, 20}) {
        EXPECT_TRUE(ColorNear(PixelAt(frame, left + 2, 4), Red)) << left;
        EXPECT_TRUE(ColorNear(PixelAt(frame, left + 6, 4), Backdrop)) << left;
    }
}

TEST_F(ImageRenderTest, ACentredHandleTurnsTheImageAboutItsCentre)
{
    Image image = RedGreen();
    CenterImageHandle(image);
    SetDrawRotation(90);
    DrawImageFrame(image, 32, 24, 0);
    FramePixels frame = CaptureFrame();
    // A quarter turn clockwise: 8 wide and 16 high about (32, 24), the left half on top.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 32, 19), Red));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 32, 29), Green));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 29, 17), Red));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 26, 24), Backdrop));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 37, 24), Backdrop));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 32, 14), Backdrop));
}

TEST_F(ImageRenderTest, TheDefaultHandleTurnsTheImageAboutItsTopLeftCorner)
{
    Image image = RedGreen();
    SetDrawRotation(90);
    DrawImageFrame(image, 32, 8, 0);
    FramePixels frame = CaptureFrame();
    // The top edge now runs down from (32, 8) and the picture lies to its left.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 28, 12), Red));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 28, 20), Green));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 36, 12), Backdrop));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 28, 6), Backdrop));
}

TEST_F(ImageRenderTest, ScaleGrowsTheImageAboutItsHandleAndFramesPickTheirCell)
{
    Picture picture = MakePicture(8, 4, false, 255, 0, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            SetPixel(picture, x, y, 0, 255, 0);
    WriteFileBytes(dir.File("cells.gfx"), PngBytes(picture));
    Image cells = LoadImageCells(dir.File("cells.gfx"), 4, 4, 0, 2, 0);
    ASSERT_TRUE(cells);
    SetDrawScale(3, 2);
    DrawImageFrame(cells, 4, 4, 1);
    FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 5, 5), Green));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 11), Green));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 17, 6), Backdrop));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 6, 13), Backdrop));
}

TEST_F(ImageRenderTest, AnImageLoadedBeforeADisplayChangeStillDrawsAfterIt)
{
    Image image = RedGreen();
    DrawImageFrame(image, 0, 0, 0);
    int before = image->cells[0].texture.generation;
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr);
    ClearFrame();
    DrawImageFrame(image, 20, 20, 0);
    FramePixels frame = CaptureFrame();
    EXPECT_NE(image->cells[0].texture.generation, before);
    EXPECT_TRUE(ColorNear(PixelAt(frame, 22, 22), Red));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 33, 25), Green));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 2, 2), {0, 0, 0}));
}

TEST_F(ImageRenderTest, NullImagesAndFramesOutOfRangeDrawNothing)
{
    Image image = RedGreen();
    DrawImageFrame(nullptr, 0, 0, 0);
    DrawImageFrame(image, 0, 0, 1);
    DrawImageFrame(image, 0, 0, -1);
    FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 4, 4), Backdrop));
}

}  // namespace
