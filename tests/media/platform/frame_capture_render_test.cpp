// Taking frames out: the back buffer read back, screenshots written for the present they were
// asked for and reported when they cannot be, and one present mark for each present shown.
#include "media/platform/frame_capture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "media/decode/picture_decode.h"
#include "media/platform/display.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int Width = 24;
constexpr int Height = 16;

class FrameCaptureTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError(); }
    void TearDown() override
    {
        StopPresentMarks();
        CloseDisplay();
    }

    // One frame of a single colour, presented.
    static void PresentColour(int r, int g, int b)
    {
        SetDrawColor(r, g, b);
        FillRect(0, 0, Width, Height);
        PresentFrame(-1);
    }

    TempDir folder_;
};

Rgb ScreenshotPixel(const std::string& path, int x, int y)
{
    const std::string bytes = ReadFileBytes(path);
    const auto picture = DecodePicture(ByteSpan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    if (!picture) {
        ADD_FAILURE() << path << " is no picture";
        return Rgb{-1, -1, -1};
    }
    return PixelAt(FramePixels{picture->width, picture->height, picture->rgba}, x, y);
}

TEST_F(FrameCaptureTest, TheBackBufferComesTopRowFirstAndOpaqueWithTheQueuedDrawingIn)
{
    SetDrawColor(200, 0, 0);
    FillRect(0, 0, Width, 4);
    // Blending leaves less than full alpha in the back buffer; the screen shows none of it.
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.5f);
    SetDrawColor(0, 0, 200);
    FillRect(0, 12, Width, 4);

    const FramePixels frame = CaptureFrame();
    ASSERT_EQ(frame.width, Width);
    ASSERT_EQ(frame.height, Height);
    EXPECT_TRUE(ColorNear(PixelAt(frame, 3, 1), {200, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 3, 14), {0, 0, 100}, 1));
    for (std::size_t i = 3; i < frame.rgba.size(); i += 4)
        ASSERT_EQ(frame.rgba[i], 255) << "pixel " << i / 4;
}

TEST_F(FrameCaptureTest, EachScreenshotHoldsThePictureOfItsOwnPresent)
{
    const int first = PresentCount();
    // Asked for out of order, and two for the same present.
    RequestScreenshot(first + 2, folder_.File("third.png"));
    RequestScreenshot(first, folder_.File("first.png"));
    RequestScreenshot(first + 2, folder_.File("third-again.png"));
    PresentColour(255, 0, 0);
    PresentColour(0, 255, 0);
    PresentColour(0, 0, 255);

    EXPECT_TRUE(ColorNear(ScreenshotPixel(folder_.File("first.png"), 5, 5), {255, 0, 0}));
    EXPECT_TRUE(ColorNear(ScreenshotPixel(folder_.File("third.png"), 5, 5), {0, 0, 255}));
    EXPECT_TRUE(ColorNear(ScreenshotPixel(folder_.File("third-again.png"), 5, 5), {0, 0, 255}));
}

TEST_F(FrameCaptureTest, AScreenshotThatCannotBeTakenIsReportedOnceAndNotWritten)
{
    PresentColour(255, 0, 0);
    const std::string late = folder_.File("late.png");
    RequestScreenshot(PresentCount() - 1, late);
    testing::internal::CaptureStderr();
    PresentColour(0, 255, 0);
    PresentColour(0, 255, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "The screenshot " + late + " was asked for too late.\n");
    EXPECT_TRUE(ReadFileBytes(late).empty());

    CloseDisplay();
    const std::string dark = folder_.File("dark.png");
    RequestScreenshot(PresentCount(), dark);
    testing::internal::CaptureStderr();
    PresentFrame(-1);
    PresentFrame(-1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "There is no display to take the screenshot " + dark + " from.\n");
    EXPECT_TRUE(ReadFileBytes(dark).empty());

    const std::string unwritable = folder_.File("no-such-folder/shot.png");
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError();
    RequestScreenshot(PresentCount(), unwritable);
    testing::internal::CaptureStderr();
    PresentColour(0, 0, 255);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(unwritable), std::string::npos);
}

// Everything written to the read end of a pipe so far, its write end closed.
std::string DrainPipe(int ends[2])
{
    close(ends[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(ends[0]);
    return text;
}

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

TEST_F(FrameCaptureTest, EachPresentShownMarksItsTimeOnALineOfItsOwn)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const long long before = MonotonicNanoseconds();
    StartPresentMarks(ends[1]);
    PresentColour(255, 0, 0);
    PresentFrame(0);
    PresentFrame(1);
    // A present without a display shows nothing, and after the stop nothing is marked.
    CloseDisplay();
    PresentFrame(-1);
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError();
    PresentColour(0, 255, 0);
    StopPresentMarks();
    PresentColour(0, 0, 255);
    const long long after = MonotonicNanoseconds();

    std::istringstream lines(DrainPipe(ends));
    std::vector<long long> marks;
    for (std::string line; std::getline(lines, line);)
        marks.push_back(std::stoll(line));
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_GE(marks.front(), before);
    EXPECT_LE(marks.back(), after);
    for (std::size_t i = 1; i < marks.size(); ++i)
        EXPECT_LE(marks[i - 1], marks[i]);
}

TEST_F(FrameCaptureTest, AMarkThatCannotBeWrittenIsReportedAndThePresentGoesOn)
{
    const int readOnly = open("/dev/null", O_RDONLY);
    ASSERT_GE(readOnly, 0);
    StartPresentMarks(readOnly);
    const int presents = PresentCount();
    testing::internal::CaptureStderr();
    PresentColour(255, 0, 0);
    close(readOnly);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "TINDLEWICK_PRESENT_FD: Bad file descriptor\n");
    EXPECT_EQ(PresentCount(), presents + 1);
}

}  // namespace
