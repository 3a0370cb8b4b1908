// How well the two colours the menus fix read in the real game, by the WCAG 2 contrast
// formula on screenshots: white captions on the highlighted menu band, and the pause menu's
// choice (25, 100, 175) on the dimmed level around it. The figures are printed; the test
// fails when the shipped pictures or fonts let them fall below what they reach now (2.84
// and 2.15 to 2.60; before the darker background and ground, 2.53 to 2.55 and 1.74 to 2.14).
#include <gtest/gtest.h>

#include <cstdio>

#include "game/level_format.h"
#include "tests/support/contrast.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"
#include "tests/support/temp_dir.h"
#include "tools/levelc/level_source.h"

namespace {

const Rgb White = {255, 255, 255};
const Rgb PauseChoice = {25, 100, 175};

TextContrast Measure(const GameFolder& game, const std::string& shot, const Rgb& color, int y, int h,
                     const std::string& what)
{
    const FramePixels frame = LoadScreenshot(game.Shot(shot));
    EXPECT_EQ(frame.width, 800) << shot;
    const TextContrast contrast = MeasureTextContrast(frame, color, 0, y, 800, h);
    std::printf("contrast %-40s glyphs %4d (%3d %3d %3d) around (%3d %3d %3d): %.2f, worst %.2f\n", what.c_str(),
                contrast.glyphPixels, contrast.glyph.red, contrast.glyph.green, contrast.glyph.blue,
                contrast.around.red, contrast.around.green, contrast.around.blue, contrast.ratio, contrast.worst);
    EXPECT_GT(contrast.glyphPixels, 100) << what;
    return contrast;
}

TEST(Contrast, TheFormulaGivesTheKnownRatios)
{
    EXPECT_NEAR(ContrastRatio(White, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, White), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(White, White), 1.0, 1e-9);
    // What the two colours allow at best: the highlight, white at half strength, over black,
    // and the pause choice on black.
    EXPECT_NEAR(ContrastRatio(White, {128, 128, 128}), 3.95, 0.01);
    EXPECT_NEAR(ContrastRatio(PauseChoice, {0, 0, 0}), 3.48, 0.01);
}

TEST(Contrast, WhiteCaptionsOnTheHighlightedBand)
{
    GameFolder game;
    // The main menu and a level page, in English and in Finnish.
    for (const std::string& language : {std::string("English"), std::string("Finnish")}) {
        const std::string choose = language == "English" ? "2 press Enter\n" : "2 press Right\n3 press Enter\n";
        const GameResult run = game.Run(choose + "8 press Enter\n",
                                        "--frames 14 --screenshot 6:menu.png --screenshot 12:page.png");
        ASSERT_EQ(run.status, 0) << run.errors;
        for (const char* shot : {"menu.png", "page.png"}) {
            const TextContrast contrast = Measure(game, shot, White, 145, 32, language + " " + shot);
            EXPECT_GE(contrast.ratio, 2.8) << language << " " << shot;
        }
    }
}

TEST(Contrast, ThePauseChoiceOnTheDimmedLevel)
{
    GameFolder game;
    // The level the figures were measured on (the first level of the first set: a field full
    // of floor behind the menu), paused, each of the three entries chosen in turn.
    const std::string source = TINDLEWICK_SOURCE_DIR "/tests/frontend/pause_contrast_level.txt";
    LevelData level;
    ASSERT_EQ(ParseLevelText(ReadFileBytes(source), source, level), "");
    WriteFileBytes(game.File("Levels/0.lev"), EncodeLevel(level));
    const GameResult run = game.Run(
        "3 press Enter\n6 press Enter\n9 press Enter\n20 press Escape\n25 press Down\n30 press Down\n",
        "--frames 35 --screenshot 22:choice0.png --screenshot 27:choice1.png --screenshot 32:choice2.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    for (int choice = 0; choice < 3; ++choice) {
        const std::string shot = "choice" + std::to_string(choice) + ".png";
        const TextContrast contrast = Measure(game, shot, PauseChoice, 150 + 30 * choice, 30, "pause entry " + shot);
        EXPECT_GE(contrast.ratio, 2.1) << shot;
    }
}

}  // namespace
