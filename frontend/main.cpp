// tindlewick: the game. The command line serves end-to-end tests, demos and bug reports:
// scripted input, screenshots, a frame limit and the data folder, and a level file to play
// on its own; an installed game finds
// its data beside its own file and keeps the player's saves apart. Two environment switches
// serve the benchmarks and the redraw tests.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/close_request.h"
#include "frontend/data_folder.h"
#include "frontend/installed_game.h"
#include "frontend/level_file_play.h"
#include "frontend/options.h"
#include "frontend/start_up.h"
#include "frontend/user_saves.h"
#include "media/core/program.h"
#include "media/platform/display.h"
#include "media/platform/frame_capture.h"
#include "media/platform/input.h"

namespace {

// TINDLEWICK_PRESENT_FD names a file descriptor that the time of each present goes to, for
// the benchmarks. TINDLEWICK_FULL_REDRAW, set to anything but "" or "0", draws every frame
// whole, for the tests that compare it with redrawing only what changed.
void ApplyEnvironment()
{
    if (const char* descriptor = std::getenv("TINDLEWICK_PRESENT_FD"))
        StartPresentMarks(std::atoi(descriptor));
    const char* fullRedraw = std::getenv("TINDLEWICK_FULL_REDRAW");
    SetFullRedraw(fullRedraw && *fullRedraw && std::strcmp(fullRedraw, "0") != 0);
}

// An installed program reads its own data and keeps the player's saves apart, unless a
// data folder is asked for; a program in its build folder plays in a data folder, as the
// game always has.
std::string EnterGameFolder(const std::string& asked)
{
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string installed = asked.empty() && !error ? InstalledDataFolder(program) : "";
    if (!installed.empty())
        return EnterInstalledGame(installed, SavesFolder());
    return EnterDataFolder(asked);
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
        RequestScreenshot(shot.frame, std::filesystem::absolute(shot.file).string(), shot.asShown);
    // A level to play on its own is checked before anything opens.
    LevelData played;
    if (!options.play.empty()) {
        if (std::string error = ReadPlayableLevel(options.play, played); !error.empty())
            RaiseError(error);
    }
    if (std::string error = EnterGameFolder(options.data); !error.empty())
        RaiseError(error);
    SetFrameLimit(options.frames);
    ApplyEnvironment();

    Main(options.play.empty() ? nullptr : &played);
    // The exit handlers close the display and shut the sound down.
    EndProgram();
}
