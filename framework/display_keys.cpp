#include "framework/display_keys.h"

#include <charconv>

#include "framework/settings.h"

namespace {

// Larger factors would ask for windows no desktop has.
constexpr int LargestWindowScale = 64;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> WholeFactor(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 0 || value > LargestWindowScale)
        return std::nullopt;
    return value;
}

}  // namespace

DisplayKeys ParseDisplayKeys(const std::optional<std::string>& windowScale,
                             const std::optional<std::string>& fullScreen, const std::string& file)
{
    DisplayKeys keys;
    keys.present = windowScale.has_value() || fullScreen.has_value();
    if (windowScale) {
        const std::string value = Trimmed(*windowScale);
        if (const std::optional<int> factor = WholeFactor(value))
            keys.windowScale = *factor;
        else
            keys.problems.push_back(file + ": \"" + WindowScaleKey + "\" must be 0 (the largest window that fits) or a whole factor from 1 to " +
                                    std::to_string(LargestWindowScale) + ", not \"" + value + "\"; the window keeps the game's own size.");
    }
    if (fullScreen) {
        const std::string value = Trimmed(*fullScreen);
        if (value == "desktop" || value == "mode")
            keys.desktopFullScreen = value == "desktop";
        else
            keys.problems.push_back(file + ": \"" + FullScreenKey + "\" must be \"desktop\" or \"mode\", not \"" + value +
                                    "\"; full screen switches the screen's mode.");
    }
    return keys;
}

DisplayKeys ReadDisplayKeys()
{
    return ParseDisplayKeys(ReadOptionalSetting(WindowScaleKey), ReadOptionalSetting(FullScreenKey),
                            SettingsFilePath(SettingsFileName));
}

DisplayShape ShapeOf(const DisplayKeys& keys)
{
    return DisplayShape{keys.windowScale, keys.desktopFullScreen, keys.present};
}
