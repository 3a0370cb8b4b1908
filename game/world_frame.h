// The rules' share of a game frame, without drawing, pause menu or sound output: what the
// headless world (game/headless_world.h) runs frame by frame, and when more frames without a
// key would change nothing.
#pragma once

// The frames of the current attempt the world has been updated in, paused ones not counted:
// 0 once the level is loaded, 1 in the first frame's update. Kept by a snapshot, so that an
// undo takes it back with the rest, and a run as it stands counts only what stayed done.
extern int WorldFrame;

// Counts the frame, opens the goal while every key is taken, updates every object in list
// order, then the particles.
void UpdateWorld();

// How much must have come to rest.
enum class Rest {
    // No object moves: no step, push or roll is under way. Where the simulator stops once
    // its input is used up.
    NothingMoves,
    // Nothing moves, and no active button counts down its hold or is down with nothing on
    // it: nothing changes until a key is held (particles aside). Where a patient player
    // presses the next key, and the solver with it.
    NothingPending,
};

// Whether the current level has come to rest as far as `rest` asks, between two frames.
bool WorldAtRest(Rest rest);
