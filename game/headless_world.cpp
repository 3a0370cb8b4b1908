#include "game/headless_world.h"

#include <cassert>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/world_assets.h"

namespace {

// The world whose hooks are installed; the hooks are plain functions and find it here.
const HeadlessWorld* Current = nullptr;

void Silence(const Sound&) {}

}  // namespace

HeadlessWorld::HeadlessWorld(void (*soundListener)(const Sound& sound))
    : startEffect_(StartEffect),
      playerKeyIsHeld_(PlayerKeyIsHeld),
      finishSequence_(FinishSequence),
      madeEmitters_(!CoinSparkles),
      gameState_(GameState),
      replayMoves_(Player->ReplayMoves),
      replayFrames_(Player->ReplayFrames)
{
    assert(!Current && "one headless world at a time: the hooks are global");
    Current = this;
    StartEffect = soundListener ? soundListener : Silence;
    PlayerKeyIsHeld = KeyHeldInFrame;
    UsePicturelessEmitters();
    // Instead of the outcome screen: note what it would see, then leave the level as it does.
    FinishSequence = [this] {
        finish_ = FinishMoment{frame_, MoveCount, ReplayString, KeysTaken, CoinsTaken, StepFrames};
        GameState = StateLeaveLevel;
        Player->Reset();
    };
}

HeadlessWorld::~HeadlessWorld()
{
    LeaveLevel();
    if (madeEmitters_)
        DropPicturelessEmitters();
    StartEffect = startEffect_;
    PlayerKeyIsHeld = playerKeyIsHeld_;
    FinishSequence = finishSequence_;
    GameState = gameState_;
    Player->ReplayMoves = replayMoves_;
    Player->ReplayFrames = replayFrames_;
    Current = nullptr;
}

void HeadlessWorld::Load(const std::string& path)
{
    frame_ = 0;
    finish_.reset();
    path_ = path;
    history_.Clear();
    Player->Reset();
    Map::Load(path);
}

void HeadlessWorld::LeaveLevel()
{
    history_.Clear();
    Player->Reset();
    ClearEmitters(nullptr);
    TGameObject::ClearAll();
}

void HeadlessWorld::Restart()
{
    LeaveLevel();
    Map::Load(path_);
}

void HeadlessWorld::PlayFrame(HeldArrows held)
{
    held_ = held;
    ++frame_;
    if (keepHistory_)
        history_.BeforeFrame();
    UpdateWorld();
    if (keepHistory_)
        history_.AfterFrame();
}

// The letter is handed over within the frame: a step it starts into the goal finishes in it.
void HeadlessWorld::ReplayFrame(const std::string& letter)
{
    held_ = NoArrows;
    ++frame_;
    Player->TryMove(letter);
    UpdateWorld();
}

int HeadlessWorld::KeyHeldInFrame(int keyCode)
{
    for (int direction = DirUp; direction <= DirLeft; ++direction) {
        if (keyCode == ArrowKey(direction))
            return (Current->held_ & ArrowOf(direction)) != 0 ? 1 : 0;
    }
    return 0;
}
