#include "game/level_loader.h"

#include <array>
#include <cstdint>

#include "game/items.h"
#include "game/player.h"
#include "game/pushables.h"
#include "game/switches.h"
#include "game/tiles.h"
#include "media/core/file_stream.h"
#include "media/core/program.h"
#include "media/core/text.h"

std::string LevelTitle;
int KeysInLevel = 0;
int CoinsInLevel = 0;

namespace {

constexpr int CellCount = MapWidth * MapHeight;
using Layer = std::array<uint8_t, CellCount>;

// Titles are 8-bit text; a code that has no such character shows as "?".
char TitleCharacter(int code)
{
    return code >= 0 && code <= 255 ? static_cast<char>(code) : '?';
}

Layer ReadLayer(const FileStream& file)
{
    Layer layer;
    for (uint8_t& code : layer)
        code = static_cast<uint8_t>(StreamReadByte(file));
    return layer;
}

// Every check is made before the first object is created, so a damaged file leaves no half
// level behind. The sum is made in 64 bits: any title length is refused before a byte of
// the title is read.
void CheckSize(const std::string& path, int64_t size, int titleLength)
{
    const int64_t titleBytes = titleLength > 0 ? 4 * static_cast<int64_t>(titleLength) : 0;
    const int64_t needed = LevelFileBaseSize + titleBytes;
    if (size >= needed)
        return;
    std::string message = "Level file " + path + " is truncated: it holds " + std::to_string(size) +
                          " bytes where " + std::to_string(needed) + " are needed";
    if (titleBytes > 0) {
        message += " (" + IntToText(LevelFileBaseSize) + " and 4 for each of its " +
                   IntToText(titleLength) + " title characters)";
    }
    RaiseError(message);
}

void CheckGround(const std::string& path, const Layer& ground)
{
    for (int k = 0; k < CellCount; ++k) {
        if (ground[k] > GroundLastCode) {
            RaiseError("Level file " + path + " has the unknown ground code " +
                       IntToText(ground[k]) + " at column " + IntToText(k / MapHeight) +
                       ", row " + IntToText(k % MapHeight));
        }
    }
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

void CreateGround(int code, int column, int row)
{
    if (code >= GroundWallCode)
        SpawnAt<TWally>(column, row)->Variant = code - GroundWallCode;
    else if (code >= GroundFloorCode)
        SpawnAt<TFloory>(column, row)->Variant = code - GroundFloorCode;
}

void CreateSwitch(int code, int column, int row)
{
    if (code == SwitchGoalCode) {
        SpawnAt<TGoal>(column, row);
    } else if (code >= SwitchStaticCode && code < SwitchStartCode) {
        const int color = (code - SwitchStaticCode) / 3;
        switch (code - color * 3) {
        case SwitchStaticCode: SpawnAt<TButty_Static>(column, row)->ColorIndex = color; break;
        case SwitchActiveCode: SpawnAt<TButty_Active>(column, row)->ColorIndex = color; break;
        case SwitchGateCode: SpawnAt<TColorGate>(column, row)->ColorIndex = color; break;
        }
    } else if (code == SwitchStartCode) {
        // No object: the later start cell in file order wins.
        Player->X = static_cast<float>(column * CellSize + MapOffsetX);
        Player->Y = static_cast<float>(row * CellSize + MapOffsetY);
    }
}

void CreateItem(int code, int column, int row)
{
    switch (code) {
    case ItemWoody: SpawnAt<TWoody>(column, row); break;
    case ItemBoxy: SpawnAt<TBoxy>(column, row); break;
    case ItemBoulder: SpawnAt<TBoulder>(column, row); break;
    case ItemKey: SpawnAt<TKey>(column, row); break;
    case ItemCoin: SpawnAt<TCoin>(column, row); break;
    default: break;
    }
}

void CreateLayer(const Layer& layer, void (*create)(int code, int column, int row))
{
    for (int k = 0; k < CellCount; ++k)
        create(layer[k], k / MapHeight, k % MapHeight);
}

}  // namespace

void Map::Load(const std::string& path)
{
    // The level being left has had its hooks run by ClearAll already.
    ListClear(LevelObjects);
    LevelTitle = "";
    KeysInLevel = 0;
    CoinsInLevel = 0;

    // Nothing is ever written to a level file, so a read-only one is fine.
    const FileStream file = OpenForReading(path);
    if (!file)
        RaiseError("Failed to open map file from: " + path);
    const int64_t size = StreamSize(file);
    const int titleLength = size >= 4 ? StreamReadInt32(file) : 0;
    CheckSize(path, size, titleLength);
    for (int i = 0; i < titleLength; ++i)
        LevelTitle += TitleCharacter(StreamReadInt32(file));
    KeysInLevel = StreamReadByte(file);
    CoinsInLevel = StreamReadByte(file);
    const Layer ground = ReadLayer(file);
    const Layer switches = ReadLayer(file);
    const Layer items = ReadLayer(file);
    CloseFileStream(file);
    CheckGround(path, ground);

    // The order of creation is the order of LevelObjects, and so of every update, draw and
    // cell scan: ground, then switches, then items, and the player last, drawn over all.
    CreateLayer(ground, CreateGround);
    CreateLayer(switches, CreateSwitch);
    CreateLayer(items, CreateItem);
    Player->Spawn();
}
