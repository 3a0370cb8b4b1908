// Every picture the game loads, through the loaders and with the flags and cells the game
// uses, from the data folder as its working directory.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/platform/image.h"
#include "media/platform/image_data.h"
#include "tests/support/temp_dir.h"

namespace {

struct Picture {
    std::string file;
    int flags;
    int frames;  // 1 = one picture; 2 = cut into two 32 x 32 cells
    int width;   // of one cell; 0 = any up to 32
    int height;
};

std::vector<Picture> GamePictures()
{
    std::vector<Picture> list{
        {"Graphics/Boulder.gfx", -1, 1, 32, 32},     {"Graphics/Coin.gfx", 7, 1, 32, 32},
        {"Graphics/Boxy.gfx", -1, 1, 32, 32},        {"Graphics/Key.gfx", -1, 1, 32, 32},
        {"Graphics/Player.gfx", -1, 2, 32, 32},      {"Graphics/Woody.gfx", -1, 1, 32, 32},
        {"Graphics/Goal.gfx", 3, 1, 32, 32},         {"Graphics/Ministar.0.gfx", 3, 1, 0, 0},
        {"Graphics/ministar.0.gfx", 3, 1, 0, 0},     {"Graphics/logo.gfx", -1, 1, 800, 120},
        {"Graphics/background.gfx", -1, 1, 800, 60},
    };
    for (int i = 0; i < 3; i++) {
        std::string n = std::to_string(i);
        list.push_back({"Graphics/Woodypart." + n + ".gfx", 3, 1, 0, 0});
        list.push_back({"Graphics/Buttya." + n + ".gfx", -1, 2, 32, 32});
        list.push_back({"Graphics/Buttys." + n + ".gfx", -1, 2, 32, 32});
        list.push_back({"Graphics/CGate." + n + ".gfx", -1, 1, 32, 32});
        list.push_back({"Graphics/Floor." + n + ".gfx", -1, 1, 32, 32});
        list.push_back({"Graphics/Wall." + n + ".gfx", -1, 1, 32, 32});
    }
    return list;
}

uint8_t Alpha(const Image& image, int frame, int x, int y)
{
    return image->cells[frame].rgba[(y * image->cellWidth + x) * 4 + 3];
}

class DataPictures : public testing::Test {
protected:
    WorkingDir data{TINDLEWICK_DATA_DIR};

    DataPictures() { SetMaskKeyColor(255, 0, 255); }
    ~DataPictures() override { SetMaskKeyColor(0, 0, 0); }

    static Image Load(const Picture& picture)
    {
        return picture.frames == 1
                   ? LoadImageFile(picture.file, picture.flags)
                   : LoadImageCells(picture.file, 32, 32, 0, picture.frames, picture.flags);
    }
};

TEST_F(DataPictures, EveryGamePictureLoadsAtTheSizeTheGameDrawsIt)
{
    for (const Picture& picture : GamePictures()) {
        Image image = Load(picture);
        ASSERT_TRUE(image) << picture.file;
        EXPECT_EQ(ImageFrameCount(image), picture.frames) << picture.file;
        if (picture.width) {
            EXPECT_EQ(ImageWidth(image), picture.width) << picture.file;
            EXPECT_EQ(ImageHeight(image), picture.height) << picture.file;
        } else {
            EXPECT_LE(ImageWidth(image), 32) << picture.file;
            EXPECT_LE(ImageHeight(image), 32) << picture.file;
        }
    }
}

TEST_F(DataPictures, FlagsFitSideBySideAboveTheLanguageCaption)
{
    // Drawn at (300, 238) and (420, 238); the chosen language is named at y = 400.
    for (const char* file : {"Graphics/Flag_Fin.gfx", "Graphics/Flag_Gb.gfx"}) {
        Image flag = LoadImageFile(file, DefaultImageFlags);
        ASSERT_TRUE(flag) << file;
        EXPECT_LE(ImageWidth(flag), 120) << file;
        EXPECT_LE(238 + ImageHeight(flag), 400) << file;
    }
}

TEST_F(DataPictures, GroundIsSolidAndWhatStandsOnItLetsItShowAround)
{
    for (const Picture& picture : GamePictures()) {
        bool ground = picture.file.find("Floor") != std::string::npos ||
                      picture.file.find("Wall") != std::string::npos ||
                      picture.file.find("logo") != std::string::npos ||
                      picture.file.find("background") != std::string::npos;
        Image image = Load(picture);
        ASSERT_TRUE(image) << picture.file;
        int w = ImageWidth(image), h = ImageHeight(image);
        for (int frame = 0; frame < ImageFrameCount(image); frame++) {
            if (ground) {
                int clear = 0;
                for (int y = 0; y < h; y++)
                    for (int x = 0; x < w; x++)
                        clear += Alpha(image, frame, x, y) != 255;
                EXPECT_EQ(clear, 0) << picture.file;
            } else {
                EXPECT_EQ(Alpha(image, frame, 0, 0), 0) << picture.file << " frame " << frame;
                EXPECT_EQ(Alpha(image, frame, w - 1, h - 1), 0) << picture.file << " frame " << frame;
                EXPECT_EQ(Alpha(image, frame, w / 2, h / 2), 255) << picture.file << " frame " << frame;
            }
        }
    }
}

TEST_F(DataPictures, PlayerAndButtonsChangeBetweenTheirTwoFrames)
{
    for (const Picture& picture : GamePictures()) {
        if (picture.frames != 2)
            continue;
        Image image = Load(picture);
        ASSERT_TRUE(image) << picture.file;
        EXPECT_NE(image->cells[0].rgba, image->cells[1].rgba) << picture.file;
    }
}

TEST_F(DataPictures, BackgroundIsAJpegThatJoinsItselfWhenStacked)
{
    std::string bytes = ReadFileBytes("Graphics/background.gfx");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    Image strip = LoadImageFile("Graphics/background.gfx", DefaultImageFlags);
    ASSERT_TRUE(strip);
    const std::vector<uint8_t>& rgba = strip->cells[0].rgba;
    int w = ImageWidth(strip), h = ImageHeight(strip);
    auto rowStep = [&](int a, int b) {
        long sum = 0;
        for (int x = 0; x < w; x++)
            for (int c = 0; c < 3; c++)
                sum += std::abs(rgba[(a * w + x) * 4 + c] - rgba[(b * w + x) * 4 + c]);
        return sum;
    };
    long largest = 0;
    for (int y = 0; y + 1 < h; y++)
        largest = std::max(largest, rowStep(y, y + 1));
    // Drawn 60 pixels apart, the last row meets the first one of the next strip.
    EXPECT_LE(rowStep(h - 1, 0), largest);
}

}  // namespace
