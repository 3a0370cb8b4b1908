// Every position a search has seen, each a key of the same length, numbered in the order they
// were first seen, with the fewest steps known to reach it and the move that did. Kept in a
// few flat arrays: a proof of par may see tens of millions of positions.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class PositionTable {
public:
    explicit PositionTable(std::size_t keySize);

    // The number of position `key`, added if it is new (with no steps and no parent); `isNew`
    // says which.
    uint32_t Find(std::string_view key, bool& isNew);

    long Count() const { return static_cast<long>(steps_.size()); }
    std::string_view Key(uint32_t id) const;
    int Steps(uint32_t id) const { return steps_[id]; }
    uint32_t Parent(uint32_t id) const { return parents_[id]; }
    uint8_t Move(uint32_t id) const { return moves_[id]; }
    // Reached in `steps` from `parent` by `move`.
    void Reach(uint32_t id, int steps, uint32_t parent, uint8_t move);

    static constexpr uint32_t NoParent = 0xffffffffu;

private:
    std::size_t Slot(std::string_view key) const;
    void Grow();

    std::size_t keySize_;
    std::vector<char> keys_;
    std::vector<int> steps_;
    std::vector<uint32_t> parents_;
    std::vector<uint8_t> moves_;
    // Open addressing: id + 1 in each used slot, 0 in a free one; never more than half full.
    std::vector<uint32_t> slots_;
};
