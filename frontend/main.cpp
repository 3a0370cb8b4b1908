// A stand-in for the game: opens the game's window and draws a moving test scene through
// the display layer until Escape, a close request or the --frames limit.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/data_folder.h"
#include "frontend/options.h"
#include "media/display.h"
#include "media/input.h"
#include "media/program.h"

namespace {

// The level lattice: 23 x 16 cells of 32 pixels from (50, 25).
void DrawLattice()
{
    SetDrawColor(40, 90, 40);
    FillRect(50, 25, 23 * 32, 16 * 32);
    SetDrawColor(70, 130, 70);
    for (int column = 0; column <= 23; ++column)
        DrawSegment(50.0f + column * 32, 25, 50.0f + column * 32, 25 + 16 * 32, 1);
    for (int row = 0; row <= 16; ++row)
        DrawSegment(50, 25.0f + row * 32, 50 + 23 * 32, 25.0f + row * 32, 1);
}

void DrawScene(int frame)
{
    DrawLattice();
    // A block walks along the top row at the game's 2 pixels a frame, turning as it goes.
    const float x = 50.0f + static_cast<float>((frame * 2) % (22 * 32));
    SetDrawColor(200, 150, 60);
    SetDrawRotation(static_cast<float>(frame % 360));
    FillRect(x + 16, 41, 24, 24);
    SetDrawRotation(0);
    SetDrawColor(240, 220, 40);
    FillRect(50 + 5 * 32 + 8, 25 + 7 * 32 + 8, 16, 16);
    // A translucent shade over part of the field and the status bar at the bottom.
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.5f);
    FillRect(50 + 12 * 32, 25 + 8 * 32, 11 * 32, 8 * 32);
    SetDrawAlpha(1);
    SetDrawColor(30, 30, 60);
    FillRect(0, 570, 800, 30);
    SetDrawColor(255, 255, 255);
    DrawSegment(0, 570, 799, 570, 1);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    const std::string optionError = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!optionError.empty()) {
        std::fprintf(stderr, "%s\n%s", optionError.c_str(), UsageText);
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    // The script and the screenshots are named relative to the folder the game was started
    // from, before it enters its data folder.
    if (!options.script.empty()) {
        if (std::string error = LoadInputScript(options.script); !error.empty())
            RaiseError(error);
    }
    for (const Screenshot& shot : options.screenshots)
        RequestScreenshot(shot.frame, std::filesystem::absolute(shot.file).string());
    if (std::string error = EnterDataFolder(options.data); !error.empty())
        RaiseError(error);

    SetWindowTitle("Tindlewick");
    if (!OpenDisplay(800, 600, 0, 60, 2))
        RaiseError(DisplayError());
    SetBlendMode(BlendAlpha);
    SetBackdropColor(20, 20, 30);
    ClearFrame();
    while (!KeyPressCount(KeyEscape) && !CloseWasRequested() &&
           (options.frames == 0 || PresentCount() < options.frames)) {
        DrawScene(PresentCount());
        PresentFrame(-1);
        ClearFrame();
    }
    EndProgram();
}
