// The seam between the display and the input layer inside media: input follows the events
// of the open display's window only, and hands the window's focus changes back.
#pragma once

// Input (input.cpp): from now on take keyboard, mouse and window events from the window
// with this SDL id; 0 takes none. Either way every key and button starts released.
void FollowWindowInput(unsigned windowId);

// Display (display.cpp): the followed window lost or regained the input focus.
void DisplayFocusChanged(bool gained);
