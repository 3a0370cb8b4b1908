#include "game/par/model_key.h"

namespace {

// A mover in three bytes: half its x in 9 bits, half its y in 8, whether it moves, and where
// to. A mover standing still has no direction worth keeping.
constexpr int MoverBytes = 3;
constexpr uint32_t GoneMover = 0xffffff;
constexpr int TimerBits = 5;

uint32_t PackMover(const ModelMover& mover)
{
    if (!mover.alive)
        return GoneMover;
    const uint32_t facing = mover.moving != 0 ? mover.facing : 0;
    return static_cast<uint32_t>(mover.x / 2) | static_cast<uint32_t>(mover.y / 2) << 9 |
           static_cast<uint32_t>(mover.moving) << 17 | facing << 18;
}

ModelMover UnpackMover(uint32_t bits)
{
    ModelMover mover;
    if (bits == GoneMover)
        return mover;
    mover.alive = true;
    mover.x = static_cast<int16_t>((bits & 0x1ff) * 2);
    mover.y = static_cast<int16_t>(((bits >> 9) & 0xff) * 2);
    mover.moving = static_cast<uint8_t>((bits >> 17) & 1);
    mover.facing = static_cast<uint8_t>((bits >> 18) & 3);
    return mover;
}

class BitWriter {
public:
    explicit BitWriter(std::string& key) : key_(key) {}
    void Put(uint32_t value, int bits)
    {
        for (int i = 0; i < bits; ++i) {
            if (used_ == 0)
                key_ += '\0';
            key_.back() = static_cast<char>(key_.back() | (((value >> i) & 1) << used_));
            used_ = (used_ + 1) % 8;
        }
    }

private:
    std::string& key_;
    int used_ = 0;
};

class BitReader {
public:
    BitReader(std::string_view key, std::size_t at) : key_(key), at_(at) {}
    uint32_t Get(int bits)
    {
        uint32_t value = 0;
        for (int i = 0; i < bits; ++i) {
            const auto byte = static_cast<unsigned char>(key_[at_]);
            value |= static_cast<uint32_t>((byte >> used_) & 1) << i;
            if (++used_ == 8) {
                used_ = 0;
                ++at_;
            }
        }
        return value;
    }

private:
    std::string_view key_;
    std::size_t at_;
    int used_ = 0;
};

}  // namespace

ModelKeys::ModelKeys(const ModelLevel& level, const ModelState& start) : level_(level), start_(start)
{
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        const ModelKind kind = level.items[i].kind;
        if (kind == ModelKind::Wood || kind == ModelKind::Box || kind == ModelKind::Boulder)
            movers_.push_back(static_cast<int>(i));
    }
    std::string key;
    Encode(start, key);
    size_ = key.size();
}

void ModelKeys::Encode(const ModelState& state, std::string& key) const
{
    key.clear();
    auto putMover = [&](const ModelMover& mover) {
        const uint32_t bits = PackMover(mover);
        for (int byte = 0; byte < MoverBytes; ++byte)
            key += static_cast<char>((bits >> (8 * byte)) & 0xff);
    };
    putMover(state.player);
    for (const int i : movers_)
        putMover(state.items[i]);
    BitWriter bits(key);
    for (const int i : level_.coins)
        bits.Put(state.items[i].alive ? 1 : 0, 1);
    for (const int i : level_.keys)
        bits.Put(state.items[i].alive ? 1 : 0, 1);
    for (std::size_t i = 0; i < level_.activeButtons.size(); ++i) {
        const ModelState::Button& button = state.buttons[i];
        bits.Put(button.pressed, 1);
        bits.Put(button.timer, TimerBits);
    }
    for (const std::vector<int>& gates : level_.gatesOfColor) {
        for (const int gate : gates)
            bits.Put(static_cast<uint32_t>(state.gates[gate]), 2);
    }
}

ModelState ModelKeys::Decode(std::string_view key) const
{
    ModelState state = start_;
    std::size_t at = 0;
    auto getMover = [&]() {
        uint32_t bits = 0;
        for (int byte = 0; byte < MoverBytes; ++byte)
            bits |= static_cast<uint32_t>(static_cast<unsigned char>(key[at++])) << (8 * byte);
        return UnpackMover(bits);
    };
    state.player = getMover();
    for (const int i : movers_)
        state.items[i] = getMover();
    BitReader bits(key, at);
    state.coinsTaken = 0;
    for (const int i : level_.coins) {
        state.items[i].alive = bits.Get(1) != 0;
        state.coinsTaken += state.items[i].alive ? 0 : 1;
    }
    state.keysTaken = 0;
    for (const int i : level_.keys) {
        state.items[i].alive = bits.Get(1) != 0;
        state.keysTaken += state.items[i].alive ? 0 : 1;
    }
    for (std::size_t i = 0; i < level_.activeButtons.size(); ++i) {
        ModelState::Button& button = state.buttons[i];
        button.pressed = static_cast<uint8_t>(bits.Get(1));
        button.timer = static_cast<uint8_t>(bits.Get(TimerBits));
    }
    for (const std::vector<int>& gates : level_.gatesOfColor) {
        for (const int gate : gates)
            state.gates[gate] = static_cast<GateState>(bits.Get(2));
    }
    state.goalOpen = state.keysTaken >= level_.keysInLevel;
    state.moves = 0;
    return state;
}
