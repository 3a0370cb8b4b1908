// The binary side of level_source.h: the level file format the game loads.
#include "game/level_loader.h"
#include "tools/levelc/level_source.h"

namespace {

void PutInt32(std::string& bytes, int value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((bits >> shift) & 0xff);
}

int GetInt32(const std::string& bytes, std::size_t at)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<int>(bits);
}

}  // namespace

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

// Refuses what the game's loader refuses: a file too short for its title and layers, and a
// ground code without a picture.
std::string DecodeLevel(const std::string& bytes, const std::string& fileName, LevelData& level)
{
    const auto size = static_cast<int64_t>(bytes.size());
    if (size < LevelFileBaseSize) {
        return fileName + ": truncated: " + std::to_string(size) + " bytes, a level needs at least " +
               std::to_string(LevelFileBaseSize);
    }
    const int titleLength = GetInt32(bytes, 0);
    if (titleLength > 0 && (size - LevelFileBaseSize) / 4 < titleLength) {
        return fileName + ": truncated: a title of " + std::to_string(titleLength) +
               " characters does not fit in " + std::to_string(size) + " bytes";
    }
    LevelData decoded;
    std::size_t at = 4;
    for (int i = 0; i < titleLength; ++i, at += 4) {
        const int code = GetInt32(bytes, at);
        decoded.title += code >= 0 && code <= 255 ? static_cast<char>(code) : '?';
    }
    decoded.keys = static_cast<unsigned char>(bytes[at++]);
    decoded.coins = static_cast<unsigned char>(bytes[at++]);
    const std::size_t cellCount = decoded.cells.size();
    for (std::size_t k = 0; k < cellCount; ++k) {
        LevelCell& cell = decoded.cells[k];
        cell.ground = static_cast<uint8_t>(bytes[at + k]);
        cell.switches = static_cast<uint8_t>(bytes[at + cellCount + k]);
        cell.item = static_cast<uint8_t>(bytes[at + 2 * cellCount + k]);
        if (cell.ground > GroundLastCode) {
            return fileName + ": unknown ground code " + std::to_string(cell.ground) +
                   " at column " + std::to_string(k / MapHeight) + ", row " +
                   std::to_string(k % MapHeight);
        }
    }
    level = decoded;
    return "";
}
