// The three blocks the player pushes. Each type has its own rule for what may stand in the
// cell in front of it; the rules run as the push is decided, so what they do to the objects
// they meet (presses, pushes, smashes) happens then, even if a later object blocks.
#pragma once

#include "game/game_object.h"

// Pushes a whole row of wooden blocks in front of it; smashed by a rolling boulder.
class TWoody : public TPushy {
public:
    static int Rule(int direction, float x, float y, int chained);

    int CanMove(int direction, float x, float y, int chained) const override;
    bool operator==(const TWoody&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};

// Moves only into a cell holding nothing but floor and buttons.
class TBoxy : public TPushy {
public:
    static int Rule(int direction, float x, float y, int chained);

    int CanMove(int direction, float x, float y, int chained) const override;
    bool operator==(const TBoxy&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};

// Rolls until something stops it, crushing wooden blocks; a rolling boulder (chained != 0)
// that runs into a resting one stops and sends that one rolling on.
class TBoulder : public TPushy {
public:
    int Angle = 0;  // drawing rotation, 0..357 in steps of 3

    static int Rule(int direction, float x, float y, int chained);

    int CanMove(int direction, float x, float y, int chained) const override;
    // Starts rolling in direction `param`.
    bool operator==(const TBoulder&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};
