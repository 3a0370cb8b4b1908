#include "frontend/main_loop.h"

#include "framework/particles.h"
#include "frontend/close_request.h"
#include "frontend/game_assets.h"
#include "frontend/game_session.h"
#include "frontend/level_editor.h"
#include "frontend/menu_tables.h"
#include "frontend/menus.h"
#include "frontend/own_levels_screen.h"
#include "frontend/played_level.h"
#include "frontend/screen_text.h"
#include "game/game_object.h"
#include "game/game_state.h"
#include "game/player.h"
#include "media/platform/clock.h"
#include "media/platform/display.h"
#include "media/platform/input.h"

namespace {

constexpr int FarewellMs = 800;

// The menu's background stands in this frame, so the screen goes from the level (or the
// finish screen) straight to the menu. A level of the player's own goes back to where it
// was started from.
void LeaveLevel()
{
    const int next = StateAfterLevel();
    if (next == StateMenu || next == StateOwnLevels)
        DrawMenuBackground();
    TGame::ForgetSteps();
    Player->Reset();
    ClearEmitters(nullptr);
    TGameObject::ClearAll();
    Paused = 0;
    PauseChoice = 0;
    if (MusicOn != 0)
        ContinueChannel(MusicChannel);
    // A key hit in the level, or on its finish screen, must not act on the menu.
    ResetKeyboard();
    GameState = next;
    // The list shows the record just made.
    if (next == StateOwnLevels)
        EnterOwnLevels();
}

// The player takes a letter only when at rest and the step is allowed, so the move counter
// points at the next letter to play; past the end it is handed the empty text.
void ReplayNextMove()
{
    Player->TryMove(Player->NextReplayLetter());
}

}  // namespace

void RunMainLoop()
{
    while (WindowAskedToClose() == 0) {
        switch (GameState) {
        case StateQuit:
            TGameObject::ClearAll();
            StartSound(SndBye);
            SleepMs(FarewellMs);
            return;
        case StateMenu:
            TMenu::Run();
            break;
        case StatePlay:
            TGame::Frame();
            break;
        case StateLeaveLevel:
            LeaveLevel();
            break;
        case StateReplay:
            ReplayNextMove();
            TGame::Frame();
            break;
        case StateEditor:
            RunEditorFrame();
            break;
        case StateOwnLevels:
            RunOwnLevelsFrame();
            break;
        default:
            break;
        }
        // The editor paints while the left button stays held, from frame to frame.
        if (!EditorFollowsTheMouse())
            ResetMouseButtons();
        PresentFrame(-1);
        ClearFrame();
    }
}
