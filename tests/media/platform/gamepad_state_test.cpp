// The gamepads' state fed with pad events directly, as SDL's side feeds it: buttons standing
// for keys, the d-pad and the stick as one set of directions, the stick's two lines, a pad
// pulled out, and keys changed while a button is held.
#include "media/platform/gamepad_state.h"

#include <gtest/gtest.h>

#include "media/platform/input.h"

namespace {

PadKeys SomeKeys()
{
    PadKeys keys{};
    keys[PadA] = KeyEnter;
    keys[PadB] = KeyEscape;
    keys[PadStart] = KeyEscape;
    keys[PadLeft] = KeyLeft;
    keys[PadRight] = KeyRight;
    keys[PadUp] = KeyUp;
    keys[PadDown] = KeyDown;
    return keys;
}

class GamepadStateTest : public testing::Test {
protected:
    InputState input;
    GamepadState pad;

    void SetUp() override { pad.SetKeys(SomeKeys(), input); }
};

TEST_F(GamepadStateTest, AButtonIsAHitOfItsKeyAndOfThePad)
{
    pad.ControlChanged(PadControl::A, true, input);
    EXPECT_TRUE(input.KeyHeld(KeyEnter));
    EXPECT_TRUE(pad.Held(PadA));
    pad.ControlChanged(PadControl::A, false, input);
    EXPECT_FALSE(input.KeyHeld(KeyEnter));
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1);
    EXPECT_EQ(pad.TakeHits(PadA), 1);
    EXPECT_EQ(pad.TakeHits(PadA), 0);
    // B and Start stand for the same key; a button with no key counts for the pad only.
    pad.ControlChanged(PadControl::B, true, input);
    pad.ControlChanged(PadControl::Start, true, input);
    EXPECT_EQ(input.TakeKeyHits(KeyEscape), 1) << "the key was held already";
    pad.ControlChanged(PadControl::Y, true, input);
    EXPECT_EQ(pad.TakeHits(PadY), 1);
    EXPECT_EQ(input.TakeKeyHits(KeyF1), 0);
}

TEST_F(GamepadStateTest, TheDpadAndTheStickAreOneSetOfDirections)
{
    pad.ControlChanged(PadControl::DpadLeft, true, input);
    pad.StickMoved(-32768, 0, input);
    EXPECT_EQ(input.TakeKeyHits(KeyLeft), 1);
    // The d-pad let go while the stick still points left: Left stays held.
    pad.ControlChanged(PadControl::DpadLeft, false, input);
    EXPECT_TRUE(input.KeyHeld(KeyLeft));
    pad.StickMoved(0, 0, input);
    EXPECT_FALSE(input.KeyHeld(KeyLeft));
    // Up is negative y; a diagonal holds both.
    pad.StickMoved(32767, -32768, input);
    EXPECT_TRUE(input.KeyHeld(KeyRight));
    EXPECT_TRUE(input.KeyHeld(KeyUp));
    EXPECT_FALSE(input.KeyHeld(KeyDown));
}

TEST_F(GamepadStateTest, TheStickPressesPastHalfwayAndLetsGoOnlyBelowAThird)
{
    pad.StickMoved(0, GamepadState::StickPressed - 1, input);
    EXPECT_FALSE(input.KeyHeld(KeyDown));
    pad.StickMoved(0, GamepadState::StickPressed, input);
    EXPECT_TRUE(input.KeyHeld(KeyDown));
    // Wavering between the lines presses nothing more.
    for (int value : {GamepadState::StickPressed - 1, GamepadState::StickReleased, GamepadState::StickPressed + 5})
        pad.StickMoved(3000, value, input);
    EXPECT_TRUE(input.KeyHeld(KeyDown));
    EXPECT_EQ(pad.TakeHits(PadDown), 1);
    pad.StickMoved(0, GamepadState::StickReleased - 1, input);
    EXPECT_FALSE(input.KeyHeld(KeyDown));
    EXPECT_FALSE(input.KeyHeld(KeyRight)) << "3000 is no push";
}

TEST_F(GamepadStateTest, APadPulledOutLetsGoOfEverything)
{
    pad.ControlChanged(PadControl::A, true, input);
    pad.StickMoved(0, 32767, input);
    pad.ReleaseAll(input);
    EXPECT_FALSE(input.KeyHeld(KeyEnter));
    EXPECT_FALSE(input.KeyHeld(KeyDown));
    EXPECT_FALSE(pad.Held(PadDown));
}

TEST_F(GamepadStateTest, NewKeysLetGoOfTheOldOnesAndStartWithoutPendingHits)
{
    pad.ControlChanged(PadControl::DpadRight, true, input);
    pad.ControlChanged(PadControl::A, true, input);
    PadKeys other{};
    other[PadRight] = 'X';
    pad.SetKeys(other, input);
    EXPECT_FALSE(input.KeyHeld(KeyRight));
    EXPECT_FALSE(input.KeyHeld(KeyEnter));
    EXPECT_EQ(pad.TakeHits(PadRight), 0);
    // A button held across the change presses its new key only when pressed again.
    pad.ControlChanged(PadControl::DpadRight, false, input);
    EXPECT_EQ(input.TakeKeyHits('X'), 0);
    pad.ControlChanged(PadControl::DpadRight, true, input);
    EXPECT_TRUE(input.KeyHeld('X'));
    pad.ControlChanged(PadControl::A, false, input);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1) << "only the hit of before the change";
}

TEST(PadControls, NamesAreSdlsGameControllerNames)
{
    for (const char* name : {"a", "b", "x", "y", "back", "start", "leftshoulder", "rightshoulder", "dpup",
                             "dpdown", "dpleft", "dpright", "leftx-", "leftx+", "lefty-", "lefty+"}) {
        const std::optional<PadControl> control = PadControlNamed(name);
        ASSERT_TRUE(control) << name;
        EXPECT_STREQ(PadControlName(*control), name);
    }
    for (const char* unknown : {"", "A", "guide", "dpad", "leftx", "righty+", "a "})
        EXPECT_FALSE(PadControlNamed(unknown)) << unknown;
    EXPECT_TRUE(IsStickControl(PadControl::StickDown));
    EXPECT_FALSE(IsStickControl(PadControl::DpadDown));
}

}  // namespace
