// Scripted input for end-to-end tests and demos: lines "FRAME EVENT KEY" whose events reach
// the input state as if from the window, once PresentFrame has been called FRAME times.
//   EVENT: down, up, press (down then up in the same frame) or close (no KEY)
//   KEY:   Left, Up, Right, Down, Enter, Escape, Space, Backspace, F1, Alt, A to Z, 0 to 9;
//          pad:NAME, a control of the script's gamepad by SDL's game controller name (a, b,
//          x, y, back, start, leftshoulder, rightshoulder, dpup, dpdown, dpleft, dpright)
//          or the left stick pushed fully one way (leftx-, leftx+, lefty-, lefty+); pad,
//          the gamepad itself, plugged in by down and pulled out by up. The gamepad is
//          plugged in at its first control if it is not already.
// Blank lines and lines starting with # are skipped.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "media/platform/gamepad_state.h"
#include "media/platform/input_state.h"

struct ScriptedEvent {
    enum Kind { KeyDown, KeyUp, Close, PadDown, PadUp, PadPlug, PadUnplug };
    int frame = 0;
    Kind kind = KeyDown;
    int keyCode = 0;
    PadControl control = PadControl::A;  // PadDown and PadUp
};

class InputScript {
public:
    // Reads the script's text; `name` goes into the messages. Returns the empty text, or a
    // message naming the file and the line at fault, and then holds no events.
    std::string Read(const std::string& name, const std::string& text);
    // Feeds `input` every event not yet delivered whose frame has come, in script order;
    // the gamepad's events go to `padEvent` (none: they are dropped), which the game hands
    // to the script's gamepad.
    void Deliver(int presentCount, InputState& input,
                 const std::function<void(const ScriptedEvent&)>& padEvent = nullptr);
    bool Finished() const { return next_ == events_.size(); }

private:
    std::vector<ScriptedEvent> events_;  // by frame; lines of one frame in file order
    std::size_t next_ = 0;
};

// The virtual-key code of a key name of the script, or 0.
int ScriptKeyCode(const std::string& name);
