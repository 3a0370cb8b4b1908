// Scripted input for end-to-end tests and demos: lines "FRAME EVENT KEY" whose events reach
// the input state as if from the window, once PresentFrame has been called FRAME times.
//   EVENT: down, up, press (down then up in the same frame) or close (no KEY); also
//          "pointer X Y", the mouse pointer moved to that point of the 800 x 600 picture,
//          and "type TEXT", the text typed (8-bit characters, no blanks)
//   KEY:   Left, Up, Right, Down, Enter, Escape, Space, Backspace, F1, Alt, A to Z, 0 to 9;
//          pad:NAME, a control of the script's gamepad by SDL's game controller name (a, b,
//          x, y, back, start, leftshoulder, rightshoulder, dpup, dpdown, dpleft, dpright)
//          or the left stick pushed fully one way (leftx-, leftx+, lefty-, lefty+); pad,
//          the gamepad itself, plugged in by down and pulled out by up. The gamepad is
//          plugged in at its first control if it is not already. mouse1 and mouse2, the
//          left and the right mouse button.
// The mouse's events and typed text reach the game as real window events.
// Blank lines and lines starting with # are skipped.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "media/platform/gamepad_state.h"
#include "media/platform/input_state.h"

struct ScriptedEvent {
    enum Kind {
        KeyDown, KeyUp, Close, PadDown, PadUp, PadPlug, PadUnplug,
        PointerMove, ButtonDown, ButtonUp, Typed,
    };
    int frame = 0;
    Kind kind = KeyDown;
    int keyCode = 0;                     // KeyDown and KeyUp; the button, 1 or 2, of ButtonDown and ButtonUp
    PadControl control = PadControl::A;  // PadDown and PadUp
    int x = 0;                           // PointerMove, in the picture's pixels
    int y = 0;
    std::string text;                    // Typed
};

// The picture's size, which the pointer's points lie within.
constexpr int ScriptPictureWidth = 800;
constexpr int ScriptPictureHeight = 600;

class InputScript {
public:
    // Reads the script's text; `name` goes into the messages. Returns the empty text, or a
    // message naming the file and the line at fault, and then holds no events.
    std::string Read(const std::string& name, const std::string& text);
    // Feeds `input` every event not yet delivered whose frame has come, in script order;
    // the gamepad's, the mouse's and the typed text go to `deviceEvent` (none: they are
    // dropped), which the game hands to the script's gamepad or the window.
    void Deliver(int presentCount, InputState& input,
                 const std::function<void(const ScriptedEvent&)>& deviceEvent = nullptr);
    bool Finished() const { return next_ == events_.size(); }

private:
    std::vector<ScriptedEvent> events_;  // by frame; lines of one frame in file order
    std::size_t next_ = 0;
};

// The virtual-key code of a key name of the script, or 0.
int ScriptKeyCode(const std::string& name);
