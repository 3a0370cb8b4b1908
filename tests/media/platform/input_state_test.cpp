// The input state machine fed with window events directly, as the window would.
#include "media/platform/input_state.h"

#include <gtest/gtest.h>

#include "media/platform/input.h"

namespace {

TEST(KeyboardState, HoldingAKeyCountsOneHitHoweverItRepeats)
{
    InputState input;
    input.KeyDown(KeyEnter, false);
    for (int i = 0; i < 30; ++i)
        input.KeyDown(KeyEnter, true);
    // Some systems repeat without marking the repeat: the key is held already.
    input.KeyDown(KeyEnter, false);

    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 0);
    EXPECT_TRUE(input.KeyHeld(KeyEnter));
    input.KeyUp(KeyEnter);
    EXPECT_FALSE(input.KeyHeld(KeyEnter));
    // Two presses between reads count two.
    input.KeyDown(KeyEnter, false);
    input.KeyUp(KeyEnter);
    input.KeyDown(KeyEnter, false);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 2);
}

TEST(KeyboardState, CodesOutsideTheTableAreIgnored)
{
    InputState input;
    for (int code : {0, -1, 256, 1000}) {
        input.KeyDown(code, false);
        EXPECT_EQ(input.TakeKeyHits(code), 0);
        EXPECT_FALSE(input.KeyHeld(code));
    }
    input.KeyDown(255, false);
    EXPECT_EQ(input.TakeKeyHits(255), 1);
}

TEST(KeyboardState, AfterAResetAHeldKeyMustBeReleasedAndPressedAgain)
{
    InputState input;
    input.KeyDown(KeyLeft, false);
    input.ResetKeyboard();
    EXPECT_FALSE(input.KeyHeld(KeyLeft));
    EXPECT_EQ(input.TakeKeyHits(KeyLeft), 0);
    input.KeyDown(KeyLeft, true);
    EXPECT_FALSE(input.KeyHeld(KeyLeft));
    input.KeyUp(KeyLeft);
    input.KeyDown(KeyLeft, false);
    EXPECT_EQ(input.TakeKeyHits(KeyLeft), 1);
}

TEST(KeyboardState, TheCharacterQueueKeepsTheFirst256WaitingCharacters)
{
    InputState input;
    for (int i = 0; i < 300; ++i)
        input.CharacterTyped('a' + i % 26);
    input.CharacterTyped(0xE4);
    int taken = 0;
    for (int character = input.TakeCharacter(); character != 0; character = input.TakeCharacter()) {
        EXPECT_EQ(character, 'a' + taken % 26);
        ++taken;
    }
    EXPECT_EQ(taken, InputState::CharacterLimit);
    // Once read, the queue has room again.
    input.CharacterTyped(0xE4);
    EXPECT_EQ(input.TakeCharacter(), 0xE4);
}

TEST(MouseState, ButtonsCountHitsAndResetWithTheWheelButNotThePointer)
{
    InputState input;
    input.ButtonDown(1);
    input.ButtonDown(1);
    input.ButtonUp(1);
    input.ButtonDown(3);
    input.ButtonDown(4);
    input.PointerMoved(120, 45);
    input.WheelTurned(2);
    input.WheelTurned(-5);

    EXPECT_EQ(input.TakeButtonHits(1), 1);
    EXPECT_TRUE(input.ButtonHeld(3));
    EXPECT_EQ(input.TakeButtonHits(4), 0);
    EXPECT_EQ(input.WheelTotal(), -3);
    input.ResetMouseButtons();
    EXPECT_FALSE(input.ButtonHeld(3));
    EXPECT_EQ(input.TakeButtonHits(3), 0);
    EXPECT_EQ(input.WheelTotal(), 0);
    EXPECT_EQ(input.PointerX(), 120);
    EXPECT_EQ(input.PointerY(), 45);
}

TEST(WindowState, SwitchingAwayAndBackLosesHeldKeysAndHits)
{
    InputState input;
    input.KeyDown(KeyEscape, false);
    input.KeyUp(KeyEscape);
    input.KeyDown(KeyUp, false);
    input.ButtonDown(1);
    input.Deactivated();
    EXPECT_TRUE(input.Suspended());
    input.KeyDown(KeyEnter, false);
    input.Activated();

    EXPECT_FALSE(input.Suspended());
    for (int key : {KeyEscape, KeyUp, KeyEnter}) {
        EXPECT_EQ(input.TakeKeyHits(key), 0) << key;
        EXPECT_FALSE(input.KeyHeld(key)) << key;
    }
    EXPECT_EQ(input.TakeButtonHits(1), 0);
}

TEST(WindowState, EachCloseRequestIsReadOnce)
{
    InputState input;
    EXPECT_FALSE(input.TakeCloseRequest());
    input.CloseRequested();
    input.CloseRequested();
    EXPECT_TRUE(input.TakeCloseRequest());
    EXPECT_FALSE(input.TakeCloseRequest());
    // Resets of keys and buttons leave a waiting request alone.
    input.CloseRequested();
    input.ResetKeyboard();
    input.Deactivated();
    EXPECT_TRUE(input.TakeCloseRequest());
}

}  // namespace

namespace {

TEST(DisplaySwitchKeys, AltWithEnterAsksForTheOtherDisplayInsteadOfHittingEnter)
{
    InputState input;
    // Without the switch, Alt+Enter is a plain Enter.
    input.KeyDown(KeyAlt, false);
    input.KeyDown(KeyEnter, false);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1);
    EXPECT_FALSE(input.TakeDisplaySwitchRequest());
    input.KeyUp(KeyEnter);

    input.SwitchDisplayWithAltEnter(true);
    input.KeyDown(KeyEnter, false);
    input.KeyDown(KeyEnter, true);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 0);
    EXPECT_TRUE(input.TakeDisplaySwitchRequest());
    EXPECT_FALSE(input.TakeDisplaySwitchRequest()) << "once for each Alt+Enter, repeats aside";
    input.KeyUp(KeyEnter);
    input.KeyUp(KeyAlt);
    input.KeyDown(KeyEnter, false);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1) << "Enter alone";
    input.KeyUp(KeyEnter);
    // The window system may know of Alt when the state does not, as after a reset.
    input.KeyDown(KeyEnter, false, true);
    EXPECT_TRUE(input.TakeDisplaySwitchRequest());
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 0);
}

}  // namespace
