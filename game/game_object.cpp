#include "game/game_object.h"

#include "media/core/text.h"

List<TGameObject> LevelObjects;

const char* KindTag(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::None: return "";
    case ObjectKind::Reset: return "0";
    case ObjectKind::Wally: return "WALLY";
    case ObjectKind::Floory: return "FLOORY";
    case ObjectKind::ColorGate: return "COLORGATE";
    case ObjectKind::ButtyActive: return "BUTTYA";
    case ObjectKind::ButtyStatic: return "BUTTYS";
    case ObjectKind::Goal: return "GOAL";
    case ObjectKind::Coin: return "COIN";
    case ObjectKind::Key: return "KEY";
    case ObjectKind::Woody: return "WOODY";
    case ObjectKind::Boxy: return "BOXY";
    case ObjectKind::Boulder: return "BOULDER";
    case ObjectKind::Player: return "PLAYER";
    }
    return "";
}

bool TGameObject::operator==(const TGameObject& other) const
{
    return X == other.X && Y == other.Y && Kind == other.Kind && Moving == other.Moving && Facing == other.Facing;
}

void TGameObject::Spawn()
{
    LevelObjects.Append(shared_from_this());
    OnSpawn();
}

void TGameObject::Remove()
{
    LevelObjects.Remove(this);
    OnRemove();
}

void TGameObject::Reset()
{
    X = 0.0f;
    Y = 0.0f;
    Kind = ObjectKind::Reset;
    Moving = 0;
    Facing = 0;
}

void TGameObject::StartStep(int direction)
{
    Facing = static_cast<uint16_t>(direction);
    Moving = 1;
}

void TGameObject::UpdateAll()
{
    for (const GameObject& member : LevelObjects)
        member->Update();
}

void TGameObject::DrawAll()
{
    for (const GameObject& member : LevelObjects)
        member->Draw();
}

void TGameObject::ClearAll()
{
    for (const GameObject& member : LevelObjects)
        member->Remove();
}

void TPushy::TryMove(const std::string& letter)
{
    if (Moving != 0)
        return;
    const int direction = DirectionOfLetter(letter);
    if (direction < 0)
        return;
    if (CanMove(direction, X, Y, 0) != 0)
        StartStep(direction);
}

void TPushy::AdvanceStep()
{
    if (Moving != 1)
        return;
    // Any other facing does nothing this frame.
    if (Facing > DirLeft)
        return;
    Offset(Facing, MoveSpeed, X, Y);
    // The arrival test looks only at the coordinate just changed, measured from the lattice
    // origin and truncated toward zero: 16 frames of 2 pixels land exactly on the next point.
    const bool vertical = Facing == DirUp || Facing == DirDown;
    const int travelled = vertical ? TruncToInt(Y - MapOffsetY) : TruncToInt(X - MapOffsetX);
    if (travelled % CellSize == 0)
        Moving = 0;
}
