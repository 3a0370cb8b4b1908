// Level objects drawn on a real display: each draws its own picture, variant, colour or frame
// on its cell, and leaves the drawing state as it found it.
#include <gtest/gtest.h>

#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/switches.h"
#include "game/world_assets.h"
#include "media/platform/display.h"
#include "media/platform/image.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/level_builder.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

const Rgb Black{0, 0, 0};

Rgb Shade(int n)
{
    return Rgb{40 + 9 * n, 250 - 9 * n, (n * 73) % 256};
}

class WorldDrawing : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        UsePicturelessEmitters();
        for (int i = 0; i < 3; ++i) {
            WallImages[i] = Picture(Shade(i));
            FloorImages[i] = Picture(Shade(3 + i));
            GateImages[i] = Picture(Shade(6 + i));
            ActiveButtonImages[i] = Cells(Shade(9 + i), Black);
            StaticButtonImages[i] = Cells(Black, Shade(12 + i));
        }
        KeyImage = Picture(Shade(15));
        CoinImage = Picture(Shade(16));
        GoalImage = Picture(Shade(17));
        WoodyImage = Picture(Shade(18));
        BoxyImage = Picture(Shade(19));
        BoulderImage = Picture(Shade(20));
        PlayerImage = Cells(Shade(21), Shade(22));
    }

    void TearDown() override
    {
        TGameObject::ClearAll();
        DisplayTest::TearDown();
    }

    // The colour in the visible corner of cell (0, 0) after drawing the level.
    Rgb DrawnColour()
    {
        ClearFrame();
        TGameObject::DrawAll();
        return PixelAt(CaptureFrame(), 60, 40);
    }

    void Load(const std::string& legend)
    {
        const std::string path = dir.File("level.lev");
        WriteLevel(path, {"D"}, {"D = " + legend});
        Player->Reset();
        Map::Load(path);
    }

    Image Picture(const Rgb& colour)
    {
        const std::string path = dir.File("p" + std::to_string(++count_) + ".gfx");
        WriteFileBytes(path, PngBytes(MakePicture(32, 32, false, colour.red, colour.green, colour.blue)));
        return LoadImageFile(path, 0);
    }

    // Two 32 x 32 cells side by side.
    Image Cells(const Rgb& first, const Rgb& second)
    {
        auto picture = MakePicture(64, 32, false, first.red, first.green, first.blue);
        for (int y = 0; y < 32; ++y) {
            for (int x = 32; x < 64; ++x)
                SetPixel(picture, x, y, second.red, second.green, second.blue);
        }
        const std::string path = dir.File("c" + std::to_string(++count_) + ".gfx");
        WriteFileBytes(path, PngBytes(picture));
        return LoadImageCells(path, 32, 32, 0, 2, 0);
    }

    GameObject First(ObjectKind kind)
    {
        for (const GameObject& object : LevelObjects) {
            if (object->Kind == kind)
                return object;
        }
        return nullptr;
    }

    TempDir dir;

private:
    int count_ = 0;
};

}  // namespace

TEST_F(WorldDrawing, TilesAndSwitchesShowTheirVariantColourAndState)
{
    const std::pair<std::string, Rgb> cases[] = {
        {"wall:2", Shade(2)},        {"floor:1", Shade(4)},   {"gate:2", Shade(8)},
        {"active:1", Shade(10)},     {"static:2", Black},     {"key", Shade(15)},
        {"coin", Shade(16)},         {"goal", Shade(17)},     {"wood", Shade(18)},
        {"box", Shade(19)},          {"boulder", Shade(20)},
    };
    for (const auto& [part, colour] : cases) {
        Load(part);
        EXPECT_TRUE(ColorNear(DrawnColour(), colour, 2)) << part;
    }
    // A pressed button shows its second cell.
    Load("static:2");
    First(ObjectKind::ButtyStatic)->Trigger(0);
    EXPECT_TRUE(ColorNear(DrawnColour(), Shade(14), 2));
}

TEST_F(WorldDrawing, ThePlayerShowsItsBlinkFrameAndLaterObjectsCoverEarlierOnes)
{
    Load("floor box");
    EXPECT_TRUE(ColorNear(DrawnColour(), Shade(19), 2));
    Player->X = MapOffsetX;
    Player->Y = MapOffsetY;
    EXPECT_TRUE(ColorNear(DrawnColour(), Shade(21), 2));
    PlayerFrame = 1;
    EXPECT_TRUE(ColorNear(DrawnColour(), Shade(22), 2));
    PlayerFrame = 0;
}

TEST_F(WorldDrawing, TurnedAndScaledObjectsPutTheDrawingStateBack)
{
    Load("goal coin");
    std::dynamic_pointer_cast<TCoin>(First(ObjectKind::Coin))->Scale = 0.5f;
    GoalAngle = 45.0f;
    ClearFrame();
    TGameObject::DrawAll();
    // A plain picture drawn afterwards is neither turned nor scaled: it fills its square exactly.
    DrawImageFrame(WallImages[0], 0, 0, 0);
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 0, 0), Shade(0), 2));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 31, 31), Shade(0), 2));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 33, 10), Black, 2));
}
