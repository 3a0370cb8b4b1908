// The solver's checks for plain mistakes in a level, each named, on levels drawn here.
#include "tools/solve/level_lint.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/level_builder.h"
#include "tools/levelc/level_source.h"

namespace {

LevelData Drawn(const std::vector<std::string>& rows, const std::vector<std::string>& legend)
{
    LevelData level;
    const std::string problem = ParseLevelText(LevelSource(rows, legend), "drawn level", level);
    EXPECT_EQ(problem, "");
    return level;
}

}  // namespace

TEST(LevelChecks, NameEveryPlainMistake)
{
    struct Mistake {
        std::vector<std::string> rows;
        std::vector<std::string> legend;
        std::string expected;
    };
    const std::vector<Mistake> mistakes = {
        {{"#####", "#.*.#", "#####"}, {}, "0 player starts"},
        {{"#####", "#@*@#", "#####"}, {}, "2 player starts"},
        {{"#####", "#@...", "#####"}, {}, "the walls do not close the field in"},
        {{"######", "#@ *.#", "######"}, {}, "no floor under column 2, row 1"},
        {{"######", "#@A*.#", "######"}, {}, "no button opens the red gates"},
        {{"######", "#@b*.#", "######"}, {}, "the blue buttons have no gate to open"},
        {{"######", "#@c*C#", "#..c.#", "######"}, {}, "two active yellow buttons"},
        {{"######", "#@*U.#", "######"}, {"U = floor switch:12"}, "switch code 12 at column 3, row 1 makes nothing"},
        {{"######", "#@*U.#", "######"}, {"U = floor item:6"}, "item code 6 at column 3, row 1 makes nothing"},
        {{"######", "#@U..#", "######"}, {"U = floor goal coin"}, "an item on the goal"},
        {{"######", "#@*U.#", "######"}, {"U = floor static:1 box", "V = floor gate:1"}, "an item on the button"},
        {{"######", "#U*..#", "######"}, {"U = floor start key"}, "an item on the player's start"},
        {{"######", "#@...#", "######"}, {}, "no goal"},
    };
    for (const Mistake& mistake : mistakes) {
        const std::vector<std::string> found = LintLevel(Drawn(mistake.rows, mistake.legend));
        const bool named = std::any_of(found.begin(), found.end(), [&](const std::string& message) {
            return message.find(mistake.expected) != std::string::npos;
        });
        EXPECT_TRUE(named) << mistake.rows[1] << " should give: " << mistake.expected;
    }
    EXPECT_EQ(LintLevel(Drawn({"#######", "#@.$k*#", "#######"}, {})), std::vector<std::string>());

    LevelData miscounted = Drawn({"######", "#@$k*#", "######"}, {});
    miscounted.coins = 3;
    miscounted.keys = 0;
    const std::vector<std::string> counts = LintLevel(miscounted);
    EXPECT_NE(std::find(counts.begin(), counts.end(), "the level says 0 keys, its field holds 1"), counts.end());
    EXPECT_NE(std::find(counts.begin(), counts.end(), "the level says 3 coins, its field holds 1"), counts.end());
}
