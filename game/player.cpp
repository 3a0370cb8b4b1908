#include "game/player.h"

#include "framework/camera.h"
#include "game/game_state.h"
#include "game/pushables.h"
#include "game/world_assets.h"
#include "game/world_frame.h"
#include "media/core/text.h"
#include "media/platform/display.h"
#include "media/platform/input.h"

std::shared_ptr<TPlayer> Player = std::make_shared<TPlayer>();

int CoinsTaken = 0;
int KeysTaken = 0;
int GoalOpen = 0;
int MoveCount = 0;
std::string ReplayString;
std::vector<int> StepFrames;

int PlayerFrame = 0;
int IdleCounter = 0;
int BlinkDelay = 150;

int (*PlayerKeyIsHeld)(int keyCode) = KeyIsHeld;

namespace {

constexpr int BlinkFrames = 5;

// A pushed block's own rule has said whether it can go; if so it starts its step.
bool Push(TGameObject& block, int allowed, int direction)
{
    if (allowed == 0)
        return false;
    block.StartStep(direction);
    return true;
}

void Collect(TGameObject& item, int& counter)
{
    item.Trigger(0);
    item.Remove();
    counter += 1;
    StartEffect(SndPickie);
}

// The first arrow key held, in the order Up, Right, Down, Left; -1 for none.
int HeldDirection()
{
    for (int direction = DirUp; direction <= DirLeft; ++direction) {
        if (PlayerKeyIsHeld(ArrowKey(direction)) != 0)
            return direction;
    }
    return -1;
}

}  // namespace

int ArrowKey(int direction)
{
    switch (direction) {
    case DirUp: return KeyUp;
    case DirRight: return KeyRight;
    case DirDown: return KeyDown;
    case DirLeft: return KeyLeft;
    default: return 0;
    }
}

// Everything is done as the step is decided, not when the player arrives: blocks start
// moving, coins and keys vanish, buttons go down, the goal's finish sequence runs. Objects
// met earlier in the cell keep what was done to them when a later one blocks.
int TPlayer::Rule(int direction, float x, float y, int)
{
    float tx, ty;
    StepTarget(direction, x, y, tx, ty);
    return ScanCell(tx, ty, [&](TGameObject& member) {
        switch (member.Kind) {
        case ObjectKind::Floory:
            return true;
        case ObjectKind::Woody:
            if (!Push(member, TWoody::Rule(direction, tx, ty, 0), direction))
                return false;
            StartEffect(SndPushy);
            return true;
        case ObjectKind::Boxy:
            if (!Push(member, TBoxy::Rule(direction, tx, ty, 0), direction))
                return false;
            StartEffect(SndPushy);
            return true;
        case ObjectKind::Boulder:
            return Push(member, TBoulder::Rule(direction, tx, ty, 0), direction);
        case ObjectKind::Key:
            Collect(member, KeysTaken);
            return true;
        case ObjectKind::Coin:
            Collect(member, CoinsTaken);
            return true;
        case ObjectKind::Goal:
            // A closed goal blocks like a wall.
            if (GoalOpen == 0)
                return false;
            GoalOpen = 0;
            member.Trigger(0);
            CoinsTaken = 0;
            KeysTaken = 0;
            return true;
        case ObjectKind::ButtyStatic:
        case ObjectKind::ButtyActive:
            member.Trigger(0);
            return true;
        default:
            return false;
        }
    });
}

int TPlayer::CanMove(int direction, float x, float y, int chained) const
{
    return Rule(direction, x, y, chained);
}

void TPlayer::TryMove(const std::string& letter)
{
    if (Moving != 0)
        return;
    const int direction = DirectionOfLetter(letter);
    if (direction < 0 || CanMove(direction, X, Y, 0) == 0)
        return;
    // Handed over before the frame's update, which makes it the next frame.
    StartCountedStep(direction, WorldFrame + 1);
}

void TPlayer::Trigger(int) {}

void TPlayer::OnSpawn()
{
    PlayerFrame = 0;
    IdleCounter = 0;
    BlinkDelay = 150;
    CoinsTaken = 0;
    KeysTaken = 0;
    Kind = ObjectKind::Player;
    MoveCount = 0;
    ReplayString = "";
    StepFrames.clear();
    GoalOpen = 0;
    CenterImageHandle(PlayerImage);
}

void TPlayer::OnRemove()
{
    CoinsTaken = 0;
    KeysTaken = 0;
    Moving = 0;
    MoveCount = 0;
    ReplayString = "";
    StepFrames.clear();
}

void TPlayer::Draw()
{
    SetDrawRotation(static_cast<float>(Facing * 90));
    DrawImageAtCamera(PlayerImage, X + HalfCell, Y + HalfCell, PlayerFrame);
    SetDrawRotation(0);
}

// Only in play, and in a replay frame for frame, are steps chosen here and the idle frames
// counted (a replay letter by letter hands its letters over before the frame), but a step
// under way is completed in any state. The step starts moving in the frame it is chosen,
// and a held key tries the next step in the first frame after arrival. A refused key ends
// the search: the later keys in the order are not tried in this frame.
void TPlayer::Update()
{
    const bool playing = GameState == StatePlay;
    if (Moving == 0 && (playing || ReplaysFrameForFrame())) {
        IdleCounter += 1;
        const int direction = ChosenDirection();
        if (direction >= 0 && CanMove(direction, X, Y, 0) != 0) {
            StartCountedStep(direction, WorldFrame);
            if (playing)
                StartEffect(SndSteps);
        }
    }
    if (Moving == 1) {
        IdleCounter = 0;
        PlayerFrame = 0;
        AdvanceStep();
    }
    if (IdleCounter == 0)
        PlayerFrame = 0;
    if (IdleCounter >= BlinkDelay) {
        PlayerFrame = 1;
        IdleCounter = -BlinkFrames;
    }
}

bool TPlayer::ReplaysFrameForFrame() const
{
    return GameState == StateReplay && !ReplayFrames.empty();
}

// A step of the frame-for-frame replay whose frame has passed is still taken, as soon as it
// is allowed: a record whose frames were written by hand plays on instead of stopping.
int TPlayer::ChosenDirection() const
{
    if (GameState == StatePlay)
        return HeldDirection();
    const auto step = static_cast<std::size_t>(MoveCount);
    if (step >= ReplayFrames.size() || step >= ReplayMoves.size() || WorldFrame < ReplayFrames[step])
        return -1;
    return DirectionOfLetter(ReplayMoves.substr(step, 1));
}

// The step is counted with the frame in which it was chosen.
void TPlayer::StartCountedStep(int direction, int frame)
{
    StartStep(direction);
    MoveCount += 1;
    ReplayString += DirectionLetter(direction);
    StepFrames.push_back(frame);
}

std::string TPlayer::NextReplayLetter() const
{
    if (!ReplayFrames.empty())
        return "";
    return SubText(ReplayMoves, MoveCount + 1, 1);
}
