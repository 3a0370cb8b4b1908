// The display keys of "Settings.ini", read as the settings file gives them, with the
// messages for values that cannot be read, and the displays tried in their place.
#include "framework/display_keys.h"

#include <gtest/gtest.h>

#include "framework/display_fallbacks.h"
#include "framework/settings.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(DisplayKeys, WithoutThemTheDisplayIsTheDesigns)
{
    const DisplayKeys keys = ParseDisplayKeys(std::nullopt, std::nullopt, "Settings.ini");
    EXPECT_FALSE(keys.present);
    EXPECT_TRUE(keys.problems.empty());
    const DisplayShape shape = ShapeOf(keys);
    EXPECT_EQ(shape.windowScale, 1);
    EXPECT_FALSE(shape.desktopFullScreen);
    EXPECT_FALSE(shape.highDpi);
}

TEST(DisplayKeys, ValuesAsTheyAreShipped)
{
    DisplayKeys keys = ParseDisplayKeys("0", "desktop", "Settings.ini");
    EXPECT_TRUE(keys.present);
    EXPECT_EQ(keys.windowScale, 0);
    EXPECT_TRUE(keys.desktopFullScreen);
    EXPECT_TRUE(ShapeOf(keys).highDpi);
    keys = ParseDisplayKeys(" 3 ", "mode", "Settings.ini");
    EXPECT_EQ(keys.windowScale, 3);
    EXPECT_FALSE(keys.desktopFullScreen);
    EXPECT_TRUE(keys.problems.empty());
    // Either key alone brings the other's default.
    keys = ParseDisplayKeys(std::nullopt, "desktop", "Settings.ini");
    EXPECT_TRUE(keys.present);
    EXPECT_EQ(keys.windowScale, 1);
    keys = ParseDisplayKeys("2", std::nullopt, "Settings.ini");
    EXPECT_FALSE(keys.desktopFullScreen);
}

TEST(DisplayKeys, ValuesThatCannotBeReadAreNamedAndActAsAbsent)
{
    for (const char* bad : {"", "abc", "-1", "2.5", "65", "99999999999999999999", "1 2", "0x2", "+2"}) {
        const DisplayKeys keys = ParseDisplayKeys(bad, std::nullopt, "/home/a/Settings.ini");
        EXPECT_EQ(keys.windowScale, 1) << bad;
        ASSERT_EQ(keys.problems.size(), 1u) << bad;
        EXPECT_EQ(keys.problems[0], std::string("/home/a/Settings.ini: \"Window_scale\" must be 0 (the largest window that "
                                                "fits) or a whole factor from 1 to 64, not \"") +
                                        bad + "\"; the window keeps the game's own size.")
            << bad;
    }
    for (const char* bad : {"", "Desktop!", "window", "modes", "desktop mode"}) {
        const DisplayKeys keys = ParseDisplayKeys(std::nullopt, bad, "Settings.ini");
        EXPECT_FALSE(keys.desktopFullScreen) << bad;
        ASSERT_EQ(keys.problems.size(), 1u) << bad;
        EXPECT_EQ(keys.problems[0], std::string("Settings.ini: \"Fullscreen\" must be \"desktop\" or \"mode\", not \"") +
                                        bad + "\"; full screen switches the screen's mode.");
    }
    EXPECT_EQ(ParseDisplayKeys(std::string("1\0", 2), "x", "S").problems.size(), 2u);
}

TEST(DisplayKeys, AreReadFromTheCurrentSettingsFileAnyCase)
{
    TempDir dir;
    WorkingDir inside(dir.Path());
    WriteFileBytes("Settings.ini", "graphics_width = 800\r\nWINDOW_SCALE = 2\r\nfullscreen = Desktop\r\n");
    SetSettingsFile("Settings.ini");
    DisplayKeys keys = ReadDisplayKeys();
    EXPECT_TRUE(keys.present);
    EXPECT_EQ(keys.windowScale, 2);
    EXPECT_TRUE(keys.desktopFullScreen);
    WriteFileBytes("Settings.ini", "graphics_width = 800\r\n#Window_scale = 2\r\n");
    EXPECT_FALSE(ReadDisplayKeys().present) << "a comment is no key";
}

TEST(DisplayFallbacks, AFullScreenFallsBackToTheDesktopsModeThenToAWindow)
{
    const DisplayShape design;
    std::vector<DisplayAttempt> attempts = DisplayAttempts(design, 32);
    ASSERT_EQ(attempts.size(), 3u);
    EXPECT_FALSE(attempts[0].shape.desktopFullScreen);
    EXPECT_EQ(attempts[0].depth, 32);
    EXPECT_TRUE(attempts[1].shape.desktopFullScreen);
    EXPECT_EQ(attempts[1].depth, 32);
    EXPECT_EQ(attempts[2].depth, 0);

    const DisplayShape desktop{2, true, true};
    attempts = DisplayAttempts(desktop, 32);
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_TRUE(attempts[0].shape.desktopFullScreen);
    EXPECT_EQ(attempts[1].depth, 0);
    EXPECT_EQ(attempts[1].shape.windowScale, 2) << "the window the keys ask for";

    attempts = DisplayAttempts(desktop, 0);
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_EQ(attempts[0].depth, 0);
}

TEST(DisplayFallbacks, TheWarningSaysWhatWasRefusedAndWhatIsShown)
{
    EXPECT_EQ(FallbackMessage("No mode.", {DisplayShape{1, true, false}, 32}),
              "No mode. The game is shown full screen at the screen's own mode instead.");
    EXPECT_EQ(FallbackMessage("No mode.", {DisplayShape(), 0}), "No mode. The game is shown in a window instead.");
}

}  // namespace
