// The real game, played by script twice, once drawing every frame whole and once redrawing
// only what changed: every screenshot taken along the way must come out byte for byte the
// same. The run crosses the language screen, the main menu with its scrolling help line, a
// switch of the display, a level with the player walking over coins (sparkles) and pushing
// a wooden block, the spinning goal, the pulsing coins, and the pause menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/frame_pixels.h"
#include "tests/support/game_folder.h"

namespace {

// Language screen: Enter. Main menu: down to the settings, Enter; down to the display
// switch, Enter; down to "back", Enter. Main menu: Enter plays, Enter takes level 1. Walk
// right, pause, move the pause choice, resume.
const char* const Script =
    "3 press Enter\n12 press Down\n15 press Down\n18 press Enter\n21 press Down\n24 press Enter\n"
    "27 press Down\n30 press Enter\n33 press Enter\n36 press Enter\n40 down Right\n90 up Right\n"
    "100 press Escape\n105 press Down\n110 press Escape\n";

std::vector<int> ShotFrames()
{
    std::vector<int> frames = {1, 2, 8, 9, 10, 20, 25, 26, 31, 34};
    for (int frame = 38; frame <= 118; frame += 4)
        frames.push_back(frame);
    return frames;
}

// The screenshots of one scripted run, by frame.
std::vector<std::string> PlayThrough(const GameFolder& game, bool trackDamage, const std::string& prefix)
{
    RedrawSwitch redraw(trackDamage);
    std::string shots;
    for (int frame : ShotFrames())
        shots += " --screenshot " + std::to_string(frame) + ":" + prefix + std::to_string(frame) + ".png";
    const GameResult run = game.Run(Script, "--frames 120" + shots);
    EXPECT_EQ(run.status, 0) << run.errors;
    std::vector<std::string> pictures;
    for (int frame : ShotFrames())
        pictures.push_back(ReadFileBytes(game.Shot(prefix + std::to_string(frame) + ".png")));
    return pictures;
}

TEST(Redraw, EveryScreenshotIsTheSameWithAndWithoutDamageTracking)
{
    GameFolder game;
    game.WriteLevel(0, {"#######################", "#@$$$.w....#.....k....#",
                        "#.$...w....A.........##", "#.....x....#....o.....#",
                        "#####.##########......#", "#.........a.....$...*.#",
                        "#######################"});
    const std::vector<std::string> whole = PlayThrough(game, false, "whole");
    const std::vector<std::string> tracked = PlayThrough(game, true, "tracked");
    const std::vector<int> frames = ShotFrames();
    ASSERT_EQ(tracked.size(), whole.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_FALSE(whole[i].empty()) << "frame " << frames[i];
        EXPECT_TRUE(tracked[i] == whole[i]) << "frame " << frames[i] << " differs";
    }
    // The two runs must differ somewhere for the comparison to mean anything: the frames
    // themselves do, from the walk to the pause.
    EXPECT_NE(whole[frames.size() - 1], whole[12]);
}

}  // namespace
