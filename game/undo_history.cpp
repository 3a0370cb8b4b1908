#include "game/undo_history.h"

#include <cassert>
#include <utility>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/player.h"

void UndoHistory::Clear()
{
    objects_.clear();
    values_.clear();
    worlds_.clear();
    done_ = 0;
    letters_.clear();
    frames_.clear();
    replayMoves_.clear();
    replayFrames_.clear();
    beforeFrame_.reset();
}

void UndoHistory::BeforeFrame()
{
    beforeFrame_.reset();
    if (GameState == StatePlay && Player->Moving == 0)
        beforeFrame_ = TakeWorldSnapshot();
    movesBeforeFrame_ = MoveCount;
}

void UndoHistory::AfterFrame()
{
    if (!beforeFrame_ || MoveCount <= movesBeforeFrame_ || GameState != StatePlay)
        return;
    worlds_.resize(2 * done_);
    Keep(std::move(*beforeFrame_));
    beforeFrame_.reset();
    Keep(TakeWorldSnapshot());
    ++done_;
}

bool UndoHistory::Undo()
{
    if (done_ == 0)
        return false;
    --done_;
    PutBack(worlds_[2 * done_]);
    return true;
}

bool UndoHistory::Redo()
{
    if (2 * done_ >= worlds_.size())
        return false;
    PutBack(worlds_[2 * done_ + 1]);
    ++done_;
    return true;
}

// Objects only leave LevelObjects during an attempt, never join it or change places, so
// every world's objects are found in order among the attempt's, which are those of the first
// world kept.
void UndoHistory::Keep(WorldSnapshot world)
{
    if (objects_.empty()) {
        for (const auto& [object, value] : world.objects) {
            objects_.push_back(object);
            values_.emplace_back();
        }
    }
    KeptWorld kept;
    kept.values.assign(objects_.size(), Absent);
    std::size_t next = 0;
    for (const auto& [object, value] : world.objects) {
        std::size_t at = next;
        while (at < objects_.size() && objects_[at] != object)
            ++at;
        assert(at < objects_.size() && "an object joined the level or moved in the list during an attempt");
        if (at == objects_.size())
            continue;
        kept.values[at] = IndexOfValue(at, value);
        next = at + 1;
    }
    // The record grows by the step kept after the world before it, so it begins with the
    // record of the last world still kept.
    [[maybe_unused]] const std::size_t shared = worlds_.empty() ? 0 : worlds_.back().letters;
    assert(world.replayString.size() >= shared && world.replayString.compare(0, shared, letters_, 0, shared) == 0 &&
           "the worlds of an attempt share their first steps");
    kept.letters = world.replayString.size();
    kept.frames = world.stepFrames.size();
    letters_ = std::move(world.replayString);
    frames_ = std::move(world.stepFrames);
    if (worlds_.empty()) {
        replayMoves_ = world.player.ReplayMoves;
        replayFrames_ = world.player.ReplayFrames;
    }
    kept.sharesReplay = world.player.ReplayMoves == replayMoves_ && world.player.ReplayFrames == replayFrames_;
    if (kept.sharesReplay) {
        world.player.ReplayMoves.clear();
        world.player.ReplayFrames.clear();
    }
    // Emptied with their memory, which clear() would keep.
    world.objects = decltype(world.objects)();
    world.particles = decltype(world.particles)();
    kept.rest = std::move(world);
    worlds_.push_back(std::move(kept));
}

// Searched from the newest value back: an object that has not changed is found at once.
uint32_t UndoHistory::IndexOfValue(std::size_t object, const ObjectValue& value)
{
    std::vector<ObjectValue>& values = values_[object];
    for (std::size_t i = values.size(); i-- > 0;) {
        if (values[i] == value)
            return static_cast<uint32_t>(i);
    }
    values.push_back(value);
    return static_cast<uint32_t>(values.size() - 1);
}

void UndoHistory::PutBack(const KeptWorld& kept) const
{
    WorldSnapshot world = kept.rest;
    world.objects.reserve(objects_.size());
    for (std::size_t object = 0; object < objects_.size(); ++object) {
        if (kept.values[object] != Absent)
            world.objects.emplace_back(objects_[object], values_[object][kept.values[object]]);
    }
    world.replayString = letters_.substr(0, kept.letters);
    world.stepFrames.assign(frames_.begin(), frames_.begin() + static_cast<std::ptrdiff_t>(kept.frames));
    if (kept.sharesReplay) {
        world.player.ReplayMoves = replayMoves_;
        world.player.ReplayFrames = replayFrames_;
    }
    RestoreWorldSnapshot(world);
    ClearEmitters(nullptr);
}
