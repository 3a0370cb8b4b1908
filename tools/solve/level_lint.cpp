#include "tools/solve/level_lint.h"

#include "game/level_format.h"
#include "game/par/level_cells.h"

namespace {

const char* const ColorNames[3] = {"red", "blue", "yellow"};

void CountOnField(const LevelData& level, std::vector<std::string>& problems)
{
    int keys = 0;
    int coins = 0;
    for (const LevelCell& cell : level.cells) {
        keys += cell.item == ItemKey;
        coins += cell.item == ItemCoin;
    }
    if (keys != level.keys) {
        problems.push_back("the level says " + std::to_string(level.keys) + " keys, its field holds " +
                           std::to_string(keys));
    }
    if (coins != level.coins) {
        problems.push_back("the level says " + std::to_string(level.coins) + " coins, its field holds " +
                           std::to_string(coins));
    }
}

// The player must not reach the edge of the field, nor a cell without a floor.
void CheckFrame(const LevelData& level, int start, std::vector<std::string>& problems)
{
    uint8_t ground[LevelCellCount];
    for (int cell = 0; cell < LevelCellCount; ++cell)
        ground[cell] = level.cells[cell].ground;
    const Reach reach = ReachFrom(ground, start);
    if (reach.edge >= 0) {
        problems.push_back("the walls do not close the field in: the player can reach the edge at " +
                           CellName(reach.edge));
        return;
    }
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        if (reach.cells[cell] && ground[cell] == 0) {
            problems.push_back("no floor under " + CellName(cell) + ", which the player can reach");
            return;
        }
    }
}

}  // namespace

std::vector<std::string> LintLevel(const LevelData& level)
{
    std::vector<std::string> problems;
    std::vector<int> starts;
    int goals = 0;
    int gates[3] = {0, 0, 0};
    int buttons[3] = {0, 0, 0};
    int activeButtons[3] = {0, 0, 0};
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        const LevelCell& here = level.cells[cell];
        const SwitchPart found = SwitchOf(here.switches);
        switch (found.kind) {
        case SwitchKind::Start: starts.push_back(cell); break;
        case SwitchKind::Goal: ++goals; break;
        case SwitchKind::Gate: ++gates[found.color]; break;
        case SwitchKind::Active: ++activeButtons[found.color]; [[fallthrough]];
        case SwitchKind::Static: ++buttons[found.color]; break;
        case SwitchKind::Unknown:
            problems.push_back("switch code " + std::to_string(here.switches) + " at " + CellName(cell) +
                               " makes nothing the player can see");
            break;
        default: break;
        }
        if (ItemOf(here.item) == ItemKind::Unknown) {
            problems.push_back("item code " + std::to_string(here.item) + " at " + CellName(cell) +
                               " makes nothing the player can see");
        }
        if (here.item != 0 && found.kind == SwitchKind::Goal)
            problems.push_back("an item on the goal at " + CellName(cell) + ": it is entered before the item is met");
        if (here.item != 0 && (found.kind == SwitchKind::Static || found.kind == SwitchKind::Active)) {
            problems.push_back("an item on the button at " + CellName(cell) +
                               ": it lies there without having pressed it");
        }
        if (here.item != 0 && found.kind == SwitchKind::Start)
            problems.push_back("an item on the player's start at " + CellName(cell));
    }
    if (starts.size() != 1)
        problems.push_back(std::to_string(starts.size()) + " player starts; a level has exactly one");
    if (goals == 0)
        problems.push_back("no goal");
    for (int color = 0; color < 3; ++color) {
        const std::string name = ColorNames[color];
        if (gates[color] > 0 && buttons[color] == 0)
            problems.push_back("no button opens the " + name + " gates");
        if (buttons[color] > 0 && gates[color] == 0)
            problems.push_back("the " + name + " buttons have no gate to open");
        if (activeButtons[color] > 1)
            problems.push_back("two active " + name + " buttons: the gates close as soon as either comes up");
    }
    CountOnField(level, problems);
    if (starts.size() == 1)
        CheckFrame(level, starts[0], problems);
    return problems;
}
