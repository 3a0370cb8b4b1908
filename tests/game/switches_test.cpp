#include "game/switches.h"

#include "tests/game/world_fixture.h"

class Switches : public WorldTest {
protected:
    bool GateParked(int column, int row)
    {
        for (const GameObject& object : LevelObjects) {
            const auto gate = std::dynamic_pointer_cast<TColorGate>(object);
            if (gate && gate->SavedX == CellX(column) && gate->SavedY == CellY(row) && gate->Parked())
                return true;
        }
        return false;
    }
};

TEST_F(Switches, AnActiveButtonOpensItsGatesAsTheStepStartsAndHoldsWhileOccupied)
{
    Load({"######", "#@a..#", "#AB.A#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    EXPECT_TRUE(GateParked(1, 2));
    EXPECT_TRUE(GateParked(4, 2));
    EXPECT_TRUE(At(2, 2, ObjectKind::ColorGate)) << "a gate of another colour stays";
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"button", "steps"}));
    Run(200);
    EXPECT_TRUE(GateParked(1, 2));
    // The button sees the player leave one frame after the step starts.
    Hold({KeyRight});
    Run(1);
    EXPECT_TRUE(GateParked(1, 2));
    Run(1);
    EXPECT_TRUE(At(1, 2, ObjectKind::ColorGate));
    EXPECT_TRUE(At(4, 2, ObjectKind::ColorGate));
    EXPECT_EQ(First<TButty_Active>(ObjectKind::ButtyActive)->Pressed, 0);
}

TEST_F(Switches, AnActiveButtonStaysDownAtLeastThirtyFrames)
{
    Load({"######", "#@a..#", "#A####"});
    Hold({KeyRight});
    Run(30);
    // Pressed in frame 1; its first release check is its 30th update after, in frame 31.
    EXPECT_TRUE(GateParked(1, 2));
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_EQ(button->HoldTimer, 1);
    Run(1);
    EXPECT_TRUE(At(1, 2, ObjectKind::ColorGate));
}

TEST_F(Switches, ARollingBoulderPressesOnceAndDoesNotHold)
{
    Load({"########", "#@o.a..#", "#A######"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    // The boulder stands on column 3 after frame 17 and presses the button in frame 18.
    Run(16);
    EXPECT_FALSE(GateParked(1, 2));
    Run(1);
    EXPECT_TRUE(GateParked(1, 2));
    Run(29);
    EXPECT_TRUE(GateParked(1, 2));
    Run(1);
    EXPECT_TRUE(At(1, 2, ObjectKind::ColorGate));
}

TEST_F(Switches, AStaticButtonRemovesItsGatesForGood)
{
    Load({"#######", "#@1.a.#", "#A.B.A#"});
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(CountOf(ObjectKind::ColorGate), 1);
    EXPECT_TRUE(At(3, 2, ObjectKind::ColorGate));
    EXPECT_EQ(First<TButty_Static>(ObjectKind::ButtyStatic)->Pressed, 1);
    // The active button of the same colour finds no gate to open or close.
    Run(200);
    EXPECT_EQ(First<TButty_Active>(ObjectKind::ButtyActive)->Pressed, 0);
    EXPECT_EQ(CountOf(ObjectKind::ColorGate), 1);
    EXPECT_EQ(First<TButty_Static>(ObjectKind::ButtyStatic)->Pressed, 1);
    // Restarting brings the gates back.
    Load({"#######", "#@1.a.#", "#A.B.A#"});
    EXPECT_EQ(CountOf(ObjectKind::ColorGate), 3);
}

TEST_F(Switches, AParkedGateIgnoresASecondOpen)
{
    // Two active buttons of one colour down at once: the gate must come back to its own cell,
    // never to the parking place.
    Load({"######", "#@aa.#", "####A#"});
    Hold({KeyRight});
    Run(32);
    Hold({});
    // The first button let go in frame 31 while the second was down.
    EXPECT_TRUE(At(4, 2, ObjectKind::ColorGate));
    Hold({KeyRight});
    Run(40);
    EXPECT_TRUE(At(4, 2, ObjectKind::ColorGate));
    const auto gate = First<TColorGate>(ObjectKind::ColorGate);
    gate->Trigger(GateOpenCode);
    gate->Trigger(GateOpenCode);
    EXPECT_TRUE(gate->Parked());
    gate->Trigger(GateCloseCode);
    EXPECT_EQ(gate->X, CellX(4));
    EXPECT_EQ(gate->Y, CellY(2));
}

TEST_F(Switches, AClosingGateLandsOnWhatStandsThereWhichCanStillLeave)
{
    Load({"######", "#@aA.#"});
    Hold({KeyRight});
    Run(32);
    Hold({});
    EXPECT_TRUE(PlayerAt(3, 1));
    EXPECT_TRUE(At(3, 1, ObjectKind::ColorGate));
    Hold({KeyRight});
    Run(16);
    EXPECT_TRUE(PlayerAt(4, 1));
}

TEST_F(Switches, ACoinOrKeyLyingOnAButtonHoldsIt)
{
    Load({"#####", "#@D.#", "#A###"}, {"D = floor active:0 key"});
    // Pressed by hand, the key resting on the button holds it down.
    First<TButty_Active>(ObjectKind::ButtyActive)->Trigger(0);
    Run(100);
    EXPECT_TRUE(GateParked(1, 2));
}

TEST_F(Switches, OnlyWhatRestsExactlyOnAnActiveButtonHoldsIt)
{
    // Floor, two active buttons and a box on one cell; the player beside it.
    Load({"#####", "#@D.#", "#####"}, {"D = floor active:0 box"});
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_TRUE(button->Held()) << "the box rests on it";
    Load({"#####", "#@a.#", "#####"});
    const auto bare = First<TButty_Active>(ObjectKind::ButtyActive);
    EXPECT_FALSE(bare->Held()) << "a floor does not hold it";
    // The player in mid-step over the button holds it only once it stands there.
    Hold({KeyRight});
    Run(1);
    Hold({});
    EXPECT_FALSE(bare->Held());
    Run(15);
    ASSERT_TRUE(PlayerAt(2, 1));
    EXPECT_TRUE(bare->Held());
}

TEST_F(Switches, AnotherActiveButtonOnTheCellDoesNotHoldOne)
{
    Load({"####", "#@D#", "####"}, {"D = floor active:0"});
    const auto button = First<TButty_Active>(ObjectKind::ButtyActive);
    auto other = std::make_shared<TButty_Active>();
    other->Spawn();
    other->X = button->X;
    other->Y = button->Y;
    EXPECT_FALSE(button->Held());
    EXPECT_FALSE(other->Held());
}
