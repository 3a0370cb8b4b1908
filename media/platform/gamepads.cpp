#include "media/platform/gamepads.h"

#include <algorithm>
#include <vector>

GamepadState Pads;

namespace {

// The pads plugged in, by SDL's instance id; live as long as they are plugged in.
std::vector<SDL_GameController*> Opened;
SDL_Joystick* ScriptPad = nullptr;

std::optional<PadControl> ControlOf(Uint8 sdlButton)
{
    const char* name = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(sdlButton));
    return name ? PadControlNamed(name) : std::nullopt;
}

void Open(int deviceIndex)
{
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex))
        Opened.push_back(pad);
}

// A pad pulled out lets go of everything it held; the others press theirs again as they move.
void Close(SDL_JoystickID id, InputState& input)
{
    const auto gone = std::find_if(Opened.begin(), Opened.end(), [&](SDL_GameController* pad) {
        return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id;
    });
    if (gone == Opened.end())
        return;
    SDL_GameControllerClose(*gone);
    Opened.erase(gone);
    Pads.ReleaseAll(input);
}

void StickMoved(const SDL_ControllerAxisEvent& axis, InputState& input)
{
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(axis.which);
    if (!pad || (axis.axis != SDL_CONTROLLER_AXIS_LEFTX && axis.axis != SDL_CONTROLLER_AXIS_LEFTY))
        return;
    Pads.StickMoved(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX),
                    SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY), input);
}

}  // namespace

void StartGamepads()
{
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER))
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool HandleGamepadEvent(const SDL_Event& event, InputState& input)
{

    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which, input);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const std::optional<PadControl> control = ControlOf(event.cbutton.button))
            Pads.ControlChanged(*control, event.type == SDL_CONTROLLERBUTTONDOWN, input);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        StickMoved(event.caxis, input);
        return true;
    default:
        return false;
    }
}

bool GamepadConnected()
{
    return !Opened.empty();
}

void PlugScriptPad()
{
    if (ScriptPad)
        return;
    // A scripted run takes its pad's presses whether or not its window has the focus, as it
    // takes its keys; a player's pads keep to the window in front.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    StartGamepads();
    SDL_VirtualJoystickDesc pad;
    SDL_zero(pad);
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    pad.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    pad.name = "Scripted gamepad";
    const int index = SDL_JoystickAttachVirtualEx(&pad);
    if (index >= 0)
        ScriptPad = SDL_JoystickOpen(index);
}

void UnplugScriptPad()
{
    if (!ScriptPad)
        return;
    // Other pads plugged in or out since may have moved its device number.
    const SDL_JoystickID id = SDL_JoystickInstanceID(ScriptPad);
    SDL_JoystickClose(ScriptPad);
    ScriptPad = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id)
            SDL_JoystickDetachVirtual(index);
    }
}

bool ScriptPadPlugged()
{
    return ScriptPad != nullptr;
}

void SetScriptPadControl(PadControl control, bool down)
{
    if (!ScriptPad)
        return;
    // A virtual game controller's buttons and axes are numbered as SDL numbers a pad's.
    if (!IsStickControl(control)) {
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(PadControlName(control));
        SDL_JoystickSetVirtualButton(ScriptPad, button, down ? 1 : 0);
        return;
    }
    const bool horizontal = control == PadControl::StickLeft || control == PadControl::StickRight;
    const bool negative = control == PadControl::StickLeft || control == PadControl::StickUp;
    const Sint16 value = !down ? 0 : negative ? SDL_JOYSTICK_AXIS_MIN : SDL_JOYSTICK_AXIS_MAX;
    SDL_JoystickSetVirtualAxis(ScriptPad, horizontal ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY, value);
}
