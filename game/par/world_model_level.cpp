// A level file's layers read into the model, in the order the game's loader creates objects:
// all ground tiles, then the switch layer, then the items, each column by column from the top.
#include "game/par/world_model.h"

#include "game/par/level_cells.h"

namespace {

ModelLevel::Ground GroundOfCode(uint8_t code)
{
    switch (GroundOf(code).kind) {
    case GroundKind::Floor: return ModelLevel::Ground::Floor;
    case GroundKind::Wall: return ModelLevel::Ground::Wall;
    default: return ModelLevel::Ground::None;
    }
}

bool KindOfItem(uint8_t code, ModelKind& kind)
{
    switch (ItemOf(code)) {
    case ItemKind::Woody: kind = ModelKind::Wood; return true;
    case ItemKind::Boxy: kind = ModelKind::Box; return true;
    case ItemKind::Boulder: kind = ModelKind::Boulder; return true;
    case ItemKind::Key: kind = ModelKind::Key; return true;
    case ItemKind::Coin: kind = ModelKind::Coin; return true;
    default: return false;
    }
}

// The first cell on the edge of the field that the player or a block could reach, or -1.
int EdgeWithinReach(const LevelData& level, const ModelLevel& model)
{
    uint8_t ground[LevelCellCount];
    for (int cell = 0; cell < LevelCellCount; ++cell)
        ground[cell] = level.cells[cell].ground;
    std::vector<int> seeds = {model.start};
    for (const ModelLevel::Item& item : model.items)
        seeds.push_back(item.cell);
    for (const int seed : seeds) {
        const int edge = ReachFrom(ground, seed).edge;
        if (edge >= 0)
            return edge;
    }
    return -1;
}

std::string TooMuch()
{
    return "more than " + std::to_string(ModelItemLimit) + " items, " + std::to_string(ModelButtonLimit) +
           " active buttons or " + std::to_string(ModelSwitchLimit) + " buttons, gates and goals";
}

}  // namespace

std::string MakeModel(const LevelData& level, ModelLevel& model, ModelState& start)
{
    ModelLevel made;
    ModelState state;
    made.switchAt.fill(-1);
    int startCell = -1;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        made.ground[cell] = GroundOfCode(level.cells[cell].ground);
        const SwitchPart part = SwitchOf(level.cells[cell].switches);
        if (part.kind == SwitchKind::Start)
            startCell = cell;
        if (part.kind != SwitchKind::Goal && part.kind != SwitchKind::Static && part.kind != SwitchKind::Active &&
            part.kind != SwitchKind::Gate)
            continue;
        if (made.switches.size() == ModelSwitchLimit || made.activeButtons.size() == ModelButtonLimit)
            return TooMuch();
        const int index = static_cast<int>(made.switches.size());
        made.switchAt[cell] = static_cast<int16_t>(index);
        made.switches.push_back({part.kind, part.color, cell});
        if (part.kind == SwitchKind::Active) {
            made.activeButtons.push_back(index);
        }
        if (part.kind == SwitchKind::Gate)
            made.gatesOfColor[part.color].push_back(index);
    }
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        ModelKind kind;
        if (!KindOfItem(level.cells[cell].item, kind))
            continue;
        if (made.items.size() == ModelItemLimit)
            return TooMuch();
        const int index = static_cast<int>(made.items.size());
        if (kind == ModelKind::Coin)
            made.coins.push_back(index);
        if (kind == ModelKind::Key)
            made.keys.push_back(index);
        made.items.push_back({kind, cell});
        ModelMover mover;
        mover.alive = true;
        mover.x = static_cast<int16_t>(cell / MapHeight * ModelCellPixels);
        mover.y = static_cast<int16_t>(cell % MapHeight * ModelCellPixels);
        state.items[index] = mover;
    }
    if (startCell < 0)
        return "no player start";
    made.start = startCell;
    if (const int edge = EdgeWithinReach(level, made); edge >= 0)
        return "the player or a block can reach the edge of the field at " + CellName(edge);
    made.keysInLevel = level.keys;
    made.coinsInLevel = level.coins;
    state.player.alive = true;
    state.player.x = static_cast<int16_t>(startCell / MapHeight * ModelCellPixels);
    state.player.y = static_cast<int16_t>(startCell % MapHeight * ModelCellPixels);
    model = made;
    start = state;
    return "";
}
