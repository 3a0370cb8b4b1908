// Wall and floor tiles: walls block every mover, floors are passed over.
#pragma once

#include "game/game_object.h"

class TWally : public TGameObject {
public:
    int Variant = 0;  // picture 0..2

    bool operator==(const TWally&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};

class TFloory : public TGameObject {
public:
    int Variant = 0;  // picture 0..2

    bool operator==(const TFloory&) const = default;
    void Trigger(int param) override;
    void OnSpawn() override;
    void OnRemove() override;
    void Draw() override;
    void Update() override;
};
