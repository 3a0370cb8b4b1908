// A whole scene of pictures and text on an 800 x 600 display, kept as a screenshot for
// the eye (build/screenshots/picture_scene.png) and checked at a few telling pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "media/decode/png_writer.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/image.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

// A 32 x 32 crate: brown boards, a dark frame and diagonal, and a magenta notch that the
// mask cuts out of its top-right corner.
Picture Crate()
{
    Picture crate = MakePicture(32, 32, false, 170, 110, 50);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool frame = x < 3 || y < 3 || x > 28 || y > 28 || std::abs(x - y) < 2;
            if (frame)
                SetPixel(crate, x, y, 90, 50, 20);
            if (x > 24 && y < 7)
                SetPixel(crate, x, y, 255, 0, 255);
        }
    return crate;
}

// Two 32 x 32 cells: a gold coin with a clear surround, and a smaller silver one.
Picture Coins()
{
    Picture coins = MakePicture(64, 32, true, 0, 0, 0, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            float dx = float(x % 32) - 15.5f, dy = float(y) - 15.5f;
            float r = std::sqrt(dx * dx + dy * dy);
            if (x < 32 && r < 14)
                SetPixel(coins, x, y, 250, uint8_t(200 - 4 * r), 40);
            if (x >= 32 && r < 10)
                SetPixel(coins, x, y, 200, 200, uint8_t(220 - 5 * r));
        }
    return coins;
}

Picture Sky()
{
    Picture sky = MakePicture(800, 96, false, 0, 0, 0);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 800; ++x)
            SetPixel(sky, x, y, uint8_t(40 + y), uint8_t(90 + y), uint8_t(200 - x / 8));
    return sky;
}

TEST(PictureScene, ImagesSpritesAndTextInBothFontsDrawTogether)
{
    TempDir dir;
    WriteFileBytes(dir.File("crate.gfx"), TgaBytes(Crate(), 24, false, true));
    WriteFileBytes(dir.File("coins.gfx"), PngBytes(Coins()));
    WriteFileBytes(dir.File("sky.gfx"), JpegBytes(Sky(), false));

    ASSERT_NE(OpenDisplay(800, 600, 0, 0, 2), nullptr);
    SetMaskKeyColor(255, 0, 255);
    SetBlendMode(BlendAlpha);
    SetBackdropColor(30, 90, 40);
    ClearFrame();
    Image sky = LoadImageFile(dir.File("sky.gfx"), 0);
    Image crate = LoadImageFile(dir.File("crate.gfx"), DefaultImageFlags);
    Image coins = LoadImageCells(dir.File("coins.gfx"), 32, 32, 0, 2, 7);
    Font title = LoadTrueTypeFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 26, FontSmooth);
    Font small = LoadTrueTypeFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20, 0);
    ASSERT_TRUE(sky && crate && coins && title && small);

    DrawImageFrame(sky, 0, 0, 0);
    SelectFont(title);
    SetDrawColor(255, 255, 255);
    DrawString("Tindlewick: P\xe4\xe4valikko, L\xf6yd\xf6t \xc4\xd6", 20, 30);

    // A row of crates at natural size, then turned about their centres.
    for (int i = 0; i < 4; ++i)
        DrawImageFrame(crate, 20.0f + 40.0f * float(i), 120, 0);
    CenterImageHandle(crate);
    for (int i = 0; i < 4; ++i) {
        SetDrawRotation(30.0f * float(i));
        DrawImageFrame(crate, 236.0f + 48.0f * float(i), 136, 0);
    }
    SetDrawRotation(0);
    SetDrawScale(3, 3);
    DrawImageFrame(crate, 500, 150, 0);
    SetDrawScale(0.5f, 0.5f);
    DrawImageFrame(crate, 600, 136, 0);
    SetDrawScale(1, 1);
    SetDrawColor(120, 160, 255);
    DrawImageFrame(crate, 660, 136, 0);
    SetDrawColor(255, 255, 255);
    SetDrawAlpha(0.5f);
    DrawImageFrame(crate, 720, 136, 0);
    SetDrawAlpha(1);

    // Coins shrunk and grown, as the game draws a coin being taken.
    CenterImageHandle(coins);
    for (int i = 0; i < 6; ++i) {
        float scale = 0.5f + 0.5f * float(i);
        SetDrawScale(scale, scale);
        DrawImageFrame(coins, 40.0f + 30.0f * float(i * i) / 2.0f + 20.0f * float(i), 260, i % 2);
    }
    SetDrawScale(1, 1);

    SelectFont(nullptr);
    DrawString("The built-in font: 0123456789 !\"#$%&'()*+,-./:;<=>?@", 20, 330);
    DrawString("ABCDEFGHIJKLMNOPQRSTUVWXYZ [\\]^_` abcdefghijklmnopqrstuvwxyz {|}~", 20, 350);
    SelectFont(small);
    SetDrawColor(255, 230, 120);
    DrawString("DejaVu Sans 20, sharp: Siirrot 42, avaimet \xe4\xf6 \xc4\xd6", 20, 380);
    SelectFont(title);
    SetDrawColor(255, 255, 255);
    SetDrawRotation(-10);
    DrawString("Turned text, smooth \xe4\xf6", 40, 470);
    SetDrawRotation(0);
    SetDrawScale(2, 2);
    SelectFont(nullptr);
    DrawString("Scaled 2x", 480, 440);
    SetDrawScale(1, 1);
    SetDrawColor(0, 0, 0);
    FillRect(0, 570, 800, 30);
    SetDrawColor(255, 255, 255);
    SelectFont(small);
    DrawString("Siirrot: 17   Kolikot: 3/5   Avaimet: 1/2", 20, 574);

    FramePixels frame = CaptureFrame();
    std::filesystem::create_directories(TINDLEWICK_BUILD_DIR "/screenshots");
    EXPECT_EQ(WritePngFile(TINDLEWICK_BUILD_DIR "/screenshots/picture_scene.png", frame), "");

    // The first crate's boards and its masked notch over the backdrop.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 30, 140), {170, 110, 50}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 49, 122), {30, 90, 40}));
    // The grown crate covers 452..548 across; its notch stays clear.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 480, 180), {170, 110, 50}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 540, 106), {30, 90, 40}));
    // The tinted crate.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 650, 140), {170 * 120 / 255, 110 * 160 / 255, 50}, 2));
    CloseDisplay();
}

}  // namespace
