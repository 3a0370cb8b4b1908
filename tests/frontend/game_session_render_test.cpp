// The play screen frame by frame on a real display with the game's own assets: the pause
// menu and what it freezes, restarting a replay, leaving, and the status bar in both
// languages.
#include <gtest/gtest.h>

#include "framework/particles.h"
#include "framework/settings.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/language.h"
#include "frontend/menus.h"
#include "game/game_state.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"
#include "media/platform/input_state.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

bool RightHeld = false;

int HeldInTest(int keyCode)
{
    return keyCode == KeyRight && RightHeld ? 1 : 0;
}

class GameSession : public testing::Test {
protected:
    static inline GameFolder* game = nullptr;
    static inline WorkingDir* inGame = nullptr;

    static void SetUpTestSuite()
    {
        game = new GameFolder;
        game->WriteLevel(0, {"#######", "#@$.*.#", "#######"});
        inGame = new WorkingDir(game->Path());
        LoadGameAssets(0);
        LoadScreenImages();
    }
    static void TearDownTestSuite()
    {
        CloseDisplay();
        delete inGame;
        delete game;
    }

    void SetUp() override
    {
        PlayerKeyIsHeld = HeldInTest;
        RightHeld = false;
        SelectFont(FontLarge);
        Language = "English";
        CurrentLevel = 0;
        Player->Reset();
        Map::Load("Levels/0.lev");
        GameState = StatePlay;
        Paused = PauseChoice = 0;
        ResetKeyboard();
    }
    void TearDown() override
    {
        PlayerKeyIsHeld = KeyIsHeld;
        Player->Reset();
        ClearEmitters(nullptr);
        TGameObject::ClearAll();
        Player->ReplayMoves = "";
        Language = "";
        GameState = StateMenu;
    }

    static void Hit(int key)
    {
        Input.KeyDown(key, false);
        Input.KeyUp(key);
    }
    // One frame as the main loop runs it, the replay's letter first.
    static void Frame()
    {
        if (GameState == StateReplay)
            Player->TryMove(Player->NextReplayLetter());
        ClearFrame();
        TGame::Frame();
    }
    static void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            Frame();
    }
};

TEST_F(GameSession, EscapeFreezesTheLevelUnderTheDarkPauseMenuAndResumesIt)
{
    RightHeld = true;
    Frames(5);
    const float x = Player->X;
    const FramePixels playing = CaptureFrame();
    Hit(KeyEscape);
    Frames(3);
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(Player->X, x) << "nothing moves while paused";
    const FramePixels paused = CaptureFrame();
    // The level is still drawn, at four tenths of its brightness.
    const Rgb wall = AverageColor(playing, 50, 25, 32, 32);
    const Rgb shaded = AverageColor(paused, 50, 25, 32, 32);
    EXPECT_TRUE(ColorNear(shaded, {wall.red * 4 / 10, wall.green * 4 / 10, wall.blue * 4 / 10}, 3))
        << wall << " " << shaded;
    EXPECT_GT(BrightestIn(paused, 330, 120, 140, 25), 230) << "the -PAUSED- title";

    Hit(KeyDown);
    Frame();
    EXPECT_EQ(PauseChoice, 1);
    Hit(KeyEscape);
    Frame();
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(PauseChoice, 0);
    EXPECT_EQ(KeyIsHeld(KeyRight), 0) << "the toggle let go of every key";
    EXPECT_GT(Player->X, x) << "the step goes on";
}

TEST_F(GameSession, UpFromTheFirstPauseEntryLeavesTheLevel)
{
    Hit(KeyEscape);
    Frame();
    Hit(KeyUp);
    Frame();
    EXPECT_EQ(PauseChoice, 2);
    Hit(KeyDown);
    Frame();
    EXPECT_EQ(PauseChoice, 0) << "Down from the third entry comes back to the first";
    Hit(KeyUp);
    Frame();
    Hit(KeyEnter);
    Frame();
    EXPECT_EQ(GameState, StateLeaveLevel);
}

TEST_F(GameSession, RestartingAReplayStartsItAgainWithItsCaption)
{
    Player->ReplayMoves = "D";
    GameState = StateReplay;
    const float startX = Player->X;
    Frames(20);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(Player->X, startX + 32);
    EXPECT_EQ(CoinsTaken, 1);
    Frames(5);
    EXPECT_EQ(Player->X, startX + 32) << "the letters are used up";

    Hit(KeyEscape);
    Frame();
    Hit(KeyDown);
    Frame();
    Hit(KeyEnter);
    Frame();
    EXPECT_EQ(GameState, StateReplay);
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(CoinsTaken, 0) << "the coin is back";
    EXPECT_EQ(Player->X, startX);
    Frame();
    EXPECT_EQ(MoveCount, 1) << "the first letter is played again";
    const FramePixels frame = CaptureFrame();
    EXPECT_GT(BrightestIn(frame, 320, 310, 160, 30), 230) << "the replay caption";
}

TEST_F(GameSession, TheMoveCounterStandsWhereItsLanguagePutsIt)
{
    Frame();
    const FramePixels english = CaptureFrame();
    Language = "Finnish";
    Frame();
    const FramePixels finnish = CaptureFrame();
    // "Siirrot: " starts at 555, "Moves: " at 559; both end well before the right edge.
    EXPECT_GT(BrightestIn(finnish, 555, 578, 4, 20), 200);
    EXPECT_LT(BrightestIn(english, 555, 578, 3, 20), 120);
    EXPECT_GT(BrightestIn(english, 559, 578, 6, 20), 200);
    // The coin count: 0 / 1.
    EXPECT_GT(BrightestIn(english, 395, 578, 10, 20), 200);
}

}  // namespace
