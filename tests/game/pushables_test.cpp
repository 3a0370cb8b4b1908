#include "game/pushables.h"

#include "game/switches.h"

#include "tests/game/world_fixture.h"

class Pushables : public WorldTest {};

TEST_F(Pushables, ARowOfWoodenBlocksMovesAsAWholeOneCell)
{
    Load({"#########", "#@www..#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    // The blocks were updated before the player set them moving: they start next frame.
    for (int column = 2; column <= 4; ++column) {
        const auto block = At(column, 1, ObjectKind::Woody);
        ASSERT_TRUE(block) << column;
        EXPECT_EQ(block->Moving, 1);
        EXPECT_EQ(block->Facing, DirRight);
    }
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"pushy", "steps"}));
    Run(15);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_FALSE(At(5, 1, ObjectKind::Woody));
    Run(1);
    for (int column = 3; column <= 5; ++column)
        EXPECT_TRUE(At(column, 1, ObjectKind::Woody)) << column;
    EXPECT_EQ(MoveCount, 1);
}

TEST_F(Pushables, BlockedRowsAndBoxesDoNotMove)
{
    // Wood before a box, a box before a box, wood pushed against a wall.
    for (const std::string row : {"#@wwwx.#", "#@xx..#", "#@w#"}) {
        Load({"########", row});
        Hold({KeyRight});
        Run(20);
        EXPECT_TRUE(PlayerAt(1, 1)) << row;
        EXPECT_EQ(MoveCount, 0) << row;
        EXPECT_TRUE(SoundsStarted.empty()) << row;
        for (const GameObject& object : LevelObjects)
            EXPECT_EQ(object->Moving, 0) << row;
    }
}

TEST_F(Pushables, AButtonMetBeforeABlockerStaysPressed)
{
    // The wood rule meets the floor, then the button (pressed), then the box (blocked).
    Load({"######", "#@wD.#"}, {"D = floor active:0 box"});
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(At<TGameObject>(2, 1, ObjectKind::Woody)->Moving, 0);
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_EQ(button->Pressed, 1);
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"button"}));
}

TEST_F(Pushables, ABoxMovesOntoButtonsAndHoldsThem)
{
    Load({"######", "#@xa.#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_EQ(button->Pressed, 1);
    Run(200);
    EXPECT_TRUE(At(3, 1, ObjectKind::Boxy));
    EXPECT_EQ(button->Pressed, 1);
}

TEST_F(Pushables, ABoulderRollsThroughWoodenBlocksUntilAWall)
{
    Load({"#########", "#@o..w..#"});
    const auto boulder = First<TBoulder>(ObjectKind::Boulder);
    Hold({KeyRight});
    Run(1);
    Hold({});
    EXPECT_EQ(boulder->Moving, 1);
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"steps"}));
    // Rolling from frame 2, it stands on column 4 after frame 33 and meets the block then.
    Run(32);
    EXPECT_EQ(boulder->X, CellX(4));
    EXPECT_TRUE(At(5, 1, ObjectKind::Woody));
    EXPECT_EQ(LiveParticleCount(), 0);
    Run(1);
    EXPECT_EQ(CountOf(ObjectKind::Woody), 0);
    EXPECT_EQ(LiveParticleCount(), 4);
    EXPECT_EQ(boulder->Moving, 1);
    // Column 7 after frame 81; frame 82 finds the wall.
    Run(47);
    EXPECT_EQ(boulder->X, CellX(7));
    EXPECT_EQ(boulder->Moving, 1);
    Run(1);
    EXPECT_EQ(boulder->Moving, 0);
    EXPECT_EQ(boulder->X, CellX(7));
    EXPECT_EQ(boulder->Angle, (81 * 3) % 360);
    EXPECT_TRUE(PlayerAt(2, 1));
}

TEST_F(Pushables, ABoulderBeforeAWallTwoCellsAwayRollsOneCell)
{
    Load({"#####", "#@o.#"});
    const auto boulder = First<TBoulder>(ObjectKind::Boulder);
    Hold({KeyRight});
    Run(1);
    Hold({});
    Run(16);
    EXPECT_EQ(boulder->Moving, 1);
    Run(1);
    EXPECT_EQ(boulder->Moving, 0);
    EXPECT_EQ(boulder->X, CellX(3));
    EXPECT_TRUE(PlayerAt(2, 1));
}

TEST_F(Pushables, ARollingBoulderHandsItsMotionToAResting)
{
    Load({"##########", "#@o...o..#"});
    const auto first = At<TBoulder>(2, 1, ObjectKind::Boulder);
    const auto second = At<TBoulder>(6, 1, ObjectKind::Boulder);
    Hold({KeyRight});
    Run(1);
    Hold({});
    Run(48);
    EXPECT_EQ(first->X, CellX(5));
    EXPECT_EQ(second->Moving, 0);
    // Frame 50: the first stops in front, the second starts and, later in the list, moves at once.
    Run(1);
    EXPECT_EQ(first->Moving, 0);
    EXPECT_EQ(first->X, CellX(5));
    EXPECT_EQ(second->Moving, 1);
    EXPECT_EQ(second->X, CellX(6) + MoveSpeed);
    Run(40);
    EXPECT_EQ(second->Moving, 0);
    EXPECT_EQ(second->X, CellX(8));
}

TEST_F(Pushables, AHitBoulderWhoseWayIsBlockedStaysAndStopsTheRoller)
{
    Load({"#########", "#@o..ox.#"});
    const auto first = At<TBoulder>(2, 1, ObjectKind::Boulder);
    const auto second = At<TBoulder>(5, 1, ObjectKind::Boulder);
    Hold({KeyRight});
    Run(1);
    Hold({});
    Run(100);
    EXPECT_EQ(first->X, CellX(4));
    EXPECT_EQ(first->Moving, 0);
    EXPECT_EQ(second->X, CellX(5));
    EXPECT_EQ(second->Moving, 0);
}

TEST_F(Pushables, ThePlayerCannotPushABoulderAgainstABoulder)
{
    Load({"######", "#@oo.#"});
    Hold({KeyRight});
    Run(5);
    EXPECT_TRUE(PlayerAt(1, 1));
    for (const GameObject& object : LevelObjects)
        EXPECT_EQ(object->Moving, 0);
}
