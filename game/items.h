// Coins, keys and the goal. Coins and keys are collected by the player's rule; the goal lets
// the player in once every key is taken and then runs the finish sequence.
#pragma once

#include <cstdint>
#include <functional>

#include "game/game_object.h"

// The drawing rotation of every goal, in degrees. Every goal's update turns it, so two goals
// turn twice as fast. Lives for the whole run: never reset between levels.
extern float GoalAngle;

// The finish sequence, installed by the front end (the outcome screen, the record, the
// unlock, the player's reset and the state change). It runs inside the player's movement
// rule when the open goal is entered. Empty: entering the goal only counts as a step.
extern std::function<void()> FinishSequence;

class TCoin : public TGameObject {
public:
    float Scale = 1.0f;    // pulses between 0.85 and 1.15
    uint16_t Growing = 1;

    bool operator==(const TCoin&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};

class TKey : public TGameObject {
public:
    bool operator==(const TKey&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};

class TGoal : public TGameObject {
public:
    bool operator==(const TGoal&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};
