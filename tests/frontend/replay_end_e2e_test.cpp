// The end of a replay in the real game: once the record's last step has been taken, a line
// under the replay's caption says so and how to leave or watch again; R starts the replay
// over, and the line waits for its end again. Letter by letter in English, frame for frame
// in Finnish.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

const std::string Kept = TINDLEWICK_SOURCE_DIR "/tests/frontend/screens/";

// Under the caption "Hiscore Replay" at y = 310.
constexpr int LineX = 50, LineY = 345, LineWidth = 700, LineHeight = 30;

class ReplayEnd : public testing::Test {
protected:
    GameFolder game;

    void SetUp() override { game.WriteLevel(0, {"#######", "#@$.*.#", "#######"}); }

    void ExpectTheLineOnlyOnceTheReplayHasEnded()
    {
        for (const char* shot : {"during.png", "restarted.png"})
            EXPECT_LT(BrightestIn(Shot(shot), LineX, LineY, LineWidth, LineHeight), 200) << shot;
        for (const char* shot : {"ended.png", "ended-again.png"})
            EXPECT_GT(BrightestIn(Shot(shot), LineX, LineY, LineWidth, LineHeight), 240) << shot;
    }

    FramePixels Shot(const std::string& name) const
    {
        FramePixels frame = LoadScreenshot(game.Shot(name));
        EXPECT_EQ(frame.width, 800) << name;
        return frame;
    }
};

// Two steps of 16 frames from the replay's start at frame 9; R starts it again at 70.
const char* const Shots = "--frames 130 --screenshot 30:during.png --screenshot 60:ended.png "
                          "--screenshot 80:restarted.png --screenshot 120:ended-again.png";

TEST_F(ReplayEnd, ALineUnderTheCaptionSaysTheReplayHasEndedLetterByLetter)
{
    game.Write("Hiscores.dat", CrLf({"0.player = mira", "0.score = dd", "1.player = none", "1.score = ",
                                     "2.player = none", "2.score = "}));
    const GameResult run = game.Run("3 press Enter\n6 press Enter\n9 press F1\n70 press R\n", Shots);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("ended.png"), Kept + "replay_ended.png"));
    ExpectTheLineOnlyOnceTheReplayHasEnded();
}

TEST_F(ReplayEnd, ALineUnderTheCaptionSaysTheReplayHasEndedFrameForFrameInFinnish)
{
    game.Write("Hiscores.dat", CrLf({"0.player = mira", "0.score = dd", "1.player = none", "1.score = ",
                                     "2.player = none", "2.score = ", "0.frames = 3 19"}));
    const GameResult run = game.Run("2 press Right\n4 press Enter\n7 press Enter\n9 press F1\n70 press R\n", Shots);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("ended.png"), Kept + "replay_ended_fi.png"));
    ExpectTheLineOnlyOnceTheReplayHasEnded();
}

}  // namespace
