// The gamepads through SDL's game controller support, hot-plugged, and the script's own
// pad: a virtual one plugged in through SDL, so that scripted presses take the real way from
// SDL's events to the input state. Internal to the media layer; input.cpp drives it.
#pragma once

#include <SDL.h>

#include "media/platform/gamepad_state.h"

// The one state every pad feeds, for the whole run.
extern GamepadState Pads;

// Starts SDL's game controllers once, where the window system is started.
void StartGamepads();
// Handles an event of a pad (plugged, pulled out, a button, the left stick); false for
// any other event.
bool HandleGamepadEvent(const SDL_Event& event, InputState& input);
// Whether any pad is plugged in.
bool GamepadConnected();

// The script's pad, plugged in and pulled out on demand. Its changes arrive as SDL's events
// at the next poll; a control changed before the pad's arrival was handled is lost.
void PlugScriptPad();
void UnplugScriptPad();
bool ScriptPadPlugged();
void SetScriptPadControl(PadControl control, bool down);
