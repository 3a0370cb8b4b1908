#include "frontend/editor_tools.h"

#include "game/level_checks.h"

namespace {

// Enough strokes to undo for any sitting; the oldest go first.
constexpr std::size_t MostUndoSteps = 500;

uint8_t& CodeOn(LevelCell& cell, LevelLayer layer)
{
    switch (layer) {
    case LevelLayer::Ground: return cell.ground;
    case LevelLayer::Switch: return cell.switches;
    default: return cell.item;
    }
}

std::vector<EditorTool> MakePalette()
{
    std::vector<EditorTool> tools;
    for (int variant = 0; variant < 3; ++variant)
        tools.push_back({LevelLayer::Ground, GroundCodeOf({GroundKind::Floor, variant})});
    for (int variant = 0; variant < 3; ++variant)
        tools.push_back({LevelLayer::Ground, GroundCodeOf({GroundKind::Wall, variant})});
    tools.push_back({LevelLayer::Switch, SwitchStartCode});
    tools.push_back({LevelLayer::Switch, SwitchCodeOf({SwitchKind::Goal, 0})});
    for (const SwitchKind kind : {SwitchKind::Static, SwitchKind::Active, SwitchKind::Gate}) {
        for (int color = 0; color < 3; ++color)
            tools.push_back({LevelLayer::Switch, SwitchCodeOf({kind, color})});
    }
    for (const int item : {ItemWoody, ItemBoxy, ItemBoulder, ItemKey, ItemCoin})
        tools.push_back({LevelLayer::Item, item});
    tools.push_back({LevelLayer::Ground, 0});
    return tools;
}

}  // namespace

const std::vector<EditorTool>& EditorPalette()
{
    static const std::vector<EditorTool> palette = MakePalette();
    return palette;
}

bool IsEraser(const EditorTool& tool)
{
    return tool.layer == LevelLayer::Ground && tool.code == 0;
}

bool ApplyTool(LevelData& level, int column, int row, const EditorTool& tool)
{
    if (column < 0 || column >= MapWidth || row < 0 || row >= MapHeight)
        return false;
    if (IsEraser(tool))
        return EraseTop(level, column, row);
    uint8_t& code = CodeOn(level.At(column, row), tool.layer);
    if (code == tool.code)
        return false;
    if (tool.layer == LevelLayer::Switch && tool.code == SwitchStartCode) {
        for (LevelCell& cell : level.cells) {
            if (cell.switches == SwitchStartCode)
                cell.switches = 0;
        }
    }
    code = static_cast<uint8_t>(tool.code);
    return true;
}

bool EraseTop(LevelData& level, int column, int row)
{
    if (column < 0 || column >= MapWidth || row < 0 || row >= MapHeight)
        return false;
    LevelCell& cell = level.At(column, row);
    for (uint8_t* code : {&cell.item, &cell.switches, &cell.ground}) {
        if (*code != 0) {
            *code = 0;
            return true;
        }
    }
    return false;
}

void CountFromField(LevelData& level)
{
    level.keys = KeysOnField(level);
    level.coins = CoinsOnField(level);
}

void EditorHistory::BeforeStroke(const LevelData& level)
{
    if (undo_.size() >= MostUndoSteps)
        undo_.erase(undo_.begin());
    undo_.push_back(level);
    redo_.clear();
}

bool EditorHistory::Undo(LevelData& level)
{
    if (undo_.empty())
        return false;
    redo_.push_back(level);
    level = undo_.back();
    undo_.pop_back();
    return true;
}

bool EditorHistory::Redo(LevelData& level)
{
    if (redo_.empty())
        return false;
    undo_.push_back(level);
    level = redo_.back();
    redo_.pop_back();
    return true;
}

void EditorHistory::Clear()
{
    undo_.clear();
    redo_.clear();
}
