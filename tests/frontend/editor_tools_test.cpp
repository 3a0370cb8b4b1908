// The editor's tools on levels built in the test: one part per layer, a single start, the
// eraser taking the topmost part, and undo and redo of whole strokes.
#include "frontend/editor_tools.h"

#include <gtest/gtest.h>

namespace {

EditorTool ToolFor(LevelLayer layer, int code)
{
    for (const EditorTool& tool : EditorPalette()) {
        if (tool.layer == layer && tool.code == code)
            return tool;
    }
    ADD_FAILURE() << "no tool for code " << code;
    return {};
}

TEST(EditorTools, ThePaletteHoldsEveryPartOnceAndTheEraserLast)
{
    const std::vector<EditorTool>& palette = EditorPalette();
    ASSERT_EQ(palette.size(), 23u);
    EXPECT_TRUE(IsEraser(palette.back()));
    for (std::size_t i = 0; i + 1 < palette.size(); ++i) {
        EXPECT_FALSE(IsEraser(palette[i]));
        for (std::size_t j = i + 1; j + 1 < palette.size(); ++j)
            EXPECT_FALSE(palette[i].layer == palette[j].layer && palette[i].code == palette[j].code);
    }
}

TEST(EditorTools, APartReplacesItsLayersPartAndLeavesTheOthers)
{
    LevelData level;
    EXPECT_TRUE(ApplyTool(level, 3, 4, ToolFor(LevelLayer::Ground, GroundFloorCode)));
    EXPECT_TRUE(ApplyTool(level, 3, 4, ToolFor(LevelLayer::Item, ItemCoin)));
    EXPECT_TRUE(ApplyTool(level, 3, 4, ToolFor(LevelLayer::Item, ItemBoxy)));
    EXPECT_FALSE(ApplyTool(level, 3, 4, ToolFor(LevelLayer::Item, ItemBoxy)));
    EXPECT_EQ(level.At(3, 4), (LevelCell{static_cast<uint8_t>(GroundFloorCode), 0, static_cast<uint8_t>(ItemBoxy)}));
    EXPECT_FALSE(ApplyTool(level, MapWidth, 0, ToolFor(LevelLayer::Item, ItemBoxy)));
}

TEST(EditorTools, ThereIsOnlyOneStart)
{
    LevelData level;
    const EditorTool start = ToolFor(LevelLayer::Switch, SwitchStartCode);
    ApplyTool(level, 1, 1, start);
    ApplyTool(level, 5, 5, start);
    EXPECT_EQ(level.At(1, 1).switches, 0);
    EXPECT_EQ(level.At(5, 5).switches, SwitchStartCode);
}

TEST(EditorTools, TheEraserTakesTheTopmostPart)
{
    LevelData level;
    level.At(2, 2) = {1, 2, 3};
    const EditorTool eraser = EditorPalette().back();
    EXPECT_TRUE(ApplyTool(level, 2, 2, eraser));
    EXPECT_EQ(level.At(2, 2), (LevelCell{1, 2, 0}));
    EXPECT_TRUE(EraseTop(level, 2, 2));
    EXPECT_TRUE(EraseTop(level, 2, 2));
    EXPECT_EQ(level.At(2, 2), LevelCell{});
    EXPECT_FALSE(EraseTop(level, 2, 2));
}

TEST(EditorTools, UndoAndRedoGoBackAndForthByStroke)
{
    LevelData level;
    EditorHistory history;
    history.BeforeStroke(level);
    level.At(0, 0).item = ItemKey;
    history.BeforeStroke(level);
    level.At(1, 0).item = ItemKey;
    EXPECT_TRUE(history.Undo(level));
    EXPECT_EQ(level.At(1, 0).item, 0);
    EXPECT_TRUE(history.Undo(level));
    EXPECT_EQ(level.At(0, 0).item, 0);
    EXPECT_FALSE(history.Undo(level));
    EXPECT_TRUE(history.Redo(level));
    EXPECT_EQ(level.At(0, 0).item, ItemKey);
    // A new stroke forgets what was undone.
    history.BeforeStroke(level);
    EXPECT_FALSE(history.Redo(level));
}

}  // namespace
