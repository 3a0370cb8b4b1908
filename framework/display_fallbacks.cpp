#include "framework/display_fallbacks.h"

std::vector<DisplayAttempt> DisplayAttempts(const DisplayShape& asked, int depth)
{
    std::vector<DisplayAttempt> attempts;
    if (depth != 0) {
        if (!asked.desktopFullScreen)
            attempts.push_back({asked, depth});
        DisplayShape desktop = asked;
        desktop.desktopFullScreen = true;
        attempts.push_back({desktop, depth});
    }
    attempts.push_back({asked, 0});
    return attempts;
}

std::string FallbackMessage(const std::string& refusal, const DisplayAttempt& shown)
{
    const char* instead = shown.depth == 0 ? "The game is shown in a window instead."
                                           : "The game is shown full screen at the screen's own mode instead.";
    return refusal + " " + instead;
}
