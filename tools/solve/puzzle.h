// A level as a puzzle: the rules of the game reduced to whole steps on a grid, for a search
// that tries millions of positions. One step is what happens between two moments when the
// player stands still and everything else has come to rest: the player's own scan of the
// target cell, the pushes it starts, and a pushed boulder's whole roll (with any boulders it
// hands its motion to) played out in 16-frame strides. Between steps the world is settled, so
// an active button is down exactly while something rests on it.
//
// The real rules decide in a moment what the model decides here; where their outcome would
// depend on the frame a key is pressed in (a gate whose button the player is leaving, while a
// boulder rolls towards it), the model refuses the step as timing-sensitive, so that a
// solution it finds plays out the same with or without waits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/levelc/level_source.h"
#include "tools/solve/level_cells.h"

// What stands still in a level: ground, buttons, gates and the goal.
struct Puzzle {
    std::array<uint8_t, LevelCellCount> ground{};    // level file ground codes
    std::array<uint8_t, LevelCellCount> switches{};  // level file switch codes
    std::array<int, 3> activeButton{-1, -1, -1};  // the cell of the active button of a colour
    std::array<std::vector<int>, 3> gateCells;    // the gates of each colour
    std::vector<int> coinCells;                   // in file order; bit i of a mask is coin i
    std::vector<int> keyCells;
};

// What changes: the player, the items, the buttons that are down and the gates removed for
// good by static buttons.
struct PuzzleState {
    int player = 0;
    std::array<uint8_t, LevelCellCount> items{};  // level file item codes
    uint8_t removedColors = 0;                 // bit c: the gates of colour c are gone
    // Bit c: the active button of colour c is down. Something resting on a button does not
    // hold it down by itself: it must have been pressed and never released since.
    uint8_t activeDown = 0;
    int keysLeft = 0;
    int coinsLeft = 0;

    bool operator==(const PuzzleState&) const = default;
};

// Where a step acted, for a search that keeps its solutions free of timing.
struct StepEvents {
    // Cells the step scanned or changed outside a roll, and the gates (and active button) of
    // every colour whose button went down or came up.
    std::vector<int> touched;
    // A roll: every cell a rolling boulder stood on, scanned, or changed by a press, with the
    // frame (counted from the frame the step began) in which it did; `rolledOn` when the
    // boulder standing there rolled on in that frame.
    struct RollTouch {
        int cell;
        int frame;
        bool rolledOn;
    };
    std::vector<RollTouch> roll;
    int rollDirection = -1;
};

enum class StepOutcome { Blocked, Moved, Finished, TimingSensitive };

// Reads the puzzle and its starting position from a level. Returns the empty text, or what in
// the level the model cannot take (no start, an item on a button or the goal, two active
// buttons of one colour).
std::string MakePuzzle(const LevelData& level, Puzzle& puzzle, PuzzleState& start);

// One step in a direction from a settled state. Blocked leaves the state as it was; Finished
// means the player entered the open goal (the state then holds the coins taken before it).
StepOutcome StepPuzzle(const Puzzle& puzzle, PuzzleState& state, int direction, StepEvents& events);
