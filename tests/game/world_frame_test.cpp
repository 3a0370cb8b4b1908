#include "game/world_frame.h"

#include "game/pushables.h"
#include "game/switches.h"
#include "tests/game/world_fixture.h"

class WorldAtRestTest : public WorldTest {};

TEST_F(WorldAtRestTest, ALevelJustLoadedIsAtRest)
{
    Load({"######", "#@a.o#", "#A####"});
    EXPECT_TRUE(WorldAtRest(Rest::NothingMoves));
    EXPECT_TRUE(WorldAtRest(Rest::NothingPending));
}

TEST_F(WorldAtRestTest, AStepOrARollUnderWayIsNotRest)
{
    Load({"#######", "#@o...#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    EXPECT_FALSE(WorldAtRest(Rest::NothingMoves));
    EXPECT_FALSE(WorldAtRest(Rest::NothingPending));
    // The player arrives after frame 16; the boulder, set rolling in frame 1, still rolls.
    Run(15);
    ASSERT_TRUE(PlayerAt(2, 1));
    ASSERT_EQ(First(ObjectKind::Boulder)->Moving, 1);
    EXPECT_FALSE(WorldAtRest(Rest::NothingMoves));
    Run(100);
    EXPECT_TRUE(WorldAtRest(Rest::NothingMoves));
}

TEST_F(WorldAtRestTest, AnActiveButtonCountingDownIsPendingButDoesNotMove)
{
    Load({"#####", "#@a.#", "#A###"});
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    Hold({KeyRight});
    Run(16);
    Hold({});
    ASSERT_TRUE(PlayerAt(2, 1));
    ASSERT_GT(button->HoldTimer, 0);
    EXPECT_TRUE(WorldAtRest(Rest::NothingMoves));
    EXPECT_FALSE(WorldAtRest(Rest::NothingPending));
    // Counted down, and held by the player standing on it: nothing more happens.
    Run(button->HoldTimer);
    ASSERT_EQ(button->HoldTimer, 0);
    EXPECT_EQ(button->Pressed, 1);
    EXPECT_TRUE(WorldAtRest(Rest::NothingPending));
}

TEST_F(WorldAtRestTest, AnActiveButtonDownWithNothingOnItIsAboutToComeUp)
{
    Load({"#####", "#@.a#", "#####"});
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    button->Pressed = 1;
    EXPECT_TRUE(WorldAtRest(Rest::NothingMoves));
    EXPECT_FALSE(WorldAtRest(Rest::NothingPending));
    Run(1);
    EXPECT_EQ(button->Pressed, 0);
    EXPECT_TRUE(WorldAtRest(Rest::NothingPending));
}
