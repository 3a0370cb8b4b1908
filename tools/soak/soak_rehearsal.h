// A level played at random by the game soak's script, rehearsed through the real rules while
// the script is written, so that the random keys never step into the goal: the finish screen
// would take the rest of the script astray. The game runs one frame of the level for each
// frame of the script, except while it is paused; an event of script frame N reaches the
// game's frame N + 1.
#pragma once

#include <string>

#include "game/headless_world.h"

class SoakRehearsal {
public:
    // The level of `levelPath`, loaded by an Enter in script frame `enterFrame`.
    SoakRehearsal(const std::string& levelPath, int enterFrame);
    ~SoakRehearsal();
    SoakRehearsal(const SoakRehearsal&) = delete;
    SoakRehearsal& operator=(const SoakRehearsal&) = delete;

    // An arrow down in script frame `downFrame` and held for up to `frames` frames: how many
    // of them it may be held for without the player stepping into the goal.
    int Hold(int direction, int downFrame, int frames);
    // The pause menu opened by an Escape in `escapeFrame` and closed `pausedFrames` frames
    // later, by Escape or Enter.
    void Pause(int escapeFrame, int pausedFrames);
    // Z or Backspace (`undo`), or else Y, hit in script frame `frame`: the game takes the
    // step back or makes it again before its update of the next frame.
    void StepKey(bool undo, int frame);
    // R hit in script frame `frame`: the level is loaded again in the next frame, whose update
    // is the level's first.
    void RestartKey(int frame);
    // "Restart level" chosen by an Enter in `enterFrame`, the pause menu open since
    // `escapeFrame`.
    void Restart(int escapeFrame, int enterFrame);

private:
    // The game's frames up to `frame` with nothing held.
    void RunUntil(int frame);
    bool WouldEnterTheGoal(int direction) const;

    std::string copy_;
    HeadlessWorld world_;
    int next_;  // the next game frame, in script frames, whose level frame is still to run
};
