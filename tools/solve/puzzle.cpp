#include "tools/solve/puzzle.h"

#include <cassert>

#include "game/level_format.h"

namespace {

// A step of the player or a pushed block takes one stride; a rolling boulder scans the cell
// ahead once a stride, each time it stands on a lattice point.
constexpr int StrideFrames = static_cast<int>(CellSize / MoveSpeed);

// One step played out in strides ("ticks") of 16 frames. Tick 0 holds the player's scan and
// the push it decides; tick j holds a rolling boulder's scan from the lattice point it
// reached after j strides. Between the scans of one tick and the next, buttons may be
// released: that is where a block pushed off a button, or the player stepping off one,
// lets it come up.
class StepRun {
public:
    StepRun(const Puzzle& puzzle, PuzzleState& state, StepEvents& events, int direction)
        : puzzle_(puzzle), state_(state), events_(events), direction_(direction), from_(state.player)
    {
    }

    StepOutcome Run()
    {
        const StepOutcome scanned = PlayerScan();
        if (scanned != StepOutcome::Moved)
            return scanned;
        // Pushed blocks were decided far end first; moved in that order they never overlap.
        for (const int cell : pushed_) {
            state_.items[Next(cell)] = state_.items[cell];
            state_.items[cell] = 0;
        }
        state_.player = to_;
        int lastTick = 0;
        if (rolling_ >= 0)
            lastTick = Roll();
        EndOfTick(lastTick);
        EndOfTick(lastTick + 1);
        return sensitive_ ? StepOutcome::TimingSensitive : StepOutcome::Moved;
    }

private:
    int Next(int cell) const
    {
        const int next = NeighbourCell(cell, direction_);
        // Levels the model takes are framed, so nothing ever reaches the edge of the field.
        assert(next >= 0 && "a puzzle is framed by walls");
        return next;
    }

    bool Down(int color) const { return (state_.activeDown >> color) & 1; }

    void Press(const SwitchPart& button, int tick)
    {
        if (button.kind == SwitchKind::Static) {
            state_.removedColors |= static_cast<uint8_t>(1 << button.color);
            Switched(button.color, tick * StrideFrames);
        } else if (!Down(button.color)) {
            // A press while down does nothing: the hold time is not restarted.
            state_.activeDown |= static_cast<uint8_t>(1 << button.color);
            pressTick_[button.color] = tick;
            // Opened by a roll, the gates stand open for two strides at most.
            Switched(button.color, (tick + 2) * StrideFrames);
        }
    }

    // The gates of a colour, and its active button, changed in the frame given.
    void Switched(int color, int frame)
    {
        std::vector<int> cells = puzzle_.gateCells[color];
        if (puzzle_.activeButton[color] >= 0)
            cells.push_back(puzzle_.activeButton[color]);
        for (const int cell : cells) {
            if (rolling_ >= 0)
                events_.roll.push_back({cell, frame, false});
            else
                events_.touched.push_back(cell);
        }
    }

    // A gate blocks while it stands on its cell: neither removed nor opened by its button.
    bool GateBlocks(int color)
    {
        if ((state_.removedColors >> color) & 1)
            return false;
        const int button = puzzle_.activeButton[color];
        // Whether the button under the player's old or new cell is still down when a boulder
        // comes by depends on the frame the player moves on: a gate of its colour on the path
        // of a roll makes the step timing-sensitive.
        if (rolling_ >= 0 && (button == from_ || button == to_))
            sensitive_ = true;
        return !Down(color);
    }

    // The switch layer of a target cell, met after the ground and before the item: buttons
    // are pressed and passed, a standing gate blocks, the goal blocks every block.
    bool PassSwitch(int cell, int tick)
    {
        const SwitchPart found = SwitchOf(puzzle_.switches[cell]);
        switch (found.kind) {
        case SwitchKind::Goal:
            return false;
        case SwitchKind::Static:
        case SwitchKind::Active:
            Press(found, tick);
            return true;
        case SwitchKind::Gate:
            return !GateBlocks(found.color);
        default:
            return true;
        }
    }

    StepOutcome PlayerScan()
    {
        to_ = Next(from_);
        events_.touched.push_back(to_);
        if (IsWallCode(puzzle_.ground[to_]))
            return StepOutcome::Blocked;
        const SwitchPart found = SwitchOf(puzzle_.switches[to_]);
        if (found.kind == SwitchKind::Goal)
            return state_.keysLeft <= 0 ? StepOutcome::Finished : StepOutcome::Blocked;
        if (!PassSwitch(to_, 0))
            return StepOutcome::Blocked;
        uint8_t& item = state_.items[to_];
        switch (item) {
        case ItemWoody:
        case ItemBoxy:
            if (!(item == ItemWoody ? WoodRule(to_) : BoxRule(to_)))
                return StepOutcome::Blocked;
            pushed_.push_back(to_);
            break;
        case ItemBoulder: {
            int struck = -1;
            if (!BoulderRule(to_, false, 0, struck))
                return StepOutcome::Blocked;
            rolling_ = to_;
            events_.rollDirection = direction_;
            break;
        }
        case ItemKey:
            item = 0;
            --state_.keysLeft;
            break;
        case ItemCoin:
            item = 0;
            --state_.coinsLeft;
            break;
        default:
            break;
        }
        return StepOutcome::Moved;
    }

    // A row of wooden blocks moves when the cell beyond its last block is free.
    bool WoodRule(int from)
    {
        const int to = Next(from);
        events_.touched.push_back(to);
        if (IsWallCode(puzzle_.ground[to]) || !PassSwitch(to, 0))
            return false;
        if (state_.items[to] == ItemWoody) {
            if (!WoodRule(to))
                return false;
            pushed_.push_back(to);
            return true;
        }
        return state_.items[to] == 0;
    }

    bool BoxRule(int from)
    {
        const int to = Next(from);
        events_.touched.push_back(to);
        return !IsWallCode(puzzle_.ground[to]) && PassSwitch(to, 0) && state_.items[to] == 0;
    }

    // The boulder rule from `from`: wooden blocks ahead are smashed; a resting boulder ahead
    // stops a rolling one (`chained`), which names it in `struck` to hand its motion on.
    bool BoulderRule(int from, bool chained, int tick, int& struck)
    {
        const int to = Next(from);
        const bool passes = PassesBoulder(to, chained, tick, struck);
        if (rolling_ >= 0) {
            events_.roll.push_back({from, tick * StrideFrames, passes});
            events_.roll.push_back({to, tick * StrideFrames, false});
        } else {
            events_.touched.push_back(to);
        }
        return passes;
    }

    bool PassesBoulder(int to, bool chained, int tick, int& struck)
    {
        if (IsWallCode(puzzle_.ground[to]) || !PassSwitch(to, tick))
            return false;
        uint8_t& item = state_.items[to];
        if (item == ItemWoody)
            item = 0;
        if (item == ItemBoulder && chained)
            struck = to;
        return item == 0;
    }

    // The pushed boulder rolls a stride per tick; stopped by a resting boulder, it starts that
    // one in the same tick if its way is free. Returns the tick the last boulder stopped in.
    int Roll()
    {
        int cell = rolling_;
        int tick = 0;
        state_.items[cell] = 0;
        while (true) {
            rolling_ = cell;
            int struck = -1;
            if (BoulderRule(cell, true, tick, struck)) {
                EndOfTick(tick);
                cell = Next(cell);
                ++tick;
                continue;
            }
            state_.items[cell] = ItemBoulder;
            int unused = -1;
            if (struck < 0 || !BoulderRule(struck, false, tick, unused))
                return tick;
            cell = struck;
            state_.items[cell] = 0;
        }
    }

    // What rests on a cell in the frames between this tick's scans and the next: the player
    // is on its way during tick 0 and stands on its new cell after it; pushed blocks are on
    // their way during tick 0.
    bool Resting(int cell, int tick) const
    {
        if (tick == 0) {
            for (const int origin : pushed_) {
                if (Next(origin) == cell)
                    return false;
            }
        } else if (cell == to_) {
            return true;
        }
        return state_.items[cell] != 0;
    }

    // A button comes up once its 30 frames have passed (a press in tick j runs out during
    // tick j + 1) and nothing rests on it.
    void EndOfTick(int tick)
    {
        for (int color = 0; color < 3; ++color) {
            const int button = puzzle_.activeButton[color];
            if (button < 0 || !Down(color) || pressTick_[color] >= tick || Resting(button, tick))
                continue;
            state_.activeDown &= static_cast<uint8_t>(~(1 << color));
            pressTick_[color] = -1;
            Switched(color, (tick + 1) * StrideFrames);
        }
    }

    const Puzzle& puzzle_;
    PuzzleState& state_;
    StepEvents& events_;
    const int direction_;
    const int from_;
    int to_ = -1;
    // The tick of a press in this step, per colour; -1 for a button pressed before it.
    int pressTick_[3] = {-1, -1, -1};
    std::vector<int> pushed_;  // cells of the blocks set moving, far end first
    int rolling_ = -1;         // the cell of the rolling boulder while a roll is played out
    bool sensitive_ = false;
};

}  // namespace

std::string MakePuzzle(const LevelData& level, Puzzle& puzzle, PuzzleState& start)
{
    Puzzle made;
    PuzzleState state;
    int startCell = -1;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        const LevelCell& source = level.cells[cell];
        made.ground[cell] = source.ground;
        made.switches[cell] = source.switches;
        state.items[cell] = source.item;
        const SwitchPart found = SwitchOf(source.switches);
        if (source.switches == SwitchStartCode)
            startCell = cell;
        if (ItemOf(source.item) == ItemKind::Unknown)
            return "an item code without an object (" + std::to_string(source.item) + ") at " + CellName(cell);
        if (source.item != 0 && (found.kind == SwitchKind::Goal || found.kind == SwitchKind::Static ||
                                 found.kind == SwitchKind::Active)) {
            return "an item lies on a button or the goal at " + CellName(cell);
        }
        if (found.kind == SwitchKind::Gate)
            made.gateCells[found.color].push_back(cell);
        if (found.kind == SwitchKind::Active) {
            if (made.activeButton[found.color] >= 0)
                return "a second active button of colour " + std::to_string(found.color) + " at " + CellName(cell);
            made.activeButton[found.color] = cell;
        }
        if (source.item == ItemCoin)
            made.coinCells.push_back(cell);
        if (source.item == ItemKey)
            made.keyCells.push_back(cell);
    }
    if (startCell < 0)
        return "no player start";
    const int edge = ReachFrom(made.ground.data(), startCell).edge;
    if (edge >= 0)
        return "the player can walk off the field at " + CellName(edge);
    state.player = startCell;
    state.keysLeft = level.keys;
    state.coinsLeft = static_cast<int>(made.coinCells.size());
    puzzle = made;
    start = state;
    return "";
}

StepOutcome StepPuzzle(const Puzzle& puzzle, PuzzleState& state, int direction, StepEvents& events)
{
    return StepRun(puzzle, state, events, direction).Run();
}
