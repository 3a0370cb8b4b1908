#include "game/switches.h"

#include "framework/camera.h"
#include "game/world_assets.h"

float GateParkX = 0.0f;
float GateParkY = 0.0f;

namespace {

// Gates move at once, so objects updated later in the same frame already see them moved.
void SignalGates(int code)
{
    for (const GameObject& member : LevelObjects) {
        if (member->Kind == ObjectKind::ColorGate)
            member->Trigger(code);
    }
}

}  // namespace

void TColorGate::Trigger(int code)
{
    if (code == ColorIndex + GateVanishCode) {
        Remove();
    } else if (code == ColorIndex + GateOpenCode) {
        // A second open while parked (two active buttons of one colour) must not make the
        // parking position the place the gate closes back to.
        if (Parked())
            return;
        SavedX = X;
        SavedY = Y;
        X = GateParkX;
        Y = GateParkY;
    } else if (code == ColorIndex + GateCloseCode) {
        X = SavedX;
        Y = SavedY;
    }
}

void TColorGate::OnSpawn()
{
    Kind = ObjectKind::ColorGate;
    GateParkX = -1000.0f;
    GateParkY = -1000.0f;
}

void TColorGate::OnRemove() {}

void TColorGate::Draw()
{
    DrawImageAtCamera(GateImages[static_cast<std::size_t>(ColorIndex)], X, Y, 0);
}

void TColorGate::Update() {}

void TButty_Active::Trigger(int)
{
    if (Pressed != 0)
        return;
    StartEffect(SndButton);
    Pressed = 1;
    HoldTimer = HoldFrames;
    SignalGates(ColorIndex + GateOpenCode);
}

void TButty_Active::OnSpawn()
{
    Pressed = 0;
    Kind = ObjectKind::ButtyActive;
    HoldTimer = 0;
}

void TButty_Active::OnRemove() {}

void TButty_Active::Draw()
{
    DrawImageAtCamera(ActiveButtonImages[static_cast<std::size_t>(ColorIndex)], X, Y, Pressed);
}

// The release check. The countdown comes first, so the first check runs in the 30th update
// after the press.
void TButty_Active::Update()
{
    if (HoldTimer > 0)
        --HoldTimer;
    if (Pressed != 1 || HoldTimer != 0 || Held())
        return;
    Pressed = 0;
    SignalGates(ColorIndex + GateCloseCode);
}

bool TButty_Active::Held() const
{
    for (const GameObject& member : LevelObjects) {
        if (member->Kind == ObjectKind::Floory || member->Kind == ObjectKind::ButtyActive)
            continue;
        if (member->X == X && member->Y == Y)
            return true;
    }
    return false;
}

void TButty_Static::Trigger(int)
{
    if (Pressed != 0)
        return;
    StartEffect(SndButton);
    // The matching gates remove themselves during this walk.
    SignalGates(ColorIndex + GateVanishCode);
    Pressed = 1;
}

void TButty_Static::OnSpawn()
{
    Pressed = 0;
    Kind = ObjectKind::ButtyStatic;
}

void TButty_Static::OnRemove() {}

void TButty_Static::Draw()
{
    DrawImageAtCamera(StaticButtonImages[static_cast<std::size_t>(ColorIndex)], X, Y, Pressed);
}

void TButty_Static::Update() {}
