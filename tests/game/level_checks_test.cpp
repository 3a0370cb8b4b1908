// The checks a level passes before it is offered for play, on levels built in the test.
#include "game/level_checks.h"

#include <gtest/gtest.h>

namespace {

constexpr int Wall = 4;
const int Goal = SwitchCodeOf({SwitchKind::Goal, 0});

// A room of floor, walled all round, from column 1 to 7 and row 1 to 3, the start at (2, 2)
// and the goal at (6, 2).
LevelData Room()
{
    LevelData level;
    for (int column = 0; column <= 8; ++column) {
        for (int row = 0; row <= 4; ++row) {
            const bool edge = column == 0 || column == 8 || row == 0 || row == 4;
            level.At(column, row).ground = static_cast<uint8_t>(edge ? Wall : GroundFloorCode);
        }
    }
    level.At(2, 2).switches = SwitchStartCode;
    level.At(6, 2).switches = static_cast<uint8_t>(Goal);
    return level;
}

TEST(LevelChecks, AWalledRoomWithStartAndGoalMayBePlayed)
{
    EXPECT_TRUE(CheckLevel(Room()).empty());
}

TEST(LevelChecks, EachProblemIsFound)
{
    LevelData empty;
    EXPECT_EQ(CheckLevel(empty), (std::vector<LevelProblem>{LevelProblem::NoStart, LevelProblem::NoGoal}));

    LevelData boxed = Room();
    for (const auto& [c, r] : {std::pair{1, 2}, {3, 2}, {2, 1}, {2, 3}})
        boxed.At(c, r).ground = Wall;
    EXPECT_EQ(CheckLevel(boxed), (std::vector<LevelProblem>{LevelProblem::BoxedIn, LevelProblem::GoalWalledOff}));

    LevelData split = Room();
    for (int row = 1; row <= 3; ++row)
        split.At(5, row).ground = Wall;
    split.At(7, 1).item = ItemKey;
    split.keys = 1;
    EXPECT_EQ(CheckLevel(split),
              (std::vector<LevelProblem>{LevelProblem::GoalWalledOff, LevelProblem::KeyWalledOff}));

    LevelData greedy = Room();
    greedy.At(3, 3).item = ItemKey;
    greedy.keys = 2;
    EXPECT_EQ(CheckLevel(greedy), (std::vector<LevelProblem>{LevelProblem::TooFewKeys}));
}

TEST(LevelChecks, GatesAndBlocksDoNotWallTheGoalOff)
{
    LevelData level = Room();
    for (int row = 1; row <= 3; ++row) {
        level.At(5, row).switches = static_cast<uint8_t>(SwitchCodeOf({SwitchKind::Gate, 1}));
        level.At(4, row).item = ItemBoulder;
    }
    EXPECT_TRUE(CheckLevel(level).empty());
}

TEST(LevelChecks, TheCountsComeFromTheField)
{
    LevelData level = Room();
    level.At(3, 1).item = ItemKey;
    level.At(3, 2).item = ItemCoin;
    level.At(3, 3).item = ItemCoin;
    EXPECT_EQ(KeysOnField(level), 1);
    EXPECT_EQ(CoinsOnField(level), 2);
}

}  // namespace
