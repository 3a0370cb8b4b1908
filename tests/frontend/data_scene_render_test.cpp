// The game's own pictures and fonts drawn by the real renderer as the screens draw them: a
// corner of a level over the green-tinted strips with the status bar, and the menu's logo
// over the blue-tinted ones. Kept as screenshots for the eye
// (build/screenshots/data_level.png and data_menu.png) and checked at telling pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "media/decode/png_writer.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/image.h"
#include "media/platform/image_data.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/temp_dir.h"

namespace {

Rgb ImagePixel(const Image& image, int frame, int x, int y)
{
    const uint8_t* p = image->cells[frame].rgba.data() + (y * image->cellWidth + x) * 4;
    return {p[0], p[1], p[2]};
}

Rgb Tinted(Rgb color, Rgb tint)
{
    return {color.red * tint.red / 255, color.green * tint.green / 255, color.blue * tint.blue / 255};
}

class DataScene : public testing::Test {
protected:
    WorkingDir data{TINDLEWICK_DATA_DIR};

    void SetUp() override
    {
        ASSERT_NE(OpenDisplay(800, 600, 0, 0, 2), nullptr);
        SetMaskKeyColor(255, 0, 255);
        SetBlendMode(BlendAlpha);
        SetBackdropColor(255, 255, 255);
        ClearFrame();
    }
    void TearDown() override
    {
        CloseDisplay();
        SetMaskKeyColor(0, 0, 0);
    }

    static void Strips(const Image& strip, Rgb tint, int first)
    {
        SetDrawColor(tint.red, tint.green, tint.blue);
        for (int i = first; i < 10; i++)
            DrawImageFrame(strip, 0, 60.0f * float(i), 0);
        SetDrawColor(255, 255, 255);
    }

    static FramePixels Keep(const std::string& name)
    {
        FramePixels frame = CaptureFrame();
        std::filesystem::create_directories(TINDLEWICK_BUILD_DIR "/screenshots");
        EXPECT_EQ(WritePngFile(TINDLEWICK_BUILD_DIR "/screenshots/" + name, frame), "");
        return frame;
    }
};

TEST_F(DataScene, ALevelCornerOverTheGreenStripsWithTheStatusBar)
{
    const Rgb green{15, 100, 15};
    Image strip = LoadImageFile("Graphics/background.gfx", DefaultImageFlags);
    Image floor = LoadImageFile("Graphics/Floor.1.gfx", DefaultImageFlags);
    Image wall = LoadImageFile("Graphics/Wall.0.gfx", DefaultImageFlags);
    Image key = LoadImageFile("Graphics/Key.gfx", DefaultImageFlags);
    Image coin = LoadImageFile("Graphics/Coin.gfx", 7);
    Image player = LoadImageCells("Graphics/Player.gfx", 32, 32, 0, 2, DefaultImageFlags);
    Image gate = LoadImageFile("Graphics/CGate.2.gfx", DefaultImageFlags);
    Font large = LoadTrueTypeFont("Fonts/ame.TTF", 26, FontSmooth);
    ASSERT_TRUE(strip && floor && wall && key && coin && player && gate && large);

    Strips(strip, green, 0);
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 6; c++)
            DrawImageFrame(r == 0 || c == 0 ? wall : floor, 50.0f + 32 * c, 25.0f + 32 * r, 0);
    DrawImageFrame(key, 50 + 32 * 1, 25 + 32 * 1, 0);
    DrawImageFrame(gate, 50 + 32 * 4, 25 + 32 * 2, 0);
    CenterImageHandle(player);
    SetDrawRotation(90);
    DrawImageFrame(player, 50 + 32 * 3 + 16, 25 + 32 * 2 + 16, 0);
    SetDrawRotation(0);
    CenterImageHandle(coin);
    SetDrawScale(1.15f, 1.15f);
    DrawImageFrame(coin, 50 + 32 * 2 + 16, 25 + 32 * 3 + 16, 0);
    SetDrawScale(1, 1);
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.3f);
    FillRect(0, 570, 800, 30);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    DrawSegment(0, 570, 800, 570, 1);
    DrawImageFrame(key, 155, 570, 0);
    DrawImageFrame(coin, 370, 585, 0);
    SelectFont(large);
    DrawString("Moves: 12", 559, 575);
    DrawString("1 / 2", 205, 575);
    DrawString("3 / 5", 395, 575);
    SelectFont(nullptr);
    FramePixels frame = Keep("data_level.png");

    // The strips, tinted green, below the level and above the status bar.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 400, 550), Tinted(ImagePixel(strip, 0, 400, 550 % 60), green), 2));
    // A wall and a floor as they are.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 50 + 10, 25 + 20), ImagePixel(wall, 0, 10, 20), 1));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 50 + 32 * 5 + 20, 25 + 32 * 3 + 9), ImagePixel(floor, 0, 20, 9), 1));
    // The key's clear corner shows the floor under it; the gate's bars let it show between.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 50 + 32 + 30, 25 + 32 + 1), ImagePixel(floor, 0, 30, 1), 1));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 50 + 32 * 4 + 9, 25 + 32 * 2 + 10), ImagePixel(floor, 0, 9, 10), 1));
    // The player turned a quarter to the right: the white of an eye now lies above centre.
    EXPECT_TRUE(ColorNear(PixelAt(frame, 50 + 32 * 3 + 15, 25 + 32 * 2 + 12), {255, 255, 255}, 40));
    // White text in the status bar.
    int white = 0;
    for (int y = 575; y < 600; y++)
        for (int x = 559; x < 680; x++)
            white += PixelAt(frame, x, y).red > 240;
    EXPECT_GT(white, 60);
}

TEST_F(DataScene, TheMenuLogoJoinsTheBlueStripsBelowIt)
{
    const Rgb blue{20, 152, 200};
    Image strip = LoadImageFile("Graphics/background.gfx", DefaultImageFlags);
    Image logo = LoadImageFile("Graphics/logo.gfx", DefaultImageFlags);
    ASSERT_TRUE(strip && logo);
    SetDrawColor(blue.red, blue.green, blue.blue);
    DrawImageFrame(logo, 0, 0, 0);
    Strips(strip, blue, 2);
    FramePixels frame = Keep("data_menu.png");

    // Row 119 of the logo and row 0 of the first strip differ no more than neighbouring rows
    // of a strip do: the logo is the strip pattern continued.
    auto rowStep = [&](int y) {
        long sum = 0;
        for (int x = 0; x < 800; x++) {
            Rgb a = PixelAt(frame, x, y), b = PixelAt(frame, x, y + 1);
            sum += std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
        }
        return sum;
    };
    long largest = 0;
    for (int y = 120; y < 179; y++)
        largest = std::max(largest, rowStep(y));
    EXPECT_LE(rowStep(119), largest);
    // The title's letters, lighter than the strips under the tint, and their dark outline.
    int light = 0, dark = 0;
    for (int x = 150; x < 650; x++) {
        Rgb p = PixelAt(frame, x, 60);
        light += p.blue > 190;
        dark += p.blue < 60;
    }
    EXPECT_GT(light, 40);
    EXPECT_GT(dark, 40);
}

}  // namespace
