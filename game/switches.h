// Buttons and the colour gates they work. A button is pressed by anything that starts a step
// onto its cell; the colour index ties it to the gates of its colour.
#pragma once

#include <cstdint>

#include "game/game_object.h"

// Where an open gate waits, far off the lattice, so that no scan finds it.
extern float GateParkX;
extern float GateParkY;

// The codes a gate of colour c understands: c vanish, c + 10 open, c + 20 close.
constexpr int GateVanishCode = 0;
constexpr int GateOpenCode = 10;
constexpr int GateCloseCode = 20;

class TColorGate : public TGameObject {
public:
    int ColorIndex = 0;
    float SavedX = 0.0f;  // the gate's own cell while it is parked
    float SavedY = 0.0f;

    bool operator==(const TColorGate&) const = default;
    void Trigger(int code) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;

    bool Parked() const { return X == GateParkX && Y == GateParkY; }
};

// Opens the gates of its colour for at least HoldFrames frames and for as long as something
// rests on it.
class TButty_Active : public TGameObject {
public:
    static constexpr uint16_t HoldFrames = 30;

    int ColorIndex = 0;
    uint16_t Pressed = 0;    // also the picture frame
    uint16_t HoldTimer = 0;  // frames left before a release may happen

    bool operator==(const TButty_Active&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;

    // Something rests exactly on the button's cell, which holds it down once HoldTimer has
    // run out: neither a floor nor another active button, nor an object in mid-step over it.
    bool Held() const;
};

// Removes the gates of its colour for the rest of the level.
class TButty_Static : public TGameObject {
public:
    int ColorIndex = 0;
    uint16_t Pressed = 0;  // also the picture frame

    bool operator==(const TButty_Static&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};
