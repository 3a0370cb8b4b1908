#include "tools/soak/soak_levels.h"

#include <algorithm>
#include <string>
#include <filesystem>
#include <fstream>

#include "game/level_loader.h"
#include "tools/levelc/level_source.h"

namespace fs = std::filesystem;

std::vector<std::string> ShippedLevels(const std::string& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".lev")
            files.push_back(entry.path());
    }
    // Numbers in order: shorter names first, then alphabetically.
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        const std::string x = a.stem().string(), y = b.stem().string();
        return x.size() != y.size() ? x.size() < y.size() : x < y;
    });
    return {files.begin(), files.end()};
}

namespace {

// A free cell inside the walls, or nothing after many tries.
LevelCell* FreeCell(LevelData& level, std::mt19937& random)
{
    std::uniform_int_distribution<int> column(1, MapWidth - 2);
    std::uniform_int_distribution<int> row(1, MapHeight - 2);
    for (int tries = 0; tries < 1000; ++tries) {
        LevelCell& cell = level.At(column(random), row(random));
        if (cell.ground != GroundWallCode && cell.switches == 0 && cell.item == 0)
            return &cell;
    }
    return nullptr;
}

LevelData MakeUpLevel(int number, std::mt19937& random)
{
    LevelData level;
    level.title = "Soak " + std::to_string(number);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> variant(0, 2);
    for (int column = 0; column < MapWidth; ++column) {
        for (int row = 0; row < MapHeight; ++row) {
            const bool edge = column == 0 || row == 0 || column == MapWidth - 1 || row == MapHeight - 1;
            level.At(column, row).ground = edge || percent(random) < 12
                                               ? static_cast<uint8_t>(GroundWallCode + variant(random))
                                               : static_cast<uint8_t>(GroundFloorCode + variant(random));
        }
    }
    auto place = [&](uint8_t LevelCell::*layer, int code, int count) {
        for (int i = 0; i < count; ++i) {
            if (LevelCell* cell = FreeCell(level, random))
                cell->*layer = static_cast<uint8_t>(code);
        }
    };
    place(&LevelCell::switches, SwitchStartCode, 1);
    place(&LevelCell::switches, SwitchGoalCode, 1);
    for (int color = 0; color < 3; ++color) {
        place(&LevelCell::switches, SwitchStaticCode + 3 * color, 1);
        place(&LevelCell::switches, SwitchActiveCode + 3 * color, 2);
        place(&LevelCell::switches, SwitchGateCode + 3 * color, 3);
    }
    std::uniform_int_distribution<int> few(0, 4);
    level.keys = few(random);
    level.coins = few(random);
    place(&LevelCell::item, ItemKey, level.keys);
    place(&LevelCell::item, ItemCoin, level.coins);
    place(&LevelCell::item, ItemWoody, 12);
    place(&LevelCell::item, ItemBoxy, 8);
    place(&LevelCell::item, ItemBoulder, 6);
    return level;
}

}  // namespace

std::vector<std::string> MakeUpLevels(const std::string& folder, int count, std::mt19937& random)
{
    std::vector<std::string> paths;
    for (int number = 0; number < count; ++number) {
        const std::string path = folder + "/" + std::to_string(number) + ".lev";
        std::ofstream(path, std::ios::binary) << EncodeLevel(MakeUpLevel(number, random));
        paths.push_back(path);
    }
    return paths;
}
