// The null back end: the real rules run without a display or sound, for the simulator, the
// soaks, the solver, the fuzz targets, the benchmarks and the tests. A HeadlessWorld takes
// over the game's hooks for as long as it lives and gives them back when it ends.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/grid.h"
#include "game/undo_history.h"
#include "game/world_frame.h"
#include "media/platform/sound.h"

// The arrow keys held in a frame of play, one bit for each direction code: bit 0 Up, bit 1
// Right, bit 2 Down, bit 3 Left. Other bits mean nothing.
using HeldArrows = unsigned;
constexpr HeldArrows NoArrows = 0;

// The bit of a direction code; no bit for a code outside 0..3.
constexpr HeldArrows ArrowOf(int direction)
{
    return direction >= DirUp && direction <= DirLeft ? 1u << direction : NoArrows;
}

// What the finish sequence saw when the open goal was entered, before the step into it was
// counted: the frame of the run, MoveCount, ReplayString, KeysTaken, CoinsTaken and
// StepFrames, the frames a record's replay takes its steps in.
struct FinishMoment {
    int frame = 0;
    int moves = 0;
    std::string record;
    int keysTaken = 0;
    int coinsTaken = 0;
    std::vector<int> stepFrames;
};

// While it lives, only one at a time:
// - sounds start silently, or are handed to the listener given;
// - the player reads the arrow keys held in the current play frame;
// - the emitters have empty picture slots instead of pictures, unless they were loaded;
// - entering the open goal records the finish moment and leaves the level as the front end's
//   finish sequence does, without a screen: GameState becomes StateLeaveLevel and the player
//   is reset.
// When it ends, the level is left (LeaveLevel) and the hooks, the picture-less emitters,
// GameState and the player's replay record are put back as they were.
//
// With KeepUndoHistory, the frames of play keep their steps for Undo and Redo, as the game
// does in play.
class HeadlessWorld {
public:
    explicit HeadlessWorld(void (*soundListener)(const Sound& sound) = nullptr);
    ~HeadlessWorld();
    HeadlessWorld(const HeadlessWorld&) = delete;
    HeadlessWorld& operator=(const HeadlessWorld&) = delete;

    // Loads a level file as the game starts one, the player reset first, and counts the
    // frames and the finish from there. GameState is the caller's: StatePlay lets the arrows
    // steer, StateReplay leaves the player to the letters. A file that cannot be loaded is
    // the loader's fatal error.
    void Load(const std::string& path);
    // Clears the level as the game does when it is restarted or left: the player reset, the
    // particles and then every object removed, each with its OnRemove.
    void LeaveLevel();
    // Leaves the level and loads it again, as "Restart level" does; the frames run go on
    // counting. Nothing to undo or redo afterwards.
    void Restart();

    // Whether, from now on, each frame of play keeps the step decided in it.
    void KeepUndoHistory(bool keep) { keepHistory_ = keep; }
    // Between frames, as the undo and redo keys do: false when there is no step to take back
    // or to make again.
    bool Undo() { return history_.Undo(); }
    bool Redo() { return history_.Redo(); }

    // One frame of play: the world's update (UpdateWorld) with `held` held.
    void PlayFrame(HeldArrows held);
    // One frame of a replay: `letter` ("W", "D", "S", "A") handed to the player, which takes
    // it only while it stands still, then the world's update with no arrow held.
    void ReplayFrame(const std::string& letter);

    // Frames run since the last Load; the one running while the goal is entered included.
    int Frame() const { return frame_; }
    // The goal entered since the last Load, if it was.
    const std::optional<FinishMoment>& Finish() const { return finish_; }

private:
    static int KeyHeldInFrame(int keyCode);

    HeldArrows held_ = NoArrows;
    int frame_ = 0;
    std::optional<FinishMoment> finish_;
    std::string path_;
    bool keepHistory_ = false;
    UndoHistory history_;

    // What the run took over, given back at its end.
    void (*startEffect_)(const Sound& sound);
    int (*playerKeyIsHeld_)(int keyCode);
    std::function<void()> finishSequence_;
    bool madeEmitters_;
    int gameState_;
    std::string replayMoves_;
    std::vector<int> replayFrames_;
};
