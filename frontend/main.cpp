// tindlewick: the game. The command line serves end-to-end tests, demos and bug reports:
// scripted input, screenshots, a frame limit and the data folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/close_request.h"
#include "frontend/data_folder.h"
#include "frontend/options.h"
#include "frontend/start_up.h"
#include "media/core/program.h"
#include "media/platform/display.h"
#include "media/platform/input.h"

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
    SetFrameLimit(options.frames);

    Main();
    // The exit handlers close the display and shut the sound down.
    EndProgram();
}
