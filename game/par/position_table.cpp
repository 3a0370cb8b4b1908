#include "game/par/position_table.h"

namespace {

constexpr std::size_t FirstSlots = 1 << 16;

// FNV-1a, 64-bit: quick on short keys and well spread in its low bits once mixed.
uint64_t HashOf(std::string_view key)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char byte : key) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return hash ^ (hash >> 29);
}

}  // namespace

PositionTable::PositionTable(std::size_t keySize) : keySize_(keySize), slots_(FirstSlots, 0) {}

std::string_view PositionTable::Key(uint32_t id) const
{
    return std::string_view(keys_.data() + static_cast<std::size_t>(id) * keySize_, keySize_);
}

std::size_t PositionTable::Slot(std::string_view key) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = HashOf(key) & mask;
    while (slots_[slot] != 0 && Key(slots_[slot] - 1) != key)
        slot = (slot + 1) & mask;
    return slot;
}

uint32_t PositionTable::Find(std::string_view key, bool& isNew)
{
    const std::size_t slot = Slot(key);
    if (slots_[slot] != 0) {
        isNew = false;
        return slots_[slot] - 1;
    }
    isNew = true;
    const auto id = static_cast<uint32_t>(steps_.size());
    keys_.insert(keys_.end(), key.begin(), key.end());
    steps_.push_back(0);
    parents_.push_back(NoParent);
    moves_.push_back(0);
    slots_[slot] = id + 1;
    if (2 * steps_.size() > slots_.size())
        Grow();
    return id;
}

void PositionTable::Reach(uint32_t id, int steps, uint32_t parent, uint8_t move)
{
    steps_[id] = steps;
    parents_[id] = parent;
    moves_[id] = move;
}

void PositionTable::Grow()
{
    slots_.assign(slots_.size() * 2, 0);
    for (uint32_t id = 0; id < steps_.size(); ++id)
        slots_[Slot(Key(id))] = id + 1;
}
