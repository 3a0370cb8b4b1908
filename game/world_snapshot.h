// The world's whole state as a value: every level object with all its fields, the counters
// and timers, the player's state, the goals' angle, the particles and the random numbers they
// draw. Taken at any moment between two frames and put back later, as often as wanted: what
// an undo, the solver and the tests share.
#pragma once

#include <functional>
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
    // The attempt: its frame, counters, the move record with each step's frame, and the blink.
    int worldFrame = 0;
    int moveCount = 0;
    std::string replayString;
    std::vector<int> stepFrames;
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

WorldSnapshot TakeWorldSnapshot();
// Only between frames, never inside a walk of LevelObjects (a frame, a rule, the finish
// sequence), which refilling the list would upset. Runs no object's OnSpawn or OnRemove.
void RestoreWorldSnapshot(const WorldSnapshot& snapshot);

// Runs `run` in a world of its own, LevelObjects empty at its start, then puts the world
// back as it stood, the very content of LevelObjects set aside and given back rather than
// rebuilt: so it may run inside a walk of the list, as the finish sequence does when it
// replays a record to check it. Objects `run` creates are gone afterwards.
void RunBesideTheWorld(const std::function<void()>& run);
