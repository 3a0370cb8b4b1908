#include "game/level_loader.h"

#include "game/items.h"
#include "game/player.h"
#include "game/pushables.h"
#include "game/switches.h"
#include "game/tiles.h"
#include "game/world_frame.h"
#include "media/core/file_stream.h"
#include "media/core/program.h"
#include "media/core/text.h"

std::string LevelTitle;
int KeysInLevel = 0;
int CoinsInLevel = 0;

namespace {

// The whole file: what follows the item layer is the decoder's to ignore.
std::string ReadFile(const FileStream& file)
{
    std::string bytes(static_cast<std::size_t>(StreamSize(file)), '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(StreamReadByte(file));
    return bytes;
}

std::string FaultMessage(const std::string& path, const LevelFault& fault)
{
    if (fault.kind == LevelFaultKind::UnknownGround) {
        return "Level file " + path + " has the unknown ground code " + IntToText(fault.code) + " at " +
               CellName(fault.cell);
    }
    std::string message = "Level file " + path + " is truncated: it holds " + std::to_string(fault.size) +
                          " bytes where " + std::to_string(fault.needed) + " are needed";
    if (fault.titleLength > 0) {
        message += " (" + IntToText(LevelFileBaseSize) + " and " + IntToText(TitleCharacterSize) +
                   " for each of its " + IntToText(fault.titleLength) + " title characters)";
    }
    return message;
}

// Spawned first, placed after: OnSpawn must not depend on the position, variant or colour.
template <class T>
std::shared_ptr<T> SpawnAt(int column, int row)
{
    auto object = std::make_shared<T>();
    object->Spawn();
    object->X = static_cast<float>(column * CellSize + MapOffsetX);
    object->Y = static_cast<float>(row * CellSize + MapOffsetY);
    return object;
}

void CreateGround(const LevelCell& cell, int column, int row)
{
    const GroundPart part = GroundOf(cell.ground);
    switch (part.kind) {
    case GroundKind::Floor: SpawnAt<TFloory>(column, row)->Variant = part.variant; break;
    case GroundKind::Wall: SpawnAt<TWally>(column, row)->Variant = part.variant; break;
    default: break;
    }
}

void CreateSwitch(const LevelCell& cell, int column, int row)
{
    const SwitchPart part = SwitchOf(cell.switches);
    switch (part.kind) {
    case SwitchKind::Goal: SpawnAt<TGoal>(column, row); break;
    case SwitchKind::Static: SpawnAt<TButty_Static>(column, row)->ColorIndex = part.color; break;
    case SwitchKind::Active: SpawnAt<TButty_Active>(column, row)->ColorIndex = part.color; break;
    case SwitchKind::Gate: SpawnAt<TColorGate>(column, row)->ColorIndex = part.color; break;
    case SwitchKind::Start:
        // No object: the later start cell in file order wins.
        Player->X = static_cast<float>(column * CellSize + MapOffsetX);
        Player->Y = static_cast<float>(row * CellSize + MapOffsetY);
        break;
    default: break;
    }
}

void CreateItem(const LevelCell& cell, int column, int row)
{
    switch (ItemOf(cell.item)) {
    case ItemKind::Woody: SpawnAt<TWoody>(column, row); break;
    case ItemKind::Boxy: SpawnAt<TBoxy>(column, row); break;
    case ItemKind::Boulder: SpawnAt<TBoulder>(column, row); break;
    case ItemKind::Key: SpawnAt<TKey>(column, row); break;
    case ItemKind::Coin: SpawnAt<TCoin>(column, row); break;
    default: break;
    }
}

void CreateLayer(const LevelData& level, void (*create)(const LevelCell& cell, int column, int row))
{
    for (int k = 0; k < LevelCellCount; ++k)
        create(level.cells[k], k / MapHeight, k % MapHeight);
}

}  // namespace

std::string ReadLevelFile(const std::string& path, LevelData& level)
{
    // Nothing is ever written to a level file, so a read-only one is fine.
    const FileStream file = OpenForReading(path);
    if (!file)
        return "Failed to open map file from: " + path;
    const std::string bytes = ReadFile(file);
    CloseFileStream(file);
    const LevelFault fault = DecodeLevel(bytes, level);
    return fault.kind == LevelFaultKind::None ? "" : FaultMessage(path, fault);
}

void Map::Load(const std::string& path)
{
    // The level being left has had its hooks run by ClearAll already.
    ListClear(LevelObjects);
    LevelTitle = "";
    KeysInLevel = 0;
    CoinsInLevel = 0;
    // A new attempt: its frames count from the first update after the load.
    WorldFrame = 0;

    // Every check is made before the first object is created, so a damaged file leaves no
    // half level behind.
    LevelData level;
    if (const std::string fault = ReadLevelFile(path, level); !fault.empty())
        RaiseError(fault);
    Build(level);
}

void Map::Build(const LevelData& level)
{
    ListClear(LevelObjects);
    WorldFrame = 0;
    LevelTitle = level.title;
    KeysInLevel = level.keys;
    CoinsInLevel = level.coins;

    // The order of creation is the order of LevelObjects, and so of every update, draw and
    // cell scan: ground, then switches, then items, and the player last, drawn over all.
    CreateLayer(level, CreateGround);
    CreateLayer(level, CreateSwitch);
    CreateLayer(level, CreateItem);
    Player->Spawn();
}
