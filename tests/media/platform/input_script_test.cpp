// Scripted input: reading scripts, and their events arriving through the input queries as
// PresentFrame is called.
#include "media/platform/input_script.h"

#include <gtest/gtest.h>

#include <vector>

#include "media/platform/display.h"
#include "media/platform/input.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(InputScriptReading, KeyNamesIgnoreCaseAndLettersAndDigitsAreTheirOwnCodes)
{
    EXPECT_EQ(ScriptKeyCode("Backspace"), KeyBackspace);
    EXPECT_EQ(ScriptKeyCode("escape"), KeyEscape);
    EXPECT_EQ(ScriptKeyCode("F1"), KeyF1);
    EXPECT_EQ(ScriptKeyCode("z"), 'Z');
    EXPECT_EQ(ScriptKeyCode("0"), '0');
    for (const char* unknown : {"", "F2", "AB", "!", "Return"})
        EXPECT_EQ(ScriptKeyCode(unknown), 0) << unknown;
}

TEST(InputScriptReading, BadLinesAreNamedWithTheFileAndLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"0 press Jump", "s.txt, line 1: unknown key \"Jump\"."},
        {"# moves\n\n4 hop Left", "s.txt, line 3: unknown event \"hop\" (down, up, press or close)."},
        {"x down Left", "s.txt, line 1: the frame \"x\" is not a whole number."},
        {"-2 down Left", "s.txt, line 1: the frame \"-2\" is not a whole number."},
        {"3 down", "s.txt, line 1: down needs a key."},
        {"3 close Left", "s.txt, line 1: close takes no key."},
        {"3 up Left Right", "s.txt, line 1: unexpected \"Right\" after the key."},
    };
    for (const auto& c : cases) {
        InputScript script;
        EXPECT_EQ(script.Read("s.txt", c.text), c.message) << c.text;
        EXPECT_TRUE(script.Finished());
    }
}

TEST(InputScriptReading, GamepadControlsAndThePadItselfAreKeysToo)
{
    InputScript script;
    ASSERT_EQ(script.Read("s.txt", "0 down pad\n1 press PAD:A\n2 down pad:lefty-\n3 up pad:dpright\n4 up Pad\n5 down Alt\n"), "");
    InputState input;
    std::vector<ScriptedEvent> pad;
    script.Deliver(10, input, [&](const ScriptedEvent& event) { pad.push_back(event); });
    ASSERT_EQ(pad.size(), 6u);
    EXPECT_EQ(pad[0].kind, ScriptedEvent::PadPlug);
    EXPECT_EQ(pad[1].kind, ScriptedEvent::PadDown);
    EXPECT_EQ(pad[1].control, PadControl::A);
    EXPECT_EQ(pad[2].kind, ScriptedEvent::PadUp);
    EXPECT_EQ(pad[3].control, PadControl::StickUp);
    EXPECT_EQ(pad[4].kind, ScriptedEvent::PadUp);
    EXPECT_EQ(pad[4].control, PadControl::DpadRight);
    EXPECT_EQ(pad[5].kind, ScriptedEvent::PadUnplug);
    EXPECT_TRUE(input.KeyHeld(KeyAlt));
    // Without a taker, the pad's events are dropped and the keys' still arrive.
    InputScript again;
    ASSERT_EQ(again.Read("s.txt", "0 press pad:b\n0 down Alt\n"), "");
    InputState other;
    again.Deliver(0, other);
    EXPECT_TRUE(other.KeyHeld(KeyAlt));
    EXPECT_TRUE(again.Finished());
}

TEST(InputScriptReading, BadGamepadControlsAreNamed)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"0 press pad:guide", "s.txt, line 1: unknown gamepad control \"guide\"."},
        {"0 press pad:", "s.txt, line 1: unknown gamepad control \"\"."},
        {"0 down pad:leftx", "s.txt, line 1: unknown gamepad control \"leftx\"."},
        {"0 press pads", "s.txt, line 1: unknown key \"pads\"."},
        {"0 press pad:a b", "s.txt, line 1: unexpected \"b\" after the key."},
        {"0 close pad", "s.txt, line 1: close takes no key."},
    };
    for (const auto& c : cases) {
        InputScript script;
        EXPECT_EQ(script.Read("s.txt", c.text), c.message) << c.text;
        EXPECT_TRUE(script.Finished());
    }
}

TEST(InputScriptReading, TheMouseAndTypedTextGoToTheirTaker)
{
    InputScript script;
    ASSERT_EQ(script.Read("s.txt", "0 pointer 0 599\n1 press MOUSE1\n2 down mouse2\n3 up mouse2\n4 type abc\n"), "");
    InputState input;
    std::vector<ScriptedEvent> taken;
    script.Deliver(10, input, [&](const ScriptedEvent& event) { taken.push_back(event); });
    ASSERT_EQ(taken.size(), 6u);
    EXPECT_EQ(taken[0].kind, ScriptedEvent::PointerMove);
    EXPECT_EQ(taken[0].x, 0);
    EXPECT_EQ(taken[0].y, 599);
    EXPECT_EQ(taken[1].kind, ScriptedEvent::ButtonDown);
    EXPECT_EQ(taken[1].keyCode, 1);
    EXPECT_EQ(taken[2].kind, ScriptedEvent::ButtonUp);
    EXPECT_EQ(taken[3].kind, ScriptedEvent::ButtonDown);
    EXPECT_EQ(taken[3].keyCode, 2);
    EXPECT_EQ(taken[4].kind, ScriptedEvent::ButtonUp);
    EXPECT_EQ(taken[5].kind, ScriptedEvent::Typed);
    EXPECT_EQ(taken[5].text, "abc");
}

TEST(InputScriptReading, BadPointerAndTypingLinesAreNamed)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"0 pointer 800 10", "s.txt, line 1: the pointer's x \"800\" is not a whole number from 0 to 799."},
        {"0 pointer -1 10", "s.txt, line 1: the pointer's x \"-1\" is not a whole number from 0 to 799."},
        {"0 pointer 10 600", "s.txt, line 1: the pointer's y \"600\" is not a whole number from 0 to 599."},
        {"0 pointer 10", "s.txt, line 1: the pointer's y \"\" is not a whole number from 0 to 599."},
        {"0 pointer 1 2 3", "s.txt, line 1: unexpected \"3\" after the pointer's y."},
        {"0 type", "s.txt, line 1: type needs one word of text."},
        {"0 type a b", "s.txt, line 1: type needs one word of text."},
        {"0 press mouse3", "s.txt, line 1: unknown key \"mouse3\"."},
    };
    for (const auto& c : cases) {
        InputScript script;
        EXPECT_EQ(script.Read("s.txt", c.text), c.message) << c.text;
        EXPECT_TRUE(script.Finished());
    }
}

TEST(InputScriptDelivery, EventsArriveOnceTheirFrameHasCome)
{
    InputScript script;
    ASSERT_EQ(script.Read("s.txt", "# a walk\r\n2 down Right\r\n0 press Enter\r\n  \r\n5 up Right\r\n5 close\r\n"), "");
    InputState input;

    script.Deliver(0, input);
    EXPECT_EQ(input.TakeKeyHits(KeyEnter), 1);
    EXPECT_FALSE(input.KeyHeld(KeyEnter));
    EXPECT_FALSE(input.KeyHeld(KeyRight));

    script.Deliver(3, input);
    EXPECT_TRUE(input.KeyHeld(KeyRight));
    EXPECT_EQ(input.TakeKeyHits(KeyRight), 1);
    // Delivered events are not delivered again.
    script.Deliver(4, input);
    EXPECT_EQ(input.TakeKeyHits(KeyRight), 0);
    EXPECT_FALSE(input.TakeCloseRequest());

    script.Deliver(5, input);
    EXPECT_FALSE(input.KeyHeld(KeyRight));
    EXPECT_TRUE(input.TakeCloseRequest());
    EXPECT_TRUE(script.Finished());
}

TEST(InputScriptDelivery, TheQueriesDeliverALoadedScriptAsFramesArePresented)
{
    TempDir folder;
    const std::string path = folder.File("walk.txt");
    // Frames count the presents since the program started.
    const int start = PresentCount();
    const auto frame = [start](int n) { return std::to_string(start + n); };
    WriteFileBytes(path, frame(1) + " down Up\n" + frame(2) + " press Escape\n" + frame(2) +
                             " up Up\n" + frame(3) + " close\n");
    ASSERT_EQ(LoadInputScript(path), "");

    EXPECT_EQ(KeyIsHeld(KeyUp), 0);
    PresentFrame(-1);
    EXPECT_EQ(KeyIsHeld(KeyUp), 1);
    EXPECT_EQ(KeyPressCount(KeyEscape), 0);
    PresentFrame(-1);
    EXPECT_EQ(KeyPressCount(KeyEscape), 1);
    EXPECT_EQ(KeyIsHeld(KeyUp), 0);
    EXPECT_EQ(CloseWasRequested(), 0);
    PresentFrame(-1);
    EXPECT_EQ(CloseWasRequested(), 1);
    EXPECT_EQ(CloseWasRequested(), 0);
}

TEST(InputScriptDelivery, AMissingScriptIsNamed)
{
    EXPECT_EQ(LoadInputScript("/no/such/script.txt"),
              "Cannot open the input script /no/such/script.txt.");
}

}  // namespace
