#include "media/platform/image.h"

#include <gtest/gtest.h>

#include "media/platform/image_data.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

using Rgba = std::array<uint8_t, 4>;

struct ImageTest : testing::Test {
    TempDir dir;

    ImageTest() { SetMaskKeyColor(255, 0, 255); }
    ~ImageTest() override { SetMaskKeyColor(0, 0, 0); }

    std::string Save(const std::string& name, const std::string& bytes)
    {
        WriteFileBytes(dir.File(name), bytes);
        return dir.File(name);
    }
};

Rgba CellPixel(const Image& image, int frame, int x, int y)
{
    const uint8_t* p = image->cells[frame].rgba.data() + (y * image->cellWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

TEST_F(ImageTest, MaskKeyPixelsTurnClearWithTheMeanColourOfTheirUnkeyedNeighbours)
{
    // . = grey 10, K = magenta, N = almost magenta (255, 0, 254)
    //   .  K  N  .
    //   .  .  K  K
    //   K  K  K  K  <- (3, 2) has only key neighbours
    Picture picture = MakePicture(4, 3, false, 10, 10, 10);
    for (auto [x, y] : {std::pair{1, 0}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}})
        SetPixel(picture, x, y, 255, 0, 255);
    SetPixel(picture, 2, 0, 255, 0, 254);
    SetPixel(picture, 0, 1, 40, 70, 100);
    Image image = LoadImageFile(Save("masked.gfx", PngBytes(picture)), DefaultImageFlags);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->flags, ImageMasked | ImageFiltered);

    EXPECT_EQ(CellPixel(image, 0, 0, 0), (Rgba{10, 10, 10, 255}));
    EXPECT_EQ(CellPixel(image, 0, 2, 0), (Rgba{255, 0, 254, 255}));
    // (1, 0) sees (0, 0), (2, 0), (0, 1), (1, 1): integer means of 10+255+40+10, 10+0+70+10, ...
    EXPECT_EQ(CellPixel(image, 0, 1, 0), (Rgba{315 / 4, 90 / 4, 374 / 4, 0}));
    // (0, 2) sees (0, 1) and (1, 1).
    EXPECT_EQ(CellPixel(image, 0, 0, 2), (Rgba{25, 40, 55, 0}));
    EXPECT_EQ(CellPixel(image, 0, 3, 2), (Rgba{0, 0, 0, 0}));
}

TEST_F(ImageTest, PicturesWithAlphaAndImagesWithoutTheMaskFlagKeepTheirPixels)
{
    Picture clear = MakePicture(2, 1, true, 255, 0, 255, 255);
    SetPixel(clear, 1, 0, 1, 2, 3, 60);
    Image withAlpha = LoadImageFile(Save("alpha.png", PngBytes(clear)), ImageMasked);
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(withAlpha->cells[0].rgba, clear.rgba);

    Picture opaque = MakePicture(2, 1, false, 255, 0, 255);
    Image unmasked = LoadImageFile(Save("plain.png", PngBytes(opaque)), ImageFiltered);
    ASSERT_TRUE(unmasked);
    EXPECT_EQ(CellPixel(unmasked, 0, 0, 0), (Rgba{255, 0, 255, 255}));
}

TEST_F(ImageTest, EachImageKeepsTheMaskKeyItWasLoadedWith)
{
    Picture picture = MakePicture(2, 1, false, 0, 0, 0);
    SetPixel(picture, 1, 0, 255, 0, 255);
    std::string path = Save("key.png", PngBytes(picture));
    Image magentaKey = LoadImageFile(path, DefaultImageFlags);
    SetMaskKeyColor(0, 0, 0);
    Image blackKey = LoadImageFile(path, DefaultImageFlags);
    EXPECT_EQ(CellPixel(magentaKey, 0, 0, 0)[3], 255);
    EXPECT_EQ(CellPixel(magentaKey, 0, 1, 0)[3], 0);
    EXPECT_EQ(CellPixel(blackKey, 0, 0, 0), (Rgba{255, 0, 255, 0}));
    EXPECT_EQ(CellPixel(blackKey, 0, 1, 0)[3], 255);
}

TEST_F(ImageTest, PicturesAreToldApartByContentWhateverTheirName)
{
    Picture picture = MakePicture(3, 2, false, 1, 2, 3);
    EXPECT_TRUE(LoadImageFile(Save("bitmap.png", BmpBytes(picture, 24, false)), 0));
    EXPECT_TRUE(LoadImageFile(Save("png.bmp", PngBytes(picture)), 0));
    EXPECT_TRUE(LoadImageFile(Save("targa.jpg", TgaBytes(picture, 24, true, false)), 0));
    EXPECT_TRUE(LoadImageFile(Save("photo", JpegBytes(picture, false)), 0));
    EXPECT_FALSE(LoadImageFile(dir.File("missing.gfx"), 0));
    EXPECT_FALSE(LoadImageFile(Save("text.gfx", "not a picture"), 0));
}

// Cells are numbered along each row, then down; each cell gets its own colour here.
Picture Grid(int columns, int rows, int leftover)
{
    Picture picture = MakePicture(32 * columns + leftover, 32 * rows + leftover, false, 0, 0, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            SetPixel(picture, x, y, uint8_t(10 * (x / 32 + columns * (y / 32))), uint8_t(x % 32),
                     uint8_t(y % 32));
    return picture;
}

TEST_F(ImageTest, TwoCellsSideBySide)
{
    std::string path = Save("pair.gfx", PngBytes(Grid(2, 1, 0)));
    Image image = LoadImageCells(path, 32, 32, 0, 2, DefaultImageFlags);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageFrameCount(image), 2);
    EXPECT_EQ(ImageWidth(image), 32);
    EXPECT_EQ(ImageHeight(image), 32);
    EXPECT_EQ(CellPixel(image, 0, 5, 7), (Rgba{0, 5, 7, 255}));
    EXPECT_EQ(CellPixel(image, 1, 31, 31), (Rgba{10, 31, 31, 255}));
    EXPECT_FALSE(LoadImageCells(path, 32, 32, 0, 3, DefaultImageFlags));
}

TEST_F(ImageTest, CellsAreNumberedAlongRowsAndLeftoverPixelsIgnored)
{
    std::string path = Save("grid.gfx", PngBytes(Grid(3, 2, 0)));
    Image image = LoadImageCells(path, 32, 32, 4, 2, DefaultImageFlags);
    ASSERT_TRUE(image);
    EXPECT_EQ(CellPixel(image, 0, 0, 0), (Rgba{40, 0, 0, 255}));
    EXPECT_EQ(CellPixel(image, 1, 3, 4), (Rgba{50, 3, 4, 255}));
    EXPECT_FALSE(LoadImageCells(path, 32, 32, 5, 2, DefaultImageFlags));

    // 31 spare pixels right and below do not make another cell.
    std::string ragged = Save("ragged.gfx", PngBytes(Grid(3, 2, 31)));
    EXPECT_TRUE(LoadImageCells(ragged, 32, 32, 0, 6, DefaultImageFlags));
    EXPECT_FALSE(LoadImageCells(ragged, 32, 32, 0, 7, DefaultImageFlags));
    EXPECT_FALSE(LoadImageCells(ragged, 0, 32, 0, 1, DefaultImageFlags));
}

TEST_F(ImageTest, CentringTheHandleUsesHalvesAsRealNumbers)
{
    Image image = LoadImageFile(Save("odd.gfx", PngBytes(MakePicture(31, 8, false, 0, 0, 0))), 0);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->handleX, 0.0f);
    CenterImageHandle(image);
    EXPECT_EQ(image->handleX, 15.5f);
    EXPECT_EQ(image->handleY, 4.0f);
}

TEST_F(ImageTest, NullImagesAreHarmless)
{
    Image none;
    CenterImageHandle(none);
    DrawImageFrame(none, 10, 10, 0);
    EXPECT_EQ(ImageWidth(none), 0);
    EXPECT_EQ(ImageHeight(none), 0);
    EXPECT_EQ(ImageFrameCount(none), 0);
}

}  // namespace
