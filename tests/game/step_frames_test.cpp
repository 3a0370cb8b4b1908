#include "game/step_frames.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::vector<int> Read(const std::string& text, char separator = ' ')
{
    std::vector<int> frames;
    const std::string problem = ReadStepFrames(text, separator, frames);
    EXPECT_EQ(problem, "") << text;
    return frames;
}

std::string Problem(const std::string& text, char separator = ' ')
{
    std::vector<int> frames;
    return ReadStepFrames(text, separator, frames);
}

}  // namespace

TEST(StepFrames, WrittenWithBlanksAndReadBack)
{
    EXPECT_EQ(StepFramesText({}), "");
    EXPECT_EQ(StepFramesText({7}), "7");
    EXPECT_EQ(StepFramesText({1, 17, 2147483647}), "1 17 2147483647");
    for (const std::vector<int>& frames : {std::vector<int>{}, {5}, {1, 17, 60, 61, 100000}})
        EXPECT_EQ(Read(StepFramesText(frames)), frames);
}

TEST(StepFrames, BlanksOrCommasMayRepeatAndStandAtTheEnds)
{
    EXPECT_EQ(Read("  3   19 "), (std::vector<int>{3, 19}));
    EXPECT_EQ(Read(""), std::vector<int>{});
    EXPECT_EQ(Read("   "), std::vector<int>{});
    EXPECT_EQ(Read("3,19,40", ','), (std::vector<int>{3, 19, 40}));
    EXPECT_EQ(Read(",3,,19,", ','), (std::vector<int>{3, 19}));
    EXPECT_EQ(Read("007"), std::vector<int>{7});
}

TEST(StepFrames, AnythingButWholeNumbersIsNamed)
{
    EXPECT_EQ(Problem("3 x 5"), "\"x\" is not a frame number");
    EXPECT_EQ(Problem("3 -5"), "\"-5\" is not a frame number");
    EXPECT_EQ(Problem("+5"), "\"+5\" is not a frame number");
    EXPECT_EQ(Problem("2.5"), "\"2.5\" is not a frame number");
    EXPECT_EQ(Problem("1e3"), "\"1e3\" is not a frame number");
    EXPECT_EQ(Problem("3\t5"), "\"3\t5\" is not a frame number") << "only the separator separates";
    EXPECT_EQ(Problem("3 5", ','), "\"3 5\" is not a frame number");
    EXPECT_EQ(Problem("1 2147483648"), "the frame 2147483648 is too large");
    EXPECT_EQ(Problem(std::string("1 \0 2", 5)), std::string("\"") + '\0' + "\" is not a frame number");
    std::vector<int> frames;
    ReadStepFrames("4 9 x", ' ', frames);
    EXPECT_EQ(frames, (std::vector<int>{4, 9})) << "what came before the fault";
}

TEST(StepFrames, FramesFitWhenThereIsOneForEachStepFromOneUpRising)
{
    EXPECT_EQ(StepFramesMisfit({}, 0), "");
    EXPECT_EQ(StepFramesMisfit({1, 17, 18}, 3), "");
    EXPECT_EQ(StepFramesMisfit({1, 17}, 3), "2 frames for 3 steps");
    EXPECT_EQ(StepFramesMisfit({1, 17}, 1), "2 frames for 1 step");
    EXPECT_EQ(StepFramesMisfit({}, 1), "0 frames for 1 step");
    EXPECT_EQ(StepFramesMisfit({0, 17}, 2), "frame 0, where frames count from 1");
    EXPECT_EQ(StepFramesMisfit({17, 17}, 2), "frame 17 after frame 17");
    EXPECT_EQ(StepFramesMisfit({5, 40, 30}, 3), "frame 30 after frame 40");
}
