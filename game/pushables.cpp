#include "game/pushables.h"

#include "framework/camera.h"
#include "game/world_assets.h"
#include "media/platform/display.h"

// A row of wooden blocks moves as a whole when the cell beyond the last one is free: the rule
// recurses along the row and sets the blocks moving from the far end back to the pusher.
int TWoody::Rule(int direction, float x, float y, int)
{
    float tx, ty;
    StepTarget(direction, x, y, tx, ty);
    return ScanCell(tx, ty, [&](TGameObject& member) {
        switch (member.Kind) {
        case ObjectKind::Floory:
            return true;
        case ObjectKind::Woody:
            if (TWoody::Rule(direction, tx, ty, 0) == 0)
                return false;
            member.StartStep(direction);
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

int TWoody::CanMove(int direction, float x, float y, int chained) const
{
    return Rule(direction, x, y, chained);
}

// Splinters and leaves the level.
void TWoody::Trigger(int)
{
    SpawnParticles(WoodSplinters, X + HalfCell, Y + HalfCell, -2.0f, 2.0f, -2.0f, 2.0f, 3, 40,
                   1.2f, 1);
    Remove();
}

void TWoody::OnSpawn()
{
    Kind = ObjectKind::Woody;
}

void TWoody::OnRemove() {}

void TWoody::Draw()
{
    DrawImageAtCamera(WoodyImage, X, Y, 0);
}

void TWoody::Update()
{
    AdvanceStep();
}

int TBoxy::Rule(int direction, float x, float y, int)
{
    float tx, ty;
    StepTarget(direction, x, y, tx, ty);
    return ScanCell(tx, ty, [](TGameObject& member) {
        switch (member.Kind) {
        case ObjectKind::Floory:
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

int TBoxy::CanMove(int direction, float x, float y, int chained) const
{
    return Rule(direction, x, y, chained);
}

void TBoxy::Trigger(int) {}

void TBoxy::OnSpawn()
{
    Kind = ObjectKind::Boxy;
}

void TBoxy::OnRemove() {}

void TBoxy::Draw()
{
    DrawImageAtCamera(BoxyImage, X, Y, 0);
}

void TBoxy::Update()
{
    AdvanceStep();
}

int TBoulder::Rule(int direction, float x, float y, int chained)
{
    float tx, ty;
    StepTarget(direction, x, y, tx, ty);
    return ScanCell(tx, ty, [&](TGameObject& member) {
        switch (member.Kind) {
        case ObjectKind::Floory:
            return true;
        case ObjectKind::Woody:
            // Smashed: the block leaves the level and does not stop the boulder.
            member.Trigger(0);
            return true;
        case ObjectKind::ButtyStatic:
        case ObjectKind::ButtyActive:
            member.Trigger(0);
            return true;
        case ObjectKind::Boulder:
            // Only a rolling boulder hands its motion on; a pushed one is refused.
            if (chained != 0)
                member.Trigger(direction);
            return false;
        default:
            return false;
        }
    });
}

int TBoulder::CanMove(int direction, float x, float y, int chained) const
{
    return Rule(direction, x, y, chained);
}

void TBoulder::Trigger(int param)
{
    const int direction = param >= DirUp && param <= DirDown ? param : DirLeft;
    TryMove(DirectionLetter(direction));
}

void TBoulder::OnSpawn()
{
    Kind = ObjectKind::Boulder;
    CenterImageHandle(BoulderImage);
}

void TBoulder::OnRemove() {}

void TBoulder::Draw()
{
    SetDrawRotation(static_cast<float>(Angle));
    DrawImageAtCamera(BoulderImage, X + HalfCell, Y + HalfCell, 0);
    SetDrawRotation(0);
}

// A boulder asks its rule from where it stands every frame and has no arrival test. Moving 2
// pixels a frame from a lattice point, it stands on a lattice point every 16 frames, and only
// then can its scan meet resting objects; so it always stops exactly on a lattice point.
void TBoulder::Update()
{
    if (Moving != 1)
        return;
    Angle += 3;
    if (Angle >= 360)
        Angle = 0;
    if (Rule(Facing, X, Y, Moving) == 0) {
        Moving = 0;
        return;
    }
    Offset(Facing, MoveSpeed, X, Y);
}
