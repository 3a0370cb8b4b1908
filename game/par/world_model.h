// The game's rules once more, frame for frame, on a level held as a few small arrays instead
// of a list of objects: what the solver searches with, because a position of it is copied,
// compared and hashed in a fraction of the time the real world takes. It does exactly what
// the real rules do, down to the list order in which objects are met and updated and the
// pixel positions of things in motion, so that a boulder following a walking player, two
// blocks meeting in mid-step or a gate closing on a box come out as they do in the game;
// the tests play both side by side, frame by frame.
//
// Positions are pixels from the top-left corner of cell (0, 0), so cell (c, r) is at
// (32 c, 32 r); every moving object travels 2 pixels a frame and all positions stay whole.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/level_format.h"

enum class ModelKind : uint8_t { Wood, Box, Boulder, Key, Coin };

// What never changes in a level: the ground, the buttons, gates and goals where they stand,
// and where each item started. Lists are in the order of the level's object list.
struct ModelLevel {
    enum class Ground : uint8_t { None, Floor, Wall };
    struct Switch {
        SwitchKind kind;
        int color;
        int cell;
    };
    struct Item {
        ModelKind kind;
        int cell;
    };
    std::array<Ground, LevelCellCount> ground{};
    // The switch standing on a cell, as an index into `switches`; -1 for none.
    std::array<int16_t, LevelCellCount> switchAt{};
    std::vector<Switch> switches;
    std::vector<Item> items;
    // Indexes into `switches`: the active buttons in list order, and the gates of each colour.
    std::vector<int> activeButtons;
    std::array<std::vector<int>, 3> gatesOfColor;
    // Indexes into `items` of the coins and keys, the things the player must fetch.
    std::vector<int> coins;
    std::vector<int> keys;
    int start = 0;
    int keysInLevel = 0;
    int coinsInLevel = 0;
};

struct ModelMover {
    int16_t x = 0;
    int16_t y = 0;
    uint8_t moving = 0;
    uint8_t facing = 0;
    bool alive = false;  // in the level: not yet taken, smashed or, for the player, reset

    bool operator==(const ModelMover&) const = default;
};

enum class GateState : uint8_t { Closed, Parked, Removed };

// The most the model takes: a position is copied whole, so its arrays have a fixed size.
constexpr int ModelItemLimit = 64;
constexpr int ModelButtonLimit = 8;
constexpr int ModelSwitchLimit = 48;

// Everything that changes, between two frames. Entries past the level's own are unused.
struct ModelState {
    std::array<ModelMover, ModelItemLimit> items{};  // as ModelLevel::items
    struct Button {
        uint8_t pressed = 0;
        uint8_t timer = 0;
        bool operator==(const Button&) const = default;
    };
    std::array<Button, ModelButtonLimit> buttons{};     // as ModelLevel::activeButtons
    // As ModelLevel::switches; only the gates' entries mean anything.
    std::array<GateState, ModelSwitchLimit> gates{};
    ModelMover player;
    bool goalOpen = false;
    bool finished = false;  // the open goal was entered
    int moves = 0;          // steps made, MoveCount
    int pushes = 0;         // times the player has set a block moving, or moving another way
    int keysTaken = 0;
    int coinsTaken = 0;
    // What the finish sequence saw: the steps before the one into the goal, and the coins.
    int movesAtFinish = 0;
    int coinsAtFinish = 0;

    bool operator==(const ModelState&) const = default;
};

// Reads a level into the model and its first position. Returns the empty text, or why the
// model cannot take the level: no player start, a field that the player or a block could
// leave (the model keeps to the field), or more items, active buttons or switches than it
// has room for.
std::string MakeModel(const LevelData& level, ModelLevel& model, ModelState& start);

// One frame of play, as the headless world runs it: the goal opened while every key is
// taken, the buttons' release checks, the items, then the player, who tries to step in
// `direction` if it stands still (-1: no arrow held).
void RunModelFrame(const ModelLevel& level, ModelState& state, int direction);

// Frames without an arrow until the player stands still again, as RunModelFrame runs them;
// once nothing but the player moves, the rest of its step is passed over at once.
void RunModelUntilPlayerStill(const ModelLevel& level, ModelState& state);

// Nothing moves and no active button counts down or is about to come up: more frames without
// a key change nothing (Rest::NothingPending of the real world).
bool ModelAtRest(const ModelLevel& level, const ModelState& state);

constexpr int ModelCellPixels = 32;
constexpr int CellOfPixels(int x, int y)
{
    return CellOf(x / ModelCellPixels, y / ModelCellPixels);
}
