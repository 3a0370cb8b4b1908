// The script's mouse and typing reach the polled queries through a real window's event
// queue: the pointer lands on the picture's point whatever the window's scale, the buttons
// count hits and hold, and typed 8-bit text arrives character by character.
#include <gtest/gtest.h>

#include "media/platform/display.h"
#include "media/platform/input.h"
#include "tests/support/temp_dir.h"

namespace {

// Loads a script whose frames count from the next present.
void LoadScriptFromNow(const TempDir& folder, const std::vector<std::pair<int, std::string>>& lines)
{
    std::string text;
    for (const auto& [frame, event] : lines)
        text += std::to_string(PresentCount() + frame) + " " + event + "\n";
    const std::string path = folder.File("mouse.txt");
    WriteFileBytes(path, text);
    ASSERT_EQ(LoadInputScript(path), "");
}

class ScriptMouse : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        SetDisplayShape({GetParam(), false, false});
        ASSERT_NE(OpenDisplay(800, 600, 0, 0, 2), nullptr) << DisplayError();
    }
    void TearDown() override
    {
        CloseDisplay();
        SetDisplayShape({});
    }
    TempDir folder_;
};

TEST_P(ScriptMouse, PointerButtonsAndTextArriveAsWindowEvents)
{
    LoadScriptFromNow(folder_, {{1, "pointer 51 26"}, {1, "down mouse1"}, {2, "pointer 799 599"},
                                {2, "up mouse1"}, {3, "press mouse2"}, {3, "type \xC4ly"}});
    PresentFrame(-1);
    EXPECT_EQ(PointerX(), 51);
    EXPECT_EQ(PointerY(), 26);
    EXPECT_EQ(ButtonPressCount(1), 1);
    PresentFrame(-1);
    EXPECT_EQ(PointerX(), 799);
    EXPECT_EQ(PointerY(), 599);
    EXPECT_EQ(ButtonPressCount(1), 0);
    PresentFrame(-1);
    EXPECT_EQ(ButtonPressCount(2), 1);
    EXPECT_EQ(ButtonPressCount(1), 0);
    EXPECT_EQ(TypedCharacter(), 0xC4);
    EXPECT_EQ(TypedCharacter(), 'l');
    EXPECT_EQ(TypedCharacter(), 'y');
    EXPECT_EQ(TypedCharacter(), 0);
}

INSTANTIATE_TEST_SUITE_P(WindowScales, ScriptMouse, testing::Values(1, 2));

}  // namespace
