// The displays tried for what the settings ask, so that the game always starts: a full
// screen that cannot be had falls back to a full screen at the desktop's own mode, and that
// to a window, each with a warning.
#pragma once

#include <string>
#include <vector>

#include "media/platform/display.h"

struct DisplayAttempt {
    DisplayShape shape;
    int depth = 0;  // 0 = a window, as OpenDisplay takes it
};

// Best first: a full screen that switches the mode, then one at the desktop's mode, then a
// window; a full screen at the desktop's mode, then a window; a window alone.
std::vector<DisplayAttempt> DisplayAttempts(const DisplayShape& asked, int depth);

// The warning for `shown` opened in place of the display asked for, which was refused with
// the message `refusal`.
std::string FallbackMessage(const std::string& refusal, const DisplayAttempt& shown);
