// The level's number and title in the real game: over the top of the play field when a
// level starts or restarts, gone after two seconds, above the pause menu's title, and with
// par beside the best result on the level pages; in English (the level file's title) and
// Finnish (the language file's).
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

const std::string Kept = TINDLEWICK_SOURCE_DIR "/tests/frontend/screens/";

const std::vector<std::string> Level = {"#######################", "#@....w....#.....k....#",
                                        "#.$...w....A.........##", "#.....x....#....o.....#",
                                        "#####.##########......#", "#.........a.....$...*.#",
                                        "#######################"};

// English, PLAY, LEVEL 1: the level is loaded by the Enter of frame 9. Finnish, PELAA,
// RATA 1: by the Enter of frame 10.
const char* const ToLevel1 = "3 press Enter\n6 press Enter\n9 press Enter\n";
const char* const ToFinnishLevel1 = "2 press Right\n4 press Enter\n7 press Enter\n10 press Enter\n";

// Where the name stands: over the wall along the top of the play field.
constexpr int NameX = 250, NameY = 25, NameWidth = 300, NameHeight = 32;

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

class LevelNames : public testing::Test {
protected:
    GameFolder game;

    void SetUp() override { game.WriteLevel(0, Level); }

    FramePixels Shot(const std::string& name) const
    {
        FramePixels frame = LoadScreenshot(game.Shot(name));
        EXPECT_EQ(frame.width, 800) << name;
        return frame;
    }
};

TEST_F(LevelNames, TheNameFadesInAtTheStartAndAfterARestartAndIsGoneAfterTwoSeconds)
{
    // R starts the level over at frame 150.
    const GameResult run = game.Run(std::string(ToLevel1) + "150 press R\n",
                                    "--frames 300 --screenshot 10:first.png --screenshot 20:fading-in.png "
                                    "--screenshot 40:shown.png --screenshot 135:gone.png --screenshot 180:again.png "
                                    "--screenshot 290:gone-again.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("shown.png"), Kept + "level_name.png"));

    const FramePixels first = Shot("first.png"), fadingIn = Shot("fading-in.png"), shown = Shot("shown.png");
    const FramePixels gone = Shot("gone.png"), again = Shot("again.png"), goneAgain = Shot("gone-again.png");
    // The letters brighten as it fades in, and its band darkens the wall beneath.
    EXPECT_LT(BrightestIn(first, NameX, NameY, NameWidth, NameHeight), BrightestIn(fadingIn, NameX, NameY, NameWidth, NameHeight));
    EXPECT_GT(BrightestIn(shown, NameX, NameY, NameWidth, NameHeight), 240);
    EXPECT_GT(BrightestIn(again, NameX, NameY, NameWidth, NameHeight), 240) << "shown again after the restart";
    // Gone, the wall is as it is without a name at all.
    EXPECT_GT(DifferingPixels(shown, gone, NameX, NameY, NameWidth, NameHeight), 1000);
    EXPECT_EQ(DifferingPixels(gone, goneAgain, NameX, NameY, NameWidth, NameHeight), 0);
    game.DropScreenWords();
    ASSERT_EQ(game.Run(ToLevel1, "--frames 45 --screenshot 40:nameless.png").status, 0);
    EXPECT_EQ(DifferingPixels(gone, Shot("nameless.png"), NameX, NameY, NameWidth, NameHeight), 0);
}

TEST_F(LevelNames, ThePauseMenuShowsTheNameAboveItsTitleInTheLanguagesOwnTitle)
{
    // The Finnish file titles level 1 itself, in place of the level file's "Test level".
    const GameResult run = game.Run(std::string(ToFinnishLevel1) + "30 press Escape\n",
                                    "--frames 40 --screenshot 35:pause.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("pause.png"), Kept + "pause_name_fi.png"));
}

// The best result of level 1 and its par, in English with the level file's title and in
// Finnish with the language file's.
TEST_F(LevelNames, LevelPagesShowTheTitleAndParBesideTheBestResult)
{
    game.Write("Hiscores.dat", CrLf({"0.player = mira", "0.score = ddsaw", "1.player = none", "1.score = ",
                                     "2.player = none", "2.score = "}));
    game.Write("Levels/Par.dat", CrLf({"0 = 4", "1 = 12"}));
    GameResult run = game.Run("3 press Enter\n6 press Enter\n", "--frames 15 --screenshot 10:levels.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("levels.png"), Kept + "levels_par.png"));
    run = game.Run("2 press Right\n4 press Enter\n7 press Enter\n", "--frames 15 --screenshot 10:levels.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(MatchesKeptScreen(game.Shot("levels.png"), Kept + "levels_par_fi.png"));
}

// Par's place right of the best result.
constexpr int ParX = 600, ParY = 445, ParWidth = 200, ParHeight = 35;

TEST_F(LevelNames, WithoutAParFileOrWithABadOneNoParIsShownAndTheGameRunsOn)
{
    const std::string toPage = "3 press Enter\n6 press Enter\n";
    game.Write("Levels/Par.dat", CrLf({"0 = 4"}));
    ASSERT_EQ(game.Run(toPage, "--frames 15 --screenshot 10:par.png").status, 0);
    EXPECT_GT(BrightestIn(Shot("par.png"), ParX, ParY, ParWidth, ParHeight), 240);

    std::filesystem::remove(game.File("Levels/Par.dat"));
    ASSERT_EQ(game.Run(toPage, "--frames 15 --screenshot 10:none.png").status, 0);
    const FramePixels none = Shot("none.png");
    EXPECT_LT(BrightestIn(none, ParX, ParY, ParWidth, ParHeight), 200);

    for (const std::string& bad : {std::string("0 = four"), std::string("0 = -4"), std::string("0 = 4 steps"),
                                   std::string("0 = 123456"), std::string("0 = ")}) {
        game.Write("Levels/Par.dat", CrLf({bad}));
        const GameResult run = game.Run(toPage, "--frames 15 --screenshot 10:bad.png");
        ASSERT_EQ(run.status, 0) << bad << ": " << run.errors;
        EXPECT_EQ(DifferingPixels(Shot("bad.png"), none, ParX, ParY, ParWidth, ParHeight), 0) << bad;
    }
    // A folder where the file should be: the settings reader would end the game on it.
    std::filesystem::remove(game.File("Levels/Par.dat"));
    std::filesystem::create_directory(game.File("Levels/Par.dat"));
    const GameResult run = game.Run(toPage, "--frames 15 --screenshot 10:folder.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(DifferingPixels(Shot("folder.png"), none, ParX, ParY, ParWidth, ParHeight), 0);
}

}  // namespace
