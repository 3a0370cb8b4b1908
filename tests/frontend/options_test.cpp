#include "frontend/options.h"

#include <gtest/gtest.h>

TEST(Options, ReadsEveryOption)
{
    Options options;
    EXPECT_EQ(ParseOptions({"--data", "d", "--script", "s.txt", "--screenshot", "10:a.png",
                            "--screenshot", "20:dir/b:c.png", "--frames", "300"},
                           options),
              "");
    EXPECT_EQ(options.data, "d");
    EXPECT_EQ(options.script, "s.txt");
    ASSERT_EQ(options.screenshots.size(), 2u);
    EXPECT_EQ(options.screenshots[0].frame, 10);
    EXPECT_EQ(options.screenshots[0].file, "a.png");
    EXPECT_EQ(options.screenshots[1].frame, 20);
    EXPECT_EQ(options.screenshots[1].file, "dir/b:c.png");
    EXPECT_EQ(options.frames, 300);
    EXPECT_FALSE(options.help);
}

TEST(Options, NamesTheArgumentAtFault)
{
    Options options;
    EXPECT_EQ(ParseOptions({"--fast"}, options), "unknown option: --fast");
    EXPECT_EQ(ParseOptions({"--frames"}, options), "missing value after --frames");
    EXPECT_EQ(ParseOptions({"--frames", "-1"}, options), "--frames needs a whole number, not: -1");
    EXPECT_EQ(ParseOptions({"--frames", "12x"}, options), "--frames needs a whole number, not: 12x");
    EXPECT_EQ(ParseOptions({"--screenshot", "shot.png"}, options),
              "--screenshot needs FRAME:FILE, not: shot.png");
    EXPECT_EQ(ParseOptions({"--screenshot", "5:"}, options), "--screenshot needs FRAME:FILE, not: 5:");
    EXPECT_EQ(ParseOptions({"--help"}, options), "");
    EXPECT_TRUE(options.help);
}

TEST(Options, AScreenshotAsShownIsOneOfTheScreenshots)
{
    Options options;
    EXPECT_EQ(ParseOptions({"--screenshot", "3:a.png", "--shown-screenshot", "4:b.png"}, options), "");
    ASSERT_EQ(options.screenshots.size(), 2u);
    EXPECT_FALSE(options.screenshots[0].asShown);
    EXPECT_TRUE(options.screenshots[1].asShown);
    EXPECT_EQ(options.screenshots[1].frame, 4);
    EXPECT_EQ(options.screenshots[1].file, "b.png");
    EXPECT_EQ(ParseOptions({"--shown-screenshot"}, options), "missing value after --shown-screenshot");
    EXPECT_EQ(ParseOptions({"--shown-screenshot", "x:b.png"}, options),
              "--shown-screenshot needs FRAME:FILE, not: x:b.png");
    EXPECT_EQ(ParseOptions({"--shown-screenshot", "-2:b.png"}, options),
              "--shown-screenshot needs FRAME:FILE, not: -2:b.png");
    EXPECT_EQ(ParseOptions({"--shown-screenshot", "7:"}, options), "--shown-screenshot needs FRAME:FILE, not: 7:");
    EXPECT_EQ(ParseOptions({"--shown-screenshots", "7:a"}, options), "unknown option: --shown-screenshots");
}
