// The world's whole state as a value: every level object with all its fields, the counters
// and timers, the player's state, the goals' angle, the particles and the random numbers they
// draw. Taken at any moment between two frames and put back later, as often as wanted: what
// an undo, the solver and the tests share.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "framework/particles.h"
#include "game/items.h"
#include "game/player.h"
#include "game/pushables.h"
#include "game/switches.h"
#include "game/tiles.h"

// A copy of one level object, of its own kind with every field; the player is kept apart, in
// WorldSnapshot::player, and stands here as the empty alternative.
using ObjectValue = std::variant<std::monostate, TWally, TFloory, TColorGate, TButty_Active,
                                 TButty_Static, TGoal, TCoin, TKey, TWoody, TBoxy, TBoulder>;

struct WorldSnapshot {
    // LevelObjects in list order: each object itself, so that putting it back restores the
    // objects that were there (removed ones too, which the snapshot keeps alive) and no
    // other, and what it held then.
    std::vector<std::pair<GameObject, ObjectValue>> objects;
    // The one player of the run, with its fields (the replay record among them).
    TPlayer player;
    // The level's own figures from the file.
    std::string levelTitle;
    int keysInLevel = 0;
    int coinsInLevel = 0;
    // The attempt: counters, the move record and the blink.
    int moveCount = 0;
    std::string replayString;
    int keysTaken = 0;
    int coinsTaken = 0;
    int goalOpen = 0;
    int playerFrame = 0;
    int idleCounter = 0;
    int blinkDelay = 0;
    // Shared by every object of a kind.
    float goalAngle = 0.0f;
    float gateParkX = 0.0f;
    float gateParkY = 0.0f;
    // Whether the arrow keys steer: the finish sequence leaves the level by setting it.
    int gameState = 0;
    // The live particles of each emitter, and the random state the next burst draws from.
    std::vector<std::pair<Emitter, std::vector<TWisp_Particle>>> particles;
    int randomState = 0;
};

// Neither may run inside a walk of LevelObjects (a frame, a rule, the finish sequence): only
// between frames. Putting a snapshot back runs no object's OnSpawn or OnRemove.
WorldSnapshot TakeWorldSnapshot();
void RestoreWorldSnapshot(const WorldSnapshot& snapshot);
