// The steps of an attempt in play, for undo and redo: for each step, the world at the end of
// the frame before the one in which it was decided, and at the end of that frame.
//
// Whole snapshots of a full level would take megabytes a step, so the worlds are kept
// compactly: each object's values are kept once each (a coin pulses through the same few,
// a wall never changes) and every world names the ones it had; the move record and the
// steps' frames, whose first letters every world kept shares with the newest, are kept once;
// and so is the player's replay record, which play never changes. No particles are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/world_snapshot.h"

class UndoHistory {
public:
    // Forgets everything: the attempt has ended or begins again.
    void Clear();

    // Around each frame of play, paused frames aside. BeforeFrame notes the world as the
    // frame before left it while the player stands still, the only time a step can be
    // decided; AfterFrame keeps the step decided in the frame, if there was one, and forgets
    // the steps that could be redone. The step into the goal is not kept: the finish
    // sequence has run.
    void BeforeFrame();
    void AfterFrame();

    // Between frames: puts the world back as it stood before the last step done was decided
    // (Undo), or just after the last step undone was decided (Redo), with no particles.
    // False, changing nothing, when there is no such step.
    bool Undo();
    bool Redo();

    // Steps that Undo and Redo can take.
    int Undoable() const { return static_cast<int>(done_); }
    int Redoable() const { return static_cast<int>(worlds_.size() / 2 - done_); }

private:
    static constexpr uint32_t Absent = UINT32_MAX;

    struct KeptWorld {
        // For each object of the attempt, the index of its value among its values, or Absent
        // while it is out of the level.
        std::vector<uint32_t> values;
        // Everything else but the particles, with the record, the steps' frames and (when
        // shared) the replay record taken out.
        WorldSnapshot rest;
        std::size_t letters = 0;
        std::size_t frames = 0;
        bool sharesReplay = false;
    };

    void Keep(WorldSnapshot world);
    uint32_t IndexOfValue(std::size_t object, const ObjectValue& value);
    void PutBack(const KeptWorld& kept) const;

    // Every object of the attempt in list order, and the values each has had.
    std::vector<GameObject> objects_;
    std::vector<std::vector<ObjectValue>> values_;
    // Before and after each step: worlds 2k and 2k + 1 for step k + 1.
    std::vector<KeptWorld> worlds_;
    std::size_t done_ = 0;
    // The newest world's move record and steps' frames, and the player's replay record.
    std::string letters_;
    std::vector<int> frames_;
    std::string replayMoves_;
    std::vector<int> replayFrames_;
    // The world the frame under way began with, while a step may be decided in it.
    std::optional<WorldSnapshot> beforeFrame_;
    int movesBeforeFrame_ = 0;
};
