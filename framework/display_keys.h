// The keys of "Settings.ini" that show the game beyond the window and the full screen of
// its own size: "Window_scale" (0 = the largest window that fits the desktop, or a whole
// factor) and "Fullscreen" ("desktop": at the screen's own mode; "mode": switching the
// screen to the game's size). A file with neither key gets exactly the window and the full
// screen of "Graphics_width" x "Graphics_height".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "media/platform/display.h"

inline constexpr char WindowScaleKey[] = "Window_scale";
inline constexpr char FullScreenKey[] = "Fullscreen";

struct DisplayKeys {
    bool present = false;  // either key is in the file
    int windowScale = 1;   // 0 = automatic
    bool desktopFullScreen = false;
    // What could not be read, as messages naming the file and the key; the key then acts
    // as if absent.
    std::vector<std::string> problems;
};

// From the values as the settings file gives them (lower case), or none for a key that is
// absent; `file` names the file in the messages.
DisplayKeys ParseDisplayKeys(const std::optional<std::string>& windowScale,
                             const std::optional<std::string>& fullScreen, const std::string& file);
// From the current settings file.
DisplayKeys ReadDisplayKeys();

// How the display shows the game for these keys: the design's display without them; with
// them, drawing into every pixel a desktop gives.
DisplayShape ShapeOf(const DisplayKeys& keys);
