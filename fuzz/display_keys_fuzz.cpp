// The display keys of a fuzzed "Settings.ini": whatever the file holds, the keys read as a
// factor the display can take and a kind of full screen, every value that cannot be read
// is named with the file and its key, and the displays tried always end in a window.
#include "framework/display_fallbacks.h"
#include "framework/display_keys.h"
#include "framework/settings.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

FUZZ_TARGET(display_keys)
{
    const std::string path = WriteFuzzFile(SettingsIniFile, data, size);
    SetSettingsFile(path);
    const DisplayKeys keys = ReadDisplayKeys();
    SetSettingsFile(SettingsIniFile);
    FuzzCheck(keys.windowScale >= 0 && keys.windowScale <= 64, "the factor is one a window can take");
    FuzzCheck(keys.problems.size() <= 2, "at most one message a key");
    for (const std::string& problem : keys.problems) {
        FuzzCheck(problem.starts_with(path + ": \""), "a message names the file");
        FuzzCheck(problem.find("Window_scale") != std::string::npos || problem.find("Fullscreen") != std::string::npos,
                  "a message names its key");
    }
    FuzzCheck(keys.present || (keys.problems.empty() && keys.windowScale == 1 && !keys.desktopFullScreen),
              "without the keys the display is the design's");
    for (int depth : {0, 32}) {
        const std::vector<DisplayAttempt> attempts = DisplayAttempts(ShapeOf(keys), depth);
        FuzzCheck(!attempts.empty() && attempts.back().depth == 0, "the last display tried is a window");
    }
}
