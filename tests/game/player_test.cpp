#include "game/player.h"

#include "tests/game/world_fixture.h"

class PlayerRules : public WorldTest {};

TEST_F(PlayerRules, AStepTakesSixteenFramesAndIsCounted)
{
    Load({"#####", "#@..#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    // The step moves in the frame its key is seen.
    EXPECT_EQ(Player->Moving, 1);
    EXPECT_EQ(Player->X, CellX(1) + MoveSpeed);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(ReplayString, "D");
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"steps"}));
    Run(14);
    EXPECT_EQ(Player->Moving, 1);
    Run(1);
    EXPECT_TRUE(PlayerAt(2, 1));
}

TEST_F(PlayerRules, AHeldKeyStepsAgainInTheFrameAfterArrival)
{
    Load({"######", "#@...#"});
    Hold({KeyRight});
    Run(17);
    EXPECT_EQ(Player->X, CellX(2) + MoveSpeed);
    EXPECT_EQ(MoveCount, 2);
    Run(100);
    EXPECT_TRUE(PlayerAt(4, 1));
    EXPECT_EQ(ReplayString, "DDD");
}

TEST_F(PlayerRules, KeysAreTriedUpRightDownLeftAndOnlyTheFirstHeld)
{
    Load({"#####", "#...#", "#.@.#", "#...#", "#####"});
    // Up and Left together: Up wins.
    Hold({KeyUp, KeyLeft});
    Run(16);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_EQ(Player->Facing, DirUp);
    // Up blocked by the wall: Left is not tried in its place.
    Run(10);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_EQ(MoveCount, 1);
    // Down and Left: Down comes first.
    Hold({KeyLeft, KeyDown});
    Run(16);
    EXPECT_TRUE(PlayerAt(2, 2));
    Hold({KeyRight, KeyDown});
    Run(16);
    EXPECT_TRUE(PlayerAt(3, 2));
    EXPECT_EQ(ReplayString, "WSD");
}

TEST_F(PlayerRules, WallsClosedGatesAndClosedGoalsBlockSilently)
{
    for (const std::string row : {"#@#", "#@A", "#@*"}) {
        Load({"####", row, "#k#"});
        Hold({KeyRight});
        Run(30);
        EXPECT_TRUE(PlayerAt(1, 1)) << row;
        EXPECT_EQ(MoveCount, 0) << row;
        EXPECT_TRUE(SoundsStarted.empty()) << row;
        EXPECT_TRUE(finishes.empty()) << row;
    }
}

TEST_F(PlayerRules, StandingStillInPlayBlinksEvery155Frames)
{
    Load({"###", "#@#"});
    // Pressing into a wall is standing still too.
    Hold({KeyRight});
    Run(149);
    EXPECT_EQ(PlayerFrame, 0);
    EXPECT_EQ(IdleCounter, 149);
    Run(1);
    EXPECT_EQ(PlayerFrame, 1);
    EXPECT_EQ(IdleCounter, -5);
    Run(4);
    EXPECT_EQ(PlayerFrame, 1);
    Run(1);
    EXPECT_EQ(PlayerFrame, 0);
    EXPECT_EQ(IdleCounter, 0);
    Run(150);
    EXPECT_EQ(PlayerFrame, 1);
}

TEST_F(PlayerRules, AStepEndsTheBlinkAndRestartsTheCount)
{
    Load({"####", "#@.#"});
    Run(151);
    ASSERT_EQ(PlayerFrame, 1);
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(PlayerFrame, 0);
    EXPECT_EQ(IdleCounter, 0);
}

TEST_F(PlayerRules, OutsidePlayThereIsNoKeyboardAndNoBlinkButAStepIsCompleted)
{
    Load({"#####", "#@..#"});
    Hold({KeyRight});
    Run(1);
    GameState = StateReplay;
    Run(300);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_EQ(PlayerFrame, 0);
    EXPECT_EQ(IdleCounter, 0);
    EXPECT_EQ(MoveCount, 1);
}

TEST_F(PlayerRules, AReplayRetriesARefusedLetterUntilItIsAllowed)
{
    // Pushed right, the boulder rolls onto the button in frame 18, which opens the gate
    // under the player's second letter.
    Load({"#######", "#@o.a.#", "##A####"});
    GameState = StateReplay;
    Player->ReplayMoves = "DS";
    Replay(17);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_EQ(MoveCount, 1);
    Replay(1);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(Player->Facing, DirDown);
    Replay(100);
    EXPECT_TRUE(PlayerAt(2, 2));
    EXPECT_EQ(ReplayString, "DS");
    // A replay plays no step sound.
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"button"}));
}

TEST_F(PlayerRules, TryMoveTakesOnlyTheFourCapitalLetters)
{
    Load({"#####", "#.@.#", "#####"});
    for (const std::string letter : {"", "d", "X", "DD"}) {
        Player->TryMove(letter);
        EXPECT_EQ(Player->Moving, 0) << letter;
    }
    Player->TryMove("A");
    EXPECT_EQ(Player->Moving, 1);
    EXPECT_EQ(Player->Facing, DirLeft);
    EXPECT_EQ(ReplayString, "A");
}

TEST_F(PlayerRules, SpawnAndRemoveResetTheAttempt)
{
    Load({"#####", "#@$.#"});
    Hold({KeyRight});
    Run(1);
    ASSERT_EQ(CoinsTaken, 1);
    TGameObject::ClearAll();
    EXPECT_EQ(CoinsTaken, 0);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(ReplayString, "");
    EXPECT_EQ(Player->Moving, 0);
    EXPECT_EQ(LevelObjects.Count(), 0);
}
