#include "frontend/game_session.h"

#include <string>

#include "framework/camera.h"
#include "framework/particles.h"
#include "frontend/game_assets.h"
#include "frontend/language.h"
#include "frontend/level_banner.h"
#include "frontend/menus.h"
#include "frontend/screen_text.h"
#include "frontend/screen_words.h"
#include "game/game_object.h"
#include "game/game_state.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/undo_history.h"
#include "game/world_assets.h"
#include "game/world_frame.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/input.h"

int Paused = 0;
int PauseChoice = 0;

namespace {

constexpr int PauseEntries = 3;
constexpr int PauseTitleY = 120;
constexpr int PausedLevelNameY = 85;
constexpr int BarTop = 570;
constexpr int BarTextY = 575;
constexpr int ReplayCaptionY = 310;
constexpr int ReplayEndedY = 345;

// The steps of the attempt being played; forgotten when it is restarted or left.
UndoHistory PlayedSteps;

void DrawStatusBar()
{
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.3f);
    FillRect(0, BarTop, ScreenWidth, ScreenHeight - BarTop);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    DrawSegment(0, BarTop, ScreenWidth, BarTop, 1);
    DrawImageFrame(KeyImage, 155, BarTop, 0);
    // The coin's handle is its centre.
    DrawImageFrame(CoinImage, 370, 585, 0);
    const LanguageTexts& texts = Texts();
    DrawString(texts.moves + IntToText(MoveCount), static_cast<float>(texts.movesX), BarTextY);
    DrawString(IntToText(KeysTaken) + " / " + IntToText(KeysInLevel), 205, BarTextY);
    DrawString(IntToText(CoinsTaken) + " / " + IntToText(CoinsInLevel), 395, BarTextY);
}

// Loading the level again spawns the player anew, which starts the counters and the move
// record over; a replay starts again from its first letter.
void RestartLevel()
{
    PlayedSteps.Clear();
    Player->Reset();
    ClearEmitters(nullptr);
    TGameObject::ClearAll();
    if (PlayedFrom == LevelOrigin::Campaign)
        Map::Load(LevelFilePath(CurrentLevel));
    else
        Map::Build(PlayedLevel);
    Paused = 0;
    ShowLevelBanner();
}

// R restarts in play and in a replay, as the pause menu's entry does, paused or not. Each hit
// of Z or Backspace undoes a step and each hit of Y redoes one, in play while not paused;
// their hits are read in every frame of the play screen all the same, so that none made
// while paused or in a replay is left over to act later.
void TakeStepKeys()
{
    if (KeyPressCount(KeyR) != 0)
        RestartLevel();
    const int undos = KeyPressCount(KeyZ) + KeyPressCount(KeyBackspace);
    const int redos = KeyPressCount(KeyY);
    if (GameState != StatePlay || Paused != 0)
        return;
    for (int hit = 0; hit < undos; ++hit)
        PlayedSteps.Undo();
    for (int hit = 0; hit < redos; ++hit)
        PlayedSteps.Redo();
}

void ChoosePauseEntry()
{
    if (KeyPressCount(KeyDown) != 0)
        PauseChoice = (PauseChoice + 1) % PauseEntries;
    else if (KeyPressCount(KeyUp) != 0)
        PauseChoice = (PauseChoice + PauseEntries - 1) % PauseEntries;
}

void DrawPauseMenu()
{
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.6f);
    FillRect(0, 0, ScreenWidth, ScreenHeight);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    const LanguageTexts& texts = Texts();
    ChoosePauseEntry();
    DrawPausedLevelName(PausedLevelNameY);
    DrawCentredShadowText(texts.pauseTitle, PauseTitleY);
    for (int i = 0; i < PauseEntries; ++i) {
        if (i == PauseChoice)
            SetDrawColor(25, 100, 175);
        else
            SetDrawColor(255, 255, 255);
        DrawCentredShadowText(texts.pauseEntries[i], 150 + 30 * i);
    }
    SetDrawColor(255, 255, 255);
}

void TakePauseEntry()
{
    switch (PauseChoice) {
    case 0: Paused = 0; break;
    case 1: RestartLevel(); break;
    // The main loop tidies up and returns to the menu in its next frame.
    default: GameState = StateLeaveLevel; break;
    }
}

// The record's last step has been taken: the replay has nothing more to show.
bool ReplayHasEnded()
{
    return static_cast<std::size_t>(MoveCount) >= Player->ReplayMoves.size() && Player->Moving == 0;
}

void DrawReplayCaption()
{
    DrawCentredShadowText(Texts().replayCaption, ReplayCaptionY);
    if (ReplayHasEnded() && !Words.replayEnded.empty())
        DrawCentredShadowText(Words.replayEnded, ReplayEndedY);
}

}  // namespace

void TGame::EnterLevel(int level)
{
    PlayedFrom = LevelOrigin::Campaign;
    Map::Load(LevelFilePath(level));
    CurrentLevel = level;
    // A key hit in the menu must not act on the level.
    ResetKeyboard();
    ShowLevelBanner();
}

void TGame::EnterOwnLevel(const LevelData& level, LevelOrigin origin)
{
    PlayedFrom = origin;
    PlayedLevel = level;
    Map::Build(PlayedLevel);
    // A key hit in the menu must not act on the level.
    ResetKeyboard();
    ShowLevelBanner();
}

void TGame::ForgetSteps()
{
    PlayedSteps.Clear();
}

void TGame::Frame()
{
    if (GameState != StatePlay && GameState != StateReplay)
        return;
    // The play screen is tinted green where the menus are blue.
    SetDrawColor(15, 100, 15);
    DrawBackgroundStrips(0);
    SetDrawColor(255, 255, 255);
    const bool escape = KeyPressCount(KeyEscape) != 0;
    if (escape && PlayedFrom == LevelOrigin::Editor) {
        GameState = StateLeaveLevel;
        return;
    }
    if (escape) {
        ResetKeyboard();
        Paused = Paused == 0 ? 1 : 0;
        PauseChoice = 0;
    }
    TakeStepKeys();
    // Opens the goal once every key is taken, then moves everything: the player last, whose
    // step onto the open goal runs the whole finish sequence before this returns. A step
    // decided in play is kept for undo.
    if (Paused == 0) {
        PlayedSteps.BeforeFrame();
        UpdateWorld();
        PlayedSteps.AfterFrame();
    }
    // The finish sequence has shown its own screen and left the level: the rest of this frame
    // would draw the level over it, with the player already reset.
    if (GameState != StatePlay && GameState != StateReplay) {
        ClearFrame();
        DrawMenuBackground();
        return;
    }
    TGameObject::DrawAll();
    DrawEmittersAtCamera();
    DrawStatusBar();
    if (GameState == StateReplay)
        DrawReplayCaption();
    if (Paused == 0) {
        DrawLevelBanner();
        return;
    }
    DrawPauseMenu();
    if (KeyPressCount(KeyEnter) != 0)
        TakePauseEntry();
}
