// Everything that stands in a level is a TGameObject held in LevelObjects. There is no grid
// array: what stands on a cell is found by walking the list and comparing positions exactly,
// and the order of the list (creation order) is the order in which objects are met, updated
// and drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/grid.h"
#include "media/core/list.h"

// The kind tags. An object that was never spawned has KindNone (""), one that was Reset has
// KindReset ("0").
enum class ObjectKind : uint8_t {
    None,
    Reset,
    Wally,
    Floory,
    ColorGate,
    ButtyActive,
    ButtyStatic,
    Goal,
    Coin,
    Key,
    Woody,
    Boxy,
    Boulder,
    Player,
};

// "WALLY", "FLOORY", "COLORGATE", "BUTTYA", "BUTTYS", "GOAL", "COIN", "KEY", "WOODY", "BOXY",
// "BOULDER", "PLAYER", "0" or "".
const char* KindTag(ObjectKind kind);

class TGameObject : public std::enable_shared_from_this<TGameObject> {
public:
    float X = 0.0f;
    float Y = 0.0f;
    ObjectKind Kind = ObjectKind::None;
    uint16_t Moving = 0;
    uint16_t Facing = 0;

    virtual ~TGameObject() = default;

    // Field by field, to tell whether an object has changed. Every kind compares the fields
    // it adds the same way, with a defaulted operator==, so that a new field is compared too.
    bool operator==(const TGameObject& other) const;

    // Appends the object to LevelObjects, then runs OnSpawn.
    void Spawn();
    // Takes the first entry that is this object out of LevelObjects (if any), then runs OnRemove.
    void Remove();
    void Reset();
    // Facing = direction, Moving = 1: the object steps (or rolls) from its next update on.
    void StartStep(int direction);

    // The list-wide walks, first to last.
    static void UpdateAll();
    static void DrawAll();
    static void ClearAll();

    virtual void Trigger(int param) = 0;
    virtual void OnSpawn() = 0;
    virtual void OnRemove() = 0;
    virtual void Draw() = 0;
    virtual void Update() = 0;
};

using GameObject = std::shared_ptr<TGameObject>;

// Every live object of the current level, in creation order. Emptied by ClearAll when a
// level is left or restarted, and (without hooks) by the loader.
extern List<TGameObject> LevelObjects;

// The cell scan of every movement rule: meets the objects standing exactly on (tx, ty) in
// list order and hands each to `meet`, which returns false when the object blocks. A block
// ends the scan at once with 0; whatever was done to the objects met before stays done.
// Reaching the end of the list gives 1, the cell is free.
template <class Meet>
int ScanCell(float tx, float ty, Meet meet)
{
    for (const GameObject& member : LevelObjects) {
        if (member->X != tx || member->Y != ty)
            continue;
        if (!meet(*member))
            return 0;
    }
    return 1;
}

// Something that can be pushed or walks: wooden blocks, boxes, boulders and the player.
class TPushy : public TGameObject {
public:
    // The movement rule of this object's type, asked for a step from (x, y) in direction d.
    virtual int CanMove(int direction, float x, float y, int chained) const = 0;
    // Starts a step in the direction named by "W", "D", "S" or "A" if the type's rule allows it.
    virtual void TryMove(const std::string& letter);

protected:
    // One frame of the shared one-cell step, while Moving = 1.
    void AdvanceStep();
};
