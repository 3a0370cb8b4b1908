// Keys stay on the screen they were hit on, in the real game: arrows hit while walking do
// not move the level page's highlight after the finish, an F1 hit in play starts no replay
// back on the level page, an Enter hit with the F1 that starts a replay does not start the
// level in its place, an Escape hit with the Enter that starts a level does not pause it,
// and letters hit in play are no part of the name typed on the finish screen.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

// The player walks right onto the goal; the coin lies below the way.
const std::vector<std::string> CoinAside = {"#######", "#@..*.#", "#.$...#", "#######"};
// The coin lies on the way: two steps, then the goal.
const std::vector<std::string> CoinInTheWay = {"#######", "#@$.*.#", "#######"};

// English, PLAY, LEVEL 1: the level is loaded by the Enter of frame 9.
const char* const ToLevel1 = "3 press Enter\n6 press Enter\n9 press Enter\n";

// The entry whose band is lit: the highlight is white at half strength over the dark band.
int HighlightedEntry(const FramePixels& frame, int entries)
{
    int brightest = -1;
    int highlighted = -1;
    for (int entry = 0; entry < entries; ++entry) {
        // The band's left end, where no caption reaches.
        const Rgb band = AverageColor(frame, 205, 148 + 35 * entry, 20, 26);
        const int brightness = band.red + band.green + band.blue;
        if (brightness > brightest) {
            brightest = brightness;
            highlighted = entry;
        }
    }
    return highlighted;
}

bool ShowsTheMenu(const FramePixels& frame)
{
    const Rgb background = AverageColor(frame, 620, 400, 100, 100);
    return background.blue > background.green;
}

class KeysStay : public testing::Test {
protected:
    GameFolder game{4};

    FramePixels Shot(const std::string& name) const
    {
        FramePixels frame = LoadScreenshot(game.Shot(name));
        EXPECT_EQ(frame.width, 800) << name;
        return frame;
    }
};

TEST_F(KeysStay, AFinishWithoutCoinsHighlightsExactlyTheNextLevelWhateverArrowsWereHit)
{
    game.WriteLevel(0, CoinAside);
    // Down is hit against the wall while the player walks right into the goal; the finish
    // screen without a record is closed with Enter.
    const GameResult run = game.Run(std::string(ToLevel1) +
                                        "12 down Right\n14 press Down\n16 press Down\n30 press Down\n"
                                        "70 up Right\n80 press Enter\n",
                                    "--frames 95 --screenshot 90:page.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    const FramePixels page = Shot("page.png");
    ASSERT_TRUE(ShowsTheMenu(page));
    EXPECT_EQ(HighlightedEntry(page, 7), 1) << "LEVEL 2, after LEVEL 1";
}

TEST_F(KeysStay, AnF1HitInPlayStartsNoReplayBackOnTheLevelPage)
{
    game.WriteLevel(0, CoinAside);
    game.WriteLevel(1, CoinAside);
    game.Write("Hiscores.dat", CrLf({"0.player = none", "0.score = ", "1.player = mira", "1.score = dd",
                                     "2.player = none", "2.score = ", "3.player = none", "3.score = ",
                                     "4.player = none", "4.score = "}));
    // F1 in play, then the finish: back on the level page LEVEL 2 is highlighted, whose
    // record F1 would replay.
    const GameResult run = game.Run(std::string(ToLevel1) + "12 down Right\n14 press F1\n70 up Right\n80 press Enter\n",
                                    "--frames 100 --screenshot 95:page.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(ShowsTheMenu(Shot("page.png"))) << "a replay started by itself";
}

TEST_F(KeysStay, AnEnterHitWithTheF1ThatStartsAReplayDoesNotTurnItIntoPlay)
{
    game.WriteLevel(0, CoinAside);
    game.Write("Hiscores.dat", CrLf({"0.player = mira", "0.score = dd", "1.player = none", "1.score = ",
                                     "2.player = none", "2.score = ", "3.player = none", "3.score = ",
                                     "4.player = none", "4.score = "}));
    // On the page of LEVEL 1, whose entry would start the level itself.
    const GameResult run = game.Run("3 press Enter\n6 press Enter\n9 press F1\n9 press Enter\n",
                                    "--frames 25 --screenshot 20:replay.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_GT(BrightestIn(Shot("replay.png"), 320, 310, 160, 30), 230) << "the replay's caption";
}

TEST_F(KeysStay, AnEscapeHitWithTheEnterThatStartsALevelDoesNotPauseIt)
{
    game.WriteLevel(0, CoinAside);
    GameResult run = game.Run("3 press Enter\n6 press Enter\n9 press Enter\n9 press Escape\n",
                              "--frames 20 --screenshot 15:with-escape.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    run = game.Run(ToLevel1, "--frames 20 --screenshot 15:without.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(SamePixels(Shot("with-escape.png"), Shot("without.png")));
}

TEST_F(KeysStay, LettersHitInPlayAreNoPartOfTheNameButAnEnterHitInPlayStillEndsTheFinishScreen)
{
    game.WriteLevel(0, CoinInTheWay);
    GameResult run = game.Run(std::string(ToLevel1) +
                                  "12 down Right\n14 press K\n16 press Q\n18 press 7\n20 press Space\n50 up Right\n"
                                  "60 press B\n62 press O\n64 press Enter\n",
                              "--frames 80");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(game.Read("Hiscores.dat").find("0.player = bo\r\n"), std::string::npos) << game.Read("Hiscores.dat");

    // As the finish screen has always done, an Enter hit in play and never read closes it in
    // its first pass, and the record is stored without a name.
    game.Write("Hiscores.dat", GameFolder::HiscoreLines(4));
    run = game.Run(std::string(ToLevel1) + "12 down Right\n14 press K\n16 press Enter\n50 up Right\n", "--frames 80");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(game.Read("Hiscores.dat").find("0.player = \r\n"), std::string::npos) << game.Read("Hiscores.dat");
}

}  // namespace
