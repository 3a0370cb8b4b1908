#include "tests/support/screen_compare.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "media/decode/picture_decode.h"

FramePixels LoadScreenshot(const std::string& path)
{
    FramePixels frame;
    if (std::optional<Picture> picture = LoadPictureFile(path)) {
        frame.width = picture->width;
        frame.height = picture->height;
        frame.rgba = std::move(picture->rgba);
    }
    return frame;
}

Rgb AverageColor(const FramePixels& frame, int x, int y, int w, int h)
{
    long sum[3] = {0, 0, 0};
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            const Rgb pixel = PixelAt(frame, column, row);
            sum[0] += pixel.red;
            sum[1] += pixel.green;
            sum[2] += pixel.blue;
        }
    }
    const long count = static_cast<long>(w) * h;
    return {static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
            static_cast<int>(sum[2] / count)};
}

int BrightestIn(const FramePixels& frame, int x, int y, int w, int h)
{
    int brightest = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            const Rgb pixel = PixelAt(frame, column, row);
            brightest = std::max({brightest, pixel.red, pixel.green, pixel.blue});
        }
    }
    return brightest;
}

testing::AssertionResult MatchesKeptScreen(const std::string& shot, const std::string& kept,
                                           int tolerance)
{
    const FramePixels actual = LoadScreenshot(shot);
    const FramePixels expected = LoadScreenshot(kept);
    if (actual.width == 0)
        return testing::AssertionFailure() << "cannot read " << shot;
    long differing = 0;
    if (actual.width == expected.width && actual.height == expected.height) {
        for (std::size_t i = 0; i < actual.rgba.size(); i += 4) {
            for (std::size_t c = 0; c < 3; ++c) {
                if (std::abs(actual.rgba[i + c] - expected.rgba[i + c]) > tolerance) {
                    ++differing;
                    break;
                }
            }
        }
        if (differing * 200 <= static_cast<long>(actual.width) * actual.height)
            return testing::AssertionSuccess();
    }
    const std::filesystem::path keep =
        std::filesystem::path(TINDLEWICK_BUILD_DIR "/screenshots") /
        std::filesystem::path(kept).filename();
    std::filesystem::create_directories(keep.parent_path());
    std::filesystem::copy_file(shot, keep, std::filesystem::copy_options::overwrite_existing);
    return testing::AssertionFailure()
           << shot << " is " << actual.width << " x " << actual.height << " with " << differing
           << " pixels unlike " << kept << "; kept as " << keep.string();
}
