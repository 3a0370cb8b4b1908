// The seam between the display and the input layer inside media: input follows the events
// of the open display's window only, and hands the window's focus changes back.
#pragma once

// Input (input.cpp): from now on take keyboard, mouse and window events from the window
// with this SDL id; 0 takes none. Either way every key and button starts released.
void FollowWindowInput(unsigned windowId);

// Input: whether Alt with Enter asks for the other display instead of hitting Enter; and
// the request, true once for each Alt+Enter.
void SwitchDisplayWithAltEnter(bool on);
bool TakeDisplaySwitchRequest();

// Display (display.cpp): the followed window lost or regained the input focus, or changed
// its size.
void DisplayFocusChanged(bool gained);
void DisplaySizeChanged();
// The window system showed the window afresh, as after another window covered it.
void DisplayExposed();
// A point of the window, in the desktop's units, as a point of the layout.
void PointerInLayout(int& x, int& y);
// The other way: a point of the layout as a point of the window, at the middle of its
// pixel, so that PointerInLayout gives it back.
void LayoutPointInWindow(int& x, int& y);
