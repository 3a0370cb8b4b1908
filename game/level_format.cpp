#include "game/level_format.h"

#include "media/core/text.h"

namespace {

void PutInt32(std::string& bytes, int value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((bits >> shift) & 0xff);
}

int GetInt32(std::string_view bytes, int64_t at)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[static_cast<std::size_t>(at + i)])) << (8 * i);
    return static_cast<int>(bits);
}

uint8_t GetByte(std::string_view bytes, int64_t at)
{
    return static_cast<uint8_t>(bytes[static_cast<std::size_t>(at)]);
}

// Titles are 8-bit text; a code that has no such character shows as "?".
char TitleCharacter(int code)
{
    return code >= 0 && code <= 255 ? static_cast<char>(code) : '?';
}

LevelFault Truncated(int64_t size, int titleLength, int64_t needed)
{
    LevelFault fault;
    fault.kind = LevelFaultKind::Truncated;
    fault.size = size;
    fault.titleLength = titleLength;
    fault.needed = needed;
    return fault;
}

LevelFault UnknownGround(int cell, int code)
{
    LevelFault fault;
    fault.kind = LevelFaultKind::UnknownGround;
    fault.cell = cell;
    fault.code = code;
    return fault;
}

}  // namespace

std::string LevelFilePath(int level)
{
    return "Levels/" + IntToText(level) + ".lev";
}

std::string CellName(int cell)
{
    return "column " + IntToText(cell / MapHeight) + ", row " + IntToText(cell % MapHeight);
}

std::string EncodeLevel(const LevelData& level)
{
    std::string bytes;
    PutInt32(bytes, static_cast<int>(level.title.size()));
    for (const char c : level.title)
        PutInt32(bytes, static_cast<unsigned char>(c));
    bytes += static_cast<char>(level.keys);
    bytes += static_cast<char>(level.coins);
    for (const LevelCell& cell : level.cells)
        bytes += static_cast<char>(cell.ground);
    for (const LevelCell& cell : level.cells)
        bytes += static_cast<char>(cell.switches);
    for (const LevelCell& cell : level.cells)
        bytes += static_cast<char>(cell.item);
    return bytes;
}

// The size is checked before a byte of the title is read, so that any title length, however
// large, is refused without reading or allocating for it.
LevelFault DecodeLevel(std::string_view bytes, LevelData& level)
{
    const auto size = static_cast<int64_t>(bytes.size());
    const int titleLength = size >= TitleLengthSize ? GetInt32(bytes, 0) : 0;
    const LevelLayout layout = LevelLayoutOf(titleLength);
    if (size < layout.end)
        return Truncated(size, titleLength, layout.end);
    LevelData decoded;
    for (int i = 0; i < titleLength; ++i)
        decoded.title += TitleCharacter(GetInt32(bytes, layout.title + TitleCharacterSize * int64_t{i}));
    decoded.keys = GetByte(bytes, layout.keys);
    decoded.coins = GetByte(bytes, layout.coins);
    const auto& [ground, switches, items] = layout.layers;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        decoded.cells[cell] = {GetByte(bytes, ground + cell), GetByte(bytes, switches + cell),
                               GetByte(bytes, items + cell)};
        if (GroundOf(decoded.cells[cell].ground).kind == GroundKind::Unknown)
            return UnknownGround(cell, decoded.cells[cell].ground);
    }
    level = decoded;
    return {};
}
