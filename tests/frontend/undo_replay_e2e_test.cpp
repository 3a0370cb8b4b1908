// Undo, redo and restart in the real game, and records that replay frame for frame, played
// from scripted key presses: Z and Backspace take a step back, Y makes it again, R starts
// the level over; a record made with undos and waits shows the very frames of its run on
// F1, and frames that do not fit its letters fall back to the replay letter by letter.
#include <gtest/gtest.h>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

int CellLeft(int column)
{
    return 50 + 32 * column;
}
int CellTop(int row)
{
    return 25 + 32 * row;
}
Rgb CellColor(const FramePixels& frame, int column, int row)
{
    return AverageColor(frame, CellLeft(column) + 4, CellTop(row) + 4, 24, 24);
}

// Pixels that differ between two screenshots in the rectangle, leaving out the cell of the
// goal, whose turn carries over from level to level, with a margin for its corners.
int DifferingPixels(const FramePixels& a, const FramePixels& b, int columns, int rows, int goalColumn, int goalRow)
{
    int differing = 0;
    for (int y = CellTop(0); y < CellTop(rows); ++y) {
        for (int x = CellLeft(0); x < CellLeft(columns); ++x) {
            const bool nearGoal = x >= CellLeft(goalColumn) - 4 && x < CellLeft(goalColumn + 1) + 4 &&
                                  y >= CellTop(goalRow) - 4 && y < CellTop(goalRow + 1) + 4;
            const Rgb pa = PixelAt(a, x, y), pb = PixelAt(b, x, y);
            if (!nearGoal && (pa.red != pb.red || pa.green != pb.green || pa.blue != pb.blue))
                ++differing;
        }
    }
    return differing;
}

class UndoReplayE2E : public testing::Test {
protected:
    GameFolder game;

    FramePixels Shot(const std::string& name) const
    {
        FramePixels frame = LoadScreenshot(game.Shot(name));
        EXPECT_EQ(frame.width, 800) << name;
        return frame;
    }
};

// English, PLAY, LEVEL 1: the level is loaded by the Enter of frame 9, and its first frame
// of play is presented as frame 10.
const char* const ToLevel1 = "3 press Enter\n6 press Enter\n9 press Enter\n";

}  // namespace

TEST_F(UndoReplayE2E, UndoRedoAndRestartAndTheRecordOfTheRunAsItStands)
{
    game.WriteLevel(0, {"########", "#@.$..*#", "########"});
    const GameResult run = game.Run(
        std::string(ToLevel1) +
            // Two steps, the second onto the coin; Z takes it back, Y makes it again,
            // Backspace and Z take both back.
            "12 down Right\n32 up Right\n55 press Z\n60 press Y\n85 press Backspace\n90 press Z\n"
            // Paused, Y is hit, and the game resumed: the hit is not left over for play.
            "95 press Escape\n98 press Y\n101 press Enter\n"
            // Three steps, then R starts the level over.
            "115 down Right\n162 up Right\n170 press R\n"
            // Four steps and the goal; the name typed with a slip, taken back by Backspace.
            "180 down Right\n246 up Right\n255 press B\n257 press O\n259 press X\n261 press Backspace\n"
            "265 press Enter\n",
        "--frames 280 --screenshot 11:start.png --screenshot 50:two.png --screenshot 58:undone.png "
        "--screenshot 80:redone.png --screenshot 88:one.png --screenshot 93:none.png --screenshot 110:resumed.png "
        "--screenshot 165:three.png --screenshot 175:restarted.png");
    ASSERT_EQ(run.status, 0) << run.errors;

    const FramePixels start = Shot("start.png");
    const Rgb player = CellColor(start, 1, 1), floor = CellColor(start, 2, 1), coin = CellColor(start, 3, 1);
    ASSERT_FALSE(ColorNear(player, floor, 16));
    // Where the player stands, and whether the coin is there, frame by frame.
    const auto expect = [&](const char* shot, int column, bool coinThere) {
        const FramePixels frame = Shot(shot);
        EXPECT_TRUE(ColorNear(CellColor(frame, column, 1), player, 16)) << shot << ": the player at column " << column;
        if (column != 3) {
            EXPECT_EQ(ColorNear(CellColor(frame, 3, 1), coin, 16), coinThere) << shot << ": the coin";
        }
    };
    expect("two.png", 3, false);
    expect("undone.png", 2, true);
    expect("redone.png", 3, false);
    expect("one.png", 2, true);
    expect("none.png", 1, true);
    expect("resumed.png", 1, true);
    expect("three.png", 4, false);
    expect("restarted.png", 1, true);

    // The four steps since the restart, in the frames of play after it: R was taken at the
    // start of frame 170, which was the attempt's first.
    EXPECT_EQ(game.Read("Hiscores.dat"),
              CrLf({"0.player = bo", "0.score = dddd", "1.player = none", "1.score = ", "2.player = none",
                    "2.score = ", "0.frames = 11 27 43 59"}));
}

TEST_F(UndoReplayE2E, ARecordMadeWithAnUndoAndWaitsReplaysItsFramesExactly)
{
    // Pushed at once, while the button's hold time runs, the boulder would roll through the
    // gate; pushed after a wait on the button, it stays, as the gate closes behind the player.
    game.WriteLevel(0, {"#########", "#@aoA...#", "#.......#", "#......*#", "#########"});
    const GameResult run = game.Run(
        std::string(ToLevel1) +
            // Onto the button; a step down, taken back with Z; a wait on the button; the push.
            "12 down Right\n14 up Right\n30 down Down\n32 up Down\n50 press Z\n80 down Right\n82 up Right\n"
            // Down, along the row and down into the goal; the name BO.
            "100 down Down\n102 up Down\n120 down Right\n180 up Right\n190 down Down\n192 up Down\n"
            "215 press B\n217 press O\n220 press Enter\n"
            // Back on the level page LEVEL 2 is highlighted; Up and F1 replay the record,
            // which R starts again a while later.
            "235 press Up\n240 press F1\n400 press R\n",
        "--frames 525 --screenshot 40:detour.png --screenshot 110:down.png "
        "--screenshot 150:along.png "
        "--screenshot 320:replay-down-early.png --screenshot 321:replay-down.png --screenshot 322:replay-down-late.png "
        "--screenshot 361:replay-along.png --screenshot 520:again-along.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    // Before the undo a frame of play is frame 9 + its number; the undo at 50 took the
    // attempt back from frame 41 to 20, so afterwards it is frame 29 + its number. The step
    // down and its undo leave no trace.
    EXPECT_EQ(game.Read("Hiscores.dat"),
              CrLf({"0.player = bo", "0.score = ddsdddd", "1.player = none", "1.score = ", "2.player = none",
                    "2.score = ", "0.frames = 3 51 71 91 107 123 139"}));

    // The replay's frame N is presented as frame 240 + N, so frame 81 of the run (shown at
    // 110) is shown at 321, and frame 121 (at 150) at 361: the same in every pixel of the
    // level, the goal aside; a frame sooner or later, the player stands elsewhere.
    const FramePixels down = Shot("down.png");
    EXPECT_EQ(DifferingPixels(Shot("replay-down.png"), down, 9, 5, 7, 3), 0);
    EXPECT_GT(DifferingPixels(Shot("replay-down-early.png"), down, 9, 5, 7, 3), 100);
    EXPECT_GT(DifferingPixels(Shot("replay-down-late.png"), down, 9, 5, 7, 3), 100);
    const FramePixels along = Shot("along.png");
    EXPECT_EQ(DifferingPixels(Shot("replay-along.png"), along, 9, 5, 7, 3), 0);
    // The boulder stayed beside the button, where the wait left it, and is not at the far
    // end of the row, where the letters alone would have sent it.
    const FramePixels detour = Shot("detour.png");
    EXPECT_FALSE(ColorNear(CellColor(along, 3, 1), CellColor(detour, 5, 1), 16)) << "the boulder on its cell";
    EXPECT_TRUE(ColorNear(CellColor(along, 7, 1), CellColor(detour, 7, 1), 4)) << "no boulder at the far end";
    // R in the replay starts it again, its frame 1 being the frame R was hit in, 400.
    EXPECT_EQ(DifferingPixels(Shot("again-along.png"), along, 9, 5, 7, 3), 0);
}

TEST_F(UndoReplayE2E, FramesThatDoNotFitTheLettersReplayLetterByLetter)
{
    game.WriteLevel(0, {"#######", "#@$.*.#", "#######"});
    for (const bool fitting : {true, false}) {
        game.Write("Settings.ini", GameFolder::SettingsLines(2, 0, 0));
        game.Write("Hiscores.dat", CrLf({"0.player = anna", "0.score = dd", fitting ? "0.frames = 60 90" : "0.frames = 60",
                                         "1.player = none", "1.score = ", "2.player = none", "2.score = "}));
        // English, PLAY; F1 on LEVEL 1 replays its record from frame 9 on.
        const GameResult run = game.Run("3 press Enter\n6 press Enter\n9 press F1\n",
                                        "--frames 130 --screenshot 49:forty.png "
                                        "--screenshot 85:seventy-six.png --screenshot 125:late.png");
        ASSERT_EQ(run.status, 0) << run.errors;
        // The replay's frame N is presented as frame 9 + N; by frame 116 either replay has
        // ended, on the cell before the goal.
        const FramePixels late = Shot("late.png");
        const Rgb player = CellColor(late, 3, 1);
        ASSERT_FALSE(ColorNear(CellColor(late, 1, 1), player, 16));
        // Letter by letter the two steps come at once, frames 1 and 17; frame for frame at 60
        // and 90. Either way the replay ends before the goal.
        EXPECT_EQ(ColorNear(CellColor(Shot("forty.png"), 1, 1), player, 16), fitting) << fitting;
        EXPECT_EQ(ColorNear(CellColor(Shot("forty.png"), 3, 1), player, 16), !fitting) << fitting;
        EXPECT_EQ(ColorNear(CellColor(Shot("seventy-six.png"), 2, 1), player, 16), fitting) << fitting;
    }
}
