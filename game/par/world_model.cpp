#include "game/par/world_model.h"

#include "game/grid.h"
#include "game/par/level_cells.h"
#include "game/switches.h"

namespace {

constexpr int Stride = 2;  // pixels a frame, MoveSpeed
constexpr int FieldWidth = MapWidth * ModelCellPixels;
constexpr int FieldHeight = MapHeight * ModelCellPixels;

// What a scan meets, in the order of the level's object list: the ground tile, then the
// switch, then the items in list order, then the player.
enum class Met { Floor, Wall, Switch, Item, Player };

void Shift(int direction, int distance, int16_t& x, int16_t& y)
{
    switch (direction) {
    case DirUp: y = static_cast<int16_t>(y - distance); break;
    case DirRight: x = static_cast<int16_t>(x + distance); break;
    case DirDown: y = static_cast<int16_t>(y + distance); break;
    case DirLeft: x = static_cast<int16_t>(x - distance); break;
    default: break;
    }
}

// Something rests exactly on the active button's cell: anything but its floor and itself.
bool ButtonHeld(const ModelLevel& level, const ModelState& state, int at)
{
    const int cell = level.switches[at].cell;
    if (level.ground[cell] == ModelLevel::Ground::Wall)
        return true;
    const int x = cell / MapHeight * ModelCellPixels;
    const int y = cell % MapHeight * ModelCellPixels;
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        const ModelMover& item = state.items[i];
        if (item.alive && item.x == x && item.y == y)
            return true;
    }
    return state.player.alive && state.player.x == x && state.player.y == y;
}

// No item moves, no button counts down and every button that is down is held: in the frames
// to come, only the player can move.
bool OnlyThePlayerMoves(const ModelLevel& level, const ModelState& state)
{
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        if (state.items[i].alive && state.items[i].moving != 0)
            return false;
    }
    for (std::size_t i = 0; i < level.activeButtons.size(); ++i) {
        const ModelState::Button& button = state.buttons[i];
        if (button.timer > 0 || (button.pressed != 0 && !ButtonHeld(level, state, level.activeButtons[i])))
            return false;
    }
    return true;
}


class Rules {
public:
    Rules(const ModelLevel& level, ModelState& state) : level_(level), state_(state) {}

    void Frame(int direction)
    {
        if (state_.keysTaken >= level_.keysInLevel)
            state_.goalOpen = true;
        for (std::size_t i = 0; i < level_.activeButtons.size(); ++i)
            ReleaseCheck(i);
        for (std::size_t i = 0; i < level_.items.size(); ++i) {
            ModelMover& item = state_.items[i];
            if (!item.alive || item.moving != 1)
                continue;
            if (level_.items[i].kind == ModelKind::Boulder)
                Roll(item);
            else if (level_.items[i].kind != ModelKind::Key && level_.items[i].kind != ModelKind::Coin)
                Advance(item);
        }
        PlayerUpdate(direction);
    }

private:
    // The cell scan: `meet` is handed each object standing exactly on (x, y), in list order,
    // with the index of the switch or item, and returns false to block.
    template <class Meet>
    bool Scan(int x, int y, Meet meet)
    {
        if (x >= 0 && y >= 0 && x < FieldWidth && y < FieldHeight && x % ModelCellPixels == 0 &&
            y % ModelCellPixels == 0) {
            const int cell = CellOfPixels(x, y);
            const ModelLevel::Ground ground = level_.ground[cell];
            if (ground != ModelLevel::Ground::None &&
                !meet(ground == ModelLevel::Ground::Wall ? Met::Wall : Met::Floor, -1))
                return false;
            const int at = level_.switchAt[cell];
            if (at >= 0 && SwitchStands(at) && !meet(Met::Switch, at))
                return false;
        }
        for (std::size_t i = 0; i < level_.items.size(); ++i) {
            const ModelMover& item = state_.items[i];
            if (item.alive && item.x == x && item.y == y && !meet(Met::Item, static_cast<int>(i)))
                return false;
        }
        const ModelMover& player = state_.player;
        if (player.alive && player.x == x && player.y == y && !meet(Met::Player, -1))
            return false;
        return true;
    }

    // A gate that is parked or removed stands nowhere on the field.
    bool SwitchStands(int at) const
    {
        return level_.switches[at].kind != SwitchKind::Gate || state_.gates[at] == GateState::Closed;
    }

    static void Target(int direction, int x, int y, int16_t& tx, int16_t& ty)
    {
        tx = static_cast<int16_t>(x);
        ty = static_cast<int16_t>(y);
        Shift(direction, ModelCellPixels, tx, ty);
    }

    static void StartStep(ModelMover& mover, int direction)
    {
        mover.facing = static_cast<uint8_t>(direction);
        mover.moving = 1;
    }

    // A button passed by a mover is pressed; only the kinds of button pass.
    bool PressedOn(int at)
    {
        const ModelLevel::Switch& found = level_.switches[at];
        if (found.kind == SwitchKind::Static) {
            for (const int gate : level_.gatesOfColor[found.color])
                state_.gates[gate] = GateState::Removed;
            return true;
        }
        if (found.kind != SwitchKind::Active)
            return false;
        ModelState::Button& button = state_.buttons[ButtonIndex(at)];
        if (button.pressed != 0)
            return true;
        button.pressed = 1;
        button.timer = TButty_Active::HoldFrames;
        // A gate already parked by another button of its colour stays where it is.
        for (const int gate : level_.gatesOfColor[found.color]) {
            if (state_.gates[gate] == GateState::Closed)
                state_.gates[gate] = GateState::Parked;
        }
        return true;
    }

    std::size_t ButtonIndex(int at) const
    {
        std::size_t index = 0;
        while (level_.activeButtons[index] != at)
            ++index;
        return index;
    }

    void ReleaseCheck(std::size_t index)
    {
        ModelState::Button& button = state_.buttons[index];
        if (button.timer > 0)
            --button.timer;
        const int at = level_.activeButtons[index];
        if (button.pressed != 1 || button.timer != 0 || ButtonHeld(level_, state_, at))
            return;
        button.pressed = 0;
        for (const int gate : level_.gatesOfColor[level_.switches[at].color]) {
            if (state_.gates[gate] != GateState::Removed)
                state_.gates[gate] = GateState::Closed;
        }
    }

    // The shared one-cell step; it arrives when the coordinate just changed is on the lattice.
    static void Advance(ModelMover& mover)
    {
        Shift(mover.facing, Stride, mover.x, mover.y);
        const bool vertical = mover.facing == DirUp || mover.facing == DirDown;
        if ((vertical ? mover.y : mover.x) % ModelCellPixels == 0)
            mover.moving = 0;
    }

    void Roll(ModelMover& boulder)
    {
        if (!BoulderRule(boulder.facing, boulder.x, boulder.y, true)) {
            boulder.moving = 0;
            return;
        }
        Shift(boulder.facing, Stride, boulder.x, boulder.y);
    }

    bool WoodRule(int direction, int x, int y)
    {
        int16_t tx, ty;
        Target(direction, x, y, tx, ty);
        return Scan(tx, ty, [&](Met met, int index) {
            switch (met) {
            case Met::Floor: return true;
            case Met::Switch: return PressedOn(index);
            case Met::Item:
                if (level_.items[index].kind != ModelKind::Wood || !WoodRule(direction, tx, ty))
                    return false;
                StartStep(state_.items[index], direction);
                return true;
            default: return false;
            }
        });
    }

    bool BoxRule(int direction, int x, int y)
    {
        int16_t tx, ty;
        Target(direction, x, y, tx, ty);
        return Scan(tx, ty, [&](Met met, int index) {
            return met == Met::Floor || (met == Met::Switch && PressedOn(index));
        });
    }

    bool BoulderRule(int direction, int x, int y, bool chained)
    {
        int16_t tx, ty;
        Target(direction, x, y, tx, ty);
        return Scan(tx, ty, [&](Met met, int index) {
            switch (met) {
            case Met::Floor: return true;
            case Met::Switch: return PressedOn(index);
            case Met::Item: {
                ModelMover& item = state_.items[index];
                if (level_.items[index].kind == ModelKind::Wood) {
                    item.alive = false;
                    return true;
                }
                // Only a rolling boulder hands its motion on, to a boulder standing still.
                if (level_.items[index].kind == ModelKind::Boulder && chained && item.moving == 0 &&
                    BoulderRule(direction, item.x, item.y, false))
                    StartStep(item, direction);
                return false;
            }
            default: return false;
            }
        });
    }

    bool PlayerRule(int direction)
    {
        const ModelMover& player = state_.player;
        int16_t tx, ty;
        Target(direction, player.x, player.y, tx, ty);
        return Scan(tx, ty, [&](Met met, int index) {
            switch (met) {
            case Met::Floor: return true;
            case Met::Switch:
                if (level_.switches[index].kind == SwitchKind::Goal)
                    return EnterGoal();
                return PressedOn(index);
            case Met::Item: return PlayerMeetsItem(index, direction, tx, ty);
            default: return false;
            }
        });
    }

    bool PlayerMeetsItem(int index, int direction, int tx, int ty)
    {
        ModelMover& item = state_.items[index];
        switch (level_.items[index].kind) {
        case ModelKind::Wood:
        case ModelKind::Box:
        case ModelKind::Boulder: {
            const ModelKind kind = level_.items[index].kind;
            const bool free = kind == ModelKind::Wood  ? WoodRule(direction, tx, ty)
                              : kind == ModelKind::Box ? BoxRule(direction, tx, ty)
                                                       : BoulderRule(direction, tx, ty, false);
            if (free) {
                // Pushing a boulder that already rolls that way changes nothing.
                if (item.moving == 0 || item.facing != direction)
                    ++state_.pushes;
                StartStep(item, direction);
            }
            return free;
        }
        case ModelKind::Key:
            item.alive = false;
            ++state_.keysTaken;
            return true;
        case ModelKind::Coin:
            item.alive = false;
            ++state_.coinsTaken;
            return true;
        }
        return false;
    }

    // The finish sequence notes the coins, then the player is reset off the field.
    bool EnterGoal()
    {
        if (!state_.goalOpen)
            return false;
        state_.goalOpen = false;
        state_.finished = true;
        state_.coinsAtFinish = state_.coinsTaken;
        state_.movesAtFinish = state_.moves;
        state_.player = ModelMover();
        state_.player.alive = false;
        state_.coinsTaken = 0;
        state_.keysTaken = 0;
        return true;
    }

    void PlayerUpdate(int direction)
    {
        ModelMover& player = state_.player;
        if (state_.finished || player.moving != 0 || direction < DirUp || direction > DirLeft || !PlayerRule(direction)) {
            if (player.moving == 1)
                Advance(player);
            return;
        }
        // The step into the goal is counted, though the player has left the field.
        ++state_.moves;
        if (player.alive) {
            StartStep(player, direction);
            Advance(player);
        }
    }

    const ModelLevel& level_;
    ModelState& state_;
};

}  // namespace

void RunModelFrame(const ModelLevel& level, ModelState& state, int direction)
{
    Rules(level, state).Frame(direction);
}

bool ModelAtRest(const ModelLevel& level, const ModelState& state)
{
    return state.player.moving == 0 && OnlyThePlayerMoves(level, state);
}

void RunModelUntilPlayerStill(const ModelLevel& level, ModelState& state)
{
    ModelMover& player = state.player;
    while (player.moving != 0) {
        if (!OnlyThePlayerMoves(level, state)) {
            RunModelFrame(level, state, -1);
            continue;
        }
        if (state.keysTaken >= level.keysInLevel)
            state.goalOpen = true;
        const bool vertical = player.facing == DirUp || player.facing == DirDown;
        const int along = (vertical ? player.y : player.x) % ModelCellPixels;
        const bool forward = player.facing == DirRight || player.facing == DirDown;
        Shift(player.facing, forward ? ModelCellPixels - along : along, player.x, player.y);
        player.moving = 0;
    }
}
