// Level files: where they live, how their bytes are laid out, what each layer's codes stand
// for, and a level as plain data that is encoded to and decoded from those bytes. The
// game's loader, the level compiler, the solver and a level editor all go through here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/grid.h"

// Level N is the file "Levels/N.lev", N in decimal without leading zeros.
std::string LevelFilePath(int level);

// The layout, binary and little-endian, with no magic number and no version:
//   title length N   signed 32-bit; 0 or less means no characters follow
//   title            N character codes, signed 32-bit each
//   keys, coins      one unsigned byte each
//   ground, switch and item layers, one byte per cell each
// Anything after the item layer is ignored.
constexpr int LevelCellCount = MapWidth * MapHeight;
constexpr int TitleLengthSize = 4;
constexpr int TitleCharacterSize = 4;

enum class LevelLayer { Ground, Switch, Item };

// Where each field of a level file with a title of `titleLength` characters starts, and
// where its level ends. In 64 bits: the largest title length reaches past 4 GB.
struct LevelLayout {
    int64_t title = 0;
    int64_t keys = 0;
    int64_t coins = 0;
    std::array<int64_t, 3> layers{};  // by LevelLayer
    int64_t end = 0;
};

constexpr LevelLayout LevelLayoutOf(int titleLength)
{
    LevelLayout layout;
    layout.title = TitleLengthSize;
    layout.keys = layout.title + TitleCharacterSize * static_cast<int64_t>(titleLength > 0 ? titleLength : 0);
    layout.coins = layout.keys + 1;
    for (int layer = 0; layer < 3; ++layer)
        layout.layers[layer] = layout.coins + 1 + static_cast<int64_t>(layer) * LevelCellCount;
    layout.end = layout.layers[2] + LevelCellCount;
    return layout;
}

// The size of a level file with an empty title.
constexpr int LevelFileBaseSize = static_cast<int>(LevelLayoutOf(0).end);

// Every layer is stored column by column, each column from the top: byte k of a layer is
// column k / MapHeight, row k % MapHeight. Cells are numbered the same way everywhere.
constexpr int CellOf(int column, int row)
{
    return column * MapHeight + row;
}

// "column C, row R".
std::string CellName(int cell);

// What the codes of each layer stand for, one table per layer, indexed by code. A code past
// the end of its table is Unknown: the game makes nothing of an unknown switch or item code
// and refuses a level with an unknown ground code (it would be a wall without a picture).
enum class GroundKind { None, Floor, Wall, Unknown };

struct GroundPart {
    GroundKind kind = GroundKind::None;
    int variant = 0;  // the picture, 0..2, of a floor or wall

    bool operator==(const GroundPart&) const = default;
};

inline constexpr GroundPart GroundCodes[] = {
    {GroundKind::None, 0},
    {GroundKind::Floor, 0}, {GroundKind::Floor, 1}, {GroundKind::Floor, 2},
    {GroundKind::Wall, 0},  {GroundKind::Wall, 1},  {GroundKind::Wall, 2},
};

enum class SwitchKind { None, Goal, Static, Active, Gate, Start, Unknown };

struct SwitchPart {
    SwitchKind kind = SwitchKind::None;
    int color = 0;  // 0..2 for buttons and gates: a button acts on the gates of its colour

    bool operator==(const SwitchPart&) const = default;
};

// The player's start makes no object: it places the player.
inline constexpr SwitchPart SwitchCodes[] = {
    {SwitchKind::None, 0},
    {SwitchKind::Goal, 0},
    {SwitchKind::Static, 0}, {SwitchKind::Active, 0}, {SwitchKind::Gate, 0},
    {SwitchKind::Static, 1}, {SwitchKind::Active, 1}, {SwitchKind::Gate, 1},
    {SwitchKind::Static, 2}, {SwitchKind::Active, 2}, {SwitchKind::Gate, 2},
    {SwitchKind::Start, 0},
};

enum class ItemKind { None, Woody, Boxy, Boulder, Key, Coin, Unknown };

inline constexpr ItemKind ItemCodes[] = {
    ItemKind::None, ItemKind::Woody, ItemKind::Boxy, ItemKind::Boulder, ItemKind::Key, ItemKind::Coin,
};

template <class Part, std::size_t Count>
constexpr Part PartOfCode(const Part (&codes)[Count], uint8_t code, Part unknown)
{
    return code < Count ? codes[code] : unknown;
}

// -1 for a part that has no code.
template <class Part, std::size_t Count>
constexpr int CodeOfPart(const Part (&codes)[Count], Part part)
{
    for (std::size_t code = 0; code < Count; ++code) {
        if (codes[code] == part)
            return static_cast<int>(code);
    }
    return -1;
}

constexpr GroundPart GroundOf(uint8_t code)
{
    return PartOfCode(GroundCodes, code, {GroundKind::Unknown, 0});
}
constexpr SwitchPart SwitchOf(uint8_t code)
{
    return PartOfCode(SwitchCodes, code, {SwitchKind::Unknown, 0});
}
constexpr ItemKind ItemOf(uint8_t code)
{
    return PartOfCode(ItemCodes, code, ItemKind::Unknown);
}
constexpr int GroundCodeOf(GroundPart part)
{
    return CodeOfPart(GroundCodes, part);
}
constexpr int SwitchCodeOf(SwitchPart part)
{
    return CodeOfPart(SwitchCodes, part);
}
constexpr int ItemCodeOf(ItemKind kind)
{
    return CodeOfPart(ItemCodes, kind);
}

// The codes that tools and tests build levels from by name.
constexpr int GroundFloorCode = GroundCodeOf({GroundKind::Floor, 0});
constexpr int SwitchActiveCode = SwitchCodeOf({SwitchKind::Active, 0});
constexpr int SwitchStartCode = SwitchCodeOf({SwitchKind::Start, 0});
constexpr int ItemWoody = ItemCodeOf(ItemKind::Woody);
constexpr int ItemBoxy = ItemCodeOf(ItemKind::Boxy);
constexpr int ItemBoulder = ItemCodeOf(ItemKind::Boulder);
constexpr int ItemKey = ItemCodeOf(ItemKind::Key);
constexpr int ItemCoin = ItemCodeOf(ItemKind::Coin);

// One cell as a level file stores it: a code on each layer, so at most one part per layer.
// Codes without a part are kept as they are.
struct LevelCell {
    uint8_t ground = 0;
    uint8_t switches = 0;
    uint8_t item = 0;

    bool operator==(const LevelCell&) const = default;
};

struct LevelData {
    std::string title;  // 8-bit text
    int keys = 0;       // stored in a byte
    int coins = 0;      // stored in a byte
    // In file order: column by column, each from the top.
    std::array<LevelCell, LevelCellCount> cells{};

    LevelCell& At(int column, int row) { return cells[CellOf(column, row)]; }
    const LevelCell& At(int column, int row) const { return cells[CellOf(column, row)]; }

    bool operator==(const LevelData&) const = default;
};

enum class LevelFaultKind { None, Truncated, UnknownGround };

// What is wrong with the bytes of a level file; kind None when nothing is.
struct LevelFault {
    LevelFaultKind kind = LevelFaultKind::None;
    // Truncated: the bytes there are, the title length the file gives (0 when it is too
    // short to give one) and the bytes its level needs.
    int64_t size = 0;
    int titleLength = 0;
    int64_t needed = 0;
    // UnknownGround: the first such cell in file order, and its code.
    int cell = 0;
    int code = 0;
};

std::string EncodeLevel(const LevelData& level);
// Refuses too few bytes for the title and the layers, then the first unknown ground code.
// A title character that is not 8-bit text becomes "?". `level` is set only when nothing
// is wrong.
LevelFault DecodeLevel(std::string_view bytes, LevelData& level);
