#include "media/decode/picture_decode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include "tests/support/picture_files.h"

namespace {

std::optional<Picture> Decode(const std::string& bytes)
{
    return DecodePicture({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

// A picture whose every pixel differs, with a fully clear and a half clear pixel.
Picture Sample(bool hasAlpha)
{
    Picture picture = MakePicture(5, 3, hasAlpha, 0, 0, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            SetPixel(picture, x, y, uint8_t(40 * x), uint8_t(100 + 50 * y), uint8_t(7 * x * y), 255);
    if (hasAlpha) {
        SetPixel(picture, 1, 0, 10, 20, 30, 0);
        SetPixel(picture, 4, 2, 200, 100, 50, 128);
    }
    return picture;
}

void ExpectSamePicture(const std::optional<Picture>& decoded, const Picture& expected)
{
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, expected.width);
    EXPECT_EQ(decoded->height, expected.height);
    EXPECT_EQ(decoded->hasAlpha, expected.hasAlpha);
    EXPECT_EQ(decoded->rgba, expected.rgba);
}

// PNG in every colour type and depth, compared with what the samples mean.
struct PngCase {
    const char* name;
    int colorType;
    int bitDepth;
    bool transparency = false;
    bool interlaced = false;
};

class PngColourTypes : public testing::TestWithParam<PngCase> {};

int ChannelCount(int colorType)
{
    return colorType == PNG_COLOR_TYPE_RGBA ? 4 : colorType == PNG_COLOR_TYPE_RGB ? 3
         : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
}

TEST_P(PngColourTypes, ExpandToEightBitRgbaAndKeepAlphaOnlyWhenTheFileHasIt)
{
    const PngCase& c = GetParam();
    PngLayout layout;
    layout.width = 9;
    layout.height = 4;
    layout.colorType = c.colorType;
    layout.bitDepth = c.bitDepth;
    layout.interlaced = c.interlaced;
    int maximum = (1 << c.bitDepth) - 1;
    int channels = ChannelCount(c.colorType);
    for (int i = 0; i < layout.width * layout.height * channels; ++i)
        layout.samples.push_back(uint16_t(i * 37 % (maximum + 1)));
    if (c.colorType == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i <= maximum; ++i)
            layout.palette.push_back({uint8_t(i * 40), uint8_t(255 - i), uint8_t(i * 7)});
        if (c.transparency)
            layout.transparency = {0, 77};  // entries past the list stay opaque
    } else if (c.transparency) {
        // The key is the first pixel's colour.
        for (int k = 0; k < channels; ++k)
            layout.transparency.insert(layout.transparency.end(),
                                     {uint8_t(layout.samples[k] >> 8), uint8_t(layout.samples[k])});
    }

    auto eightBits = [&](int sample) {
        return c.bitDepth == 16 ? sample >> 8 : sample * 255 / maximum;
    };
    Picture expected = MakePicture(layout.width, layout.height,
                                   (c.colorType & PNG_COLOR_MASK_ALPHA) || c.transparency, 0, 0, 0);
    for (int p = 0; p < layout.width * layout.height; ++p) {
        const uint16_t* s = &layout.samples[p * channels];
        uint8_t* out = &expected.rgba[p * 4];
        if (c.colorType == PNG_COLOR_TYPE_PALETTE) {
            auto entry = layout.palette[s[0]];
            out[0] = entry[0], out[1] = entry[1], out[2] = entry[2];
            out[3] = s[0] < layout.transparency.size() ? layout.transparency[s[0]] : 255;
            continue;
        }
        bool colour = c.colorType & PNG_COLOR_MASK_COLOR;
        for (int k = 0; k < 3; ++k)
            out[k] = uint8_t(eightBits(s[colour ? k : 0]));
        out[3] = c.colorType & PNG_COLOR_MASK_ALPHA ? uint8_t(eightBits(s[channels - 1])) : 255;
        if (c.transparency && std::equal(s, s + channels, layout.samples.begin()))
            out[3] = 0;
    }
    ExpectSamePicture(Decode(PngBytes(layout)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Png, PngColourTypes,
    testing::Values(PngCase{"Grey1", PNG_COLOR_TYPE_GRAY, 1}, PngCase{"Grey2", PNG_COLOR_TYPE_GRAY, 2},
                    PngCase{"Grey4", PNG_COLOR_TYPE_GRAY, 4}, PngCase{"Grey8", PNG_COLOR_TYPE_GRAY, 8},
                    PngCase{"Grey16", PNG_COLOR_TYPE_GRAY, 16},
                    PngCase{"GreyKey", PNG_COLOR_TYPE_GRAY, 8, true},
                    PngCase{"GreyAlpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
                    PngCase{"GreyAlpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16},
                    PngCase{"Rgb8", PNG_COLOR_TYPE_RGB, 8}, PngCase{"Rgb16", PNG_COLOR_TYPE_RGB, 16},
                    PngCase{"RgbKey", PNG_COLOR_TYPE_RGB, 16, true},
                    PngCase{"Rgba8", PNG_COLOR_TYPE_RGBA, 8}, PngCase{"Rgba16", PNG_COLOR_TYPE_RGBA, 16},
                    PngCase{"Rgba8Interlaced", PNG_COLOR_TYPE_RGBA, 8, false, true},
                    PngCase{"Palette1", PNG_COLOR_TYPE_PALETTE, 1},
                    PngCase{"Palette2", PNG_COLOR_TYPE_PALETTE, 2},
                    PngCase{"Palette4", PNG_COLOR_TYPE_PALETTE, 4},
                    PngCase{"Palette8", PNG_COLOR_TYPE_PALETTE, 8},
                    PngCase{"Palette8Transparent", PNG_COLOR_TYPE_PALETTE, 8, true},
                    PngCase{"Palette2TransparentInterlaced", PNG_COLOR_TYPE_PALETTE, 2, true, true}),
    [](const testing::TestParamInfo<PngCase>& info) { return std::string(info.param.name); });

TEST(JpegDecode, ColourAndGreyComeBackCloseToWhatWasWrittenAndOpaque)
{
    Picture picture = MakePicture(16, 16, false, 200, 40, 90);
    for (int y = 8; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            SetPixel(picture, x, y, 30, 160, 220);
    for (bool grey : {false, true}) {
        std::optional<Picture> decoded = Decode(JpegBytes(picture, grey));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->width, 16);
        EXPECT_EQ(decoded->height, 16);
        EXPECT_FALSE(decoded->hasAlpha);
        for (int y : {2, 13}) {
            auto got = PixelAt(*decoded, 5, y);
            auto want = PixelAt(picture, 5, y);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(got[k], grey ? got[0] : want[k], 6) << "row " << y << " grey " << grey;
            EXPECT_EQ(got[3], 255);
        }
    }
}

TEST(BmpDecode, TrueColourBitmapsBottomUpAndTopDown)
{
    Picture opaque = Sample(false);
    ExpectSamePicture(Decode(BmpBytes(opaque, 24, false)), opaque);
    ExpectSamePicture(Decode(BmpBytes(opaque, 24, true)), opaque);
    Picture clear = Sample(true);
    ExpectSamePicture(Decode(BmpBytes(clear, 32, false)), clear);
    ExpectSamePicture(Decode(BmpBytes(clear, 32, true, true)), clear);
}

TEST(BmpDecode, ThirtyTwoBitsWithTheFourthByteAllZeroAreOpaque)
{
    Picture picture = Sample(false);
    for (size_t i = 3; i < picture.rgba.size(); i += 4)
        picture.rgba[i] = 0;
    Picture expected = Sample(false);
    ExpectSamePicture(Decode(BmpBytes(picture, 32, false)), expected);
}

TEST(BmpDecode, PaletteIndicesPickTheirColoursAndIndicesPastAShortPaletteAreBlack)
{
    std::vector<uint8_t> indices = {0, 1, 2, 1, 0, 2, 2, 9, 0, 1};
    std::optional<Picture> decoded = Decode(Bmp8Bytes(indices, 5, 2, {{255, 0, 0}, {0, 255, 0}, {1, 2, 3}}));
    ASSERT_TRUE(decoded);
    EXPECT_FALSE(decoded->hasAlpha);
    EXPECT_EQ(PixelAt(*decoded, 0, 0), (std::array<uint8_t, 4>{255, 0, 0, 255}));
    EXPECT_EQ(PixelAt(*decoded, 1, 0), (std::array<uint8_t, 4>{0, 255, 0, 255}));
    EXPECT_EQ(PixelAt(*decoded, 2, 0), (std::array<uint8_t, 4>{1, 2, 3, 255}));
    EXPECT_EQ(PixelAt(*decoded, 2, 1), (std::array<uint8_t, 4>{0, 0, 0, 255}));
    EXPECT_EQ(PixelAt(*decoded, 4, 1), (std::array<uint8_t, 4>{0, 255, 0, 255}));
}

TEST(TgaDecode, PlainAndRunLengthInBothOrigins)
{
    Picture picture = Sample(true);
    // Equal neighbours make runs, some of them across the end of a row.
    for (int x = 2; x < 5; ++x)
        SetPixel(picture, x, 0, 9, 9, 9, 255);
    for (int x = 0; x < 3; ++x)
        SetPixel(picture, x, 1, 9, 9, 9, 255);
    Picture opaque = picture;
    opaque.hasAlpha = false;
    for (size_t i = 3; i < opaque.rgba.size(); i += 4)
        opaque.rgba[i] = 255;
    for (bool top : {false, true}) {
        for (bool runLength : {false, true}) {
            SCOPED_TRACE(testing::Message() << "top " << top << " run length " << runLength);
            ExpectSamePicture(Decode(TgaBytes(picture, 32, top, runLength)), picture);
            ExpectSamePicture(Decode(TgaBytes(opaque, 24, top, runLength)), opaque);
        }
    }
}

// Every damaged file: each format cut short at every length, and with each byte spoilt in
// turn. Cut files give nothing; spoilt ones must not crash or read out of bounds.
TEST(DamagedPictures, CutShortGiveNothingAndSpoiltBytesNeverCrash)
{
    Picture picture = Sample(true);
    Picture opaque = Sample(false);
    const std::vector<std::pair<const char*, std::string>> files = {
        {"png", PngBytes(picture)},
        {"jpeg", JpegBytes(opaque, false)},
        {"bmp24", BmpBytes(opaque, 24, false)},
        {"bmp32", BmpBytes(picture, 32, true, true)},
        {"bmp8", Bmp8Bytes({0, 1, 1, 0}, 2, 2, {{1, 2, 3}, {4, 5, 6}})},
        {"tga", TgaBytes(picture, 32, false, false)},
        {"tgaRle", TgaBytes(picture, 24, true, true)},
    };
    for (const auto& [name, bytes] : files) {
        ASSERT_TRUE(Decode(bytes)) << name;
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(Decode(bytes.substr(0, length))) << name << " cut at " << length;
        for (size_t at = 0; at < bytes.size(); ++at) {
            std::string spoilt = bytes;
            spoilt[at] = char(~spoilt[at]);
            Decode(spoilt);
        }
    }
}

std::string PngClaiming(uint32_t width, uint32_t height)
{
    std::string png = PngBytes(Sample(false));
    // IHDR's width and height start at byte 16; its checksum covers type and data.
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

TEST(DamagedPictures, HugeClaimedSizesAreRefusedBeforeAnythingIsAllocated)
{
    EXPECT_FALSE(Decode(PngClaiming(65535, 65535)));
    EXPECT_FALSE(Decode(PngClaiming(MaxPictureSide, MaxPictureSide)));
    std::string bmp = BmpBytes(Sample(false), 24, false);
    bmp.replace(18, 8, "\xff\xff\x00\x00\xff\xff\x00\x00", 8);
    EXPECT_FALSE(Decode(bmp));
    std::string tga = TgaBytes(Sample(false), 24, false, true);
    tga.replace(12, 4, "\xff\xff\xff\xff", 4);
    EXPECT_FALSE(Decode(tga));
    // A size we accept, 4096 x 4096, claimed by a file whose few packets cannot fill it.
    for (bool runLength : {false, true}) {
        std::string claim = TgaBytes(Sample(false), 24, false, runLength);
        claim.replace(12, 4, "\x00\x10\x00\x10", 4);
        EXPECT_FALSE(Decode(claim)) << (runLength ? "run-length" : "plain");
    }
}

TEST(DamagedPictures, UnsupportedVariantsAndStrangersGiveNothing)
{
    std::string bmp16 = BmpBytes(Sample(false), 24, false);
    bmp16[28] = 16;
    EXPECT_FALSE(Decode(bmp16));
    std::string rleBmp = BmpBytes(Sample(false), 24, false);
    rleBmp[30] = 1;
    EXPECT_FALSE(Decode(rleBmp));
    std::string pixelsPastTheEnd = BmpBytes(Sample(false), 24, false);
    pixelsPastTheEnd[11] = char(0x7f);
    EXPECT_FALSE(Decode(pixelsPastTheEnd));
    std::string colourMapped = TgaBytes(Sample(false), 24, false, false);
    colourMapped[2] = 1;
    EXPECT_FALSE(Decode(colourMapped));
    EXPECT_FALSE(Decode(""));
    EXPECT_FALSE(Decode("Tindlewick level, not a picture"));
}

TEST(PictureFiles, MissingFilesAndFoldersGiveNothing)
{
    EXPECT_FALSE(LoadPictureFile("no/such/picture.gfx"));
    EXPECT_FALSE(LoadPictureFile("."));
}

}  // namespace
