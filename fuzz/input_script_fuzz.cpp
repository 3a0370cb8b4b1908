// Input scripts (--script): read, then delivered frame by frame into an input state and, for
// the gamepad's events, the mouse's and typed text, to a taker. A script that is refused
// names itself and holds no events; one that is accepted delivers every event by the frame
// after its last, and every gamepad control it names reads back by its name.
#include <climits>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "media/platform/input_script.h"

FUZZ_TARGET(input_script)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    InputScript script;
    const std::string error = script.Read("fuzz.script", text);
    if (!error.empty()) {
        FuzzCheck(error.starts_with("fuzz.script, line "), "a refused script is named with its line");
        FuzzCheck(script.Finished(), "a refused script holds no events");
        return;
    }
    InputState input;
    const auto pad = [](const ScriptedEvent& event) {
        if (event.kind == ScriptedEvent::PadDown || event.kind == ScriptedEvent::PadUp)
            FuzzCheck(PadControlNamed(PadControlName(event.control)) == event.control, "a pad control reads back");
        else if (event.kind == ScriptedEvent::PointerMove)
            FuzzCheck(event.x >= 0 && event.x < ScriptPictureWidth && event.y >= 0 && event.y < ScriptPictureHeight,
                      "the pointer stays on the picture");
        else if (event.kind == ScriptedEvent::ButtonDown || event.kind == ScriptedEvent::ButtonUp)
            FuzzCheck(event.keyCode == 1 || event.keyCode == 2, "only the two mouse buttons are pressed");
        else if (event.kind == ScriptedEvent::Typed)
            FuzzCheck(!event.text.empty(), "typed text is never empty");
        else
            FuzzCheck(event.kind == ScriptedEvent::PadPlug || event.kind == ScriptedEvent::PadUnplug,
                      "only the devices' events go to their taker");
    };
    for (int frame = 0; frame < 64 && !script.Finished(); ++frame)
        script.Deliver(frame, input, pad);
    script.Deliver(INT_MAX, input, pad);
    FuzzCheck(script.Finished(), "every event is delivered once its frame has come");
}
