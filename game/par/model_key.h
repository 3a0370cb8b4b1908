// A position of the model between two frames as a key of fixed length for its level, and
// back: what the search keeps of every position. It holds what the rules can still act on:
// where each mover stands and, while it moves, where to; which coins and keys still lie;
// the buttons' state and timers; the gates. The goal's open flag and the counters follow from
// the coins and keys taken; the steps made are the search's to count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/par/world_model.h"

class ModelKeys {
public:
    ModelKeys(const ModelLevel& level, const ModelState& start);

    std::size_t Size() const { return size_; }
    void Encode(const ModelState& state, std::string& key) const;
    // The position of `key`, with no steps made.
    ModelState Decode(std::string_view key) const;

private:
    const ModelLevel& level_;
    const ModelState start_;
    std::vector<int> movers_;  // indexes of the items that move: wood, boxes and boulders
    std::size_t size_ = 0;
};
