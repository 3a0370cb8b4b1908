#include "tools/solve/run_picture.h"

#include "game/grid.h"
#include "tools/solve/stored_run.h"

namespace {

char GroundSymbol(ModelLevel::Ground ground)
{
    switch (ground) {
    case ModelLevel::Ground::Floor: return '.';
    case ModelLevel::Ground::Wall: return '#';
    default: return ' ';
    }
}

char SwitchSymbol(const ModelLevel::Switch& found, GateState gate)
{
    switch (found.kind) {
    case SwitchKind::Goal: return '*';
    case SwitchKind::Static: return static_cast<char>('1' + found.color);
    case SwitchKind::Active: return static_cast<char>('a' + found.color);
    case SwitchKind::Gate: return gate == GateState::Closed ? static_cast<char>('A' + found.color) : '.';
    default: return '.';
    }
}

char ItemSymbol(ModelKind kind)
{
    switch (kind) {
    case ModelKind::Wood: return 'w';
    case ModelKind::Box: return 'x';
    case ModelKind::Boulder: return 'o';
    case ModelKind::Key: return 'k';
    case ModelKind::Coin: return '$';
    }
    return '?';
}

void Mark(std::string& rows, int x, int y, char symbol)
{
    if (x % ModelCellPixels != 0 || y % ModelCellPixels != 0 || x < 0 || y < 0)
        return;
    const int column = x / ModelCellPixels;
    const int row = y / ModelCellPixels;
    if (column < MapWidth && row < MapHeight)
        rows[static_cast<std::size_t>(row * (MapWidth + 1) + column)] = symbol;
}

}  // namespace

std::string PictureOf(const ModelLevel& level, const ModelState& state)
{
    std::string rows;
    for (int row = 0; row < MapHeight; ++row)
        rows += std::string(MapWidth, ' ') + "\n";
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        char symbol = GroundSymbol(level.ground[cell]);
        if (level.switchAt[cell] >= 0)
            symbol = SwitchSymbol(level.switches[level.switchAt[cell]], state.gates[level.switchAt[cell]]);
        Mark(rows, cell / MapHeight * ModelCellPixels, cell % MapHeight * ModelCellPixels, symbol);
    }
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        if (state.items[i].alive)
            Mark(rows, state.items[i].x, state.items[i].y, ItemSymbol(level.items[i].kind));
    }
    if (state.player.alive)
        Mark(rows, state.player.x, state.player.y, '@');
    return rows;
}

std::string PicturesOfRun(const ModelLevel& level, const ModelState& start, const SolutionFile& run)
{
    std::string text = "start:\n" + PictureOf(level, start);
    ForEachStep(level, start, run, [&](std::size_t step, int frame, bool pushed, const ModelState& after) {
        if (!pushed)
            return;
        // As it would come to rest if the player stood still from here.
        ModelState settled = after;
        for (int settle = 0; settle < LatestSolutionFrame && !ModelAtRest(level, settled); ++settle)
            RunModelFrame(level, settled, -1);
        text += "step " + std::to_string(step + 1) + " (" + run.letters[step] + ", frame " + std::to_string(frame) +
                "), once at rest:\n" + PictureOf(level, settled);
    });
    return text;
}
