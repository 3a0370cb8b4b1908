// Frame pacing against a fake clock: sleeping moves the clock, and a test may make a frame
// take longer by moving it too.
#include "media/platform/pacing.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct FakeClock {
    uint32_t now = 0;
    std::vector<int> sleeps;

    std::function<uint32_t()> Clock()
    {
        return [this] { return now; };
    }
    std::function<void(int)> Sleep()
    {
        return [this](int ms) {
            sleeps.push_back(ms);
            now += static_cast<uint32_t>(ms);
        };
    }
};

// Runs `frames` paced frames that take no time of their own; returns each frame's length.
std::vector<int> FrameLengths(FramePacer& pacer, FakeClock& clock, int frames)
{
    std::vector<int> lengths;
    for (int i = 0; i < frames; ++i) {
        const uint32_t start = clock.now;
        WaitForNextFrame(pacer, clock.Clock(), clock.Sleep());
        lengths.push_back(static_cast<int>(clock.now - start));
    }
    return lengths;
}

TEST(FramePacing, SixtyHertzSpreadsASecondOverSixtyFramesWithoutDrift)
{
    FakeClock clock;
    clock.now = 5000;
    FramePacer pacer;
    StartPacing(pacer, 60, clock.now);

    for (int second = 0; second < 3; ++second) {
        std::map<int, int> framesOfLength;
        for (int length : FrameLengths(pacer, clock, 60))
            ++framesOfLength[length];
        EXPECT_EQ(framesOfLength, (std::map<int, int>{{16, 20}, {17, 40}}));
        EXPECT_EQ(clock.now, 5000u + 1000u * (second + 1));
    }
}

TEST(FramePacing, ALateFrameIsNotMadeUpAfterwards)
{
    FakeClock clock;
    FramePacer pacer;
    StartPacing(pacer, 50, clock.now);
    FrameLengths(pacer, clock, 3);

    // A stall of 100 ms: the frame presents at once, and the next ones take full periods.
    clock.now += 100;
    const uint32_t stalled = clock.now;
    WaitForNextFrame(pacer, clock.Clock(), clock.Sleep());
    EXPECT_EQ(clock.now, stalled);
    EXPECT_EQ(FrameLengths(pacer, clock, 5), (std::vector<int>{20, 20, 20, 20, 20}));
}

TEST(FramePacing, WorkWithinAFrameShortensTheSleep)
{
    FakeClock clock;
    FramePacer pacer;
    StartPacing(pacer, 50, clock.now);
    clock.now += 15;
    WaitForNextFrame(pacer, clock.Clock(), clock.Sleep());
    EXPECT_EQ(clock.sleeps, (std::vector<int>{5}));
    EXPECT_EQ(clock.now, 20u);
}

TEST(FramePacing, KeepsTimeAcrossTheClockWrapping)
{
    FakeClock clock;
    clock.now = 0xFFFFFFFFu - 30;
    FramePacer pacer;
    StartPacing(pacer, 50, clock.now);
    EXPECT_EQ(FrameLengths(pacer, clock, 4), (std::vector<int>{20, 20, 20, 20}));
}

TEST(FramePacing, ZeroHertzPacesNothing)
{
    FakeClock clock;
    FramePacer pacer;
    StartPacing(pacer, 0, clock.now);
    EXPECT_FALSE(pacer.on);
    FrameLengths(pacer, clock, 10);
    EXPECT_TRUE(clock.sleeps.empty());
}

// Flips that wait for the vertical blank, each taking the given milliseconds.
bool MeasureFlips(int hertz, const std::vector<int>& flipLengths, int& flips)
{
    FakeClock clock;
    flips = 0;
    return FlipsKeepRate(hertz, clock.Clock(), [&] {
        const std::size_t i = static_cast<std::size_t>(flips++);
        clock.now += static_cast<uint32_t>(i < flipLengths.size() ? flipLengths[i] : 2);
    });
}

TEST(VerticalBlankMeasurement, ThreeFlipsInARowAtTheRateMeanTheHardwarePaces)
{
    int flips = 0;
    EXPECT_TRUE(MeasureFlips(60, {17, 16, 15}, flips));
    EXPECT_EQ(flips, 3);
    // A flip outside the band starts the count again.
    EXPECT_TRUE(MeasureFlips(60, {16, 16, 30, 16, 17, 16}, flips));
    EXPECT_EQ(flips, 6);
}

TEST(VerticalBlankMeasurement, FlipsThatDoNotWaitRunOutTheSecond)
{
    int flips = 0;
    EXPECT_FALSE(MeasureFlips(60, {}, flips));
    EXPECT_EQ(flips, 500);
    EXPECT_FALSE(MeasureFlips(60, std::vector<int>(100, 14), flips));
}

}  // namespace
