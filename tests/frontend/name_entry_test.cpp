// Typing a name on the finish screen, one frame at a time, with key hits fed to the real
// input state as the window would.
#include <gtest/gtest.h>

#include <initializer_list>

#include "frontend/name_entry.h"
#include "media/platform/input.h"
#include "media/platform/input_state.h"

namespace {

class NameEntryTest : public testing::Test {
protected:
    void SetUp() override { ResetKeyboard(); }
    void TearDown() override { ResetKeyboard(); }

    // The keys are hit (and let go) before the frame; then one frame of typing.
    static std::string Frame(const std::string& name, std::initializer_list<int> keys)
    {
        for (int key : keys) {
            Input.KeyDown(key, false);
            Input.KeyUp(key);
        }
        return NameEntry(name, 10);
    }
};

TEST_F(NameEntryTest, OneCharacterAFrameInTheGamesKeyOrder)
{
    // A before S; X, Y and Z before W; letters before digits before the blank.
    EXPECT_EQ(Frame("", {'S', 'A'}), "A");
    EXPECT_EQ(Frame("A", {}), "A") << "the S hit of the same frame was discarded";
    EXPECT_EQ(Frame("", {'W', 'Z'}), "Z");
    EXPECT_EQ(Frame("", {'W', 'X'}), "X");
    EXPECT_EQ(Frame("", {'W'}), "W");
    EXPECT_EQ(Frame("", {KeySpace, '7', 'V'}), "V");
    EXPECT_EQ(Frame("", {KeySpace, '7'}), "7");
    EXPECT_EQ(Frame("AB", {KeySpace}), "AB ");
    // Keys of no character add nothing.
    EXPECT_EQ(Frame("AB", {KeyEnter, KeyLeft, KeyF1}), "AB");
}

TEST_F(NameEntryTest, BackspaceTakesTheLastCharacterBack)
{
    EXPECT_EQ(Frame("", {KeyBackspace}), "");
    EXPECT_EQ(Frame("ANNA", {KeyBackspace}), "ANN");
    // A letter and Backspace in one frame: the letter is added, and its reset discards the
    // Backspace hit.
    EXPECT_EQ(Frame("ANN", {'A', KeyBackspace}), "ANNA");
}

TEST_F(NameEntryTest, AFullNameLeavesLetterHitsPendingUntilBackspace)
{
    const std::string full = "ABCDEFGHIJ";
    EXPECT_EQ(Frame(full, {'K'}), full);
    EXPECT_EQ(KeyPressCount('K'), 1) << "the hit is still waiting";
    Input.KeyDown('K', false);
    Input.KeyUp('K');
    EXPECT_EQ(Frame(full, {KeyBackspace}), "ABCDEFGHI");
    EXPECT_EQ(Frame("ABCDEFGHI", {}), "ABCDEFGHI") << "Backspace's reset dropped the K";
    EXPECT_EQ(Frame("ABCDEFGHI", {'K'}), "ABCDEFGHIK");
}

}  // namespace
