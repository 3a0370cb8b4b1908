// The finish screen's figures in the real game, below the message and the name: the run's
// moves, coins and keys, the record it had to beat and par, with a mark for a run that
// matched it, and the cursor blinking after the name; in English and Finnish.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

const std::string Kept = TINDLEWICK_SOURCE_DIR "/tests/frontend/screens/";

// The coin lies on the straight way to the goal: two steps and the goal, or a detour of four.
const std::vector<std::string> TwoWays = {"#######", "#@$.*.#", "#.....#", "#######"};
const char* const ToLevel1 = "3 press Enter\n6 press Enter\n9 press Enter\n";
const char* const Straight = "12 down Right\n50 up Right\n";
const char* const Detour = "12 down Right\n14 up Right\n30 down Down\n32 up Down\n50 down Right\n52 up Right\n"
                           "70 down Up\n72 up Up\n90 down Right\n92 up Right\n";

int DifferingPixels(const FramePixels& a, const FramePixels& b, int x, int y, int w, int h)
{
    int differing = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            const Rgb pa = PixelAt(a, column, row), pb = PixelAt(b, column, row);
            if (pa.red != pb.red || pa.green != pb.green || pa.blue != pb.blue)
                ++differing;
        }
    }
    return differing;
}

// The lines of the figures: moves at y = 230, then coins, keys, the record and par, 35 apart.
constexpr int FiguresX = 150, FiguresWidth = 600;
int LineTop(int line)
{
    return 228 + 35 * line;
}

class FinishFigures : public testing::Test {
protected:
    GameFolder game;

    void SetUp() override
    {
        game.WriteLevel(0, TwoWays);
        game.Write("Levels/Par.dat", CrLf({"0 = 2"}));
    }

    FramePixels Shot(const std::string& name) const
    {
        FramePixels frame = LoadScreenshot(game.Shot(name));
        EXPECT_EQ(frame.width, 800) << name;
        return frame;
    }
};

TEST_F(FinishFigures, TwoRunsWithDifferentMovesShowTheirOwnFiguresTheRecordToBeatAndPar)
{
    // Four steps: a record on a free level, above par.
    GameResult run = game.Run(std::string(ToLevel1) + Detour + "100 press B\n102 press O\n",
                              "--frames 110 --screenshot 105:detour.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    // Two steps: a record that beats BO's four, at par.
    run = game.Run(std::string(ToLevel1) + Straight + "60 press A\n62 press N\n64 press N\n66 press A\n",
                   "--frames 110 --screenshot 70:straight.png --screenshot 100:blinked.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("straight.png"), Kept + "finish_figures.png"));

    const FramePixels detour = Shot("detour.png"), straight = Shot("straight.png");
    // The same message, then other moves and another record to beat; the coins, the keys
    // and par alike, but only the run at par has the mark.
    EXPECT_EQ(DifferingPixels(detour, straight, 0, 40, 800, 40), 0) << "the message";
    EXPECT_GT(DifferingPixels(detour, straight, FiguresX, LineTop(0), FiguresWidth, 32), 50) << "the moves";
    EXPECT_EQ(DifferingPixels(detour, straight, FiguresX, LineTop(1), FiguresWidth, 2 * 35), 0) << "coins and keys";
    EXPECT_GT(DifferingPixels(detour, straight, FiguresX, LineTop(3), FiguresWidth, 32), 50) << "the record";
    EXPECT_GT(DifferingPixels(detour, straight, FiguresX, LineTop(4), FiguresWidth, 32), 50) << "the mark";
    EXPECT_EQ(DifferingPixels(detour, straight, FiguresX, LineTop(4), 250, 32), 0) << "par";
}

TEST_F(FinishFigures, TheCursorBlinksAfterTheNameAndNothingElseChanges)
{
    const GameResult run = game.Run(std::string(ToLevel1) + Straight + "60 press A\n62 press N\n64 press N\n66 press A\n",
                                    "--frames 110 --screenshot 70:shown.png --screenshot 100:hidden.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    const FramePixels shown = Shot("shown.png"), hidden = Shot("hidden.png");
    // Right of "NAME: ANNA".
    EXPECT_GT(DifferingPixels(shown, hidden, 290, 150, 40, 32), 20);
    EXPECT_EQ(DifferingPixels(shown, hidden, 0, 0, 290, 600), 0);
    EXPECT_EQ(DifferingPixels(shown, hidden, 330, 0, 470, 600), 0);
    EXPECT_EQ(DifferingPixels(shown, hidden, 290, 200, 40, 400), 0);
}

TEST_F(FinishFigures, AFinishWithoutEveryCoinInFinnishShowsItsFiguresButNoMarkAndWithoutParNoParLine)
{
    game.WriteLevel(0, {"#######", "#@..*.#", "#.$...#", "#######"});
    GameResult run = game.Run("2 press Right\n4 press Enter\n7 press Enter\n10 press Enter\n12 down Right\n70 up Right\n",
                              "--frames 80 --screenshot 75:finish.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("finish.png"), Kept + "finish_figures_fi.png"));
    const FramePixels withPar = Shot("finish.png");
    EXPECT_GT(BrightestIn(withPar, FiguresX, LineTop(4), FiguresWidth, 32), 240) << "par";
    EXPECT_LT(BrightestIn(withPar, 430, LineTop(4), 370, 32), 200) << "no mark";

    std::remove(game.File("Levels/Par.dat").c_str());
    game.Write("Settings.ini", GameFolder::SettingsLines(2, 0, 0));
    run = game.Run("2 press Right\n4 press Enter\n7 press Enter\n10 press Enter\n12 down Right\n70 up Right\n",
                   "--frames 80 --screenshot 75:finish.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    const FramePixels withoutPar = Shot("finish.png");
    EXPECT_EQ(DifferingPixels(withPar, withoutPar, 0, 0, 800, LineTop(4)), 0);
    EXPECT_LT(BrightestIn(withoutPar, FiguresX, LineTop(4), FiguresWidth, 32), 200) << "no par line";
}

}  // namespace
