// The level editor's tools and the level being edited, as data: one tool for each part the
// level format knows, and an eraser. Each cell keeps at most one part per layer, as the file
// does: a part placed replaces that layer's part. The editor's undo keeps whole levels, one
// for each stroke.
#pragma once

#include <vector>

#include "game/level_format.h"

struct EditorTool {
    LevelLayer layer = LevelLayer::Ground;
    int code = 0;  // 0 with the ground layer: the eraser
};

// The palette in its order: three floors, three walls, start, goal, the static and active
// buttons and the gates of each colour, the wooden block, box, boulder, key, coin, eraser.
const std::vector<EditorTool>& EditorPalette();
bool IsEraser(const EditorTool& tool);

// Places the tool's part on the cell; the eraser takes the topmost part away (item, switch,
// then ground). There is only one start: placing it takes any other away. Returns whether
// the level changed.
bool ApplyTool(LevelData& level, int column, int row, const EditorTool& tool);
// The topmost part of the cell taken away.
bool EraseTop(LevelData& level, int column, int row);
// The level's key and coin counts taken from the field.
void CountFromField(LevelData& level);

// Levels before each stroke, to go back to, and those undone, to make again.
class EditorHistory {
public:
    // Before a stroke changes `level`.
    void BeforeStroke(const LevelData& level);
    bool Undo(LevelData& level);
    bool Redo(LevelData& level);
    void Clear();

private:
    std::vector<LevelData> undo_;
    std::vector<LevelData> redo_;
};
